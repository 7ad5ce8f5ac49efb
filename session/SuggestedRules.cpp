// SPDX-License-Identifier: GPL-3.0-or-later
// New rules suggested for the items of the last batch run that lack a change.
#include "Session.h"
#include "insight/Suggestions.h"
#include "model/AlphabeticalList.h"
#include "model/RuleName.h"

namespace tarnel {

namespace {

std::vector<std::string> renamed(std::vector<std::string> lines, const std::string& name) {
    const std::size_t old = ruleName(lines).size();
    lines.front() = name + lines.front().substr(old);
    lines.back() = "END:  " + name;
    return lines;
}

// Before entry `place`, or after the last for the order's length.
void insertAtPlace(Model& model, const std::string& name, std::size_t place) {
    const std::size_t count = model.lstDiacOrd.size();
    OrderChoice choice{name, true, std::nullopt};
    if (count > 0)
        choice.orderRow = std::min(place, count - 1);
    insertIntoOrder(model, OrderList::Diachronic, choice,
                    place < count ? InsertPlace::Above : InsertPlace::Below);
}

} // namespace

void Session::suggestRules(const insight::ImpactProgress& progress) {
    report_.suggestions = insight::suggestRules(
        model(), compiled(), batchRun_, insight::missingChangeItems(report_), pool(), progress);
}

bool Session::addSuggestedRule(std::size_t group, std::size_t index) {
    const auto& suggestions = report_.suggestions;
    if (!suggestions || group >= suggestions->groups.size() || !rulesOfLastBatch())
        return false;
    const insight::SuggestionGroup& found = suggestions->groups[group];
    if (index >= found.rules.size())
        return false;
    const insight::SuggestedRule& rule = found.rules[index];
    std::vector<std::string> lines = rule.lines;
    const std::string name(ruleName(lines));
    if (std::find(model().lstSupply.begin(), model().lstSupply.end(), name) !=
        model().lstSupply.end())
        lines = renamed(std::move(lines), insight::suggestedName(found.change, model(), {}));
    document_.edit("Add Suggested Rule", rulesPart | ordersPart, [&](Model& m) {
        const std::string added(ruleName(lines));
        m.lst1Rule.push_back(lines);
        insertAlphabetical(m.lstSupply, added);
        insertAtPlace(m, added, static_cast<std::size_t>(rule.place));
    });
    return true;
}

} // namespace tarnel
