// SPDX-License-Identifier: GPL-3.0-or-later
// The Model Check window: beside the screens after a load that found problems, gone after one
// that found none.
#include "ui/home/ModelCheckWindow.h"

#include "Harness.h"
#include "Tests.h"
#include "support/ModelBuilder.h"

#include <QPlainTextEdit>
#include <QTest>

namespace tarnel {

class ModelCheckWindowTest : public QObject {
    Q_OBJECT
private slots:
    void showsTheProblemsOfALoadBesideTheScreensAndNothingForACleanFile() {
        Harness h;
        Model damaged = test::ModelBuilder().vocabulary({"ata  ada"});
        damaged.lstEtyOrd = {"Lost", "Gone"};
        h.load(damaged, QStringLiteral("damaged"));
        ModelCheckWindow* window = h.home().modelCheckWindow();
        QVERIFY(window && window->isVisible() && !window->isModal());
        QVERIFY(h.home().isVisible());
        const QString text = h.find<QPlainTextEdit>(*window, "txtProblems")->toPlainText();
        QCOMPARE(text.count(u'\n'), 1);
        QVERIFY(text.contains(QStringLiteral("names \"Gone\", which is no rule")));

        h.load(test::ModelBuilder().vocabulary({"ata  ada"}), QStringLiteral("clean"));
        QVERIFY(!window->isVisible());
    }
};

static RegisterTest<ModelCheckWindowTest> registerModelCheckWindowTest;

} // namespace tarnel

#include "ModelCheckWindowTest.moc"
