// SPDX-License-Identifier: GPL-3.0-or-later
#include "Report.h"

#include "core/IpaDisplay.h"

namespace tarnel::insight {

namespace {

ItemRow itemRow(const BatchItemResult& item, IpaSpeller& speller) {
    ItemRow row;
    row.index = item.index;
    row.etymon = item.etymon;
    row.reflex = item.reflex;
    row.expectedIpa = speller.expected(item.expected);
    row.derivedIpa = speller.derived(item.derived);
    row.good = item.good();
    row.discrepancy = discrepancyText(item.discrepancy);
    return row;
}

void addBlames(BatchReport& report, const std::vector<ItemTrace>& traces,
               const std::vector<OrderEntry>& entries) {
    for (std::size_t i = 0; i < report.items.size(); ++i)
        if (!report.items[i].good)
            report.items[i].blame = blame(traces[i], entries);
}

} // namespace

std::string IpaSpeller::spell(const Word& word, DecodedSymbol (*decode)(const Segment&),
                              Codes& known) {
    const FeatureWord features = featureWord(word);
    std::string codes;
    for (int p = 0; p < features.length; ++p) {
        const auto position = static_cast<std::size_t>(p);
        auto [symbol, added] = known.try_emplace(features.segments[position]);
        if (added)
            symbol->second = decode(word.segments[position]).codes;
        codes += symbol->second;
    }
    std::string text = ipaDisplayText(codes);
    return normalise_ ? normalise_(text) : text;
}

std::string IpaSpeller::derived(const Word& word) {
    return spell(word, getSymbol, derived_);
}

std::string IpaSpeller::expected(const Word& word) {
    return spell(word, reflexGetSymbol, expected_);
}

std::string derivedIpa(const Word& word, const Normaliser& normalise) {
    return IpaSpeller(normalise).derived(word);
}

std::string expectedIpa(const Word& word, const Normaliser& normalise) {
    return IpaSpeller(normalise).expected(word);
}

BatchReport buildReport(const Model& model, const BatchRun& run, const ReportRequest& request) {
    BatchReport report;
    const std::vector<Distances> distances = measureItems(run, request.pool);
    report.metrics = summarise(distances, run.goodCount());
    if (request.previous)
        report.since = compareRuns(*request.previous, run);
    if (!request.items && !request.rules)
        return report;
    const std::vector<OrderEntry> entries = orderEntries(model);
    const std::vector<ItemTrace> traces =
        traceEtymons(model, entries, run, request.rules ? Traced::AllItems : Traced::BadItems);
    if (request.items) {
        IpaSpeller speller(request.normalise);
        for (std::size_t i = 0; i < run.items.size(); ++i) {
            report.items.push_back(itemRow(run.items[i], speller));
            report.items.back().distances = distances[i];
            if (report.since)
                report.items.back().since = report.since->items[i];
        }
        addBlames(report, traces, entries);
    }
    if (request.rules)
        report.rules = ruleUse(entries, run, traces, traceReflexes(model, entries, run));
    return report;
}

void addImpact(BatchReport& report, RuleImpact impact) {
    if (report.rules)
        for (RuleRow& row : report.rules->rows)
            for (const EntryImpact& entry : impact.entries)
                if (row.entry.order == Order::Diachronic && row.entry.position == entry.position)
                    row.impact = entry.netGood();
    report.impact = std::move(impact);
}

void addOrderFixes(BatchReport& report, OrderFixes fixes) {
    for (ItemRow& row : report.items) {
        const auto index = static_cast<std::size_t>(row.index);
        if (row.good || index >= fixes.byItem.size())
            continue;
        row.fixes = fixes.byItem[index];
        if (row.fixes.size() > fixesShown)
            row.fixes.resize(fixesShown);
        for (const int f : row.fixes) {
            const OrderFix& fix = fixes.fixes[static_cast<std::size_t>(f)];
            if (fix.edit.kind == EditKind::Move || fix.edit.kind == EditKind::Mask) {
                if (row.blame)
                    row.blame->rule = fix.name;
                break;
            }
        }
    }
    report.orderFixes = std::move(fixes);
}

std::vector<int> missingChangeItems(const BatchReport& report) {
    std::vector<int> items;
    for (const ItemRow& row : report.items)
        if (!row.good && row.blame && row.blame->text == missingChangeText)
            items.push_back(row.index);
    return items;
}

} // namespace tarnel::insight
