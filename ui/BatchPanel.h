#pragma once

#include "engine/Batch.h"

#include <QElapsedTimer>
#include <QWidget>

class QLabel;
class QPlainTextEdit;

namespace tarnel {

// The results of a batch run: the Good and Bad lists (`txtGood`, `txtBad`, read-only text
// whose lines can be selected and copied), their count labels `lblGood` and `lblBad`, and
// the progress label `lblPercentDone`. Filled by the engine as the run goes and repainted
// every few hundredths of a second, without letting any user event in.
class BatchPanel : public QWidget, public BatchDisplay {
    Q_OBJECT
public:
    explicit BatchPanel(QWidget* parent = nullptr);

    // Empties both lists and sets the counts and the progress back to zero.
    void clearResults();

    // The navigation asks about a large Vocabulary before it shows this screen.
    bool confirmLargeRun(std::string_view) override { return true; }
    void showBatchItem(const BatchItem& item) override;
    void showBatchEnd(std::string_view progress) override;

private:
    QLabel* lblGood = nullptr;
    QLabel* lblBad = nullptr;
    QLabel* lblPercentDone = nullptr;
    QPlainTextEdit* txtGood = nullptr;
    QPlainTextEdit* txtBad = nullptr;
    QElapsedTimer sinceRepaint;

    void repaintNow();
};

} // namespace tarnel
