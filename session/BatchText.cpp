// SPDX-License-Identifier: GPL-3.0-or-later
#include "BatchText.h"

#include "insight/Metrics.h"
#include "model/RuleName.h"

namespace tarnel {

namespace {

constexpr std::string_view arrow = " > ";
constexpr std::string_view discrepancyMark = ":  ";

std::string listText(const BatchRun& run, bool good) {
    std::string text = (good ? goodLabel(run.goodCount()) : badLabel(run.badCount())) + "\n";
    for (const BatchItemResult& item : run.items)
        if (item.good() == good)
            text += "  " + resultLine(item) + "\n";
    return text;
}

std::string impactText(const insight::RuleImpact& impact) {
    std::string text = "Rule impact (Good items if the entry alone were masked):\n";
    for (const insight::EntryImpact& entry : impact.entries)
        text += "  " + std::to_string(entry.position + 1) + " " + entry.name + ": " +
                (entry.netGood() > 0 ? "+" : "") + std::to_string(entry.netGood()) + "\n";
    return text;
}

// Each Bad item with the best edit of the order that makes it Good, then the interactions.
std::string fixesText(const insight::BatchReport& report) {
    std::string text = "Order fixes (the best single edit for each Bad item):\n";
    for (const insight::ItemRow& row : report.items)
        if (!row.good && !row.fixes.empty())
            text += "  " + row.etymon + std::string(arrow) + row.reflex + ": " +
                    insight::fixText(
                        report.orderFixes->fixes[static_cast<std::size_t>(row.fixes.front())]) +
                    "\n";
    text += "Interactions (items whose result the order of the two decides):\n";
    for (const insight::Interaction& interaction : report.orderFixes->interactions)
        text += "  " + insight::interactionText(interaction) + ": " +
                std::to_string(interaction.items.size()) + "\n";
    return text;
}

// Each group's change and items, then its rules, one a line.
std::string suggestionsText(const insight::BatchReport& report) {
    std::string text = "Suggested rules (for the Bad items that lack a change):\n";
    for (const insight::SuggestionGroup& group : report.suggestions->groups) {
        std::string items;
        for (const int i : group.items)
            items += (items.empty() ? "" : ", ") + report.items[static_cast<std::size_t>(i)].etymon;
        text += "  " + insight::changeText(group.change) + ": " + items + "\n";
        for (const insight::SuggestedRule& rule : group.rules)
            text += "    " + std::string(ruleName(rule.lines)) + " " + insight::placeText(rule) +
                    ": +" + std::to_string(rule.fixed()) + " fixed, " +
                    std::to_string(rule.broken) + " broken:  " + insight::ruleSummary(rule) + "\n";
    }
    return text;
}

} // namespace

std::string resultLine(std::string_view etymon, std::string_view reflex,
                       const std::optional<Discrepancy>& discrepancy) {
    std::string line = std::string(etymon) + std::string(arrow) + std::string(reflex);
    if (discrepancy)
        line += std::string(discrepancyMark) + insight::discrepancyText(discrepancy);
    return line;
}

std::string resultLine(const BatchItemResult& item) {
    return resultLine(item.etymon, item.reflex, item.discrepancy);
}

std::optional<insight::PreviousItem> parseResultLine(std::string_view line, bool good) {
    const std::size_t split = line.find(arrow);
    if (split == std::string_view::npos)
        return std::nullopt;
    insight::PreviousItem item{std::string(line.substr(0, split)),
                               std::string(line.substr(split + arrow.size())),
                               good,
                               {}};
    if (!good) {
        const std::size_t mark = item.reflex.rfind(std::string(discrepancyMark) + "seg.#");
        if (mark == std::string::npos)
            return std::nullopt;
        item.discrepancy = item.reflex.substr(mark + discrepancyMark.size());
        item.reflex.resize(mark);
    }
    return item;
}

std::string batchText(const BatchRun& run, const insight::BatchReport& report) {
    std::string text = listText(run, true) + listText(run, false);
    text += std::string(batchDoneText) + "\n";
    text += insight::accuracyText(run.goodCount(), static_cast<int>(run.items.size())) + "\n";
    if (!run.items.empty())
        text += insight::distanceText(report.metrics) + "\n";
    if (report.since)
        text += insight::sinceText(*report.since) + "\n";
    if (report.impact)
        text += impactText(*report.impact);
    if (report.orderFixes)
        text += fixesText(report);
    if (report.suggestions)
        text += suggestionsText(report);
    return text;
}

} // namespace tarnel
