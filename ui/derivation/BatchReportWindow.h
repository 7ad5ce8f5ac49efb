// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/Session.h"

#include <QDialog>
#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace tarnel {

struct Context;
class RunGuard;

// The "Batch Report" window of the batch screen: an Items table (every item with its IPA,
// result, change since the last run, discrepancy, distances and blamed rule) and a Rules
// table (what each order entry did, and on request what masking it would do), both
// sortable, and the report's export as CSV or JSON. Double-clicking an item asks for its
// derivation.
class BatchReportWindow : public QDialog {
    Q_OBJECT
public:
    BatchReportWindow(Context& context, QWidget* parent);
    ~BatchReportWindow() override;

    // Shows the session's last report, with its Rules table, and brings the window up.
    void showReport();

    void btnImpact_Click();
    void btnSaveCsv_Click();
    void btnSaveJson_Click();

signals:
    // Item `index` of the last batch was double-clicked: its derivation with its expected
    // reflex.
    void itemChosen(int index);

private:
    Context& ctx;
    QTableWidget* tblItems = nullptr;
    QTableWidget* tblRules = nullptr;
    QLabel* lblNothing = nullptr;
    QPushButton* btnImpact = nullptr;
    QPushButton* btnStopImpact = nullptr;
    QProgressBar* prgImpact = nullptr;
    std::unique_ptr<RunGuard> guard;
    bool stopping = false;

    QWidget* buildItemsTab();
    QWidget* buildRulesTab();
    void fillItems();
    void fillRules();
    void saveAs(const QString& caption, const QString& filter, const QString& ending,
                Session::ReportFormat format);
};

} // namespace tarnel
