#include "Harness.h"
#include "Tests.h"
#include "engine/Engine.h"
#include "ui/Context.h"
#include "ui/frmEd1Rule.h"
#include "ui/frmOrder.h"

#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace tarnel {

namespace {

using Lines = std::vector<std::string>;

const std::string c = " \xAB...\xBB";

Lines ruleLines(const std::string& name, std::initializer_list<std::string> body) {
    Lines lines{name + c};
    for (const std::string& line : body)
        lines.push_back(line + c);
    lines.push_back("END:  " + name);
    return lines;
}

} // namespace

class RuleEditorTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Harness> h;

    frmEd1Rule& editor() { return *h->program.screens().ed1Rule; }
    Lines& temp() { return h->ctx().ruleEditing.lstRuleTemp; }
    QLineEdit* nameBox() { return h->find<QLineEdit>(editor(), "txtRuleName"); }
    QLineEdit* commentBox() { return h->find<QLineEdit>(editor(), "txtComment"); }

    QList<QPushButton*> buttons() {
        QList<QPushButton*> list;
        for (QPushButton* b : editor().findChildren<QPushButton*>(QStringLiteral("btnRuleElement")))
            list.append(b);
        std::sort(list.begin(), list.end(), [](QPushButton* a, QPushButton* b) {
            return a->property("element").toInt() < b->property("element").toInt();
        });
        return list;
    }

    // The n-th button (from 0) whose caption is `caption`.
    QPushButton* button(const QString& caption, int n = 0) {
        for (QPushButton* b : buttons())
            if (b->text() == caption && n-- == 0)
                return b;
        return nullptr;
    }

    void click(const QString& caption, int n = 0, Qt::MouseButton mouse = Qt::LeftButton) {
        QPushButton* b = button(caption, n);
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

    void typeName(const QString& keys) {
        QTest::keyClicks(nameBox(), keys);
        QTest::keyClick(nameBox(), Qt::Key_Return);
    }

    void loadRules() {
        Model& m = h->ctx().model;
        m = sampleModel();
        m.modelName = "Test";
        m.lst1Rule = {ruleLines("Lenition", {"A:  +obstr (*)", "1:  +cont (*)"}),
                      ruleLines("Apocope", {"A:  +syll (-1)", "1:  DELETE (-1)"})};
        m.lstSupply = {"Apocope", "Lenition"};
        m.lstDiacOrd = {"-Lenition", "Apocope"};
        m.lstM = {"M", ""};
        m.lstP = {"", ""};
        m.lstEtyOrd = {"Lenition"};
        m.lstReflOrd = {};
    }

private slots:
    void init() {
        h = std::make_unique<Harness>();
        loadRules();
    }
    void cleanup() { h.reset(); }

    void newRuleAsksForANameAndShapesIt() {
        editor().editNewRule();
        QVERIFY(editor().isVisible());
        QVERIFY(nameBox()->isVisible());
        QCOMPARE(nameBox()->text(), QStringLiteral("Type new rule name here."));
        QVERIFY(!buttons().front()->isEnabled());
        QTest::keyClicks(nameBox(), QStringLiteral("a-b c"));
        QCOMPARE(nameBox()->text(), QStringLiteral("Ab_c"));
        QTest::keyClick(nameBox(), Qt::Key_Backspace);
        typeName(QStringLiteral("d"));
        QVERIFY(nameBox()->isHidden());
        QCOMPARE(temp().front(), "Ab_d" + c);
        QCOMPARE(temp().back(), std::string("END:  Ab_d"));
        QVERIFY(buttons().front()->isEnabled());
    }

    void nameLimitsAreEnforcedWithTheirMessages() {
        editor().editNewRule();
        QTest::keyClicks(nameBox(), QStringLiteral("ab"));
        QTest::keyClick(nameBox(), Qt::Key_Return);
        QCOMPARE(h->dialogs.last(), QStringLiteral("Minimum name length = 3."));
        QVERIFY(nameBox()->isVisible());
        QTest::keyClicks(nameBox(), QString(23, QLatin1Char('x')));
        QCOMPARE(h->dialogs.texts.size(), 1);
        QTest::keyClick(nameBox(), Qt::Key_Y);
        QCOMPARE(h->dialogs.last(), QStringLiteral("Maximum name length = 25."));
        QCOMPARE(nameBox()->text().size(), 25);
        QTest::keyClick(nameBox(), Qt::Key_Escape);
        QVERIFY(nameBox()->isHidden());
        QCOMPARE(temp().front(), "NEW_RULE" + c);
    }

    void anExistingNameIsRefusedEvenTheRulesOwn() {
        editor().editRule("Lenition");
        click(QStringLiteral("Lenition"));
        typeName(QStringLiteral("Lenition"));
        QCOMPARE(h->dialogs.last(),
                 QStringLiteral("A rule named 'Lenition' already exists.  Use a different name."));
        QVERIFY(nameBox()->isVisible());
        QCOMPARE(temp().front(), "Lenition" + c);
    }

    void commentsNeedThreeCharactersOrNone() {
        editor().editRule("Lenition");
        click(QStringLiteral("\u00AB...\u00BB"), 1);
        QCOMPARE(commentBox()->text(), QStringLiteral("Type new comment here."));
        QTest::keyClicks(commentBox(), QStringLiteral("ab"));
        QTest::keyClick(commentBox(), Qt::Key_Return);
        QCOMPARE(h->dialogs.last(),
                 QStringLiteral("Comment must be 3 or more characters, or none at all."));
        QVERIFY(commentBox()->isVisible());
        QCOMPARE(commentBox()->text(), QString());
        QTest::keyClicks(commentBox(), QStringLiteral("stop"));
        QTest::keyClick(commentBox(), Qt::Key_Return);
        QCOMPARE(temp()[1], std::string("A:  +obstr (*) \xAB stop \xBB"));
        click(QStringLiteral("\u00AB...\u00BB"));
        QTest::keyClick(commentBox(), Qt::Key_Return);
        QCOMPARE(temp()[0], std::string("Lenition \xAB ... \xBB"));
        QVERIFY(h->ctx().ruleEditing.ruleChanged);
    }

    void theTenthThenLineIsRefused() {
        editor().editRule("Lenition");
        for (int i = 0; i < 8; ++i) {
            click(QStringLiteral("END:"));
            choose(QStringLiteral("Insert New Then-Line Above"));
        }
        QCOMPARE(temp()[10], "9:  +cons (*)" + c);
        click(QStringLiteral("1:"));
        choose(QStringLiteral("Insert New Then-Line Above"));
        QCOMPARE(h->dialogs.last(), QStringLiteral("Maximum  9  THEN-lines permitted."));
        QCOMPARE(temp().size(), std::size_t(12));
    }

    void theNinthUnitIsRefusedAndUnitsDelete() {
        editor().editRule("Lenition");
        for (int i = 0; i < 7; ++i) {
            click(QStringLiteral("+obstr"), 0, Qt::RightButton);
            choose(QStringLiteral("Insert Unit:  +cons (*)"));
        }
        click(QStringLiteral("(*)"), 7, Qt::RightButton);
        choose(QStringLiteral("Insert Unit:  +cons (*)"));
        QCOMPARE(h->dialogs.last(), QStringLiteral("Maximum 8 units permitted in Absolute line."));
        click(QStringLiteral("+obstr"), 0, Qt::RightButton);
        choose(QStringLiteral("Delete This Unit"));
        QCOMPARE(temp()[1].substr(0, 16), std::string("A:  +cons (*) +c"));
    }

    void branchingAndItsConnectiveByClicks() {
        editor().editRule("Lenition");
        click(QStringLiteral("A:"));
        choose(QStringLiteral("Branching: X: Y and Z"));
        QCOMPARE(temp()[1], "A:  B and C" + c);
        QCOMPARE(temp()[3], "C:  +cons (*)" + c);
        click(QStringLiteral("and"));
        QCOMPARE(temp()[1], "A:  B or C" + c);
        click(QStringLiteral("C:"));
        choose(QStringLiteral("Delete This Line"));
        QVERIFY(h->dialogs.last().startsWith(QStringLiteral("If-line C is named")));
    }

    void featureAndLocationMenus() {
        editor().editRule("Lenition");
        click(QStringLiteral("+cont"));
        choose(QStringLiteral("voice"));
        click(QStringLiteral("+voice"));
        choose(QStringLiteral("Toggle Sign +/-"));
        click(QStringLiteral("(*)"), 1);
        editor().openMenu()->actions().at(1)->menu()->actions().at(0)->trigger();
        click(QStringLiteral("(1)"));
        choose(QStringLiteral("Toggle Sign +/-"));
        QCOMPARE(QString::fromLatin1(temp()[2]), QString::fromLatin1("1:  -voice (-1)" + c));

        click(QStringLiteral("(-1)"));
        const QAction* group = editor().openMenu()->actions().at(2);
        QCOMPARE(group->text(), QStringLiteral("(+cons)"));
        const QList<QAction*> features = group->menu()->actions();
        QCOMPARE(features.size(), 23);
        QCOMPARE(features.front()->text(), QStringLiteral("(+ant)"));
        QCOMPARE(features.back()->text(), QStringLiteral("(+segment)"));
        editor().openMenu()->hide();
        features.at(13)->trigger();
        QCOMPARE(QString::fromLatin1(temp()[2]), QString::fromLatin1("1:  -voice (+nas)" + c));
    }

    void ctrlCAndCtrlVCarryTheBody() {
        editor().editRule("Apocope");
        QTest::keyClick(button(QStringLiteral("A:")), Qt::Key_C, Qt::ControlModifier);
        editor().mnuReturn_Click();
        editor().editRule("Lenition");
        h->ctx().model.unsavedChanges = false;
        QTest::keyClick(button(QStringLiteral("A:")), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(temp(), ruleLines("Lenition", {"A:  +syll (-1)", "1:  DELETE (-1)"}));
        QVERIFY(h->ctx().model.unsavedChanges);
        QVERIFY(button(QStringLiteral("DELETE")));
    }

    void returnWithoutChangesAsksNothing() {
        editor().editRule("Lenition");
        editor().mnuReturn_Click();
        QCOMPARE(h->dialogs.texts.size(), 0);
        QVERIFY(h->program.screens().order->isVisible());
    }

    void cancelStaysAndNoLeavesNoTraceOfANewRule() {
        editor().editNewRule();
        typeName(QStringLiteral("Umlaut"));
        h->dialogs.answer(Answer::Cancel);
        editor().mnuReturn_Click();
        QCOMPARE(h->dialogs.last(), QStringLiteral("Keep the changes?"));
        QVERIFY(editor().isVisible());
        h->dialogs.answer(Answer::No);
        editor().mnuReturn_Click();
        QVERIFY(!editor().isVisible());
        QCOMPARE(h->ctx().model.lstSupply, (Lines{"Apocope", "Lenition"}));
        QCOMPARE(h->ctx().model.lst1Rule.size(), std::size_t(2));
    }

    void aNewRuleLeftAsNewRuleIsRefusedWhenThatNameExists() {
        h->ctx().model.lstSupply.push_back("NEW_RULE");
        editor().editNewRule();
        QTest::keyClick(nameBox(), Qt::Key_Escape);
        h->dialogs.answer(Answer::Yes);
        editor().mnuReturn_Click();
        QCOMPARE(h->dialogs.last(),
                 QStringLiteral("A rule named 'NEW_RULE' already exists.  Use a different name."));
        QVERIFY(editor().isVisible());
    }

    void renameKeepsTheMaskInEveryOrder() {
        editor().editRule("Lenition");
        click(QStringLiteral("Lenition"));
        typeName(QStringLiteral("spirantization"));
        h->dialogs.answer(Answer::Yes);
        editor().mnuReturn_Click();
        const Model& m = h->ctx().model;
        QCOMPARE(m.lstSupply, (Lines{"Apocope", "Spirantization"}));
        QCOMPARE(m.lstDiacOrd, (Lines{"-Spirantization", "Apocope"}));
        QCOMPARE(m.lstEtyOrd, (Lines{"Spirantization"}));
        QCOMPARE(m.lst1Rule[0].back(), std::string("END:  Spirantization"));
        QVERIFY(m.unsavedChanges);
    }

    void aRuleOfEveryLineTypeForTheScreenshot() {
        h->ctx().model.lst1Rule.push_back(ruleLines(
            "Vowel_Raising",
            {"A:  B or C", "B:  COUNT +syll (*) (-1) > 1", "C:  +syll (*) +high (*+1) -cons (*+1)",
             "D:  voice (*) = voice (*+1)", "1:  +high (*) -low (*)", "2:  nas (*) = nas (*+1)",
             "3:  INSERT e (*+1)", "4:  SWAP (*) (*-1)", "5:  DELETE (-1)"}));
        h->ctx().model.lstSupply.push_back("Vowel_Raising");
        editor().editRule("Vowel_Raising");
        QCOMPARE(buttons().size(), 59);
        QDir().mkpath(QStringLiteral(TARNEL_SCREENS_DIR));
        QVERIFY(editor().grab().save(
            QStringLiteral(TARNEL_SCREENS_DIR "/frmEd1Rule-every-line-type.png")));
    }
};

static RegisterTest<RuleEditorTest> registerRuleEditorTest;

} // namespace tarnel

#include "RuleEditorTest.moc"
