#include "BatchPanel.h"

#include "core/Cp1252.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>

namespace tarnel {

namespace {

// How often the results are repainted while a run goes on.
constexpr qint64 repaintMilliseconds = 40;

QString fromCp1252(std::string_view text) {
    return QString::fromUtf8(cp1252ToUtf8(text));
}

// One result line without its CR LF: the list adds its own line breaks.
QString resultLine(std::string_view line) {
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.remove_suffix(1);
    return fromCp1252(line);
}

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

    auto* layout = new QGridLayout(this);
    layout->addWidget(lblGood, 0, 0);
    layout->addWidget(lblBad, 0, 1);
    layout->addWidget(txtGood, 1, 0);
    layout->addWidget(txtBad, 1, 1);
    layout->addWidget(lblPercentDone, 2, 0, 1, 2);
    layout->setColumnStretch(0, 2);
    layout->setColumnStretch(1, 3); // bad lines are longer: they name the discrepancy
    clearResults();
}

void BatchPanel::clearResults() {
    txtGood->clear();
    txtBad->clear();
    lblGood->setText(fromCp1252(goodLabel(0)));
    lblBad->setText(fromCp1252(badLabel(0)));
    lblPercentDone->setText(fromCp1252(progressText(0, 1)));
    sinceRepaint.start();
}

void BatchPanel::showBatchItem(const BatchItem& item) {
    if (item.good) {
        txtGood->appendPlainText(resultLine(item.line));
        lblGood->setText(fromCp1252(goodLabel(item.goodCount)));
    } else {
        txtBad->appendPlainText(resultLine(item.line));
        lblBad->setText(fromCp1252(badLabel(item.badCount)));
    }
    lblPercentDone->setText(fromCp1252(item.progress));
    if (sinceRepaint.elapsed() >= repaintMilliseconds)
        repaintNow();
}

void BatchPanel::showBatchEnd(std::string_view progress) {
    lblPercentDone->setText(fromCp1252(progress));
    repaintNow();
}

void BatchPanel::repaintNow() {
    // Paints what changed; clicks and keys wait until the run is over.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    sinceRepaint.restart();
}

} // namespace tarnel
