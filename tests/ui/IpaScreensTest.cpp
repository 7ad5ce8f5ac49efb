// SPDX-License-Identifier: GPL-3.0-or-later
// What the screens show of IPA: the IPA boxes of the Vocabulary and the word box with their
// offer to add an unknown symbol, and the alphabet editor's columns made from IPA.
#include "Harness.h"
#include "Tests.h"
#include "support/ModelBuilder.h"
#include "ui/alphabets/AlphabetEditorView.h"
#include "ui/alphabets/IpaColumnPanel.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

namespace tarnel {

class IpaScreensTest : public QObject {
    Q_OBJECT
private slots:
    void vocabularyPairsAreTypedInIpa() {
        Harness h;
        h.load(test::ModelBuilder().vocabulary({"pata  pada"}));
        h.home().showVocabulary();
        auto* ipa = h.find<QCheckBox>(h.home(), "chkVocabIpa");
        auto* box = h.find<QLineEdit>(h.home(), "txtVocab");
        QVERIFY(ipa->isVisible());
        ipa->setChecked(true);
        h.home().mnuAddItem_Click();
        h.dialogs.answer(Answer::Yes);
        typeText(box, u"pɛs pes\n"_s);
        QCOMPARE(h.dialogs.texts.size(), 1); // the offer of a column
        QCOMPARE(h.model().lstVocab, (std::vector<std::string>{"pata  pada", "pEs  pes"}));
        QVERIFY(!box->isVisible());

        h.find<QListWidget>(h.home(), "lstVocab")->setCurrentRow(1);
        h.home().mnuEditItem_Click();
        QCOMPARE(box->text(), u"pɛs  pes"_s);
        ipa->setChecked(false); // the open box shows the alphabet's characters
        QCOMPARE(box->text(), u"pEs  pes"_s);
        QCOMPARE(h.dialogs.unscripted, 0);
    }

    void anImportedListInIpaOffersItsUnknownSymbols() {
        Harness h;
        h.load(test::ModelBuilder());
        h.home().showVocabulary();
        h.find<QCheckBox>(h.home(), "chkVocabIpa")->setChecked(true);
        h.dialogs.chooseFile(h.writeFile(u"list.csv"_s, "etymon,reflex\npɛs,pes\npaʃ,pa\n"));
        h.dialogs.answer(Answer::Yes); // ɛ
        h.dialogs.answer(Answer::No);  // ʃ
        h.dialogs.choice(0);           // the first row is a header
        h.home().mnuImportVocabulary_Click();
        QCOMPARE(h.model().lstVocab, (std::vector<std::string>{"pEs  pes"}));
        QCOMPARE(h.dialogs.unscripted, 0);
    }

    void theWordBoxTakesIpa() {
        Harness h;
        h.load(test::ModelBuilder());
        h.program.runInteractive();
        frmDerive& derive = *h.program.screens().derive;
        auto* box = h.find<QLineEdit>(derive, "txtEtymon");
        h.find<QCheckBox>(derive, "chkIpa")->setChecked(true);
        typeText(box, u"pɔ\n"_s); // No: nothing is added, nothing derived
        QCOMPARE(h.model().lstCol.size(), 26u);
        QVERIFY(labelTexts(derive, "lblOutput").isEmpty());
        h.dialogs.answer(Answer::Yes);
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(labelTexts(derive, "lblOutput"), (QStringList{"p", "ɔ"}));
        QCOMPARE(box->text(), u"pɔ"_s);
    }

    void alphabetColumnsAreMadeFromIpa() {
        Harness h;
        h.load(test::ModelBuilder());
        h.program.editEtymonAlphabet();
        AlphabetEditorView& view = *h.program.screens().inAlph->body;
        const auto head = [&](int column) {
            return view.lstCol->item(0, column)->data(Qt::UserRole).toString();
        };
        QCOMPARE(head(6), u"ɡ"_s);
        view.lstCol->setCurrentCell(0, 0);
        view.ipaPanel->txtIpaSymbol->setText(u"ʃʷ"_s);
        QTest::mouseClick(view.ipaPanel->btnIpaColumn, Qt::LeftButton);
        QCOMPARE(view.txtNewChar->text(), u"S"_s); // proposed
        QTest::keyClick(view.txtNewChar, Qt::Key_Return);
        QCOMPARE(h.model().lstCol[1].front(), 'S');
        QCOMPARE(std::pair(view.lstCol->item(0, 1)->text(), head(1)), std::pair(u"S"_s, u"ʃʷ"_s));

        view.ipaPanel->txtIpaSymbol->setText(u"ɖ͡ʐ"_s);
        QTest::mouseClick(view.ipaPanel->btnIpaColumn, Qt::LeftButton);
        QVERIFY(h.dialogs.last().startsWith(u"No feature values show as"_s));
        QCOMPARE(h.model().lstCol.size(), 27u);
    }
};

static RegisterTest<IpaScreensTest> registerIpaScreensTest;

} // namespace tarnel

#include "IpaScreensTest.moc"
