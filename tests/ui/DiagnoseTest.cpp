// SPDX-License-Identifier: GPL-3.0-or-later
// What the screens show of the edits that would fix Bad items: the report's Best Fix column
// and the chart of the places a Diachronic entry could go, whose bars move it there.
#include "Harness.h"
#include "Tests.h"
#include "support/ModelBuilder.h"
#include "ui/derivation/BatchReportWindow.h"
#include "ui/derivation/frmDerive.h"
#include "ui/rules/frmOrder.h"

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

namespace tarnel {

namespace {

// FrontA makes a of a before a voiced coronal, which Voicing makes of t: FrontA must come
// second, and "ata > eda" is Bad while it comes first.
Model misorderedModel() {
    return test::ModelBuilder()
        .rule("FrontA", {"+low (*) +voice (*+1) +cor (*+1)"}, {"INSERT e (*)"})
        .rule("Voicing", {"+cor (*) -cont (*)"}, {"+voice (*)"})
        .diachronic({"FrontA", "Voicing"})
        .vocabulary({"ada  eda", "ata  eda"});
}

} // namespace

class DiagnoseTest : public QObject {
    Q_OBJECT
private slots:
    void theReportNamesTheBestFixOfABadItem() {
        Harness h;
        h.load(misorderedModel());
        h.program.runBatch();
        frmDerive& derive = *h.program.screens().derive;
        QTest::mouseClick(h.find<QPushButton>(derive, "btnReport"), Qt::LeftButton);
        BatchReportWindow* report = derive.reportWindow();
        QVERIFY(report);
        report->btnFixes_Click();
        auto* items = report->findChild<QTableWidget*>(u"tblItems"_s);
        QCOMPARE(items->item(1, 11)->text(),
                 u"Good if FrontA ran after Voicing: +1 fixed, 0 broken"_s);
        QVERIFY(items->item(0, 11)->text().isEmpty()); // ada is Good
    }

    void aBarOfTheChartMovesTheEntryThereAsOneEdit() {
        Harness h;
        h.load(misorderedModel());
        h.program.editRules();
        frmOrder& order = *h.program.screens().order;
        clickRow(h.find<QListWidget>(order, "lstDiacOrd"), 0);
        QTest::mouseClick(h.find<QPushButton>(order, "btnWhere"), Qt::LeftButton);
        PlaceChart* chart = order.placeChart();
        QVERIFY(chart);
        QCOMPARE(h.find<QLabel>(*chart, "lblBest")->text(), u"Best: Place 2, after Voicing: +1"_s);
        QWidget* bars = h.find<QWidget>(*chart, "barsPlaces");
        QTest::mouseDClick(bars, Qt::LeftButton, {}, QPoint(bars->width() * 3 / 4, 10));
        QCOMPARE(rows(h.find<QListWidget>(order, "lstDiacOrd")),
                 (QStringList{"Voicing", "FrontA"}));
    }
};

static RegisterTest<DiagnoseTest> registerDiagnoseTest;

} // namespace tarnel

#include "DiagnoseTest.moc"
