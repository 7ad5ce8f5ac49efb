// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/derivation/BatchReportWindow.h"

#include "frontend/ModelText.h"
#include "session/Session.h"
#include "session/insight/Metrics.h"
#include "session/insight/ReportExport.h"
#include "session/insight/RuleUse.h"
#include "ui/derivation/SuggestionsView.h"
#include "ui/shared/Context.h"
#include "ui/shared/Dialogs.h"
#include "ui/shared/RunGuard.h"
#include "ui/shared/Shared.h"
#include "ui/shared/Tables.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tarnel {

namespace {

const QStringList itemColumns = {QStringLiteral("Etymon"),      QStringLiteral("Reflex"),
                                 QStringLiteral("Expected"),    QStringLiteral("Derived"),
                                 QStringLiteral("Result"),      QStringLiteral("Since Last Run"),
                                 QStringLiteral("Discrepancy"), QStringLiteral("Segment Distance"),
                                 QStringLiteral("Normalised"),  QStringLiteral("Feature Distance"),
                                 QStringLiteral("Blamed Rule"), QStringLiteral("Best Fix")};
const QStringList interactionColumns = {QStringLiteral("Rule"), QStringLiteral("Relation"),
                                        QStringLiteral("Other Rule"), QStringLiteral("Items")};
const QStringList ruleColumns = {QStringLiteral("Order"), QStringLiteral("Place"),
                                 QStringLiteral("Rule"),  QStringLiteral("Changed"),
                                 QStringLiteral("Good"),  QStringLiteral("Bad"),
                                 QStringLiteral("Impact")};

QPushButton* button(const QString& text, const char* name) {
    auto* b = new QPushButton(text);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

} // namespace

BatchReportWindow::BatchReportWindow(Context& context, QWidget* parent)
    : QDialog(parent), ctx(context) {
    setWindowTitle(QStringLiteral("Batch Report"));
    resize(960, 560);
    auto* tabs = new QTabWidget;
    tabs->addTab(buildItemsTab(), QStringLiteral("Items"));
    tabs->addTab(buildRulesTab(), QStringLiteral("Rules"));
    tabs->addTab(buildInteractionsTab(), QStringLiteral("Interactions"));
    tabs->addTab(buildSuggestionsTab(), QStringLiteral("Suggested rules"));
    auto* save = new QHBoxLayout;
    QPushButton* csv = button(QStringLiteral("Save as CSV..."), "btnSaveCsv");
    QPushButton* json = button(QStringLiteral("Save as JSON..."), "btnSaveJson");
    connect(csv, &QPushButton::clicked, this, &BatchReportWindow::btnSaveCsv_Click);
    connect(json, &QPushButton::clicked, this, &BatchReportWindow::btnSaveJson_Click);
    save->addStretch(1);
    save->addWidget(csv);
    save->addWidget(json);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs, 1);
    layout->addLayout(save);
}

BatchReportWindow::~BatchReportWindow() = default;

QWidget* BatchReportWindow::buildItemsTab() {
    tblItems = makeTable("tblItems", itemColumns);
    connect(tblItems, &QTableWidget::cellDoubleClicked, this, [this](int row) {
        emit itemChosen(tblItems->item(row, 0)->data(Qt::UserRole).toInt());
    });
    btnFixes = button(QStringLiteral("Find fixes"), "btnFixes");
    btnFixes->setToolTip(QStringLiteral("For each Bad item, the single edits of the Diachronic "
                                        "Order (a move, a mask, persistence) that make it Good"));
    btnStopFixes = button(QStringLiteral("Stop"), "btnStopFixes");
    btnStopFixes->hide();
    prgFixes = new QProgressBar;
    prgFixes->setObjectName(QStringLiteral("prgFixes"));
    prgFixes->hide();
    connect(btnFixes, &QPushButton::clicked, this, &BatchReportWindow::btnFixes_Click);
    connect(btnStopFixes, &QPushButton::clicked, this, [this] { stopping = true; });
    auto* fixes = new QHBoxLayout;
    fixes->addWidget(btnFixes);
    fixes->addWidget(prgFixes, 1);
    fixes->addWidget(btnStopFixes);
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(tblItems, 1);
    layout->addLayout(fixes);
    return tab;
}

QWidget* BatchReportWindow::buildInteractionsTab() {
    tblInteractions = makeTable("tblInteractions", interactionColumns);
    cboRule = new QComboBox;
    cboRule->setObjectName(QStringLiteral("cboRule"));
    connect(cboRule, &QComboBox::currentIndexChanged, this, [this] { filterInteractions(); });
    auto* filter = new QHBoxLayout;
    filter->addWidget(new QLabel(QStringLiteral("Rule:")));
    filter->addWidget(cboRule, 1);
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    layout->addLayout(filter);
    layout->addWidget(tblInteractions, 1);
    layout->addWidget(new QLabel(QStringLiteral("Found with the fixes (Items: Find fixes): the "
                                                "pairs whose order decides some item's result.")));
    return tab;
}

QWidget* BatchReportWindow::buildSuggestionsTab() {
    suggestions = new SuggestionsView;
    connect(suggestions, &SuggestionsView::addRequested, this,
            &BatchReportWindow::addSuggestedRule);
    btnSuggest = button(QStringLiteral("Suggest rules"), "btnSuggest");
    btnSuggest->setToolTip(QStringLiteral("For the Bad items that lack a change, grouped by the "
                                          "change they need, the best new rules and their places"));
    btnStopSuggest = button(QStringLiteral("Stop"), "btnStopSuggest");
    btnStopSuggest->hide();
    prgSuggest = new QProgressBar;
    prgSuggest->setObjectName(QStringLiteral("prgSuggest"));
    prgSuggest->hide();
    connect(btnSuggest, &QPushButton::clicked, this, &BatchReportWindow::btnSuggest_Click);
    connect(btnStopSuggest, &QPushButton::clicked, this, [this] { stopping = true; });
    auto* search = new QHBoxLayout;
    search->addWidget(btnSuggest);
    search->addWidget(prgSuggest, 1);
    search->addWidget(btnStopSuggest);
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(suggestions, 1);
    layout->addLayout(search);
    return tab;
}

// The interactions found with the fixes, and the rules they name in the filter.
void BatchReportWindow::fillInteractions() {
    const insight::BatchReport& report = ctx.session.lastReport();
    tblInteractions->setSortingEnabled(false);
    const QSignalBlocker blocker(cboRule);
    cboRule->clear();
    cboRule->addItem(QStringLiteral("Every rule"));
    if (!report.orderFixes) {
        tblInteractions->setRowCount(0);
        return;
    }
    const auto& interactions = report.orderFixes->interactions;
    tblInteractions->setRowCount(static_cast<int>(interactions.size()));
    QStringList rules;
    int row = 0;
    for (const insight::Interaction& interaction : interactions) {
        QStringList items;
        for (const int item : interaction.items)
            items.append(fromModelText(report.items[static_cast<std::size_t>(item)].etymon));
        const QString rule = fromModelText(interaction.rule);
        const QString other = fromModelText(interaction.other);
        const QList<QTableWidgetItem*> cells = {
            new PlacedItem(rule, row),
            cell(QString::fromUtf8(insight::relationName(interaction.relation))), cell(other),
            cell(items.join(QStringLiteral(", ")))};
        for (int column = 0; column < cells.size(); ++column)
            tblInteractions->setItem(row, column, cells[column]);
        rules << rule << other;
        ++row;
    }
    rules.removeDuplicates();
    rules.sort();
    cboRule->addItems(rules);
    sortInListOrder(tblInteractions);
    tblInteractions->resizeColumnsToContents();
}

void BatchReportWindow::filterInteractions() {
    const QString rule = cboRule->currentIndex() > 0 ? cboRule->currentText() : QString();
    for (int row = 0; row < tblInteractions->rowCount(); ++row)
        tblInteractions->setRowHidden(row, !rule.isEmpty() &&
                                               tblInteractions->item(row, 0)->text() != rule &&
                                               tblInteractions->item(row, 2)->text() != rule);
}

QWidget* BatchReportWindow::buildRulesTab() {
    tblRules = makeTable("tblRules", ruleColumns);
    lblNothing = new QLabel;
    lblNothing->setObjectName(QStringLiteral("lblNothing"));
    lblNothing->setWordWrap(true);
    btnImpact = button(QStringLiteral("Measure rule impact"), "btnImpact");
    btnImpact->setToolTip(QStringLiteral("For each Diachronic entry, how many more (or fewer) "
                                         "items would be Good if it alone were masked"));
    btnStopImpact = button(QStringLiteral("Stop"), "btnStopImpact");
    btnStopImpact->hide();
    prgImpact = new QProgressBar;
    prgImpact->setObjectName(QStringLiteral("prgImpact"));
    prgImpact->hide();
    connect(btnImpact, &QPushButton::clicked, this, &BatchReportWindow::btnImpact_Click);
    connect(btnStopImpact, &QPushButton::clicked, this, [this] { stopping = true; });
    auto* impact = new QHBoxLayout;
    impact->addWidget(btnImpact);
    impact->addWidget(prgImpact, 1);
    impact->addWidget(btnStopImpact);
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(tblRules, 1);
    layout->addWidget(lblNothing);
    layout->addLayout(impact);
    return tab;
}

void BatchReportWindow::showReport() {
    ctx.session.reportWithRules();
    fillItems();
    fillRules();
    fillInteractions();
    suggestions->fill(ctx.session.lastReport());
    show();
    raise();
}

void BatchReportWindow::fillItems() {
    tblItems->setSortingEnabled(false);
    const insight::BatchReport& report = ctx.session.lastReport();
    tblItems->setRowCount(static_cast<int>(report.items.size()));
    int row = 0;
    for (const insight::ItemRow& item : report.items) {
        const QString since =
            item.since ? QString::fromUtf8(insight::changeName(item.since->change)) : QString();
        QTableWidgetItem* etymon = new PlacedItem(fromModelText(item.etymon), item.index);
        etymon->setData(Qt::UserRole, item.index);
        const QList<QTableWidgetItem*> cells = {
            etymon,
            cell(fromModelText(item.reflex)),
            ipaCell(item.expectedIpa),
            ipaCell(item.derivedIpa),
            cell(item.good ? QStringLiteral("Good") : QStringLiteral("Bad")),
            cell(since),
            cell(fromModelText(item.discrepancy)),
            cell(item.distances.segments),
            new NumberItem(item.distances.normalised),
            new NumberItem(item.distances.features),
            cell(item.blame ? fromModelText(item.blame->rule.value_or(std::string())) : QString()),
            cell(QString())};
        for (int column = 0; column < cells.size(); ++column)
            tblItems->setItem(row, column, cells[column]);
        if (item.blame)
            cells[10]->setToolTip(fromModelText(item.blame->text));
        QStringList fixes;
        for (const int fix : item.fixes)
            fixes.append(fromModelText(
                insight::fixText(report.orderFixes->fixes[static_cast<std::size_t>(fix)])));
        if (!fixes.isEmpty()) {
            cells.back()->setText(fixes.front());
            cells.back()->setToolTip(fixes.join(u'\n'));
        }
        if (item.since)
            cells[5]->setToolTip(fromModelText(item.since->before));
        ++row;
    }
    sortInListOrder(tblItems);
    tblItems->resizeColumnsToContents();
}

void BatchReportWindow::fillRules() {
    const insight::RulesTable& rules = *ctx.session.lastReport().rules;
    tblRules->setSortingEnabled(false);
    tblRules->setRowCount(static_cast<int>(rules.rows.size()));
    int row = 0;
    for (const insight::RuleRow& rule : rules.rows) {
        QString name = fromModelText(rule.entry.name);
        if (rule.entry.masked)
            name += QStringLiteral(" (masked)");
        const QList<QTableWidgetItem*> cells = {
            new PlacedItem(QString::fromUtf8(insight::orderName(rule.entry.order)), row),
            cell(rule.entry.position + 1),
            cell(name),
            cell(rule.changed),
            cell(rule.good),
            cell(rule.bad),
            rule.impact ? cell(*rule.impact) : cell(QString())};
        for (int column = 0; column < cells.size(); ++column)
            tblRules->setItem(row, column, cells[column]);
        ++row;
    }
    sortInListOrder(tblRules);
    tblRules->resizeColumnsToContents();
    QStringList nothing;
    for (const std::string& name : rules.changedNothing)
        nothing.append(fromModelText(name));
    lblNothing->setText(nothing.isEmpty()
                            ? QStringLiteral("Every entry changed some item of this Vocabulary.")
                            : QStringLiteral("Changed nothing in this Vocabulary: ") +
                                  nothing.join(QStringLiteral(", ")));
}

void BatchReportWindow::runStoppable(
    QPushButton* start, QPushButton* stop, QProgressBar* bar,
    const std::function<void(const insight::ImpactProgress&)>& search) {
    stopping = false;
    start->setEnabled(false);
    stop->show();
    bar->show();
    bar->setValue(0);
    guard = std::make_unique<RunGuard>(*stop, [this] { stopping = true; });
    search([this, bar](int done, int total) {
        bar->setMaximum(total);
        bar->setValue(done);
        QCoreApplication::processEvents();
        return !stopping;
    });
    guard.reset();
    stop->hide();
    start->setEnabled(true);
}

// Re-runs the batch once per Diachronic entry; the bar shows how far it got, and Stop (or
// Esc) ends it after the entry being measured.
void BatchReportWindow::btnImpact_Click() {
    runStoppable(btnImpact, btnStopImpact, prgImpact,
                 [this](const auto& progress) { ctx.session.measureRuleImpact(progress); });
    fillRules();
}

// Tries every single edit of the Diachronic Order, entry by entry as the bar shows.
void BatchReportWindow::btnFixes_Click() {
    runStoppable(btnFixes, btnStopFixes, prgFixes,
                 [this](const auto& progress) { ctx.session.findOrderFixes(progress); });
    fillItems();
    fillInteractions();
    emit fixesFound();
}

// Tries rules for each group of items on the whole run, rule by rule as the bar shows; the
// suggestions cannot be added while the search runs.
void BatchReportWindow::btnSuggest_Click() {
    suggestions->setEnabled(false);
    runStoppable(btnSuggest, btnStopSuggest, prgSuggest,
                 [this](const auto& progress) { ctx.session.suggestRules(progress); });
    suggestions->setEnabled(true);
    suggestions->fill(ctx.session.lastReport());
}

void BatchReportWindow::addSuggestedRule(int group, int index) {
    if (ctx.session.addSuggestedRule(static_cast<std::size_t>(group),
                                     static_cast<std::size_t>(index)))
        emit ruleAdded();
}

void BatchReportWindow::btnSaveCsv_Click() {
    saveAs(QStringLiteral("Save the Items table as CSV"), QStringLiteral("CSV files (*.csv)"),
           QStringLiteral("-items.csv"), Session::ReportFormat::Csv);
}

void BatchReportWindow::btnSaveJson_Click() {
    saveAs(QStringLiteral("Save the report as JSON"), QStringLiteral("JSON files (*.json)"),
           QStringLiteral("-report.json"), Session::ReportFormat::Json);
}

// The file offered is named after the model, then `ending`.
void BatchReportWindow::saveAs(const QString& caption, const QString& filter, const QString& ending,
                               Session::ReportFormat format) {
    const QString path = ctx.dialogs.saveFileName(
        caption, filter, fromModelText(ctx.session.model().modelName) + ending);
    if (!path.isEmpty())
        succeeded(ctx, ctx.session.writeReport(localPath(path), format));
}

} // namespace tarnel
