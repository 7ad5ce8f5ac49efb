#pragma once

#include "Screen.h"

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

    AlphabetEditorView* body;
};

} // namespace tarnel
