// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Batch.h"

#include "Engine.h"
#include "RuleText.h"
#include "core/Encoder.h"
#include "core/Features.h"

#include <algorithm>

namespace tarnel::reference {

namespace {

// Etymon and reflex of a Vocabulary item: the text before the first blank, and the rest.
std::pair<std::string_view, std::string_view> splitItem(std::string_view item) {
    item = trimBlanks(item);
    const std::size_t blank = item.find(' ');
    if (blank == std::string_view::npos)
        return {item, {}};
    return {item.substr(0, blank), trimBlanks(item.substr(blank + 1))};
}

} // namespace

std::optional<Discrepancy> findDiscrepancy(const Word& derived, const Word& reflex) {
    const int derivedLength = std::clamp(derived.length, 0, wordPositions);
    const int reflexLength = std::clamp(reflex.length, 0, wordPositions);
    const int common = std::min(derivedLength, reflexLength);
    for (int p = 0; p < common; ++p)
        for (int f = 0; f < soundFeatureCount; ++f)
            if (derived.segments[static_cast<std::size_t>(p)][f] !=
                reflex.segments[static_cast<std::size_t>(p)][f])
                return Discrepancy{p + 1, *featureName(f)};
    if (derivedLength != reflexLength)
        return Discrepancy{common + 1, *featureName(segmentFeature)};
    return std::nullopt;
}

bool Engine::runBatch(BatchDisplay& display) {
    const std::vector<std::string>& vocabulary = model_.lstVocab;
    mode_ = DerivationMode::Batch;
    startRun();
    const int n = static_cast<int>(vocabulary.size());
    BatchItem item;
    std::string progress;
    std::vector<std::string> tooLong;
    bool stopped = false;
    for (int k = 0; k < n && !stopped; ++k) {
        const auto [etymon, reflex] = splitItem(vocabulary[static_cast<std::size_t>(k)]);
        deriveItem(etymon, reflex);
        std::optional<Discrepancy> discrepancy = reference::findDiscrepancy(working_, reflex_);
        if (etymon.size() > maxTypedLength || reflex.size() > maxTypedLength) {
            tooLong.push_back(std::string(etymon) + " > " + std::string(reflex));
            discrepancy = discrepancy.value_or(tooLongDiscrepancy());
        }
        item.good = !discrepancy;
        (item.good ? item.goodCount : item.badCount) += 1;
        progress = progressText(k, n);
        item.index = k;
        item.progress = progress;
        item.etymon = etymon;
        item.reflex = reflex;
        item.discrepancy = discrepancy;
        item.derived = &working_;
        item.expected = &reflex_;
        display.showBatchItem(item);
        stopped = display.stopRequested();
    }
    if (!tooLong.empty())
        messages_.showMessage(tooLongItemsMessage(tooLong));
    if (!stopped)
        display.showBatchEnd(batchDoneText);
    return !stopped;
}

void Engine::deriveItem(std::string_view etymon, std::string_view reflex) {
    encodeEtymon(etymon, run_.etymonAlphabet, working_, messages_);
    traverseEtymonOrder();
    traverseDiachronicOrder();
    rulePass_ = passReflex;
    encodeReflex(reflex, run_.reflexAlphabet, reflex_);
    traverseReflexOrder();
}

} // namespace tarnel::reference
