// SPDX-License-Identifier: GPL-3.0-or-later
#include "Conditions.h"

#include "RuleText.h"
#include "core/Features.h"

#include <algorithm>

namespace tarnel::reference {

namespace {

std::string_view wordAt(const std::vector<std::string_view>& words, std::size_t i) {
    return i < words.size() ? words[i] : std::string_view{};
}

bool inWord(int position, int length) {
    return position >= 0 && position < length;
}

using Index = std::size_t;

bool valueAt(const Word& word, int position, int feature) {
    return word.segments[static_cast<Index>(position)][feature];
}

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
    const std::vector<std::string_view> words = splitWords(body);
    const std::string_view signedFeature = wordAt(words, 1);
    CountIf line;
    line.plus = signedFeature.starts_with('+');
    line.feature = signedFeature.empty() ? noFeature : featureOrNone(signedFeature.substr(1));
    line.start = parseLocation(locationText(wordAt(words, 2)));
    line.end = parseLocation(locationText(wordAt(words, 3)));
    line.relation = relationOf(wordAt(words, 4));
    line.number = readNumber(wordAt(words, 5));
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

bool compare(int tally, Relation relation, int number) {
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

// Where an Absolute if-line unit looks, or -1 when the line is false for lack of a place.
// Position `length` itself (absolute 0) is allowed: it reads the spare beyond the word.
int absoluteIfPosition(Location location, int focus, int length) {
    switch (location.kind) {
    case Location::Kind::Focus:
        return focus;
    case Location::Kind::Offset: {
        const int position = focus + location.value;
        return inWord(position, length) ? position : -1;
    }
    case Location::Kind::Absolute:
        break;
    }
    if (location.value > 0)
        return location.value > length ? -1 : location.value - 1;
    return length + location.value;
}

bool holds(const AbsoluteIf& line, const Word& word, int focus) {
    const int length = lengthOf(word);
    for (const Unit& unit : line.units) {
        if (unit.feature == noFeature)
            return false;
        const int position = absoluteIfPosition(unit.location, focus, length);
        if (position < 0 || position >= wordPositions)
            return false;
        if (valueAt(word, position, unit.feature) != unit.plus)
            return false;
    }
    return true;
}

bool sameThroughMark(const Segment& a, const Segment& b) {
    return ((a.bits ^ b.bits) & slotsThroughMark) == 0;
}

bool holds(const RelativeLine& line, const Word& word, int focus) {
    if (line.first == noFeature || line.second == noFeature)
        return false;
    const int length = lengthOf(word);
    const int p1 = resolve(line.firstLocation, focus, length);
    const int p2 = resolve(line.secondLocation, focus, length);
    if (!inWord(p1, length) || !inWord(p2, length))
        return false;
    if (line.first == allFeature)
        return sameThroughMark(word.segments[static_cast<Index>(p1)],
                               word.segments[static_cast<Index>(p2)]);
    const bool equal = valueAt(word, p1, line.first) == valueAt(word, p2, line.second);
    if (line.relation == Relation::Equal)
        return equal;
    return line.relation == Relation::NotEqual && !equal;
}

bool holds(const CountIf& line, const Word& word, int focus) {
    if (line.feature == noFeature)
        return false;
    const int length = lengthOf(word);
    const int start = resolve(line.start, focus, length);
    const int end = resolve(line.end, focus, length);
    if (start < 0 || end < 0 || start > end)
        return false;
    // Counting past number + 1 cannot change how the tally compares with the number.
    const int enough = line.number < 0 ? 0 : line.number + 1;
    int tally = 0;
    if (end <= length - 1)
        for (int p = start; p <= end && tally < enough; ++p)
            if (valueAt(word, p, line.feature) == line.plus)
                ++tally;
    return compare(tally, line.relation, line.number);
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
    const std::vector<std::string_view> words = splitWords(body);
    RelativeLine line;
    line.first = featureOrNone(wordAt(words, 0));
    line.firstLocation = parseLocation(locationText(wordAt(words, 1)));
    line.relation = relationOf(wordAt(words, 2));
    line.second = featureOrNone(wordAt(words, 3));
    line.secondLocation = parseLocation(locationText(wordAt(words, 4)));
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

bool evaluateTest(const IfLine& line, const Word& word, int focus) {
    if (const auto* absolute = std::get_if<AbsoluteIf>(&line))
        return holds(*absolute, word, focus);
    if (const auto* relative = std::get_if<RelativeLine>(&line))
        return holds(*relative, word, focus);
    if (const auto* count = std::get_if<CountIf>(&line))
        return holds(*count, word, focus);
    return false;
}

} // namespace tarnel::reference
