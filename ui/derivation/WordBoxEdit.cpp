// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/derivation/WordBoxEdit.h"

#include "core/Cp1252.h"
#include "session/WordBox.h"

#include <QKeyEvent>

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
    if ((event.modifiers() & commands) || text.isEmpty() || text.at(0) < QChar(' '))
        return std::nullopt;
    const auto byte = text.size() == 1 ? unicodeToCp1252(text.at(0).unicode()) : std::nullopt;
    return byte ? std::optional<int>(*byte) : std::optional<int>(-1);
}

void WordBoxEdit::keyPressEvent(QKeyEvent* event) {
    if (keyPress && keyPress(event))
        return;
    QLineEdit::keyPressEvent(event);
}

} // namespace tarnel
