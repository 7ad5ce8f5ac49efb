// SPDX-License-Identifier: GPL-3.0-or-later
// What a batch run of the open model shows beyond its Good and Bad lists.
#include "Session.h"
#include "insight/RuleUse.h"

namespace tarnel {

const insight::BatchReport& Session::reportBatch(const insight::Normaliser& normalise,
                                                 ReportOptions options) {
    insight::ReportRequest request;
    request.normalise = normalise;
    request.rules = options.rules;
    request.items = options.items;
    request.previous = options.baseline;
    request.pool = pool();
    if (!options.baseline && !batchRun_.stopped && lastRun_)
        request.previous = &*lastRun_;
    report_ = insight::buildReport(model(), batchRun_, request);
    if (!batchRun_.stopped)
        lastRun_ = insight::previousItems(batchRun_);
    return report_;
}

const insight::BatchReport& Session::reportWithRules() {
    if (!report_.rules)
        report_.rules = insight::ruleUse(model(), batchRun_);
    return report_;
}

// Each entry is masked on the compiled model as it stands, in an engine of its own that
// starts from the words the run started from, and its batch runs on every core.
void Session::measureRuleImpact(const insight::ImpactProgress& progress) {
    const CompiledModel& rules = compiled();
    ThreadPool* threads = pool();
    const auto runner = [&](int position) {
        BatchRun masked;
        BatchRunRecorder recorder(masked);
        Engine engine(rules, recorder);
        std::vector<bool> mask(model().lstDiacOrd.size());
        for (std::size_t k = 0; k < mask.size(); ++k)
            mask[k] =
                model().lstDiacOrd[k].starts_with('-') || k == static_cast<std::size_t>(position);
        engine.setMask(mask);
        engine.setWorkingWord(batchRun_.startWorking);
        engine.setReflexWord(batchRun_.startReflex);
        engine.runBatch(recorder, threads);
        return masked;
    };
    insight::addImpact(report_, insight::measureRuleImpact(model(), batchRun_, progress, runner));
}

namespace {

bool sameOrders(const Model& a, const Model& b) {
    return a.lst1Rule == b.lst1Rule && a.lstEtyOrd == b.lstEtyOrd && a.lstDiacOrd == b.lstDiacOrd &&
           a.lstM == b.lstM && a.lstP == b.lstP && a.lstReflOrd == b.lstReflOrd &&
           a.lstCol == b.lstCol && a.lstColR == b.lstColR;
}

OrderList listOf(insight::Order order) {
    switch (order) {
    case insight::Order::Etymon:
        return OrderList::Etymon;
    case insight::Order::Diachronic:
        return OrderList::Diachronic;
    case insight::Order::Reflex:
        break;
    }
    return OrderList::Reflex;
}

} // namespace

bool Session::rulesOfLastBatch() const {
    return !batchRun_.items.empty() && sameOrders(model(), batchModel_);
}

// An entry is found by its place among the three orders, which the run's model shares.
std::vector<insight::RuleWord> Session::ruleWords(OrderList order, std::size_t row,
                                                  const insight::Normaliser& normalise) const {
    if (!rulesOfLastBatch())
        return {};
    const Model& ran = batchModel_;
    std::size_t entry = row;
    if (order != OrderList::Etymon)
        entry += ran.lstEtyOrd.size();
    if (order == OrderList::Reflex)
        entry += ran.lstDiacOrd.size();
    return insight::ruleWords(ran, insight::orderEntries(ran), batchRun_, entry, normalise);
}

std::optional<std::pair<OrderList, std::size_t>>
Session::entryNamed(const std::string& name) const {
    for (const insight::OrderEntry& entry : insight::orderEntries(model()))
        if (entry.name == name)
            return std::pair(listOf(entry.order), static_cast<std::size_t>(entry.position));
    return std::nullopt;
}

void Session::findOrderFixes(const insight::ImpactProgress& progress) {
    insight::addOrderFixes(
        report_, insight::findOrderFixes(model(), compiled(), batchRun_, pool(), progress));
}

// A run of its own, so that the last batch and its report stay as the batch screen shows them.
std::vector<int> Session::placeGains(std::size_t row) {
    BatchRun run;
    BatchRunRecorder recorder(run);
    Engine engine(compiled(), recorder);
    engine.runBatch(recorder, pool());
    return insight::placeGains(model(), compiled(), run, static_cast<int>(row), pool());
}

} // namespace tarnel
