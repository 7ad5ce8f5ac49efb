// SPDX-License-Identifier: GPL-3.0-or-later
#include "RuleOrders.h"

#include "OrderEntry.h"
#include "RuleName.h"

#include <algorithm>
#include <string_view>

namespace tarnel {

namespace {

constexpr std::string_view maskSign = "-";

// The columns beside the Diachronic Order always have its length, even when a damaged
// file left them short, so a row of one list is a row of all three.
void keepColumnsParallel(Model& model) {
    model.lstM.resize(model.lstDiacOrd.size());
    model.lstP.resize(model.lstDiacOrd.size());
}

// Every list that moves with `order`: the order itself, and for the Diachronic Order its
// two columns.
std::vector<std::vector<std::string>*> parallelLists(Model& model, OrderList order) {
    if (order != OrderList::Diachronic)
        return {&orderEntries(model, order)};
    keepColumnsParallel(model);
    return {&model.lstDiacOrd, &model.lstM, &model.lstP};
}

void insertRow(Model& model, OrderList order, std::size_t row, const std::string& name) {
    auto lists = parallelLists(model, order);
    lists[0]->insert(lists[0]->begin() + static_cast<std::ptrdiff_t>(row), name);
    for (std::size_t i = 1; i < lists.size(); ++i)
        lists[i]->insert(lists[i]->begin() + static_cast<std::ptrdiff_t>(row), std::string());
}

void eraseRow(Model& model, OrderList order, std::size_t row) {
    for (auto* list : parallelLists(model, order))
        list->erase(list->begin() + static_cast<std::ptrdiff_t>(row));
}

bool inSupply(const Model& model, const std::string& name) {
    return std::find(model.lstSupply.begin(), model.lstSupply.end(), name) != model.lstSupply.end();
}

bool namesRule(std::string_view entry, std::string_view name) {
    return orderEntry(entry).rule == name;
}

void eraseEntriesOf(Model& model, OrderList order, const std::string& name) {
    const auto& entries = orderEntries(model, order);
    for (std::size_t row = entries.size(); row-- > 0;) {
        if (namesRule(entries[row], name))
            eraseRow(model, order, row);
    }
}

} // namespace

std::vector<std::string>& orderEntries(Model& model, OrderList order) {
    switch (order) {
    case OrderList::Etymon:
        return model.lstEtyOrd;
    case OrderList::Reflex:
        return model.lstReflOrd;
    case OrderList::Diachronic:
        break;
    }
    return model.lstDiacOrd;
}

const std::vector<std::string>& orderEntries(const Model& model, OrderList order) {
    return orderEntries(const_cast<Model&>(model), order);
}

InsertOutcome insertIntoOrder(Model& model, OrderList order, const OrderChoice& choice,
                              InsertPlace place) {
    if (!inSupply(model, choice.supplyName))
        return {};
    const auto& entries = orderEntries(model, order);
    if (entries.empty()) {
        insertRow(model, order, 0, choice.supplyName);
        return {InsertOutcome::Appended, 0};
    }
    if (!choice.supplyHighlighted || !choice.orderRow || *choice.orderRow >= entries.size())
        return {};
    const std::size_t row = *choice.orderRow + (place == InsertPlace::Below ? 1 : 0);
    insertRow(model, order, row, choice.supplyName);
    return {InsertOutcome::Inserted, row};
}

std::optional<std::size_t> moveInOrder(Model& model, OrderList order,
                                       std::optional<std::size_t> row, MoveDirection direction) {
    const std::size_t count = orderEntries(model, order).size();
    if (!row || *row >= count)
        return std::nullopt;
    const std::size_t from = *row;
    const bool atEnd = direction == MoveDirection::Up ? from == 0 : from + 1 == count;
    if (atEnd)
        return from;
    const std::size_t to = direction == MoveDirection::Up ? from - 1 : from + 1;
    for (auto* list : parallelLists(model, order))
        std::swap((*list)[from], (*list)[to]);
    return to;
}

bool deleteFromOrder(Model& model, OrderList order, std::optional<std::size_t> row) {
    if (!row || *row >= orderEntries(model, order).size())
        return false;
    eraseRow(model, order, *row);
    return true;
}

void deleteRuleFromSupply(Model& model, std::string name) {
    std::erase(model.lstSupply, name);
    for (const auto order : {OrderList::Etymon, OrderList::Reflex, OrderList::Diachronic})
        eraseEntriesOf(model, order, name);
    std::erase_if(model.lst1Rule,
                  [&name](const std::vector<std::string>& rule) { return ruleName(rule) == name; });
}

bool toggleMask(Model& model, std::size_t row) {
    keepColumnsParallel(model);
    if (row >= model.lstDiacOrd.size())
        return true;
    std::string& entry = model.lstDiacOrd[row];
    std::string& mark = model.lstM[row];
    if (mark.empty()) {
        mark = maskMark;
        entry.insert(0, maskSign);
        return true;
    }
    mark.clear();
    if (!entry.starts_with(maskSign))
        return false;
    entry.erase(0, maskSign.size());
    return true;
}

void togglePersistence(Model& model, std::optional<std::size_t> row) {
    keepColumnsParallel(model);
    if (!row || *row >= model.lstP.size())
        return;
    std::string& mark = model.lstP[*row];
    mark = mark.empty() ? std::string(persistentMark) : std::string();
}

} // namespace tarnel
