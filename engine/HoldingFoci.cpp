// SPDX-License-Identifier: GPL-3.0-or-later
// Deciding a compiled rule's if-lines for every focus of a word at once. Each line gives the
// set of foci (bit f for focus f) at which it holds; a Branching line combines the sets of the
// lines it names. Deciding has no side effects, so a line is decided only for the foci whose
// answer can still matter, and not at all when there are none.
#include "CompiledRule.h"

#include <array>
#include <bit>

namespace tarnel {

namespace {

constexpr std::uint32_t everyFocus = allPositions;

// The foci at which `location` lies inside the word.
std::uint32_t fociInside(Location location, int length, std::uint32_t inWord) {
    switch (location.kind) {
    case Location::Kind::Focus:
        return inWord;
    case Location::Kind::Offset:
        return seenFrom(inWord, location.value);
    case Location::Kind::Absolute:
        break;
    }
    const int position = resolve(location, 0, length);
    return position >= 0 && position < length ? everyFocus : 0u;
}

// What every focus sees of `plane` at `location`; a position outside the 21 shows minus.
std::uint32_t planeSeen(std::uint32_t plane, Location location, int length) {
    switch (location.kind) {
    case Location::Kind::Focus:
        return plane;
    case Location::Kind::Offset:
        return seenFrom(plane, location.value);
    case Location::Kind::Absolute:
        break;
    }
    const int position = resolve(location, 0, length);
    return position >= 0 && position < wordPositions && ((plane >> position) & 1u) != 0 ? everyFocus
                                                                                        : 0u;
}

// Where an Absolute if-line's absolute location looks, or -1 when the line is false for
// lack of a place. Position `length` itself (absolute 0) is allowed: it reads the spare
// beyond the word.
int absoluteIfPosition(int n, int length) {
    if (n > 0)
        return n > length ? -1 : n - 1;
    return length + n;
}

// A tally for every focus at once, one bit plane per binary digit (a window inside the word
// holds at most 20 positions).
using Tally = std::array<std::uint32_t, 5>;

// The tally of `counted` over [focus + from, focus + to].
Tally windowTally(std::uint32_t counted, int from, int to) {
    Tally tally{};
    for (int offset = from; offset <= to; ++offset) {
        std::uint32_t carry = seenFrom(counted, offset);
        for (std::size_t digit = 0; digit < tally.size() && carry != 0; ++digit) {
            const std::uint32_t next = tally[digit] & carry;
            tally[digit] ^= carry;
            carry = next;
        }
    }
    return tally;
}

// The foci whose tally of `counted` over [focus + from, focus + to] stands in `relation` to
// `number`. Rarely needed, and kept out of line so that the common readings stay light.
[[gnu::noinline]] std::uint32_t talliedFoci(std::uint32_t counted, int from, int to,
                                            Relation relation, int number) {
    const Tally tally = windowTally(counted, from, to);
    std::uint32_t equal = everyFocus;
    std::uint32_t greater = 0;
    for (std::size_t digit = tally.size(); digit-- > 0;) {
        if ((number >> digit) & 1) {
            equal &= tally[digit];
        } else {
            greater |= equal & tally[digit];
            equal &= ~tally[digit];
        }
    }
    if (relation == Relation::Equal)
        return equal;
    return relation == Relation::Greater ? greater : everyFocus & ~equal & ~greater;
}

class Decider {
public:
    Decider(const CompiledRule& rule, const WordPlanes& word)
        : rule_(rule), word_(word), inWord_(positionsBelow(word.length)) {}

    // The foci among `candidates` at which line `number` (A = 1; 0 for none) holds.
    std::uint32_t foci(int number, std::uint32_t candidates) const {
        if (number == 0 || candidates == 0)
            return 0;
        return foci(rule_.ifLines[static_cast<std::size_t>(number - 1)], candidates);
    }

    std::uint32_t foci(const IfStep& step, std::uint32_t candidates) const {
        switch (step.kind) {
        case IfStep::Kind::Never:
            return 0;
        case IfStep::Kind::Units:
            return units(step, candidates);
        case IfStep::Kind::Relative:
        case IfStep::Kind::SameSegments:
            return relative(step) & candidates;
        case IfStep::Kind::Count:
            return count(step, candidates);
        case IfStep::Kind::Window:
            return window(step) & candidates;
        case IfStep::Kind::Branching:
            break;
        }
        return branching(step, candidates);
    }

private:
    [[gnu::noinline]] std::uint32_t branching(const IfStep& step, std::uint32_t candidates) const {
        const std::uint32_t left = foci(step.left, candidates);
        if (step.isAnd)
            return foci(step.right, left);
        return left | foci(step.right, candidates & ~left);
    }

    std::uint32_t plane(int slot) const { return word_.plane[static_cast<std::size_t>(slot)]; }

    std::uint32_t matching(const SlotTest& test) const {
        std::uint32_t match = allPositions;
        for (std::uint32_t wanted = test.plus; wanted != 0; wanted &= wanted - 1)
            match &= plane(std::countr_zero(wanted));
        for (std::uint32_t wanted = test.minus; wanted != 0; wanted &= wanted - 1)
            match &= ~plane(std::countr_zero(wanted));
        return match;
    }

    // Offsets that reach no position were left out when the rule was compiled.
    std::uint32_t units(const IfStep& step, std::uint32_t foci) const {
        for (std::uint32_t t = step.firstTest; t < step.endTest && foci != 0; ++t) {
            const SlotTest& test = rule_.slotTests[static_cast<std::size_t>(t)];
            const std::uint32_t match = matching(test);
            const int offset = test.location.value;
            switch (test.location.kind) {
            case Location::Kind::Focus:
                foci &= match;
                break;
            case Location::Kind::Offset:
                foci &= offset >= 0 ? (match & inWord_) >> offset : (match & inWord_) << -offset;
                break;
            case Location::Kind::Absolute: {
                const int position = absoluteIfPosition(test.location.value, word_.length);
                if (position < 0 || ((match >> position) & 1u) == 0)
                    foci = 0;
            }
            }
        }
        return foci;
    }

    [[gnu::noinline]] std::uint32_t relative(const IfStep& step) const {
        const int length = word_.length;
        const std::uint32_t inside =
            fociInside(step.first, length, inWord_) & fociInside(step.second, length, inWord_);
        if (inside == 0)
            return 0;
        const auto seen = [&](int slot, Location location) {
            return planeSeen(plane(slot), location, length);
        };
        if (step.kind == IfStep::Kind::SameSegments) {
            std::uint32_t differ = 0;
            for (int s = 0; s <= markFeature; ++s)
                differ |= seen(s, step.first) ^ seen(s, step.second);
            return inside & ~differ;
        }
        const std::uint32_t differ =
            seen(step.firstSlot, step.first) ^ seen(step.secondSlot, step.second);
        if (step.relation == Relation::Equal)
            return inside & ~differ;
        return step.relation == Relation::NotEqual ? inside & differ : 0u;
    }

    std::uint32_t countedPlane(const IfStep& step) const {
        return (step.plus ? plane(step.firstSlot) : ~plane(step.firstSlot)) & allPositions;
    }

    // A COUNT line with an absolute start or end, focus by focus.
    [[gnu::noinline]] std::uint32_t count(const IfStep& step, std::uint32_t candidates) const {
        const int length = word_.length;
        const std::uint32_t counted = countedPlane(step);
        std::uint32_t foci = 0;
        for (; candidates != 0; candidates &= candidates - 1) {
            const int focus = std::countr_zero(candidates);
            const int start = resolve(step.first, focus, length);
            const int end = resolve(step.second, focus, length);
            if (start < 0 || end < 0 || start > end)
                continue;
            const int tally = end <= length - 1 ? std::popcount(counted & ~positionsBelow(start) &
                                                                inWord_ & positionsBelow(end + 1))
                                                : 0;
            if (relationHolds(tally, step.relation, step.number))
                foci |= 1u << focus;
        }
        return foci;
    }

    // A COUNT line whose window follows the focus; where the window ends beyond the word
    // the tally is 0.
    std::uint32_t window(const IfStep& step) const {
        const std::uint32_t ends = seenFrom(inWord_, step.to);
        const std::uint32_t beyond = step.zeroHolds ? ~ends : 0u;
        return step.starts & ((ends & read(step)) | beyond);
    }

    std::uint32_t read(const IfStep& step) const {
        const std::uint32_t counted = countedPlane(step);
        std::uint32_t all = everyFocus;
        std::uint32_t any = 0;
        switch (step.reading) {
        case TallyReading::Every:
            return everyFocus;
        case TallyReading::None:
            return 0;
        case TallyReading::Tally:
            return talliedFoci(counted, step.from, step.to, step.relation, step.number);
        case TallyReading::All:
        case TallyReading::NotAll:
        case TallyReading::Any:
        case TallyReading::NotAny:
            break;
        }
        for (int offset = step.from; offset <= step.to; ++offset) {
            all &= seenFrom(counted, offset);
            any |= seenFrom(counted, offset);
        }
        switch (step.reading) {
        case TallyReading::All:
            return all;
        case TallyReading::NotAll:
            return ~all;
        case TallyReading::Any:
            return any;
        default:
            return ~any;
        }
    }

    const CompiledRule& rule_;
    const WordPlanes& word_;
    const std::uint32_t inWord_;
};

} // namespace

std::uint32_t holdingFoci(const CompiledRule& rule, const WordPlanes& word,
                          std::uint32_t candidates) {
    if (rule.ifLines.empty() || candidates == 0)
        return 0;
    return Decider(rule, word).foci(rule.ifLines.front(), candidates);
}

} // namespace tarnel
