// SPDX-License-Identifier: GPL-3.0-or-later
#include "CompiledRule.h"

#include "RuleText.h"

#include <algorithm>
#include <cstdlib>
#include <functional>

namespace tarnel {

namespace {

// How a tally over `width` positions compares with `number`.
TallyReading readingOf(Relation relation, int number, int width) {
    const auto is = [&](int value) { return number == value; };
    switch (relation) {
    case Relation::Equal:
        return number < 0 || number > width ? TallyReading::None
               : is(0)                      ? TallyReading::NotAny
               : is(width)                  ? TallyReading::All
                                            : TallyReading::Tally;
    case Relation::Greater:
        return number < 0        ? TallyReading::Every
               : number >= width ? TallyReading::None
               : is(0)           ? TallyReading::Any
               : is(width - 1)   ? TallyReading::All
                                 : TallyReading::Tally;
    case Relation::Less:
        return number <= 0      ? TallyReading::None
               : number > width ? TallyReading::Every
               : is(1)          ? TallyReading::NotAny
               : is(width)      ? TallyReading::NotAll
                                : TallyReading::Tally;
    case Relation::NotEqual:
    case Relation::Invalid:
        break;
    }
    return TallyReading::None;
}

// Absolute numbers beyond any word's positions all read nothing; a following place beyond
// them is not given a sight.
Sight sightOf(Location location) {
    Sight sight;
    if (location.kind == Location::Kind::Absolute) {
        sight.fixed = true;
        sight.number = static_cast<std::int16_t>(
            std::clamp(location.value, -wordPositions - 1, wordPositions + 1));
    } else if (location.kind == Location::Kind::Offset &&
               std::abs(location.value) < wordPositions) {
        sight.shift = static_cast<std::uint8_t>(wordPositions + location.value);
    }
    return sight;
}

// An offset from the focus that reaches no position of any word.
bool beyondReach(Location location) {
    return location.kind == Location::Kind::Offset && std::abs(location.value) >= wordPositions;
}

struct StepCompiler {
    CompiledRule& rule;
    std::uint32_t& reads;

    // A unit that names no feature, or looks further than any word reaches, makes the line
    // hold nowhere.
    IfStep operator()(const AbsoluteIf& line) const {
        IfStep step;
        for (const Unit& unit : line.units)
            if (unit.feature == noFeature || (unit.location.kind == Location::Kind::Offset &&
                                              std::abs(unit.location.value) >= wordPositions))
                return step;
        step.kind = IfStep::Kind::Units;
        step.firstTest = static_cast<std::uint32_t>(rule.slotTests.size());
        for (const Unit& unit : line.units) {
            const bool afterTheEnd =
                unit.location.kind == Location::Kind::Absolute && unit.location.value == 0;
            readsSlot(unit.feature, afterTheEnd);
            const SlotTest test{unit.plus ? 0u : ~0u, static_cast<std::int8_t>(unit.feature),
                                sightOf(unit.location)};
            // The tests of fixed places decide for every focus at once, so they come first.
            const auto followingTests =
                std::ranges::find_if(rule.slotTests.begin() + step.firstTest, rule.slotTests.end(),
                                     [](const SlotTest& other) { return !other.sight.fixed; });
            rule.slotTests.insert(test.sight.fixed ? followingTests : rule.slotTests.end(), test);
        }
        step.endTest = static_cast<std::uint32_t>(rule.slotTests.size());
        step.followingTest = static_cast<std::uint32_t>(
            std::ranges::find_if(rule.slotTests.begin() + step.firstTest, rule.slotTests.end(),
                                 [](const SlotTest& test) { return !test.sight.fixed; }) -
            rule.slotTests.begin());
        return step;
    }

    void readsSlot(int slot, bool afterTheEnd = false) const {
        reads |= 1u << slot;
        if (slot >= markFeature)
            rule.unsureSlots |= 1u << slot;
        if (afterTheEnd)
            rule.beyondSlots |= 1u << slot;
    }

    IfStep operator()(const RelativeLine& line) const {
        IfStep step;
        if (line.first == noFeature || line.second == noFeature ||
            beyondReach(line.firstLocation) || beyondReach(line.secondLocation))
            return step;
        // "all" first compares slots 0 to 21, whatever the second names.
        if (line.first == allFeature) {
            step.kind = IfStep::Kind::SameSegments;
            readsSlot(markFeature);
            reads |= slotsThroughMark;
        } else {
            step.kind = IfStep::Kind::Relative;
            readsSlot(line.first);
            readsSlot(line.second);
        }
        step.first = line.firstLocation;
        step.second = line.secondLocation;
        step.firstSight = sightOf(line.firstLocation);
        step.secondSight = sightOf(line.secondLocation);
        step.firstSlot = line.first;
        step.secondSlot = line.second;
        step.relation = line.relation;
        return step;
    }

    IfStep operator()(const CountIf& line) const {
        IfStep step;
        if (line.feature == noFeature)
            return step;
        step.kind = IfStep::Kind::Count;
        readsSlot(line.feature);
        step.first = line.start;
        step.second = line.end;
        step.firstSlot = line.feature;
        step.plus = line.plus;
        step.relation = line.relation;
        step.number = line.number;
        if (line.start.kind != Location::Kind::Absolute &&
            line.end.kind != Location::Kind::Absolute)
            window(step);
        return step;
    }

    // A window that follows the focus: a start after the end, or before every position,
    // holds nowhere.
    static void window(IfStep& step) {
        step.from = step.first.kind == Location::Kind::Offset ? step.first.value : 0;
        step.to = step.second.kind == Location::Kind::Offset ? step.second.value : 0;
        if (step.from > step.to || step.from <= -wordPositions) {
            step.kind = IfStep::Kind::Never;
            return;
        }
        step.kind = IfStep::Kind::Window;
        step.starts = ~positionsBelow(-step.from) & allPositions;
        // Inside the word a window is never wider than the word.
        const int width = std::min(step.to - step.from + 1, wordPositions);
        step.reading = readingOf(step.relation, step.number, width);
        step.zeroHolds = relationHolds(0, step.relation, step.number);
    }

    IfStep operator()(const BranchingIf& line) const {
        IfStep step;
        step.kind = IfStep::Kind::Branching;
        step.left = line.left;
        step.right = line.right;
        step.isAnd = line.isAnd;
        return step;
    }
};

// About how much work deciding line `number` takes. Lines later than a Branching line are
// weighed first, so every line is weighed once.
int weigh(CompiledRule& rule, int number, std::vector<int>& weights) {
    if (number <= 0 || number > static_cast<int>(rule.ifLines.size()))
        return 0;
    int& weight = weights[static_cast<std::size_t>(number - 1)];
    if (weight >= 0)
        return weight;
    IfStep& step = rule.ifLines[static_cast<std::size_t>(number - 1)];
    switch (step.kind) {
    case IfStep::Kind::Never:
        weight = 0;
        break;
    case IfStep::Kind::Units:
        weight = static_cast<int>(step.endTest - step.firstTest);
        break;
    case IfStep::Kind::Relative:
    case IfStep::Kind::Window:
        weight = 3;
        break;
    case IfStep::Kind::SameSegments:
        weight = 6;
        break;
    case IfStep::Kind::Count:
        weight = 10;
        break;
    case IfStep::Kind::Branching: {
        const int left = weigh(rule, step.left, weights);
        const int right = weigh(rule, step.right, weights);
        // Both sides are decided without side effects, so either may go first: the lighter
        // one, whose foci may leave the other nothing to decide.
        if (right < left)
            std::swap(step.left, step.right);
        weight = 1 + left + right;
        break;
    }
    }
    return weight;
}

// A write at position p from focus f follows every write from a focus before f, and every
// earlier write of its own focus: ordered by offset from the largest, then as written.
void spreadWrites(CompiledRule& rule) {
    rule.spreads =
        rule.rereadSlots == 0 && std::ranges::all_of(rule.thenSteps, [](const ThenStep& step) {
            return step.kind == ThenStep::Kind::Set;
        });
    if (!rule.spreads)
        return;
    for (const ThenStep& step : rule.thenSteps)
        for (const SlotWrite& write : step.writes)
            if (write.anchor == SlotWrite::Focus)
                rule.spreadWrites.push_back({write.slot, write.value != 0, write.offset});
    std::ranges::stable_sort(rule.spreadWrites, std::greater<>(), &SpreadWrite::offset);
}

// The then-steps of a rule that only sets slots, as one list of writes. A write that a later
// one of the same slot at the same place overrides is left out.
void slotWrites(CompiledRule& rule) {
    rule.setsOnly = std::ranges::all_of(
        rule.thenSteps, [](const ThenStep& step) { return step.kind == ThenStep::Kind::Set; });
    if (!rule.setsOnly)
        return;
    for (const ThenStep& step : rule.thenSteps) {
        for (SlotWrite write : step.writes) {
            write.reread = ((rule.rereadSlots >> write.slot) & 1u) != 0 ? ~0u : 0u;
            std::erase_if(rule.writes, [&](const SlotWrite& earlier) {
                return earlier.slot == write.slot && earlier.anchor == write.anchor &&
                       earlier.offset == write.offset;
            });
            rule.writes.push_back(write);
        }
    }
    // Writes of one slot from one anchor land at different positions; from two anchors they
    // may meet.
    rule.writesOnce = std::ranges::all_of(rule.writes, [&rule](const SlotWrite& write) {
        return std::ranges::all_of(rule.writes, [&write](const SlotWrite& other) {
            return other.slot != write.slot || other.anchor == write.anchor;
        });
    });
}

} // namespace

// Reading is deterministic, so a rule read once behaves as one read at every application.
// If-lines beyond Z are dropped: no label can name them, so they cannot matter.
CompiledRule compileRule(const std::vector<std::string>& lines) {
    RuleText text = splitRuleText(lines);
    CompiledRule rule;
    rule.name = std::move(text.stageName);
    const int ifCount = std::min(static_cast<int>(text.ifBodies.size()), maxIfLines);
    rule.ifLines.reserve(static_cast<std::size_t>(ifCount));
    std::uint32_t reads = 0;
    for (int i = 0; i < ifCount; ++i)
        rule.ifLines.push_back(
            std::visit(StepCompiler{rule, reads},
                       parseIfLine(text.ifBodies[static_cast<std::size_t>(i)], i + 1, ifCount)));
    std::uint32_t writes = 0;
    for (const std::string_view body : text.thenBodies)
        compileThenLine(parseThenLine(body), rule.thenSteps, writes);
    rule.canChange = !rule.ifLines.empty() && !rule.thenSteps.empty();
    rule.keepsLength = std::ranges::none_of(rule.thenSteps, [](const ThenStep& step) {
        return step.kind == ThenStep::Kind::Delete || step.kind == ThenStep::Kind::Insert;
    });
    rule.rereadSlots = reads & writes;
    spreadWrites(rule);
    slotWrites(rule);
    std::vector<int> weights(rule.ifLines.size(), -1);
    weigh(rule, 1, weights);
    return rule;
}

} // namespace tarnel
