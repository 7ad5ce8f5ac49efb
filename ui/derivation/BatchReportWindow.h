// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/Session.h"

#include <QDialog>
#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace tarnel {

struct Context;
class SuggestionsView;
class RunGuard;

// The "Batch Report" window of the batch screen: an Items table (every item with its IPA,
// result, change since the last run, discrepancy, distances, blamed rule and, on request, the
// best edit of the order that makes a Bad item Good) and a Rules
// table (what each order entry did, and on request what masking it would do), an
// Interactions table (found with the fixes, filtered by rule), all sortable, the rules
// suggested for the Bad items that lack a change, and the report's
// export as CSV or JSON. Double-clicking an item asks for its derivation.
class BatchReportWindow : public QDialog {
    Q_OBJECT
public:
    BatchReportWindow(Context& context, QWidget* parent);
    ~BatchReportWindow() override;

    // Shows the session's last report, with its Rules table, and brings the window up.
    void showReport();

    void btnImpact_Click();
    void btnFixes_Click();
    void btnSuggest_Click();
    // Adds rule `index` of suggestion group `group` to the model, after which the batch is
    // run again.
    void addSuggestedRule(int group, int index);
    void btnSaveCsv_Click();
    void btnSaveJson_Click();

signals:
    // Item `index` of the last batch was double-clicked: its derivation with its expected
    // reflex.
    void itemChosen(int index);
    // The edits that fix each Bad item were found and added to the last report.
    void fixesFound();
    // A suggested rule was added to the model: the batch is to run again.
    void ruleAdded();

private:
    Context& ctx;
    QTableWidget* tblItems = nullptr;
    QTableWidget* tblRules = nullptr;
    QTableWidget* tblInteractions = nullptr;
    QComboBox* cboRule = nullptr;
    QLabel* lblNothing = nullptr;
    QPushButton* btnImpact = nullptr;
    QPushButton* btnStopImpact = nullptr;
    QProgressBar* prgImpact = nullptr;
    QPushButton* btnFixes = nullptr;
    QPushButton* btnStopFixes = nullptr;
    QProgressBar* prgFixes = nullptr;
    QPushButton* btnSuggest = nullptr;
    QPushButton* btnStopSuggest = nullptr;
    QProgressBar* prgSuggest = nullptr;
    SuggestionsView* suggestions = nullptr;
    std::unique_ptr<RunGuard> guard;
    bool stopping = false;

    // Runs `search` with the bar and the Stop button of one tab shown, Stop (or Esc) ending it.
    void runStoppable(QPushButton* start, QPushButton* stop, QProgressBar* bar,
                      const std::function<void(const insight::ImpactProgress&)>& search);

    QWidget* buildItemsTab();
    QWidget* buildRulesTab();
    QWidget* buildInteractionsTab();
    QWidget* buildSuggestionsTab();
    void fillInteractions();
    void filterInteractions();
    void fillItems();
    void fillRules();
    void saveAs(const QString& caption, const QString& filter, const QString& ending,
                Session::ReportFormat format);
};

} // namespace tarnel
