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
