// SPDX-License-Identifier: GPL-3.0-or-later
// What storing the rule being edited would do, shown before it is stored.
#include "Session.h"
#include "model/RuleName.h"

#include <algorithm>

namespace tarnel {

namespace {

constexpr const char* noRunNote = "Run the batch to see what storing this rule would do.";
constexpr const char* changedNote =
    "The model has changed since the last batch run: run it again to see what storing this "
    "rule would do.";
constexpr const char* noEntryNote =
    "This rule is in no order, or only masked: storing it changes no word.";

} // namespace

// The last run is made again with the edited rule in the model, from the words it started
// with, so that every item, the rules above the edit included, comes out exactly as a batch
// run after Return would make it.
insight::RulePreview Session::previewRuleEdit(const std::optional<std::vector<std::string>>& lines,
                                              const insight::Normaliser& normalise) {
    insight::RulePreview preview;
    if (batchRun_.items.empty() || batchRun_.stopped) {
        preview.note = noRunNote;
        return preview;
    }
    if (!rulesOfLastBatch()) {
        preview.note = changedNote;
        return preview;
    }
    const RuleEditor& editor = ruleEditor();
    Model edited = batchModel_;
    const auto rule =
        std::find_if(edited.lst1Rule.begin(), edited.lst1Rule.end(),
                     [&](const auto& r) { return ruleName(r) == editor.currentName(); });
    const std::vector<insight::OrderEntry> entries = insight::orderEntries(edited);
    const auto entry = std::find_if(entries.begin(), entries.end(), [&](const auto& e) {
        return e.name == editor.currentName() && !e.masked && e.rule;
    });
    if (rule == edited.lst1Rule.end() || entry == entries.end()) {
        preview.note = noEntryNote;
        return preview;
    }
    // The rule keeps the name its entries give it, whatever its text's first line says.
    *rule = lines ? *lines : editor.lines();
    if (!rule->empty())
        rule->front() = editor.currentName() + rule->front().substr(ruleName(*rule).size());

    const CompiledModel compiledEdit(edited);
    BatchRun run;
    run.startWorking = batchRun_.startWorking;
    run.startReflex = batchRun_.startReflex;
    BatchRunRecorder recorder(run);
    Engine engine(compiledEdit, recorder);
    engine.setWorkingWord(run.startWorking);
    engine.setReflexWord(run.startReflex);
    engine.runBatch(recorder, pool());
    for (std::size_t i = 0; i < run.items.size() && i < batchRun_.items.size(); ++i) {
        const bool was = batchRun_.items[i].good();
        const bool now = run.items[i].good();
        preview.fixed += !was && now ? 1 : 0;
        preview.broken += was && !now ? 1 : 0;
    }
    preview.words = insight::ruleWords(
        edited, entries, run, static_cast<std::size_t>(entry - entries.begin()), normalise);
    return preview;
}

} // namespace tarnel
