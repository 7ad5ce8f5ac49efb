// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>
#include <functional>
#include <optional>

namespace tarnel {

// The character code a key types into the word box: 8 Backspace, 13 Enter, 22 Ctrl-V, else
// the Windows-1252 code of its character; -1 for a character Windows-1252 cannot hold. No
// value for keys that type nothing (arrows, Delete, Home, copy and other shortcuts).
std::optional<int> wordKeyCode(const QKeyEvent& event);

// A line edit that lets its screen see every key first; `keyPress` returns true to discard
// the key. A paste from its menu comes as Ctrl+V, and a character an input method composed
// as the key that types it; nothing is dropped into it.
class WordBoxEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit WordBoxEdit(QWidget* parent = nullptr) : QLineEdit(parent) { setAcceptDrops(false); }
    std::function<bool(QKeyEvent*)> keyPress;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
};

} // namespace tarnel
