// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WordPlanes.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarnel {

inline constexpr std::string_view batchDoneText = "100% done";

// The first place where the derived word and the reflex differ: positions both words have,
// features 0 to 20; failing that, a difference in length shows at the first position only
// one word has, as the pseudo-feature "segment".
struct Discrepancy {
    int segment = 0; // counted from 1
    std::string_view feature;
};

// One compared item, with what it was made from. The views and pointers hold only during the
// call that reports the item.
struct BatchItem {
    int index = 0; // the item's place in the Vocabulary, from 0
    bool good = false;
    int goodCount = 0;
    int badCount = 0;
    std::string_view progress; // "N% done"
    std::string_view etymon;
    std::string_view reflex;
    std::optional<Discrepancy> discrepancy;
    const Word* derived = nullptr;  // the etymon after the Etymon and Diachronic Orders
    const Word* expected = nullptr; // the reflex after the Reflex Order
};

// Where a batch run reports. Each call comes as soon as its item is compared, so a screen
// can show the results as they come; keep `showBatchItem` cheap.
class BatchDisplay {
public:
    virtual ~BatchDisplay() = default;
    virtual void showBatchItem(const BatchItem& item) = 0;
    // Asked after every item: true ends the run there, without showBatchEnd.
    virtual bool stopRequested() { return false; }
    // After the last item: `progress` is "100% done".
    virtual void showBatchEnd(std::string_view progress) = 0;
};

// The texts of the two count labels.
std::string goodLabel(int count); // "Good:  3"
std::string badLabel(int count);  // "Bad:  1"

// "N% done" for item `k` (from 0) of `n`, N the nearest whole number to k / n * 100.
std::string progressText(int k, int n);

std::optional<Discrepancy> findDiscrepancy(const WordPlanes& derived, const WordPlanes& reflex);

// A word of more than 20 characters cannot be held: its item is never Good. Where the first
// 20 positions agree, it differs at segment 21, as any length difference would.
Discrepancy tooLongDiscrepancy();

// The one message of a run whose Vocabulary holds such items, listing each as
// "etymon > reflex".
std::string tooLongItemsMessage(const std::vector<std::string>& items);

} // namespace tarnel
