#pragma once

#include "core/Messages.h"
#include "engine/Batch.h"
#include "engine/BatchMessages.h"

#include <QElapsedTimer>
#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tarnel {

// The results of a batch run: the Good and Bad lists (`txtGood`, `txtBad`, read-only text
// whose lines can be selected and copied), their count labels `lblGood` and `lblBad`, and
// the progress label `lblPercentDone`. Filled by the engine as the run goes and repainted
// every few hundredths of a second. While a run goes on, the only input let in is Esc or a
// click on `btnStop`, either of which ends the run after the current item. The engine's
// messages are gathered meanwhile, for one summary when the run ends.
class BatchPanel : public QWidget, public BatchDisplay, public MessageSink {
    Q_OBJECT
public:
    explicit BatchPanel(QWidget* parent = nullptr);

    // Empties both lists and sets the counts and the progress back to zero.
    void clearResults();

    // Before and after a run over `total` items. `finishRun` returns the summary of the
    // run's messages (Windows-1252; empty when there were none).
    void startRun(int total);
    std::string finishRun();

    // The navigation asks about a large Vocabulary before it shows this screen.
    bool confirmLargeRun(std::string_view) override { return true; }
    void showBatchItem(const BatchItem& item) override;
    bool stopRequested() override { return stopping; }
    void showBatchEnd(std::string_view progress) override;
    void showMessage(const std::string& text) override;

    void btnStop_Click();

private:
    QLabel* lblGood = nullptr;
    QLabel* lblBad = nullptr;
    QLabel* lblPercentDone = nullptr;
    QPlainTextEdit* txtGood = nullptr;
    QPlainTextEdit* txtBad = nullptr;
    QPushButton* btnStop = nullptr;
    QObject* inputGuard = nullptr;
    QElapsedTimer sinceRepaint;
    BatchMessages messages;
    int total = 0;
    int compared = 0;
    bool stopping = false;

    void repaintNow();
    friend class BatchInputGuard;
};

} // namespace tarnel
