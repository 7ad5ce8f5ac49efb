// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/alphabets/frmInAlph.h"

#include "ui/alphabets/AlphabetEditorView.h"

#include <QMenu>

namespace tarnel {

frmInAlph::frmInAlph(Context& context)
    : AlphabetScreen(context, AlphabetSide::Etymon, QStringLiteral("Edit Etymon Alphabet")) {
    // Both default alphabets are made from here, as for a new model.
    if (QMenu* edit = editMenu()) {
        edit->addSeparator();
        QAction* defaults = edit->addAction(QStringLiteral("Default Alphabets"), body,
                                            &AlphabetEditorView::resetToDefaults);
        defaults->setObjectName(QStringLiteral("mnuDefaultAlphabets"));
    }
}

} // namespace tarnel
