// SPDX-License-Identifier: GPL-3.0-or-later
#include "InsightModel.h"
#include "model/ModelFile.h"
#include "session/Session.h"

#include <gtest/gtest.h>

namespace tarnel {
namespace {

using Words = std::vector<insight::RuleWord>;

// Voicing changes both words ata (one Good once voiced, one Bad), Nasal changes nothing,
// the masked Devoicing nothing; Revoicing voices the reflexes ata and ete.
class RuleWordsTest : public ::testing::Test {
protected:
    RuleWordsTest() {
        std::filesystem::create_directories(folder);
        Model model = test::insightModel({"Voicing", "Nasal", "Devoicing"},
                                         {"ata  ata", "ata  ete", "apa  apa"}, {}, {"Revoicing"});
        model.lstSupply = {"Devoicing", "Nasal", "Revoicing", "Voicing"};
        EXPECT_TRUE(writeModelFile(model, folder / "words.tnl"));
        EXPECT_TRUE(session.openModel("words")); // the items now in the file's order
        EXPECT_TRUE(session.toggleMask(2));      // masks are not saved
    }
    ~RuleWordsTest() override { std::filesystem::remove_all(folder); }

    Words words(OrderList order, std::size_t row) const {
        return session.ruleWords(order, row, {});
    }

    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() /
        ("tarnel-rule-words-" +
         std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    Session session{folder};
};

TEST_F(RuleWordsTest, EachEntryListsTheItemsItChangedWithTheWordsAroundItsChange) {
    session.runBatch();
    const Words voicing = words(OrderList::Diachronic, 0);
    ASSERT_EQ(voicing.size(), 2u);
    EXPECT_EQ(voicing[1].index, 2); // after apa
    EXPECT_EQ(voicing[1].etymon, "ata");
    EXPECT_EQ(voicing[1].reflex, "ete");
    EXPECT_EQ(voicing[1].before, "ata");
    EXPECT_EQ(voicing[1].after, "ada");
    EXPECT_TRUE(voicing[0].good);
    EXPECT_FALSE(voicing[1].good);
    EXPECT_TRUE(words(OrderList::Diachronic, 1).empty()); // Nasal acts on nothing here
    EXPECT_TRUE(words(OrderList::Diachronic, 2).empty()); // a masked entry changes nothing

    const Words revoicing = words(OrderList::Reflex, 0);
    ASSERT_EQ(revoicing.size(), 2u);
    EXPECT_EQ(revoicing[1].before, "ete");
    EXPECT_EQ(revoicing[1].after, "ede");
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

TEST_F(RuleWordsTest, EntriesAreFoundByNameInTheOrderOfTheOrders) {
    using Place = std::optional<std::pair<OrderList, std::size_t>>;
    EXPECT_EQ(session.entryNamed("Nasal"), Place({OrderList::Diachronic, 1}));
    EXPECT_EQ(session.entryNamed("Devoicing"), Place({OrderList::Diachronic, 2}));
    EXPECT_EQ(session.entryNamed("Revoicing"), Place({OrderList::Reflex, 0}));
    EXPECT_EQ(session.entryNamed("Lenition"), std::nullopt);
}

} // namespace
} // namespace tarnel
