// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Model.h"

#include <string>

namespace tarnel::bench {

// The engine's benchmark model: 150 Diachronic rules using every line type, a fifth of them
// persistent, and a 10,000-item Vocabulary of 4- to 12-segment words. Rule environments are
// as narrow as a real model's: a derivation shows about ten stages.
Model everyLineTypeModel();

// A cascade whose words keep their length: 746 Diachronic rules (no DELETE, no INSERT that
// grows a word, none persistent) and a Vocabulary of 1,378 items of 4 to 12 segments.
Model lengthKeepingModel();

// A model of `ruleCount` rules, every one of them in the Diachronic Order, and no Vocabulary.
Model manyRulesModel(int ruleCount);

// The text of a model file whose Vocabulary holds `itemCount` distinct items, stored in
// alphabetical order, in reverse order or shuffled.
enum class ItemOrder { Sorted, Reversed, Shuffled };
std::string vocabularyFile(int itemCount, ItemOrder order);

// How many rule applications one batch item makes when no rule is persistent.
long long applicationsPerItem(const Model& model);

} // namespace tarnel::bench
