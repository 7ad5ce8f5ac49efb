// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Changes.h"
#include "Conditions.h"
#include "SlotWrites.h"
#include "WordPlanes.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tarnel {

// How every focus at once sees one location. One that follows the focus by `offset` is bit
// f + offset of a plane moved to bit f: bit f of (plane << 21) >> `shift`, with `shift` 21 +
// offset. An absolute one is a single position, the same for every focus: `number` counted
// from the start for a number above 0, else back from the end of the word (0 for the position
// just past it).
struct Sight {
    bool fixed = false;
    std::uint8_t shift = wordPositions;
    std::int16_t number = 0;
};

// A unit of an Absolute if-line: slot `slot` must be plus at its place, or minus where `flip`
// is all ones.
struct SlotTest {
    std::uint32_t flip = 0;
    std::int8_t slot = 0;
    Sight sight;
};

// How a COUNT line whose window follows the focus reads the tally where the window lies in
// the word: most relations with a small number come down to an AND or an OR of the counted
// slot over the window.
enum class TallyReading : std::uint8_t { Tally, All, Any, NotAll, NotAny, Every, None };

// One if-line made ready to be decided at every focus at once.
struct IfStep {
    enum class Kind : std::uint8_t {
        Never, // a line that holds nowhere (a name that is no feature, ...)
        Units, // Absolute: slot tests [firstTest, endTest), the fixed ones first

        Relative,     // slot `firstSlot` at `first` against `secondSlot` at `second`
        SameSegments, // Relative with "all": slots 0 to 21 at `first` and at `second`
        Count,        // COUNT of `plus` `firstSlot` from `first` to `second`
        Window,       // COUNT over [focus + from, focus + to], read as `reading`
        Branching,    // lines `left` and `right`
    };
    Kind kind = Kind::Never;
    Location first;
    Location second;
    int firstSlot = 0;
    int secondSlot = 0;
    bool plus = false;
    Relation relation = Relation::Invalid;
    int number = 0;
    int from = 0;
    int to = 0;
    TallyReading reading = TallyReading::None;
    std::uint32_t starts = 0; // the foci whose window starts inside the word
    bool zeroHolds = false;   // the reading of a window that ends beyond the word
    int left = 0;
    int right = 0;
    bool isAnd = false;
    Sight firstSight;
    Sight secondSight;
    std::uint32_t firstTest = 0;
    std::uint32_t followingTest = 0; // the first test whose place follows the focus
    std::uint32_t endTest = 0;
};

// A write of a then-step that sets a slot at a location following the focus.
struct SpreadWrite {
    int slot = 0;
    bool plus = false;
    int offset = 0;
};

// A rule made ready to be applied any number of times: its if-lines (line A first) and the
// steps of its then-lines.
struct CompiledRule {
    std::string name; // the stage label
    std::vector<IfStep> ifLines;
    std::vector<SlotTest> slotTests;
    std::vector<ThenStep> thenSteps;
    // A rule without if-lines never holds, and one without then-steps changes nothing.
    bool canChange = false;
    // Whether the then-lines may delete or insert a position.
    bool keepsLength = true;
    // The slots that the then-lines may write and the if-lines read: where an application
    // changed none of them, line A holds at the same foci as before it.
    std::uint32_t rereadSlots = 0;
    // For a rule whose then-steps only set slots and whose if-lines read none of them: the
    // writes at locations following the focus, the one that wins at a position last. Applied
    // at many foci, such a rule leaves at each position what the last focus that wrote there
    // wrote, so these writes can be made for all foci but the last at once; the writes at
    // absolute positions are made again, the same, at the last focus.
    bool spreads = false;
    std::vector<SpreadWrite> spreadWrites;
    // Whether every then-step sets a slot; such a rule runs `writes` instead of its steps.
    // Where it writes no position of a slot twice at one focus, `writesOnce`, what the writes
    // change is what the application changes.
    bool setsOnly = false;
    bool writesOnce = false;
    std::vector<SlotWrite> writes;
    // The slots whose values the if-lines may read where the run may not have made them
    // itself: "mark", "segment" and "all" at the word's positions (a deletion or insertion can
    // bring values from beyond the word there), and the slots read at position `length`.
    // Every other slot at the word's positions holds what the word's encoding or a rule wrote.
    std::uint32_t unsureSlots = 0;
    std::uint32_t beyondSlots = 0;
};

CompiledRule compileRule(const std::vector<std::string>& lines);

// The foci among `candidates` at which line A of `rule` holds on `word` as it is now.
std::uint32_t holdingFoci(const CompiledRule& rule, const WordPlanes& word,
                          std::uint32_t candidates);

// Hints to the processor that `rule` will soon be applied: the fields an application reads
// first, and (once those have come) the first lines of what deciding its if-lines and running
// its writes read. A hint never faults, whatever the address.
inline void prefetchRule(const CompiledRule& rule) {
    const char* const bytes = reinterpret_cast<const char*>(&rule);
    static_assert(sizeof(CompiledRule) <= 192);
    __builtin_prefetch(bytes);
    __builtin_prefetch(bytes + 64);
    __builtin_prefetch(bytes + 128);
}

inline void prefetchRuleData(const CompiledRule& rule) {
    // As a number: a rule without if-lines has no data, and a null pointer takes no offset.
    const auto lines = reinterpret_cast<std::uintptr_t>(rule.ifLines.data());
    __builtin_prefetch(reinterpret_cast<const void*>(lines));
    __builtin_prefetch(reinterpret_cast<const void*>(lines + 64));
    __builtin_prefetch(reinterpret_cast<const void*>(lines + 128));
    __builtin_prefetch(rule.slotTests.data());
    __builtin_prefetch(rule.writes.data());
}

} // namespace tarnel
