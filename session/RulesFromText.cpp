// SPDX-License-Identifier: GPL-3.0-or-later
// New rules from text pasted as the model file writes them.
#include "Session.h"
#include "model/AlphabeticalList.h"
#include "model/RuleName.h"

namespace tarnel {

std::vector<RuleProblem> Session::checkNewRules(std::string_view text) const {
    return tarnel::checkNewRules(readRulesText(text), {model().lstSupply, {}});
}

Result<std::vector<std::string>> Session::addRulesFromText(std::string_view text) {
    const std::vector<TextRule> rules = readRulesText(text);
    if (const auto problems = tarnel::checkNewRules(rules, {model().lstSupply, {}});
        !problems.empty())
        return fail(problemList(addProblemsHeadline, problems));
    std::vector<std::string> names;
    for (const TextRule& rule : rules)
        names.emplace_back(ruleNameOf(rule.lines.front()));
    const std::string caption = names.size() == 1
                                    ? "Create Rule " + names.front()
                                    : "Create " + std::to_string(names.size()) + " Rules";
    document_.edit(caption, rulesPart, [&](Model& m) {
        for (std::size_t i = 0; i < rules.size(); ++i) {
            m.lst1Rule.push_back(rules[i].lines);
            insertAlphabetical(m.lstSupply, names[i]);
        }
    });
    return names;
}

} // namespace tarnel
