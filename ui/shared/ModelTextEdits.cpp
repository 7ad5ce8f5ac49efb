// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shared/ModelTextEdits.h"

#include "frontend/ModelText.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>

namespace tarnel {

namespace {

// True when `text` holds a character a model file cannot; `refuse` has been told which.
// IPA text is read into model text later, symbol by symbol, and refused there.
bool refused(const QString& text, const std::function<void(const QString&)>& refuse, bool ipa) {
    if (ipa)
        return false;
    const std::optional<QString> character = firstUnstorable(text);
    if (character && refuse)
        refuse(*character);
    return character.has_value();
}

QString clipboardText() {
    return QApplication::clipboard()->text();
}

} // namespace

void ModelPlainTextEdit::keyPressEvent(QKeyEvent* event) {
    const QString text = event->matches(QKeySequence::Paste) ? clipboardText() : event->text();
    if (!refused(text, refuse, ipa))
        QPlainTextEdit::keyPressEvent(event);
}

void ModelPlainTextEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (!refused(event->commitString(), refuse, ipa))
        QPlainTextEdit::inputMethodEvent(event);
}

void ModelPlainTextEdit::insertFromMimeData(const QMimeData* source) {
    if (!refused(source->text(), refuse, ipa))
        QPlainTextEdit::insertFromMimeData(source);
}

void ModelLineEdit::keyPressEvent(QKeyEvent* event) {
    const QString text = event->matches(QKeySequence::Paste) ? clipboardText() : event->text();
    if (!refused(text, refuse, ipa))
        QLineEdit::keyPressEvent(event);
}

void ModelLineEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (!refused(event->commitString(), refuse, ipa))
        QLineEdit::inputMethodEvent(event);
}

void ModelLineEdit::dropEvent(QDropEvent* event) {
    if (refused(event->mimeData()->text(), refuse, ipa))
        event->ignore();
    else
        QLineEdit::dropEvent(event);
}

QMenu* menuWithOwnPaste(QLineEdit* box, const std::function<void()>& paste) {
    QMenu* menu = box->createStandardContextMenu();
    for (QAction* action : menu->actions()) {
        if (action->objectName() == QStringLiteral("edit-paste")) {
            QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
            QObject::connect(action, &QAction::triggered, box, paste);
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    return menu;
}

// The standard menu, whose Paste goes through the same check as Ctrl+V.
void ModelLineEdit::contextMenuEvent(QContextMenuEvent* event) {
    menuWithOwnPaste(this, [this] { pasteStorable(); })->popup(event->globalPos());
}

void ModelLineEdit::pasteStorable() {
    if (!refused(clipboardText(), refuse, ipa))
        paste();
}

} // namespace tarnel
