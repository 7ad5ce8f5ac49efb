// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/alphabets/AlphabetScreen.h"

#include "frontend/ModelText.h"
#include "session/Session.h"
#include "ui/alphabets/AlphabetEditorView.h"
#include "ui/alphabets/AlphabetHelp.h"
#include "ui/shared/Context.h"

namespace tarnel {

AlphabetScreen::AlphabetScreen(Context& context, AlphabetSide side, const QString& title)
    : Screen(context), side(side) {
    setCaption(title);
    addStandardMenus(alphabetEditorHelp(side));
    body = new AlphabetEditorView(side, ctx);
    setCentralWidget(body);
}

AlphabetEditor& AlphabetScreen::editor() const {
    return ctx.session.alphabetEditor(side);
}

bool AlphabetScreen::leaveScreen() {
    return body->leaveAlphabet();
}

void AlphabetScreen::enterScreen() {
    body->editAlphabet();
}

void AlphabetScreen::resumeScreen() {
    body->editAlphabet();
}

void AlphabetScreen::modelEdited() {
    body->refresh();
}

bool AlphabetScreen::canUndo() const {
    return editor().canUndo();
}

bool AlphabetScreen::canRedo() const {
    return editor().canRedo();
}

QString AlphabetScreen::undoCaption() const {
    return fromModelText(editor().undoCaption());
}

QString AlphabetScreen::redoCaption() const {
    return fromModelText(editor().redoCaption());
}

void AlphabetScreen::undo() {
    editor().undo();
}

void AlphabetScreen::redo() {
    editor().redo();
}

} // namespace tarnel
