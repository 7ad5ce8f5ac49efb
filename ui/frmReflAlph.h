#pragma once

#include "Screen.h"

namespace tarnel {

// The Reflex Alphabet editor.
class frmReflAlph : public Screen {
    Q_OBJECT
public:
    explicit frmReflAlph(Context& context);

    bool leaveScreen() override;
    void enterScreen() override;
};

} // namespace tarnel
