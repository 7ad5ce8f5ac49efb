// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shared/ScriptedDialogs.h"

namespace tarnel {

Answer ScriptedDialogs::take(const QString& text, Answer fallback) {
    texts.append(text);
    if (answers.empty()) {
        ++unscripted;
        return fallback;
    }
    const Answer next = answers.front();
    answers.pop_front();
    return next;
}

void ScriptedDialogs::ok(const QString& text) {
    texts.append(text);
}

Answer ScriptedDialogs::okCancel(const QString& text) {
    return take(text, Answer::Cancel);
}

Answer ScriptedDialogs::yesNo(const QString& text) {
    return take(text, Answer::No);
}

Answer ScriptedDialogs::yesNoCancel(const QString& text) {
    return take(text, Answer::Cancel);
}

int ScriptedDialogs::choose(const QString& text, const QString& details,
                            const QStringList& buttons) {
    texts.append(text);
    lastDetails = details;
    lastButtons = buttons;
    if (choices.empty()) {
        ++unscripted;
        return static_cast<int>(buttons.size()) - 1;
    }
    const int next = choices.front();
    choices.pop_front();
    return next;
}

QString ScriptedDialogs::takeFile(const QString& caption) {
    texts.append(caption);
    if (files.empty()) {
        ++unscripted;
        return {};
    }
    const QString next = files.front();
    files.pop_front();
    return next;
}

QString ScriptedDialogs::saveFileName(const QString& caption, const QString&,
                                      const QString& suggested) {
    lastSuggested = suggested;
    return takeFile(caption);
}

QString ScriptedDialogs::openFileName(const QString& caption, const QString&) {
    return takeFile(caption);
}

} // namespace tarnel
