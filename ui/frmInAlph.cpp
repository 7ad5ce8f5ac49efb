#include "frmInAlph.h"

#include "AlphabetEditorView.h"
#include "AlphabetHelp.h"
#include "Context.h"
#include "Shared.h"

#include <QMenu>
#include <QMenuBar>

namespace tarnel {

frmInAlph::frmInAlph(Context& context) : Screen(context) {
    setWindowTitle(QStringLiteral("Edit Etymon Alphabet"));
    addStandardMenus(alphabetEditorHelp(AlphabetSide::Etymon));

    body = new AlphabetEditorView(AlphabetSide::Etymon, ctx);
    setCentralWidget(body);

    // Both default alphabets are made from here, as for a new model.
    if (auto* edit = menuBar()->findChild<QMenu*>(QStringLiteral("mnuEdit"))) {
        edit->addSeparator();
        QAction* defaults = edit->addAction(QStringLiteral("Default Alphabets"), body,
                                            &AlphabetEditorView::resetToDefaults);
        defaults->setObjectName(QStringLiteral("mnuDefaultAlphabets"));
    }
}

// Asks "Keep the changes?" when there are pending changes; Cancel stays.
bool frmInAlph::leaveScreen() {
    return body->leaveAlphabet();
}

// Takes the backup of the alphabet that No restores.
void frmInAlph::enterScreen() {
    body->editAlphabet();
}

// The changes were settled on the way out; what follows is measured from here.
void frmInAlph::resumeScreen() {
    body->editAlphabet();
}

} // namespace tarnel
