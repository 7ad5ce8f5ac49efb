// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/rules/PlaceChart.h"

#include <QHelpEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QVBoxLayout>
#include <algorithm>

namespace tarnel {

// The bars: gains upwards in green, losses downwards in red, the entry's own place grey.
class PlaceChart::Bars : public QWidget {
public:
    explicit Bars(PlaceChart& chart) : chart(chart) {
        setObjectName(QStringLiteral("barsPlaces"));
        setMinimumSize(360, 160);
    }

    int placeAt(int x) const {
        const int n = static_cast<int>(chart.gains.size());
        return n == 0 ? -1 : std::clamp(x * n / std::max(width(), 1), 0, n - 1);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), palette().base());
        const int n = static_cast<int>(chart.gains.size());
        if (n == 0)
            return;
        int most = 1;
        for (const int gain : chart.gains)
            most = std::max(most, std::abs(gain));
        const int middle = height() / 2;
        painter.setPen(palette().text().color());
        painter.drawLine(0, middle, width(), middle);
        for (int place = 0; place < n; ++place) {
            const int left = place * width() / n;
            const int right = (place + 1) * width() / n;
            const int gain = chart.gains[static_cast<std::size_t>(place)];
            if (place == chart.current) {
                painter.fillRect(QRect(left, 0, std::max(right - left - 1, 1), height()),
                                 QColor(0, 0, 0, 40));
                continue;
            }
            const int high = gain * (middle - 4) / most;
            const QRect bar = QRect(left, middle - std::max(high, 0), std::max(right - left - 1, 1),
                                    std::abs(high));
            painter.fillRect(bar, gain > 0 ? QColor(40, 150, 60) : QColor(190, 50, 40));
            if (place == chart.best)
                painter.drawRect(bar);
        }
    }

    void mouseDoubleClickEvent(QMouseEvent* event) override {
        const int place = placeAt(static_cast<int>(event->position().x()));
        if (place >= 0 && place != chart.current)
            emit chart.placeChosen(place);
    }

    bool event(QEvent* event) override {
        if (event->type() == QEvent::ToolTip) {
            auto* help = static_cast<QHelpEvent*>(event);
            const int place = placeAt(help->pos().x());
            QToolTip::showText(help->globalPos(), place >= 0 ? chart.placeText(place) : QString(),
                               this);
            return true;
        }
        return QWidget::event(event);
    }

private:
    PlaceChart& chart;
};

PlaceChart::PlaceChart(const QString& rule, std::vector<int> gains_, int current_,
                       QStringList names_, QWidget* parent)
    : QDialog(parent), gains(std::move(gains_)), current(current_), names(std::move(names_)),
      best(-1) {
    setWindowTitle(QStringLiteral("Where could %1 go?").arg(rule));
    for (int place = 0; place < static_cast<int>(gains.size()); ++place)
        if (place != current && gains[static_cast<std::size_t>(place)] > 0 &&
            (best < 0 ||
             gains[static_cast<std::size_t>(place)] > gains[static_cast<std::size_t>(best)]))
            best = place;
    auto* lblBest = new QLabel(best < 0 ? QStringLiteral("No other place makes more items Good.")
                                        : QStringLiteral("Best: ") + placeText(best));
    lblBest->setObjectName(QStringLiteral("lblBest"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new Bars(*this), 1);
    layout->addWidget(lblBest);
    layout->addWidget(new QLabel(QStringLiteral(
        "A bar per place of the Diachronic Order (its own place shaded): how many more items "
        "would be Good were it moved there. Double-click a bar to move it there.")));
}

QString PlaceChart::placeText(int place) const {
    const auto index = static_cast<qsizetype>(place);
    QString text = QStringLiteral("Place %1").arg(place + 1);
    if (place < current && index < names.size())
        text += QStringLiteral(", before ") + names[index];
    else if (place > current && index < names.size())
        text += QStringLiteral(", after ") + names[index];
    const int gain = gains[static_cast<std::size_t>(place)];
    return text + QStringLiteral(": ") + (gain > 0 ? QStringLiteral("+") : QString()) +
           QString::number(gain);
}

} // namespace tarnel
