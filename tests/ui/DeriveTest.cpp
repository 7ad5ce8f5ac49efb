// The derivation screen: interactive, reflex and batch runs, the word box and the display.
#include "Harness.h"
#include "Tests.h"
#include "ui/Form1.h"
#include "ui/Shared.h"
#include "ui/frmDerive.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace tarnel {

namespace {

using Rule = std::vector<std::string>;

Rule rule(const std::string& name, std::vector<std::string> ifs, std::vector<std::string> thens) {
    Rule lines = {name + " \xab...\xbb"};
    char label = 'A';
    for (const std::string& body : ifs)
        lines.push_back(std::string(1, label++) + ":  " + body + " \xab...\xbb");
    char number = '1';
    for (const std::string& body : thens)
        lines.push_back(std::string(1, number++) + ":  " + body + " \xab...\xbb");
    lines.push_back("END:  " + name);
    return lines;
}

// RAISE makes a t palatal (blue), PERS (persistent, above RAISE) then lengthens it, ODD
// turns a vowel into a sound no symbol fits (red).
Model smallModel(std::vector<std::string> vocab = {}) {
    Model model = sampleModel(std::move(vocab));
    model.lst1Rule = {rule("RAISE", {"+cor (*) -cont (*)"}, {"+high (*)"}),
                      rule("PERS", {"+high (*) +cor (*)"}, {"+long (*)"}),
                      rule("ODD", {"+syll (*) +low (*)"}, {"+cons (*) +obstr (*) +cont (*)"}),
                      rule("DEVOICE", {"+voice (-1)"}, {"-voice (-1)"})};
    model.lstSupply = {"DEVOICE", "ODD", "PERS", "RAISE"};
    model.lstDiacOrd = {"PERS", "RAISE", "ODD"};
    model.lstP = {"P", "", ""};
    model.lstM = {"", "", ""};
    model.lstReflOrd = {"DEVOICE"};
    return model;
}

struct Screen_ {
    explicit Screen_(Harness& h, const Model& model = smallModel()) : h(h) {
        h.writeModel(QStringLiteral("demo"), model);
        h.home().chooseModel(QStringLiteral("demo"));
        derive = h.ctx().screens.derive;
        box = h.find<QLineEdit>(*derive, "txtEtymon");
    }
    Harness& h;
    frmDerive* derive = nullptr;
    QLineEdit* box = nullptr;

    QStringList ruleNames() const {
        QStringList names;
        for (const QLabel* label : derive->findChildren<QLabel*>(QStringLiteral("lblRulNam")))
            names.append(label->text());
        return names;
    }
    QList<QLabel*> cells() const {
        return derive->findChildren<QLabel*>(QStringLiteral("lblOutput"));
    }
    void type(const QString& text) { QTest::keyClicks(box, text); }
    QString label(const char* name) const { return h.find<QLabel>(*derive, name)->text(); }
    QString list(const char* name) const {
        return h.find<QPlainTextEdit>(*derive, name)->toPlainText();
    }
};

QColor colourOf(const QLabel* cell) {
    return cell->palette().color(QPalette::WindowText);
}

const QColor black(0, 0, 0), blue(0, 0, 255), red(255, 0, 0);

} // namespace

class DeriveTest : public QObject {
    Q_OBJECT
private slots:
    void interactiveDerivationShowsEveryStageInColour() {
        Harness h;
        Screen_ s(h);
        runInteractive(h.ctx());
        QVERIFY(s.derive->isVisible());
        QCOMPARE(s.derive->windowTitle(),
                 QStringLiteral("Model \"demo\", Interactive Mode, Diachronic Derivation"));
        QCOMPARE(s.box->text(), QStringLiteral("Type etymon here"));
        QCOMPARE(s.derive->focusWidget(), s.box);
        s.type(QStringLiteral("tak"));
        QCOMPARE(s.box->text(), QStringLiteral("tak"));
        QTest::mouseClick(s.h.find<QPushButton>(*s.derive, "btnDerive"), Qt::LeftButton);
        QCOMPARE(s.ruleNames(), (QStringList{"Etymon:", "RAISE", "P-PERS", "ODD", "End"}));
        const QList<QLabel*> cells = s.cells();
        QCOMPARE(cells.size(), 12); // three segments in each of four stages; End has none
        QCOMPARE(cells[0]->text(), QStringLiteral("t"));
        QCOMPARE(colourOf(cells[0]), black);
        QCOMPARE(colourOf(cells[3]), blue);               // RAISE: palatal t
        QCOMPARE(cells[3]->text(), QStringLiteral("tʲ")); // shown through the IPA map
        QCOMPARE(cells[6]->text(), QStringLiteral("tːʲ"));
        QCOMPARE(colourOf(cells[10]), red); // ODD: the vowel fits no symbol
        QCOMPARE(colourOf(cells[11]), black);
        QCOMPARE(h.dialogs.texts, QStringList());
    }

    void pointerOverABlueCellShowsItsFeaturesAndTheBackgroundHidesThem() {
        Harness h;
        Screen_ s(h);
        runInteractive(h.ctx());
        s.derive->resize(900, 600);
        QVERIFY(QTest::qWaitForWindowExposed(s.derive));
        s.type(QStringLiteral("tak\r"));
        auto* offFeats = h.find<QLabel>(*s.derive, "lblOffFeats");
        QLabel* blueCell = s.cells()[3];
        QTest::mouseMove(blueCell);
        QTRY_VERIFY(offFeats->isVisible());
        QCOMPARE(offFeats->text(), QStringLiteral(" +high "));
        QTest::mouseMove(s.cells()[0]); // black: nothing to show
        QTRY_VERIFY(!offFeats->isVisible());
        QTest::mouseMove(s.cells()[10]);
        QTRY_VERIFY(offFeats->isVisible());
        QVERIFY(offFeats->text().startsWith(QStringLiteral("  "))); // red: the text starts blank
        QWidget* view = s.cells()[0]->parentWidget()->parentWidget();
        QTest::mouseMove(view, QPoint(view->width() - 5, view->height() - 5));
        QTRY_VERIFY(!offFeats->isVisible());
    }

    void wordBoxRefusesKeys_data() {
        QTest::addColumn<bool>("reflex");
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("text");
        const QString twenty(20, QChar('a'));
        QTest::newRow("caps lock")
            << false << "ab" << int('A') << "Did you forget to release \"Caps Lock\"?"
            << "ab";
        QTest::newRow("space in etymon")
            << false << "ab" << int(' ') << "Space not allowed in etymon."
            << "ab";
        QTest::newRow("space in reflex")
            << true << "ab" << int(' ') << "Space not allowed in reflex."
            << "ab";
        QTest::newRow("missing in etymon")
            << false << "ab" << int('1') << "Character\"1\"not found in Etymon Alphabet."
            << "ab";
        QTest::newRow("missing in reflex")
            << true << "ab" << int('1') << "Character not in Reflex Alphabet."
            << "ab";
        QTest::newRow("twenty refuse a letter")
            << false << twenty << int('a') << "Maximum word length is 20." << twenty;
        QTest::newRow("twenty refuse Backspace")
            << false << twenty << int(Qt::Key_Backspace) << "Maximum word length is 20." << twenty;
        QTest::newRow("prompt removed first")
            << false << "" << int('1') << "Character\"1\"not found in Etymon Alphabet."
            << "";
    }

    void wordBoxRefusesKeys() {
        QFETCH(bool, reflex);
        QFETCH(QString, start);
        QFETCH(int, key);
        QFETCH(QString, message);
        QFETCH(QString, text);
        Harness h;
        Screen_ s(h);
        reflex ? runReflex(h.ctx()) : runInteractive(h.ctx());
        s.type(start);
        if (key == Qt::Key_Backspace)
            QTest::keyClick(s.box, Qt::Key_Backspace);
        else
            QTest::keyClick(s.box, char(key));
        QCOMPARE(h.dialogs.texts, QStringList{message});
        QCOMPARE(s.box->text(), text);
    }

    void deleteStillWorksAtTwentyCharacters() {
        Harness h;
        Screen_ s(h);
        runInteractive(h.ctx());
        s.type(QString(20, QChar('a')));
        QTest::keyClick(s.box, Qt::Key_Home);
        QTest::keyClick(s.box, Qt::Key_Delete);
        QCOMPARE(s.box->text(), QString(19, QChar('a')));
        QCOMPARE(h.dialogs.texts, QStringList());
    }

    void deriveOnThePromptOrABlankAsksForAWord_data() {
        QTest::addColumn<bool>("enter");
        QTest::newRow("button") << false;
        QTest::newRow("Enter") << true;
    }

    void deriveOnThePromptOrABlankAsksForAWord() {
        QFETCH(bool, enter);
        Harness h;
        Screen_ s(h);
        runReflex(h.ctx());
        QCOMPARE(s.box->text(), QStringLiteral("Type reflex here"));
        if (enter)
            QTest::keyClick(s.box, Qt::Key_Return);
        else
            s.derive->btnDerive_Click();
        QCOMPARE(h.dialogs.texts, QStringList{"Type a word in the box."});
        QVERIFY(s.ruleNames().isEmpty());
    }

    void reflexModeShowsTheReflexOrder() {
        Harness h;
        Screen_ s(h);
        runReflex(h.ctx());
        QCOMPARE(s.derive->windowTitle(),
                 QStringLiteral("Model \"demo\", Interactive Mode, Reflex Rules"));
        s.type(QStringLiteral("tad\r"));
        QCOMPARE(s.ruleNames(), QStringList{"Reflex"});
        QCOMPARE(s.cells().last()->text(), QStringLiteral("t")); // DEVOICE
    }

    void pasteIsCutAtItsFirstBlank() {
        Harness h;
        Screen_ s(h);
        runInteractive(h.ctx());
        QApplication::clipboard()->setText(QStringLiteral("pa ter"));
        QTest::keyClick(s.box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(h.dialogs.texts, QStringList{"Space not allowed in etymon."});
        QCOMPARE(s.box->text(), QStringLiteral("pa"));
    }

    void pastedMissingCharacterIsReportedByTheEncoderAndStillDerived() {
        Harness h;
        Screen_ s(h);
        runInteractive(h.ctx());
        QApplication::clipboard()->setText(QStringLiteral("t1k"));
        QTest::keyClick(s.box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(s.box->text(), QStringLiteral("t1k"));
        QTest::keyClick(s.box, Qt::Key_Return);
        QCOMPARE(h.dialogs.texts,
                 QStringList{"Character 1\" not found in etymon alphabet.\r\nResults for t1k\" "
                             "not reliable."});
        QCOMPARE(s.ruleNames().first(), QStringLiteral("Etymon:"));
        QCOMPARE(s.ruleNames().last(), QStringLiteral("End"));
    }

    void batchListsCountsAndProgress() {
        Harness h;
        Screen_ s(h, smallModel({"kik  kik", "pip  pip", "tik  tik"}));
        runBatch(h.ctx());
        QCOMPARE(s.derive->windowTitle(), QStringLiteral("Model \"demo\", Batch Mode"));
        QVERIFY(!s.box->isVisible());
        QCOMPARE(s.list("txtGood"), QStringLiteral("kik > kik\npip > pip"));
        QCOMPARE(s.list("txtBad"), QStringLiteral("tik > tik:  seg.#1, high"));
        QCOMPARE(s.label("lblGood"), QStringLiteral("Good:  2"));
        QCOMPARE(s.label("lblBad"), QStringLiteral("Bad:  1"));
        QCOMPARE(s.label("lblPercentDone"), QStringLiteral("100% done"));
        QVERIFY(h.find<QPlainTextEdit>(*s.derive, "txtGood")->isReadOnly());

        runBatch(h.ctx()); // a second run starts from empty lists
        QCOMPARE(s.label("lblGood"), QStringLiteral("Good:  2"));
        runInteractive(h.ctx()); // the word modes hide the results
        QVERIFY(!h.find<QLabel>(*s.derive, "lblGood")->isVisible());
        QVERIFY(s.box->isVisible());
    }

    void largeVocabularyIsWarnedAbout_data() {
        QTest::addColumn<int>("items");
        QTest::addColumn<bool>("warned");
        QTest::addColumn<bool>("cancel");
        QTest::newRow("300") << 300 << false << false;
        QTest::newRow("301 OK") << 301 << true << false;
        QTest::newRow("301 Cancel") << 301 << true << true;
    }

    void largeVocabularyIsWarnedAbout() {
        QFETCH(int, items);
        QFETCH(bool, warned);
        QFETCH(bool, cancel);
        Harness h;
        Screen_ s(h, smallModel(std::vector<std::string>(std::size_t(items), "pip  pip")));
        h.dialogs.answer(cancel ? Answer::Cancel : Answer::Ok);
        runBatch(h.ctx());
        QCOMPARE(h.dialogs.texts.size(), warned ? 1 : 0);
        if (warned)
            QVERIFY(h.dialogs.texts[0].startsWith(QStringLiteral("Because of the large")));
        QCOMPARE(s.derive->isVisible(), !cancel);
        QCOMPARE(s.label("lblGood"),
                 cancel ? QStringLiteral("Good:  0") : QStringLiteral("Good:  %1").arg(items));
    }

    void copyEtymonLandsInTheWordBox() {
        Harness h;
        Screen_ s(h, smallModel({"kak  kak", "tak  tak"}));
        runInteractive(h.ctx());
        s.type(QStringLiteral("pa\r"));
        editVocabulary(h.ctx());
        h.find<QListWidget>(h.home(), "lstVocab")->setCurrentRow(1);
        h.home().mnuCopyEtymon_Click();
        QVERIFY(s.derive->isVisible());
        QCOMPARE(s.box->text(), QStringLiteral("tak"));
        QCOMPARE(s.derive->focusWidget(), s.box);
        QVERIFY(s.ruleNames().isEmpty());
        QTest::keyClick(s.box, Qt::Key_Return);
        QCOMPARE(s.ruleNames().first(), QStringLiteral("Etymon:"));
    }

    void newlyChosenModelResetsTheScreen() {
        Harness h;
        Screen_ s(h);
        runInteractive(h.ctx());
        s.type(QStringLiteral("tak\r"));
        QVERIFY(!s.ruleNames().isEmpty());
        h.writeModel(QStringLiteral("other"), smallModel());
        h.home().chooseModel(QStringLiteral("other"));
        QVERIFY(s.ruleNames().isEmpty());
        QCOMPARE(s.box->text(), QString());
    }

    void scrollButtonsShowOnlyForALongDerivation() {
        Model model = smallModel();
        for (int i = 0; i < 30; ++i) {
            const std::string name = "FLIP" + std::to_string(i);
            model.lst1Rule.push_back(
                rule(name, {"+syll (*)"}, {i % 2 == 0 ? "+long (*)" : "-long (*)"}));
            model.lstDiacOrd.push_back(name);
            model.lstSupply.push_back(name);
            model.lstP.push_back("");
            model.lstM.push_back("");
        }
        Harness h;
        Screen_ s(h, model);
        runInteractive(h.ctx());
        s.derive->resize(900, 500);
        auto* down = h.find<QPushButton>(*s.derive, "btnScroll1");
        s.type(QStringLiteral("pa\r"));
        QVERIFY(down->isVisible());
        QVERIFY(h.find<QPushButton>(*s.derive, "btnScroll0")->isVisible());
        QTest::mouseClick(h.find<QPushButton>(*s.derive, "btnClear"), Qt::LeftButton);
        QVERIFY(s.ruleNames().isEmpty());
        QVERIFY(!down->isVisible());
        s.box->setText(QStringLiteral("k"));
        QTest::keyClick(s.box, Qt::Key_Return); // k: no rule changes it
        QCOMPARE(s.ruleNames(), (QStringList{"Etymon:", "End"}));
        QVERIFY(!down->isVisible());
    }

    // Renders the screen in each mode under build/screens/ for anyone to look at.
    void screenshots() {
        Harness h;
        Screen_ s(h, smallModel({"kik  kik", "pip  pip", "tik  tik", "tak  tak"}));
        runInteractive(h.ctx());
        s.derive->resize(900, 520);
        QVERIFY(QTest::qWaitForWindowExposed(s.derive));
        s.type(QStringLiteral("tak\r"));
        QTest::mouseMove(s.cells()[3]);
        QTRY_VERIFY(h.find<QLabel>(*s.derive, "lblOffFeats")->isVisible());
        shoot(*s.derive, QStringLiteral("frmDerive-interactive"));
        runReflex(h.ctx());
        shoot(*s.derive, QStringLiteral("frmDerive-reflex-prompt"));
        s.type(QStringLiteral("tad\r"));
        shoot(*s.derive, QStringLiteral("frmDerive-reflex"));
        runBatch(h.ctx());
        shoot(*s.derive, QStringLiteral("frmDerive-batch"));
    }

    void helpMenuHasTheFourTopics() {
        Harness h;
        Screen_ s(h);
        QStringList titles;
        for (QAction* menu : s.derive->menuBar()->actions())
            if (menu->text() == QStringLiteral("&Help"))
                for (QAction* topic : menu->menu()->actions())
                    if (!topic->isSeparator())
                        titles.append(topic->text());
        QCOMPARE(titles,
                 (QStringList{"Help with Help", "Interactive Derivation", "Batch Derivation",
                              "Reading Batch Results", "Testing Reflex Rules"}));
    }
};

static RegisterTest<DeriveTest> registerDeriveTest;

} // namespace tarnel

#include "DeriveTest.moc"
