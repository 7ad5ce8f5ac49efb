// SPDX-License-Identifier: GPL-3.0-or-later
#include "OrderEntries.h"

#include "engine/RuleText.h"

namespace tarnel::insight {

namespace {

void addOrder(std::vector<OrderEntry>& entries, const Model& model, Order order,
              const std::vector<std::string>& names) {
    for (std::size_t k = 0; k < names.size(); ++k) {
        OrderEntry entry;
        entry.order = order;
        entry.position = static_cast<int>(k);
        entry.name = names[k];
        if (order == Order::Diachronic) {
            entry.masked = entry.name.starts_with('-');
            if (entry.masked)
                entry.name.erase(0, 1);
            entry.persistent = k < model.lstP.size() && model.lstP[k] == "P";
        }
        entry.rule = findRule(model, entry.name);
        entry.stage =
            entry.rule
                ? splitRuleText(model.lst1Rule[static_cast<std::size_t>(*entry.rule)]).stageName
                : entry.name;
        entries.push_back(std::move(entry));
    }
}

} // namespace

std::string_view orderName(Order order) {
    switch (order) {
    case Order::Etymon:
        return "Etymon";
    case Order::Reflex:
        return "Reflex";
    case Order::Diachronic:
        break;
    }
    return "Diachronic";
}

std::vector<OrderEntry> orderEntries(const Model& model) {
    std::vector<OrderEntry> entries;
    addOrder(entries, model, Order::Etymon, model.lstEtyOrd);
    addOrder(entries, model, Order::Diachronic, model.lstDiacOrd);
    addOrder(entries, model, Order::Reflex, model.lstReflOrd);
    return entries;
}

} // namespace tarnel::insight
