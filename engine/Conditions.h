// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Location.h"

#include <array>
#include <string_view>
#include <variant>
#include <vector>

namespace tarnel {

// A feature index read from rule text; -1 for a name that is not a feature.
inline constexpr int noFeature = -1;
int featureOrNone(std::string_view name);

enum class Relation { Equal, NotEqual, Greater, Less, Invalid };
Relation relationOf(std::string_view text);

// Whether `tally` stands in `relation` to `number` ("=", ">", "<"; any other holds never).
inline bool relationHolds(int tally, Relation relation, int number) {
    switch (relation) {
    case Relation::Equal:
        return tally == number;
    case Relation::Greater:
        return tally > number;
    case Relation::Less:
        return tally < number;
    case Relation::NotEqual:
    case Relation::Invalid:
        break;
    }
    return false;
}

// One "+feature (location)" unit.
struct Unit {
    bool plus = false;
    int feature = noFeature;
    Location location;
};

struct AbsoluteIf {
    std::vector<Unit> units;
};

struct RelativeLine {
    int first = noFeature;
    Location firstLocation;
    Relation relation = Relation::Invalid;
    int second = noFeature;
    Location secondLocation;
};

struct CountIf {
    bool plus = false;
    int feature = noFeature;
    Location start;
    Location end;
    Relation relation = Relation::Invalid;
    int number = 0;
};

// Labels resolved to if-line numbers (A = 1); 0 for a label that names no later if-line.
struct BranchingIf {
    int left = 0;
    bool isAnd = false;
    int right = 0;
};

using IfLine = std::variant<AbsoluteIf, RelativeLine, CountIf, BranchingIf>;

inline constexpr int maxIfLines = 26; // A to Z

// Reads the body of if-line `lineNumber` (A = 1) of a rule with `ifLineCount` if-lines.
IfLine parseIfLine(std::string_view body, int lineNumber, int ifLineCount);

// Parsing helpers shared with then-lines. A unit's text is its sign, its feature name up to
// the first blank, then its location up to ")"; `rest` is what follows, left-trimmed.
struct UnitText {
    char sign = 0;
    std::string_view name;
    std::string_view location;
    std::string_view rest;
};
UnitText scanUnit(std::string_view text);
RelativeLine parseRelative(std::string_view body);

} // namespace tarnel
