#include "frmReflAlph.h"

#include "AlphabetEditorView.h"
#include "AlphabetHelp.h"
#include "Context.h"
#include "Shared.h"

namespace tarnel {

frmReflAlph::frmReflAlph(Context& context) : Screen(context) {
    setWindowTitle(QStringLiteral("Edit Reflex Alphabet"));
    addStandardMenus(alphabetEditorHelp(AlphabetSide::Reflex));

    body = new AlphabetEditorView(AlphabetSide::Reflex, ctx);
    setCentralWidget(body);
}

// Asks "Keep the changes?" when there are pending changes; Cancel stays.
bool frmReflAlph::leaveScreen() {
    return body->leaveAlphabet();
}

// Takes the backup of the alphabet that No restores.
void frmReflAlph::enterScreen() {
    body->editAlphabet();
}

// The changes were settled on the way out; what follows is measured from here.
void frmReflAlph::resumeScreen() {
    body->editAlphabet();
}

} // namespace tarnel
