// SPDX-License-Identifier: GPL-3.0-or-later
// The panel below the orders that lists the items the chosen entry changed in the last run.
#include "Harness.h"
#include "Tests.h"
#include "session/Session.h"
#include "support/ModelBuilder.h"
#include "ui/rules/RuleTextView.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

namespace tarnel {

namespace {

// Voicing voices the t of "ata" (Good for "ata  ada", Bad for "ata  ata"); Nasal finds no
// nasal.
Model wordsModel() {
    return test::ModelBuilder()
        .named("Words")
        .rule("Nasal", {"+nas (*)"}, {"+cont (*)"})
        .rule("Voicing", {"+cor (*) -cont (*)"}, {"+voice (*)"})
        .diachronic({"Voicing", "Nasal"})
        .vocabulary({"apa  apa", "ata  ada", "ata  ata"});
}

} // namespace

class RuleWordsPanelTest : public QObject {
    Q_OBJECT
private slots:
    void theRuleEditorPreviewsItsRuleAsTyped();
    void showsTheItemsTheChosenEntryChangedUntilTheModelChanges() {
        Harness h;
        h.load(wordsModel(), QStringLiteral("Words"));
        h.program.editRules();
        frmOrder& screen = *h.program.screens().order;
        auto* list = h.find<QListWidget>(screen, "lstDiacOrd");
        auto* caption = h.find<QLabel>(screen, "lblRuleWords");
        auto* table = h.find<QTableWidget>(screen, "tblRuleWords");
        clickRow(list, 0);
        QCOMPARE(caption->text(),
                 QStringLiteral("Run the batch to see the Vocabulary items each entry changes."));

        h.ctx().session.runBatch();
        h.program.editRules();
        clickRow(list, 0);
        QCOMPARE(caption->text(),
                 QStringLiteral("Voicing changed 2 items in the last batch run: 1 Good, 1 Bad."));
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(table->item(0, 2)->text(), QStringLiteral("ata"));
        QCOMPARE(table->item(0, 3)->text(), QStringLiteral("ada"));
        table->sortItems(4); // by result: Bad before Good
        QCOMPARE(table->item(0, 1)->text(), QStringLiteral("ata"));
        QCOMPARE(table->item(0, 4)->text(), QStringLiteral("Bad"));
        clickRow(list, 1);
        QCOMPARE(table->rowCount(), 0);

        QTest::mouseClick(h.find<QPushButton>(screen, "btnUp"), Qt::LeftButton);
        QCOMPARE(table->rowCount(), 0);
        QVERIFY(caption->text().startsWith(
            QStringLiteral("The model has changed since the last batch run")));
    }
};

// While a rule is edited, the same panel tells what storing it would do.
void RuleWordsPanelTest::theRuleEditorPreviewsItsRuleAsTyped() {
    Harness h;
    h.load(wordsModel(), QStringLiteral("Words"));
    h.ctx().session.runBatch();
    h.program.editRules();
    frmOrder& order = *h.program.screens().order;
    frmEd1Rule& editor = *h.program.screens().ed1Rule;
    auto* list = h.find<QListWidget>(order, "lstDiacOrd");
    clickRow(list, 0);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                       list->visualItemRect(list->item(0)).center());
    auto* caption = h.find<QLabel>(editor, "lblRuleWords");
    QTRY_COMPARE(caption->text(), QStringLiteral("Stored as it stands, this rule would change 2 "
                                                 "items; in the batch, 0 would be fixed and 0 "
                                                 "broken."));
    h.find<QTabWidget>(editor, "tabRule")->setCurrentIndex(1);
    auto* text = h.find<RuleTextView>(editor, "txtView")->textBox();
    text->setPlainText(
        text->toPlainText().replace(QStringLiteral("+voice"), QStringLiteral("-voice")));
    QTRY_COMPARE(caption->text(), QStringLiteral("Stored as it stands, this rule would change 0 "
                                                 "items; in the batch, 1 would be fixed and 1 "
                                                 "broken.")); // ata  ata and ata  ada swap
}

static RegisterTest<RuleWordsPanelTest> registerRuleWordsPanelTest;

} // namespace tarnel

#include "RuleWordsPanelTest.moc"
