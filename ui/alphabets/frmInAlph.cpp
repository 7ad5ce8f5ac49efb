#include "ui/alphabets/frmInAlph.h"

#include "ui/alphabets/AlphabetEditorView.h"
#include "ui/alphabets/AlphabetHelp.h"
#include "session/Session.h"
#include "ui/shared/Context.h"
#include "ui/shared/ModelText.h"
#include "ui/shared/Shared.h"

#include <QMenu>
#include <QMenuBar>

namespace tarnel {

frmInAlph::frmInAlph(Context& context) : Screen(context) {
    setWindowTitle(QStringLiteral("Edit Etymon Alphabet"));
    addStandardMenus(alphabetEditorHelp(AlphabetSide::Etymon));

    body = new AlphabetEditorView(AlphabetSide::Etymon, ctx);
    setCentralWidget(body);

    // Both default alphabets are made from here, as for a new model.
    if (QMenu* edit = editMenu()) {
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

void frmInAlph::modelEdited() {
    body->refresh();
}

bool frmInAlph::canUndo() const {
    return ctx.session.alphabetEditor(AlphabetSide::Etymon).canUndo();
}

bool frmInAlph::canRedo() const {
    return ctx.session.alphabetEditor(AlphabetSide::Etymon).canRedo();
}

QString frmInAlph::undoCaption() const {
    return fromModelText(ctx.session.alphabetEditor(AlphabetSide::Etymon).undoCaption());
}

QString frmInAlph::redoCaption() const {
    return fromModelText(ctx.session.alphabetEditor(AlphabetSide::Etymon).redoCaption());
}

void frmInAlph::undo() {
    ctx.session.alphabetEditor(AlphabetSide::Etymon).undo();
}

void frmInAlph::redo() {
    ctx.session.alphabetEditor(AlphabetSide::Etymon).redo();
}

} // namespace tarnel
