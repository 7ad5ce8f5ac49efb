// SPDX-License-Identifier: GPL-3.0-or-later
// The filter boxes above the Vocabulary, the Good and Bad lists, the Supply and the orders.
#include "Harness.h"
#include "Tests.h"
#include "support/ModelBuilder.h"
#include "ui/shared/FilterBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>

namespace tarnel {

namespace {

Model filterModel() {
    return test::ModelBuilder()
        .rule("Voicing", {"+cor (*) -cont (*)"}, {"+voice (*)"})
        .rule("Nasal", {"+nas (*)"}, {"+cont (*)"})
        .diachronic({"Nasal", "Voicing", "Nasal"})
        .vocabulary({"apa  apa", "ata  ada", "ata  ata", "Ota  ada"});
}

void typeFilter(QWidget& screen, const char* name, const QString& text) {
    auto* edit = screen.findChild<QLineEdit*>(QString::fromLatin1(name) + u"Text"_s);
    edit->clear();
    QTest::keyClicks(edit, text);
}

QString count(QWidget& screen, const char* name) {
    return screen.findChild<QLabel*>(QString::fromLatin1(name) + u"Count"_s)->text();
}

QList<int> shownRows(const QListWidget* list) {
    QList<int> rows;
    for (int row = 0; row < list->count(); ++row)
        if (!list->isRowHidden(row))
            rows.append(row);
    return rows;
}

QList<int> shownLines(const QPlainTextEdit* text) {
    QList<int> lines;
    for (QTextBlock block = text->document()->begin(); block.isValid(); block = block.next())
        if (block.isVisible())
            lines.append(block.blockNumber());
    return lines;
}

} // namespace

class FilterTest : public QObject {
    Q_OBJECT
private slots:
    void holdsFilter() {
        const std::tuple<QString, QString, bool> cases[] = {
            {"ata  ada", "a  a", true},    // a substring
            {"Ota  ada", "ota", true},     // capitals fold
            {u"tõ"_s, u"o\u0303"_s, true}, // decomposed finds composed
            {"ata  ada", "p", false}};
        for (const auto& [row, filter, holds] : cases)
            QCOMPARE(tarnel::holdsFilter(row, filter), holds);
    }

    void theVocabularyAndTheOrdersShowOnlyWhatHoldsTheFilter() {
        Harness h;
        h.load(filterModel());
        h.program.editVocabulary();
        auto* vocab = h.find<QListWidget>(h.home(), "lstVocab");
        typeFilter(h.home(), "fltVocab", u"ATA"_s);
        QCOMPARE(shownRows(vocab), (QList<int>{1, 2}));
        QCOMPARE(count(h.home(), "fltVocab"), u"2 of 4 shown"_s);
        h.ctx().session.deleteItem(1); // the filter holds over a refill
        QCOMPARE(shownRows(vocab), QList<int>{1});

        h.program.editRules();
        frmOrder& order = *h.program.screens().order;
        typeFilter(order, "fltDiacOrd", u"nas"_s);
        for (const char* name : {"lstDiacOrd", "lstM", "lstP"}) // level with each other
            QCOMPARE(shownRows(h.find<QListWidget>(order, name)), (QList<int>{0, 2}));
        typeFilter(order, "fltDiacOrd", QString());
        QCOMPARE(count(order, "fltDiacOrd"), u"3 shown"_s);
    }

    // Once the run is measured, a line is found by its IPA too.
    void theGoodAndBadListsAreFoundByTextOrIpa() {
        Harness h;
        h.load(filterModel());
        h.program.runBatch();
        frmDerive& derive = *h.program.screens().derive;
        auto* bad = h.find<QPlainTextEdit>(derive, "txtBad");
        typeFilter(derive, "fltBad", u"apa"_s);
        QCOMPARE(shownLines(bad), QList<int>{});
        typeFilter(derive, "fltBad", u"ada"_s);
        const QList<int> found = shownLines(bad);
        QCOMPARE(found.size(), 1);
        QVERIFY(bad->document()->findBlockByNumber(found[0]).text().startsWith("ata > ata"));
        QCOMPARE(count(derive, "fltGood"), u"3 shown"_s);
    }
};

static RegisterTest<FilterTest> registerFilterTest;

} // namespace tarnel

#include "FilterTest.moc"
