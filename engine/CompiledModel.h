// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CompiledRule.h"
#include "core/Encoder.h"
#include "model/Model.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tarnel {

struct DiachronicEntry {
    int rule = 0;
    bool persistent = false;
};

// The orders as a run applies them: rule indexes, with the Diachronic Order's masked entries
// and the entries that name no rule left out.
struct Orders {
    std::vector<int> etymon;
    std::vector<DiachronicEntry> diachronic;
    std::vector<int> reflex;
};

// A Vocabulary item: the etymon is the text before the first blank, the reflex the rest.
struct VocabularyItem {
    std::string etymon;
    std::string reflex;
};
VocabularyItem splitItem(std::string_view item);

// Everything a derivation needs from a model, read once: every rule of the store compiled,
// the orders resolved to rule indexes, the alphabets as encoding tables and the Vocabulary
// items split. It never changes, so any number of engines, on any number of threads, may
// share one; build a new one when the model changes.
class CompiledModel {
public:
    explicit CompiledModel(const Model& model);

    int ruleCount() const { return static_cast<int>(rules_.size()); }
    const CompiledRule& rule(int index) const { return *rules_[static_cast<std::size_t>(index)]; }

    // This model with rule `index` compiled from `lines` instead, as the model with that rule
    // so edited would compile; every other rule is shared with this one, not compiled again.
    CompiledModel withRule(int index, const std::vector<std::string>& lines) const;

    // The index of the first rule of the store whose name is `name`, exactly.
    std::optional<int> findRule(std::string_view name) const;

    const Orders& orders() const { return orders_; }

    // The orders with the Diachronic Order under another mask: entry k is masked when
    // `masked[k]` is true (entries beyond `masked` are not); persistence stays the model's.
    Orders ordersMasking(const std::vector<bool>& masked) const;

    const EncodingTable& etymonAlphabet() const { return etymonAlphabet_; }
    const EncodingTable& reflexAlphabet() const { return reflexAlphabet_; }
    const std::vector<VocabularyItem>& vocabulary() const { return vocabulary_; }

private:
    struct DiachronicSource {
        std::optional<int> rule; // of the entry's name without its mask sign
        bool persistent = false;
        bool masked = false;
    };

    std::vector<int> resolve(const std::vector<std::string>& order) const;

    // Shared with the models made by withRule.
    std::vector<std::shared_ptr<const CompiledRule>> rules_;
    // Names are looked up as views, without a copy.
    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const {
            return std::hash<std::string_view>{}(name);
        }
    };
    std::unordered_map<std::string, int, NameHash, std::equal_to<>> ruleIndexes_;
    std::vector<DiachronicSource> diachronic_;
    Orders orders_;
    EncodingTable etymonAlphabet_;
    EncodingTable reflexAlphabet_;
    std::vector<VocabularyItem> vocabulary_;
};

} // namespace tarnel
