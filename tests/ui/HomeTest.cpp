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
        texts.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

// Models "alpha" (vocabulary "ab  ba", loaded) and "beta" ("cd  dc", with a Reflex Order).
struct TwoModels : Harness {
    TwoModels() {
        writeModel(QStringLiteral("alpha"), ModelBuilder().vocabulary({"ab  ba"}));
        writeModel(QStringLiteral("beta"),
                   ModelBuilder().reflexOrder({"Devoice"}).vocabulary({"cd  dc"}));
        home().buildModelMenu();
        home().chooseModel(QStringLiteral("alpha"));
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
        QVERIFY(h.home().aboutText().startsWith(QStringLiteral("About Tarnel:\r\n   • Welcome")));
        QVERIFY(h.home().aboutText().contains(QStringLiteral("fonts-sil-doulos")));
        QVERIFY(!h.home().runMenu()->isEnabled());
        QTest::mouseClick(h.home().centralWidget(), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!h.home().helpShowing());
        h.find<QMenu>(h.home(), "mnuHelp")->actions().first()->trigger();
        QVERIFY(h.home().helpText().startsWith(QStringLiteral("Help with Help:\r\n    • Each")));
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
        QVERIFY(h.home().windowTitle().endsWith(QStringLiteral("[*]")));
        QVERIFY(!h.home().isWindowModified());
        h.typeNotes(QStringLiteral("ca\u014B\u00E9\nb"));
        QCOMPARE(h.model().notes, std::string("ca\xE9\r\nb"));
        QVERIFY(h.home().isWindowModified());
        QVERIFY(h.program.screens().derive->isWindowModified());
        QTest::keyClick(notes, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(notes->toPlainText(), QString());
        QCOMPARE(h.model().notes, std::string());
        QTest::keyClick(notes, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(notes->toPlainText(), QStringLiteral("ca\u00E9\nb"));
        QVERIFY(h.ctx().session.save());
        QVERIFY(!h.home().isWindowModified());
    }

    void modelMenuListsTheFirst21Files() {
        Harness h;
        for (int i = 25; i >= 1; --i)
            h.touchModel(QStringLiteral("m%1").arg(i, 2, 10, QChar(u'0')));
        h.home().buildModelMenu();
        QStringList expected = {"New", "Open...", "Save", "Save As...", "-", "Delete a Model", "-"};
        for (int i = 1; i <= 21; ++i)
            expected.append(QStringLiteral("m%1").arg(i, 2, 10, QChar(u'0')));
        auto* menu = h.find<QMenu>(h.home(), "mnuModelChoice");
        QCOMPARE(captions(*menu), expected);
        h.home().buildModelMenu(); // rebuilding replaces, never adds
        QCOMPARE(captions(*menu), expected);
    }

    void aNewModelIsNamedInItsBox() {
        TwoModels h;
        h.home().mnuNew_Click();
        QCOMPARE(h.home().caption(), QStringLiteral("Creating New Model"));
        auto* name = h.find<QLineEdit>(h.home(), "txtModelName");
        QVERIFY(name->isVisible());
        name->setText(QStringLiteral("alp"));
        QTest::keyClicks(name, QStringLiteral("ha"));
        QTest::keyClick(name, Qt::Key_Return);
        QCOMPARE(h.dialogs.last(), QStringLiteral("A model named alpha already exists. Click "
                                                  "\"Save\" if you want to replace it."));
        h.home().showHelp(h.home().aboutText()); // help open: each key still counts once
        QTest::keyClicks(name, QStringLiteral(" two"));
        QTest::keyClick(name, Qt::Key_Return);
        QVERIFY(h.modelExists(QStringLiteral("alpha_two")));
        QCOMPARE(h.home().caption(), QStringLiteral("Model \"alpha_two\""));
        QVERIFY(!h.ctx().session.unsavedChanges());
        QVERIFY(!name->isVisible());
        QCOMPARE(h.modelEntries(), QStringList({"alpha", "alpha_two", "beta"}));
        QCOMPARE(h.dialogs.unscripted, 0);
    }

    void saveAfterAlreadyExistsReplacesThatModel() {
        for (const bool saveAs : {false, true}) { // after New, after Save As
            TwoModels h;
            const QByteArray alpha = h.fileBytes(QStringLiteral("alpha.tnl"));
            if (saveAs) {
                h.typeNotes(QStringLiteral("kept"));
                h.home().mnuSaveAs_Click();
            } else {
                h.home().mnuNew_Click();
            }
            auto* name = h.find<QLineEdit>(h.home(), "txtModelName");
            QTest::keyClicks(name, QStringLiteral("beta\r"));
            QVERIFY(
                h.dialogs.last().startsWith(QStringLiteral("A model named beta already exists.")));
            QAction* save = h.find<QMenu>(h.home(), "mnuModelChoice")->actions()[2];
            QVERIFY(save->isEnabled());
            save->trigger();
            QCOMPARE(h.dialogs.last(), QStringLiteral("Model \"beta\" has been saved."));
            QCOMPARE(h.home().caption(), QStringLiteral("Model \"beta\""));
            QVERIFY(!name->isVisible() && !h.ctx().session.unsavedChanges());
            const QByteArray file = h.fileBytes(QStringLiteral("beta.tnl"));
            QVERIFY(!file.contains("cd  dc"));
            QCOMPARE(file.contains("kept") && file.contains("ab  ba"), saveAs);
            QCOMPARE(h.fileBytes(QStringLiteral("alpha.tnl")), alpha); // Save As leaves it
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
        QTest::keyClicks(fresh.find<QLineEdit>(fresh.home(), "txtModelName"),
                         QStringLiteral("gamma\r"));
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
            h.typeNotes(QStringLiteral("note"));
            h.dialogs.answer(answer);
            h.home().chooseModel(QStringLiteral("beta"));
            QStringList asked{QStringLiteral("Save model \"alpha\"?")};
            if (answer == Answer::Yes)
                asked.append(QStringLiteral("Model \"alpha\" has been saved."));
            QCOMPARE(h.dialogs.texts, asked);
            QCOMPARE(h.fileBytes(QStringLiteral("alpha.tnl")).contains("note"),
                     answer == Answer::Yes);
            QCOMPARE(h.model().lstVocab, Items{loaded ? "cd  dc" : "ab  ba"});
            QCOMPARE(h.model().notes, std::string(loaded ? "" : "note"));
            QCOMPARE(h.ctx().session.unsavedChanges(), !loaded);
            QCOMPARE(h.home().caption(),
                     loaded ? QStringLiteral("Model \"beta\"") : QStringLiteral("Model \"alpha\""));
            for (Screen* screen : h.program.screens().all()) // beta has an order: Run is on
                QVERIFY(!screen->runMenu() || screen->runMenu()->isEnabled() == loaded);
        }
    }

    void whatALoadLeftOutIsListedInOneBox() {
        TwoModels h;
        QByteArray text = h.fileBytes(QStringLiteral("beta.tnl"));
        text.replace("Diachronic_Order\r\n\r\n", "Diachronic_Order\r\n\r\n2:\r\n3 \xA7\r\n");
        QVERIFY(!h.writeFile(QStringLiteral("beta.tnl"), text).isEmpty());
        const qsizetype shown = h.dialogs.texts.size();
        h.home().chooseModel(QStringLiteral("beta"));
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
        QVERIFY(QFile::remove(QDir(h.dir.path()).filePath(QStringLiteral("alpha.tnl"))));
        QVERIFY(QDir(h.dir.path()).mkdir(QStringLiteral("alpha.tnl")));
        h.typeNotes(QStringLiteral("x"));
        h.home().mnuSave_Click();
        QVERIFY(h.dialogs.last().startsWith(QStringLiteral("Model \"alpha\" could not be saved:")));
        QVERIFY(h.ctx().session.unsavedChanges());
        QCOMPARE(h.model().notes, std::string("x"));
    }

    void deletingTheLoadedModelKeepsItInMemory() {
        TwoModels h;
        h.home().mnuDelete_Click();
        QCOMPARE(h.home().caption(), QStringLiteral("Choose a Model to Delete"));
        h.dialogs.answer(Answer::Cancel);
        h.home().File1_Click(QStringLiteral("alpha.tnl"));
        QVERIFY(h.modelExists(QStringLiteral("alpha")));
        QCOMPARE(h.home().caption(), QStringLiteral("Model \"alpha\""));

        h.home().mnuDelete_Click();
        h.dialogs.answer(Answer::Ok);
        h.home().File1_Click(QStringLiteral("alpha.tnl"));
        QCOMPARE(h.dialogs.last(),
                 QStringLiteral("WARNING!  Deleting is forever.\r\nModel "
                                "'alpha' will not be recoverable.\r\nClick "
                                "'OK' to delete, or 'Cancel' to keep the model."));
        QVERIFY(!h.modelExists(QStringLiteral("alpha")));
        QCOMPARE(h.modelEntries(), QStringList{QStringLiteral("beta")});
        QCOMPARE(h.model().lstVocab, Items{"ab  ba"});
    }

    void savingClosesTheNameBoxAndRefreshesTheFileList() {
        TwoModels h;
        auto* name = h.find<QLineEdit>(h.home(), "txtModelName");
        auto* files = h.find<QListWidget>(h.home(), "File1");
        h.home().mnuDelete_Click();
        h.dialogs.answer(Answer::Ok);
        h.home().File1_Click(QStringLiteral("alpha.tnl"));
        QCOMPARE(h.home().caption(), QStringLiteral("Model \"alpha\"")); // gone with the list
        h.home().mnuDelete_Click();
        h.home().mnuSaveAs_Click();
        QVERIFY(files->isVisible() && name->isVisible());
        QCOMPARE(files->count(), 1);

        h.home().showHelp(h.home().aboutText());
        h.home().mnuSave_Click();
        QVERIFY(!h.home().helpShowing());
        QCOMPARE(h.dialogs.last(), QStringLiteral("Model \"alpha\" has been saved."));
        QVERIFY(!name->isVisible());
        QVERIFY(files->isVisible());
        QCOMPARE(files->count(), 2);
        QCOMPARE(files->item(0)->text(), QStringLiteral("alpha.tnl"));
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
                h.typeNotes(QStringLiteral("late"));
            for (Answer answer : answers)
                h.dialogs.answer(answer);
            h.find<QAction>(h.home(), "mnuExit")->trigger();
            QStringList asked = {QStringLiteral("Do you want to quit the program?")};
            if (unsaved)
                asked.append(
                    QStringLiteral("Save model \"alpha\"?\r\n  • 'Yes' to save and quit\r\n  "
                                   "• 'No' to quit without saving\r\n  • 'Cancel' to "
                                   "continue editing"));
            if (saved)
                asked.append(QStringLiteral("Model \"alpha\" has been saved."));
            QCOMPARE(h.dialogs.texts, asked);
            QCOMPARE(h.quits, int(answers[0] == Answer::Yes && answers.back() != Answer::Cancel));
            QCOMPARE(h.fileBytes(QStringLiteral("alpha.tnl")).contains("late"), saved);
            QCOMPARE(h.model().notes, std::string(unsaved ? "late" : ""));
        }
    }
};

static RegisterTest<HomeTest> registerHomeTest;

} // namespace tarnel

#include "HomeTest.moc"
