#include "BatchPanel.h"

#include "core/Cp1252.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace tarnel {

// While a run goes on, events are handled so the screen repaints, but no click or key may
// start anything else: only Esc and the Stop button get through, and both ask to stop.
class BatchInputGuard : public QObject {
public:
    explicit BatchInputGuard(BatchPanel& panel) : QObject(&panel), panel(panel) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::KeyPress:
            if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
                panel.btnStop_Click();
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            return watched != panel.btnStop;
        case QEvent::Close:
            event->ignore(); // the window stays until the run is over
            return true;
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::InputMethod:
            return true;
        default:
            return false;
        }
    }

private:
    BatchPanel& panel;
};

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
    btnStop = new QPushButton(QStringLiteral("Stop"));
    btnStop->setObjectName(QStringLiteral("btnStop"));
    btnStop->setToolTip(QStringLiteral("End the run after the current item (Esc)"));
    btnStop->hide();
    connect(btnStop, &QPushButton::clicked, this, &BatchPanel::btnStop_Click);
    inputGuard = new BatchInputGuard(*this);

    auto* layout = new QGridLayout(this);
    layout->addWidget(lblGood, 0, 0);
    layout->addWidget(lblBad, 0, 1);
    layout->addWidget(txtGood, 1, 0);
    layout->addWidget(txtBad, 1, 1);
    layout->addWidget(lblPercentDone, 2, 0);
    layout->addWidget(btnStop, 2, 1, Qt::AlignRight);
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
}

void BatchPanel::startRun(int items) {
    clearResults();
    messages = {};
    total = items;
    compared = 0;
    stopping = false;
    btnStop->show();
    qApp->installEventFilter(inputGuard);
    repaintNow();
}

std::string BatchPanel::finishRun() {
    qApp->removeEventFilter(inputGuard);
    btnStop->hide();
    if (stopping)
        lblPercentDone->setText(
            QStringLiteral("Stopped after %1 of %2 items.").arg(compared).arg(total));
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
    ++compared;
    if (item.good) {
        txtGood->appendPlainText(resultLine(item.line));
        lblGood->setText(fromCp1252(goodLabel(item.goodCount)));
    } else {
        txtBad->appendPlainText(resultLine(item.line));
        lblBad->setText(fromCp1252(badLabel(item.badCount)));
    }
    lblPercentDone->setText(fromCp1252(item.progress));
    if (compared == 1 || sinceRepaint.elapsed() >= repaintMilliseconds)
        repaintNow();
}

void BatchPanel::showBatchEnd(std::string_view progress) {
    lblPercentDone->setText(fromCp1252(progress));
    repaintNow();
}

void BatchPanel::repaintNow() {
    QCoreApplication::processEvents();
    sinceRepaint.restart();
}

} // namespace tarnel
