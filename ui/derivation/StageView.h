// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/OutputAlphabet.h"
#include "engine/StageDisplay.h"
#include "session/DerivationView.h"

#include <QWidget>

class QGridLayout;
class QLabel;

namespace tarnel {

// The stage lines of a derivation, one row per stage: the rule-name label `lblRulNam` and
// one output cell `lblOutput` per segment, coloured black, blue or red as the decoder says.
// Columns line up, so a segment can be followed down the stages. The engine adds rows
// through showStage.
class StageView : public QWidget, public StageDisplay {
    Q_OBJECT
public:
    explicit StageView(QWidget* parent = nullptr);

    void showStage(int kind, const std::string& label, const Word& word) override;
    // One more row, "Expected", under the stages: the expected reflex of a Vocabulary item,
    // with the segments that differ from the last derived word marked.
    void showExpected(const Word& expected);

    // Removes every stage line.
    void clearStages();
    int stageCount() const { return rows; }

    // Makes the rule-name column wide enough for every one of `labels` (Windows-1252).
    void setRuleNameLabels(const std::vector<std::string>& labels);

signals:
    // The pointer rests on a cell with differing features: `text` is the pop-up text, `at`
    // the pointer in this widget's coordinates.
    void cellHovered(const QString& text, QPoint at);
    // The pointer is over the background or a cell without differing features.
    void backgroundHovered();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QWidget* grid = nullptr;
    QGridLayout* layout = nullptr;
    int rows = 0;
    int ruleNameWidth = 0;

    Word lastWord; // the word of the last stage shown

    void rebuildGrid();
    void addRow(const StageLine& line, const std::vector<bool>& differs);
    QLabel* makeCell(const DecodedSymbol& symbol);
};

} // namespace tarnel
