// The rule order screen's actions: every button, list click and mark column release.
#include "Context.h"
#include "Dialogs.h"
#include "ModelText.h"
#include "Shared.h"
#include "engine/RuleTemplates.h"
#include "engine/RuleText.h"
#include "frmEd1Rule.h"
#include "frmOrder.h"

#include <QListWidget>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <algorithm>

namespace tarnel {

namespace {

QString lines(std::initializer_list<const char*> parts) {
    QStringList texts;
    for (const char* part : parts)
        texts.append(QString::fromUtf8(part));
    return texts.join(QStringLiteral("\r\n"));
}

// What Insert Above or Insert Below says when the Supply or the order has no highlight.
QString insertMessage(OrderList order, InsertPlace place) {
    const char* const shortSupply = "Click a rule in Supply (which rule to insert),";
    const char* const shortOrder = "and another rule in Order (where to insert, above or below).";
    const QString full =
        lines({"Click a rule in the Supply list (which rule to insert),",
               "and another rule in the Order list (where to insert, above or below).",
               "If the Order list is empty, click near its top."});
    if (order == OrderList::Etymon && place == InsertPlace::Above)
        return lines({shortSupply, shortOrder, "If the Order list is blank, click near its top."});
    if (order == OrderList::Reflex && place == InsertPlace::Below)
        return lines({shortSupply, shortOrder});
    return full;
}

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
    fillList(listOf(order), orderEntries(ctx.model, order));
    if (order == OrderList::Diachronic) {
        fillList(lstM, ctx.model.lstM);
        fillList(lstP, ctx.model.lstP);
        keepColumnsInStep();
    }
}

void frmOrder::refreshLists() {
    const bool supplyHighlighted = highlightedRow(lstSupply).has_value();
    fillList(lstSupply, ctx.model.lstSupply);
    highlightSupply(supplyHighlighted ? chosenSupplyName : std::string());
    for (const auto order : {OrderList::Etymon, OrderList::Diachronic, OrderList::Reflex})
        refreshOrder(order);
}

// Highlights the Supply entry named `name`, or none.
void frmOrder::highlightSupply(const std::string& name) {
    const auto& supply = ctx.model.lstSupply;
    const auto found = std::find(supply.begin(), supply.end(), name);
    setHighlight(lstSupply, found == supply.end() || name.empty()
                                ? std::nullopt
                                : std::optional<std::size_t>(found - supply.begin()));
}

void frmOrder::clearHighlights() {
    setHighlight(lstSupply, std::nullopt);
    for (QListWidget* list : orderLists)
        setHighlight(list, std::nullopt);
}

void frmOrder::openRuleEditor(const QString& title) {
    ctx.screens.ed1Rule->setWindowTitle(title);
    showScreen(ctx, *ctx.screens.ed1Rule);
}

void frmOrder::btnNewRule_Click() {
    ctx.model.unsavedChanges = true;
    RuleEditing& editing = ctx.ruleEditing;
    editing.lstRuleTemp.assign(newRuleTemplate.begin(), newRuleTemplate.end());
    editing.currentName = editing.oldName = ruleName(editing.lstRuleTemp);
    editing.newRule = true;
    editing.nameChanged = false;
    editing.ruleChanged = false;
    openRuleEditor(modelCaption(ctx) + QStringLiteral(", Edit a Rule"));
}

void frmOrder::lstSupply_DblClick(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= ctx.model.lstSupply.size())
        return;
    const std::string name = ctx.model.lstSupply[static_cast<std::size_t>(row)];
    const std::optional<int> index = findRule(ctx.model, name);
    if (!index) {
        // A damaged file may list a rule whose text it lacks; there is nothing to edit.
        ctx.dialogs.ok(QStringLiteral("The text of rule '%1' is missing from this model.")
                           .arg(fromModelText(name)));
        return;
    }
    RuleEditing& editing = ctx.ruleEditing;
    editing.newRule = false;
    editing.nameChanged = false;
    editing.ruleChanged = false;
    editing.currentName = editing.oldName = name;
    editing.lstRuleTemp = ctx.model.lst1Rule[static_cast<std::size_t>(*index)];
    openRuleEditor(modelCaption(ctx) +
                   QStringLiteral(":  Edit Rule \"%1\"").arg(fromModelText(name)));
}

void frmOrder::btnDelFromSupply_Click() {
    const auto row = highlightedRow(lstSupply);
    if (!row) {
        ctx.dialogs.ok(QStringLiteral("Click a rule name to delete from Supply."));
        return;
    }
    if (ctx.dialogs.okCancel(lines({"CAUTION:  Deletion from Supply cannot be restored.",
                                    "The rule will also be deleted from order lists.",
                                    "Do you really want to delete it?"})) != Answer::Ok)
        return;
    deleteRuleFromSupply(ctx.model, ctx.model.lstSupply.at(*row));
    setHighlight(lstSupply, std::nullopt);
    refreshLists();
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
    const InsertOutcome outcome = insertIntoOrder(ctx.model, shownOrder, choice, place);
    if (outcome.kind == InsertOutcome::Refused) {
        ctx.dialogs.ok(insertMessage(shownOrder, place));
        return;
    }
    refreshOrder(shownOrder);
    setHighlight(list, outcome.kind == InsertOutcome::Inserted
                           ? std::optional<std::size_t>(outcome.row)
                           : std::nullopt);
    keepColumnsInStep();
    enableRunMenus(ctx);
}

void frmOrder::btnUp_Click() {
    moveName(MoveDirection::Up);
}

void frmOrder::btnDown_Click() {
    moveName(MoveDirection::Down);
}

void frmOrder::moveName(MoveDirection direction) {
    QListWidget* list = visibleList();
    const auto row = moveInOrder(ctx.model, shownOrder, highlightedRow(list), direction);
    if (!row) {
        ctx.dialogs.ok(
            lines({"Click a name in the Order list;", "then use arrows to move it up or down."}));
        return;
    }
    refreshOrder(shownOrder);
    setHighlight(list, row);
    keepColumnsInStep();
}

void frmOrder::btnDelFromOrder_Click() {
    QListWidget* list = visibleList();
    if (!deleteFromOrder(ctx.model, shownOrder, highlightedRow(list))) {
        ctx.dialogs.ok(QStringLiteral("First click the rule name that you want to delete."));
        return;
    }
    setHighlight(list, std::nullopt);
    refreshOrder(shownOrder);
}

void frmOrder::lstM_Release() {
    const auto row = highlightedRow(lstM);
    if (!row)
        return;
    const bool masked = toggleMask(ctx.model, *row);
    refreshOrder(OrderList::Diachronic);
    if (!masked)
        ctx.dialogs.ok(QStringLiteral("Missing expected minus sign before rule name."));
}

void frmOrder::lstP_MouseUp() {
    togglePersistence(ctx.model, highlightedRow(lstP));
    refreshOrder(OrderList::Diachronic);
    setHighlight(lstP, std::nullopt);
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
