// SPDX-License-Identifier: GPL-3.0-or-later
// What a batch run of the open model shows beyond its Good and Bad lists.
#include "Session.h"

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

} // namespace tarnel
