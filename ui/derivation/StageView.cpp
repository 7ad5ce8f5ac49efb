// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/derivation/StageView.h"

#include "core/IpaDisplay.h"
#include "engine/StageDisplay.h"
#include "frontend/ModelText.h"
#include "session/DerivationView.h"
#include "session/insight/Distance.h"
#include "ui/shared/Shared.h"

#include <QEnterEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace tarnel {

namespace {

const char* const offFeatsProperty = "offFeats";

const QString expectedRowTip = QStringLiteral(
    "The expected reflex. A segment on pink is one the derived word lacks where the two words "
    "line up best (by the segment edit distance); the others match the derived word.");

QColor cellColour(CellColour colour) {
    switch (colour) {
    case CellColour::Blue:
        return QColor(0, 0, 255);
    case CellColour::Red:
        return QColor(255, 0, 0);
    case CellColour::Black:
        break;
    }
    return QColor(0, 0, 0);
}

QFont ruleNameFont() {
    QFont font;
    font.setPointSize(11);
    return font;
}

} // namespace

StageView::StageView(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(8, 8, 8, 8);
    outer->addStretch(1);
    rebuildGrid();
}

void StageView::rebuildGrid() {
    delete grid;
    grid = new QWidget(this);
    grid->setMouseTracking(true);
    grid->installEventFilter(this);
    layout = new QGridLayout(grid);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setHorizontalSpacing(2);
    layout->setVerticalSpacing(0);
    layout->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    layout->setColumnMinimumWidth(0, ruleNameWidth);
    static_cast<QVBoxLayout*>(QWidget::layout())->insertWidget(0, grid);
    // Shown at once, not when the event loop comes round, so the height is known at once.
    grid->show();
    rows = 0;
}

void StageView::clearStages() {
    rebuildGrid();
}

void StageView::setRuleNameLabels(const std::vector<std::string>& labels) {
    const QFontMetrics metrics(ruleNameFont());
    int widest = 0;
    for (const std::string& label : labels)
        widest = std::max(widest, metrics.horizontalAdvance(fromModelText(label)));
    ruleNameWidth = widest + 16;
    layout->setColumnMinimumWidth(0, ruleNameWidth);
}

void StageView::showStage(int kind, const std::string& label, const Word& word) {
    if (kind != stageEnd && kind != stageReflex)
        lastWord = word;
    addRow(decodeStage(kind, label, word), {});
}

// The expected reflex under the stages: each segment the derived word lacks, as the two
// words align, stands out, so the user sees where the two part.
void StageView::showExpected(const Word& expected) {
    addRow(decodeStage(stageReflex, "Expected", expected),
           insight::differingSegments(expected, lastWord));
    layout->itemAtPosition(rows - 1, 0)->widget()->setToolTip(expectedRowTip);
}

void StageView::addRow(const StageLine& line, const std::vector<bool>& differs) {
    auto* name = new QLabel(fromModelText(line.label));
    name->setObjectName(QStringLiteral("lblRulNam"));
    name->setFont(ruleNameFont());
    name->setMouseTracking(true);
    name->installEventFilter(this);
    layout->addWidget(name, rows, 0, Qt::AlignLeft | Qt::AlignVCenter);
    name->show();
    int column = 1;
    for (const DecodedSymbol& symbol : line.cells) {
        QLabel* cell = makeCell(symbol);
        if (static_cast<std::size_t>(column - 1) < differs.size() &&
            differs[static_cast<std::size_t>(column - 1)]) {
            cell->setAutoFillBackground(true);
            QPalette palette = cell->palette();
            palette.setColor(QPalette::Window, QColor(255, 214, 214));
            cell->setPalette(palette);
            cell->setProperty("differsFromDerived", true);
        }
        if (!differs.empty())
            cell->setToolTip(expectedRowTip);
        layout->addWidget(cell, rows, column++);
        cell->show();
    }
    ++rows;
}

QLabel* StageView::makeCell(const DecodedSymbol& symbol) {
    const QString text =
        QString::fromUtf8(ipaDisplayText(symbol.codes)).normalized(QString::NormalizationForm_C);
    auto* cell = new QLabel(text);
    cell->setObjectName(QStringLiteral("lblOutput"));
    cell->setFont(ipaFont(22)); // large enough to read stacked diacritics
    cell->setAlignment(Qt::AlignCenter);
    cell->setMinimumWidth(QFontMetrics(cell->font()).height());
    QPalette palette = cell->palette();
    palette.setColor(QPalette::WindowText, cellColour(symbol.colour));
    cell->setPalette(palette);
    cell->setProperty(offFeatsProperty, fromModelText(offFeatsText(symbol.differs)));
    cell->setMouseTracking(true);
    cell->installEventFilter(this);
    return cell;
}

bool StageView::eventFilter(QObject* watched, QEvent* event) {
    const bool hover = event->type() == QEvent::Enter || event->type() == QEvent::MouseMove;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!hover || widget == nullptr)
        return QWidget::eventFilter(watched, event);
    const QString text = widget->property(offFeatsProperty).toString();
    if (text.isEmpty()) {
        emit backgroundHovered();
    } else {
        const QPointF local = event->type() == QEvent::Enter
                                  ? static_cast<QEnterEvent*>(event)->position()
                                  : static_cast<QMouseEvent*>(event)->position();
        emit cellHovered(text, widget->mapTo(this, local.toPoint()));
    }
    // A move over a label would reach the background behind it next; it has been answered.
    return widget != grid && event->type() == QEvent::MouseMove;
}

void StageView::mouseMoveEvent(QMouseEvent* event) {
    emit backgroundHovered();
    QWidget::mouseMoveEvent(event);
}

} // namespace tarnel
