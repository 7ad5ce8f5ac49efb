// SPDX-License-Identifier: GPL-3.0-or-later
#include "Changes.h"

#include "RuleText.h"
#include "core/OutputAlphabet.h"

#include <bit>

namespace tarnel {

namespace {

using Index = std::size_t;

constexpr std::size_t shortestUnit = 8; // "+low (*)"

bool inWord(int position, int length) {
    return position >= 0 && position < length;
}

// Every slot up to and including `last`.
constexpr std::uint32_t slotsThrough(int last) {
    return (2u << last) - 1;
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

// Slot `slot` of `position` set to a value the rule makes.
void make(const ChangeContext& c, int slot, int position, bool plus) {
    setSlotAt(c.word, slot, position, plus);
    if (c.knowledge != nullptr)
        c.knowledge->learn(1u << slot, 1u << position);
}

// A feature set by an Absolute unit brings its companion along, so that no segment is left
// with a contradictory pair (+high +low, -cons +obstr, ...).
void setCompanion(const ChangeContext& c, int position, int feature, bool plus) {
    const auto set = [&](int companion, bool value) { make(c, companion, position, value); };
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

// Slots 0 to 21 of position `from` copied to position `to`.
void copySegment(const ChangeContext& c, int from, int to) {
    if (c.knowledge != nullptr)
        c.knowledge->copy(from, to);
    for (int s = 0; s <= markFeature; ++s) {
        std::uint32_t& plane = c.word.plane[static_cast<Index>(s)];
        plane = (plane & ~(1u << to)) | (((plane >> from) & 1u) << to);
    }
}

// Slots `slotMask` of the positions in `range` take the values of the positions one after them
// (`down`) or one before them.
void shiftInto(const ChangeContext& c, std::uint32_t range, bool down, std::uint32_t slotMask) {
    if (c.knowledge != nullptr)
        c.knowledge->shift(range, down, slotMask);
    WordPlanes& word = c.word;
    for (; slotMask != 0; slotMask &= slotMask - 1) {
        std::uint32_t& plane = word.plane[static_cast<Index>(std::countr_zero(slotMask))];
        plane = (plane & ~range) | ((down ? plane >> 1 : plane << 1) & range);
    }
}

void run(const AbsoluteThen& line, const ChangeContext& c) {
    for (const Unit& unit : line.units) {
        const int position = resolve(unit.location, c.focus, c.word.length);
        if (unit.feature == noFeature || !inWord(position, c.word.length))
            continue;
        make(c, unit.feature, position, unit.plus);
        setCompanion(c, position, unit.feature, unit.plus);
    }
}

void run(const RelativeLine& line, const ChangeContext& c) {
    const int length = c.word.length;
    const int target = resolve(line.firstLocation, c.focus, length);
    const int source = resolve(line.secondLocation, c.focus, length);
    if (line.first == noFeature || line.second == noFeature || !inWord(target, length) ||
        !inWord(source, length))
        return;
    if (line.first == allFeature) {
        copySegment(c, source, target);
        return;
    }
    if (c.knowledge != nullptr && !c.knowledge->knows(line.second, 1u << source))
        c.knowledge->lose();
    const bool value = slotAt(c.word, line.second, source);
    if (line.relation == Relation::Equal)
        make(c, line.first, target, value);
    else if (line.relation == Relation::NotEqual)
        make(c, line.first, target, !value);
}

void run(const DeleteThen& line, const ChangeContext& c) {
    const int length = c.word.length;
    const int position = resolve(line.location, c.focus, length);
    if (!inWord(position, length))
        return;
    // The last position keeps its values, now beyond the word.
    shiftInto(c, positionsBelow(length - 1) & ~positionsBelow(position), true,
              slotsThrough(segmentFeature));
    c.word.length = length - 1;
}

void run(const SwapThen& line, const ChangeContext& c) {
    const int length = c.word.length;
    const int first = resolve(line.first, c.focus, length);
    const int second = resolve(line.second, c.focus, length);
    if (!inWord(first, length) || !inWord(second, length))
        return;
    if (c.knowledge != nullptr)
        c.knowledge->swap(first, second);
    for (int s = 0; s <= markFeature; ++s) {
        std::uint32_t& plane = c.word.plane[static_cast<Index>(s)];
        const std::uint32_t differ = ((plane >> first) ^ (plane >> second)) & 1u;
        plane ^= (differ << first) | (differ << second);
    }
}

void setLetter(const ChangeContext& c, int position, const InsertThen& line) {
    for (int f = 0; f < soundFeatureCount; ++f)
        setSlotAt(c.word, f, position, line.values[f]);
    if (c.knowledge != nullptr)
        c.knowledge->learn(soundFeatureSlots, 1u << position);
}

void run(const InsertThen& line, const ChangeContext& c) {
    const int length = c.word.length;
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
            setLetter(c, c.focus, line);
        return;
    }
    int position = length; // (-1), and (0) like it
    if (where.kind == Location::Kind::Offset)
        position = c.focus + where.value + (where.value < 0 ? 1 : 0);
    else if (where.value > 0)
        position = where.value - 1;
    if (position < 0 || position > length)
        return;
    // The new position keeps its "mark" and "segment"; every later one moves up.
    shiftInto(c, positionsBelow(length + 1) & ~positionsBelow(position + 1), false,
              slotsThroughMark);
    c.word.length = length + 1;
    setLetter(c, position, line);
}

} // namespace

ThenLine parseThenLine(std::string_view body) {
    if (body.starts_with('+') || body.starts_with('-'))
        return parseAbsoluteThen(body);
    const Words words(body);
    const auto location = [&words](std::size_t i) { return parseLocation(locationText(words[i])); };
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

} // namespace tarnel
