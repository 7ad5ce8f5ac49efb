#pragma once

#include "Screen.h"

namespace tarnel {

class AlphabetEditorView;

// The Etymon Alphabet editor.
class frmInAlph : public Screen {
    Q_OBJECT
public:
    explicit frmInAlph(Context& context);

    bool leaveScreen() override;
    void enterScreen() override;
    void resumeScreen() override;

    AlphabetEditorView* body;
};

} // namespace tarnel
