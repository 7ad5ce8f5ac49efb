// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/derivation/BatchPanel.h"

#include "frontend/ModelText.h"
#include "session/BatchText.h"
#include "session/insight/Metrics.h"
#include "ui/shared/FilterBox.h"
#include "ui/shared/RunGuard.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QToolTip>

namespace tarnel {

namespace {

// How often the results are repainted while a run goes on.
constexpr qint64 repaintMilliseconds = 40;

QPlainTextEdit* resultList(const QString& name) {
    auto* list = new QPlainTextEdit;
    list->setObjectName(name);
    list->setReadOnly(true);
    list->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    list->setLineWrapMode(QPlainTextEdit::NoWrap);
    return list;
}

QLabel* heading(const QString& name) {
    auto* label = new QLabel;
    label->setObjectName(name);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace

BatchPanel::BatchPanel(QWidget* parent) : QWidget(parent) {
    lblGood = heading(QStringLiteral("lblGood"));
    lblBad = heading(QStringLiteral("lblBad"));
    lblPercentDone = heading(QStringLiteral("lblPercentDone"));
    txtGood = resultList(QStringLiteral("txtGood"));
    txtBad = resultList(QStringLiteral("txtBad"));
    btnStop = new QPushButton(QStringLiteral("Stop"));
    btnStop->setObjectName(QStringLiteral("btnStop"));
    btnStop->setToolTip(QStringLiteral("End the run after the current item (Esc)"));
    btnStop->hide();
    connect(btnStop, &QPushButton::clicked, this, &BatchPanel::btnStop_Click);
    btnReport = new QPushButton(QStringLiteral("Batch Report..."));
    btnReport->setObjectName(QStringLiteral("btnReport"));
    btnReport->setToolTip(QStringLiteral("Every item and every rule of this run, in two tables"));
    btnReport->hide();
    connect(btnReport, &QPushButton::clicked, this, &BatchPanel::reportRequested);
    lblAccuracy = new QLabel;
    lblAccuracy->setObjectName(QStringLiteral("lblAccuracy"));
    lblSince = new QLabel;
    lblSince->setObjectName(QStringLiteral("lblSince"));
    for (QPlainTextEdit* list : {txtGood, txtBad})
        list->viewport()->installEventFilter(this);
    // A line is found by its text, or by its item's IPA once the run is measured.
    const auto ipaOf = [this](const std::vector<int>& items) {
        return [this, &items](int line) {
            const auto item = static_cast<std::size_t>(items[static_cast<std::size_t>(line)]);
            return item < ipa.size() ? ipa[item] : QString();
        };
    };
    goodFilter = new FilterBox("fltGood", txtGood, ipaOf(goodItems));
    badFilter = new FilterBox("fltBad", txtBad, ipaOf(badItems));

    auto* layout = new QGridLayout(this);
    layout->addWidget(lblGood, 0, 0);
    layout->addWidget(lblBad, 0, 1);
    layout->addWidget(goodFilter, 1, 0);
    layout->addWidget(badFilter, 1, 1);
    layout->addWidget(txtGood, 2, 0);
    layout->addWidget(txtBad, 2, 1);
    layout->addWidget(lblPercentDone, 3, 0);
    layout->addWidget(btnStop, 3, 1, Qt::AlignRight);
    layout->addWidget(btnReport, 3, 1, Qt::AlignRight);
    layout->addWidget(lblAccuracy, 4, 0, 1, 2);
    layout->addWidget(lblSince, 5, 0, 1, 2);
    layout->setColumnStretch(0, 2);
    layout->setColumnStretch(1, 3); // bad lines are longer: they name the discrepancy
    clearResults();
}

BatchPanel::~BatchPanel() = default;

void BatchPanel::clearResults() {
    // A click into a coloured line makes its colour the list's current one, which the next
    // run's lines would take: every run starts plain.
    for (QPlainTextEdit* list : {txtGood, txtBad}) {
        list->clear();
        list->setCurrentCharFormat(QTextCharFormat());
    }
    lblGood->setText(fromModelText(goodLabel(0)));
    lblBad->setText(fromModelText(badLabel(0)));
    lblPercentDone->setText(fromModelText(progressText(0, 1)));
    lblAccuracy->clear();
    lblSince->clear();
    btnReport->hide();
    shown = 0;
    goodItems.clear();
    badItems.clear();
    ipa.clear();
    tips.clear();
    goodFilter->apply();
    badFilter->apply();
}

void BatchPanel::startRun(int items) {
    clearResults();
    messages = {};
    total = items;
    stopping = false;
    btnStop->show();
    guard = std::make_unique<RunGuard>(*btnStop, [this] { btnStop_Click(); });
    repaintNow();
}

std::string BatchPanel::finishRun() {
    guard.reset();
    btnStop->hide();
    if (stopping)
        lblPercentDone->setText(
            QStringLiteral("Stopped after %1 of %2 items.").arg(shown).arg(total));
    return messages.empty() ? std::string() : messages.summary();
}

void BatchPanel::btnStop_Click() {
    stopping = true;
}

void BatchPanel::showMessage(const std::string& text) {
    messages.add(text);
}

void BatchPanel::showBatchItem(const BatchItem& item) {
    messages.endItem();
    ++shown;
    (item.good ? goodItems : badItems).push_back(item.index);
    if (item.good) {
        txtGood->appendPlainText(
            fromModelText(resultLine(item.etymon, item.reflex, item.discrepancy)));
        lblGood->setText(fromModelText(goodLabel(item.goodCount)));
    } else {
        txtBad->appendPlainText(
            fromModelText(resultLine(item.etymon, item.reflex, item.discrepancy)));
        lblBad->setText(fromModelText(badLabel(item.badCount)));
    }
    lblPercentDone->setText(fromModelText(item.progress));
    if (shown == 1 || sinceRepaint.elapsed() >= repaintMilliseconds)
        repaintNow();
}

void BatchPanel::showBatchEnd(std::string_view progress) {
    lblPercentDone->setText(fromModelText(progress));
    goodFilter->apply();
    badFilter->apply();
    repaintNow();
}

void BatchPanel::showInsight(const insight::BatchReport& report, bool stopped) {
    lblAccuracy->setText(
        QString::fromStdString(insight::accuracyText(report.metrics.good, report.metrics.items) +
                               ".  " + insight::distanceText(report.metrics)));
    lblSince->setText(QString::fromStdString(
        stopped        ? std::string("Since the last run: the run was stopped, so it is not "
                                            "compared")
        : report.since ? insight::sinceText(*report.since)
                       : std::string(insight::nothingToCompareText)));
    tips.assign(report.items.size(), QString());
    for (const insight::ItemRow& row : report.items) {
        QStringList lines;
        if (row.blame)
            lines.append(fromModelText(row.blame->text));
        for (const int fix : row.fixes)
            lines.append(fromModelText(
                insight::fixText(report.orderFixes->fixes[static_cast<std::size_t>(fix)])));
        if (row.since && row.since->change != insight::ItemChange::Unchanged)
            lines.append(fromModelText(row.since->before));
        tips[static_cast<std::size_t>(row.index)] = lines.join(u'\n');
    }
    ipa.assign(report.items.size(), QString());
    for (const insight::ItemRow& row : report.items)
        ipa[static_cast<std::size_t>(row.index)] =
            QString::fromStdString(row.derivedIpa + ' ' + row.expectedIpa);
    markLines(txtGood, goodItems, report);
    markLines(txtBad, badItems, report);
    goodFilter->apply();
    badFilter->apply();
    btnReport->show();
}

// Fixed items green, broken ones red: what the last edit did, at a glance.
void BatchPanel::markLines(QPlainTextEdit* list, const std::vector<int>& items,
                           const insight::BatchReport& report) {
    for (std::size_t line = 0; line < items.size(); ++line) {
        const auto& since = report.items[static_cast<std::size_t>(items[line])].since;
        if (!since || (since->change != insight::ItemChange::Fixed &&
                       since->change != insight::ItemChange::Broken))
            continue;
        QTextCharFormat format;
        format.setForeground(since->change == insight::ItemChange::Fixed ? QColor(0, 128, 0)
                                                                         : QColor(200, 0, 0));
        format.setFontWeight(QFont::Bold);
        QTextCursor cursor(list->document()->findBlockByNumber(static_cast<int>(line)));
        cursor.select(QTextCursor::LineUnderCursor);
        cursor.mergeCharFormat(format);
    }
}

// The tooltip of a line: why its item is Bad, and what it was before an edit changed it.
bool BatchPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QWidget::eventFilter(watched, event);
    const bool good = watched == txtGood->viewport();
    QPlainTextEdit* list = good ? txtGood : txtBad;
    const std::vector<int>& items = good ? goodItems : badItems;
    const auto* help = static_cast<QHelpEvent*>(event);
    const auto line = static_cast<std::size_t>(list->cursorForPosition(help->pos()).blockNumber());
    const QString tip = line < items.size() && static_cast<std::size_t>(items[line]) < tips.size()
                            ? tips[static_cast<std::size_t>(items[line])]
                            : QString();
    if (tip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), tip, list);
    return true;
}

void BatchPanel::repaintNow() {
    QCoreApplication::processEvents();
    sinceRepaint.restart();
}

} // namespace tarnel
