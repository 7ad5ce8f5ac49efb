// SPDX-License-Identifier: GPL-3.0-or-later
#include "Changes.h"

#include "RuleText.h"
#include "core/OutputAlphabet.h"

#include <algorithm>
#include <bit>
#include <optional>
#include <utility>

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
        c.knowledge->learnSlot(slot, 1u << position);
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

void set(const ThenStep& step, const ChangeContext& c) {
    if (c.knowledge != nullptr)
        runWrites<true>(step.writes, c.word, c.focus, c.knowledge);
    else
        runWrites<false>(step.writes, c.word, c.focus, nullptr);
}

void relate(const ThenStep& step, const ChangeContext& c) {
    const int length = c.word.length;
    const int target = resolve(step.first, c.focus, length);
    const int source = resolve(step.second, c.focus, length);
    if (!inWord(target, length) || !inWord(source, length))
        return;
    if (step.kind == ThenStep::Kind::CopySegment) {
        copySegment(c, source, target);
        return;
    }
    if (c.knowledge != nullptr && !c.knowledge->knows(step.source, 1u << source))
        c.knowledge->lose();
    const bool value = slotAt(c.word, step.source, source);
    if (step.relation == Relation::Equal)
        make(c, step.slot, target, value);
    else if (step.relation == Relation::NotEqual)
        make(c, step.slot, target, !value);
}

void erase(const ThenStep& step, const ChangeContext& c) {
    const int length = c.word.length;
    const int position = resolve(step.first, c.focus, length);
    if (!inWord(position, length))
        return;
    // The last position keeps its values, now beyond the word.
    shiftInto(c, positionsBelow(length - 1) & ~positionsBelow(position), true,
              slotsThrough(segmentFeature));
    c.word.length = length - 1;
}

void swap(const ThenStep& step, const ChangeContext& c) {
    const int length = c.word.length;
    const int first = resolve(step.first, c.focus, length);
    const int second = resolve(step.second, c.focus, length);
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

void setLetter(const ChangeContext& c, int position, const ThenStep& step) {
    for (int f = 0; f < soundFeatureCount; ++f)
        setSlotAt(c.word, f, position, step.values[f]);
    if (c.knowledge != nullptr)
        c.knowledge->learn(soundFeatureSlots, 1u << position);
}

void insert(const ThenStep& step, const ChangeContext& c) {
    const int length = c.word.length;
    if (length + 1 > maxTypedLength) {
        c.messages.showMessage("Rule " + c.ruleName +
                               " not applied; INSERT exceeds 20-character limit.");
        return;
    }
    const Location where = step.first;
    if (where.kind == Location::Kind::Absolute && where.value < -1) {
        c.messages.showMessage("End-of-word insert can only be (-1), not (-2) etc.");
        return;
    }
    if (!step.hasRow)
        return;
    if (where.kind == Location::Kind::Focus) {
        if (inWord(c.focus, length))
            setLetter(c, c.focus, step);
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
    setLetter(c, position, step);
}

// A feature set by an Absolute unit brings its companion along, so that no segment is left
// with a contradictory pair (+high +low, -cons +obstr, ...): the companion and its value, or
// none.
std::optional<std::pair<int, bool>> companionOf(int slot, bool plus) {
    if (plus && slot == high)
        return std::pair{low, false};
    if (plus && slot == low)
        return std::pair{high, false};
    if (plus && slot == front)
        return std::pair{back, false};
    if (plus && slot == back)
        return std::pair{front, false};
    if (plus && slot == obstr)
        return std::pair{cons, true};
    if (!plus && slot == cons)
        return std::pair{obstr, false};
    return std::nullopt;
}

// `resolve` split into the part known before the rule runs and the part it adds.
SlotWrite writeAt(Location where, int slot, bool plus) {
    const SlotWrite::Anchor anchor = where.kind != Location::Kind::Absolute ? SlotWrite::Focus
                                     : where.value > 0                      ? SlotWrite::Start
                                                                            : SlotWrite::End;
    const int offset = std::clamp(where.value, -wordPositions - 1, wordPositions + 1);
    return SlotWrite::make(slot, plus, anchor, offset, false);
}

struct StepCompiler {
    std::vector<ThenStep>& steps;
    std::uint32_t& writes;

    // Writes run in order, so those of a line join the step of an Absolute line just before.
    void operator()(const AbsoluteThen& line) const {
        for (const Unit& unit : line.units) {
            if (unit.feature == noFeature)
                continue;
            if (steps.empty() || steps.back().kind != ThenStep::Kind::Set)
                steps.emplace_back();
            ThenStep& step = steps.back();
            const auto add = [this, &step, &unit](int slot, bool plus) {
                writes |= 1u << slot;
                const SlotWrite write = writeAt(unit.location, slot, plus);
                if (write.reaches())
                    step.writes.push_back(write);
            };
            add(unit.feature, unit.plus);
            if (const auto companion = companionOf(unit.feature, unit.plus))
                add(companion->first, companion->second);
        }
    }

    void operator()(const RelativeLine& line) const {
        if (line.first == noFeature || line.second == noFeature)
            return;
        ThenStep step;
        step.first = line.firstLocation;
        step.second = line.secondLocation;
        if (line.first == allFeature) {
            step.kind = ThenStep::Kind::CopySegment;
            writes |= slotsThroughMark;
        } else {
            step.kind = ThenStep::Kind::Relate;
            step.slot = static_cast<std::int8_t>(line.first);
            step.source = static_cast<std::int8_t>(line.second);
            step.relation = line.relation;
            if (line.relation == Relation::Equal || line.relation == Relation::NotEqual)
                writes |= 1u << line.first;
        }
        steps.push_back(step);
    }

    void operator()(const DeleteThen& line) const {
        ThenStep& step = add(ThenStep::Kind::Delete, slotsThrough(segmentFeature));
        step.first = line.location;
    }

    void operator()(const SwapThen& line) const {
        ThenStep& step = add(ThenStep::Kind::Swap, slotsThroughMark);
        step.first = line.first;
        step.second = line.second;
    }

    void operator()(const InsertThen& line) const {
        ThenStep& step = add(ThenStep::Kind::Insert, slotsThroughMark);
        step.hasRow = line.hasRow;
        step.first = line.location;
        step.values = line.values;
    }

    ThenStep& add(ThenStep::Kind kind, std::uint32_t slots) const {
        writes |= slots;
        ThenStep& step = steps.emplace_back();
        step.kind = kind;
        return step;
    }
};

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

void compileThenLine(const ThenLine& line, std::vector<ThenStep>& steps, std::uint32_t& writes) {
    std::visit(StepCompiler{steps, writes}, line);
}

// Most steps set a slot, so that case is tested first.
void execute(const std::vector<ThenStep>& steps, const ChangeContext& context) {
    for (const ThenStep& step : steps) {
        if (step.kind == ThenStep::Kind::Set) {
            set(step, context);
            continue;
        }
        switch (step.kind) {
        case ThenStep::Kind::Set:
            break;
        case ThenStep::Kind::Relate:
        case ThenStep::Kind::CopySegment:
            relate(step, context);
            break;
        case ThenStep::Kind::Delete:
            erase(step, context);
            break;
        case ThenStep::Kind::Swap:
            swap(step, context);
            break;
        case ThenStep::Kind::Insert:
            insert(step, context);
            break;
        }
    }
}

} // namespace tarnel
