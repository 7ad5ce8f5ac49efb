#include "frmOrder.h"

#include "Context.h"
#include "Shared.h"

namespace tarnel {

namespace {

HelpTopics helpTopics() {
    return {helpWithHelp()};
}

} // namespace

frmOrder::frmOrder(Context& context) : Screen(context) {
    setWindowTitle(QStringLiteral("Edit Rule Order"));
    addStandardMenus(helpTopics());

    // ---- Screen body: placeholder until the rule order screen is built. ----
    setCentralWidget(placeholderBody(QStringLiteral("Rule order screen")));
}

void frmOrder::openRuleOrder() {
    setWindowTitle(modelCaption(ctx) + QStringLiteral(":  Edit Rule Order"));
}

} // namespace tarnel
