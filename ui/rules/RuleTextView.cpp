// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/rules/RuleTextView.h"

#include "frontend/ModelText.h"
#include "ui/shared/Dialogs.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStringListModel>
#include <QTextBlock>
#include <QVBoxLayout>

namespace tarnel {

namespace {

constexpr int shortestPrefix = 2; // letters typed before completions are offered

// The text box: while the completions show, the keys that choose one go to them.
class RuleTextBox : public QPlainTextEdit {
public:
    explicit RuleTextBox(QCompleter* completer) : completer_(completer) {
        completer_->setWidget(this);
        connect(completer_, qOverload<const QString&>(&QCompleter::activated), this,
                &RuleTextBox::insertCompletion);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const int key = event->key();
        if (completer_->popup()->isVisible() &&
            (key == Qt::Key_Enter || key == Qt::Key_Return || key == Qt::Key_Escape ||
             key == Qt::Key_Tab || key == Qt::Key_Backtab)) {
            event->ignore(); // the completer takes them
            return;
        }
        QPlainTextEdit::keyPressEvent(event);
        offerCompletions(event);
    }

private:
    QCompleter* completer_;

    // The letters just before the cursor.
    QString wordBeforeCursor() const {
        const QTextCursor cursor = textCursor();
        const QString line = cursor.block().text();
        int start = cursor.positionInBlock();
        while (start > 0 && line[start - 1].isLetter())
            --start;
        return line.mid(start, cursor.positionInBlock() - start);
    }

    void offerCompletions(const QKeyEvent* event) {
        QAbstractItemView* popup = completer_->popup();
        const QString prefix = wordBeforeCursor();
        if (event->text().isEmpty() || !event->text().back().isLetter() ||
            prefix.size() < shortestPrefix) {
            popup->hide();
            return;
        }
        completer_->setCompletionPrefix(prefix);
        if (completer_->completionCount() == 0 ||
            (completer_->completionCount() == 1 && completer_->currentCompletion() == prefix)) {
            popup->hide();
            return;
        }
        popup->setCurrentIndex(completer_->completionModel()->index(0, 0));
        QRect place = cursorRect();
        place.setWidth(popup->sizeHintForColumn(0) +
                       popup->verticalScrollBar()->sizeHint().width());
        completer_->complete(place);
    }

    // The word before the cursor becomes the word chosen, in the case it is written in.
    void insertCompletion(const QString& word) {
        QTextCursor cursor = textCursor();
        cursor.movePosition(QTextCursor::Left, QTextCursor::KeepAnchor,
                            static_cast<int>(wordBeforeCursor().size()));
        cursor.insertText(word);
        setTextCursor(cursor);
    }
};

QStringList completionWords() {
    QStringList words;
    for (const std::string_view word : ruleWords())
        words.append(QString::fromLatin1(word.data(), static_cast<qsizetype>(word.size())));
    return words;
}

} // namespace

RuleTextView::RuleTextView(Check check, QWidget* parent)
    : QWidget(parent), check_(std::move(check)) {
    wordCompleter = new QCompleter(new QStringListModel(completionWords(), this), this);
    wordCompleter->setObjectName(QStringLiteral("wordCompleter"));
    wordCompleter->setCaseSensitivity(Qt::CaseInsensitive);
    wordCompleter->setCompletionMode(QCompleter::PopupCompletion);
    txtRule = new RuleTextBox(wordCompleter);
    txtRule->setObjectName(QStringLiteral("txtRule"));
    txtRule->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    txtRule->setLineWrapMode(QPlainTextEdit::NoWrap);
    lblProblems = new QLabel;
    lblProblems->setObjectName(QStringLiteral("lblProblems"));
    lstProblems = new QListWidget;
    lstProblems->setObjectName(QStringLiteral("lstProblems"));
    lstProblems->setMaximumHeight(120);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtRule, 1);
    layout->addWidget(lblProblems);
    layout->addWidget(lstProblems);
    connect(txtRule, &QPlainTextEdit::textChanged, this, &RuleTextView::recheck);
    connect(lstProblems, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { goToProblem(lstProblems->row(item)); });
    recheck();
}

void RuleTextView::setText(const QString& text) {
    txtRule->setPlainText(text);
}

QString RuleTextView::text() const {
    return txtRule->toPlainText();
}

std::optional<std::string> RuleTextView::modelText() const {
    return toModelLines(text());
}

QString RuleTextView::unstorableText() const {
    const std::optional<QString> character = firstUnstorable(text());
    return character ? unstorableMessage(*character) : QString();
}

int RuleTextView::problemCount() const {
    return lstProblems->count();
}

// A character that no model file can hold is the one problem shown until it is gone.
void RuleTextView::recheck() {
    QList<Problem> problems;
    if (const std::optional<std::string> text = modelText()) {
        for (const RuleProblem& problem : check_(*text))
            problems.append(
                {problem.line, problem.column, problem.length, fromModelText(problem.text)});
    } else {
        const QString all = this->text();
        const QString character = *firstUnstorable(all);
        const qsizetype at = all.indexOf(character);
        const int line = static_cast<int>(all.left(at).count(QLatin1Char('\n')));
        const int column = static_cast<int>(at - all.lastIndexOf(QLatin1Char('\n'), at) - 1);
        problems.append({line, column, static_cast<int>(character.size()),
                         QStringLiteral("Text line %1, column %2: ").arg(line + 1).arg(column + 1) +
                             unstorableMessage(character)});
    }
    showProblems(problems);
}

// Each problem underlined where it lies (a problem of a whole line marks the line) and listed.
void RuleTextView::showProblems(const QList<Problem>& problems) {
    QList<QTextEdit::ExtraSelection> marks;
    lstProblems->clear();
    for (const Problem& problem : problems) {
        auto* item = new QListWidgetItem(problem.text, lstProblems);
        item->setData(Qt::UserRole, problem.line);
        item->setData(Qt::UserRole + 1, problem.column);
        const QTextBlock block = txtRule->document()->findBlockByNumber(problem.line);
        if (!block.isValid())
            continue;
        const int lineEnd = block.position() + block.length() - 1;
        QTextEdit::ExtraSelection mark;
        mark.cursor = QTextCursor(block);
        mark.cursor.setPosition(std::min(block.position() + problem.column, lineEnd));
        if (problem.length > 0) {
            mark.cursor.setPosition(std::min(mark.cursor.position() + problem.length, lineEnd),
                                    QTextCursor::KeepAnchor);
            mark.format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
            mark.format.setUnderlineColor(Qt::red);
        } else {
            mark.format.setBackground(QColor(0xff, 0xe0, 0xe0));
            mark.format.setProperty(QTextFormat::FullWidthSelection, true);
        }
        marks.append(mark);
    }
    txtRule->setExtraSelections(marks);
    lblProblems->setText(problems.isEmpty() ? QStringLiteral("No problems.")
                                            : QStringLiteral("Problems: %1").arg(problems.size()));
}

void RuleTextView::goToProblem(int row) {
    const QListWidgetItem* item = lstProblems->item(row);
    if (item == nullptr)
        return;
    const QTextBlock block =
        txtRule->document()->findBlockByNumber(item->data(Qt::UserRole).toInt());
    if (!block.isValid())
        return;
    QTextCursor cursor(block);
    cursor.setPosition(block.position() +
                       std::min(item->data(Qt::UserRole + 1).toInt(), block.length() - 1));
    txtRule->setTextCursor(cursor);
    txtRule->setFocus();
}

void showProblems(Dialogs& dialogs, std::string_view headline,
                  const std::vector<RuleProblem>& problems) {
    QStringList texts;
    for (const RuleProblem& problem : problems)
        texts.append(fromModelText(problem.text));
    dialogs.choose(fromModelText(headline), texts.join(QStringLiteral("\r\n")),
                   {QStringLiteral("OK")});
}

} // namespace tarnel
