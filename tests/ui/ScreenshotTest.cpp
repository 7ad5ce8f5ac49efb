// SPDX-License-Identifier: GPL-3.0-or-later
// Renders what the user sees on every screen to PNG files under build/screens/, so that
// anyone can look at them; fails if a screen cannot be rendered.
#include "Harness.h"
#include "Tests.h"
#include "ui/shared/Shared.h"

#include <QTest>

namespace tarnel {

class ScreenshotTest : public QObject {
    Q_OBJECT
private slots:
    void everyScreen() {
        Harness h;
        shoot(h.home(), QStringLiteral("home-about"));
        Model model = sampleModel({"mater  madre", "pater  padre", "oculum  ojo"});
        model.notes = "A small Latin to Spanish model.\r\nSecond line of notes.";
        model.lst1Rule = {{"Apocope \xAB...\xBB", "A:  +syll (-1) \xAB...\xBB",
                           "1:  DELETE (-1) \xAB...\xBB", "END:  Apocope"},
                          // A rule with every kind of line, for the rule editor's picture.
                          {"Vowel_Raising \xAB raise a vowel before a high one \xBB",
                           "A:  B or C \xAB either condition \xBB",
                           "B:  COUNT +syll (*) (-1) > 1 \xAB not the last vowel \xBB",
                           "C:  +syll (*) +high (*+1) -cons (*+1) \xAB before a high vowel \xBB",
                           "D:  voice (*) = voice (*+1) \xAB...\xBB",
                           "1:  +high (*) -low (*) \xAB raise \xBB",
                           "2:  nas (*) = nas (*+1) \xAB nasal harmony \xBB",
                           "3:  INSERT e (*+1) \xAB...\xBB", "4:  SWAP (*) (*-1) \xAB...\xBB",
                           "5:  DELETE (-1) \xAB...\xBB", "END:  Vowel_Raising"}};
        model.lstSupply = {"Apocope", "Vowel_Raising"};
        model.lstDiacOrd = {"Apocope"};
        model.lstM = model.lstP = {""};
        h.writeModel(QStringLiteral("latin"), model);
        h.home().buildModelMenu();
        h.home().chooseModel(QStringLiteral("latin"));
        h.home().showVocabulary();
        shoot(h.home(), QStringLiteral("home-model"));

        const Screens& s = h.program.screens();
        const QList<std::pair<void (Program::*)(), Screen*>> screens = {
            {&Program::runInteractive, s.derive},
            {&Program::editRules, s.order},
            {&Program::editEtymonAlphabet, s.inAlph},
            {&Program::editReflexAlphabet, s.reflAlph},
            {&Program::viewOutputAlphabet, s.outAlph}};
        for (const auto& [go, screen] : screens) {
            (h.program.*go)();
            QCOMPARE(h.showing(), QList<Screen*>{screen}); // exactly one screen at a time
            shoot(*screen,
                  QString::fromLatin1(screen->metaObject()->className()).section(u':', -1));
        }

        h.program.editRules();
        s.order->showHelp(helpText(helpWithHelp()));
        shoot(*s.order, QStringLiteral("frmOrder-help"));
        s.ed1Rule->editRule("Vowel_Raising");
        shoot(*s.ed1Rule, QStringLiteral("frmEd1Rule"));
        h.program.goHome();
        h.home().mnuNew_Click();
        shoot(h.home(), QStringLiteral("home-new"));
    }
};

static RegisterTest<ScreenshotTest> registerScreenshotTest;

} // namespace tarnel

#include "ScreenshotTest.moc"
