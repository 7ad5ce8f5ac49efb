// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/shared/Dialogs.h"

#include <QStringList>
#include <deque>

namespace tarnel {

// Dialogs for tests: answers are queued beforehand, every text shown is recorded. A question
// asked with no answer queued is answered with its last button (Cancel or No) and counted in
// `unscripted`, so a test can assert that nothing unexpected was asked.
class ScriptedDialogs : public Dialogs {
public:
    void ok(const QString& text) override;
    Answer okCancel(const QString& text) override;
    Answer yesNo(const QString& text) override;
    Answer yesNoCancel(const QString& text) override;
    // The next choice queued; the last button when none is. The buttons and the list shown
    // are kept.
    int choose(const QString& text, const QString& details, const QStringList& buttons) override;
    // The next file name queued, or empty (cancelled) when none is; the name offered is kept.
    QString saveFileName(const QString& caption, const QString& filter,
                         const QString& suggested) override;
    QString openFileName(const QString& caption, const QString& filter) override;

    void answer(Answer next) { answers.push_back(next); }
    void choice(int next) { choices.push_back(next); }
    void chooseFile(const QString& path) { files.push_back(path); }
    // The last text shown, or an empty string.
    QString last() const { return texts.isEmpty() ? QString() : texts.last(); }

    std::deque<Answer> answers;
    std::deque<QString> files;
    std::deque<int> choices;
    QStringList texts;
    QStringList lastButtons;
    QString lastDetails;
    QString lastSuggested;
    int unscripted = 0;

private:
    Answer take(const QString& text, Answer fallback);
    QString takeFile(const QString& caption);
};

} // namespace tarnel
