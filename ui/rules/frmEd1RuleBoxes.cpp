// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontend/ModelText.h"
#include "session/RuleReturn.h"
#include "session/Session.h"
#include "ui/rules/frmEd1Rule.h"
#include "ui/shared/Context.h"
#include "ui/shared/Dialogs.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace tarnel {

namespace {

// The boxes let in only what a model file can hold, so the text always converts.
std::string boxText(const QLineEdit* box) {
    return toModelText(box->text()).value_or(std::string());
}

// The one Windows-1252 character a key typed, if it typed exactly one.
std::optional<char> typedChar(const QKeyEvent* event) {
    const auto bytes = toModelText(event->text());
    if (!bytes || bytes->size() != 1)
        return std::nullopt;
    return bytes->front();
}

bool isEnter(const QKeyEvent* event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

} // namespace

// The box lies over the element it edits; every rule button waits until it is closed.
void frmEd1Rule::openNameBox() {
    editor().nameBoxOpened();
    const QPushButton* name = btnRuleElement.isEmpty() ? nullptr : btnRuleElement.front();
    txtRuleName->setGeometry(name ? name->x() : 8, name ? name->y() : 8, 260, 26);
    txtRuleName->setText(QStringLiteral("Type new rule name here."));
    promptShowing = true;
    setRuleButtonsEnabled(false);
    txtRuleName->show();
    txtRuleName->raise();
    txtRuleName->setFocus();
}

void frmEd1Rule::openCommentBox(int line) {
    commentLine = line;
    int x = 8;
    int y = 8;
    for (const QPushButton* button : std::as_const(btnRuleElement)) {
        const Element& e = elements.at(button->property("element").toUInt());
        if (e.line == line && e.kind == ElementKind::Comment) {
            x = button->x();
            y = button->y();
        }
    }
    txtComment->setGeometry(x, y, 360, 26);
    txtComment->setText(QStringLiteral("Type new comment here."));
    promptShowing = true;
    setRuleButtonsEnabled(false);
    txtComment->show();
    txtComment->raise();
    txtComment->setFocus();
}

void frmEd1Rule::hideBoxes() {
    txtRuleName->clear();
    txtComment->clear();
    txtRuleName->hide();
    txtComment->hide();
    setRuleButtonsEnabled(true);
}

// Every key of the name box is handled here, so only a valid rule name can be typed.
bool frmEd1Rule::txtRuleName_KeyPress(QKeyEvent* event) {
    if (promptShowing) {
        txtRuleName->clear();
        promptShowing = false;
    }
    if (event->key() == Qt::Key_Escape) {
        hideBoxes();
    } else if (event->key() == Qt::Key_Backspace) {
        txtRuleName->backspace();
    } else if (isEnter(event)) {
        acceptName();
    } else if (const auto key = typedChar(event)) {
        const NameKey answer = nameBoxKey(boxText(txtRuleName), *key);
        if (answer.append)
            txtRuleName->setText(txtRuleName->text() + QLatin1Char(*answer.append));
        else if (!answer.message.empty())
            ctx.dialogs.ok(QString::fromStdString(answer.message));
    }
    return true;
}

void frmEd1Rule::acceptName() {
    const Result<> accepted = editor().acceptName(boxText(txtRuleName));
    if (!accepted) {
        ctx.dialogs.ok(fromModelText(accepted.message()));
        return;
    }
    hideBoxes();
    buildRuleButtons();
}

bool frmEd1Rule::txtComment_KeyPress(QKeyEvent* event) {
    if (promptShowing) {
        txtComment->clear();
        promptShowing = false;
    }
    if (event->key() == Qt::Key_Escape) {
        hideBoxes();
    } else if (event->key() == Qt::Key_Backspace) {
        txtComment->backspace();
    } else if (isEnter(event)) {
        acceptComment();
    } else if (const auto character = firstUnstorable(event->text())) {
        ctx.dialogs.ok(unstorableMessage(*character));
    } else if (const auto key = typedChar(event); key && commentBoxAccepts(*key)) {
        txtComment->setText(txtComment->text() + event->text());
    }
    return true;
}

void frmEd1Rule::acceptComment() {
    const Result<> accepted = editor().setComment(commentLine, boxText(txtComment));
    if (!accepted) {
        ctx.dialogs.ok(fromModelText(accepted.message()));
        txtComment->clear();
        return;
    }
    hideBoxes();
    buildRuleButtons();
}

} // namespace tarnel
