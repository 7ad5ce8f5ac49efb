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
        typeText(box, QStringLiteral("pɛs pes"));
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(h.dialogs.texts.size(), 1); // the offer of a column
        QCOMPARE(h.model().lstVocab, (std::vector<std::string>{"pata  pada", "pEs  pes"}));
        QVERIFY(!box->isVisible());

        h.find<QListWidget>(h.home(), "lstVocab")->setCurrentRow(1);
        h.home().mnuEditItem_Click();
        QCOMPARE(box->text(), QStringLiteral("pɛs  pes"));
        ipa->setChecked(false); // the open box shows the alphabet's characters
        QCOMPARE(box->text(), QStringLiteral("pEs  pes"));
        QCOMPARE(h.dialogs.unscripted, 0);
    }

    void anImportedListInIpaOffersItsUnknownSymbols() {
        Harness h;
        h.load(test::ModelBuilder());
        h.home().showVocabulary();
        h.find<QCheckBox>(h.home(), "chkVocabIpa")->setChecked(true);
        h.dialogs.chooseFile(
            h.writeFile(QStringLiteral("list.csv"), "etymon,reflex\npɛs,pes\npaʃ,pa\n"));
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
        typeText(box, QStringLiteral("pɔ"));
        QTest::keyClick(box, Qt::Key_Return); // No: nothing is added, nothing derived
        QCOMPARE(h.model().lstCol.size(), 26u);
        QVERIFY(labelTexts(derive, "lblOutput").isEmpty());
        h.dialogs.answer(Answer::Yes);
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(labelTexts(derive, "lblOutput"), (QStringList{"p", "ɔ"}));
        QCOMPARE(box->text(), QStringLiteral("pɔ"));
    }

    void alphabetColumnsAreMadeFromIpa() {
        Harness h;
        h.load(test::ModelBuilder());
        h.program.editEtymonAlphabet();
        AlphabetEditorView& view = *h.program.screens().inAlph->body;
        const auto head = [&](int column) {
            return view.lstCol->item(0, column)->data(Qt::UserRole).toString();
        };
        QCOMPARE(head(6), QStringLiteral("ɡ"));
        view.lstCol->setCurrentCell(0, 0);
        view.ipaPanel->txtIpaSymbol->setText(QStringLiteral("ʃʷ"));
        QTest::mouseClick(view.ipaPanel->btnIpaColumn, Qt::LeftButton);
        QCOMPARE(view.txtNewChar->text(), QStringLiteral("S")); // proposed
        QTest::keyClick(view.txtNewChar, Qt::Key_Return);
        QCOMPARE(h.model().lstCol[1].front(), 'S');
        QCOMPARE(view.lstCol->item(0, 1)->text(), QStringLiteral("S"));
        QCOMPARE(head(1), QStringLiteral("ʃʷ"));

        view.ipaPanel->txtIpaSymbol->setText(QStringLiteral("ɖ͡ʐ"));
        QTest::mouseClick(view.ipaPanel->btnIpaColumn, Qt::LeftButton);
        QVERIFY(h.dialogs.last().startsWith(QStringLiteral("No feature values show as")));
        QCOMPARE(h.model().lstCol.size(), 27u);
    }
};

static RegisterTest<IpaScreensTest> registerIpaScreensTest;

} // namespace tarnel

#include "IpaScreensTest.moc"
