// SPDX-License-Identifier: GPL-3.0-or-later
// The rule editor: names, comments, the limits of a rule, its menus, and leaving it.
#include "Harness.h"
#include "Tests.h"

#include <QLineEdit>
#include <QMenu>
#include <QTest>

namespace tarnel {

namespace {

const std::string c = test::noComment;

// The rules Lenition (masked) and Apocope.
ModelBuilder ruleModel() {
    return ModelBuilder()
        .rule("Lenition", {"+obstr (*)"}, {"+cont (*)"})
        .rule("Apocope", {"+syll (-1)"}, {"DELETE (-1)"})
        .diachronic({"-Lenition", "Apocope"});
}

// A program over model "Test".
struct RuleHarness : Harness {
    explicit RuleHarness(const Model& model = ruleModel()) { load(model, u"Test"_s); }
    // Editing the rule `name`.
    explicit RuleHarness(const std::string& name) : RuleHarness() { editor().editRule(name); }
    frmEd1Rule& editor() { return *program.screens().ed1Rule; }
    const Lines& temp() { return ctx().session.ruleEditor().lines(); }
    const Lines& rule(const std::string& name) {
        for (const Lines& lines : model().lst1Rule)
            if (lines.front().starts_with(name + " "))
                return lines;
        return model().lst1Rule.front();
    }
    // Create New Rule on the order screen.
    void editNewRule() {
        program.editRules();
        program.screens().order->btnNewRule_Click();
    }
    QLineEdit* nameBox() { return find<QLineEdit>(editor(), "txtRuleName"); }
    QLineEdit* commentBox() { return find<QLineEdit>(editor(), "txtComment"); }
    void click(const QString& caption, int n = 0, Qt::MouseButton mouse = Qt::LeftButton) {
        QPushButton* b = ruleButton(editor(), caption, n);
        QVERIFY2(b, qPrintable(caption));
        QTest::mouseClick(b, mouse);
    }
    void choose(const QString& item) {
        QMenu* menu = editor().openMenu();
        QVERIFY(menu);
        for (QAction* action : menu->actions()) {
            if (action->text() == item) {
                QVERIFY(action->isEnabled());
                menu->hide();
                action->trigger();
                return;
            }
        }
        QFAIL(qPrintable(u"no menu item "_s + item));
    }
    void type(QLineEdit* box, const QString& keys) { QTest::keyClicks(box, keys + u'\r'); }
};

} // namespace

class RuleEditorTest : public QObject {
    Q_OBJECT
private slots:
    void newRuleAsksForANameAndShapesIt() {
        RuleHarness h;
        h.editNewRule();
        QVERIFY(h.editor().isVisible() && h.nameBox()->isVisible());
        QCOMPARE(h.nameBox()->text(), u"Type new rule name here."_s);
        QVERIFY(!ruleButtons(h.editor()).front()->isEnabled());
        QTest::keyClicks(h.nameBox(), u"a-b c"_s);
        QCOMPARE(h.nameBox()->text(), u"Ab_c"_s);
        for (int i = 0; i < 4; ++i) // back to an empty box
            QTest::keyClick(h.nameBox(), Qt::Key_Backspace);
        h.type(h.nameBox(), u"ab"_s);
        QCOMPARE(h.dialogs.last(), u"Minimum name length = 3."_s);
        QVERIFY(h.nameBox()->isVisible());
        QTest::keyClicks(h.nameBox(), QString(23, QLatin1Char('x')));
        QCOMPARE(h.dialogs.texts.size(), 1);
        QTest::keyClick(h.nameBox(), Qt::Key_Y);
        QCOMPARE(h.dialogs.last(), u"Maximum name length = 25."_s);
        QCOMPARE(h.nameBox()->text().size(), 25);
        h.nameBox()->clear();
        h.type(h.nameBox(), u"a-b c"_s);
        QVERIFY(h.nameBox()->isHidden());
        QCOMPARE(h.temp().front(), "Ab_c" + c);
        QCOMPARE(h.temp().back(), std::string("END:  Ab_c"));
        QVERIFY(ruleButtons(h.editor()).front()->isEnabled());
    }

    void anExistingNameIsRefusedEvenTheRulesOwn() {
        RuleHarness h("Lenition");
        h.click(u"Lenition"_s);
        h.type(h.nameBox(), u"Lenition"_s);
        QCOMPARE(h.dialogs.last(),
                 u"A rule named 'Lenition' already exists.  Use a different name."_s);
        QVERIFY(h.nameBox()->isVisible());
        QCOMPARE(h.temp().front(), "Lenition" + c);
    }

    void theNinthUnitIsRefusedByTheRightClickMenu() {
        RuleHarness h("Lenition");
        for (int i = 0; i < 7; ++i) {
            h.click(u"+obstr"_s, 0, Qt::RightButton);
            h.choose(u"Insert Unit:  +cons (*)"_s);
        }
        h.click(u"(*)"_s, 7, Qt::RightButton);
        h.choose(u"Insert Unit:  +cons (*)"_s);
        QCOMPARE(h.dialogs.last(), u"Maximum 8 units permitted in Absolute line."_s);
        std::string eight = "A:  +obstr (*)";
        for (int i = 0; i < 7; ++i)
            eight += " +cons (*)";
        QCOMPARE(h.temp()[1], eight + c);
    }

    void branchingAndItsConnectiveByClicks() {
        RuleHarness h("Lenition");
        h.click(u"A:"_s);
        h.choose(u"Branching: X: Y and Z"_s);
        QCOMPARE(h.temp()[1], "A:  B and C" + c);
        QCOMPARE(h.temp()[3], "C:  +cons (*)" + c);
        h.click(u"and"_s);
        QCOMPARE(h.temp()[1], "A:  B or C" + c);
    }

    void featureAndLocationMenus() {
        RuleHarness h("Lenition");
        h.click(u"+cont"_s);
        h.choose(u"voice"_s);
        h.click(u"+voice"_s);
        h.choose(u"Toggle Sign +/-"_s);
        h.click(u"(*)"_s, 1);
        // Feature locations such as "(+cons)" select nothing in a derivation: not offered.
        QStringList groups;
        for (const QAction* action : h.editor().openMenu()->actions())
            groups << action->text();
        QCOMPARE(groups, (QStringList{"(*), (*+1),...", "(1), (2),...", "", "Toggle Sign +/-"}));
        h.editor().openMenu()->actions().at(1)->menu()->actions().at(0)->trigger();
        h.click(u"(1)"_s);
        h.choose(u"Toggle Sign +/-"_s);
        QCOMPARE(h.temp()[2], "1:  -voice (-1)" + c);
    }

    void cancelStaysAndNoLeavesNoTraceOfANewRule() {
        RuleHarness h;
        h.editNewRule();
        h.type(h.nameBox(), u"Umlaut"_s);
        h.dialogs.answer(Answer::Cancel);
        h.editor().mnuReturn_Click();
        QCOMPARE(h.dialogs.last(), u"Keep the changes?"_s);
        QVERIFY(h.editor().isVisible());
        h.dialogs.answer(Answer::No);
        h.editor().mnuReturn_Click();
        QVERIFY(!h.editor().isVisible());
        QCOMPARE(h.model().lstSupply, (Lines{"Apocope", "Lenition"}));
        QCOMPARE(h.model().lst1Rule.size(), std::size_t(2));
    }

    // Quitting (the window's close button, Exit) settles an unstored edit as Return does; a
    // quit called off after No leaves the rule as it was and the user on the order screen.
    void quittingAsksToKeepTheRulesChangesFirst() {
        for (const bool keep : {true, false}) { // Yes, quit, save; No, stay
            RuleHarness h("Lenition");
            h.click(u"+cont"_s);
            h.choose(u"Toggle Sign +/-"_s);
            for (int i = 0; i < (keep ? 3 : 2); ++i) // keep the changes? quit? (save?)
                h.dialogs.answer(keep ? Answer::Yes : Answer::No);
            QCOMPARE(h.program.quit(), keep);
            QCOMPARE(h.dialogs.texts.first(), u"Keep the changes?"_s);
            QCOMPARE(h.rule("Lenition")[2], (keep ? "1:  -cont (*)" : "1:  +cont (*)") + c);
            if (keep)
                QVERIFY(!h.ctx().session.unsavedChanges());
            else
                QCOMPARE(h.showing(), QList<Screen*>{h.program.screens().order});
        }
    }

    void aNewRuleLeftAsNewRuleIsRefusedWhenThatNameExists() {
        RuleHarness h(ruleModel().rule("NEW_RULE", {"+syll (*)"}, {"+long (*)"}));
        h.editNewRule();
        QTest::keyClick(h.nameBox(), Qt::Key_Escape);
        h.dialogs.answer(Answer::Yes);
        h.editor().mnuReturn_Click();
        QCOMPARE(h.dialogs.last(),
                 u"A rule named 'NEW_RULE' already exists.  Use a different name."_s);
        QVERIFY(h.editor().isVisible());
    }
};

static RegisterTest<RuleEditorTest> registerRuleEditorTest;

} // namespace tarnel

#include "RuleEditorTest.moc"
