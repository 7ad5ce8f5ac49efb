// SPDX-License-Identifier: GPL-3.0-or-later
#include "Changes.h"

#include "RuleText.h"
#include "core/OutputAlphabet.h"

namespace tarnel::reference {

namespace {

using Index = std::size_t;

constexpr std::size_t shortestUnit = 8; // "+low (*)"

bool inWord(int position, int length) {
    return position >= 0 && position < length;
}

Segment& segmentAt(Word& word, int position) {
    return word.segments[static_cast<Index>(position)];
}

// Copies columns 0 .. lastColumn of one position to another.
void copyColumns(Word& word, int from, int to, int lastColumn) {
    const std::uint32_t columns = (2u << lastColumn) - 1;
    Segment& target = segmentAt(word, to);
    target.bits = (target.bits & ~columns) | (segmentAt(word, from).bits & columns);
}

AbsoluteThen parseAbsoluteThen(std::string_view body) {
    AbsoluteThen line;
    std::string_view text = body;
    while (text.size() >= shortestUnit) {
        const UnitText unit = scanUnit(text);
        line.units.push_back(
            {unit.sign == '+', featureOrNone(unit.name), parseLocation(unit.location)});
        text = unit.rest;
    }
    return line;
}

InsertThen parseInsert(std::string_view body) {
    InsertThen line;
    const std::string_view rest = trimBlanks(body.substr(6));
    if (rest.empty())
        return line;
    if (const OutputRow* row = findOutputRow(rest.substr(0, 1))) {
        line.hasRow = true;
        for (int f = 0; f < soundFeatureCount; ++f) {
            const char sign =
                f < static_cast<int>(row->values.size()) ? row->values[static_cast<Index>(f)] : '-';
            line.values.set(f, sign == '+' || sign == '#');
        }
    }
    const std::size_t blank = rest.find(' ');
    if (blank != std::string_view::npos)
        line.location = parseLocation(locationText(trimBlanks(rest.substr(blank + 1))));
    return line;
}

// Indices of the features that have companions (the fixed storage order).
constexpr int back = 2, cons = 3, front = 8, high = 9, low = 12, obstr = 14;

// A feature set by an Absolute unit brings its companion along, so that no segment is left
// with a contradictory pair (+high +low, -cons +obstr, ...).
void setCompanion(Segment& segment, int feature, bool plus) {
    const auto set = [&segment](int companion, bool value) { segment.set(companion, value); };
    if (plus && feature == high)
        set(low, false);
    else if (plus && feature == low)
        set(high, false);
    else if (plus && feature == front)
        set(back, false);
    else if (plus && feature == back)
        set(front, false);
    else if (plus && feature == obstr)
        set(cons, true);
    else if (!plus && feature == cons)
        set(obstr, false);
}

void run(const AbsoluteThen& line, const ChangeContext& c) {
    for (const Unit& unit : line.units) {
        const int position = resolve(unit.location, c.focus, lengthOf(c.word));
        if (unit.feature == noFeature || !inWord(position, lengthOf(c.word)))
            continue;
        Segment& segment = segmentAt(c.word, position);
        segment.set(unit.feature, unit.plus);
        setCompanion(segment, unit.feature, unit.plus);
    }
}

void run(const RelativeLine& line, const ChangeContext& c) {
    const int length = lengthOf(c.word);
    const int target = resolve(line.firstLocation, c.focus, length);
    const int source = resolve(line.secondLocation, c.focus, length);
    if (line.first == noFeature || line.second == noFeature || !inWord(target, length) ||
        !inWord(source, length))
        return;
    if (line.first == allFeature) {
        copyColumns(c.word, source, target, markFeature);
        return;
    }
    const bool value = segmentAt(c.word, source)[line.second];
    if (line.relation == Relation::Equal)
        segmentAt(c.word, target).set(line.first, value);
    else if (line.relation == Relation::NotEqual)
        segmentAt(c.word, target).set(line.first, !value);
}

void run(const DeleteThen& line, const ChangeContext& c) {
    const int length = lengthOf(c.word);
    const int position = resolve(line.location, c.focus, length);
    if (!inWord(position, length))
        return;
    for (int p = position; p < length - 1; ++p)
        copyColumns(c.word, p + 1, p, segmentFeature);
    c.word.length = length - 1;
}

void run(const SwapThen& line, const ChangeContext& c) {
    const int length = lengthOf(c.word);
    const int first = resolve(line.first, c.focus, length);
    const int second = resolve(line.second, c.focus, length);
    if (!inWord(first, length) || !inWord(second, length))
        return;
    Segment& a = segmentAt(c.word, first);
    Segment& b = segmentAt(c.word, second);
    const std::uint32_t differ = (a.bits ^ b.bits) & slotsThroughMark;
    a.bits ^= differ;
    b.bits ^= differ;
}

void setLetter(Segment& segment, const InsertThen& line) {
    segment.bits = (segment.bits & ~soundFeatureSlots) | line.values.bits;
}

void run(const InsertThen& line, const ChangeContext& c) {
    const int length = lengthOf(c.word);
    if (length + 1 > maxTypedLength) {
        c.messages.showMessage("Rule " + c.ruleName +
                               " not applied; INSERT exceeds 20-character limit.");
        return;
    }
    const Location where = line.location;
    if (where.kind == Location::Kind::Absolute && where.value < -1) {
        c.messages.showMessage("End-of-word insert can only be (-1), not (-2) etc.");
        return;
    }
    if (!line.hasRow)
        return;
    if (where.kind == Location::Kind::Focus) {
        if (inWord(c.focus, length))
            setLetter(segmentAt(c.word, c.focus), line);
        return;
    }
    int position = length; // (-1), and (0) like it
    if (where.kind == Location::Kind::Offset)
        position = c.focus + where.value + (where.value < 0 ? 1 : 0);
    else if (where.value > 0)
        position = where.value - 1;
    if (position < 0 || position > length)
        return;
    for (int p = length - 1; p >= position; --p)
        copyColumns(c.word, p, p + 1, markFeature);
    c.word.length = length + 1;
    setLetter(segmentAt(c.word, position), line);
}

} // namespace

ThenLine parseThenLine(std::string_view body) {
    if (body.starts_with('+') || body.starts_with('-'))
        return parseAbsoluteThen(body);
    const std::vector<std::string_view> words = splitWords(body);
    const auto location = [&words](std::size_t i) {
        return parseLocation(locationText(i < words.size() ? words[i] : std::string_view{}));
    };
    if (body.starts_with("DELETE"))
        return DeleteThen{location(1)};
    if (body.starts_with("SWAP"))
        return SwapThen{location(1), location(2)};
    if (body.starts_with("INSERT"))
        return parseInsert(body);
    return parseRelative(body);
}

void execute(const ThenLine& line, const ChangeContext& context) {
    std::visit([&context](const auto& parsed) { run(parsed, context); }, line);
}

} // namespace tarnel::reference
