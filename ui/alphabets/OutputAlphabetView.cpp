// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/alphabets/OutputAlphabetView.h"

#include "core/OutputAlphabet.h"
#include "ui/alphabets/AlphabetGridStyle.h"
#include "ui/shared/Shared.h"

#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>

namespace tarnel {

namespace {

const QString describePrompt = QStringLiteral("Touch symbol with cursor for phonetic description.");

constexpr int margin = 10;

} // namespace

OutputAlphabetView::OutputAlphabetView(QWidget* parent)
    : QWidget(parent), lstFeats(new QListWidget(this)), lblDescribe(new QLabel(this)),
      scrOutAlph(new QScrollBar(Qt::Horizontal, this)), viewport(new QWidget(this)),
      strip(new QWidget(viewport)) {
    lstFeats->setObjectName(QStringLiteral("lstFeats"));
    lstFeats->addItems(featureNameItems());
    shapeGridList(lstFeats, 70);
    lstFeats->setSelectionMode(QAbstractItemView::NoSelection);
    lstFeats->move(margin, margin + gridHeadHeight);

    for (int row = 0; row < outputRowCount; ++row)
        buildColumn(row);
    strip->resize(gridColumnWidth * outputRowCount, gridHeadHeight + lstFeats->height());

    lblDescribe->setObjectName(QStringLiteral("lblDescribe"));
    lblDescribe->setText(describePrompt);
    scrOutAlph->setObjectName(QStringLiteral("scrOutAlph"));
    connect(scrOutAlph, &QScrollBar::valueChanged, this, &OutputAlphabetView::scrOutAlph_Change);
    setMinimumSize(480, strip->height() + 110);
}

void OutputAlphabetView::buildColumn(int row) {
    const OutputRow& entry = outputAlphabet()[static_cast<std::size_t>(row)];
    const int x = row * gridColumnWidth;

    auto* label = new QLabel(ipaText(std::string(entry.symbol)), strip);
    label->setObjectName(QStringLiteral("lblIPA%1").arg(row + 1));
    label->setFont(ipaFont(18));
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(x, 0, gridColumnWidth, gridHeadHeight);
    label->installEventFilter(this);
    lblIPA.push_back(label);

    auto* values = new QListWidget(strip);
    values->setObjectName(QStringLiteral("lstValues%1").arg(row + 1));
    for (const char sign : entry.values) {
        values->addItem(QString(QLatin1Char(sign)));
        values->item(values->count() - 1)->setTextAlignment(Qt::AlignCenter);
    }
    shapeGridList(values, gridColumnWidth);
    values->setSelectionMode(QAbstractItemView::NoSelection);
    values->move(x, gridHeadHeight);
    values->viewport()->installEventFilter(this);
    lstValues.push_back(values);
}

bool OutputAlphabetView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Enter || event->type() == QEvent::Leave) {
        for (std::size_t row = 0; row < lblIPA.size(); ++row) {
            if (lblIPA[row] != watched)
                continue;
            const std::string_view text = outputAlphabet()[row].description;
            lblDescribe->setText(event->type() == QEvent::Enter
                                     ? QString::fromUtf8(text.data(), qsizetype(text.size()))
                                     : describePrompt);
        }
    } else if (event->type() == QEvent::MouseButtonDblClick && !qobject_cast<QLabel*>(watched)) {
        emit valuesDoubleClicked(); // only the values lists report the screen size
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void OutputAlphabetView::resizeEvent(QResizeEvent* event) {
    const int left = lstFeats->x() + lstFeats->width();
    viewport->setGeometry(left, margin, std::max(gridColumnWidth, width() - left - margin),
                          strip->height());
    const int below = viewport->y() + viewport->height();
    scrOutAlph->setGeometry(left, below + 6, viewport->width(), 18);
    lblDescribe->setGeometry(margin, below + 34, width() - 2 * margin, 30);
    fitScrollRange();
    QWidget::resizeEvent(event);
}

void OutputAlphabetView::fitScrollRange() {
    const int shown = std::max(1, viewport->width() / gridColumnWidth);
    scrOutAlph->setRange(0, std::max(0, outputRowCount - shown));
    scrOutAlph->setPageStep(shown);
    scrOutAlph_Change(scrOutAlph->value());
}

void OutputAlphabetView::scrOutAlph_Change(int value) {
    strip->move(-value * gridColumnWidth, 0);
}

} // namespace tarnel
