// SPDX-License-Identifier: GPL-3.0-or-later
// Rules written as text: the rule editor's Text tab and New Rule from Text on the order screen.
#include "Harness.h"
#include "Tests.h"
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

struct TextHarness : Harness {
    TextHarness() {
        load(ModelBuilder().rule("Lenition", {"+obstr (*)"}, {"+cont (*)"}), u"Test"_s);
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
    u"Final_N_Velarisation \u00AB final n becomes velar \u00BB"_s,
    u"A:  +nas (-1) +cor (-1) +syll (-2) \u00AB after a vowel \u00BB"_s,
    u"1:  -cor (-1) -ant (-1) +back (-1) +high (-1)"_s, u"END:  Final_N_Velarisation"_s};

} // namespace

class RuleTextTest : public QObject {
    Q_OBJECT
private slots:
    // A rule typed into the Text tab, a slip mended, shows in the Elements tab, which undoes
    // it as one step, and Return stores it.
    void aRuleTypedAsTextIsShownAsElementsAndStored() {
        TextHarness h;
        h.newRuleAsText();
        QVERIFY(h.view().isVisible() && !h.find<QLineEdit>(h.editor(), "txtRuleName")->isVisible());
        QStringList slipped = velarisation;
        slipped[2].replace(u"+back"_s, u"+bakc"_s);
        h.typeOver(slipped);
        QCOMPARE(h.view().problemCount(), 1);
        QCOMPARE(h.view().problemList()->item(0)->text(),
                 u"Line 1, column 26: \"bakc\" is no feature; did you mean \"back\"?"_s);
        QVERIFY(!h.view().textBox()->extraSelections().isEmpty());
        h.view().goToProblem(0);
        QCOMPARE(h.view().textBox()->textCursor().blockNumber(), 2);
        QCOMPARE(h.view().textBox()->textCursor().positionInBlock(), 25);
        h.typeOver(velarisation);
        QCOMPARE(h.view().problemCount(), 0);

        h.editor().ruleTabs()->setCurrentIndex(0);
        QVERIFY(ruleButton(h.editor(), "Final_N_Velarisation") && ruleButton(h.editor(), "+high"));
        QCOMPARE(h.editor().undoCaption(), u"Undo Edit Text"_s);
        h.editor().undo();
        QVERIFY(ruleButton(h.editor(), u"NEW_RULE"_s));
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
        QTest::keyClicks(box, u"1:  -vo"_s);
        QVERIFY(h.view().completer()->popup()->isVisible());
        QCOMPARE(h.view().completer()->currentCompletion(), u"voice"_s);
        QTest::keyClick(h.view().completer()->popup(), Qt::Key_Return);
        QVERIFY(box->toPlainText().endsWith(u"1:  -voice"_s));
    }

    // New Rule from Text adds the rules pasted as one change.
    void newRuleFromTextAddsThePastedRules() {
        TextHarness h;
        h.order().findChild<QPushButton*>(u"btnNewRuleFromText"_s)->click();
        auto* box = h.order().findChild<RulesFromTextDialog*>();
        QVERIFY(box && box->isVisible());
        box->textView()->setText(
            velarisation.join(QLatin1Char('\n')) +
            u"\n\nLenition\nA:  +obstr (*)\n1:  +cont (*)\nEND:  Lenition\n"_s);
        box->btnOK_Click();
        QVERIFY(box->isVisible() && h.dialogs.lastDetails.contains(u"'Lenition' already exists"_s));
        box->textView()->setText(velarisation.join(QLatin1Char('\n')));
        box->btnOK_Click();
        QVERIFY(!box->isVisible());
        QCOMPARE(rows(h.find<QListWidget>(h.order(), "lstSupply")),
                 (QStringList{u"Final_N_Velarisation"_s, u"Lenition"_s}));
        QCOMPARE(h.order().undoCaption(), u"Undo Create Rule Final_N_Velarisation"_s);
    }
};

static RegisterTest<RuleTextTest> registerRuleTextTest;

} // namespace tarnel

#include "RuleTextTest.moc"
