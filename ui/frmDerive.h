#pragma once

#include "Screen.h"

class QLineEdit;

namespace tarnel {

// The derivation screen: interactive, reflex and batch runs.
class frmDerive : public Screen {
    Q_OBJECT
public:
    explicit frmDerive(Context& context);

    // Navigation hooks (see Shared.h).
    void enterInteractiveMode();
    void enterBatchMode();
    void enterReflexMode();
    void resetDerivation();
    void copyEtymon(const QString& etymon);

private:
    QLineEdit* txtEtymon = nullptr;
};

} // namespace tarnel
