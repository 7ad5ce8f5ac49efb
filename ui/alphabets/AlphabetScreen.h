// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/AlphabetEditor.h"
#include "ui/shared/Screen.h"

namespace tarnel {

class AlphabetEditorView;

// What the Etymon and Reflex Alphabet editors share: the grid of their alphabet, "Keep the
// changes?" on leaving, and Undo and Redo stepping through the column edits.
class AlphabetScreen : public Screen {
    Q_OBJECT
public:
    AlphabetScreen(Context& context, AlphabetSide side, const QString& title);

    // Asks "Keep the changes?" when there are pending changes; Cancel stays.
    bool leaveScreen() override;
    // Keeps the alphabets as they are now, for No to restore.
    void enterScreen() override;
    // The changes were settled on the way out; what follows is measured from here.
    void resumeScreen() override;
    void modelEdited() override;

    bool canUndo() const override;
    bool canRedo() const override;
    QString undoCaption() const override;
    QString redoCaption() const override;
    void undo() override;
    void redo() override;

    AlphabetEditorView* body;

private:
    AlphabetEditor& editor() const;
    AlphabetSide side;
};

} // namespace tarnel
