// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/RuleCheck.h"

#include <QList>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QCompleter;
class QLabel;
class QListWidget;
class QPlainTextEdit;

namespace tarnel {

class Dialogs;

// Rules as the model file writes them, typed or pasted into a text box: the names of features
// and the key words are completed as they are typed, and the text is checked at every change,
// each problem marked where it lies and listed under the box (a click on it goes there).
class RuleTextView : public QWidget {
    Q_OBJECT
public:
    // The problems of a text (Windows-1252, lines joined by CR LF).
    using Check = std::function<std::vector<RuleProblem>(const std::string&)>;
    explicit RuleTextView(Check check, QWidget* parent = nullptr);

    // Shows `text` afresh, with nothing to undo.
    void setText(const QString& text);
    QString text() const;
    // The text as model text, lines joined by CR LF; none while it holds a character that
    // Windows-1252 cannot hold.
    std::optional<std::string> modelText() const;
    // Why modelText has none.
    QString unstorableText() const;

    QPlainTextEdit* textBox() const { return txtRule; }
    QListWidget* problemList() const { return lstProblems; }
    QCompleter* completer() const { return wordCompleter; }
    int problemCount() const;

    // The cursor to where problem `row` of the list lies.
    void goToProblem(int row);

private:
    // A problem as the list shows it: where it lies in the text, and what it is.
    struct Problem {
        int line;
        int column;
        int length;
        QString text;
    };
    void recheck();
    void showProblems(const QList<Problem>& problems);

    Check check_;
    QPlainTextEdit* txtRule = nullptr;
    QLabel* lblProblems = nullptr;
    QListWidget* lstProblems = nullptr;
    QCompleter* wordCompleter = nullptr;
};

// A refusal that lists problems: `headline` over the list, which the user can read through,
// copy and save.
void showProblems(Dialogs& dialogs, std::string_view headline,
                  const std::vector<RuleProblem>& problems);

} // namespace tarnel
