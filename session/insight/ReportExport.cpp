// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportExport.h"

#include "core/Cp1252.h"
#include "core/Text.h"

#include <cmath>
#include <cstdio>

namespace tarnel::insight {

namespace {

// Distances are shown to three decimals; more would only be noise.
double rounded(double value) {
    return std::round(value * 1000.0) / 1000.0;
}

std::string decimalText(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.3f", value);
    return buffer;
}

std::string csvLine(const std::vector<std::string>& fields) {
    std::string line;
    for (const std::string& field : fields)
        line += (line.empty() ? "" : ",") + quotedField(field, ',');
    return line + "\r\n";
}

std::string changeText(const ItemRow& row) {
    return row.since ? std::string(changeName(row.since->change)) : std::string();
}

Json optionalText(bool present, const std::string& utf8) {
    return present ? Json(utf8) : Json();
}

Json itemJson(const ItemRow& row) {
    Json item = Json::Object{};
    item.set("etymon", Json::fromCp1252(row.etymon))
        .set("reflex", Json::fromCp1252(row.reflex))
        .set("expected", row.expectedIpa)
        .set("derived", row.derivedIpa)
        .set("good", row.good)
        .set("change", optionalText(row.since.has_value(), changeText(row)))
        .set("before", optionalText(row.since.has_value(), row.since ? row.since->before : ""))
        .set("discrepancy", optionalText(!row.good, row.discrepancy))
        .set("segmentDistance", row.distances.segments)
        .set("normalisedDistance", rounded(row.distances.normalised))
        .set("featureDistance", rounded(row.distances.features));
    const bool blamed = row.blame && row.blame->rule;
    item.set("blamedRule", blamed ? Json::fromCp1252(*row.blame->rule) : Json())
        .set("blame", row.blame ? Json::fromCp1252(row.blame->text) : Json());
    return item;
}

// An item named by its texts, for the lists of changed and impacted items.
Json namedItem(const std::string& etymon, const std::string& reflex) {
    Json item = Json::Object{};
    item.set("etymon", Json::fromCp1252(etymon)).set("reflex", Json::fromCp1252(reflex));
    return item;
}

Json itemsOf(const SinceLastRun& since, const BatchReport& report, ItemChange change) {
    Json items = Json::Array{};
    for (std::size_t i = 0; i < since.items.size(); ++i)
        if (since.items[i].change == change)
            items.push(namedItem(report.items[i].etymon, report.items[i].reflex)
                           .set("before", Json::fromCp1252(since.items[i].before)));
    return items;
}

Json removedItems(const SinceLastRun& since) {
    Json items = Json::Array{};
    for (const PreviousItem& item : since.removed)
        items.push(namedItem(item.etymon, item.reflex)
                       .set("good", item.good)
                       .set("discrepancy", optionalText(!item.good, item.discrepancy)));
    return items;
}

Json namedItems(const std::vector<int>& indexes, const BatchReport& report) {
    Json items = Json::Array{};
    for (const int i : indexes)
        if (i >= 0 && static_cast<std::size_t>(i) < report.items.size())
            items.push(namedItem(report.items[static_cast<std::size_t>(i)].etymon,
                                 report.items[static_cast<std::size_t>(i)].reflex));
    return items;
}

} // namespace

std::string itemsCsv(const BatchReport& report) {
    std::string csv =
        "\xEF\xBB\xBF" + csvLine({"Etymon", "Reflex", "Expected", "Derived", "Result",
                                  "Since last run", "Discrepancy", "Segment distance",
                                  "Normalised distance", "Feature distance", "Blamed rule", "Why"});
    for (const ItemRow& row : report.items) {
        const bool blamed = row.blame && row.blame->rule;
        csv += csvLine({cp1252ToUtf8(row.etymon), cp1252ToUtf8(row.reflex), row.expectedIpa,
                        row.derivedIpa, row.good ? "Good" : "Bad", changeText(row), row.discrepancy,
                        std::to_string(row.distances.segments),
                        decimalText(row.distances.normalised), decimalText(row.distances.features),
                        blamed ? cp1252ToUtf8(*row.blame->rule) : "",
                        row.blame ? cp1252ToUtf8(row.blame->text) : ""});
    }
    return csv;
}

Json suggestionsJson(const Suggestions& suggestions, const BatchReport& report) {
    Json groups = Json::Array{};
    for (const SuggestionGroup& group : suggestions.groups) {
        Json items = Json::Array{};
        for (const int i : group.items)
            items.push(Json::fromCp1252(report.items[static_cast<std::size_t>(i)].etymon));
        Json rules = Json::Array{};
        for (const SuggestedRule& rule : group.rules) {
            Json lines = Json::Array{};
            for (const std::string& text : rule.lines)
                lines.push(Json::fromCp1252(text));
            Json json = Json::Object{};
            json.set("lines", std::move(lines))
                .set("place", rule.place)
                .set("fixed", rule.fixed())
                .set("broken", rule.broken);
            rules.push(std::move(json));
        }
        Json json = Json::Object{};
        json.set("items", std::move(items)).set("rules", std::move(rules));
        groups.push(std::move(json));
    }
    return groups;
}

Json fixJson(const OrderFix& fix) {
    Json json = Json::Object{};
    json.set("edit", std::string(editName(fix.edit.kind))).set("entry", Json::fromCp1252(fix.name));
    if (fix.edit.kind == EditKind::Move)
        json.set("to", fix.edit.to);
    json.set("fixed", fix.fixed()).set("broken", fix.broken());
    return json;
}

Json itemsJson(const BatchReport& report) {
    Json items = Json::Array{};
    for (const ItemRow& row : report.items) {
        Json item = itemJson(row);
        if (report.orderFixes && !row.good) {
            Json fixes = Json::Array{};
            for (const int f : row.fixes)
                fixes.push(fixJson(report.orderFixes->fixes[static_cast<std::size_t>(f)]));
            item.set("fixes", std::move(fixes));
        }
        items.push(std::move(item));
    }
    return items;
}

Json metricsJson(const RunMetrics& metrics) {
    Json json = Json::Object{};
    json.set("items", metrics.items)
        .set("good", metrics.good)
        .set("bad", metrics.items - metrics.good)
        .set("accuracy", accuracyText(metrics.good, metrics.items))
        .set("meanSegmentDistance", rounded(metrics.meanSegmentDistance))
        .set("meanNormalisedDistance", rounded(metrics.meanNormalisedDistance))
        .set("withinOneSegment", rounded(metrics.withinOneSegment))
        .set("meanFeatureDistance", rounded(metrics.meanFeatureDistance));
    return json;
}

Json rulesJson(const RulesTable& rules) {
    Json rows = Json::Array{};
    for (const RuleRow& row : rules.rows) {
        Json json = Json::Object{};
        json.set("order", std::string(orderName(row.entry.order)))
            .set("position", row.entry.position + 1)
            .set("name", Json::fromCp1252(row.entry.name))
            .set("masked", row.entry.masked)
            .set("persistent", row.entry.persistent)
            .set("changed", row.changed)
            .set("good", row.good)
            .set("bad", row.bad);
        rows.push(std::move(json));
    }
    Json nothing = Json::Array{};
    for (const std::string& name : rules.changedNothing)
        nothing.push(Json::fromCp1252(name));
    Json json = Json::Object{};
    json.set("entries", std::move(rows)).set("changedNothing", std::move(nothing));
    return json;
}

Json sinceJson(const SinceLastRun& since, const BatchReport& report) {
    Json json = Json::Object{};
    json.set("summary", sinceText(since))
        .set("fixed", itemsOf(since, report, ItemChange::Fixed))
        .set("broken", itemsOf(since, report, ItemChange::Broken))
        .set("moved", itemsOf(since, report, ItemChange::Moved))
        .set("new", itemsOf(since, report, ItemChange::New))
        .set("removed", removedItems(since));
    return json;
}

Json impactJson(const RuleImpact& impact, const BatchReport& report) {
    Json entries = Json::Array{};
    for (const EntryImpact& entry : impact.entries) {
        Json json = Json::Object{};
        json.set("position", entry.position + 1)
            .set("name", Json::fromCp1252(entry.name))
            .set("netGood", entry.netGood())
            .set("fixes", namedItems(entry.fixes, report))
            .set("breaks", namedItems(entry.breaks, report));
        entries.push(std::move(json));
    }
    Json json = Json::Object{};
    json.set("entries", std::move(entries)).set("stopped", impact.stopped);
    return json;
}

Json interactionsJson(const OrderFixes& fixes, const BatchReport& report) {
    Json interactions = Json::Array{};
    for (const Interaction& interaction : fixes.interactions) {
        Json json = Json::Object{};
        json.set("rule", Json::fromCp1252(interaction.rule))
            .set("relation", std::string(relationName(interaction.relation)))
            .set("other", Json::fromCp1252(interaction.other))
            .set("items", namedItems(interaction.items, report));
        interactions.push(std::move(json));
    }
    return interactions;
}

Json reportJson(const BatchReport& report, const std::string& modelName) {
    Json json = Json::Object{};
    json.set("model", cp1252ToUtf8(modelName))
        .set("items", itemsJson(report))
        .set("metrics", metricsJson(report.metrics));
    if (report.rules)
        json.set("rules", rulesJson(*report.rules));
    if (report.since)
        json.set("sinceBaseline", sinceJson(*report.since, report));
    if (report.impact)
        json.set("impact", impactJson(*report.impact, report));
    if (report.orderFixes)
        json.set("interactions", interactionsJson(*report.orderFixes, report));
    return json;
}

} // namespace tarnel::insight
