// SPDX-License-Identifier: GPL-3.0-or-later
// What the batch screen shows beyond its lists: measures, changes since the last run, why an
// item is Bad, and the Batch Report window.
#include "Harness.h"
#include "Tests.h"
#include "ui/derivation/BatchReportWindow.h"

#include <QApplication>
#include <QFile>
#include <QHelpEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTextBlock>
#include <QToolTip>

namespace tarnel {

namespace {

// One Diachronic rule, RAISE, makes a t palatal: "tik > tik" is Bad, "kik > kik" Good.
ModelBuilder raisingModel(Lines vocab = {"kik  kik", "tik  tik"}) {
    return ModelBuilder()
        .rule("RAISE", {"+cor (*) -cont (*)"}, {"+high (*)"})
        .diachronic({"RAISE"})
        .vocabulary(std::move(vocab));
}

struct BatchScreen : Harness {
    BatchScreen() {
        load(raisingModel());
        program.runBatch();
    }
    frmDerive& derive() { return *program.screens().derive; }
    QString label(const char* name) { return find<QLabel>(derive(), name)->text(); }
    QPlainTextEdit* list(const char* name) { return find<QPlainTextEdit>(derive(), name); }
    // The colour and the tooltip of line `line` of list `name`.
    QColor colour(const char* name, int line) {
        const QTextBlock block = list(name)->document()->findBlockByNumber(line);
        return block.begin().fragment().charFormat().foreground().color();
    }
    QString tooltip(const char* name, int line) {
        QPlainTextEdit* box = list(name);
        const QRect rect = box->cursorRect(QTextCursor(box->document()->findBlockByNumber(line)));
        QHelpEvent help(QEvent::ToolTip, rect.center(),
                        box->viewport()->mapToGlobal(rect.center()));
        QApplication::sendEvent(box->viewport(), &help);
        return QToolTip::text();
    }
};

} // namespace

class InsightTest : public QObject {
    Q_OBJECT
private slots:
    void theScreenSaysWhatAnEditFixedAndBrokeAndWhy() {
        BatchScreen s;
        QCOMPARE(s.label("lblAccuracy").left(24), u"Good 1 of 2 (50.0%).  Me"_s);
        QCOMPARE(s.label("lblSince"),
                 u"Since the last run: nothing to compare with, this is the first "
                 "run of this model"_s);
        QCOMPARE(s.tooltip("txtBad", 0), u"nearest as the etymon; RAISE moved it away"_s);

        QVERIFY(s.ctx().session.deleteFromOrder(OrderList::Diachronic, 0));
        s.program.runBatch();
        QCOMPARE(s.label("lblSince"), u"Since the last run: 1 fixed"_s);
        QCOMPARE(s.list("txtGood")->toPlainText(), u"kik > kik\ntik > tik"_s);
        QCOMPARE(s.colour("txtGood", 1), QColor(0, 128, 0));
        QCOMPARE(s.tooltip("txtGood", 1), u"Before: Bad at seg.#1, high"_s);

        s.ctx().session.undo();
        s.program.runBatch();
        QCOMPARE(s.label("lblSince"), u"Since the last run: 1 broken"_s);
        QCOMPARE(s.colour("txtBad", 0), QColor(200, 0, 0));
        QCOMPARE(s.tooltip("txtBad", 0),
                 u"nearest as the etymon; RAISE moved it away\nBefore: Good"_s);
    }

    // Only what changed since the last run stands out, wherever the user clicked in the lists.
    void anItemStillBadKeepsThePlainColour() {
        Harness h;
        h.load(raisingModel({"kik  kik", "tik  tik", "pip  pik"})); // pip: Bad whatever RAISE does
        h.program.runBatch();
        QVERIFY(h.ctx().session.deleteFromOrder(OrderList::Diachronic, 0));
        h.program.runBatch();
        h.ctx().session.undo();
        h.program.runBatch(); // tik is broken again, and red
        auto* bad = h.find<QPlainTextEdit>(*h.program.screens().derive, "txtBad");
        const QTextCursor broken(bad->document()->findBlockByNumber(1));
        QCOMPARE(broken.block().text(), u"tik > tik:  seg.#1, high"_s);
        QTest::mouseClick(bad->viewport(), Qt::LeftButton, {}, bad->cursorRect(broken).center());
        h.program.runBatch(); // nothing changed
        for (int line = 0; line < 2; ++line) {
            const QTextCharFormat format =
                bad->document()->findBlockByNumber(line).begin().fragment().charFormat();
            QCOMPARE(format.foreground().color(), QColor(Qt::black));
            QVERIFY(format.fontWeight() != QFont::Bold);
        }
    }

    void theReportShowsEveryItemAndRuleAndLeadsToADerivation() {
        BatchScreen s;
        QTest::mouseClick(s.find<QPushButton>(s.derive(), "btnReport"), Qt::LeftButton);
        BatchReportWindow* report = s.derive().reportWindow();
        QVERIFY(report && report->isVisible());
        auto* items = report->findChild<QTableWidget*>(u"tblItems"_s);
        QCOMPARE(items->rowCount(), 2);
        QCOMPARE(items->item(0, 0)->text(), u"kik"_s); // as the Vocabulary is
        auto* rules = report->findChild<QTableWidget*>(u"tblRules"_s);
        QCOMPARE(rules->item(0, 2)->text(), u"RAISE"_s);
        QCOMPARE(rules->item(0, 3)->data(Qt::DisplayRole).toInt(), 1); // changed tik
        report->btnImpact_Click();
        QCOMPARE(rules->item(0, 6)->data(Qt::DisplayRole).toInt(), 1); // masked: tik is Good

        s.dialogs.chooseFile(s.dir.filePath(u"report.csv"_s));
        report->btnSaveCsv_Click();
        const QByteArray csv = s.fileBytes(u"report.csv"_s);
        QVERIFY(csv.startsWith("\xEF\xBB\xBF"
                               "Etymon,Reflex,Expected,Derived,Result"));
        QCOMPARE(csv.count('\n'), 3); // the head and two items

        items->sortItems(0, Qt::DescendingOrder); // tik first
        emit items->cellDoubleClicked(0, 0);
        QCOMPARE(s.showing(), QList<Screen*>{&s.derive()});
        const QStringList names = labelTexts(s.derive(), "lblRulNam");
        QCOMPARE(names, (QStringList{"Etymon:", "RAISE", "End", "Expected"}));
        const QList<QLabel*> cells = s.derive().findChildren<QLabel*>(u"lblOutput"_s);
        QCOMPARE(cells.size(), 9); // tik twice, then the expected tik
        QVERIFY(cells[6]->property("differsFromDerived").toBool()); // t, not palatal there
        QVERIFY(!cells[7]->property("differsFromDerived").toBool());
        QVERIFY(cells[7]->toolTip().startsWith(u"The expected reflex."_s));
        QVERIFY(!report->isModal() && report->parentWidget() == nullptr); // not kept above
    }
};

static RegisterTest<InsightTest> registerInsightTest;

} // namespace tarnel

#include "InsightTest.moc"
