// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BatchRun.h"
#include "insight/Report.h"
#include "insight/SinceLastRun.h"

#include <optional>
#include <string>
#include <string_view>

namespace tarnel {

// The texts of a batch run, written here alone so that both front ends say the same. Texts
// are Windows-1252.

// The line the Good or Bad list shows for an item, without CR LF: "pater > padre" or
// "pater > padre:  seg.#3, voice".
std::string resultLine(std::string_view etymon, std::string_view reflex,
                       const std::optional<Discrepancy>& discrepancy);
std::string resultLine(const BatchItemResult& item);

// A line of the Good (`good`) or Bad list read back; none when it is no such line.
std::optional<insight::PreviousItem> parseResultLine(std::string_view line, bool good);

// What a person reads of a run at a terminal: the Good and Bad lists with their counts, the
// progress, the accuracy and the distances, what changed since the baseline and the rule
// impact when the report has them; lines end in LF.
std::string batchText(const BatchRun& run, const insight::BatchReport& report);

} // namespace tarnel
