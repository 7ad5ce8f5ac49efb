#pragma once

#include "Batch.h"
#include "CompiledModel.h"

#include <optional>
#include <string>

namespace tarnel {

// Hands compared items to a batch display one by one, in Vocabulary order, keeping the
// counts and building each item's line and progress text.
class BatchReport {
public:
    BatchReport(BatchDisplay& display, int itemCount) : display_(display), itemCount_(itemCount) {}

    // Item `k` (from 0) of the Vocabulary.
    void show(int k, const VocabularyItem& entry, const std::optional<Discrepancy>& discrepancy);

private:
    BatchDisplay& display_;
    int itemCount_;
    BatchItem item_;
    std::string line_;
    std::string progress_;
};

} // namespace tarnel
