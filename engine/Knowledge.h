// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WordPlanes.h"

#include <array>
#include <bit>
#include <cstdint>

namespace tarnel {

// What a run that started from a word state it could not see knows of one word: which slot
// values it made itself, and for every other value, the position whose starting value (of the
// same slot) it holds, as then-lines move values about. Batch items run this way on several
// threads at once, each run starting where the previous item of its thread left off; once the
// true starting state is known, `bringUp` turns it into the state the run reached. A run that
// reads a value it did not make is `lost`: its item is run again from the true state.
//
// Then-lines move slots 0 to 21 of a position together, "segment" only when a segment is
// deleted, and "all" never, so one starting position per position is enough for the first
// 22 slots, and another for "segment".
class WordKnowledge {
public:
    WordKnowledge() { forget(); }

    // Nothing known: every slot holds its own starting value.
    void forget();
    // Everything known: the run starts from the true state.
    void learnAll();

    bool knows(int slot, std::uint32_t positions) const {
        return (known_[static_cast<std::size_t>(slot)] & positions) == positions;
    }
    // Whether the run made slots `inside` at every position of a word of `length`, and slots
    // `beyond` at these and the one after them. Asked before most rule applications, so the
    // answer is kept until the word's length changes or knowledge moves.
    bool knowsReads(std::uint32_t inside, std::uint32_t beyond, int length) {
        if (length != surveyedLength_ || !surely(inside, beyond))
            survey(length);
        return surely(inside, beyond);
    }
    // Slots `slotMask` of `positions` made by the run.
    void learn(std::uint32_t slotMask, std::uint32_t positions) {
        if ((slotMask & slotsThroughMark) == slotsThroughMark)
            together_ |= positions & allPositions;
        for (; slotMask != 0; slotMask &= slotMask - 1)
            known_[static_cast<std::size_t>(std::countr_zero(slotMask))] |=
                positions & allPositions;
    }

    void learnSlot(int slot, std::uint32_t positions) {
        known_[static_cast<std::size_t>(slot)] |= positions;
    }

    // The moves of Changes.cpp (slots 0 to 21, or 0 to 22 for a deletion), done to what is
    // known.
    void shift(std::uint32_t range, bool down, std::uint32_t slotMask);
    void copy(int from, int to);
    void swap(int first, int second);

    void lose() { lost_ = true; }
    bool lost() const { return lost_; }

    // `exact`, the true state the run started from, brought to the state the run reached.
    void bringUp(WordPlanes& exact, const WordPlanes& reached) const;

private:
    using Origins = std::array<std::int8_t, wordPositions>;

    bool surely(std::uint32_t inside, std::uint32_t beyond) const {
        return ((inside & ~sureInside_) | (beyond & ~sureBeyond_)) == 0;
    }
    void survey(int length);

    std::array<std::uint32_t, slotCount> known_{};
    // Positions of which the run made all of slots 0 to 21 (some others may be so too), so
    // that the common cases need not look at every plane.
    std::uint32_t together_ = 0;
    // The slots made at every position of a word of `surveyedLength_` (inside), and at the one
    // after it too (beyond). Learning only adds to what is known, so only moves and `forget`
    // make the survey stale.
    int surveyedLength_ = -1;
    std::uint32_t sureInside_ = 0;
    std::uint32_t sureBeyond_ = 0;
    Origins origin_{};        // slots 0 to 21
    Origins segmentOrigin_{}; // slot 22
    // The positions whose starting position may be another (of slots 0 to 21, of slot 22).
    std::uint32_t moved_ = 0;
    std::uint32_t segmentMoved_ = 0;
    bool lost_ = false;
};

} // namespace tarnel
