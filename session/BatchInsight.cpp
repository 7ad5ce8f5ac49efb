// What a batch run of the open model shows beyond its Good and Bad lists.
#include "Session.h"
#include "insight/RuleUse.h"

namespace tarnel {

insight::BatchReport Session::reportBatch(const BatchRun& run,
                                          const insight::Normaliser& normalise) {
    insight::ReportRequest request;
    request.normalise = normalise;
    if (!run.stopped && lastRun_)
        request.previous = &*lastRun_;
    insight::BatchReport report = insight::buildReport(model_, run, request);
    if (!run.stopped)
        lastRun_ = insight::previousItems(run);
    return report;
}

insight::RulesTable Session::rulesTable(const BatchRun& run) const {
    return insight::ruleUse(model_, run);
}

insight::RuleImpact Session::measureRuleImpact(const BatchRun& run,
                                               const insight::ImpactProgress& progress) const {
    return insight::measureRuleImpact(model_, run, progress);
}

} // namespace tarnel
