// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

namespace tarnel {

// Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y in a text box undo and redo the box's own typing while it
// has some to undo or redo, and the model's edits once it has none, as in any editor where a
// box's undo runs out into the document's. Watches the whole application while it lives.
class UndoKeys : public QObject {
public:
    UndoKeys();
    ~UndoKeys() override;
    UndoKeys(const UndoKeys&) = delete;
    UndoKeys& operator=(const UndoKeys&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace tarnel
