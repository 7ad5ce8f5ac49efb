#include "ui/alphabets/frmReflAlph.h"

#include "session/Session.h"
#include "ui/alphabets/AlphabetEditorView.h"
#include "ui/alphabets/AlphabetHelp.h"
#include "ui/shared/Context.h"
#include "ui/shared/ModelText.h"
#include "ui/shared/Shared.h"

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

void frmReflAlph::modelEdited() {
    body->refresh();
}

bool frmReflAlph::canUndo() const {
    return ctx.session.alphabetEditor(AlphabetSide::Reflex).canUndo();
}

bool frmReflAlph::canRedo() const {
    return ctx.session.alphabetEditor(AlphabetSide::Reflex).canRedo();
}

QString frmReflAlph::undoCaption() const {
    return fromModelText(ctx.session.alphabetEditor(AlphabetSide::Reflex).undoCaption());
}

QString frmReflAlph::redoCaption() const {
    return fromModelText(ctx.session.alphabetEditor(AlphabetSide::Reflex).redoCaption());
}

void frmReflAlph::undo() {
    ctx.session.alphabetEditor(AlphabetSide::Reflex).undo();
}

void frmReflAlph::redo() {
    ctx.session.alphabetEditor(AlphabetSide::Reflex).redo();
}

} // namespace tarnel
