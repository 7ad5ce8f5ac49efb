#include "frmDerive.h"

#include "Context.h"
#include "Shared.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace tarnel {

namespace {

HelpTopics helpTopics() {
    return {helpWithHelp()};
}

} // namespace

frmDerive::frmDerive(Context& context) : Screen(context) {
    setWindowTitle(QStringLiteral("Derive"));
    addStandardMenus(helpTopics());

    // ---- Screen body: placeholder until the derivation screen is built. ----
    auto* body = new QWidget;
    auto* layout = new QVBoxLayout(body);
    txtEtymon = new QLineEdit;
    txtEtymon->setObjectName(QStringLiteral("txtEtymon"));
    layout->addWidget(txtEtymon);
    layout->addWidget(placeholderBody(QStringLiteral("Derivation screen")), 1);
    setCentralWidget(body);
}

void frmDerive::enterInteractiveMode() {
    setWindowTitle(modelCaption(ctx) + QStringLiteral(", Interactive Mode, Diachronic Derivation"));
    txtEtymon->setFocus();
}

void frmDerive::enterBatchMode() {
    setWindowTitle(modelCaption(ctx) + QStringLiteral(", Batch Mode"));
}

void frmDerive::enterReflexMode() {
    setWindowTitle(modelCaption(ctx) + QStringLiteral(", Interactive Mode, Reflex Rules"));
    txtEtymon->setFocus();
}

void frmDerive::resetDerivation() {
    txtEtymon->clear();
}

void frmDerive::copyEtymon(const QString& etymon) {
    resetDerivation();
    txtEtymon->setText(etymon);
    txtEtymon->setFocus();
}

} // namespace tarnel
