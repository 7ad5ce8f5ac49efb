// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/derivation/BatchReportWindow.h"

#include "frontend/ModelText.h"
#include "session/Session.h"
#include "session/insight/Metrics.h"
#include "session/insight/ReportExport.h"
#include "session/insight/RuleUse.h"
#include "ui/shared/Context.h"
#include "ui/shared/Dialogs.h"
#include "ui/shared/RunGuard.h"
#include "ui/shared/Shared.h"
#include "ui/shared/Tables.h"

#include <QCoreApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
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
                                 QStringLiteral("Blamed Rule")};
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
    return tblItems;
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
            cell(item.blame ? fromModelText(item.blame->rule.value_or(std::string())) : QString())};
        for (int column = 0; column < cells.size(); ++column)
            tblItems->setItem(row, column, cells[column]);
        if (item.blame)
            cells.back()->setToolTip(fromModelText(item.blame->text));
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

// Re-runs the batch once per Diachronic entry; the bar shows how far it got, and Stop (or
// Esc) ends it after the entry being measured.
void BatchReportWindow::btnImpact_Click() {
    stopping = false;
    btnImpact->setEnabled(false);
    btnStopImpact->show();
    prgImpact->show();
    prgImpact->setValue(0);
    guard = std::make_unique<RunGuard>(*btnStopImpact, [this] { stopping = true; });
    ctx.session.measureRuleImpact([this](int measured, int total) {
        prgImpact->setMaximum(total);
        prgImpact->setValue(measured);
        QCoreApplication::processEvents();
        return !stopping;
    });
    guard.reset();
    btnStopImpact->hide();
    btnImpact->setEnabled(true);
    fillRules();
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
