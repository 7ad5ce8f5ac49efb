// SPDX-License-Identifier: GPL-3.0-or-later
#include "RuleEditing.h"

#include "RuleElements.h"
#include "engine/RuleTemplates.h"

#include <algorithm>

namespace tarnel {

namespace {

using Lines = std::vector<std::string>;

std::string& at(Lines& lines, int line) {
    return lines[static_cast<std::size_t>(line)];
}

bool isBodyLine(const Lines& lines, int line) {
    if (line < 1 || line >= static_cast<int>(lines.size()))
        return false;
    const LineRole role = lineRole(lines, line);
    return role == LineRole::If || role == LineRole::Then;
}

LineParts partsOf(const Lines& lines, int line) {
    return splitLine(lines[static_cast<std::size_t>(line)], lineRole(lines, line));
}

void storeParts(Lines& lines, int line, const LineParts& parts) {
    at(lines, line) = joinLine(parts, lineRole(lines, line));
}

// A body line as the menus write it: label, two blanks, body and comment.
std::string labelledLine(const std::string& label, const std::string& body) {
    return label + "  " + body;
}

std::string ifLabel(int position) {
    return std::string(1, static_cast<char>('A' + position - 1)) + ":";
}

void relabelIfLines(Lines& lines, int firstThen) {
    for (int i = 1; i < firstThen; ++i) {
        LineParts parts = splitLine(at(lines, i), LineRole::If);
        parts.label = ifLabel(i);
        at(lines, i) = joinLine(parts, LineRole::If);
    }
}

// Labels the then-lines in [first, end) "1:", "2:", ... by position.
void renumberThenLines(Lines& lines, int first, int end) {
    for (int i = first; i < end; ++i) {
        LineParts parts = splitLine(at(lines, i), LineRole::Then);
        parts.label = std::to_string(i - first + 1) + ":";
        at(lines, i) = joinLine(parts, LineRole::Then);
    }
}

int ifPosition(const std::string& label) {
    return label.size() == 1 && label[0] >= 'A' && label[0] <= 'Z' ? label[0] - 'A' + 1 : 0;
}

// The if-line that names if-line `position` in its Branching condition, or 0.
int branchingLineNaming(const Lines& lines, int position) {
    for (int i = 1; i < firstThenLine(lines); ++i) {
        const LineParts parts = splitLine(lines[static_cast<std::size_t>(i)], LineRole::If);
        if (!isBranchingBody(parts.tokens) || i == position)
            continue;
        for (std::size_t t = 0; t < parts.tokens.size(); t += 2)
            if (ifPosition(parts.tokens[t]) == position)
                return i;
    }
    return 0;
}

Result<> deleteIfLine(Lines& lines, int line) {
    const int firstThen = firstThenLine(lines);
    if (firstThen <= 2)
        return fail("A rule needs at least one if-line; this one cannot be deleted.");
    if (const int naming = branchingLineNaming(lines, line))
        return fail("If-line " + ifLabel(line).substr(0, 1) + " is named by the Branching line " +
                    ifLabel(naming).substr(0, 1) + ".  Change or delete that line first.");
    for (int i = 1; i < firstThen; ++i) {
        LineParts parts = splitLine(at(lines, i), LineRole::If);
        if (!isBranchingBody(parts.tokens))
            continue;
        for (std::size_t t = 0; t < parts.tokens.size(); t += 2)
            if (ifPosition(parts.tokens[t]) > line)
                parts.tokens[t] = ifLabel(ifPosition(parts.tokens[t]) - 1).substr(0, 1);
        at(lines, i) = joinLine(parts, LineRole::If);
    }
    lines.erase(lines.begin() + line);
    relabelIfLines(lines, firstThen - 1);
    return {};
}

std::optional<ElementKind> kindAt(const Lines& lines, int line, int token) {
    for (const Element& e : lineElements(lines, line))
        if (e.token == token)
            return e.kind;
    return {};
}

bool rotateOperator(LineParts& parts, std::size_t t) {
    std::string& sign = parts.tokens[t];
    const bool countLine = t >= 4 && parts.tokens[t - 4] == "COUNT";
    if (sign == "=" && countLine) {
        sign = ">";
    } else if (sign == "=" && t + 1 < parts.tokens.size() && parts.tokens[t + 1] == "all") {
        sign = "<>";
    } else if (sign == ">") {
        sign = "<";
        if (t + 1 < parts.tokens.size() && parts.tokens[t + 1] == "0")
            parts.tokens[t + 1] = "1";
    } else if (sign == "<" || sign == "<>") {
        sign = "=";
    } else {
        return false;
    }
    return true;
}

void rotateCount(LineParts& parts, std::size_t t) {
    std::string& count = parts.tokens[t];
    if (count == "0" || count == "1" || count == "2")
        count = std::string(1, static_cast<char>(count[0] + 1));
    else
        count = (t > 0 && parts.tokens[t - 1] == "<") ? "1" : "0";
}

bool isDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

// "+cons" <-> "-cons", "(*+1)" <-> "(*-1)", "(2)" <-> "(-2)"; "(*)" and "cons" have no sign.
std::string toggledSign(std::string text) {
    if (text.size() > 2 && text[0] == '(' && isDigit(text[1]))
        return text.insert(1, "-");
    if (text.size() > 3 && text.rfind("(-", 0) == 0 && isDigit(text[2]))
        return text.erase(1, 1);
    const auto sign = text.find_first_of("+-");
    if (sign != std::string::npos && (sign == 0 || text[0] == '('))
        text[sign] = text[sign] == '+' ? '-' : '+';
    return text;
}

} // namespace

std::string templateText(LineTemplate type) {
    switch (type) {
    case LineTemplate::Absolute:
        return std::string(absoluteLineTemplate);
    case LineTemplate::Relative:
        return std::string(relativeLineTemplate);
    case LineTemplate::Count:
        return std::string(countLineTemplate);
    case LineTemplate::Insert:
        return std::string(insertLineTemplate);
    case LineTemplate::Swap:
        return std::string(swapLineTemplate);
    case LineTemplate::Delete:
        return std::string(deleteLineTemplate);
    }
    return {};
}

void renameRule(Lines& lines, const std::string& name) {
    if (lines.size() < 2)
        return;
    const auto guillemet = lines.front().find('\xAB');
    lines.front() =
        guillemet == std::string::npos ? name : name + " " + lines.front().substr(guillemet);
    lines.back() = "END:  " + name;
}

Result<> setComment(Lines& lines, int line, const std::string& text) {
    if (line < 0 || line >= static_cast<int>(lines.size()))
        return {};
    if (text.size() == 1 || text.size() == 2)
        return fail("Comment must be 3 or more characters, or none at all.");
    std::string& target = at(lines, line);
    const auto guillemet = target.find('\xAB');
    const std::string head =
        guillemet == std::string::npos ? target + " \xAB" : target.substr(0, guillemet + 1);
    target = head + " " + (text.empty() ? "..." : text) + " \xBB";
    return {};
}

void setLineType(Lines& lines, int line, LineTemplate type) {
    if (!isBodyLine(lines, line))
        return;
    at(lines, line) = labelledLine(partsOf(lines, line).label, templateText(type));
}

Result<> insertThenLineAbove(Lines& lines, int line) {
    const int firstThen = firstThenLine(lines);
    const int end = endLine(lines);
    if (line < firstThen || line > end || end < 1)
        return {};
    if (end - firstThen >= 9)
        return fail("Maximum  9  THEN-lines permitted.");
    lines.insert(lines.begin() + line, labelledLine("1:", templateText(LineTemplate::Absolute)));
    renumberThenLines(lines, firstThen, end + 1);
    return {};
}

Result<> makeBranching(Lines& lines, int line) {
    if (!isBodyLine(lines, line) || lineRole(lines, line) != LineRole::If)
        return {};
    const int firstThen = firstThenLine(lines);
    const int last = firstThen - 1; // position of the last if-line: A = 1
    if (last + 2 > 26)
        return fail("Branching needs two more if-lines after " + ifLabel(last).substr(0, 1) +
                    ", but if-line letters end at Z.");
    const std::string y = ifLabel(last + 1).substr(0, 1);
    const std::string z = ifLabel(last + 2).substr(0, 1);
    LineParts parts = partsOf(lines, line);
    parts.tokens = {y, "and", z};
    storeParts(lines, line, parts);
    const std::string body = templateText(LineTemplate::Absolute);
    lines.insert(lines.begin() + firstThen,
                 {labelledLine(y + ":", body), labelledLine(z + ":", body)});
    return {};
}

Result<> deleteLine(Lines& lines, int line) {
    if (!isBodyLine(lines, line))
        return {};
    if (lineRole(lines, line) == LineRole::If)
        return deleteIfLine(lines, line);
    const int firstThen = firstThenLine(lines);
    lines.erase(lines.begin() + line);
    renumberThenLines(lines, firstThen, endLine(lines));
    return {};
}

Result<> insertUnit(Lines& lines, int line) {
    if (!isBodyLine(lines, line))
        return {};
    LineParts parts = partsOf(lines, line);
    if (parts.tokens.size() / 2 >= 8)
        return fail("Maximum 8 units permitted in Absolute line.");
    parts.tokens.insert(parts.tokens.end(), {"+cons", "(*)"});
    storeParts(lines, line, parts);
    return {};
}

Result<> deleteUnit(Lines& lines, int line, int token) {
    if (!isBodyLine(lines, line) || token < 0)
        return {};
    LineParts parts = partsOf(lines, line);
    if (parts.tokens.size() <= 2)
        return fail("An Absolute line needs at least one unit; this one cannot be deleted.");
    const auto first = static_cast<std::size_t>(token / 2 * 2);
    if (first >= parts.tokens.size())
        return {};
    const auto last = std::min(first + 2, parts.tokens.size());
    parts.tokens.erase(parts.tokens.begin() + static_cast<long>(first),
                       parts.tokens.begin() + static_cast<long>(last));
    storeParts(lines, line, parts);
    return {};
}

void setToken(Lines& lines, int line, int token, const std::string& text) {
    if (!isBodyLine(lines, line) || token < 0)
        return;
    LineParts parts = partsOf(lines, line);
    if (static_cast<std::size_t>(token) >= parts.tokens.size())
        return;
    parts.tokens[static_cast<std::size_t>(token)] = text;
    storeParts(lines, line, parts);
}

void changeFeature(Lines& lines, int line, int token, const std::string& name) {
    if (!isBodyLine(lines, line) || token < 0)
        return;
    const LineParts parts = partsOf(lines, line);
    if (static_cast<std::size_t>(token) >= parts.tokens.size())
        return;
    const std::string& old = parts.tokens[static_cast<std::size_t>(token)];
    const bool signed_ = old[0] == '+' || old[0] == '-';
    setToken(lines, line, token, signed_ ? old.substr(0, 1) + name : name);
}

void toggleSign(Lines& lines, int line, int token) {
    if (!isBodyLine(lines, line) || token < 0)
        return;
    const LineParts parts = partsOf(lines, line);
    if (static_cast<std::size_t>(token) >= parts.tokens.size())
        return;
    setToken(lines, line, token, toggledSign(parts.tokens[static_cast<std::size_t>(token)]));
}

bool rotateElement(Lines& lines, int line, int token) {
    const auto kind = kindAt(lines, line, token);
    if (!kind)
        return false;
    LineParts parts = partsOf(lines, line);
    const auto t = static_cast<std::size_t>(token);
    if (*kind == ElementKind::Connective)
        parts.tokens[t] = parts.tokens[t] == "and" ? "or" : "and";
    else if (*kind == ElementKind::Count)
        rotateCount(parts, t);
    else if (*kind != ElementKind::Operator || !rotateOperator(parts, t))
        return false;
    storeParts(lines, line, parts);
    return true;
}

std::vector<std::string> copyBody(const Lines& lines) {
    if (lines.size() < 2)
        return {};
    return {lines.begin() + 1, lines.end() - 1};
}

void pasteBody(Lines& lines, const std::vector<std::string>& buffer) {
    if (lines.size() < 2 || buffer.empty())
        return;
    Lines pasted{lines.front()};
    pasted.insert(pasted.end(), buffer.begin(), buffer.end());
    pasted.push_back(lines.back());
    lines = std::move(pasted);
}

} // namespace tarnel
