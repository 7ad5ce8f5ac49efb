// SPDX-License-Identifier: GPL-3.0-or-later
// Deciding a compiled rule's if-lines for every focus of a word at once. Each line gives the
// set of foci (bit f for focus f) at which it holds; a Branching line combines the sets of the
// lines it names. Deciding has no side effects, so a line is decided only for the foci whose
// answer can still matter, and not at all when there are none.
#include "CompiledRule.h"
#include "core/Popcount.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdlib>

namespace tarnel {

namespace {

constexpr std::uint32_t everyFocus = allPositions;

// Bit f + offset of `positions` moved to bit f, for a sight that follows the focus. Planes
// hold no bit beyond position 20, so no bit beyond them comes in.
std::uint32_t follow(std::uint32_t positions, const Sight& sight) {
    return static_cast<std::uint32_t>((std::uint64_t{positions} << wordPositions) >> sight.shift);
}

// How every focus at once sees one location of a Relative line: the foci at which it lies
// inside the word, and a function giving what they see of a plane there.
struct View {
    Sight sight;
    int position = 0;     // a fixed place's
    std::uint32_t inside; // the foci at which the place lies inside the word

    std::uint32_t seen(std::uint32_t plane) const {
        if (sight.fixed)
            return 0u - ((plane >> position) & 1u);
        return follow(plane, sight);
    }
};

View viewOf(const Sight& sight, int length, std::uint32_t inWord) {
    if (!sight.fixed)
        return {sight, 0, follow(inWord, sight) & everyFocus};
    const int position = sight.number > 0 ? sight.number - 1 : length + sight.number;
    const bool inside = position >= 0 && position < length;
    return {sight, inside ? position : 0, inside ? everyFocus : 0u};
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

// Where a location of a COUNT line lies for focus f: `at` + f * `follows`.
struct Place {
    int at = 0;
    int follows = 0;
};

Place placeOf(Location location, int length) {
    if (location.kind == Location::Kind::Absolute)
        return {resolve(location, 0, length), 0};
    return {location.value, 1};
}

// The foci among `candidates` at which a COUNT line with an absolute start or end holds:
// `counted` holds the word's positions to count. With both ends absolute the tally is the
// same at every focus.
TARNEL_POPCOUNT_CLONES std::uint32_t countedFoci(const IfStep& step, std::uint32_t counted,
                                                 int length, std::uint32_t candidates) {
    const Place start = placeOf(step.first, length);
    const Place end = placeOf(step.second, length);
    const auto holdsAt = [&](int focus) {
        const int first = start.at + start.follows * focus;
        const int last = end.at + end.follows * focus;
        if (first < 0 || last < 0 || first > last)
            return false;
        const int tally =
            last <= length - 1
                ? std::popcount(counted & ~positionsBelow(first) & positionsBelow(last + 1))
                : 0;
        return relationHolds(tally, step.relation, step.number);
    };
    if (start.follows == 0 && end.follows == 0)
        return holdsAt(0) ? candidates : 0u;
    std::uint32_t foci = 0;
    for (; candidates != 0; candidates &= candidates - 1) {
        const int focus = std::countr_zero(candidates);
        if (holdsAt(focus))
            foci |= 1u << focus;
    }
    return foci;
}

class Decider {
public:
    Decider(const CompiledRule& rule, const WordPlanes& word)
        : rule_(rule), word_(word), length_(word.length), inWord_(positionsBelow(word.length)) {}

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

    std::uint32_t plane(int slot) const {
        return word_.plane[static_cast<std::size_t>(static_cast<unsigned>(slot))];
    }

    std::uint32_t tested(const SlotTest& test) const { return plane(test.slot) ^ test.flip; }

    // The tests of fixed places hold at every focus or at none; a place past the word's end
    // holds for none but the one just past it (0), which reads the spare position there.
    std::uint32_t units(const IfStep& step, std::uint32_t foci) const {
        const std::uint32_t following = step.followingTest;
        for (std::uint32_t t = step.firstTest; t < following; ++t) {
            const SlotTest& test = rule_.slotTests[t];
            const int number = test.sight.number;
            const auto position = static_cast<unsigned>(number > 0 ? number - 1 : length_ + number);
            const unsigned limit = number > 0 ? length_ : length_ + 1;
            if (position >= limit || ((tested(test) >> position) & 1u) == 0)
                return 0;
        }
        for (std::uint32_t t = following; t < step.endTest; ++t) {
            const SlotTest& test = rule_.slotTests[t];
            foci &= follow(tested(test) & inWord_, test.sight);
        }
        return foci;
    }

    [[gnu::noinline]] std::uint32_t relative(const IfStep& step) const {
        const View first = viewOf(step.firstSight, length_, inWord_);
        const View second = viewOf(step.secondSight, length_, inWord_);
        const std::uint32_t inside = first.inside & second.inside;
        if (inside == 0)
            return 0;
        if (step.kind == IfStep::Kind::SameSegments)
            return inside & ~segmentsDiffer(first, second);
        const std::uint32_t differ =
            first.seen(plane(step.firstSlot)) ^ second.seen(plane(step.secondSlot));
        if (step.relation == Relation::Equal)
            return inside & ~differ;
        return step.relation == Relation::NotEqual ? inside & differ : 0u;
    }

    // The foci at which slots 0 to 21 differ between the two places; two places that follow
    // the focus are compared a shift of every plane at a time.
    std::uint32_t segmentsDiffer(const View& first, const View& second) const {
        std::uint32_t differ = 0;
        if (first.sight.fixed || second.sight.fixed) {
            for (int s = 0; s <= markFeature; ++s)
                differ |= first.seen(plane(s)) ^ second.seen(plane(s));
            return differ;
        }
        for (std::size_t s = 0; s <= markFeature; ++s)
            differ |= follow(word_.plane[s], first.sight) ^ follow(word_.plane[s], second.sight);
        return differ;
    }

    std::uint32_t countedPlane(const IfStep& step) const {
        return (step.plus ? plane(step.firstSlot) : ~plane(step.firstSlot)) & allPositions;
    }

    std::uint32_t count(const IfStep& step, std::uint32_t candidates) const {
        return countedFoci(step, countedPlane(step) & inWord_, length_, candidates);
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
    const int length_;
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
