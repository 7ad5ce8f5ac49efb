// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Suggestions.h"
#include "engine/WordPlanes.h"

#include <optional>
#include <string>
#include <vector>

namespace tarnel::insight {

// A unit of an if-line: feature `feature` is plus (or minus) at (*+offset).
struct Condition {
    int offset = 0;
    int feature = 0;
    bool plus = false;
    bool operator==(const Condition&) const = default;
};

// The conditions of a rule reach this far from the focus each way.
inline constexpr int conditionReach = 2;
// At most this many units fit one rule: 13 Absolute lines of 8, joined by 12 Branching ones.
inline constexpr int maxConditions = 104;

// The change a derived word needs to read as the expected one at their first difference, and
// the segment of the derived word that a rule making it takes as its focus.
struct ChangeAt {
    NeededChange change;
    int focus = 0;
};
std::optional<ChangeAt> neededChange(const WordPlanes& derived, const WordPlanes& expected);

// The units that hold at the focus of every word, nearest the focus first; at most
// `maxConditions`.
std::vector<Condition> sharedConditions(const std::vector<std::pair<const WordPlanes*, int>>& foci);

// The rule as the model file holds it: the name line with its comment, the if-lines (Absolute
// lines of at most 8 units, joined by Branching lines when there are more), the then-lines,
// each with a comment, and the END line.
std::vector<std::string> suggestedLines(const std::string& name, const NeededChange& change,
                                        const std::vector<Condition>& conditions);

} // namespace tarnel::insight
