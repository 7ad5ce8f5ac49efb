// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarnel {

// What is wrong with the body of one line of a rule: where in the line (the column from 0,
// and how many characters; column -1 for the line as a whole) and what.
struct LineSpot {
    int column = -1;
    int length = 0;
    std::string text;
};

// The body of an if-line or then-line checked against what the engine reads from it. A line
// passes only when the engine reads it as it is written and it can do something.
struct BodyCheck {
    std::vector<LineSpot> problems;
    bool branching = false;
    std::vector<int> names; // the if-lines a Branching line names (A = 1)
};

// `line` is the whole line as the rule holds it, label and comment included; the body starts
// after the two-character label. If-line `number` (A = 1) of a rule with `ifCount` if-lines.
BodyCheck checkIfBody(std::string_view line, int number, int ifCount);
BodyCheck checkThenBody(std::string_view line);

} // namespace tarnel
