#pragma once

#include "ui/shared/Screen.h"

namespace tarnel {

class AlphabetEditorView;

// The Reflex Alphabet editor.
class frmReflAlph : public Screen {
    Q_OBJECT
public:
    explicit frmReflAlph(Context& context);

    bool leaveScreen() override;
    void enterScreen() override;
    void resumeScreen() override;
    void modelEdited() override;

    // Undo and Redo step through this editor's column edits.
    bool canUndo() const override;
    bool canRedo() const override;
    QString undoCaption() const override;
    QString redoCaption() const override;
    void undo() override;
    void redo() override;

    AlphabetEditorView* body;
};

} // namespace tarnel
