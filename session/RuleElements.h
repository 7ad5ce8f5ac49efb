// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace tarnel {

// What a line of a rule is, by its place in the rule: the name line, an if-line (A, B, ...),
// a then-line (1, 2, ...) or the END line.
enum class LineRole { Name, If, Then, End };

// The kinds of element the rule editor shows as buttons, each answering a click its own way.
enum class ElementKind {
    Name,        // the rule name on the name line
    Comment,     // a comment, "«" to the end of its line
    IfLabel,     // "A:", "B:", ...
    ThenLabel,   // "1:", "2:", ...
    EndLabel,    // "END:"
    EndName,     // the rule name on the END line
    Feature,     // a feature, signed ("+cons") or not ("cons")
    Location,    // "(*)", "(*+1)", "(-1)", ...
    Operator,    // "=", "<>", ">", "<"
    Connective,  // "and" / "or" of a Branching line
    BranchLabel, // an if-line letter named by a Branching line
    Count,       // the number closing a COUNT line
    Keyword,     // COUNT, INSERT, SWAP, DELETE
    Insertee,    // the letter an INSERT line inserts
};

struct Element {
    ElementKind kind;
    std::string text; // the caption: the element's own text
    int line;         // index of its line in the rule
    int token = -1;   // index among the body's blank-separated tokens; -1 outside the body
    bool inAbsoluteLine = false; // a feature or location of an Absolute line's unit
};

// A line taken apart: label ("A:", "1:", "END:"; the name on the name line), the body's
// blank-separated tokens, and the comment from its "«" on (empty when the line has none).
struct LineParts {
    std::string label;
    std::vector<std::string> tokens;
    std::string comment;
};

// Index of the first then-line (the first line after the name whose first character is
// "1"); the index of the END line when the rule has no then-lines.
int firstThenLine(const std::vector<std::string>& lines);
int endLine(const std::vector<std::string>& lines);
LineRole lineRole(const std::vector<std::string>& lines, int line);

LineParts splitLine(const std::string& line, LineRole role);
std::string joinLine(const LineParts& parts, LineRole role);

// True when the if-line or then-line body is an Absolute line (its first character is a sign).
bool isAbsoluteBody(const std::vector<std::string>& tokens);
bool isBranchingBody(const std::vector<std::string>& tokens);

// Every element of the rule, line by line, in reading order.
std::vector<Element> ruleElements(const std::vector<std::string>& lines);
// The elements of one line of the rule; none for a line the rule does not have.
std::vector<Element> lineElements(const std::vector<std::string>& lines, int line);

} // namespace tarnel
