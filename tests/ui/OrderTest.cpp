// The rule order screen, driven through real clicks and keys.
#include "Harness.h"
#include "Tests.h"
#include "engine/RuleReturn.h"
#include "ui/Form1.h"
#include "ui/Shared.h"
#include "ui/frmEd1Rule.h"
#include "ui/frmOrder.h"

#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

namespace tarnel {

namespace {

using Lines = std::vector<std::string>;

const QString fullInsertMessage =
    QStringLiteral("Click a rule in the Supply list (which rule to insert),\r\n"
                   "and another rule in the Order list (where to insert, above or below).\r\n"
                   "If the Order list is empty, click near its top.");

// Alpha is masked and listed twice in the Diachronic Order, Beta is persistent.
Model orderModel() {
    Model model = sampleModel();
    model.modelName = "Test";
    model.lstSupply = {"Alpha", "Beta", "Gamma"};
    for (const char* name : {"Alpha", "Beta", "Gamma"}) {
        const std::string rule = name;
        model.lst1Rule.push_back(
            {rule + " \xAB...\xBB", "A:  +cons (*) \xAB...\xBB", "END:  " + rule});
    }
    model.lstEtyOrd = {"Gamma", "Alpha"};
    model.lstDiacOrd = {"-Alpha", "Beta", "Gamma", "Alpha"};
    model.lstM = {"M", "", "", ""};
    model.lstP = {"", "P", "", ""};
    model.lstReflOrd = {"Beta"};
    return model;
}

struct OrderScreen {
    Harness h;
    frmOrder& screen;

    explicit OrderScreen(Model model = orderModel()) : screen(*h.program.screens().order) {
        h.ctx().model = std::move(model);
        screen.modelReplaced();
        editRules(h.ctx());
    }

    Model& model() { return h.ctx().model; }
    QListWidget* list(const char* name) { return h.find<QListWidget>(screen, name); }
    void click(const char* button) {
        QTest::mouseClick(h.find<QPushButton>(screen, button), Qt::LeftButton);
    }
    void clickRow(const char* name, int row) {
        QListWidget* l = list(name);
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {},
                          l->visualItemRect(l->item(row)).center());
    }
    void chooseOrder(int index) {
        auto* option =
            h.find<QRadioButton>(screen, qPrintable(QStringLiteral("optOrder%1").arg(index)));
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
    }
    int highlighted(const char* name) {
        const auto items = list(name)->selectedItems();
        return items.isEmpty() ? -1 : list(name)->row(items.front());
    }
    QStringList shown(const char* name) {
        QStringList texts;
        for (int i = 0; i < list(name)->count(); ++i)
            texts.append(list(name)->item(i)->text());
        return texts;
    }
    // A press on the screen away from every control.
    void clickEmptyScreen() {
        QTest::mouseClick(h.find<QLabel>(screen, "lblChooseOrd"), Qt::LeftButton);
    }
};

} // namespace

class OrderTest : public QObject {
    Q_OBJECT
private slots:
    void opensOnTheDiachronicOrderWithItsColumns() {
        OrderScreen o;
        QCOMPARE(o.screen.windowTitle(), QStringLiteral("Model \"Test\":  Edit Rule Order"));
        QCOMPARE(o.shown("lstDiacOrd"), (QStringList{"-Alpha", "Beta", "Gamma", "Alpha"}));
        QCOMPARE(o.shown("lstM"), (QStringList{"M", "", "", ""}));
        QCOMPARE(o.shown("lstSupply"), (QStringList{"Alpha", "Beta", "Gamma"}));
        const char* lists[] = {"lstEtyOrd", "lstDiacOrd", "lstReflOrd"};
        const QString captions[] = {"Etymon Order", "Diachronic Order", "Reflex Order"};
        for (int shown : {0, 2, 1}) {
            o.chooseOrder(shown);
            for (int i = 0; i < 3; ++i) {
                QCOMPARE(o.list(lists[i])->isVisible(), i == shown);
                QCOMPARE(o.h.find<QRadioButton>(o.screen,
                                                qPrintable(QStringLiteral("optOrder%1").arg(i)))
                             ->isChecked(),
                         i == shown);
            }
            QCOMPARE(o.list("lstM")->isVisible(), shown == 1);
            QCOMPARE(o.h.find<QLabel>(o.screen, "lblP")->isVisible(), shown == 1);
            QCOMPARE(o.h.find<QLabel>(o.screen, "lblOrder")->text(), captions[shown]);
        }
        QCOMPARE(o.h.find<QPushButton>(o.screen, "btnNewRule")->text(),
                 QStringLiteral("Create New Rule"));
        QCOMPARE(o.h.find<QLabel>(o.screen, "lblM")->toolTip(),
                 QStringLiteral("M = Masked (rule disabled)"));
    }

    void insertWithoutHighlightsShowsThatListsMessage_data() {
        QTest::addColumn<int>("order");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("message");
        const QString shortLines =
            QStringLiteral("Click a rule in Supply (which rule to insert),\r\n"
                           "and another rule in Order (where to insert, above or below).");
        QTest::newRow("Etymon above")
            << 0 << "btnInsAbove"
            << shortLines + QStringLiteral("\r\nIf the Order list is blank, click near its top.");
        QTest::newRow("Etymon below") << 0 << "btnInsBelow" << fullInsertMessage;
        QTest::newRow("Diachronic above") << 1 << "btnInsAbove" << fullInsertMessage;
        QTest::newRow("Diachronic below") << 1 << "btnInsBelow" << fullInsertMessage;
        QTest::newRow("Reflex above") << 2 << "btnInsAbove" << fullInsertMessage;
        QTest::newRow("Reflex below") << 2 << "btnInsBelow" << shortLines;
    }

    void insertWithoutHighlightsShowsThatListsMessage() {
        QFETCH(int, order);
        QFETCH(QString, button);
        QFETCH(QString, message);
        OrderScreen o;
        o.chooseOrder(order);
        o.clickRow("lstSupply", 2); // a Supply name, but no order entry
        o.click(qPrintable(button));
        QCOMPARE(o.h.dialogs.texts, QStringList{message});
        QVERIFY(o.model().unsavedChanges);
        QCOMPARE(o.model().lstDiacOrd, orderModel().lstDiacOrd);
        QCOMPARE(o.model().lstEtyOrd, orderModel().lstEtyOrd);
        QCOMPARE(o.model().lstReflOrd, orderModel().lstReflOrd);
    }

    void anEmptyOrderTakesTheLastClickedSupplyName() {
        Model model = orderModel();
        model.lstReflOrd.clear();
        OrderScreen o(model);
        o.chooseOrder(2);
        o.click("btnInsBelow"); // nothing clicked yet: refused
        QCOMPARE(o.h.dialogs.texts.size(), 1);
        QVERIFY(!o.h.home().runMenu()->isEnabled());

        o.clickRow("lstSupply", 1);
        o.clickEmptyScreen(); // the highlight goes, the chosen name stays
        QCOMPARE(o.highlighted("lstSupply"), -1);
        o.click("btnInsAbove");
        QCOMPARE(o.model().lstReflOrd, Lines{"Beta"});
        QCOMPARE(o.highlighted("lstReflOrd"), -1);
        QCOMPARE(o.h.dialogs.texts.size(), 1);
        for (Screen* screen : o.h.program.screens().all()) {
            if (screen->runMenu())
                QVERIFY(screen->runMenu()->isEnabled());
        }
    }

    void insertBelowAMarkedEntryLeavesTheMarkOnIt() {
        OrderScreen o;
        o.clickRow("lstSupply", 2);
        o.clickRow("lstDiacOrd", 0);
        o.click("btnInsBelow");
        QCOMPARE(o.model().lstDiacOrd, (Lines{"-Alpha", "Gamma", "Beta", "Gamma", "Alpha"}));
        QCOMPARE(o.shown("lstM"), (QStringList{"M", "", "", "", ""}));
        QCOMPARE(o.shown("lstP"), (QStringList{"", "", "P", "", ""}));
        QCOMPARE(o.highlighted("lstDiacOrd"), 1);
        o.click("btnInsAbove"); // the same rule again, above the new entry
        QCOMPARE(o.model().lstDiacOrd[1], "Gamma");
        QCOMPARE(o.model().lstDiacOrd[2], "Gamma");
        QCOMPARE(o.highlighted("lstDiacOrd"), 1);
        QVERIFY(o.h.dialogs.texts.isEmpty());
    }

    void arrowsMoveTheEntryWithItsMarks() {
        OrderScreen o;
        o.clickRow("lstDiacOrd", 0);
        o.click("btnDown");
        o.click("btnDown");
        QCOMPARE(o.shown("lstDiacOrd"), (QStringList{"Beta", "Gamma", "-Alpha", "Alpha"}));
        QCOMPARE(o.shown("lstM"), (QStringList{"", "", "M", ""}));
        QCOMPARE(o.shown("lstP"), (QStringList{"P", "", "", ""}));
        QCOMPARE(o.highlighted("lstDiacOrd"), 2);
        o.click("btnUp");
        QCOMPARE(o.model().lstDiacOrd, (Lines{"Beta", "-Alpha", "Gamma", "Alpha"}));
        QVERIFY(o.h.dialogs.texts.isEmpty());
    }

    void arrowsAtTheEndsChangeNothingButMarkTheModel() {
        OrderScreen o;
        o.clickRow("lstDiacOrd", 0);
        o.click("btnUp");
        o.clickRow("lstDiacOrd", 3);
        o.click("btnDown");
        QCOMPARE(o.model().lstDiacOrd, orderModel().lstDiacOrd);
        QVERIFY(o.model().unsavedChanges);
        QVERIFY(o.h.dialogs.texts.isEmpty());

        o.clickEmptyScreen();
        o.click("btnUp");
        QCOMPARE(o.h.dialogs.last(), QStringLiteral("Click a name in the Order list;\r\n"
                                                    "then use arrows to move it up or down."));
    }

    void deleteFromOrderTakesTheRowAndItsMarks() {
        OrderScreen o;
        o.click("btnDelFromOrder");
        QCOMPARE(o.h.dialogs.last(),
                 QStringLiteral("First click the rule name that you want to delete."));
        QVERIFY(o.model().unsavedChanges);
        QCOMPARE(o.model().lstDiacOrd, orderModel().lstDiacOrd);

        o.clickRow("lstDiacOrd", 1);
        o.click("btnDelFromOrder");
        QCOMPARE(o.model().lstDiacOrd, (Lines{"-Alpha", "Gamma", "Alpha"}));
        QCOMPARE(o.model().lstP, (Lines{"", "", ""}));
        QCOMPARE(o.highlighted("lstDiacOrd"), -1);
    }

    void deleteFromSupplyAsksAndRemovesEveryTrace() {
        OrderScreen o;
        o.click("btnDelFromSupply");
        QCOMPARE(o.h.dialogs.last(), QStringLiteral("Click a rule name to delete from Supply."));

        o.clickRow("lstSupply", 0);
        o.h.dialogs.answer(Answer::Cancel);
        o.click("btnDelFromSupply");
        QCOMPARE(o.h.dialogs.last(),
                 QStringLiteral("CAUTION:  Deletion from Supply cannot be restored.\r\n"
                                "The rule will also be deleted from order lists.\r\n"
                                "Do you really want to delete it?"));
        QCOMPARE(o.model().lstSupply, orderModel().lstSupply);
        QVERIFY(!o.model().unsavedChanges);

        o.h.dialogs.answer(Answer::Ok);
        o.click("btnDelFromSupply");
        QCOMPARE(o.shown("lstSupply"), (QStringList{"Beta", "Gamma"}));
        QCOMPARE(o.shown("lstDiacOrd"), (QStringList{"Beta", "Gamma"}));
        QCOMPARE(o.shown("lstM"), (QStringList{"", ""}));
        QCOMPARE(o.shown("lstP"), (QStringList{"P", ""}));
        QCOMPARE(o.model().lstEtyOrd, Lines{"Gamma"});
        QCOMPARE(o.model().lst1Rule.size(), std::size_t{2});
        QVERIFY(o.model().unsavedChanges);
        QCOMPARE(o.highlighted("lstSupply"), -1);

        // The deleted name is still the last one clicked; it must not reach an order.
        o.model().lstReflOrd.clear();
        o.screen.modelReplaced();
        o.chooseOrder(2);
        o.click("btnInsAbove");
        QVERIFY(o.model().lstReflOrd.empty());
    }

    void releasesInTheMaskColumnToggleTheMask() {
        OrderScreen o;
        o.clickRow("lstM", 2);
        QCOMPARE(o.shown("lstDiacOrd")[2], QStringLiteral("-Gamma"));
        QCOMPARE(o.shown("lstM")[2], QStringLiteral("M"));
        QTest::keyClick(o.list("lstM"), Qt::Key_Space); // a key release acts as well
        QCOMPARE(o.model().lstDiacOrd[2], "Gamma");
        QCOMPARE(o.model().lstM[2], "");
        QVERIFY(!o.model().unsavedChanges);

        o.model().lstM[1] = "M"; // a mark without its minus sign
        o.screen.openRuleOrder();
        o.clickRow("lstM", 1);
        QCOMPARE(o.h.dialogs.texts,
                 QStringList{QStringLiteral("Missing expected minus sign before rule name.")});
        QCOMPARE(o.model().lstDiacOrd[1], "Beta");
        QCOMPARE(o.model().lstM[1], "");
    }

    void everyReleaseInThePersistenceColumnMarksTheModel() {
        OrderScreen o;
        o.clickRow("lstP", 2);
        QCOMPARE(o.shown("lstP"), (QStringList{"", "P", "P", ""}));
        QCOMPARE(o.highlighted("lstP"), -1);
        QVERIFY(o.model().unsavedChanges);

        OrderScreen empty;
        QListWidget* p = empty.list("lstP");
        QTest::mouseClick(p->viewport(), Qt::LeftButton, {},
                          QPoint(5, p->viewport()->height() - 3));
        QCOMPARE(empty.model().lstP, orderModel().lstP);
        QVERIFY(empty.model().unsavedChanges);
    }

    void theMarkColumnsScrollWithTheDiachronicOrder() {
        Model model = orderModel();
        for (int i = 0; i < 80; ++i) {
            model.lstDiacOrd.push_back("Beta");
            model.lstM.emplace_back();
            model.lstP.emplace_back();
        }
        OrderScreen o(model);
        QListWidget* diachronic = o.list("lstDiacOrd");
        diachronic->verticalScrollBar()->setValue(30);
        const auto topRow = [](QListWidget* list) { return list->indexAt(QPoint(3, 3)).row(); };
        QCOMPARE(topRow(diachronic), 30);
        QCOMPARE(topRow(o.list("lstM")), 30);
        QCOMPARE(topRow(o.list("lstP")), 30);
        o.list("lstP")->verticalScrollBar()->setValue(5); // scrolled on its own: Timer1 mends it
        QTRY_COMPARE(topRow(o.list("lstP")), 30);
    }

    void doubleClickOpensTheRuleInTheEditor() {
        OrderScreen o;
        o.h.ctx().ruleEditing.nameChanged = true; // left over from an earlier edit
        QListWidget* supply = o.list("lstSupply");
        const QPoint at = supply->visualItemRect(supply->item(1)).center();
        QTest::mouseClick(supply->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(supply->viewport(), Qt::LeftButton, {}, at);
        frmEd1Rule& editor = *o.h.program.screens().ed1Rule;
        QCOMPARE(o.h.showing(), QList<Screen*>{&editor});
        QCOMPARE(editor.windowTitle(), QStringLiteral("Model \"Test\":  Edit Rule \"Beta\""));
        const RuleEditing& editing = o.h.ctx().ruleEditing;
        QCOMPARE(editing.lstRuleTemp, o.model().lst1Rule[1]);
        QCOMPARE(editing.currentName, "Beta");
        QCOMPARE(editing.oldName, "Beta");
        QVERIFY(!editing.newRule && !editing.ruleChanged && !editing.nameChanged);
        QVERIFY(!o.model().unsavedChanges);
    }

    void createNewRuleHandsTheTemplateToTheEditor() {
        OrderScreen o;
        o.click("btnNewRule");
        frmEd1Rule& editor = *o.h.program.screens().ed1Rule;
        QCOMPARE(o.h.showing(), QList<Screen*>{&editor});
        QCOMPARE(editor.windowTitle(), QStringLiteral("Model \"Test\", Edit a Rule"));
        const RuleEditing& editing = o.h.ctx().ruleEditing;
        QVERIFY(editing.newRule);
        QCOMPARE(editing.lstRuleTemp, (Lines{"NEW_RULE \xAB...\xBB", "A:  +cons (*) \xAB...\xBB",
                                             "1:  +cons (*) \xAB...\xBB", "END:  NEW_RULE"}));
        QVERIFY(o.model().unsavedChanges);
    }

    void aRenamedRuleComesBackHighlightedAndStillMasked() {
        OrderScreen o;
        QListWidget* supply = o.list("lstSupply");
        const QPoint at = supply->visualItemRect(supply->item(0)).center();
        QTest::mouseClick(supply->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(supply->viewport(), Qt::LeftButton, {}, at);
        RuleEditing& editing = o.h.ctx().ruleEditing;
        renameRule(editing.lstRuleTemp, "Zeta");
        editing.currentName = "Zeta";
        editing.nameChanged = editing.ruleChanged = true;
        QVERIFY(keepRuleChanges(o.model(), editing).kept);
        showScreen(o.h.ctx(), o.screen);
        QCOMPARE(o.shown("lstSupply"), (QStringList{"Beta", "Gamma", "Zeta"}));
        QCOMPARE(o.highlighted("lstSupply"), 2);
        QCOMPARE(o.shown("lstDiacOrd"), (QStringList{"-Zeta", "Beta", "Gamma", "Zeta"}));
    }

    void aClickOnTheEmptyScreenClearsEveryHighlightAndTheHelp() {
        OrderScreen o;
        o.clickRow("lstSupply", 0);
        o.clickRow("lstDiacOrd", 2);
        QMenu* help = o.h.find<QMenu>(o.screen, "mnuHelp");
        QStringList topics;
        for (QAction* action : help->actions())
            topics.append(action->text());
        QCOMPARE(topics.mid(2), (QStringList{"The Supply List", "The Order Lists", "Masking a Rule",
                                             "Persistent Rules", "Editing a Rule"}));
        help->actions()[4]->trigger();
        QVERIFY(o.screen.helpText().startsWith(QStringLiteral("Masking a Rule:\r\n    • ")));
        o.clickEmptyScreen();
        QVERIFY(!o.screen.helpShowing());
        QCOMPARE(o.highlighted("lstSupply"), -1);
        QCOMPARE(o.highlighted("lstDiacOrd"), -1);
    }
};

static RegisterTest<OrderTest> registerOrderTest;

} // namespace tarnel

#include "OrderTest.moc"
