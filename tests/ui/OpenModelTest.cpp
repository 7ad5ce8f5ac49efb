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
    Papers() : papers(QDir(home.path()).filePath(u"papers"_s)) {
        QDir().mkpath(papers);
        QVERIFY(writeModelFile(ModelBuilder().vocabulary({"pater  padre"}),
                               QFile::encodeName(latin()).toStdString()));
        oldHome = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(home.path()));
    }
    ~Papers() { qputenv("HOME", oldHome); }
    QString latin() const { return QDir(papers).filePath(u"latin.tnl"_s); }

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
        modelMenuEntry(h, u"Open..."_s)->trigger();
        QCOMPARE(h.dialogs.texts, QStringList{u"Open Model"_s});
        QCOMPARE(h.home().caption(), u"Model \"latin\" in ~/papers"_s);
        QVERIFY(!h.home().helpShowing() && modelMenuEntry(h, u"Save"_s)->isEnabled());
        QVERIFY(modelMenuEntry(h, u"latin"_s) == nullptr); // not a folder model

        // Cancelling the file dialog leaves everything as it was, without a question.
        h.ctx().session.markNotesTyped();
        modelMenuEntry(h, u"Open..."_s)->trigger();
        QCOMPARE(h.dialogs.unscripted, 1); // only the dialog, cancelled
        QCOMPARE(h.home().caption(), u"Model \"latin\" in ~/papers"_s);
    }

    void aModelGivenAtStartOpensOverTheAboutText() {
        Harness h;
        h.writeModel(u"alpha"_s, ModelBuilder().vocabulary({"ab  ba"}));
        h.program.start(QDir(h.dir.path()).filePath(u"alpha.tnl"_s));
        QCOMPARE(h.home().caption(), u"Model \"alpha\""_s); // a folder model
        QVERIFY(!h.home().helpShowing() && h.dialogs.texts.isEmpty());
        h.program.start(QDir(h.dir.path()).filePath(u"missing.tnl"_s));
        QVERIFY(h.dialogs.last().startsWith(u"Model \"missing\" could not be loaded:"_s));
        QCOMPARE(h.home().caption(), u"Model \"alpha\""_s);
    }
};

static RegisterTest<OpenModelTest> registerOpenModelTest;

} // namespace tarnel

#include "OpenModelTest.moc"
