// SPDX-License-Identifier: GPL-3.0-or-later
// The derivation screen: interactive, reflex and batch runs, the word box and the display.
#include "Harness.h"
#include "Tests.h"
#include "ui/shared/Shared.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

namespace tarnel {

namespace {

// RAISE makes a t palatal (blue), PERS (persistent, above RAISE) then lengthens it, ODD
// turns a vowel into a sound no symbol fits (red).
ModelBuilder smallModel(Lines vocab = {}) {
    return ModelBuilder()
        .rule("RAISE", {"+cor (*) -cont (*)"}, {"+high (*)"})
        .rule("PERS", {"+high (*) +cor (*)"}, {"+long (*)"})
        .rule("ODD", {"+syll (*) +low (*)"}, {"+cons (*) +obstr (*) +cont (*)"})
        .rule("DEVOICE", {"+voice (-1)"}, {"-voice (-1)"})
        .diachronic({"P PERS", "RAISE", "ODD"})
        .reflexOrder({"DEVOICE"})
        .vocabulary(std::move(vocab));
}

// A program showing the derivation screen of model "demo" in the mode `run` enters.
struct DeriveScreen : Harness {
    frmDerive& derive;
    QLineEdit* box;

    explicit DeriveScreen(const Model& model = smallModel(),
                          void (Program::*run)() = &Program::runInteractive)
        : derive(*program.screens().derive), box(find<QLineEdit>(derive, "txtEtymon")) {
        load(model, u"demo"_s);
        (program.*run)();
    }
    QStringList ruleNames() { return labelTexts(derive, "lblRulNam"); }
    QList<QLabel*> cells() { return derive.findChildren<QLabel*>(u"lblOutput"_s); }
    QColor colour(int cell) { return cells()[cell]->palette().color(QPalette::WindowText); }
    QString label(const char* name) { return find<QLabel>(derive, name)->text(); }
    QString results(const char* name) { return find<QPlainTextEdit>(derive, name)->toPlainText(); }
    void paste(const QString& text) {
        QApplication::clipboard()->setText(text);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    }
};

} // namespace

class DeriveTest : public QObject {
    Q_OBJECT
private slots:
    void interactiveDerivationShowsEveryStageInColour() {
        DeriveScreen s;
        QCOMPARE(s.derive.caption(), u"Model \"demo\", Interactive Mode, Diachronic Derivation"_s);
        QCOMPARE(s.box->text(), u"Type etymon here"_s);
        QCOMPARE(s.derive.focusWidget(), s.box);
        QTest::keyClicks(s.box, u"tak"_s);
        QTest::mouseClick(s.find<QPushButton>(s.derive, "btnDerive"), Qt::LeftButton);
        QCOMPARE(s.ruleNames(), (QStringList{"Etymon:", "RAISE", "P-PERS", "ODD", "End"}));
        const QList<QLabel*> cells = s.cells();
        QCOMPARE(cells.size(), 12); // three segments in each of four stages; End has none
        QCOMPARE(s.colour(0), QColor(Qt::black));
        QCOMPARE(s.colour(3), QColor(Qt::blue)); // RAISE: palatal t
        QCOMPARE(cells[3]->text(), u"tʲ"_s);     // shown through the IPA map
        QCOMPARE(cells[6]->text(), u"tːʲ"_s);
        QCOMPARE(s.colour(10), QColor(Qt::red)); // ODD: the vowel fits no symbol
        QCOMPARE(s.dialogs.texts, QStringList());

        // The pop-up: the pointer over a blue or red cell shows it, the background hides it.
        s.derive.resize(900, 600);
        QVERIFY(QTest::qWaitForWindowExposed(&s.derive));
        auto* offFeats = s.find<QLabel>(s.derive, "lblOffFeats");
        QTest::mouseMove(cells[3]);
        QTRY_VERIFY(offFeats->isVisible());
        QCOMPARE(offFeats->text(), u" +high "_s);
        QTest::mouseMove(cells[0]); // black: nothing to show
        QTRY_VERIFY(!offFeats->isVisible());
        QTest::mouseMove(cells[10]);
        QTRY_VERIFY(offFeats->isVisible());
        QVERIFY(offFeats->text().startsWith(u"  "_s)); // red: the text starts blank
        QWidget* view = cells[0]->parentWidget()->parentWidget();
        QTest::mouseMove(view, QPoint(view->width() - 5, view->height() - 5));
        QTRY_VERIFY(!offFeats->isVisible());
    }

    // The box keeps what was typed before the refused last key (and drops its prompt). The
    // checks of a key are the session's (see its word box tests); here, that the box runs them
    // in each mode, and its own refusal of what no alphabet can hold.
    void wordBoxRefusesKeys() {
        const QList<std::tuple<bool, QString, QString>> cases = {
            {false, "abA", "Did you forget to release \"Caps Lock\"?"},
            {true, "ab1", "Character not in Reflex Alphabet."},
            {false, u"a\u0283"_s, "Character \"\u0283\" not found in Etymon Alphabet."}};
        for (const auto& [reflex, keys, message] : cases) {
            DeriveScreen s(smallModel(), reflex ? &Program::runReflex : &Program::runInteractive);
            typeText(s.box, QString(keys).replace(u'\r', u'\n'));
            QCOMPARE(s.dialogs.texts, QStringList{message});
            QCOMPARE(s.box->text(), keys.chopped(1));
            QVERIFY(s.ruleNames().isEmpty());
        }
    }

    // A character an input method composed (a dead key) goes through the checks of a key.
    void composedCharactersAreCheckedAsTypedOnes() {
        DeriveScreen s;
        const auto compose = [&s](const QString& text) {
            QInputMethodEvent composed;
            composed.setCommitString(text);
            QApplication::sendEvent(s.box, &composed);
        };
        compose(u"t"_s);
        compose(u"\u00E2"_s); // not in the default alphabet
        QCOMPARE(s.box->text(), u"t"_s);
        QCOMPARE(s.dialogs.texts, QStringList{"Character\"\u00E2\"not found in Etymon Alphabet."});
    }

    // The word box undoes its own typing, never its prompt; past that the keys undo the model.
    void undoKeysRunFromTheWordBoxIntoTheModel() {
        DeriveScreen s(smallModel({"pa  pa"}));
        QApplication::setActiveWindow(&s.derive); // shortcuts go to the window being typed in
        s.ctx().session.deleteItem(0);
        QTest::keyClicks(s.box, u"ta"_s);
        QTest::keyClick(s.box, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(s.box->text().isEmpty() && s.model().lstVocab.empty());
        QTest::keyClick(s.box, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(s.box->text(), QString());
        QCOMPARE(s.model().lstVocab, std::vector<std::string>{"pa  pa"});
        QTest::keyClick(s.box, Qt::Key_Y, Qt::ControlModifier);
        QVERIFY(s.model().lstVocab.empty());
        QTest::keyClick(s.box, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(s.box->text(), QString()); // nothing to redo in the model: the box keeps quiet
    }

    void batchListsCountsAndProgress() {
        DeriveScreen s(smallModel({"kik  kik", "pip  pip", "tik  tik"}), &Program::runBatch);
        QCOMPARE(s.derive.caption(), u"Model \"demo\", Batch Mode"_s);
        QVERIFY(!s.box->isVisible());
        QCOMPARE(s.results("txtGood"), u"kik > kik\npip > pip"_s);
        QCOMPARE(s.results("txtBad"), u"tik > tik:  seg.#1, high"_s);
        QCOMPARE((QStringList{s.label("lblGood"), s.label("lblBad"), s.label("lblPercentDone")}),
                 (QStringList{"Good:  2", "Bad:  1", "100% done"}));
        QVERIFY(s.find<QPlainTextEdit>(s.derive, "txtGood")->isReadOnly());
        s.program.runInteractive(); // the word modes hide the results
        QVERIFY(!s.find<QLabel>(s.derive, "lblGood")->isVisible() && s.box->isVisible());
    }

    void escOrStopEndsABatchAfterTheCurrentItem() {
        for (const bool esc : {true, false}) { // Esc, Stop
            DeriveScreen s(smallModel(std::vector<std::string>(50, "pip  pip")));
            auto* stop = s.find<QPushButton>(s.derive, "btnStop");
            // Clicks come to the window, as the system delivers them, and go on from there.
            const auto clickAt = [&s](QWidget* widget, QPoint at) {
                QTest::mouseClick(s.derive.windowHandle(), Qt::LeftButton, {},
                                  widget->mapTo(&s.derive, at));
            };
            QTimer::singleShot(0, &s.derive, [&] {
                QMenuBar* bar = s.derive.menuBar(); // a click on Home is held back
                QAction* home = s.derive.findChild<QAction*>(u"mnuHome"_s);
                clickAt(bar, bar->actionGeometry(home).center());
                esc ? QTest::keyClick(&s.derive, Qt::Key_Escape)
                    : clickAt(stop, stop->rect().center());
            });
            s.program.runBatch();
            QCOMPARE(s.label("lblPercentDone"), u"Stopped after 1 of 50 items."_s);
            QCOMPARE(s.showing(), QList<Screen*>{&s.derive});
            QCOMPARE(s.label("lblGood"), u"Good:  1"_s);
            QVERIFY(!stop->isVisible() && s.dialogs.texts.isEmpty());
        }
    }

    void aCopiedEtymonOrANewlyChosenModelClearsTheStages() {
        DeriveScreen s(smallModel({"kak  kak", "tak  tak"}));
        QTest::keyClicks(s.box, u"pa\r"_s);
        s.program.editVocabulary();
        s.find<QListWidget>(s.home(), "lstVocab")->setCurrentRow(1);
        s.home().mnuCopyEtymon_Click();
        QCOMPARE(s.showing(), QList<Screen*>{&s.derive});
        QCOMPARE(s.box->text(), u"tak"_s);
        QCOMPARE(s.derive.focusWidget(), s.box);
        QVERIFY(s.ruleNames().isEmpty());
        QTest::keyClick(s.box, Qt::Key_Return);
        QCOMPARE(s.ruleNames().first(), u"Etymon:"_s);
        s.writeModel(u"other"_s, smallModel());
        s.home().chooseModel(u"other"_s);
        QVERIFY(s.ruleNames().isEmpty() && s.box->text().isEmpty());
    }

    void scrollButtonsShowOnlyForALongDerivation() {
        Lines stages{"P PERS", "RAISE", "ODD"}; // thirty more, alternately long and short
        for (int i = 0; i < 30; ++i)
            stages.push_back(i % 2 ? "SHORT" : "LONG");
        DeriveScreen s(smallModel()
                           .rule("LONG", {"+syll (*)"}, {"+long (*)"})
                           .rule("SHORT", {"+syll (*)"}, {"-long (*)"})
                           .diachronic(stages));
        auto* down = s.find<QPushButton>(s.derive, "btnScroll1");
        QTest::keyClicks(s.box, u"pa\r"_s);
        QVERIFY(down->isVisible() && s.find<QPushButton>(s.derive, "btnScroll0")->isVisible());
        QTest::mouseClick(s.find<QPushButton>(s.derive, "btnClear"), Qt::LeftButton);
        QVERIFY(s.ruleNames().isEmpty() && !down->isVisible());
        s.box->setText(u"k"_s);
        QTest::keyClick(s.box, Qt::Key_Return); // k: no rule changes it
        QCOMPARE(s.ruleNames(), (QStringList{"Etymon:", "End"}));
        QVERIFY(!down->isVisible());
    }

    // The reflex mode reads a reflex and runs the Reflex Order.
    void theReflexModeRunsTheReflexOrder() {
        DeriveScreen s(smallModel(), &Program::runReflex);
        QCOMPARE(s.derive.caption(), u"Model \"demo\", Interactive Mode, Reflex Rules"_s);
        QCOMPARE(s.box->text(), u"Type reflex here"_s);
        QTest::keyClicks(s.box, u"tad\r"_s);
        QCOMPARE(s.ruleNames(), QStringList{"Reflex"});
        QCOMPARE(s.cells().last()->text(), u"t"_s); // DEVOICE
    }
};

static RegisterTest<DeriveTest> registerDeriveTest;

} // namespace tarnel

#include "DeriveTest.moc"
