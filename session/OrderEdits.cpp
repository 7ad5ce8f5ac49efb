// SPDX-License-Identifier: GPL-3.0-or-later
// The Supply and the three orders: inserting, moving, deleting, masking, persistence.
#include "Session.h"
#include "model/OrderEntry.h"

namespace tarnel {

namespace {

std::string joined(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (const std::string_view line : lines)
        text += (text.empty() ? "" : "\r\n") + std::string(line);
    return text;
}

// What Insert Above or Insert Below says when the Supply or the order has no highlight.
std::string insertMessage(OrderList order, InsertPlace place) {
    constexpr std::string_view shortSupply = "Click a rule in Supply (which rule to insert),";
    constexpr std::string_view shortOrder =
        "and another rule in Order (where to insert, above or below).";
    if (order == OrderList::Etymon && place == InsertPlace::Above)
        return joined({shortSupply, shortOrder, "If the Order list is blank, click near its top."});
    if (order == OrderList::Reflex && place == InsertPlace::Below)
        return joined({shortSupply, shortOrder});
    return joined({"Click a rule in the Supply list (which rule to insert),",
                   "and another rule in the Order list (where to insert, above or below).",
                   "If the Order list is empty, click near its top."});
}

// The rule an entry of `order` names, for the caption of an edit of it ("Mask Lenition");
// empty when there is no such entry.
std::string ruleAt(const Model& model, OrderList order, std::optional<std::size_t> row) {
    const std::vector<std::string>& entries = orderEntries(model, order);
    if (!row || *row >= entries.size())
        return {};
    return std::string(orderEntry(entries[*row]).rule);
}

// "Move Up" with the rule named: "Move Lenition Up".
std::string named(std::string_view verb, const std::string& rule, std::string_view rest = {}) {
    std::string caption(verb);
    if (!rule.empty())
        caption += " " + rule;
    if (!rest.empty())
        caption += " " + std::string(rest);
    return caption;
}

} // namespace

// The unsaved-changes flag is set at the very start of Insert, the arrows and Delete from
// Order, whether or not anything then changes.
Result<InsertOutcome> Session::insertIntoOrder(OrderList order, const OrderChoice& choice,
                                               InsertPlace place) {
    document_.markUnsaved();
    const InsertOutcome outcome = document_.edit(
        named("Insert", choice.supplyName, place == InsertPlace::Above ? "Above" : "Below"),
        ordersPart, [&](Model& m) { return tarnel::insertIntoOrder(m, order, choice, place); });
    if (outcome.kind == InsertOutcome::Refused)
        return fail(insertMessage(order, place));
    return outcome;
}

Result<std::size_t> Session::moveInOrder(OrderList order, std::optional<std::size_t> row,
                                         MoveDirection direction) {
    document_.markUnsaved();
    const std::optional<std::size_t> moved = document_.edit(
        named("Move", ruleAt(model(), order, row), direction == MoveDirection::Up ? "Up" : "Down"),
        ordersPart, [&](Model& m) { return tarnel::moveInOrder(m, order, row, direction); });
    if (!moved)
        return fail("Click a name in the Order list;\r\nthen use arrows to move it up or down.");
    return *moved;
}

Result<> Session::deleteFromOrder(OrderList order, std::optional<std::size_t> row) {
    document_.markUnsaved();
    const bool deleted =
        document_.edit(named("Delete", ruleAt(model(), order, row), "from Order"), ordersPart,
                       [&](Model& m) { return tarnel::deleteFromOrder(m, order, row); });
    if (!deleted)
        return fail("First click the rule name that you want to delete.");
    return {};
}

void Session::deleteRule(const std::string& name) {
    document_.edit(named("Delete", name, "from Supply"), rulesPart | ordersPart,
                   [&name](Model& m) { deleteRuleFromSupply(m, name); });
    document_.markUnsaved();
}

Result<> Session::toggleMask(std::size_t row) {
    const bool masking = row < model().lstM.size() && model().lstM[row].empty();
    const bool found = document_.edit(
        named(masking ? "Mask" : "Unmask", ruleAt(model(), OrderList::Diachronic, row)), ordersPart,
        [row](Model& m) { return tarnel::toggleMask(m, row); }, {.affectsFile = false});
    if (!found)
        return fail("Missing expected minus sign before rule name.");
    return {};
}

void Session::togglePersistence(std::optional<std::size_t> row) {
    document_.markUnsaved();
    const bool persistent = row && *row < model().lstP.size() && model().lstP[*row].empty();
    document_.edit(named("Make", ruleAt(model(), OrderList::Diachronic, row),
                         persistent ? "Persistent" : "Not Persistent"),
                   ordersPart, [row](Model& m) { tarnel::togglePersistence(m, row); });
}

void Session::moveToPlace(std::size_t row, std::size_t to) {
    if (row >= model().lstDiacOrd.size() || to >= model().lstDiacOrd.size() || row == to)
        return;
    document_.markUnsaved();
    document_.edit(named("Move", ruleAt(model(), OrderList::Diachronic, row),
                         "to Place " + std::to_string(to + 1)),
                   ordersPart, [row, to](Model& m) {
                       m.lstM.resize(m.lstDiacOrd.size());
                       m.lstP.resize(m.lstDiacOrd.size());
                       for (auto* list : {&m.lstDiacOrd, &m.lstM, &m.lstP}) {
                           std::string entry = std::move((*list)[row]);
                           list->erase(list->begin() + static_cast<std::ptrdiff_t>(row));
                           list->insert(list->begin() + static_cast<std::ptrdiff_t>(to),
                                        std::move(entry));
                       }
                   });
}

} // namespace tarnel
