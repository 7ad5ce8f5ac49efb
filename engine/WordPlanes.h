// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Word.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace tarnel {

// A word stored slot by slot: bit p of `plane[s]` is slot s at position p. A rule reads a few
// slots at many positions, and this form lets it read them for every focus at once with a
// shift and an AND. Like a `Word` it holds all 21 positions, whatever its length.
struct WordPlanes {
    std::array<std::uint32_t, slotCount> plane{};
    int length = 0;
};

// Positions 0 .. n - 1 (none for n <= 0).
inline std::uint32_t positionsBelow(int n) {
    return static_cast<std::uint32_t>((std::uint64_t{1} << std::clamp(n, 0, 32)) - 1);
}

// The positions of a word: bits 0 .. 20.
inline constexpr std::uint32_t allPositions = (1u << wordPositions) - 1;

// Bit p moved to bit p - offset: what each focus sees at (*+offset). Offsets that reach
// no position leave nothing.
inline std::uint32_t seenFrom(std::uint32_t positions, int offset) {
    if (offset >= wordPositions || offset <= -wordPositions)
        return 0;
    return offset >= 0 ? positions >> offset : (positions << -offset) & allPositions;
}

inline bool slotAt(const WordPlanes& word, int slot, int position) {
    return ((word.plane[static_cast<std::size_t>(slot)] >> position) & 1u) != 0;
}

inline void setSlotAt(WordPlanes& word, int slot, int position, bool plus) {
    std::uint32_t& plane = word.plane[static_cast<std::size_t>(slot)];
    plane = (plane & ~(1u << position)) | (static_cast<std::uint32_t>(plus) << position);
}

WordPlanes toPlanes(const Word& word);
Word toWord(const WordPlanes& word);

// Slots `slotMask` of the given positions of `source` written into `word`.
void copySegments(const Word& source, std::uint32_t positions, std::uint32_t slotMask,
                  WordPlanes& word);

} // namespace tarnel
