// SPDX-License-Identifier: GPL-3.0-or-later
// The report's Suggested rules tab: a rule found for the items that lack a change, added with
// one click, after which the batch runs again with it.
#include "Harness.h"
#include "Tests.h"
#include "support/ModelBuilder.h"
#include "ui/derivation/BatchReportWindow.h"
#include "ui/derivation/frmDerive.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace tarnel {

class SuggestTest : public QObject {
    Q_OBJECT
private slots:
    void anAddedRuleIsInTheNextRun() {
        Harness h;
        h.load(test::ModelBuilder()
                   .rule("Rounding", {"+syll (*) -syll (*)"}, {"+round (*)"})
                   .diachronic({"Rounding"})
                   .vocabulary({"ata  ada", "apa  aba", "ta  ta"}));
        h.program.runBatch();
        frmDerive& derive = *h.program.screens().derive;
        QTest::mouseClick(h.find<QPushButton>(derive, "btnReport"), Qt::LeftButton);
        BatchReportWindow* report = derive.reportWindow();
        QVERIFY(report);
        report->btnSuggest_Click();
        QVERIFY(h.find<QLabel>(*report, "lblRule")->text().contains(u"1:  +voice (*)"_s));
        QCOMPARE(h.find<QLabel>(*report, "lblScore")->text(), u"at the end: +2 fixed, 0 broken"_s);
        QCOMPARE(h.find<QLabel>(*report, "lblFixes")->text(), u"Fixes: apa, ata"_s);
        QTest::mouseClick(h.find<QPushButton>(*report, "btnAddRule"), Qt::LeftButton);
        QCOMPARE(h.ctx().session.lastBatch().goodCount(), 3);
    }
};

static RegisterTest<SuggestTest> registerSuggestTest;

} // namespace tarnel

#include "SuggestTest.moc"
