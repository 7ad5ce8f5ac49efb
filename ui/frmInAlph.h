#pragma once

#include "Screen.h"

namespace tarnel {

// The Etymon Alphabet editor.
class frmInAlph : public Screen {
    Q_OBJECT
public:
    explicit frmInAlph(Context& context);

    bool leaveScreen() override;
    void enterScreen() override;
};

} // namespace tarnel
