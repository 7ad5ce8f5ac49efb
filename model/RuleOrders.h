// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Model.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tarnel {

// The three order lists of a model. The Diachronic Order carries the mask column `lstM`
// and the persistence column `lstP`; every change to it is made to all three at once.
enum class OrderList { Etymon, Diachronic, Reflex };

std::vector<std::string>& orderEntries(Model& model, OrderList order);
const std::vector<std::string>& orderEntries(const Model& model, OrderList order);

// What the order screen has chosen when an action starts.
struct OrderChoice {
    std::string supplyName;              // the Supply name last clicked (may be empty)
    bool supplyHighlighted = false;      // a Supply entry is highlighted right now
    std::optional<std::size_t> orderRow; // the highlighted entry of the visible order
};

enum class InsertPlace { Above, Below };

struct InsertOutcome {
    enum Kind { Refused, Appended, Inserted } kind = Refused;
    std::size_t row = 0; // the new entry's index when Inserted (it becomes highlighted)
};

// Insert Above / Insert Below. An empty
// order receives the chosen Supply name at its end; otherwise a highlighted Supply entry
// and a highlighted order entry are needed. A name that is no longer in the Supply (the
// rule was deleted since it was clicked) is refused, so no order names a missing rule.
InsertOutcome insertIntoOrder(Model& model, OrderList order, const OrderChoice& choice,
                              InsertPlace place);

enum class MoveDirection { Up, Down };

// The arrows. With no highlighted row nothing moves and
// nullopt says so. Otherwise returns the row to highlight afterwards (unchanged at either
// end of the list). Mask and persistence travel with their Diachronic entry.
std::optional<std::size_t> moveInOrder(Model& model, OrderList order,
                                       std::optional<std::size_t> row, MoveDirection direction);

// Delete from Order. Returns false when no row is
// highlighted (nothing removed).
bool deleteFromOrder(Model& model, OrderList order, std::optional<std::size_t> row);

// Delete from Supply, after the user confirmed: removes the rule named `name` from the
// Supply, every entry of it (masked or not) from the Etymon, Reflex and Diachronic Orders
// in that order, with their mask and persistence entries, and its text from the rule
// store. `name` is taken by value: it may be a Supply entry.
void deleteRuleFromSupply(Model& model, std::string name);

// A release in the mask column on Diachronic row `row`: masks an unmasked entry (puts
// "-" before its name) or unmasks a masked one. Returns false when an entry marked "M"
// lacks its leading "-": the mark is cleared and the name left as it is.
bool toggleMask(Model& model, std::size_t row);

// A release in the persistence column: when a row is highlighted, switches its "P".
void togglePersistence(Model& model, std::optional<std::size_t> row);

} // namespace tarnel
