#pragma once

#include "Screen.h"

namespace tarnel {

// The rule order screen: the Supply and the three orders.
class frmOrder : public Screen {
    Q_OBJECT
public:
    explicit frmOrder(Context& context);

    // Sets the title and refreshes the lists; called after the screen was shown.
    void openRuleOrder();
};

} // namespace tarnel
