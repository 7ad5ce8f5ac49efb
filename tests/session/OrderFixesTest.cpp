// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/insight/OrderFixes.h"

#include "InsightModel.h"
#include "SessionFixture.h"
#include "engine/CompiledModel.h"

#include <set>

namespace tarnel::insight {
namespace {

// The model with one edit made, as the order screen makes it.
Model edited(Model model, const OrderEdit& edit) {
    const auto k = static_cast<std::size_t>(edit.entry);
    model.lstM.resize(model.lstDiacOrd.size());
    model.lstP.resize(model.lstDiacOrd.size());
    switch (edit.kind) {
    case EditKind::Mask:
        model.lstDiacOrd[k].insert(0, "-");
        break;
    case EditKind::Unmask:
        model.lstDiacOrd[k].erase(0, 1);
        break;
    case EditKind::Persist:
    case EditKind::Unpersist:
        model.lstP[k] = edit.kind == EditKind::Persist ? "P" : "";
        break;
    case EditKind::Move:
        for (auto* list : {&model.lstDiacOrd, &model.lstM, &model.lstP}) {
            std::string entry = (*list)[k];
            list->erase(list->begin() + edit.entry);
            list->insert(list->begin() + edit.to, std::move(entry));
        }
        break;
    }
    return model;
}

OrderFixes search(const Model& model, const BatchRun& run) {
    const CompiledModel compiled(model);
    return findOrderFixes(model, compiled, run, nullptr);
}

// The first `count` fixes do to every item what a whole batch of the edited model does.
void expectBatchAgrees(const Model& model, const BatchRun& run, const OrderFixes& found,
                       std::size_t count) {
    for (std::size_t f = 0; f < std::min(count, found.fixes.size()); ++f) {
        const OrderFix& fix = found.fixes[f];
        const BatchRun after = runWholeBatch(edited(model, fix.edit));
        std::vector<int> fixes, breaks;
        for (std::size_t i = 0; i < run.items.size(); ++i)
            if (run.items[i].good() != after.items[i].good())
                (after.items[i].good() ? fixes : breaks).push_back(static_cast<int>(i));
        EXPECT_EQ(fix.fixes, fixes) << fixText(fix);
        EXPECT_EQ(fix.breaks, breaks) << fixText(fix);
    }
}

// FrontA fronts a before a voiced coronal, which Voicing makes of t and Devoicing of d. The
// items by default are made Good by Voicing before FrontA.
Model withFrontA(const test::Lines& diachronic,
                 const test::Lines& vocabulary = {"ata  eda", "tata  deda", "ada  eda",
                                                  "apa  apa"}) {
    return test::voicingRules()
        .rule("FrontA", {"+low (*) +voice (*+1) +cor (*+1)"}, {"INSERT e (*)"})
        .diachronic(diachronic)
        .vocabulary(vocabulary);
}

// FrontA must come after Voicing.
Model misordered() {
    return withFrontA({"FrontA", "Voicing"});
}

struct Case {
    const char* what;
    Model model;
    std::vector<std::string> best; // the texts of the best fixes, in order
};

class OrderFixCases : public ::testing::TestWithParam<Case> {};

TEST_P(OrderFixCases, FindsAndRanksTheEditsThatMakeItemsGood) {
    const Case& c = GetParam();
    const BatchRun run = runWholeBatch(c.model);
    const OrderFixes found = search(c.model, run);
    ASSERT_GE(found.fixes.size(), c.best.size());
    for (std::size_t f = 0; f < c.best.size(); ++f)
        EXPECT_EQ(fixText(found.fixes[f]), c.best[f]);
    expectBatchAgrees(c.model, run, found, found.fixes.size());
    for (std::size_t i = 0; i < run.items.size(); ++i)
        EXPECT_TRUE(!run.items[i].good() || found.byItem[i].empty());
}

INSTANTIATE_TEST_SUITE_P(
    Orders, OrderFixCases,
    ::testing::Values(Case{"swap",
                           misordered(),
                           {"Good if FrontA ran after Voicing: +2 fixed, 0 broken",
                            "Good if Voicing ran before FrontA: +2 fixed, 0 broken",
                            "Good if FrontA were persistent: +2 fixed, 0 broken"}},
                      Case{"unmask",
                           Model(test::voicingRules()
                                     .diachronic({"Nasal", "-Voicing"})
                                     .vocabulary({"ata  ada", "ete  ede", "apa  apa"})),
                           {"Good if Voicing were unmasked: +2 fixed, 0 broken"}},
                      Case{"mask",
                           Model(test::voicingRules()
                                     .diachronic({"Voicing", "P Nasal"})
                                     .vocabulary({"ata  ata", "ata  ada", "ete  ete"})),
                           {"Good if Voicing were masked: +2 fixed, 1 broken"}}),
    [](const auto& info) { return std::string(info.param.what); });

// span15 with one rule moved out of its place: for every item the move broke, the move back
// (of that rule, to where it does what it did) has the best score, and comes first unless a
// move of the rule it must precede or follow scores as well; the search agrees with the batch.
TEST(OrderFixes, OnSpan15TheMoveBackComesFirst) {
    Result<LoadedModel> read = loadModelFile(std::string(TARNEL_SAMPLES_DIR) + "/span15.tnl");
    ASSERT_TRUE(read) << read.message();
    const Model& model = read->model;
    const BatchRun before = runWholeBatch(model);
    struct Moved {
        const char* rule;
        int shift;
        bool first; // no other fix scores as well
    };
    for (const auto& [rule, shift, first] :
         {Moved{"Lenition", 10, true}, Moved{"Final_E_Loss", -12, true},
          Moved{"Diphthong_IE", 8, false}}) {
        const auto& order = model.lstDiacOrd;
        const int from =
            static_cast<int>(std::find(order.begin(), order.end(), rule) - order.begin());
        const int to = from + shift;
        const Model moved = edited(model, {EditKind::Move, from, to});
        const BatchRun run = runWholeBatch(moved);
        const OrderFixes found = search(moved, run);
        expectBatchAgrees(moved, run, found, 3);
        std::set<int> restores;
        for (std::size_t i = 0; i < run.items.size(); ++i) {
            if (run.items[i].good() || !before.items[i].good())
                continue;
            const std::vector<int>& fixes = found.byItem[i];
            ASSERT_FALSE(fixes.empty()) << rule;
            const auto back = std::find_if(fixes.begin(), fixes.end(), [&](int f) {
                return found.fixes[static_cast<std::size_t>(f)].edit.entry == to;
            });
            ASSERT_NE(back, fixes.end()) << rule;
            const OrderFix& best = found.fixes[static_cast<std::size_t>(fixes.front())];
            const OrderFix& fix = found.fixes[static_cast<std::size_t>(*back)];
            EXPECT_EQ(back == fixes.begin(), first) << rule;
            EXPECT_EQ(fix.edit.kind, EditKind::Move);
            EXPECT_EQ(std::make_pair(fix.net(), fix.broken()),
                      std::make_pair(best.net(), best.broken()));
            if (!restores.insert(*back).second)
                continue;
            const BatchRun restored = runWholeBatch(edited(moved, fix.edit));
            for (std::size_t j = 0; j < run.items.size(); ++j)
                EXPECT_EQ(restored.items[j].good(), before.items[j].good()) << rule;
        }
    }
}

TEST(OrderFixes, PlaceGainsScoreEveryPlaceOfAnEntry) {
    const Model model = withFrontA({"FrontA", "Nasal", "Voicing"});
    const CompiledModel compiled(model);
    const BatchRun run = runWholeBatch(model);
    EXPECT_EQ(placeGains(model, compiled, run, 0, nullptr), (std::vector<int>{0, 0, 2}));
    EXPECT_EQ(placeGains(model, compiled, run, 2, nullptr), (std::vector<int>{2, 0, 0}));
}

// Through the session: the report's items carry their fixes and blame the entry to move,
// the chart's gains come from the model as it stands, and a move to a place is one edit.
class OrderFixesSession : public test::SessionFixture {};

TEST_F(OrderFixesSession, ReportsFixesAndMovesAnEntryToAPlaceAsOneEdit) {
    open(misordered());
    session.runBatch();
    session.reportBatch({});
    session.findOrderFixes({});
    const BatchReport& report = session.lastReport();
    ASSERT_TRUE(report.orderFixes);
    const ItemRow& ata = report.items[2]; // the Vocabulary is kept in alphabetical order
    ASSERT_FALSE(ata.fixes.empty());
    EXPECT_EQ(fixText(report.orderFixes->fixes[static_cast<std::size_t>(ata.fixes[0])]),
              "Good if FrontA ran after Voicing: +2 fixed, 0 broken");
    EXPECT_EQ(ata.blame->rule, "FrontA");
    EXPECT_TRUE(report.items[0].fixes.empty()); // ada is Good
    EXPECT_EQ(session.placeGains(0), (std::vector<int>{0, 2}));
    session.moveToPlace(0, 1);
    EXPECT_EQ(session.model().lstDiacOrd, (std::vector<std::string>{"Voicing", "FrontA"}));
    EXPECT_EQ(session.undoCaption(), "Undo Move FrontA to Place 2");
    session.undo();
    EXPECT_EQ(session.model().lstDiacOrd, (std::vector<std::string>{"FrontA", "Voicing"}));
}

struct InteractionCase {
    const char* what;
    Model model;
    std::string found; // the one interaction
    std::vector<int> items;
};

class InteractionCases : public ::testing::TestWithParam<InteractionCase> {};

TEST_P(InteractionCases, NamesHowTwoEntriesWorkOnEachOther) {
    const InteractionCase& c = GetParam();
    const OrderFixes found = search(c.model, runWholeBatch(c.model));
    ASSERT_EQ(found.interactions.size(), 1u);
    EXPECT_EQ(interactionText(found.interactions[0]), c.found);
    EXPECT_EQ(found.interactions[0].items, c.items);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, InteractionCases,
    ::testing::Values(
        InteractionCase{"feeds", withFrontA({"Voicing", "FrontA"}), "Voicing feeds FrontA", {0, 1}},
        InteractionCase{
            "counterFeeds",
            withFrontA({"FrontA", "Voicing"}, {"ata  ada", "tata  dada", "ada  eda", "apa  apa"}),
            "Voicing counter-feeds FrontA",
            {0, 1}},
        InteractionCase{
            "bleeds",
            withFrontA({"Devoicing", "FrontA"}, {"ada  ata", "ata  ata", "apa  apa", "dada  tata"}),
            "Devoicing bleeds FrontA",
            {0, 3}},
        InteractionCase{
            "counterBleeds",
            withFrontA({"FrontA", "Devoicing"}, {"ada  eta", "ata  ata", "apa  apa", "dada  teta"}),
            "Devoicing counter-bleeds FrontA",
            {0, 3}}),
    [](const auto& info) { return std::string(info.param.what); });

} // namespace
} // namespace tarnel::insight
