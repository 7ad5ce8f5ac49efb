// SPDX-License-Identifier: GPL-3.0-or-later
#include "Batch.h"

#include "BatchReporter.h"
#include "Engine.h"
#include "ParallelBatch.h"
#include "ThreadPool.h"
#include "core/Features.h"

#include <algorithm>
#include <bit>

namespace tarnel {

std::string goodLabel(int count) {
    return "Good:  " + std::to_string(count);
}

std::string badLabel(int count) {
    return "Bad:  " + std::to_string(count);
}

std::string progressText(int k, int n) {
    const long long percent = n > 0 ? (200LL * k + n) / (2LL * n) : 100;
    return std::to_string(percent) + "% done";
}

std::optional<Discrepancy> findDiscrepancy(const WordPlanes& derived, const WordPlanes& reflex) {
    const int common = std::min(derived.length, reflex.length);
    int position = wordPositions;
    int feature = 0;
    for (int f = 0; f < soundFeatureCount; ++f) {
        const std::uint32_t differ = (derived.plane[static_cast<std::size_t>(f)] ^
                                      reflex.plane[static_cast<std::size_t>(f)]) &
                                     positionsBelow(common);
        if (differ != 0 && std::countr_zero(differ) < position) {
            position = std::countr_zero(differ);
            feature = f;
        }
    }
    if (position < wordPositions)
        return Discrepancy{position + 1, *featureName(feature)};
    if (derived.length != reflex.length)
        return Discrepancy{common + 1, *featureName(segmentFeature)};
    return std::nullopt;
}

Discrepancy tooLongDiscrepancy() {
    return Discrepancy{maxTypedLength + 1, *featureName(segmentFeature)};
}

std::string tooLongItemsMessage(const std::vector<std::string>& items) {
    std::string message = "These items hold a word longer than 20 characters, more than a word "
                          "can hold; they count as Bad:";
    for (const std::string& item : items)
        message += "\r\n" + item;
    return message;
}

bool BatchReporter::show(int k, const VocabularyItem& entry, std::optional<Discrepancy> discrepancy,
                         const Word& derived, const Word& expected) {
    if (entry.etymon.size() > maxTypedLength || entry.reflex.size() > maxTypedLength) {
        tooLong_.push_back(entry.etymon + " > " + entry.reflex);
        discrepancy = discrepancy.value_or(tooLongDiscrepancy());
    }
    item_.good = !discrepancy;
    (item_.good ? item_.goodCount : item_.badCount) += 1;
    progress_ = progressText(k, itemCount_);
    item_.index = k;
    item_.progress = progress_;
    item_.etymon = entry.etymon;
    item_.reflex = entry.reflex;
    item_.discrepancy = discrepancy;
    item_.derived = &derived;
    item_.expected = &expected;
    display_.showBatchItem(item_);
    return display_.stopRequested();
}

void BatchReporter::finish(MessageSink& messages, bool stopped) {
    if (!tooLong_.empty())
        messages.showMessage(tooLongItemsMessage(tooLong_));
    if (!stopped)
        display_.showBatchEnd(batchDoneText);
}

bool Engine::runBatch(BatchDisplay& display, ThreadPool* pool) {
    const std::vector<VocabularyItem>& vocabulary = model_->vocabulary();
    mode_ = DerivationMode::Batch;
    cut_ = false; // a batch shows no stages, so none is ever cut
    const int n = static_cast<int>(vocabulary.size());
    BatchReporter reporter(display, n);
    bool stopped = false;
    if (pool != nullptr && pool->size() > 1 && n > 1) {
        stopped = ParallelBatch(*this, reporter, *messages_, *pool).run();
    } else {
        for (int k = 0; k < n && !stopped; ++k) {
            const VocabularyItem& entry = vocabulary[static_cast<std::size_t>(k)];
            const std::optional<Discrepancy> discrepancy = compareItem(entry);
            stopped = reporter.show(k, entry, discrepancy, workingWord(), reflexWord());
        }
    }
    reporter.finish(*messages_, stopped);
    return !stopped;
}

} // namespace tarnel
