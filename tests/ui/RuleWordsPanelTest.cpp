// SPDX-License-Identifier: GPL-3.0-or-later
// The panel below the orders that lists the items the chosen entry changed in the last run.
#include "Harness.h"
#include "Tests.h"
#include "session/Session.h"

#include <QLabel>
#include <QListWidget>
#include <QTableWidget>
#include <QTest>

namespace tarnel {

namespace {

// Voicing voices the t of "ata" (Good for "ata  ada", Bad for "ata  ata"); Nasal finds no
// nasal.
Model wordsModel() {
    Model model = sampleModel({"apa  apa", "ata  ada", "ata  ata"});
    model.modelName = "Words";
    const auto rule = [](const std::string& name, const std::string& ifLine,
                         const std::string& then) -> std::vector<std::string> {
        return {name + " \xAB...\xBB", "A:  " + ifLine + " \xAB\xBB", "1:  " + then + " \xAB\xBB",
                "END:  " + name};
    };
    model.lst1Rule = {rule("Nasal", "+nas (*)", "+cont (*)"),
                      rule("Voicing", "+cor (*) -cont (*)", "+voice (*)")};
    model.lstSupply = {"Nasal", "Voicing"};
    model.lstDiacOrd = {"Voicing", "Nasal"};
    model.lstM = model.lstP = {"", ""};
    return model;
}

} // namespace

class RuleWordsPanelTest : public QObject {
    Q_OBJECT
private slots:
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

static RegisterTest<RuleWordsPanelTest> registerRuleWordsPanelTest;

} // namespace tarnel

#include "RuleWordsPanelTest.moc"
