// SPDX-License-Identifier: GPL-3.0-or-later
// The rule order screen's actions: every button, list click and mark column release.
#include "frontend/ModelText.h"
#include "session/Session.h"
#include "ui/rules/PlaceChart.h"
#include "ui/rules/RuleWordsPanel.h"
#include "ui/rules/frmOrder.h"
#include "ui/shared/Context.h"
#include "ui/shared/Dialogs.h"
#include "ui/shared/FilterBox.h"
#include "ui/shared/Navigator.h"
#include "ui/shared/Shared.h"

#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <algorithm>

namespace tarnel {

namespace {

std::optional<std::size_t> highlightedRow(const QListWidget* list) {
    const QList<QListWidgetItem*> items = list->selectedItems();
    if (items.isEmpty())
        return std::nullopt;
    return static_cast<std::size_t>(list->row(items.front()));
}

void setHighlight(QListWidget* list, std::optional<std::size_t> row) {
    const QSignalBlocker blocker(list);
    if (!row) {
        list->clearSelection();
        list->setCurrentItem(nullptr);
        return;
    }
    list->setCurrentRow(static_cast<int>(*row));
    list->scrollToItem(list->currentItem());
}

// Shows `entries`, changing the items in place so the list keeps its scroll position and,
// where the row still exists, its highlight.
void fillList(QListWidget* list, const std::vector<std::string>& entries) {
    const QSignalBlocker blocker(list);
    const int count = static_cast<int>(entries.size());
    while (list->count() > count)
        delete list->takeItem(list->count() - 1);
    for (int row = 0; row < count; ++row) {
        const QString text = fromModelText(entries[static_cast<std::size_t>(row)]);
        if (row < list->count())
            list->item(row)->setText(text);
        else
            list->addItem(text);
    }
}

} // namespace

void frmOrder::refreshOrder(OrderList order) {
    const Model& model = ctx.session.model();
    fillList(listOf(order), orderEntries(model, order));
    if (order == OrderList::Diachronic) {
        fillList(lstM, model.lstM);
        fillList(lstP, model.lstP);
    }
    orderFilters[static_cast<std::size_t>(order)]->apply();
    if (order == OrderList::Diachronic)
        keepColumnsInStep();
}

void frmOrder::refreshLists() {
    const bool supplyHighlighted = highlightedRow(lstSupply).has_value();
    fillList(lstSupply, ctx.session.model().lstSupply);
    supplyFilter->apply();
    highlightSupply(supplyHighlighted ? chosenSupplyName : std::string());
    for (const auto order : {OrderList::Etymon, OrderList::Diachronic, OrderList::Reflex})
        refreshOrder(order);
    showRuleWords();
}

void frmOrder::showRuleWords() {
    ruleWords->showEntry(ctx.session, shownOrder, highlightedRow(visibleList()));
}

// Highlights the Supply entry named `name`, or none.
void frmOrder::highlightSupply(const std::string& name) {
    const auto& supply = ctx.session.model().lstSupply;
    const auto found = std::find(supply.begin(), supply.end(), name);
    setHighlight(lstSupply, found == supply.end() || name.empty()
                                ? std::nullopt
                                : std::optional<std::size_t>(found - supply.begin()));
}

void frmOrder::clearHighlights() {
    setHighlight(lstSupply, std::nullopt);
    for (QListWidget* list : orderLists)
        setHighlight(list, std::nullopt);
    showRuleWords();
}

void frmOrder::btnNewRule_Click() {
    ctx.session.ruleEditor().startNew();
    ctx.navigator.editRule(modelCaption(ctx) + QStringLiteral(", Edit a Rule"));
}

void frmOrder::lstSupply_DblClick(int row) {
    const auto& supply = ctx.session.model().lstSupply;
    if (row >= 0 && static_cast<std::size_t>(row) < supply.size())
        editRuleNamed(supply[static_cast<std::size_t>(row)]);
}

// An order entry opens the rule it names, masked or not.
void frmOrder::lstOrder_DblClick(OrderList order, int row) {
    const Model& model = ctx.session.model();
    const std::vector<std::string>& names = order == OrderList::Etymon       ? model.lstEtyOrd
                                            : order == OrderList::Diachronic ? model.lstDiacOrd
                                                                             : model.lstReflOrd;
    if (row < 0 || static_cast<std::size_t>(row) >= names.size())
        return;
    std::string name = names[static_cast<std::size_t>(row)];
    if (order == OrderList::Diachronic && name.starts_with('-'))
        name.erase(0, 1);
    editRuleNamed(name);
}

void frmOrder::editRuleNamed(const std::string& name) {
    if (!succeeded(ctx, ctx.session.ruleEditor().open(name)))
        return; // a damaged file may list a rule whose text it lacks
    ctx.navigator.editRule(modelCaption(ctx) +
                           QStringLiteral(":  Edit Rule \"%1\"").arg(fromModelText(name)));
}

void frmOrder::btnDelFromSupply_Click() {
    const auto row = highlightedRow(lstSupply);
    if (!row) {
        ctx.dialogs.ok(QStringLiteral("Click a rule name to delete from Supply."));
        return;
    }
    if (ctx.dialogs.okCancel(QStringLiteral("CAUTION:  Deletion from Supply is undone only by "
                                            "Edit > Undo.\r\nThe rule will also be deleted from "
                                            "order lists.\r\nDo you really want to delete it?")) !=
        Answer::Ok)
        return;
    setHighlight(lstSupply, std::nullopt);
    ctx.session.deleteRule(ctx.session.model().lstSupply.at(*row));
}

void frmOrder::btnInsAbove_Click() {
    insertName(InsertPlace::Above);
}

void frmOrder::btnInsBelow_Click() {
    insertName(InsertPlace::Below);
}

// The place is the highlighted entry of the list on show: a row clicked last in another
// order list could lie beyond this one's end.
void frmOrder::insertName(InsertPlace place) {
    QListWidget* list = visibleList();
    const OrderChoice choice{chosenSupplyName, highlightedRow(lstSupply).has_value(),
                             highlightedRow(list)};
    const Result<InsertOutcome> outcome = ctx.session.insertIntoOrder(shownOrder, choice, place);
    if (!outcome) {
        ctx.dialogs.ok(fromModelText(outcome.message()));
        return;
    }
    setHighlight(list, outcome->kind == InsertOutcome::Inserted
                           ? std::optional<std::size_t>(outcome->row)
                           : std::nullopt);
    keepColumnsInStep();
}

void frmOrder::btnUp_Click() {
    moveName(MoveDirection::Up);
}

void frmOrder::btnDown_Click() {
    moveName(MoveDirection::Down);
}

void frmOrder::moveName(MoveDirection direction) {
    QListWidget* list = visibleList();
    const Result<std::size_t> row =
        ctx.session.moveInOrder(shownOrder, highlightedRow(list), direction);
    if (!row) {
        ctx.dialogs.ok(fromModelText(row.message()));
        return;
    }
    setHighlight(list, *row);
    keepColumnsInStep();
}

void frmOrder::btnDelFromOrder_Click() {
    QListWidget* list = visibleList();
    if (succeeded(ctx, ctx.session.deleteFromOrder(shownOrder, highlightedRow(list))))
        setHighlight(list, std::nullopt);
}

// The chart comes from a batch run of the model as it stands, with the entry tried at every
// place; a double click on a bar moves the entry there, as one edit.
void frmOrder::btnWhere_Click() {
    const auto row = highlightedRow(listOf(OrderList::Diachronic));
    if (shownOrder != OrderList::Diachronic || !row) {
        ctx.dialogs.ok(QStringLiteral("Click a rule in the Diachronic Order first."));
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::vector<int> gains = ctx.session.placeGains(*row);
    QApplication::restoreOverrideCursor();
    QStringList names;
    for (const std::string& entry : ctx.session.model().lstDiacOrd)
        names.append(fromModelText(entry.starts_with('-') ? entry.substr(1) : entry));
    const int current = static_cast<int>(*row);
    if (chart)
        chart->close();
    chart = new PlaceChart(names[current], std::move(gains), current, names, this);
    chart->setAttribute(Qt::WA_DeleteOnClose);
    connect(chart, &PlaceChart::placeChosen, this, [this, row](int place) {
        ctx.session.moveToPlace(*row, static_cast<std::size_t>(place));
        setHighlight(listOf(OrderList::Diachronic), static_cast<std::size_t>(place));
        keepColumnsInStep();
        chart->close();
    });
    chart->show();
}

void frmOrder::lstM_Release() {
    if (const auto row = highlightedRow(lstM))
        succeeded(ctx, ctx.session.toggleMask(*row));
}

void frmOrder::lstP_MouseUp() {
    const auto row = highlightedRow(lstP);
    setHighlight(lstP, std::nullopt);
    ctx.session.togglePersistence(row);
}

// Mouse moves over the Diachronic list or the screen bring the mark columns level with it.
bool frmOrder::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove)
        keepColumnsInStep();
    return Screen::eventFilter(watched, event);
}

// A press on the screen itself, outside every list and button.
void frmOrder::mousePressEvent(QMouseEvent* event) {
    hideHelp();
    clearHighlights();
    Screen::mousePressEvent(event);
}

} // namespace tarnel
