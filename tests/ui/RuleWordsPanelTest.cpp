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
        h.load(wordsModel(), u"Words"_s);
        h.program.editRules();
        frmOrder& screen = *h.program.screens().order;
        auto* list = h.find<QListWidget>(screen, "lstDiacOrd");
        auto* caption = h.find<QLabel>(screen, "lblRuleWords");
        auto* table = h.find<QTableWidget>(screen, "tblRuleWords");
        clickRow(list, 0);
        QCOMPARE(caption->text(),
                 u"Run the batch to see the Vocabulary items each entry changes."_s);

        h.ctx().session.runBatch();
        h.program.editRules();
        clickRow(list, 0);
        QCOMPARE(caption->text(),
                 u"Voicing changed 2 items in the last batch run: 1 Good, 1 Bad."_s);
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(table->item(0, 2)->text(), u"ata"_s);
        QCOMPARE(table->item(0, 3)->text(), u"ada"_s);
        table->sortItems(4); // by result: Bad before Good
        QCOMPARE(table->item(0, 1)->text(), u"ata"_s);
        QCOMPARE(table->item(0, 4)->text(), u"Bad"_s);
        clickRow(list, 1);
        QCOMPARE(table->rowCount(), 0);

        QTest::mouseClick(h.find<QPushButton>(screen, "btnUp"), Qt::LeftButton);
        QCOMPARE(table->rowCount(), 0);
        QVERIFY(caption->text().startsWith(u"The model has changed since the last batch run"_s));
    }
};

// While a rule is edited, the same panel tells what storing it would do.
void RuleWordsPanelTest::theRuleEditorPreviewsItsRuleAsTyped() {
    Harness h;
    h.load(wordsModel(), u"Words"_s);
    h.ctx().session.runBatch();
    h.program.editRules();
    frmEd1Rule& editor = *h.program.screens().ed1Rule;
    auto* list = h.find<QListWidget>(*h.program.screens().order, "lstDiacOrd");
    clickRow(list, 0);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                       list->visualItemRect(list->item(0)).center());
    auto* caption = h.find<QLabel>(editor, "lblRuleWords");
    QTRY_COMPARE(caption->text(), u"Stored as it stands, this rule would change 2 items; in the "
                                  "batch, 0 would be fixed and 0 broken."_s);
    h.find<QTabWidget>(editor, "tabRule")->setCurrentIndex(1);
    auto* text = h.find<RuleTextView>(editor, "txtView")->textBox();
    text->setPlainText(text->toPlainText().replace(u"+voice"_s, u"-voice"_s));
    // ata  ata and ata  ada swap
    QTRY_COMPARE(caption->text(), u"Stored as it stands, this rule would change 0 items; in the "
                                  "batch, 1 would be fixed and 1 broken."_s);
}

static RegisterTest<RuleWordsPanelTest> registerRuleWordsPanelTest;

} // namespace tarnel

#include "RuleWordsPanelTest.moc"
