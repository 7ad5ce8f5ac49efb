#include "frmInAlph.h"

#include "Context.h"
#include "Shared.h"

namespace tarnel {

namespace {

HelpTopics helpTopics() {
    return {helpWithHelp()};
}

} // namespace

frmInAlph::frmInAlph(Context& context) : Screen(context) {
    setWindowTitle(QStringLiteral("Edit Etymon Alphabet"));
    addStandardMenus(helpTopics());

    // ---- Screen body: placeholder until the Etymon Alphabet editor is built. ----
    setCentralWidget(placeholderBody(QStringLiteral("Etymon Alphabet editor")));
}

// Asks "Keep the changes?" when there are pending changes; Cancel stays.
bool frmInAlph::leaveScreen() {
    return true;
}

// Takes the backup of the alphabet that No restores.
void frmInAlph::enterScreen() {}

} // namespace tarnel
