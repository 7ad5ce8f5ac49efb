// SPDX-License-Identifier: GPL-3.0-or-later
// The home screen: start-up, help, navigation, the Model menu and the quit prompt.
#include "Harness.h"
#include "Tests.h"
#include "ui/shared/Shared.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>

namespace tarnel {

namespace {

using Items = std::vector<std::string>;

QStringList captions(const QMenu& menu, qsizetype from = 0) {
    QStringList texts;
    for (const QAction* action : menu.actions().mid(from))
        texts.append(action->isSeparator() ? u"-"_s : action->text());
    return texts;
}

// Models "alpha" (vocabulary "ab  ba", loaded) and "beta" ("cd  dc", with a Reflex Order).
struct TwoModels : Harness {
    TwoModels() {
        writeModel(u"alpha"_s, ModelBuilder().vocabulary({"ab  ba"}));
        writeModel(u"beta"_s, ModelBuilder().reflexOrder({"Devoice"}).vocabulary({"cd  dc"}));
        home().buildModelMenu();
        home().chooseModel(u"alpha"_s);
    }
    void typeNotes(const QString& text) {
        typeText(find<QPlainTextEdit>(home(), "txtNotes"), text);
    }
    QStringList modelEntries() { return captions(*find<QMenu>(home(), "mnuModelChoice"), 7); }
};

} // namespace

class HomeTest : public QObject {
    Q_OBJECT
private slots:
    void startUpShowsTheAboutTextOverTheHomeScreen() {
        Harness h;
        QCOMPARE(h.showing(), QList<Screen*>{&h.home()});
        QVERIFY(h.home().helpShowing());
        QCOMPARE(h.home().helpText(), h.home().aboutText());
        QVERIFY(h.home().aboutText().startsWith(u"About Tarnel:\r\n   • Welcome"_s));
        QVERIFY(h.home().aboutText().contains(u"fonts-sil-doulos"_s));
        QVERIFY(!h.home().runMenu()->isEnabled());
        QTest::mouseClick(h.home().centralWidget(), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!h.home().helpShowing());
        h.find<QMenu>(h.home(), "mnuHelp")->actions().first()->trigger();
        QVERIFY(h.home().helpText().startsWith(u"Help with Help:\r\n    • Each"_s));
    }

    // Cancel on the long-run warning keeps the user where he was (a short run is not asked:
    // see the batch tests of the derivation screen).
    void cancelBeforeALongRunStaysHome() {
        Harness h;
        h.load(ModelBuilder()
                   .rule("R", {"+cons (*)"}, {"+voice (*)"})
                   .diachronic(Lines(600, "R"))
                   .vocabulary(Lines(20'000, "a  a")));
        h.dialogs.answer(Answer::Cancel);
        h.program.runBatch();
        QCOMPARE(h.dialogs.texts.size(), 1);
        QCOMPARE(h.showing(), QList<Screen*>{&h.home()});
    }

    // Typed notes go into the model (a line break as CR LF, what a file cannot hold refused),
    // the title marks the change as desktop programs do, and the keys undo the model.
    void notesAreTypedIntoTheModelAndUndoneByTheKeys() {
        TwoModels h;
        QApplication::setActiveWindow(&h.home()); // shortcuts go to the window being typed in
        auto* notes = h.find<QPlainTextEdit>(h.home(), "txtNotes");
        notes->setFocus();
        QVERIFY(h.home().windowTitle().endsWith(u"[*]"_s) && !h.home().isWindowModified());
        h.typeNotes(u"ca\u014B\u00E9\nb"_s);
        QCOMPARE(h.model().notes, std::string("ca\xE9\r\nb"));
        QVERIFY(h.home().isWindowModified() && h.program.screens().derive->isWindowModified());
        QTest::keyClick(notes, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(notes->toPlainText().isEmpty() && h.model().notes.empty());
        QTest::keyClick(notes, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(notes->toPlainText(), u"ca\u00E9\nb"_s);
        QVERIFY(h.ctx().session.save() && !h.home().isWindowModified());
    }

    void modelMenuListsTheFirst21Files() {
        Harness h;
        for (int i = 25; i >= 1; --i)
            h.touchModel(u"m%1"_s.arg(i, 2, 10, QChar(u'0')));
        h.home().buildModelMenu();
        QStringList expected = {"New", "Open...", "Save", "Save As...", "-", "Delete a Model", "-"};
        for (int i = 1; i <= 21; ++i)
            expected.append(u"m%1"_s.arg(i, 2, 10, QChar(u'0')));
        QCOMPARE(captions(*h.find<QMenu>(h.home(), "mnuModelChoice")), expected);
        h.home().buildModelMenu(); // rebuilding replaces, never adds
        QCOMPARE(captions(*h.find<QMenu>(h.home(), "mnuModelChoice")), expected);
    }

    void aNewModelIsNamedInItsBox() {
        TwoModels h;
        h.home().mnuNew_Click();
        QCOMPARE(h.home().caption(), u"Creating New Model"_s);
        auto* name = h.find<QLineEdit>(h.home(), "txtModelName");
        QVERIFY(name->isVisible());
        name->setText(u"alp"_s);
        QTest::keyClicks(name, u"ha\r"_s);
        QCOMPARE(h.dialogs.last(), u"A model named alpha already exists. Click "
                                   "\"Save\" if you want to replace it."_s);
        h.home().showHelp(h.home().aboutText()); // help open: each key still counts once
        QTest::keyClicks(name, u" two\r"_s);
        QCOMPARE(h.home().caption(), u"Model \"alpha_two\""_s);
        QVERIFY(h.modelExists(u"alpha_two"_s) && !h.ctx().session.unsavedChanges() &&
                !name->isVisible());
        QCOMPARE(h.modelEntries(), QStringList({"alpha", "alpha_two", "beta"}));
        QCOMPARE(h.dialogs.unscripted, 0);
    }

    void saveAfterAlreadyExistsReplacesThatModel() {
        for (const bool saveAs : {false, true}) { // after New, after Save As
            TwoModels h;
            const QByteArray alpha = h.fileBytes(u"alpha.tnl"_s);
            if (saveAs)
                h.typeNotes(u"kept"_s);
            saveAs ? h.home().mnuSaveAs_Click() : h.home().mnuNew_Click();
            auto* name = h.find<QLineEdit>(h.home(), "txtModelName");
            QTest::keyClicks(name, u"beta\r"_s);
            QVERIFY(h.dialogs.last().startsWith(u"A model named beta already exists."_s));
            QAction* save = h.find<QMenu>(h.home(), "mnuModelChoice")->actions()[2];
            QVERIFY(save->isEnabled());
            save->trigger();
            QCOMPARE(h.dialogs.last(), u"Model \"beta\" has been saved."_s);
            QCOMPARE(h.home().caption(), u"Model \"beta\""_s);
            QVERIFY(!name->isVisible() && !h.ctx().session.unsavedChanges());
            const QByteArray file = h.fileBytes(u"beta.tnl"_s);
            QVERIFY(!file.contains("cd  dc"));
            QCOMPARE(file.contains("kept") && file.contains("ab  ba"), saveAs);
            QCOMPARE(h.fileBytes(u"alpha.tnl"_s), alpha); // Save As leaves it
        }
    }

    void theEditMenuWaitsForAModel() {
        const auto editable = [](Harness& h) { // on how many screens
            int count = 0;
            for (Screen* screen : h.program.screens().all())
                count += screen->editMenu() && screen->editMenu()->menuAction()->isEnabled();
            return count;
        };
        TwoModels h;
        QCOMPARE(editable(h), 6); // all but the rule editor
        Harness fresh;
        QCOMPARE(editable(fresh), 0);
        fresh.home().mnuNew_Click();
        QCOMPARE(editable(fresh), 0);
        QTest::keyClicks(fresh.find<QLineEdit>(fresh.home(), "txtModelName"), u"gamma\r"_s);
        QCOMPARE(editable(fresh), 6);
    }

    void aScreenTakesThePlaceAndSizeOfTheOneItReplaces() {
        TwoModels h;
        h.home().setGeometry(QRect(40, 50, 900, 600));
        h.program.viewOutputAlphabet();
        Screen* viewer = h.program.screens().outAlph;
        QCOMPARE(viewer->geometry(), QRect(40, 50, 900, 600));
        viewer->showMaximized();
        h.program.editRules();
        QVERIFY(h.program.screens().order->isMaximized());
        h.program.goHome();
        QVERIFY(h.home().isMaximized());
    }

    void choosingAnotherModelAsksToSaveFirst() {
        for (const Answer answer : {Answer::Cancel, Answer::Yes, Answer::No}) {
            const bool loaded = answer != Answer::Cancel;
            TwoModels h;
            h.typeNotes(u"note"_s);
            h.dialogs.answer(answer);
            h.home().chooseModel(u"beta"_s);
            const QStringList asked{"Save model \"alpha\"?", "Model \"alpha\" has been saved."};
            QCOMPARE(h.dialogs.texts, asked.mid(0, answer == Answer::Yes ? 2 : 1));
            QCOMPARE(h.fileBytes(u"alpha.tnl"_s).contains("note"), answer == Answer::Yes);
            QCOMPARE(h.model().lstVocab, Items{loaded ? "cd  dc" : "ab  ba"});
            QCOMPARE(h.model().notes, std::string(loaded ? "" : "note"));
            QCOMPARE(h.ctx().session.unsavedChanges(), !loaded);
            QCOMPARE(h.home().caption(), loaded ? u"Model \"beta\""_s : u"Model \"alpha\""_s);
            for (Screen* screen : h.program.screens().all()) // beta has an order: Run is on
                QVERIFY(!screen->runMenu() || screen->runMenu()->isEnabled() == loaded);
        }
    }

    void whatALoadLeftOutIsListedInOneBox() {
        TwoModels h;
        QByteArray text = h.fileBytes(u"beta.tnl"_s);
        text.replace("Diachronic_Order\r\n\r\n", "Diachronic_Order\r\n\r\n2:\r\n3 \xA7\r\n");
        QVERIFY(!h.writeFile(u"beta.tnl"_s, text).isEmpty());
        const qsizetype shown = h.dialogs.texts.size();
        h.home().chooseModel(u"beta"_s);
        QCOMPARE(h.dialogs.texts.size(), shown + 1);
        QCOMPARE(
            h.dialogs.last(),
            QString::fromUtf8("Line 20: order entry \"2:\" cannot be kept; it was left out.\r\n"
                              "Line 21: order entry \"\xC2\xA7\" cannot be kept; it was left "
                              "out."));
        QCOMPARE(h.model().modelName, std::string("beta"));
    }

    void aFailedSaveSaysSoAndKeepsTheChanges() {
        TwoModels h;
        QVERIFY(QFile::remove(QDir(h.dir.path()).filePath(u"alpha.tnl"_s)));
        QVERIFY(QDir(h.dir.path()).mkdir(u"alpha.tnl"_s));
        h.typeNotes(u"x"_s);
        h.home().mnuSave_Click();
        QVERIFY(h.dialogs.last().startsWith(u"Model \"alpha\" could not be saved:"_s));
        QVERIFY(h.ctx().session.unsavedChanges() && h.model().notes == "x");
    }

    void deletingTheLoadedModelKeepsItInMemory() {
        TwoModels h;
        h.home().mnuDelete_Click();
        QCOMPARE(h.home().caption(), u"Choose a Model to Delete"_s);
        h.dialogs.answer(Answer::Cancel);
        h.home().File1_Click(u"alpha.tnl"_s);
        QVERIFY(h.modelExists(u"alpha"_s));
        QCOMPARE(h.home().caption(), u"Model \"alpha\""_s);

        h.home().mnuDelete_Click();
        h.dialogs.answer(Answer::Ok);
        h.home().File1_Click(u"alpha.tnl"_s);
        QCOMPARE(h.dialogs.last(), u"WARNING!  Deleting is forever.\r\nModel "
                                   "'alpha' will not be recoverable.\r\nClick "
                                   "'OK' to delete, or 'Cancel' to keep the model."_s);
        QVERIFY(!h.modelExists(u"alpha"_s));
        QCOMPARE(h.modelEntries(), QStringList{u"beta"_s});
        QCOMPARE(h.model().lstVocab, Items{"ab  ba"});
    }

    void savingClosesTheNameBoxAndRefreshesTheFileList() {
        TwoModels h;
        auto* name = h.find<QLineEdit>(h.home(), "txtModelName");
        auto* files = h.find<QListWidget>(h.home(), "File1");
        h.home().mnuDelete_Click();
        h.dialogs.answer(Answer::Ok);
        h.home().File1_Click(u"alpha.tnl"_s);
        QCOMPARE(h.home().caption(), u"Model \"alpha\""_s); // gone with the list
        h.home().mnuDelete_Click();
        h.home().mnuSaveAs_Click();
        QVERIFY(files->isVisible() && name->isVisible());
        QCOMPARE(files->count(), 1);

        h.home().showHelp(h.home().aboutText());
        h.home().mnuSave_Click();
        QVERIFY(!h.home().helpShowing());
        QCOMPARE(h.dialogs.last(), u"Model \"alpha\" has been saved."_s);
        QVERIFY(!name->isVisible() && files->isVisible());
        QCOMPARE(rows(files), (QStringList{"alpha.tnl", "beta.tnl"}));
    }

    // Quit? (and, with unsaved changes, save?): each way of answering.
    void quitPrompt() {
        const QList<QList<Answer>> cases = {{Answer::No},
                                            {Answer::Yes},
                                            {Answer::Yes, Answer::Cancel},
                                            {Answer::Yes, Answer::No},
                                            {Answer::Yes, Answer::Yes}};
        for (const QList<Answer>& answers : cases) {
            const bool unsaved = answers.size() == 2, saved = unsaved && answers[1] == Answer::Yes;
            TwoModels h;
            if (unsaved)
                h.typeNotes(u"late"_s);
            for (Answer answer : answers)
                h.dialogs.answer(answer);
            h.find<QAction>(h.home(), "mnuExit")->trigger();
            const QStringList asked = {
                u"Do you want to quit the program?"_s,
                u"Save model \"alpha\"?\r\n  • 'Yes' to save and quit\r\n  • 'No' to quit without "
                "saving\r\n  • 'Cancel' to continue editing"_s,
                u"Model \"alpha\" has been saved."_s};
            // The first question always, the second with unsaved notes, the note if saved.
            QCOMPARE(h.dialogs.texts, asked.mid(0, 1 + unsaved + saved));
            QCOMPARE(h.quits, int(answers[0] == Answer::Yes && answers.back() != Answer::Cancel));
            QCOMPARE(h.fileBytes(u"alpha.tnl"_s).contains("late"), saved);
            QCOMPARE(h.model().notes, std::string(unsaved ? "late" : ""));
        }
    }
};

static RegisterTest<HomeTest> registerHomeTest;

} // namespace tarnel

#include "HomeTest.moc"
