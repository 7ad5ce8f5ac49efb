// SPDX-License-Identifier: GPL-3.0-or-later
// The rule editor's preview: the items storing the rule would change, and the items it would
// fix and break, from the last batch run.
#include "frontend/ModelText.h"
#include "session/RuleTextReader.h"
#include "session/Session.h"
#include "ui/rules/RuleTextView.h"
#include "ui/rules/RuleWordsPanel.h"
#include "ui/rules/frmEd1Rule.h"
#include "ui/shared/Context.h"

#include <QTabWidget>
#include <QTimer>

namespace tarnel {

void frmEd1Rule::schedulePreview() {
    previewTimer->start();
}

// In the Text tab the rule as typed is previewed, once it reads as one rule without problems.
void frmEd1Rule::showPreview() {
    if (!isVisible())
        return;
    std::optional<std::vector<std::string>> typed;
    if (textShowing()) {
        const std::optional<std::string> text = txtView->modelText();
        const std::vector<TextRule> rules = text ? readRulesText(*text) : std::vector<TextRule>{};
        if (rules.size() != 1 || !editor().checkText(*text).empty()) {
            previewPanel->showNote(QStringLiteral(
                "The preview waits for the text to hold one rule without problems."));
            return;
        }
        typed = rules.front().lines;
    }
    const insight::RulePreview preview = ctx.session.previewRuleEdit(typed, composeNfc);
    if (!preview.note.empty()) {
        previewPanel->showNote(fromModelText(preview.note));
        return;
    }
    const auto count = static_cast<qsizetype>(preview.words.size());
    previewPanel->showWords(
        QStringLiteral("Stored as it stands, this rule would change %1 %2; in the batch, %3 "
                       "would be fixed and %4 broken.")
            .arg(count)
            .arg(count == 1 ? QStringLiteral("item") : QStringLiteral("items"))
            .arg(preview.fixed)
            .arg(preview.broken),
        preview.words);
}

} // namespace tarnel
