// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Report.h"
#include "session/Json.h"

#include <string>

namespace tarnel::insight {

// The Items table as CSV for a spreadsheet: UTF-8 after a byte-order mark (by which a
// spreadsheet knows it), a header row, one row per item, every line ending in CR LF, fields
// quoted where they hold a comma, a quote or a line break.
std::string itemsCsv(const BatchReport& report);

// The parts of the JSON report; tarnel-batch adds the first four to its own output.
Json itemsJson(const BatchReport& report);
Json metricsJson(const RunMetrics& metrics);
Json rulesJson(const RulesTable& rules);
Json sinceJson(const SinceLastRun& since, const BatchReport& report);
Json impactJson(const RuleImpact& impact, const BatchReport& report);
// Each interaction as "rule", "relation" ("feeds", ...), "other" and the "items" that show it.
Json interactionsJson(const OrderFixes& fixes, const BatchReport& report);
// Each group as its "items" (their etymons) and its "rules", each with its "lines", its
// "place" and the numbers of items it "fixed" and "broken".
Json suggestionsJson(const Suggestions& suggestions, const BatchReport& report);

// The whole report of a run of model `modelName` (Windows-1252): the model's name, items,
// metrics, and rules, sinceBaseline, impact and interactions where present.
Json reportJson(const BatchReport& report, const std::string& modelName);

} // namespace tarnel::insight
