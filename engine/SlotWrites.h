// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Knowledge.h"
#include "WordPlanes.h"

#include <array>
#include <cstdint>
#include <span>

namespace tarnel {

// One write of a rule whose then-steps all set slots, in the form such a rule runs: slot
// `slot` at `offset` from the anchor (the focus, the place before the first position, or
// the end of the word) made `value`, all ones for plus. `sound` and `reread` are all ones
// when a change of the slot is a change of the word's sounds, and one that line A reads.
struct SlotWrite {
    enum Anchor : std::uint8_t { Focus, Start, End };
    // Slot `slot` made plus or minus at `offset` from `anchor`.
    static SlotWrite make(int slot, bool plus, Anchor anchor, int offset, bool reread) {
        const auto all = [](bool yes) { return yes ? ~0u : 0u; };
        return {all(plus),
                all(slot < soundFeatureCount),
                all(reread),
                static_cast<std::int16_t>(offset),
                static_cast<std::int8_t>(slot),
                anchor};
    }
    // Whether it reaches a position of some word.
    bool reaches() const {
        return anchor == Focus   ? offset > -wordPositions && offset < wordPositions
               : anchor == Start ? offset <= wordPositions
                                 : offset >= -wordPositions;
    }

    std::uint32_t value = 0;
    std::uint32_t sound = 0;
    std::uint32_t reread = 0;
    std::int16_t offset = 0;
    std::int8_t slot = 0;
    Anchor anchor = Focus;
};

// The positions one run of the writes changed: of slots that are sounds, and of slots that
// line A reads. Exact where no position of a slot is written twice in one run, else a run
// that changes a value and changes it back counts as a change.
struct WriteEffect {
    std::uint32_t sound = 0;
    std::uint32_t reread = 0;
};

// The writes at `focus`, in order, without a branch on the data: a position outside the word
// is written as no position. A run from an unseen state learns what it writes.
template <bool Track>
WriteEffect runWrites(std::span<const SlotWrite> writes, WordPlanes& word, int focus,
                      WordKnowledge* knowledge) {
    const int length = word.length;
    const std::array<int, 3> anchors{focus, -1, length};
    WriteEffect effect;
    for (const SlotWrite& write : writes) {
        const auto position = static_cast<unsigned>(anchors[write.anchor] + write.offset);
        const std::uint32_t bit = position < static_cast<unsigned>(length) ? 1u << position : 0u;
        std::uint32_t& plane = word.plane[static_cast<std::size_t>(write.slot)];
        const std::uint32_t differ = (plane ^ write.value) & bit;
        plane ^= differ;
        effect.sound |= differ & write.sound;
        effect.reread |= differ & write.reread;
        if constexpr (Track)
            knowledge->learnSlot(write.slot, bit);
    }
    return effect;
}

} // namespace tarnel
