// The Model menu: new, choose, save, save as, delete; and the quit prompt.
#include "Harness.h"
#include "Tests.h"
#include "ui/Form1.h"
#include "ui/Shared.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>

Q_DECLARE_METATYPE(tarnel::Answer)

namespace tarnel {

namespace {

QByteArray fileBytes(const Harness& h, const QString& name) {
    QFile file(QDir(h.dir.path()).filePath(name + QStringLiteral(".tnl")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList modelEntries(Harness& h) {
    QStringList names;
    const QList<QAction*> entries = h.find<QMenu>(h.home(), "mnuModelChoice")->actions();
    for (qsizetype i = 6; i < entries.size(); ++i) {
        names.append(entries[i]->text());
    }
    return names;
}

// A Harness with models "alpha" (vocabulary "ab  ba") and "beta" on disk, "alpha" loaded.
struct TwoModels : Harness {
    TwoModels() {
        writeModel(QStringLiteral("alpha"), sampleModel({"ab  ba"}));
        writeModel(QStringLiteral("beta"), sampleModel({"cd  dc"}));
        home().buildModelMenu();
        home().chooseModel(QStringLiteral("alpha"));
    }
    void typeNotes(const QString& text) {
        typeText(find<QPlainTextEdit>(home(), "txtNotes"), text);
    }
};

} // namespace

class ModelMenuTest : public QObject {
    Q_OBJECT
private slots:
    void newModelNameFollowsTheKeyRules() {
        Harness h;
        h.writeModel(QStringLiteral("taken"), sampleModel());
        h.home().mnuNew_Click();
        QCOMPARE(h.home().windowTitle(), QStringLiteral("Creating New Model"));
        auto* name = h.find<QLineEdit>(h.home(), "txtModelName");
        QVERIFY(name->isVisible());

        QTest::keyClicks(name, QStringLiteral(" a-b"));
        QCOMPARE(name->text(), QStringLiteral("ab")); // blank refused while empty, "-" refused
        QTest::keyClick(name, Qt::Key_Return);
        QCOMPARE(h.dialogs.last(),
                 QStringLiteral("Model name must be at least three characters long."));

        QTest::keyClicks(name, QStringLiteral("cdefghijklmnopqrstu"));
        QCOMPARE(name->text().size(), 21);
        QTest::keyClick(name, Qt::Key_Return); // replaced by Backspace
        QCOMPARE(h.dialogs.last(), QStringLiteral("Maximum name length = 20"));
        QCOMPARE(name->text(), QStringLiteral("abcdefghijklmnopqrst"));
        QVERIFY(!h.modelExists(name->text()));

        name->setText(QStringLiteral("tak"));
        QTest::keyClicks(name, QStringLiteral("en"));
        QTest::keyClick(name, Qt::Key_Return);
        QCOMPARE(h.dialogs.last(), QStringLiteral("A model named taken already exists. Click "
                                                  "\"Save\" if you want to replace it."));

        h.home().showHelp(h.home().aboutText()); // help open: each key still counts once
        QTest::keyClicks(name, QStringLiteral(" two"));
        QTest::keyClick(name, Qt::Key_Return);
        QVERIFY(h.modelExists(QStringLiteral("taken_two")));
        QCOMPARE(h.ctx().model.modelName, std::string("taken_two"));
        QCOMPARE(h.home().windowTitle(), QStringLiteral("Model \"taken_two\""));
        QVERIFY(!h.ctx().model.unsavedChanges);
        QVERIFY(!name->isVisible());
        QCOMPARE(h.ctx().model.lstCol.size(), std::size_t{26});
        QCOMPARE(modelEntries(h),
                 QStringList({QStringLiteral("taken"), QStringLiteral("taken_two")}));
        QCOMPARE(h.dialogs.unscripted, 0);
    }

    void choosingWithUnsavedChangesAndCancelChangesNothing() {
        TwoModels h;
        h.typeNotes(QStringLiteral("note"));
        QVERIFY(h.ctx().model.unsavedChanges);
        h.dialogs.answer(Answer::Cancel);
        h.home().chooseModel(QStringLiteral("beta"));
        QCOMPARE(h.dialogs.last(), QStringLiteral("Save model \"alpha\"?"));
        QCOMPARE(h.ctx().model.modelName, std::string("alpha"));
        QCOMPARE(h.ctx().model.notes, std::string("note"));
        QVERIFY(h.ctx().model.unsavedChanges);
        QVERIFY(!fileBytes(h, QStringLiteral("alpha")).contains("note"));
    }

    void choosingWithYesSavesThenLoads() {
        TwoModels h;
        h.typeNotes(QStringLiteral("kept"));
        h.dialogs.answer(Answer::Yes);
        h.home().chooseModel(QStringLiteral("beta"));
        QVERIFY(fileBytes(h, QStringLiteral("alpha")).contains("kept"));
        QCOMPARE(h.ctx().model.modelName, std::string("beta"));
        QCOMPARE(h.ctx().model.lstVocab, std::vector<std::string>{"cd  dc"});
        QCOMPARE(h.home().windowTitle(), QStringLiteral("Model \"beta\""));
        QVERIFY(!h.ctx().model.unsavedChanges);
    }

    void aModelWithOrderEntriesEnablesRunEverywhere() {
        TwoModels h;
        QVERIFY(!h.home().runMenu()->isEnabled());
        Model ordered = sampleModel();
        ordered.lstReflOrd = {"Devoice"};
        h.writeModel(QStringLiteral("ordered"), ordered);
        h.home().chooseModel(QStringLiteral("ordered"));
        for (Screen* screen : h.program.screens().all()) {
            QMenu* run = screen->runMenu();
            QVERIFY(run == nullptr ? screen == h.program.screens().ed1Rule : run->isEnabled());
        }
    }

    void aDamagedFileIsReportedAndTheModelKept() {
        TwoModels h;
        QFile bad(QDir(h.dir.path()).filePath(QStringLiteral("bad.tnl")));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("\xA7"
                  "1_NAME:");
        bad.close();
        h.home().chooseModel(QStringLiteral("bad"));
        QVERIFY(h.dialogs.last().startsWith(QStringLiteral("Model \"bad\" could not be loaded:")));
        QCOMPARE(h.ctx().model.modelName, std::string("alpha"));
        QCOMPARE(h.ctx().model.lstVocab, std::vector<std::string>{"ab  ba"});
    }

    void saveAsLeavesTheOldFile() {
        TwoModels h;
        const QByteArray before = fileBytes(h, QStringLiteral("alpha"));
        h.typeNotes(QStringLiteral("new notes"));
        h.home().mnuSaveAs_Click();
        QTest::keyClicks(h.find<QLineEdit>(h.home(), "txtModelName"), QStringLiteral("gamma"));
        QTest::keyClick(h.find<QLineEdit>(h.home(), "txtModelName"), Qt::Key_Return);
        QCOMPARE(fileBytes(h, QStringLiteral("alpha")), before);
        QVERIFY(fileBytes(h, QStringLiteral("gamma")).contains("new notes"));
        QCOMPARE(h.ctx().model.modelName, std::string("gamma"));
    }

    void deletingTheLoadedModelKeepsItInMemory() {
        TwoModels h;
        h.home().mnuDelete_Click();
        QCOMPARE(h.home().windowTitle(), QStringLiteral("Choose a Model to Delete"));
        h.dialogs.answer(Answer::Cancel);
        h.home().File1_Click(QStringLiteral("alpha.tnl"));
        QVERIFY(h.modelExists(QStringLiteral("alpha")));

        h.home().mnuDelete_Click();
        h.dialogs.answer(Answer::Ok);
        h.home().File1_Click(QStringLiteral("alpha.tnl"));
        QCOMPARE(h.dialogs.last(),
                 QStringLiteral("WARNING!  Deleting is forever.\r\nModel "
                                "'alpha' will not be recoverable.\r\nClick "
                                "'OK' to delete, or 'Cancel' to keep the model."));
        QVERIFY(!h.modelExists(QStringLiteral("alpha")));
        QCOMPARE(modelEntries(h), QStringList{QStringLiteral("beta")});
        QCOMPARE(h.ctx().model.lstVocab, std::vector<std::string>{"ab  ba"});
        h.home().mnuSave_Click();
        QVERIFY(h.modelExists(QStringLiteral("alpha")));
    }

    void aFailedSaveSaysSoAndKeepsTheChanges() {
        TwoModels h;
        QVERIFY(QDir(h.dir.path()).mkdir(QStringLiteral("blocked.tnl")));
        h.ctx().model.modelName = "blocked";
        h.typeNotes(QStringLiteral("x"));
        h.home().mnuSave_Click();
        QVERIFY(
            h.dialogs.last().startsWith(QStringLiteral("Model \"blocked\" could not be saved:")));
        QVERIFY(h.ctx().model.unsavedChanges);
        QCOMPARE(h.ctx().model.notes, std::string("x"));
    }

    void notesTakeEveryKeyAndRefuseWhatCannotBeStored() {
        TwoModels h;
        h.typeNotes(QStringLiteral("ca\u014B\u00E9"));
        QCOMPARE(h.ctx().model.notes, std::string("ca\xE9"));
        QVERIFY(h.ctx().model.unsavedChanges);
        h.typeNotes(QStringLiteral("\nb"));
        QCOMPARE(h.ctx().model.notes, std::string("ca\xE9\r\nb"));
    }

    void quitPrompt_data() {
        QTest::addColumn<bool>("unsaved");
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<int>("questions");
        QTest::addColumn<bool>("quits");
        QTest::addColumn<bool>("saved");
        using L = QList<Answer>;
        QTest::newRow("clean, No") << false << L{Answer::No} << 1 << false << false;
        QTest::newRow("clean, Yes") << false << L{Answer::Yes} << 1 << true << false;
        QTest::newRow("unsaved, Yes, Cancel")
            << true << L{Answer::Yes, Answer::Cancel} << 2 << false << false;
        QTest::newRow("unsaved, Yes, No")
            << true << L{Answer::Yes, Answer::No} << 2 << true << false;
        QTest::newRow("unsaved, Yes, Yes")
            << true << L{Answer::Yes, Answer::Yes} << 2 << true << true;
    }

    void quitPrompt() {
        QFETCH(bool, unsaved);
        QFETCH(QList<Answer>, answers);
        TwoModels h;
        if (unsaved) {
            h.typeNotes(QStringLiteral("late"));
        }
        const qsizetype before = h.dialogs.texts.size();
        for (Answer answer : answers) {
            h.dialogs.answer(answer);
        }
        h.find<QAction>(h.home(), "mnuExit")->trigger();
        const QStringList asked = h.dialogs.texts.mid(before);
        QTEST(static_cast<int>(asked.size()), "questions");
        QCOMPARE(asked.first(), QStringLiteral("Do you want to quit the program?"));
        if (asked.size() == 2) {
            QCOMPARE(asked[1], QStringLiteral("Save model \"alpha\"?\r\n  • 'Yes' to save and "
                                              "quit\r\n  • 'No' to quit without saving\r\n  • "
                                              "'Cancel' to continue editing"));
        }
        QTEST(h.quits == 1, "quits");
        QTEST(fileBytes(h, QStringLiteral("alpha")).contains("late"), "saved");
        if (unsaved) {
            QCOMPARE(h.ctx().model.notes, std::string("late"));
        }
        QCOMPARE(h.ctx().model.modelName, std::string("alpha"));
    }
};

static RegisterTest<ModelMenuTest> registerModelMenuTest;

} // namespace tarnel

#include "ModelMenuTest.moc"
