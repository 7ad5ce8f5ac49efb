// SPDX-License-Identifier: GPL-3.0-or-later
// What a run from an unseen state knows of a word, against a slot-by-slot account of it,
// over random sequences of the moves then-lines make.
#include "engine/Knowledge.h"

#include <gtest/gtest.h>
#include <random>

namespace tarnel::test {
namespace {

constexpr std::uint32_t everySlot = (1u << slotCount) - 1;

// For every position and slot: whether the run made the value, else the position whose
// starting value it holds.
struct Account {
    std::array<std::array<int, slotCount>, wordPositions> origin{}; // -1: made by the run

    Account() {
        for (int p = 0; p < wordPositions; ++p)
            origin[p].fill(p);
    }
    void shift(std::uint32_t range, bool down, int lastSlot) {
        const auto old = origin;
        for (int p = 0; p < wordPositions; ++p)
            if ((range >> p) & 1u)
                for (int s = 0; s <= lastSlot; ++s)
                    origin[p][s] = old[down ? p + 1 : p - 1][s];
    }
    bool knows(std::uint32_t slots, int positionCount) const {
        for (int p = 0; p < positionCount; ++p)
            for (int s = 0; s < slotCount; ++s)
                if (((slots >> s) & 1u) && origin[p][s] != -1)
                    return false;
        return true;
    }
};

TEST(Knowledge, KeepsTrackOfEveryValueThroughLearningAndMoves) {
    std::mt19937 random(26);
    for (int trial = 0; trial < 300; ++trial) {
        WordKnowledge knowledge;
        Account account;
        for (int step = 0; step < 40; ++step) {
            const int p = static_cast<int>(random() % wordPositions);
            const int q = static_cast<int>(random() % wordPositions);
            const int slot = static_cast<int>(random() % slotCount);
            // A move never reaches the last position: words hold at most 20 segments.
            const std::uint32_t range = positionsBelow(std::max(p, q)) &
                                        ~positionsBelow(std::min(p, q) + 1) &
                                        positionsBelow(wordPositions - 1);
            switch (random() % 6) {
            case 0:
                knowledge.learnSlot(slot, 1u << p);
                account.origin[p][slot] = -1;
                break;
            case 1: { // some slots of the first positions, or all as an encoding writes them
                const std::uint32_t slots = (random() % 2 == 0 ? ~0u : random()) & everySlot;
                knowledge.learn(slots, positionsBelow(p));
                for (int r = 0; r < p; ++r)
                    for (int s = 0; s < slotCount; ++s)
                        if ((slots >> s) & 1u)
                            account.origin[r][s] = -1;
                break;
            }
            case 2:
            case 3: {
                const bool down = random() % 2 == 0;
                const int lastSlot = random() % 2 == 0 ? markFeature : segmentFeature;
                knowledge.shift(down ? range : range << 1, down, (2u << lastSlot) - 1);
                account.shift(down ? range : range << 1, down, lastSlot);
                break;
            }
            case 4:
                knowledge.swap(p, q);
                for (int s = 0; s <= markFeature; ++s)
                    std::swap(account.origin[p][s], account.origin[q][s]);
                break;
            default:
                knowledge.copy(p, q);
                for (int s = 0; s <= markFeature; ++s)
                    account.origin[q][s] = account.origin[p][s];
            }
            const std::uint32_t slots = static_cast<std::uint32_t>(random()) & everySlot;
            const int length = static_cast<int>(random() % (wordPositions - 1));
            ASSERT_EQ(knowledge.knowsReads(slots, 0, length), account.knows(slots, length));
            ASSERT_EQ(knowledge.knowsReads(0, slots, length), account.knows(slots, length + 1));
        }
        WordPlanes start, reached, expected;
        for (int s = 0; s < slotCount; ++s) {
            start.plane[s] = static_cast<std::uint32_t>(random()) & allPositions;
            reached.plane[s] = static_cast<std::uint32_t>(random()) & allPositions;
            for (int p = 0; p < wordPositions; ++p) {
                const int from = account.origin[p][s];
                const std::uint32_t value =
                    from == -1 ? reached.plane[s] >> p : start.plane[s] >> from;
                expected.plane[s] |= (value & 1u) << p;
            }
        }
        knowledge.bringUp(start, reached);
        ASSERT_EQ(start.plane, expected.plane) << "trial " << trial;
    }
}

} // namespace
} // namespace tarnel::test
