// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A fixed model around a Rules section, for the targets that fuzz rule text: the bytes are
// read as a model file's Rules section would be, so the rules are those a loaded file gives.

#include "core/Alphabet.h"
#include "model/ModelFile.h"
#include "model/OrderEntry.h"

#include <optional>
#include <string>
#include <string_view>

namespace tarnel::fuzz {

inline constexpr std::string_view rulesStart = "\xA7"
                                               "4_START:Rules\r\n\r\n";
inline constexpr std::string_view rulesEnd = "\r\n\xA7"
                                             "5_END:Rules";

// The text of an empty model file with `rules` as its Rules section.
inline std::string withRulesSection(std::string_view rules) {
    std::string text = modelFileText(Model{});
    text.insert(text.find(rulesStart) + rulesStart.size(), rules);
    return text;
}

// The Rules section of `model`'s file.
inline std::string rulesSectionOf(const Model& model) {
    const std::string text = modelFileText(model);
    const std::size_t start = text.find(rulesStart) + rulesStart.size();
    return text.substr(start, text.find(rulesEnd, start) - start);
}

// The model of `rules` with the default alphabets, a few words, and its first rules in all
// three orders: some persistent, some masked in the Diachronic Order.
inline std::optional<Model> modelWithRules(std::string_view rules) {
    Result<LoadedModel> read = readModelText(withRulesSection(rules), "fuzz");
    if (!read)
        return std::nullopt;
    Model& model = read->model;
    createAlphabets(model.lstCol, model.lstColR);
    model.lstVocab = {"sikitanu  sigidan", "aaaaaaaaaaaaaaaaaaaa  a", "qx  k"};
    constexpr std::size_t maxRules = 12;
    for (std::size_t i = 0; i < model.lstSupply.size() && i < maxRules; ++i) {
        const std::string& name = model.lstSupply[i];
        const bool masked = i % 5 == 4;
        model.lstDiacOrd.push_back(masked ? "-" + name : name);
        model.lstM.emplace_back(masked ? maskMark : "");
        model.lstP.emplace_back(i % 3 == 0 ? persistentMark : "");
        (i % 2 == 0 ? model.lstEtyOrd : model.lstReflOrd).push_back(name);
    }
    return std::move(model);
}

} // namespace tarnel::fuzz
