// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/RuleOrders.h"
#include "session/insight/RuleWords.h"

#include <QWidget>
#include <optional>

class QLabel;
class QTableWidget;

namespace tarnel {

class Session;

// Below the orders: the Vocabulary items the chosen order entry changed in the last batch
// run, with the word just before and after its change (IPA) and how each item ended;
// sortable by any column, with a count.
class RuleWordsPanel : public QWidget {
    Q_OBJECT
public:
    explicit RuleWordsPanel(QWidget* parent = nullptr);

    // Shows the items of entry `row` of `order`; a line saying why there are none to show when
    // no entry is chosen, no batch has run or the orders changed since.
    void showEntry(const Session& session, OrderList order, std::optional<std::size_t> row);
    // `caption` above `words`; a note alone when there are none to show.
    void showWords(const QString& caption, const std::vector<insight::RuleWord>& words);
    void showNote(const QString& note);

private:
    QLabel* lblRuleWords = nullptr;
    QTableWidget* tblRuleWords = nullptr;
};

} // namespace tarnel
