// Renders what the user sees on every screen to PNG files under build/screens/, so that
// anyone can look at them; fails if a screen cannot be rendered.
#include "Harness.h"
#include "Tests.h"
#include "ui/AlphabetEditorView.h"
#include "ui/OutputAlphabetView.h"
#include "ui/Shared.h"

#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
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
        std::vector<std::string> rule = {"Vowel_Raising",
                                         "A:  B or C",
                                         "B:  COUNT +syll (*) (-1) > 1",
                                         "C:  +syll (*) +high (*+1) -cons (*+1)",
                                         "D:  voice (*) = voice (*+1)",
                                         "1:  +high (*) -low (*)",
                                         "2:  nas (*) = nas (*+1)",
                                         "3:  INSERT e (*+1)",
                                         "4:  SWAP (*) (*-1)",
                                         "5:  DELETE (-1)"};
        for (std::string& line : rule)
            line += " \xAB...\xBB";
        rule.push_back("END:  Vowel_Raising");
        model.lst1Rule = {rule};
        model.lstSupply = model.lstDiacOrd = {"Vowel_Raising"};
        model.lstM = model.lstP = {""};
        h.writeModel(QStringLiteral("latin"), model);
        h.home().buildModelMenu();
        h.home().chooseModel(QStringLiteral("latin"));
        h.home().showVocabulary();
        shoot(h.home(), QStringLiteral("home-model"));

        const Screens& s = h.program.screens();
        const QList<std::pair<void (*)(Context&), Screen*>> screens = {
            {runInteractive, s.derive},
            {editRules, s.order},
            {editEtymonAlphabet, s.inAlph},
            {editReflexAlphabet, s.reflAlph},
            {viewOutputAlphabet, s.outAlph}};
        for (const auto& [go, screen] : screens) {
            go(h.ctx());
            QCOMPARE(h.showing(), QList<Screen*>{screen}); // exactly one screen at a time
            shoot(*screen,
                  QString::fromLatin1(screen->metaObject()->className()).section(u':', -1));
        }
        QTest::mouseMove(s.outAlph->body->lblIPA[2]);
        QTRY_VERIFY(s.outAlph->body->lblDescribe->text().startsWith(QStringLiteral("Script")));
        shoot(*s.outAlph, QStringLiteral("frmOutAlph-described"));

        editEtymonAlphabet(h.ctx());
        s.inAlph->body->lstCol->setCurrentCell(0, 3);
        QTest::keyClick(s.inAlph->body->lstCol, Qt::Key_Insert);
        shoot(*s.inAlph, QStringLiteral("frmInAlph-new-character"));
        QTest::keyClick(s.inAlph->body->txtNewChar, Qt::Key_Escape);
        h.dialogs.answer(Answer::No); // leaving the alphabet editor: drop the changes

        editRules(h.ctx());
        s.order->showHelp(helpText(helpWithHelp()));
        shoot(*s.order, QStringLiteral("frmOrder-help"));
        s.ed1Rule->editRule("Vowel_Raising");
        QCOMPARE(ruleButtons(*s.ed1Rule).size(), 59); // a button for every element
        shoot(*s.ed1Rule, QStringLiteral("frmEd1Rule"));
        goHome(h.ctx());
        h.home().mnuNew_Click();
        shoot(h.home(), QStringLiteral("home-new"));
    }
};

static RegisterTest<ScreenshotTest> registerScreenshotTest;

} // namespace tarnel

#include "ScreenshotTest.moc"
