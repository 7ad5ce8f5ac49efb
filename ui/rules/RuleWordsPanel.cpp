// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/rules/RuleWordsPanel.h"

#include "frontend/ModelText.h"
#include "session/Session.h"
#include "ui/shared/Tables.h"

#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace tarnel {

namespace {

const QStringList columns = {QStringLiteral("Etymon"), QStringLiteral("Reflex"),
                             QStringLiteral("Before"), QStringLiteral("After"),
                             QStringLiteral("Result")};

QString countText(const std::vector<insight::RuleWord>& words, const std::string& name) {
    const auto good = std::count_if(words.begin(), words.end(),
                                    [](const insight::RuleWord& word) { return word.good; });
    const auto total = static_cast<qsizetype>(words.size());
    return QStringLiteral("%1 changed %2 %3 in the last batch run: %4 Good, %5 Bad.")
        .arg(fromModelText(name))
        .arg(total)
        .arg(total == 1 ? QStringLiteral("item") : QStringLiteral("items"))
        .arg(good)
        .arg(total - good);
}

} // namespace

RuleWordsPanel::RuleWordsPanel(QWidget* parent) : QWidget(parent) {
    lblRuleWords = new QLabel;
    lblRuleWords->setObjectName(QStringLiteral("lblRuleWords"));
    lblRuleWords->setWordWrap(true);
    tblRuleWords = makeTable("tblRuleWords", columns);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(lblRuleWords);
    layout->addWidget(tblRuleWords, 1);
}

void RuleWordsPanel::showEntry(const Session& session, OrderList order,
                               std::optional<std::size_t> row) {
    const std::vector<std::string>& names = orderEntries(session.model(), order);
    if (!row || *row >= names.size()) {
        showNote(QStringLiteral(
            "Choose an order entry to see the Vocabulary items it changed in the last batch run."));
        return;
    }
    if (session.lastBatch().items.empty()) {
        showNote(QStringLiteral("Run the batch to see the Vocabulary items each entry changes."));
        return;
    }
    if (!session.rulesOfLastBatch()) {
        showNote(QStringLiteral("The model has changed since the last batch run: run it again to "
                                "see what this entry changes."));
        return;
    }
    const std::vector<insight::RuleWord> words = session.ruleWords(order, *row, composeNfc);
    showWords(countText(words, names[*row]), words);
}

void RuleWordsPanel::showNote(const QString& note) {
    tblRuleWords->setSortingEnabled(false);
    tblRuleWords->setRowCount(0);
    lblRuleWords->setText(note);
}

void RuleWordsPanel::showWords(const QString& caption,
                               const std::vector<insight::RuleWord>& words) {
    showNote(caption);
    tblRuleWords->setRowCount(static_cast<int>(words.size()));
    for (int r = 0; r < static_cast<int>(words.size()); ++r) {
        const insight::RuleWord& word = words[static_cast<std::size_t>(r)];
        const QList<QTableWidgetItem*> cells = {
            new PlacedItem(fromModelText(word.etymon), word.index),
            cell(fromModelText(word.reflex)), ipaCell(word.before), ipaCell(word.after),
            cell(word.good ? QStringLiteral("Good") : QStringLiteral("Bad"))};
        for (int column = 0; column < cells.size(); ++column)
            tblRuleWords->setItem(r, column, cells[column]);
    }
    sortInListOrder(tblRuleWords);
    tblRuleWords->resizeColumnsToContents();
}

} // namespace tarnel
