// SPDX-License-Identifier: GPL-3.0-or-later
// Rules written as text: the rule editor's Text tab and New Rule from Text on the order screen.
#include "Harness.h"
#include "Tests.h"
#include "support/ModelBuilder.h"
#include "ui/rules/RuleTextView.h"
#include "ui/rules/RulesFromTextDialog.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>

namespace tarnel {

namespace {

using Lines = std::vector<std::string>;

struct TextHarness : Harness {
    TextHarness() {
        load(test::ModelBuilder().rule("Lenition", {"+obstr (*)"}, {"+cont (*)"}),
             QStringLiteral("Test"));
        program.editRules();
    }
    frmEd1Rule& editor() { return *program.screens().ed1Rule; }
    frmOrder& order() { return *program.screens().order; }
    RuleTextView& view() { return *editor().textView(); }
    // Create New Rule, then the Text tab.
    void newRuleAsText() {
        order().btnNewRule_Click();
        editor().ruleTabs()->setCurrentIndex(1);
    }
    // Types `lines` over the whole text, each line ended by Enter.
    void typeOver(const QStringList& lines) {
        QPlainTextEdit* box = view().textBox();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        for (const QString& line : lines) {
            QTest::keyClicks(box, line);
            view().completer()->popup()->hide();
            QTest::keyClick(box, Qt::Key_Return);
        }
    }
};

const QStringList velarisation = {
    QStringLiteral("Final_N_Velarisation \u00AB final n becomes velar \u00BB"),
    QStringLiteral("A:  +nas (-1) +cor (-1) +syll (-2) \u00AB after a vowel \u00BB"),
    QStringLiteral("1:  -cor (-1) -ant (-1) +back (-1) +high (-1)"),
    QStringLiteral("END:  Final_N_Velarisation")};

} // namespace

class RuleTextTest : public QObject {
    Q_OBJECT
private slots:
    // A rule typed into the Text tab, a slip mended, shows in the Elements tab, which undoes
    // it as one step, and Return stores it.
    void aRuleTypedAsTextIsShownAsElementsAndStored() {
        TextHarness h;
        h.newRuleAsText();
        QVERIFY(h.view().isVisible());
        QVERIFY(!h.editor().findChild<QLineEdit*>(QStringLiteral("txtRuleName"))->isVisible());
        QStringList slipped = velarisation;
        slipped[2].replace(QStringLiteral("+back"), QStringLiteral("+bakc"));
        h.typeOver(slipped);
        QCOMPARE(h.view().problemCount(), 1);
        QCOMPARE(h.view().problemList()->item(0)->text(),
                 QStringLiteral("Line 1, column 26: \"bakc\" is no feature; did you mean "
                                "\"back\"?"));
        QVERIFY(!h.view().textBox()->extraSelections().isEmpty());
        h.view().goToProblem(0);
        QCOMPARE(h.view().textBox()->textCursor().blockNumber(), 2);
        QCOMPARE(h.view().textBox()->textCursor().positionInBlock(), 25);
        h.typeOver(velarisation);
        QCOMPARE(h.view().problemCount(), 0);

        h.editor().ruleTabs()->setCurrentIndex(0);
        QVERIFY(ruleButton(h.editor(), QStringLiteral("Final_N_Velarisation")));
        QVERIFY(ruleButton(h.editor(), QStringLiteral("+high")));
        QCOMPARE(h.editor().undoCaption(), QStringLiteral("Undo Edit Text"));
        h.editor().undo();
        QVERIFY(ruleButton(h.editor(), QStringLiteral("NEW_RULE")));
        h.editor().redo();
        h.dialogs.answer(Answer::Yes);
        h.editor().mnuReturn_Click();
        QVERIFY(h.order().isVisible());
    }

    // Feature names are completed: two letters offer them, Enter takes one.
    void featureNamesAreCompleted() {
        TextHarness h;
        h.editor().editRule("Lenition");
        h.editor().ruleTabs()->setCurrentIndex(1);
        QPlainTextEdit* box = h.view().textBox();
        box->moveCursor(QTextCursor::End);
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClicks(box, QStringLiteral("1:  -vo"));
        QVERIFY(h.view().completer()->popup()->isVisible());
        QCOMPARE(h.view().completer()->currentCompletion(), QStringLiteral("voice"));
        QTest::keyClick(h.view().completer()->popup(), Qt::Key_Return);
        QVERIFY(box->toPlainText().endsWith(QStringLiteral("1:  -voice")));
    }

    // New Rule from Text adds the rules pasted as one change.
    void newRuleFromTextAddsThePastedRules() {
        TextHarness h;
        h.order().findChild<QPushButton*>(QStringLiteral("btnNewRuleFromText"))->click();
        auto* box = h.order().findChild<RulesFromTextDialog*>();
        QVERIFY(box && box->isVisible());
        box->textView()->setText(velarisation.join(QLatin1Char('\n')) +
                                 QStringLiteral("\n\nLenition\nA:  +obstr (*)\n1:  +cont (*)\n"
                                                "END:  Lenition\n"));
        box->btnOK_Click();
        QVERIFY(box->isVisible());
        QVERIFY(h.dialogs.lastDetails.contains(QStringLiteral("'Lenition' already exists")));
        box->textView()->setText(velarisation.join(QLatin1Char('\n')));
        box->btnOK_Click();
        QVERIFY(!box->isVisible());
        QCOMPARE(rows(h.find<QListWidget>(h.order(), "lstSupply")),
                 (QStringList{QStringLiteral("Final_N_Velarisation"), QStringLiteral("Lenition")}));
        QCOMPARE(h.order().undoCaption(), QStringLiteral("Undo Create Rule Final_N_Velarisation"));
    }
};

static RegisterTest<RuleTextTest> registerRuleTextTest;

} // namespace tarnel

#include "RuleTextTest.moc"
