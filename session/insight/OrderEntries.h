// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Model.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarnel::insight {

enum class Order { Etymon, Diachronic, Reflex };

// "Etymon", "Diachronic", "Reflex".
std::string_view orderName(Order order);

// One entry of one of the three orders.
struct OrderEntry {
    Order order = Order::Diachronic;
    int position = 0;  // in its order, from 0
    std::string name;  // the rule name, without the "-" of a mask
    std::string stage; // its stages' label in a derivation (the name when it names no rule)
    bool masked = false;
    bool persistent = false;
    std::optional<int> rule; // the rule it names; none when it names no rule (it does nothing)
};

// Every entry of the Etymon, Diachronic and Reflex Orders, in that order.
std::vector<OrderEntry> orderEntries(const Model& model);

} // namespace tarnel::insight
