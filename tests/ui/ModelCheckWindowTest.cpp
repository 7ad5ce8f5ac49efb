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
        h.load(damaged, u"damaged"_s);
        ModelCheckWindow* window = h.home().modelCheckWindow();
        QVERIFY(window && window->isVisible() && !window->isModal() && h.home().isVisible());
        const QString text = h.find<QPlainTextEdit>(*window, "txtProblems")->toPlainText();
        QCOMPARE(text.count(u'\n'), 1);
        QVERIFY(text.contains(u"names \"Gone\", which is no rule"_s));

        h.load(test::ModelBuilder().vocabulary({"ata  ada"}), u"clean"_s);
        QVERIFY(!window->isVisible());
    }
};

static RegisterTest<ModelCheckWindowTest> registerModelCheckWindowTest;

} // namespace tarnel

#include "ModelCheckWindowTest.moc"
