// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/Batch.h"

#include <string>

namespace tarnel {

// A batch display that keeps everything: the Good and Bad lines as the screen's lists hold
// them, the counts and the last progress text.
struct BatchCollector : BatchDisplay {
    void showBatchItem(const BatchItem& item) override {
        std::string line = std::string(item.etymon) + " > " + std::string(item.reflex);
        if (item.discrepancy)
            line += ":  seg.#" + std::to_string(item.discrepancy->segment) + ", " +
                    std::string(item.discrepancy->feature);
        (item.good ? goodText : badText) += line + "\r\n";
        goodCount = item.goodCount;
        badCount = item.badCount;
        progress = item.progress;
    }
    void showBatchEnd(std::string_view text) override { progress = text; }

    std::string goodText, badText;
    int goodCount = 0, badCount = 0;
    std::string progress;
};

} // namespace tarnel
