// Start-up, navigation, help window and the quit prompt.
#include "Harness.h"
#include "Tests.h"
#include "ui/Form1.h"
#include "ui/Shared.h"
#include "ui/frmDerive.h"
#include "ui/frmInAlph.h"
#include "ui/frmOrder.h"
#include "ui/frmOutAlph.h"
#include "ui/frmReflAlph.h"

#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>

namespace tarnel {

namespace {

QStringList captions(const QMenu& menu) {
    QStringList texts;
    for (const QAction* action : menu.actions()) {
        texts.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return texts;
}

} // namespace

class ShellTest : public QObject {
    Q_OBJECT
private slots:
    void startUpShowsTheAboutTextOverTheHomeScreen() {
        Harness h;
        QCOMPARE(h.showing(), QList<Screen*>{&h.home()});
        QVERIFY(h.home().helpShowing());
        QCOMPARE(h.home().helpText(), h.home().aboutText());
        QVERIFY(h.home().aboutText().startsWith(QStringLiteral("About Tarnel:\r\n   • Welcome")));
        QVERIFY(h.home().aboutText().contains(QStringLiteral("fonts-sil-doulos")));
        QVERIFY(!h.home().runMenu()->isEnabled());
    }

    void modelMenuListsTheFirst21Files() {
        Harness h;
        for (int i = 25; i >= 1; --i) {
            h.touchModel(QStringLiteral("m%1").arg(i, 2, 10, QChar(u'0')));
        }
        h.home().buildModelMenu();
        auto* menu = h.find<QMenu>(h.home(), "mnuModelChoice");
        QStringList expected = {
            QStringLiteral("New"), QStringLiteral("Save"),           QStringLiteral("Save As..."),
            QStringLiteral("-"),   QStringLiteral("Delete a Model"), QStringLiteral("-")};
        for (int i = 1; i <= 21; ++i) {
            expected.append(QStringLiteral("m%1").arg(i, 2, 10, QChar(u'0')));
        }
        QCOMPARE(captions(*menu), expected);
        h.home().buildModelMenu(); // rebuilding replaces, never adds
        QCOMPARE(captions(*menu), expected);
    }

    void helpTopicIsReplacedAndClosedByAClick() {
        Harness h;
        Screen& order = *h.program.screens().order;
        goHome(h.ctx());
        editRules(h.ctx());
        QCOMPARE(h.showing(), QList<Screen*>{&order});
        auto* help = h.find<QMenu>(order, "mnuHelp");
        help->actions().first()->trigger();
        QVERIFY(order.helpShowing());
        QVERIFY(order.helpText().startsWith(QStringLiteral("Help with Help:\r\n    • Each")));

        h.home().show();
        h.find<QMenu>(h.home(), "mnuHelp")->actions().last()->trigger();
        QCOMPARE(h.home().helpText(), h.home().aboutText());
        h.find<QMenu>(h.home(), "mnuHelp")->actions().first()->trigger();
        QVERIFY(h.home().helpText().startsWith(QStringLiteral("Help with Help:")));
        QTest::mouseClick(h.home().centralWidget(), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!h.home().helpShowing());
    }

    void batchWarnsAbove300Items_data() {
        QTest::addColumn<int>("items");
        QTest::addColumn<int>("questions");
        QTest::newRow("300") << 300 << 0;
        QTest::newRow("301") << 301 << 1;
    }

    void batchWarnsAbove300Items() {
        QFETCH(int, items);
        Harness h;
        h.ctx().model.lstVocab.assign(static_cast<std::size_t>(items), "a  a");
        h.dialogs.answer(Answer::Cancel);
        runBatch(h.ctx());
        QTEST(static_cast<int>(h.dialogs.texts.size()), "questions");
        Screen* expected =
            items > 300 ? static_cast<Screen*>(&h.home()) : h.program.screens().derive;
        QCOMPARE(h.showing(), QList<Screen*>{expected});
    }

    void navigationShowsExactlyOneScreen() {
        Harness h;
        Screens& s = h.program.screens();
        const QList<std::pair<void (*)(Context&), Screen*>> moves = {
            {editRules, s.order},           {viewOutputAlphabet, s.outAlph},
            {editEtymonAlphabet, s.inAlph}, {editReflexAlphabet, s.reflAlph},
            {runInteractive, s.derive},     {editVocabulary, s.form1},
            {runBatch, s.derive},           {goHome, s.form1}};
        for (const auto& [move, target] : moves) {
            move(h.ctx());
            QCOMPARE(h.showing(), QList<Screen*>{target});
        }
    }
};

static RegisterTest<ShellTest> registerShellTest;

} // namespace tarnel

#include "ShellTest.moc"
