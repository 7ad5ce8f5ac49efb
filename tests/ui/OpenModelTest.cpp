// SPDX-License-Identifier: GPL-3.0-or-later
// Model > Open... and a model file given to the program: what the home screen shows of a model
// kept outside the model folder.
#include "Harness.h"
#include "Tests.h"
#include "model/ModelFile.h"

#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTest>

namespace tarnel {

namespace {

QAction* modelMenuEntry(Harness& h, const QString& text) {
    for (QAction* action : h.find<QMenu>(h.home(), "mnuModelChoice")->actions())
        if (action->text() == text)
            return action;
    return nullptr;
}

// A folder "papers" in a home folder of its own, holding the model "latin".
struct Papers {
    Papers() : papers(QDir(home.path()).filePath(QStringLiteral("papers"))) {
        QDir().mkpath(papers);
        QVERIFY(writeModelFile(sampleModel({"pater  padre"}),
                               QFile::encodeName(latin()).toStdString()));
        oldHome = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(home.path()));
    }
    ~Papers() { qputenv("HOME", oldHome); }
    QString latin() const { return QDir(papers).filePath(QStringLiteral("latin.tnl")); }

    QTemporaryDir home;
    QString papers;
    QByteArray oldHome;
};

} // namespace

class OpenModelTest : public QObject {
    Q_OBJECT
private slots:
    void openShowsAModelFromElsewhereWithItsFolder() {
        Harness h;
        Papers p;
        h.dialogs.chooseFile(p.latin());
        modelMenuEntry(h, QStringLiteral("Open..."))->trigger();
        QCOMPARE(h.dialogs.texts, QStringList{QStringLiteral("Open Model")});
        QCOMPARE(h.home().caption(), QStringLiteral("Model \"latin\" in ~/papers"));
        QVERIFY(!h.home().helpShowing());
        QVERIFY(modelMenuEntry(h, QStringLiteral("Save"))->isEnabled());
        QVERIFY(modelMenuEntry(h, QStringLiteral("latin")) == nullptr); // not a folder model

        // Cancelling the file dialog leaves everything as it was, without a question.
        h.ctx().session.markNotesTyped();
        modelMenuEntry(h, QStringLiteral("Open..."))->trigger();
        QCOMPARE(h.dialogs.unscripted, 1); // only the dialog, cancelled
        QCOMPARE(h.home().caption(), QStringLiteral("Model \"latin\" in ~/papers"));
    }

    void aModelGivenAtStartOpensOverTheAboutText() {
        Harness h;
        h.writeModel(QStringLiteral("alpha"), sampleModel({"ab  ba"}));
        h.program.start(QDir(h.dir.path()).filePath(QStringLiteral("alpha.tnl")));
        QCOMPARE(h.home().caption(), QStringLiteral("Model \"alpha\"")); // a folder model
        QVERIFY(!h.home().helpShowing());
        QVERIFY(h.dialogs.texts.isEmpty());
        h.program.start(QDir(h.dir.path()).filePath(QStringLiteral("missing.tnl")));
        QVERIFY(
            h.dialogs.last().startsWith(QStringLiteral("Model \"missing\" could not be loaded:")));
        QCOMPARE(h.home().caption(), QStringLiteral("Model \"alpha\""));
    }
};

static RegisterTest<OpenModelTest> registerOpenModelTest;

} // namespace tarnel

#include "OpenModelTest.moc"
