// SPDX-License-Identifier: GPL-3.0-or-later
// Rules whose then-lines only set slots, some writing one position twice: an application
// changes the word only when the sounds differ after it, whatever the writes did on the way.
#include "EngineFixture.h"

namespace tarnel::test {
namespace {

TEST_F(EngineTest, WritesThatUndoEachOtherAreNoChange) {
    // +high (1) brings -low along; at focus 0, -high (*) undoes it at the same position
    addRule("UNDONE", {"+syll (*) -high (*)"}, {"+high (1)", "-high (*)"});
    addRule("KEPT", {"+syll (*) -high (*)"}, {"-high (*)", "+high (1)"});
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"UNDONE", "e", "1 Etymon e/0 End e"},
        // focus 0 changes nothing, focus 1 raises the first vowel
        {"UNDONE", "ee", "1 Etymon ee/2 UNDONE ie/0 End ie"},
        {"UNDONE", "a", "1 Etymon a/2 UNDONE e/0 End e"},
        {"KEPT", "e", "1 Etymon e/2 KEPT i/0 End i"}};
    for (const auto& [rule, etymon, expected] : cases) {
        setDiachronic({rule});
        stages.clear();
        engine().derive(etymon);
        EXPECT_EQ(stages, expected);
    }
}

} // namespace
} // namespace tarnel::test
