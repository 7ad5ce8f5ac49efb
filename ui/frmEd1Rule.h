#pragma once

#include "Screen.h"

namespace tarnel {

// The rule editor: one rule at a time; left through its Return menu.
class frmEd1Rule : public Screen {
    Q_OBJECT
public:
    explicit frmEd1Rule(Context& context);

    void mnuReturn_Click();
};

} // namespace tarnel
