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
    explicit RuleHarness(const Model& model = ruleModel()) { load(model, QStringLiteral("Test")); }
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
        QFAIL(qPrintable(QStringLiteral("no menu item ") + item));
    }
    void type(QLineEdit* box, const QString& keys) {
        QTest::keyClicks(box, keys);
        QTest::keyClick(box, Qt::Key_Return);
    }
};

} // namespace

class RuleEditorTest : public QObject {
    Q_OBJECT
private slots:
    void newRuleAsksForANameAndShapesIt() {
        RuleHarness h;
        h.editNewRule();
        QVERIFY(h.editor().isVisible());
        QVERIFY(h.nameBox()->isVisible());
        QCOMPARE(h.nameBox()->text(), QStringLiteral("Type new rule name here."));
        QVERIFY(!ruleButtons(h.editor()).front()->isEnabled());
        QTest::keyClicks(h.nameBox(), QStringLiteral("a-b c"));
        QCOMPARE(h.nameBox()->text(), QStringLiteral("Ab_c"));
        for (int i = 0; i < 4; ++i) // back to an empty box
            QTest::keyClick(h.nameBox(), Qt::Key_Backspace);
        h.type(h.nameBox(), QStringLiteral("ab"));
        QCOMPARE(h.dialogs.last(), QStringLiteral("Minimum name length = 3."));
        QVERIFY(h.nameBox()->isVisible());
        QTest::keyClicks(h.nameBox(), QString(23, QLatin1Char('x')));
        QCOMPARE(h.dialogs.texts.size(), 1);
        QTest::keyClick(h.nameBox(), Qt::Key_Y);
        QCOMPARE(h.dialogs.last(), QStringLiteral("Maximum name length = 25."));
        QCOMPARE(h.nameBox()->text().size(), 25);
        h.nameBox()->clear();
        h.type(h.nameBox(), QStringLiteral("a-b c"));
        QVERIFY(h.nameBox()->isHidden());
        QCOMPARE(h.temp().front(), "Ab_c" + c);
        QCOMPARE(h.temp().back(), std::string("END:  Ab_c"));
        QVERIFY(ruleButtons(h.editor()).front()->isEnabled());
    }

    void anExistingNameIsRefusedEvenTheRulesOwn() {
        RuleHarness h("Lenition");
        h.click(QStringLiteral("Lenition"));
        h.type(h.nameBox(), QStringLiteral("Lenition"));
        QCOMPARE(h.dialogs.last(),
                 QStringLiteral("A rule named 'Lenition' already exists.  Use a different name."));
        QVERIFY(h.nameBox()->isVisible());
        QCOMPARE(h.temp().front(), "Lenition" + c);
    }

    void theNinthUnitIsRefusedByTheRightClickMenu() {
        RuleHarness h("Lenition");
        for (int i = 0; i < 7; ++i) {
            h.click(QStringLiteral("+obstr"), 0, Qt::RightButton);
            h.choose(QStringLiteral("Insert Unit:  +cons (*)"));
        }
        h.click(QStringLiteral("(*)"), 7, Qt::RightButton);
        h.choose(QStringLiteral("Insert Unit:  +cons (*)"));
        QCOMPARE(h.dialogs.last(), QStringLiteral("Maximum 8 units permitted in Absolute line."));
        std::string eight = "A:  +obstr (*)";
        for (int i = 0; i < 7; ++i)
            eight += " +cons (*)";
        QCOMPARE(h.temp()[1], eight + c);
    }

    void branchingAndItsConnectiveByClicks() {
        RuleHarness h("Lenition");
        h.click(QStringLiteral("A:"));
        h.choose(QStringLiteral("Branching: X: Y and Z"));
        QCOMPARE(h.temp()[1], "A:  B and C" + c);
        QCOMPARE(h.temp()[3], "C:  +cons (*)" + c);
        h.click(QStringLiteral("and"));
        QCOMPARE(h.temp()[1], "A:  B or C" + c);
    }

    void featureAndLocationMenus() {
        RuleHarness h("Lenition");
        h.click(QStringLiteral("+cont"));
        h.choose(QStringLiteral("voice"));
        h.click(QStringLiteral("+voice"));
        h.choose(QStringLiteral("Toggle Sign +/-"));
        h.click(QStringLiteral("(*)"), 1);
        // Feature locations such as "(+cons)" select nothing in a derivation: not offered.
        QStringList groups;
        for (const QAction* action : h.editor().openMenu()->actions())
            groups << action->text();
        QCOMPARE(groups,
                 QStringList({QStringLiteral("(*), (*+1),..."), QStringLiteral("(1), (2),..."),
                              QString(), QStringLiteral("Toggle Sign +/-")}));
        h.editor().openMenu()->actions().at(1)->menu()->actions().at(0)->trigger();
        h.click(QStringLiteral("(1)"));
        h.choose(QStringLiteral("Toggle Sign +/-"));
        QCOMPARE(h.temp()[2], "1:  -voice (-1)" + c);
    }

    void cancelStaysAndNoLeavesNoTraceOfANewRule() {
        RuleHarness h;
        h.editNewRule();
        h.type(h.nameBox(), QStringLiteral("Umlaut"));
        h.dialogs.answer(Answer::Cancel);
        h.editor().mnuReturn_Click();
        QCOMPARE(h.dialogs.last(), QStringLiteral("Keep the changes?"));
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
            h.click(QStringLiteral("+cont"));
            h.choose(QStringLiteral("Toggle Sign +/-"));
            for (int i = 0; i < (keep ? 3 : 2); ++i) // keep the changes? quit? (save?)
                h.dialogs.answer(keep ? Answer::Yes : Answer::No);
            QCOMPARE(h.program.quit(), keep);
            QCOMPARE(h.dialogs.texts.first(), QStringLiteral("Keep the changes?"));
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
                 QStringLiteral("A rule named 'NEW_RULE' already exists.  Use a different name."));
        QVERIFY(h.editor().isVisible());
    }
};

static RegisterTest<RuleEditorTest> registerRuleEditorTest;

} // namespace tarnel

#include "RuleEditorTest.moc"
