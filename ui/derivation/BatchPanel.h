// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Messages.h"
#include "engine/Batch.h"
#include "session/BatchMessages.h"
#include "session/insight/Report.h"

#include <QElapsedTimer>
#include <QWidget>
#include <memory>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tarnel {

class FilterBox;

class RunGuard;

// The results of a batch run: the Good and Bad lists (`txtGood`, `txtBad`, read-only text
// whose lines can be selected and copied), their count labels `lblGood` and `lblBad`, and
// the progress label `lblPercentDone`. Filled by the engine as the run goes and repainted
// every few hundredths of a second. While a run goes on, the only input let in is Esc or a
// click on `btnStop`, either of which ends the run after the current item. The engine's
// messages are gathered meanwhile, for one summary when the run ends.
//
// When the run is over, its insight is shown beside the lists: the accuracy and the
// distances, what changed since the last run (fixed items green, broken ones red, each
// line's tooltip saying what it was before and, for a Bad item, why it is Bad).
class BatchPanel : public QWidget, public BatchDisplay, public MessageSink {
    Q_OBJECT
public:
    explicit BatchPanel(QWidget* parent = nullptr);
    ~BatchPanel() override;

    // Empties both lists and sets the counts and the progress back to zero.
    void clearResults();

    // Before and after a run over `total` items. `finishRun` returns the summary of the
    // run's messages (Windows-1252; empty when there were none).
    void startRun(int total);
    std::string finishRun();
    // The measures of the run just shown; a stopped run is not compared with the last one.
    void showInsight(const insight::BatchReport& report, bool stopped);

    void showBatchItem(const BatchItem& item) override;
    bool stopRequested() override { return stopping; }
    void showBatchEnd(std::string_view progress) override;
    void showMessage(const std::string& text) override;

    void btnStop_Click();

signals:
    // "Batch Report..." was clicked.
    void reportRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* lblGood = nullptr;
    QLabel* lblBad = nullptr;
    QLabel* lblPercentDone = nullptr;
    QLabel* lblAccuracy = nullptr;
    QLabel* lblSince = nullptr;
    QPlainTextEdit* txtGood = nullptr;
    QPlainTextEdit* txtBad = nullptr;
    FilterBox* goodFilter = nullptr;
    FilterBox* badFilter = nullptr;
    QPushButton* btnStop = nullptr;
    QPushButton* btnReport = nullptr;
    std::unique_ptr<RunGuard> guard; // while a run goes on
    QElapsedTimer sinceRepaint;
    BatchMessages messages;
    int shown = 0;              // items shown in this run
    std::vector<int> goodItems; // the item of each line of txtGood
    std::vector<int> badItems;
    std::vector<QString> tips; // the tooltip of each item, once the run is measured
    std::vector<QString> ipa;  // each item's derived and expected IPA, once measured
    int total = 0;
    bool stopping = false;

    void repaintNow();
    void markLines(QPlainTextEdit* list, const std::vector<int>& items,
                   const insight::BatchReport& report);
};

} // namespace tarnel
