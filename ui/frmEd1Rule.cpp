#include "frmEd1Rule.h"

#include "Context.h"
#include "Shared.h"
#include "frmOrder.h"

#include <QMenuBar>

namespace tarnel {

namespace {

HelpTopics helpTopics() {
    return {helpWithHelp()};
}

} // namespace

frmEd1Rule::frmEd1Rule(Context& context) : Screen(context) {
    setWindowTitle(QStringLiteral("Edit a Rule"));
    QAction* mnuReturn = menuBar()->addAction(QStringLiteral("&Return"));
    mnuReturn->setObjectName(QStringLiteral("mnuReturn"));
    connect(mnuReturn, &QAction::triggered, this, &frmEd1Rule::mnuReturn_Click);
    addHelpMenu(helpTopics());

    // ---- Screen body: placeholder until the rule editor is built. ----
    setCentralWidget(placeholderBody(QStringLiteral("Rule editor")));
}

// Back to the rule order screen (leaveScreen asks about unkept changes first).
void frmEd1Rule::mnuReturn_Click() {
    editRules(ctx);
}

} // namespace tarnel
