#include "frmReflAlph.h"

#include "Context.h"
#include "Shared.h"

namespace tarnel {

namespace {

HelpTopics helpTopics() {
    return {helpWithHelp()};
}

} // namespace

frmReflAlph::frmReflAlph(Context& context) : Screen(context) {
    setWindowTitle(QStringLiteral("Edit Reflex Alphabet"));
    addStandardMenus(helpTopics());

    // ---- Screen body: placeholder until the Reflex Alphabet editor is built. ----
    setCentralWidget(placeholderBody(QStringLiteral("Reflex Alphabet editor")));
}

// Asks "Keep the changes?" when there are pending changes; Cancel stays.
bool frmReflAlph::leaveScreen() {
    return true;
}

// Takes the backup of the alphabet that No restores.
void frmReflAlph::enterScreen() {}

} // namespace tarnel
