// SPDX-License-Identifier: GPL-3.0-or-later
#include "InsightModel.h"
#include "SessionFixture.h"

#include <gtest/gtest.h>

namespace tarnel {
namespace {

using Words = std::vector<insight::RuleWord>;

// Voicing changes both words ata (one Good once voiced, one Bad), Nasal changes nothing,
// the masked Devoicing nothing; Revoicing voices the reflexes ata and ete.
class RuleWordsTest : public test::SessionFixture {
protected:
    RuleWordsTest() {
        open(test::voicingRules()
                 .diachronic({"Voicing", "Nasal", "Devoicing"})
                 .reflexOrder({"Revoicing"})
                 .vocabulary({"ata  ata", "ata  ete", "apa  apa"})); // now in the file's order
        EXPECT_TRUE(session.toggleMask(2));                          // masks are not saved
    }
    Words words(OrderList order, std::size_t row) const {
        return session.ruleWords(order, row, {});
    }
};

TEST_F(RuleWordsTest, EachEntryListsTheItemsItChangedWithTheWordsAroundItsChange) {
    session.runBatch();
    const Words voicing = words(OrderList::Diachronic, 0);
    ASSERT_EQ(voicing.size(), 2u);
    const insight::RuleWord& v = voicing[1]; // after apa
    EXPECT_EQ(std::tie(v.index, v.etymon, v.reflex, v.before, v.after, v.good),
              std::tuple(2, "ata", "ete", "ata", "ada", false));
    EXPECT_TRUE(voicing[0].good);
    EXPECT_TRUE(words(OrderList::Diachronic, 1).empty()); // Nasal acts on nothing here
    EXPECT_TRUE(words(OrderList::Diachronic, 2).empty()); // a masked entry changes nothing

    const Words revoicing = words(OrderList::Reflex, 0);
    ASSERT_EQ(revoicing.size(), 2u);
    EXPECT_EQ(std::tie(revoicing[1].before, revoicing[1].after), std::tuple("ete", "ede"));
}

TEST_F(RuleWordsTest, NothingIsListedForOrdersTheLastRunDidNotHave) {
    EXPECT_FALSE(session.rulesOfLastBatch());
    session.runBatch();
    ASSERT_TRUE(session.moveInOrder(OrderList::Diachronic, 0, MoveDirection::Down));
    EXPECT_FALSE(session.rulesOfLastBatch());
    EXPECT_TRUE(words(OrderList::Diachronic, 1).empty());
    session.undo();
    EXPECT_TRUE(session.rulesOfLastBatch());
    EXPECT_EQ(words(OrderList::Diachronic, 0).size(), 2u);
}

// Voicing made to devoice leaves the t of both "ata" alone, which breaks "ata  ata".
TEST_F(RuleWordsTest, APreviewTellsWhatStoringTheEditedRuleWouldDo) {
    ASSERT_TRUE(session.ruleEditor().open("Voicing"));
    EXPECT_FALSE(session.previewRuleEdit({}, {}).note.empty()); // no run yet
    session.runBatch();
    const insight::RulePreview unchanged = session.previewRuleEdit({}, {});
    EXPECT_EQ(unchanged.note, "");
    EXPECT_EQ(unchanged.words.size(), 2u);
    EXPECT_EQ(unchanged.fixed + unchanged.broken, 0);

    const insight::RulePreview devoicing =
        session.previewRuleEdit(test::rule("Voicing", {"+cor (*) -cont (*)"}, {"-voice (*)"}), {});
    EXPECT_TRUE(devoicing.words.empty());
    EXPECT_EQ(std::tie(devoicing.fixed, devoicing.broken), std::tuple(0, 1));
    EXPECT_EQ(session.lastBatch().goodCount(), 2); // the last run stays as it was

    ASSERT_TRUE(session.ruleEditor().open("Devoicing")); // masked: nothing to preview
    EXPECT_EQ(session.previewRuleEdit({}, {}).note,
              "This rule is in no order, or only masked: storing it changes no word.");
}

TEST_F(RuleWordsTest, EntriesAreFoundByNameInTheOrderOfTheOrders) {
    using Place = std::optional<std::pair<OrderList, std::size_t>>;
    EXPECT_EQ(session.entryNamed("Nasal"), Place({OrderList::Diachronic, 1}));
    EXPECT_EQ(session.entryNamed("Devoicing"), Place({OrderList::Diachronic, 2}));
    EXPECT_EQ(session.entryNamed("Revoicing"), Place({OrderList::Reflex, 0}));
    EXPECT_EQ(session.entryNamed("Lenition"), std::nullopt);
}

} // namespace
} // namespace tarnel
