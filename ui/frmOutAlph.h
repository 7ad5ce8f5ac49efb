#pragma once

#include "Screen.h"

namespace tarnel {

// The Output Alphabet viewer (read only).
class frmOutAlph : public Screen {
    Q_OBJECT
public:
    explicit frmOutAlph(Context& context);
};

} // namespace tarnel
