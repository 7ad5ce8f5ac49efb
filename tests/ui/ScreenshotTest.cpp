// Renders what the user sees on every screen to PNG files under build/screens/, so that
// anyone can look at them; fails if a screen cannot be rendered.
#include "Harness.h"
#include "Tests.h"
#include "ui/Form1.h"
#include "ui/Shared.h"

#include <QDir>
#include <QTest>

namespace tarnel {

namespace {

void shoot(Screen& screen, const QString& name) {
    QVERIFY(screen.isVisible());
    QVERIFY(QDir().mkpath(QStringLiteral(TARNEL_SCREENS_DIR)));
    const QString path = QDir(QStringLiteral(TARNEL_SCREENS_DIR)).filePath(name + ".png");
    QVERIFY2(screen.grab().save(path), qPrintable(path));
}

} // namespace

class ScreenshotTest : public QObject {
    Q_OBJECT
private slots:
    void everyScreen() {
        Harness h;
        shoot(h.home(), QStringLiteral("home-about"));

        Model model = sampleModel({"mater  madre", "pater  padre", "oculum  ojo"});
        model.notes = "A small Latin to Spanish model.\r\nSecond line of notes.";
        model.lstDiacOrd = {"Lenition"};
        h.writeModel(QStringLiteral("latin"), model);
        h.home().buildModelMenu();
        h.home().chooseModel(QStringLiteral("latin"));
        h.home().showVocabulary();
        shoot(h.home(), QStringLiteral("home-model"));
        h.home().mnuNew_Click();
        shoot(h.home(), QStringLiteral("home-new"));

        const Screens& s = h.program.screens();
        const QList<std::pair<void (*)(Context&), Screen*>> screens = {
            {runInteractive, s.derive},
            {editRules, s.order},
            {editEtymonAlphabet, s.inAlph},
            {editReflexAlphabet, s.reflAlph},
            {viewOutputAlphabet, s.outAlph}};
        for (const auto& [go, screen] : screens) {
            go(h.ctx());
            shoot(*screen,
                  QString::fromLatin1(screen->metaObject()->className()).section(u':', -1));
        }
        s.ed1Rule->show();
        shoot(*s.ed1Rule, QStringLiteral("frmEd1Rule"));
        s.order->show();
        s.order->showHelp(helpText(helpWithHelp()));
        shoot(*s.order, QStringLiteral("frmOrder-help"));
    }
};

static RegisterTest<ScreenshotTest> registerScreenshotTest;

} // namespace tarnel

#include "ScreenshotTest.moc"
