// The rule order screen, driven through real clicks and keys.
#include "Harness.h"
#include "Tests.h"
#include "engine/Engine.h"
#include "ui/Shared.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
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
    for (const std::string rule : {"Alpha", "Beta", "Gamma"})
        model.lst1Rule.push_back(
            {rule + " \xAB...\xBB", "A:  +cons (*) \xAB...\xBB", "END:  " + rule});
    model.lstEtyOrd = {"Gamma", "Alpha"};
    model.lstDiacOrd = {"-Alpha", "Beta", "Gamma", "Alpha"};
    model.lstM = {"M", "", "", ""};
    model.lstP = {"", "P", "", ""};
    model.lstReflOrd = {"Beta"};
    return model;
}

struct OrderScreen : Harness {
    frmOrder& screen;
    frmEd1Rule& editor;

    explicit OrderScreen(Model model = orderModel())
        : screen(*program.screens().order), editor(*program.screens().ed1Rule) {
        ctx().model = std::move(model);
        screen.modelReplaced();
        editRules(ctx());
    }

    Model& model() { return ctx().model; }
    QListWidget* list(const char* name) { return find<QListWidget>(screen, name); }
    QStringList shown(const char* name) { return rows(list(name)); }
    int highlight(const char* name) { return highlighted(list(name)); }
    void clickRow(const char* name, int row) { tarnel::clickRow(list(name), row); }
    void doubleClickSupply(int row) {
        clickRow("lstSupply", row);
        QTest::mouseDClick(
            list("lstSupply")->viewport(), Qt::LeftButton, {},
            list("lstSupply")->visualItemRect(list("lstSupply")->item(row)).center());
    }
    void click(const char* button) {
        QTest::mouseClick(find<QPushButton>(screen, button), Qt::LeftButton);
    }
    void chooseOrder(int index) {
        auto* option =
            find<QRadioButton>(screen, qPrintable(QStringLiteral("optOrder%1").arg(index)));
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
    }
    // A press on the screen away from every control.
    void clickEmptyScreen() {
        QTest::mouseClick(find<QLabel>(screen, "lblChooseOrd"), Qt::LeftButton);
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
            for (int i = 0; i < 3; ++i)
                QCOMPARE(o.list(lists[i])->isVisible(), i == shown);
            QCOMPARE(o.list("lstM")->isVisible(), shown == 1);
            QCOMPARE(o.find<QLabel>(o.screen, "lblP")->isVisible(), shown == 1);
            QCOMPARE(o.find<QLabel>(o.screen, "lblOrder")->text(), captions[shown]);
        }
        QCOMPARE(o.find<QPushButton>(o.screen, "btnNewRule")->text(),
                 QStringLiteral("Create New Rule"));
        QCOMPARE(o.find<QLabel>(o.screen, "lblM")->toolTip(),
                 QStringLiteral("M = Masked (rule disabled)"));
    }

    // What each button says when a list it needs has no highlight; nothing else changes.
    void aButtonWithoutItsHighlightSaysWhatToClick_data() {
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
        QTest::newRow("Up") << 1 << "btnUp"
                            << "Click a name in the Order list;\r\nthen use arrows to move it up "
                               "or down.";
        QTest::newRow("Delete from Order") << 1 << "btnDelFromOrder"
                                           << "First click the rule name that you want to delete.";
    }

    void aButtonWithoutItsHighlightSaysWhatToClick() {
        QFETCH(int, order);
        QFETCH(QString, button);
        QFETCH(QString, message);
        OrderScreen o;
        o.chooseOrder(order);
        o.clickRow("lstSupply", 2); // a Supply name, but no order entry
        o.click(qPrintable(button));
        QCOMPARE(o.dialogs.texts, QStringList{message});
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
        QCOMPARE(o.dialogs.texts.size(), 1);
        QVERIFY(!o.home().runMenu()->isEnabled());

        o.clickRow("lstSupply", 1);
        o.clickEmptyScreen(); // the highlight goes, the chosen name stays
        QCOMPARE(o.highlight("lstSupply"), -1);
        o.click("btnInsAbove");
        QCOMPARE(o.model().lstReflOrd, Lines{"Beta"});
        QCOMPARE(o.highlight("lstReflOrd"), -1);
        QCOMPARE(o.dialogs.texts.size(), 1);
        for (Screen* screen : o.program.screens().all())
            QVERIFY(!screen->runMenu() || screen->runMenu()->isEnabled());
    }

    void theHighlightFollowsAnInsertedOrMovedEntryWithItsMarks() {
        OrderScreen o;
        o.clickRow("lstSupply", 2);
        o.clickRow("lstDiacOrd", 0);
        o.click("btnInsBelow");
        QCOMPARE(o.shown("lstM"), (QStringList{"M", "", "", "", ""}));
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
        QVERIFY(o.dialogs.texts.isEmpty());
    }

    void deleteFromSupplyAsksAndRemovesEveryTrace() {
        OrderScreen o;
        o.click("btnDelFromSupply");
        QCOMPARE(o.dialogs.last(), QStringLiteral("Click a rule name to delete from Supply."));
        o.clickRow("lstSupply", 0);
        o.dialogs.answer(Answer::Cancel);
        o.click("btnDelFromSupply");
        QCOMPARE(o.dialogs.last(),
                 QStringLiteral("CAUTION:  Deletion from Supply cannot be restored.\r\n"
                                "The rule will also be deleted from order lists.\r\n"
                                "Do you really want to delete it?"));
        QCOMPARE(o.model().lstSupply, orderModel().lstSupply);
        QVERIFY(!o.model().unsavedChanges);

        o.dialogs.answer(Answer::Ok);
        o.click("btnDelFromSupply");
        QCOMPARE(o.shown("lstSupply"), (QStringList{"Beta", "Gamma"}));
        QCOMPARE(o.shown("lstDiacOrd"), (QStringList{"Beta", "Gamma"}));
        QCOMPARE(o.shown("lstP"), (QStringList{"P", ""}));
        QVERIFY(o.model().unsavedChanges);
        QCOMPARE(o.highlight("lstSupply"), -1);

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
        QCOMPARE(o.dialogs.texts,
                 QStringList{QStringLiteral("Missing expected minus sign before rule name.")});
        QCOMPARE(o.shown("lstM")[1], QString());
    }

    void everyReleaseInThePersistenceColumnMarksTheModel() {
        OrderScreen o;
        o.clickRow("lstP", 2);
        QCOMPARE(o.shown("lstP"), (QStringList{"", "P", "P", ""}));
        QCOMPARE(o.highlight("lstP"), -1);
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
        model.lstDiacOrd.resize(84, "Beta");
        model.lstM.resize(84);
        model.lstP.resize(84);
        OrderScreen o(model);
        o.list("lstDiacOrd")->verticalScrollBar()->setValue(30);
        const auto topRow = [&o](const char* list) {
            return o.list(list)->indexAt(QPoint(3, 3)).row();
        };
        QCOMPARE(topRow("lstDiacOrd"), 30);
        QCOMPARE(topRow("lstM"), 30);
        QCOMPARE(topRow("lstP"), 30);
        o.list("lstP")->verticalScrollBar()->setValue(5); // scrolled on its own: Timer1 mends it
        QTRY_COMPARE(topRow("lstP"), 30);
    }

    void aDoubleClickedRuleComesBackRenamedHighlightedAndStillMasked() {
        OrderScreen o;
        o.ctx().ruleEditing.nameChanged = true; // left over from an earlier edit
        o.doubleClickSupply(0);
        QCOMPARE(o.showing(), QList<Screen*>{&o.editor});
        QCOMPARE(o.editor.windowTitle(), QStringLiteral("Model \"Test\":  Edit Rule \"Alpha\""));
        const RuleEditing& editing = o.ctx().ruleEditing;
        QCOMPARE(editing.lstRuleTemp, o.model().lst1Rule[0]);
        QCOMPARE(editing.currentName, "Alpha");
        QCOMPARE(editing.oldName, "Alpha");
        QVERIFY(!editing.newRule && !editing.ruleChanged && !editing.nameChanged);
        QVERIFY(!o.model().unsavedChanges);

        QTest::mouseClick(ruleButton(o.editor, QStringLiteral("Alpha")), Qt::LeftButton);
        auto* nameBox = o.find<QLineEdit>(o.editor, "txtRuleName");
        QTest::keyClicks(nameBox, QStringLiteral("zeta"));
        QTest::keyClick(nameBox, Qt::Key_Return);
        o.dialogs.answer(Answer::Yes);
        o.editor.mnuReturn_Click();
        QCOMPARE(o.showing(), QList<Screen*>{&o.screen});
        QCOMPARE(o.shown("lstSupply"), (QStringList{"Beta", "Gamma", "Zeta"}));
        QCOMPARE(o.highlight("lstSupply"), 2);
        QCOMPARE(o.shown("lstDiacOrd"), (QStringList{"-Zeta", "Beta", "Gamma", "Zeta"}));
        QCOMPARE(o.model().lstEtyOrd, (Lines{"Gamma", "Zeta"}));
        QCOMPARE(o.model().lst1Rule[0].back(), std::string("END:  Zeta"));
        QVERIFY(o.model().unsavedChanges);
    }

    void createNewRuleHandsTheTemplateToTheEditor() {
        OrderScreen o;
        o.click("btnNewRule");
        QCOMPARE(o.showing(), QList<Screen*>{&o.editor});
        QCOMPARE(o.editor.windowTitle(), QStringLiteral("Model \"Test\", Edit a Rule"));
        QVERIFY(o.ctx().ruleEditing.newRule);
        QCOMPARE(o.ctx().ruleEditing.lstRuleTemp,
                 (Lines{"NEW_RULE \xAB...\xBB", "A:  +cons (*) \xAB...\xBB",
                        "1:  +cons (*) \xAB...\xBB", "END:  NEW_RULE"}));
        QVERIFY(o.model().unsavedChanges);
    }

    void aClickOnTheEmptyScreenClearsEveryHighlightAndTheHelp() {
        OrderScreen o;
        o.clickRow("lstSupply", 0);
        o.clickRow("lstDiacOrd", 2);
        QMenu* help = o.find<QMenu>(o.screen, "mnuHelp");
        QStringList topics;
        for (QAction* action : help->actions())
            topics.append(action->text());
        QCOMPARE(topics.mid(2), (QStringList{"The Supply List", "The Order Lists", "Masking a Rule",
                                             "Persistent Rules", "Editing a Rule"}));
        help->actions()[4]->trigger();
        QVERIFY(o.screen.helpText().startsWith(QStringLiteral("Masking a Rule:\r\n    • ")));
        o.clickEmptyScreen();
        QVERIFY(!o.screen.helpShowing());
        QCOMPARE(o.highlight("lstSupply"), -1);
        QCOMPARE(o.highlight("lstDiacOrd"), -1);
    }

    // A linguist copies the body of a rule, writes a new rule with it, puts it into the
    // Diachronic Order and derives with it: both screens and the engine together.
    void aRuleWrittenOnTheseScreensDerives() {
        Model model = orderModel();
        model.lst1Rule[2] = {"Gamma \xAB...\xBB", "A:  +syll (-1) \xAB...\xBB",
                             "1:  DELETE (-1) \xAB...\xBB", "END:  Gamma"};
        model.lstEtyOrd = model.lstDiacOrd = model.lstM = model.lstP = model.lstReflOrd = {};
        OrderScreen o(model);
        o.doubleClickSupply(2);
        QVERIFY(ruleButton(o.editor, "A:"));
        QTest::keyClick(ruleButton(o.editor, "A:"), Qt::Key_C, Qt::ControlModifier);
        o.editor.mnuReturn_Click(); // nothing changed: no question
        QCOMPARE(o.showing(), QList<Screen*>{&o.screen});
        QVERIFY(o.dialogs.texts.isEmpty());

        o.click("btnNewRule");
        auto* nameBox = o.find<QLineEdit>(o.editor, "txtRuleName");
        QTest::keyClicks(nameBox, QStringLiteral("drop final"));
        QTest::keyClick(nameBox, Qt::Key_Return);
        QTest::keyClick(ruleButton(o.editor, "A:"), Qt::Key_V, Qt::ControlModifier);
        QVERIFY(ruleButton(o.editor, "DELETE"));
        o.dialogs.answer(Answer::Yes);
        o.editor.mnuReturn_Click();
        QCOMPARE(o.showing(), QList<Screen*>{&o.screen});
        QCOMPARE(o.shown("lstSupply"), (QStringList{"Alpha", "Beta", "Drop_final", "Gamma"}));

        o.clickRow("lstSupply", 2);
        o.click("btnInsBelow");
        QCOMPARE(o.shown("lstDiacOrd"), QStringList{"Drop_final"});
        QVERIFY(o.home().runMenu()->isEnabled());

        struct Stages : StageDisplay, MessageSink {
            QStringList labels;
            QList<int> lengths;
            void showStage(int, const std::string& label, const Word& word) override {
                labels.append(QString::fromStdString(label));
                lengths.append(word.length);
            }
            void showMessage(const std::string&) override {}
        } stages;
        Engine engine(o.model(), stages, &stages);
        engine.setDerivationMode(DerivationMode::Interactive);
        engine.derive("casa");
        QCOMPARE(stages.labels, (QStringList{"Etymon", "Drop_final", "End"}));
        QCOMPARE(stages.lengths.mid(0, 2), (QList<int>{4, 3}));
    }
};

static RegisterTest<OrderTest> registerOrderTest;

} // namespace tarnel

#include "OrderTest.moc"
