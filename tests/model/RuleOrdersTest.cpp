// SPDX-License-Identifier: GPL-3.0-or-later
// Inserting beside a highlighted entry, the arrows, mask and persistence releases and their
// messages are driven end to end through the order screen in tests/ui/OrderTest.cpp; here are
// the edge cases it cannot reach.

#include "model/RuleOrders.h"

#include <gtest/gtest.h>

using namespace tarnel;

namespace {

using Lines = std::vector<std::string>;

// Three rules: Alpha is masked in the Diachronic Order and listed twice, Beta is persistent.
Model ordersModel() {
    Model model;
    model.lstSupply = {"Alpha", "Beta", "Gamma"};
    model.lst1Rule = {{"Gamma \xAB...\xBB"}, {"Alpha \xAB...\xBB"}, {"Beta \xAB...\xBB"}};
    model.lstEtyOrd = {"Alpha", "Gamma", "Alpha"};
    model.lstDiacOrd = {"-Alpha", "Beta", "Gamma", "Alpha"};
    model.lstM = {"M", "", "", ""};
    model.lstP = {"", "P", "", ""};
    model.lstReflOrd = {"Gamma", "Alpha"};
    return model;
}

// The Diachronic Order with its two columns, one "entry/mask/persistence" text per row.
Lines diachronic(const Model& model) {
    const std::size_t size = model.lstDiacOrd.size();
    if (model.lstM.size() != size || model.lstP.size() != size)
        return {"columns out of step"};
    Lines rows;
    for (std::size_t i = 0; i < size; ++i)
        rows.push_back(model.lstDiacOrd[i] + "/" + model.lstM[i] + "/" + model.lstP[i]);
    return rows;
}

} // namespace

TEST(InsertIntoOrder, AnEmptyOrderReceivesTheChosenNameWithoutAnyHighlight) {
    for (const auto order : {OrderList::Etymon, OrderList::Diachronic, OrderList::Reflex}) {
        Model model;
        model.lstSupply = {"Alpha"};
        EXPECT_EQ(insertIntoOrder(model, order, {}, InsertPlace::Below).kind,
                  InsertOutcome::Refused); // no Supply name chosen
        EXPECT_EQ(insertIntoOrder(model, order, {"Alpha", false, {}}, InsertPlace::Below).kind,
                  InsertOutcome::Appended);
        EXPECT_EQ(orderEntries(model, order), Lines{"Alpha"});
        if (order == OrderList::Diachronic) {
            EXPECT_EQ(diachronic(model), Lines{"Alpha//"});
        }
    }
}

TEST(InsertIntoOrder, IsRefusedWithoutBothHighlightsButStillMarksTheModelChanged) {
    const OrderChoice refused[] = {
        {"Gamma", false, 0},  // no Supply entry highlighted
        {"Gamma", true, {}},  // no order entry highlighted
        {"Gamma", true, 9},   // a row the order does not have
        {"Deleted", true, 0}, // a name no longer in the Supply
    };
    for (const auto& choice : refused) {
        Model model = ordersModel();
        EXPECT_EQ(insertIntoOrder(model, OrderList::Reflex, choice, InsertPlace::Above).kind,
                  InsertOutcome::Refused);
        EXPECT_EQ(model.lstReflOrd, ordersModel().lstReflOrd);
    }
}

TEST(DeleteFromOrder, RemovesTheRowFromTheDiachronicOrderAndItsColumns) {
    Model model = ordersModel();
    EXPECT_TRUE(deleteFromOrder(model, OrderList::Diachronic, 1));
    EXPECT_EQ(diachronic(model), (Lines{"-Alpha/M/", "Gamma//", "Alpha//"}));
}

// The name comes straight from the Supply, which the deletion changes under it; a rule whose
// name only starts alike stays.
TEST(DeleteRuleFromSupply, RemovesEveryTraceOfAMaskedRuleListedTwice) {
    Model model = ordersModel();
    model.lstSupply.push_back("Alphabet");
    model.lstEtyOrd.push_back("Alphabet");
    model.lst1Rule.push_back({"Alphabet \xAB...\xBB"});
    deleteRuleFromSupply(model, model.lstSupply.front());
    EXPECT_EQ(model.lstSupply, (Lines{"Beta", "Gamma", "Alphabet"}));
    EXPECT_EQ(model.lstEtyOrd, (Lines{"Gamma", "Alphabet"}));
    EXPECT_EQ(model.lstReflOrd, Lines{"Gamma"});
    EXPECT_EQ(diachronic(model), (Lines{"Beta//P", "Gamma//"}));
    EXPECT_EQ(model.lst1Rule,
              (std::vector<Lines>{
                  {"Gamma \xAB...\xBB"}, {"Beta \xAB...\xBB"}, {"Alphabet \xAB...\xBB"}}));
}

TEST(RuleOrders, ShortColumnsFromADamagedFileAreFilledBeforeUse) {
    Model model = ordersModel();
    model.lstM.clear();
    model.lstP.resize(1);
    EXPECT_EQ(moveInOrder(model, OrderList::Diachronic, 3, MoveDirection::Up), 2u);
    EXPECT_EQ(diachronic(model), (Lines{"-Alpha//", "Beta//", "Alpha//", "Gamma//"}));
}
