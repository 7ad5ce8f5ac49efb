// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Location.h"
#include "core/Word.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <variant>
#include <vector>

namespace tarnel::reference {

// A word's length as the rules see it: never beyond the 20 positions a rule may fill, so
// position `length` (one past the end) always exists.
inline int lengthOf(const Word& word) {
    return std::clamp(word.length, 0, maxTypedLength);
}

// A feature index read from rule text; -1 for a name that is not a feature.
inline constexpr int noFeature = -1;
int featureOrNone(std::string_view name);

enum class Relation { Equal, NotEqual, Greater, Less, Invalid };
Relation relationOf(std::string_view text);

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

// The value of an Absolute, Relative or COUNT line at `focus` of `word` (false for a
// Branching line, which only its rule can decide).
bool evaluateTest(const IfLine& line, const Word& word, int focus);

// The value of one parsed if-line at `focus`; a Branching line asks `lineValue` for the
// lines it names (by number, A = 1), and asks for the right one only when the left one
// leaves the answer open.
template <class LineValue>
bool evaluate(const IfLine& line, const Word& word, int focus, LineValue&& lineValue) {
    const auto* branching = std::get_if<BranchingIf>(&line);
    if (!branching)
        return evaluateTest(line, word, focus);
    const auto value = [&lineValue](int number) { return number != 0 && lineValue(number); };
    return branching->isAnd ? value(branching->left) && value(branching->right)
                            : value(branching->left) || value(branching->right);
}

} // namespace tarnel::reference
