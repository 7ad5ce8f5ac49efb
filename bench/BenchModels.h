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

// The models generated apart from this repository and its benchmarks, in the folder that
// TARNEL_SHARED_MODELS names. A clone of the repository alone has none.
inline constexpr const char* steadySharedModel = "steady-746x1378.tnl"; // words keep their length
inline constexpr const char* cascadeSharedModel =
    "cascade-746x1378.tnl"; // DELETE, persistent rules
std::string sharedModelPath(const char* name);
// The text a benchmark of a shared model that is not there gives as its error.
std::string missingSharedModel(const char* name);

} // namespace tarnel::bench
