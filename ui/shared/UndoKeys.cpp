// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shared/UndoKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextDocument>

namespace tarnel {

namespace {

enum class UndoKey { None, Undo, Redo };

UndoKey undoKey(const QKeyEvent& key) {
    if (key.matches(QKeySequence::Undo))
        return UndoKey::Undo;
    const QKeyCombination combination = key.keyCombination();
    if (key.matches(QKeySequence::Redo) ||
        combination == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z) ||
        combination == QKeyCombination(Qt::ControlModifier, Qt::Key_Y))
        return UndoKey::Redo;
    return UndoKey::None;
}

// Whether `box` has typing of its own to undo (or redo); no value when it is no text box.
std::optional<bool> ownStep(QObject* box, UndoKey key) {
    const bool undo = key == UndoKey::Undo;
    if (auto* line = qobject_cast<QLineEdit*>(box))
        return !line->isReadOnly() && (undo ? line->isUndoAvailable() : line->isRedoAvailable());
    if (auto* text = qobject_cast<QPlainTextEdit*>(box))
        return !text->isReadOnly() && text->isUndoRedoEnabled() &&
               (undo ? text->document()->isUndoAvailable() : text->document()->isRedoAvailable());
    return std::nullopt;
}

// Once an undo has gone past a box's typing into the model, a redo belongs to the model: the
// box forgets the typing it could redo, its text as it is.
void forgetRedo(QObject* box) {
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        const QSignalBlocker quiet(line);
        line->setText(line->text());
    } else if (auto* text = qobject_cast<QPlainTextEdit*>(box)) {
        text->document()->clearUndoRedoStacks(QTextDocument::RedoStack);
    }
}

} // namespace

UndoKeys::UndoKeys() {
    qApp->installEventFilter(this);
}

UndoKeys::~UndoKeys() {
    qApp->removeEventFilter(this);
}

// A text box claims the undo keys before the menus see them (a shortcut override); without a
// step of its own it is not let claim them, and Edit > Undo or Redo takes the key.
bool UndoKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    const UndoKey key = undoKey(*static_cast<QKeyEvent*>(event));
    if (key == UndoKey::None)
        return false;
    const std::optional<bool> own = ownStep(watched, key);
    if (!own || *own)
        return false;
    if (key == UndoKey::Undo)
        forgetRedo(watched);
    event->ignore();
    return true;
}

} // namespace tarnel
