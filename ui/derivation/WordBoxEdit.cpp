// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/derivation/WordBoxEdit.h"

#include "core/Cp1252.h"
#include "session/WordBox.h"
#include "ui/shared/ModelTextEdits.h"

#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>

namespace tarnel {

std::optional<int> wordKeyCode(const QKeyEvent& event) {
    if (event.key() == Qt::Key_Backspace)
        return keyBackspace;
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter)
        return keyEnter;
    if (event.matches(QKeySequence::Paste))
        return keyPaste;
    const Qt::KeyboardModifiers commands = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    const QString text = event.text();
    if ((event.modifiers() & commands) || text.isEmpty() || text.at(0) < QChar(' ') ||
        text.at(0) == QChar(0x7F)) // Delete types nothing either
        return std::nullopt;
    const auto byte = text.size() == 1 ? unicodeToCp1252(text.at(0).unicode()) : std::nullopt;
    return byte ? std::optional<int>(*byte) : std::optional<int>(-1);
}

void WordBoxEdit::keyPressEvent(QKeyEvent* event) {
    if (keyPress && keyPress(event))
        return;
    QLineEdit::keyPressEvent(event);
}

// The menu's Paste goes where Ctrl+V goes.
void WordBoxEdit::contextMenuEvent(QContextMenuEvent* event) {
    menuWithOwnPaste(this, [this] {
        QKeyEvent paste(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier, QStringLiteral("\x16"));
        keyPressEvent(&paste);
    })->popup(event->globalPos());
}

// A character composed by an input method (a dead key, a compose sequence) is typed as a key
// would type it, through the same checks.
void WordBoxEdit::inputMethodEvent(QInputMethodEvent* event) {
    const QString committed = event->commitString();
    if (!keyPress || committed.isEmpty() || !event->preeditString().isEmpty() ||
        event->replacementLength() != 0) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    for (const QChar c : committed) {
        QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        keyPressEvent(&key);
    }
}

} // namespace tarnel
