// SPDX-License-Identifier: GPL-3.0-or-later
#include "WordPlanes.h"

#include <bit>

namespace tarnel {

WordPlanes toPlanes(const Word& word) {
    WordPlanes planes;
    copySegments(word, allPositions, (1u << slotCount) - 1, planes);
    planes.length = word.length;
    return planes;
}

Word toWord(const WordPlanes& planes) {
    Word word;
    for (int s = 0; s < slotCount; ++s)
        for (std::uint32_t plus = planes.plane[static_cast<std::size_t>(s)] & allPositions;
             plus != 0; plus &= plus - 1)
            word.segments[static_cast<std::size_t>(std::countr_zero(plus))].bits |= 1u << s;
    word.length = planes.length;
    return word;
}

void copySegments(const Word& source, std::uint32_t positions, std::uint32_t slotMask,
                  WordPlanes& word) {
    for (int s = 0; s < slotCount; ++s)
        if ((slotMask >> s) & 1u)
            word.plane[static_cast<std::size_t>(s)] &= ~positions;
    for (; positions != 0; positions &= positions - 1) {
        const int p = std::countr_zero(positions);
        for (std::uint32_t plus = source.segments[static_cast<std::size_t>(p)].bits & slotMask;
             plus != 0; plus &= plus - 1)
            word.plane[static_cast<std::size_t>(std::countr_zero(plus))] |= 1u << p;
    }
}

} // namespace tarnel
