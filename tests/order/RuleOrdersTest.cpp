#include "model/RuleOrders.h"

#include <gtest/gtest.h>

using namespace tarnel;

namespace {

using Lines = std::vector<std::string>;

// A model with three rules: Alpha is masked in the Diachronic Order and listed twice,
// Beta is persistent.
Model sampleModel() {
    Model model;
    model.lstSupply = {"Alpha", "Beta", "Gamma"};
    model.lst1Rule = {{"Gamma \xAB...\xBB", "END:  Gamma"},
                      {"Alpha \xAB...\xBB", "END:  Alpha"},
                      {"Beta \xAB...\xBB", "END:  Beta"}};
    model.lstEtyOrd = {"Alpha", "Gamma", "Alpha"};
    model.lstDiacOrd = {"-Alpha", "Beta", "Gamma", "Alpha"};
    model.lstM = {"M", "", "", ""};
    model.lstP = {"", "P", "", ""};
    model.lstReflOrd = {"Gamma", "Alpha"};
    return model;
}

OrderChoice chose(std::string name, std::optional<std::size_t> row) {
    return {std::move(name), true, row};
}

} // namespace

TEST(InsertIntoOrder, AnEmptyOrderReceivesTheChosenNameWithoutAnyHighlight) {
    for (const auto order : {OrderList::Etymon, OrderList::Diachronic, OrderList::Reflex}) {
        Model model;
        model.lstSupply = {"Alpha"};
        const auto outcome =
            insertIntoOrder(model, order, {"Alpha", false, std::nullopt}, InsertPlace::Below);
        EXPECT_EQ(outcome.kind, InsertOutcome::Appended);
        EXPECT_EQ(orderEntries(model, order), Lines{"Alpha"});
        EXPECT_TRUE(model.unsavedChanges);
    }
}

TEST(InsertIntoOrder, TheDiachronicOrderGrowsWithItsColumns) {
    Model model;
    model.lstSupply = {"Alpha"};
    insertIntoOrder(model, OrderList::Diachronic, chose("Alpha", std::nullopt), InsertPlace::Above);
    EXPECT_EQ(model.lstM, Lines{""});
    EXPECT_EQ(model.lstP, Lines{""});
}

TEST(InsertIntoOrder, AboveAndBelowPlaceTheNameBesideTheHighlightedEntry) {
    struct Case {
        InsertPlace place;
        std::size_t row;
        Lines order, m, p;
    };
    const Case cases[] = {
        {InsertPlace::Above,
         1,
         {"-Alpha", "Gamma", "Beta", "Gamma", "Alpha"},
         {"M", "", "", "", ""},
         {"", "", "P", "", ""}},
        {InsertPlace::Below,
         2,
         {"-Alpha", "Beta", "Gamma", "Gamma", "Alpha"},
         {"M", "", "", "", ""},
         {"", "P", "", "", ""}},
    };
    for (const auto& c : cases) {
        Model model = sampleModel();
        const auto outcome =
            insertIntoOrder(model, OrderList::Diachronic, chose("Gamma", 1), c.place);
        EXPECT_EQ(outcome.kind, InsertOutcome::Inserted);
        EXPECT_EQ(outcome.row, c.row);
        EXPECT_EQ(model.lstDiacOrd, c.order);
        EXPECT_EQ(model.lstM, c.m);
        EXPECT_EQ(model.lstP, c.p);
    }
}

TEST(InsertIntoOrder, IsRefusedWithoutBothHighlightsButStillMarksTheModelChanged) {
    const OrderChoice refused[] = {
        {"Gamma", false, 0},           // no Supply entry highlighted
        {"Gamma", true, std::nullopt}, // no order entry highlighted
        {"Gamma", true, 9},            // a row the order does not have
        {"Deleted", true, 0},          // a name no longer in the Supply
    };
    for (const auto& choice : refused) {
        Model model = sampleModel();
        const auto outcome = insertIntoOrder(model, OrderList::Reflex, choice, InsertPlace::Above);
        EXPECT_EQ(outcome.kind, InsertOutcome::Refused);
        EXPECT_EQ(model.lstReflOrd, sampleModel().lstReflOrd);
        EXPECT_TRUE(model.unsavedChanges);
    }
}

TEST(InsertIntoOrder, AnEmptyOrderRefusesWhenNoSupplyNameWasChosen) {
    Model model = sampleModel();
    model.lstReflOrd.clear();
    EXPECT_EQ(insertIntoOrder(model, OrderList::Reflex, {}, InsertPlace::Below).kind,
              InsertOutcome::Refused);
    EXPECT_TRUE(model.lstReflOrd.empty());
}

TEST(MoveInOrder, MaskAndPersistenceTravelWithTheirRule) {
    Model model = sampleModel();
    EXPECT_EQ(moveInOrder(model, OrderList::Diachronic, 0, MoveDirection::Down), 1u);
    EXPECT_EQ(model.lstDiacOrd, (Lines{"Beta", "-Alpha", "Gamma", "Alpha"}));
    EXPECT_EQ(model.lstM, (Lines{"", "M", "", ""}));
    EXPECT_EQ(model.lstP, (Lines{"P", "", "", ""}));
    EXPECT_EQ(moveInOrder(model, OrderList::Diachronic, 1, MoveDirection::Up), 0u);
    EXPECT_EQ(model.lstDiacOrd, sampleModel().lstDiacOrd);
    EXPECT_EQ(model.lstM, sampleModel().lstM);
    EXPECT_EQ(model.lstP, sampleModel().lstP);
}

TEST(MoveInOrder, AtEitherEndOrWithoutAHighlightNothingMovesButTheModelIsChanged) {
    struct Case {
        std::optional<std::size_t> row;
        MoveDirection direction;
        std::optional<std::size_t> result;
    };
    const Case cases[] = {{0, MoveDirection::Up, 0},
                          {2, MoveDirection::Down, 2},
                          {std::nullopt, MoveDirection::Up, std::nullopt}};
    for (const auto& c : cases) {
        Model model = sampleModel();
        EXPECT_EQ(moveInOrder(model, OrderList::Etymon, c.row, c.direction), c.result);
        EXPECT_EQ(model.lstEtyOrd, sampleModel().lstEtyOrd);
        EXPECT_TRUE(model.unsavedChanges);
    }
}

TEST(DeleteFromOrder, RemovesTheRowFromTheDiachronicOrderAndItsColumns) {
    Model model = sampleModel();
    EXPECT_TRUE(deleteFromOrder(model, OrderList::Diachronic, 1));
    EXPECT_EQ(model.lstDiacOrd, (Lines{"-Alpha", "Gamma", "Alpha"}));
    EXPECT_EQ(model.lstM, (Lines{"M", "", ""}));
    EXPECT_EQ(model.lstP, (Lines{"", "", ""}));

    Model untouched = sampleModel();
    EXPECT_FALSE(deleteFromOrder(untouched, OrderList::Etymon, std::nullopt));
    EXPECT_EQ(untouched.lstEtyOrd, sampleModel().lstEtyOrd);
    EXPECT_TRUE(untouched.unsavedChanges);
}

TEST(DeleteRuleFromSupply, RemovesEveryTraceOfAMaskedRuleListedTwice) {
    Model model = sampleModel();
    deleteRuleFromSupply(model, "Alpha");
    EXPECT_EQ(model.lstSupply, (Lines{"Beta", "Gamma"}));
    EXPECT_EQ(model.lstEtyOrd, Lines{"Gamma"});
    EXPECT_EQ(model.lstReflOrd, Lines{"Gamma"});
    EXPECT_EQ(model.lstDiacOrd, (Lines{"Beta", "Gamma"}));
    EXPECT_EQ(model.lstM, (Lines{"", ""}));
    EXPECT_EQ(model.lstP, (Lines{"P", ""}));
    ASSERT_EQ(model.lst1Rule.size(), 2u);
    EXPECT_EQ(model.lst1Rule[0].back(), "END:  Gamma");
    EXPECT_EQ(model.lst1Rule[1].back(), "END:  Beta");
    EXPECT_TRUE(model.unsavedChanges);
}

TEST(DeleteRuleFromSupply, TakesTheNameStraightFromTheSupply) {
    Model model = sampleModel();
    deleteRuleFromSupply(model, model.lstSupply.front());
    EXPECT_EQ(model.lstSupply, (Lines{"Beta", "Gamma"}));
    EXPECT_EQ(model.lstDiacOrd, (Lines{"Beta", "Gamma"}));
}

TEST(DeleteRuleFromSupply, LeavesRulesWhoseNamesOnlyStartAlike) {
    Model model = sampleModel();
    model.lstSupply.push_back("Alphabet");
    model.lstEtyOrd.push_back("Alphabet");
    model.lst1Rule.push_back({"Alphabet \xAB...\xBB", "END:  Alphabet"});
    deleteRuleFromSupply(model, "Alpha");
    EXPECT_EQ(model.lstEtyOrd, (Lines{"Gamma", "Alphabet"}));
    EXPECT_EQ(model.lst1Rule.back().front(), "Alphabet \xAB...\xBB");
}

TEST(ToggleMask, TwiceRestoresTheEntryAndNeverMarksTheModelChanged) {
    Model model = sampleModel();
    EXPECT_TRUE(toggleMask(model, 2));
    EXPECT_EQ(model.lstDiacOrd[2], "-Gamma");
    EXPECT_EQ(model.lstM[2], "M");
    EXPECT_TRUE(toggleMask(model, 2));
    EXPECT_EQ(model.lstDiacOrd[2], "Gamma");
    EXPECT_EQ(model.lstM[2], "");
    EXPECT_FALSE(model.unsavedChanges);
}

TEST(ToggleMask, AMarkWithoutMinusSignIsClearedAndTheNameKept) {
    Model model = sampleModel();
    model.lstM[1] = "M";
    EXPECT_FALSE(toggleMask(model, 1));
    EXPECT_EQ(model.lstM[1], "");
    EXPECT_EQ(model.lstDiacOrd[1], "Beta");
}

TEST(TogglePersistence, SwitchesTheMarkAndAlwaysMarksTheModelChanged) {
    Model model = sampleModel();
    togglePersistence(model, 1);
    togglePersistence(model, 2);
    EXPECT_EQ(model.lstP, (Lines{"", "", "P", ""}));
    Model noRow = sampleModel();
    togglePersistence(noRow, std::nullopt);
    EXPECT_EQ(noRow.lstP, sampleModel().lstP);
    EXPECT_TRUE(noRow.unsavedChanges);
}

TEST(RuleOrders, ShortColumnsFromADamagedFileAreFilledBeforeUse) {
    Model model = sampleModel();
    model.lstM.clear();
    model.lstP.resize(1);
    EXPECT_EQ(moveInOrder(model, OrderList::Diachronic, 3, MoveDirection::Up), 2u);
    EXPECT_EQ(model.lstM.size(), 4u);
    EXPECT_EQ(model.lstP.size(), 4u);
}
