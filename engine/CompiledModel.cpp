// SPDX-License-Identifier: GPL-3.0-or-later
#include "CompiledModel.h"

#include "RuleText.h"
#include "model/OrderEntry.h"

namespace tarnel {

VocabularyItem splitItem(std::string_view item) {
    item = trimBlanks(item);
    const std::size_t blank = item.find(' ');
    if (blank == std::string_view::npos)
        return {std::string(item), {}};
    return {std::string(item.substr(0, blank)), std::string(trimBlanks(item.substr(blank + 1)))};
}

CompiledModel::CompiledModel(const Model& model)
    : etymonAlphabet_(model.lstCol), reflexAlphabet_(model.lstColR) {
    rules_.reserve(model.lst1Rule.size());
    ruleIndexes_.reserve(model.lst1Rule.size());
    for (const std::vector<std::string>& lines : model.lst1Rule) {
        // The first rule of a name is the one found by it.
        ruleIndexes_.emplace(std::string(ruleName(lines)), static_cast<int>(rules_.size()));
        rules_.push_back(std::make_shared<const CompiledRule>(compileRule(lines)));
    }
    orders_.etymon = resolve(model.lstEtyOrd);
    orders_.reflex = resolve(model.lstReflOrd);
    for (std::size_t k = 0; k < model.lstDiacOrd.size(); ++k) {
        const EntryName entry = orderEntry(model.lstDiacOrd[k]);
        diachronic_.push_back({findRule(entry.rule),
                               k < model.lstP.size() && model.lstP[k] == persistentMark,
                               entry.masked});
    }
    std::vector<bool> modelMask;
    for (const DiachronicSource& source : diachronic_)
        modelMask.push_back(source.masked);
    orders_.diachronic = ordersMasking(modelMask).diachronic;
    vocabulary_.reserve(model.lstVocab.size());
    for (const std::string& item : model.lstVocab)
        vocabulary_.push_back(splitItem(item));
}

CompiledModel CompiledModel::withRule(int index, const std::vector<std::string>& lines) const {
    CompiledModel edited = *this;
    edited.rules_.at(static_cast<std::size_t>(index)) =
        std::make_shared<const CompiledRule>(compileRule(lines));
    return edited;
}

std::optional<int> CompiledModel::findRule(std::string_view name) const {
    const auto found = ruleIndexes_.find(name);
    if (found == ruleIndexes_.end())
        return std::nullopt;
    return found->second;
}

Orders CompiledModel::ordersMasking(const std::vector<bool>& masked) const {
    Orders orders{orders_.etymon, {}, orders_.reflex};
    for (std::size_t k = 0; k < diachronic_.size(); ++k) {
        const DiachronicSource& source = diachronic_[k];
        if (source.rule && !(k < masked.size() && masked[k]))
            orders.diachronic.push_back({*source.rule, source.persistent});
    }
    return orders;
}

// Entries naming no rule are left out.
std::vector<int> CompiledModel::resolve(const std::vector<std::string>& order) const {
    std::vector<int> rules;
    rules.reserve(order.size());
    for (const std::string& entry : order)
        if (const std::optional<int> rule = findRule(entry))
            rules.push_back(*rule);
    return rules;
}

} // namespace tarnel
