// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "OrderEntries.h"
#include "Trace.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarnel::insight {

// Why a Bad item is Bad: the rule that took its word away from the expected reflex after
// the word was last at its closest, or none when nothing did.
struct Blame {
    std::optional<std::string> rule; // the rule name (Windows-1252), a re-application's too
    std::string text;                // "nearest after Lenition; Syncope moved it away"
};

inline constexpr std::string_view missingChangeText = "nearest at the end: a change is missing";

// The blame of one traced item; none for an item that was not traced. Stages are named as the
// derivation screen names them
// ("P-Syncope" for a re-application); the rule blamed is the one such a stage applied.
std::optional<Blame> blame(const ItemTrace& trace, const std::vector<OrderEntry>& entries);

} // namespace tarnel::insight
