// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Comparing models across a save: what a save keeps of a model, and every list of it.

#include "model/AlphabeticalList.h"
#include "model/Model.h"
#include "model/OrderEntry.h"
#include "model/RuleName.h"

#include <algorithm>
#include <tuple>

namespace tarnel::test {

// `model` as a save and a load give it back: masks are not saved, and the rules are written
// in Supply order (rules sharing a name keep their order).
inline Model asSaved(Model model) {
    for (std::string& entry : model.lstDiacOrd)
        entry = std::string(orderEntry(entry).rule);
    std::fill(model.lstM.begin(), model.lstM.end(), std::string());
    std::stable_sort(
        model.lst1Rule.begin(), model.lst1Rule.end(),
        [](const auto& a, const auto& b) { return alphabeticalLess(ruleName(a), ruleName(b)); });
    return model;
}

// Everything a model holds but its name.
inline auto lists(const Model& m) {
    return std::tie(m.notes, m.lst1Rule, m.lstSupply, m.lstDiacOrd, m.lstM, m.lstP, m.lstEtyOrd,
                    m.lstReflOrd, m.lstCol, m.lstColR, m.lstVocab);
}

} // namespace tarnel::test
