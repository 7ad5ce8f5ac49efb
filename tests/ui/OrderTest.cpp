// SPDX-License-Identifier: GPL-3.0-or-later
// The rule order screen, driven through real clicks and keys.
#include "Harness.h"
#include "Tests.h"
#include "ui/shared/Shared.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

namespace tarnel {

namespace {

// Alpha is masked and listed twice in the Diachronic Order, Beta is persistent.
ModelBuilder orderModel() {
    return ModelBuilder()
        .named("Test")
        .rule("Alpha", {"+cons (*)"}, {})
        .rule("Beta", {"+cons (*)"}, {})
        .rule("Gamma", {"+cons (*)"}, {})
        .etymonOrder({"Gamma", "Alpha"})
        .diachronic({"-Alpha", "P Beta", "Gamma", "Alpha"})
        .reflexOrder({"Beta"});
}

struct OrderScreen : Harness {
    frmOrder& screen;
    frmEd1Rule& editor;

    explicit OrderScreen(Model model = orderModel())
        : screen(*program.screens().order), editor(*program.screens().ed1Rule) {
        load(model, u"Test"_s);
        for (std::size_t row = 0; row < model.lstM.size(); ++row)
            if (!model.lstM[row].empty()) // masks are not saved: set them again
                QVERIFY(ctx().session.toggleMask(row));
        program.editRules();
    }

    QListWidget* list(const char* name) { return find<QListWidget>(screen, name); }
    QStringList shown(const char* name) { return rows(list(name)); }
    int highlight(const char* name) { return highlighted(list(name)); }
    void clickRow(const char* name, int row) { tarnel::clickRow(list(name), row); }
    void doubleClick(const char* name, int row) {
        QListWidget* shownList = list(name);
        tarnel::clickRow(shownList, row);
        QTest::mouseDClick(shownList->viewport(), Qt::LeftButton, {},
                           shownList->visualItemRect(shownList->item(row)).center());
    }
    void click(const char* b) { QTest::mouseClick(find<QPushButton>(screen, b), Qt::LeftButton); }
    void chooseOrder(int index) {
        auto* option = find<QRadioButton>(screen, qPrintable(u"optOrder%1"_s.arg(index)));
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
    }
    // A press on the screen away from every control.
    void clickAway() { QTest::mouseClick(find<QLabel>(screen, "lblChooseOrd"), Qt::LeftButton); }
    // Types a new name for the rule in the editor and returns to this screen, keeping it.
    void nameRuleAndReturn(const QString& name) {
        QTest::keyClicks(find<QLineEdit>(editor, "txtRuleName"), name + u'\r');
        dialogs.answer(Answer::Yes);
        editor.mnuReturn_Click();
        QCOMPARE(showing(), QList<Screen*>{&screen});
    }
};

} // namespace

class OrderTest : public QObject {
    Q_OBJECT
private slots:
    void opensOnTheDiachronicOrderWithItsColumns() {
        OrderScreen o;
        QCOMPARE(o.screen.caption(), u"Model \"Test\":  Edit Rule Order"_s);
        QCOMPARE(o.shown("lstDiacOrd"), (QStringList{"-Alpha", "Beta", "Gamma", "Alpha"}));
        const char* lists[] = {"lstEtyOrd", "lstDiacOrd", "lstReflOrd"};
        const QString captions[] = {"Etymon Order", "Diachronic Order", "Reflex Order"};
        for (int shown : {0, 2, 1}) {
            o.chooseOrder(shown);
            for (int i = 0; i < 3; ++i)
                QCOMPARE(o.list(lists[i])->isVisible(), i == shown);
            QCOMPARE(o.list("lstM")->isVisible(), shown == 1);
            QCOMPARE(o.find<QLabel>(o.screen, "lblP")->isVisible(), shown == 1);
            QCOMPARE(o.find<QLabel>(o.screen, "lblOrder")->text(), captions[shown]);
        }
    }

    // What each button says when a list it needs has no highlight; nothing moves.
    void aButtonWithoutItsHighlightSaysWhatToClick() {
        const QString shortLines = u"Click a rule in Supply (which rule to insert),\r\n"
                                   "and another rule in Order (where to insert, above or below)."_s;
        const QString fullLines =
            u"Click a rule in the Supply list (which rule to insert),\r\n"
            "and another rule in the Order list (where to insert, above or below).\r\n"
            "If the Order list is empty, click near its top."_s;
        OrderScreen o;
        o.clickRow("lstSupply", 2); // a Supply name, but no order entry
        for (int order : {0, 1, 2}) {
            o.chooseOrder(order);
            o.click("btnInsAbove");
            o.click("btnInsBelow");
        }
        o.chooseOrder(1);
        o.click("btnUp");
        o.click("btnDelFromOrder");
        QCOMPARE(o.dialogs.texts,
                 (QStringList{
                     shortLines + "\r\nIf the Order list is blank, click near its top.", fullLines,
                     fullLines, fullLines, fullLines, shortLines,
                     "Click a name in the Order list;\r\nthen use arrows to move it up or down.",
                     "First click the rule name that you want to delete."}));
        QCOMPARE(o.model().lstDiacOrd, Model(orderModel()).lstDiacOrd);
    }

    void aClickOnTheEmptyScreenClearsTheHighlightsAndTheHelpButKeepsTheChosenName() {
        OrderScreen o(orderModel().reflexOrder({}));
        o.clickRow("lstSupply", 1);
        o.clickRow("lstDiacOrd", 2);
        o.find<QMenu>(o.screen, "mnuHelp")->actions()[4]->trigger();
        QVERIFY(o.screen.helpText().startsWith(u"Masking a Rule:\r\n    • "_s));
        o.clickAway();
        QVERIFY(!o.screen.helpShowing());
        QCOMPARE(std::pair(o.highlight("lstSupply"), o.highlight("lstDiacOrd")), std::pair(-1, -1));
        o.chooseOrder(2); // an empty order takes the name last clicked
        o.click("btnInsAbove");
        QCOMPARE(o.shown("lstReflOrd"), QStringList{"Beta"});
        QCOMPARE(o.highlight("lstReflOrd"), -1);
        QVERIFY(o.dialogs.texts.isEmpty());
        for (Screen* screen : o.program.screens().all())
            QVERIFY(!screen->runMenu() || screen->runMenu()->isEnabled());
    }

    void theHighlightFollowsAnInsertedOrMovedEntryWithItsMarks() {
        OrderScreen o;
        o.clickRow("lstSupply", 2);
        o.clickRow("lstDiacOrd", 0);
        o.click("btnInsBelow");
        QCOMPARE(o.shown("lstP"), (QStringList{"", "", "P", "", ""}));
        QCOMPARE(o.highlight("lstDiacOrd"), 1);
        o.clickRow("lstDiacOrd", 0);
        o.click("btnDown");
        o.click("btnDown");
        QCOMPARE(o.shown("lstDiacOrd"), (QStringList{"Gamma", "Beta", "-Alpha", "Gamma", "Alpha"}));
        QCOMPARE(o.shown("lstM"), (QStringList{"", "", "M", "", ""}));
        QCOMPARE(o.shown("lstP"), (QStringList{"", "P", "", "", ""}));
        QCOMPARE(o.highlight("lstDiacOrd"), 2);
        o.click("btnDelFromOrder");
        QCOMPARE(o.shown("lstDiacOrd"), (QStringList{"Gamma", "Beta", "Gamma", "Alpha"}));
        QCOMPARE(o.highlight("lstDiacOrd"), -1);
    }

    void deleteFromSupplyAsksAndRemovesEveryTrace() {
        OrderScreen o(orderModel().reflexOrder({}));
        o.click("btnDelFromSupply");
        QCOMPARE(o.dialogs.last(), u"Click a rule name to delete from Supply."_s);
        o.clickRow("lstSupply", 0);
        o.dialogs.answer(Answer::Cancel);
        o.click("btnDelFromSupply");
        QCOMPARE(o.dialogs.last(),
                 u"CAUTION:  Deletion from Supply is undone only by Edit > Undo.\r\n"
                 "The rule will also be deleted from order lists.\r\n"
                 "Do you really want to delete it?"_s);
        QCOMPARE(o.shown("lstSupply"), (QStringList{"Alpha", "Beta", "Gamma"}));
        QVERIFY(!o.ctx().session.unsavedChanges());
        o.dialogs.answer(Answer::Ok);
        o.click("btnDelFromSupply");
        QCOMPARE(o.shown("lstSupply"), (QStringList{"Beta", "Gamma"}));
        QCOMPARE(o.highlight("lstSupply"), -1);
        // The deleted name is still the last one clicked; it must not reach an order.
        o.chooseOrder(2);
        o.click("btnInsAbove");
        QVERIFY(o.model().lstReflOrd.empty());
    }

    // Masks are not saved; every release in the persistence column marks the model changed.
    void releasesInTheMaskAndPersistenceColumns() {
        OrderScreen o;
        o.clickRow("lstM", 2);
        QCOMPARE(o.shown("lstDiacOrd")[2], u"-Gamma"_s);
        QCOMPARE(o.shown("lstM")[2], u"M"_s);
        QTest::keyClick(o.list("lstM"), Qt::Key_Space); // a key release acts as well
        QCOMPARE(o.shown("lstDiacOrd")[2], u"Gamma"_s);
        QCOMPARE(o.shown("lstM")[2], QString());
        QListWidget* p = o.list("lstP"); // below the rows: no row to switch
        QTest::mouseClick(p->viewport(), Qt::LeftButton, {},
                          QPoint(5, p->viewport()->height() - 3));
        QCOMPARE(o.shown("lstP"), (QStringList{"", "P", "", ""}));
        QVERIFY(o.ctx().session.unsavedChanges());
        o.clickRow("lstP", 2);
        QCOMPARE(o.shown("lstP"), (QStringList{"", "P", "P", ""}));
        QCOMPARE(o.highlight("lstP"), -1);
    }

    void theMarkColumnsScrollWithTheDiachronicOrder() {
        Lines entries{"-Alpha", "P Beta", "Gamma", "Alpha"};
        entries.resize(84, "Beta");
        OrderScreen o(orderModel().diachronic(entries));
        o.list("lstDiacOrd")->verticalScrollBar()->setValue(30);
        const auto topRow = [&o](const char* list) { return o.list(list)->indexAt({3, 3}).row(); };
        for (const char* list : {"lstDiacOrd", "lstM", "lstP"})
            QCOMPARE(topRow(list), 30);
        o.list("lstP")->verticalScrollBar()->setValue(5); // scrolled on its own: Timer1 mends it
        QTRY_COMPARE(topRow("lstP"), 30);
    }

    void aRenamedRuleComesBackHighlightedAndStillMasked() {
        OrderScreen o;
        o.doubleClick("lstSupply", 0);
        QTest::mouseClick(ruleButton(o.editor, u"Alpha"_s), Qt::LeftButton);
        o.nameRuleAndReturn(u"zeta"_s);
        QCOMPARE(o.shown("lstSupply"), (QStringList{"Beta", "Gamma", "Zeta"}));
        QCOMPARE(o.highlight("lstSupply"), 2);
        QCOMPARE(o.shown("lstDiacOrd"), (QStringList{"-Zeta", "Beta", "Gamma", "Zeta"}));
    }

    // An order entry, masked or not, in any order, opens the rule it names.
    void doubleClickingAnOrderEntryEditsItsRule() {
        const QList<std::tuple<int, const char*, int, QString>> cases = {
            {1, "lstDiacOrd", 0, "Alpha"}, // masked
            {1, "lstDiacOrd", 2, "Gamma"},
            {0, "lstEtyOrd", 1, "Alpha"},
            {2, "lstReflOrd", 0, "Beta"}};
        for (const auto& [order, name, row, rule] : cases) {
            OrderScreen o;
            o.chooseOrder(order);
            o.doubleClick(name, row);
            QCOMPARE(o.showing(), QList<Screen*>{&o.editor});
            QCOMPARE(o.editor.caption(), u"Model \"Test\":  Edit Rule \"%1\""_s.arg(rule));
        }
    }

    // A linguist copies the body of a rule, writes a new rule with it, puts it into the
    // Diachronic Order and derives with it: the order screen, the editor and the derivation.
    void aRuleWrittenOnTheseScreensDerives() {
        Model model = orderModel().etymonOrder({}).diachronic({}).reflexOrder({});
        model.lst1Rule[2] = test::rule("Gamma", {"+syll (-1)"}, {"DELETE (-1)"});
        OrderScreen o(model);
        o.doubleClick("lstSupply", 2);
        QCOMPARE(o.showing(), QList<Screen*>{&o.editor});
        QCOMPARE(o.editor.caption(), u"Model \"Test\":  Edit Rule \"Gamma\""_s);
        QTest::keyClick(ruleButton(o.editor, "A:"), Qt::Key_C, Qt::ControlModifier);
        o.editor.mnuReturn_Click(); // nothing changed: no question
        QCOMPARE(o.showing(), QList<Screen*>{&o.screen});
        QVERIFY(o.dialogs.texts.isEmpty());

        o.click("btnNewRule");
        QCOMPARE(o.showing(), QList<Screen*>{&o.editor});
        QCOMPARE(o.editor.caption(), u"Model \"Test\", Edit a Rule"_s);
        QCOMPARE(o.ctx().session.ruleEditor().lines(),
                 (std::vector<std::string>{"NEW_RULE \xAB...\xBB", "A:  +cons (*) \xAB...\xBB",
                                           "1:  +cons (*) \xAB...\xBB", "END:  NEW_RULE"}));
        QVERIFY(o.ctx().session.unsavedChanges());
        QTest::keyClick(ruleButton(o.editor, "A:"), Qt::Key_V, Qt::ControlModifier);
        o.nameRuleAndReturn(u"drop final"_s);
        QCOMPARE(o.shown("lstSupply"), (QStringList{"Alpha", "Beta", "Drop_final", "Gamma"}));
        o.clickRow("lstSupply", 2);
        o.click("btnInsBelow");
        o.program.runInteractive();
        frmDerive& derive = *o.program.screens().derive;
        QTest::keyClicks(o.find<QLineEdit>(derive, "txtEtymon"), u"pata\r"_s);
        QCOMPARE(labelTexts(derive, "lblRulNam"), (QStringList{"Etymon:", "Drop_final", "End"}));
        QCOMPARE(derive.findChildren<QLabel*>(u"lblOutput"_s).size(), 4 + 3);
    }
};

static RegisterTest<OrderTest> registerOrderTest;

} // namespace tarnel

#include "OrderTest.moc"
