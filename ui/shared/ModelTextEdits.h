// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>
#include <functional>

class QMenu;

namespace tarnel {

// Boxes whose text becomes model text, which a model file holds as Windows-1252. A character
// the code page lacks is refused wherever it would come in (typed, pasted, dropped, composed
// by an input method): nothing is inserted and `refuse` is told the first such character.
// While `ipa` is set the box takes any text: it is IPA, read into model text when it is used.
class ModelPlainTextEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    using QPlainTextEdit::QPlainTextEdit;
    std::function<void(const QString& character)> refuse;
    bool ipa = false;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
};

// The standard menu of `box`, whose Paste entry calls `paste` instead of pasting as it is.
QMenu* menuWithOwnPaste(QLineEdit* box, const std::function<void()>& paste);

class ModelLineEdit : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;
    std::function<void(const QString& character)> refuse;
    bool ipa = false;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void pasteStorable();
};

} // namespace tarnel
