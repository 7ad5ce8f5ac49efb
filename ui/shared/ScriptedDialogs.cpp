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

} // namespace tarnel
