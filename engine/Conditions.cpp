// SPDX-License-Identifier: GPL-3.0-or-later
#include "Conditions.h"

#include "RuleText.h"
#include "core/Features.h"

#include <algorithm>

namespace tarnel {

namespace {

AbsoluteIf parseAbsoluteIf(std::string_view body) {
    AbsoluteIf line;
    std::string_view text = body;
    while (!text.empty()) {
        const UnitText unit = scanUnit(text);
        line.units.push_back(
            {unit.sign == '+', featureOrNone(unit.name), parseAbsoluteIfLocation(unit.location)});
        text = unit.rest;
    }
    return line;
}

CountIf parseCount(std::string_view body) {
    const Words words(body);
    const std::string_view signedFeature = words[1];
    CountIf line;
    line.plus = signedFeature.starts_with('+');
    line.feature = signedFeature.empty() ? noFeature : featureOrNone(signedFeature.substr(1));
    line.start = parseLocation(locationText(words[2]));
    line.end = parseLocation(locationText(words[3]));
    line.relation = relationOf(words[4]);
    line.number = readNumber(words[5]);
    return line;
}

// A label names a later if-line of the same rule, or nothing.
int labelLine(char label, int lineNumber, int ifLineCount) {
    if (label < 'A' || label > 'Z')
        return 0;
    const int line = label - 'A' + 1;
    return line > lineNumber && line <= ifLineCount ? line : 0;
}

// "B and C": the conjunction is the three characters after the first label and its blank;
// the right label is the first character after the next blank.
BranchingIf parseBranching(std::string_view body, int lineNumber, int ifLineCount) {
    BranchingIf line;
    if (body.empty())
        return line;
    line.left = labelLine(body[0], lineNumber, ifLineCount);
    line.isAnd = body.size() >= 5 && body.substr(2, 3) == "and";
    const std::size_t blank = body.size() > 2 ? body.find(' ', 2) : std::string_view::npos;
    if (blank != std::string_view::npos && blank + 1 < body.size())
        line.right = labelLine(body[blank + 1], lineNumber, ifLineCount);
    return line;
}

} // namespace

int featureOrNone(std::string_view name) {
    return featureIndex(name).value_or(noFeature);
}

Relation relationOf(std::string_view text) {
    if (text == "=")
        return Relation::Equal;
    if (text == "<>")
        return Relation::NotEqual;
    if (text == ">")
        return Relation::Greater;
    if (text == "<")
        return Relation::Less;
    return Relation::Invalid;
}

UnitText scanUnit(std::string_view text) {
    UnitText unit;
    if (text.empty())
        return unit;
    unit.sign = text[0];
    const std::size_t blank = text.find(' ');
    if (blank == std::string_view::npos) {
        unit.name = text.substr(1);
        return unit;
    }
    unit.name = text.substr(1, blank - 1);
    const std::string_view after = text.substr(blank + 1);
    unit.location = locationText(after);
    const std::size_t close = after.find(')');
    if (close != std::string_view::npos)
        unit.rest = trimBlanks(after.substr(close + 1));
    return unit;
}

RelativeLine parseRelative(std::string_view body) {
    const Words words(body);
    RelativeLine line;
    line.first = featureOrNone(words[0]);
    line.firstLocation = parseLocation(locationText(words[1]));
    line.relation = relationOf(words[2]);
    line.second = featureOrNone(words[3]);
    line.secondLocation = parseLocation(locationText(words[4]));
    return line;
}

IfLine parseIfLine(std::string_view body, int lineNumber, int ifLineCount) {
    if (body.starts_with('+') || body.starts_with('-'))
        return parseAbsoluteIf(body);
    if (!body.empty() && body[0] >= 'a' && body[0] <= 'z')
        return parseRelative(body);
    if (body.starts_with("COUNT"))
        return parseCount(body);
    return parseBranching(body, lineNumber, ifLineCount);
}

} // namespace tarnel
