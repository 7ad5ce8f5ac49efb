// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/insight/Suggestions.h"

#include "SessionFixture.h"
#include "engine/CompiledModel.h"
#include "engine/CompiledRule.h"
#include "model/ModelFile.h"
#include "model/RuleName.h"
#include "session/ModelCheck.h"
#include "session/insight/ReportExport.h"
#include "support/SavedModel.h"

#include <algorithm>

namespace tarnel::test {
namespace {

// Intervocalic voicing of stops, and the loss of a final h.
const ModelBuilder full =
    ModelBuilder()
        .rule("Voicing", {"-voice (*) -cont (*) +obstr (*) +syll (*-1) +syll (*+1)"},
              {"+voice (*)"})
        .rule("Final_H", {"+cons (-1) +low (-1)"}, {"DELETE (-1)"})
        .diachronic({"Voicing", "Final_H"})
        .vocabulary({"ata ada", "apa aba", "aka aga", "ta ta", "at at", "ath at", "pat pat"});

class Suggestions : public SessionFixture {
protected:
    const insight::BatchReport& suggest() {
        session.runBatch();
        session.reportBatch({});
        session.suggestRules({});
        return session.lastReport();
    }
    const insight::SuggestionGroup* group(const std::string& change) {
        const auto& groups = session.lastReport().suggestions->groups;
        const auto found = std::find_if(groups.begin(), groups.end(), [&](const auto& g) {
            return insight::changeText(g.change) == change;
        });
        return found == groups.end() ? nullptr : &*found;
    }
};

// Each rule taken out of the model comes back: the best rule of its group fixes every item
// the loss broke and breaks none, and is rule text the check and the engine take as it is.
TEST_F(Suggestions, ARemovedRuleComesBack) {
    const struct {
        std::string rule, change;
    } cases[] = {{"Voicing", "+voice"}, {"Final_H", "DELETE"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rule);
        Model model = ModelBuilder(full).diachronic({c.rule == "Voicing" ? "Final_H" : "Voicing"});
        std::erase_if(model.lst1Rule,
                      [&](const auto& lines) { return lines.front().starts_with(c.rule); });
        std::erase(model.lstSupply, c.rule);
        const BatchRun before = runWholeBatch(full);
        open(model);
        suggest();
        const insight::SuggestionGroup* found = group(c.change);
        ASSERT_NE(found, nullptr);
        ASSERT_FALSE(found->rules.empty());
        const insight::SuggestedRule& best = found->rules.front();
        std::vector<int> lost;
        for (std::size_t i = 0; i < before.items.size(); ++i)
            if (before.items[i].good() && !session.lastBatch().items[i].good())
                lost.push_back(static_cast<int>(i));
        EXPECT_EQ(std::tie(best.fixes, best.broken), std::tuple(lost, 0));
        EXPECT_TRUE(compileRule(best.lines).canChange);
        Model with = session.model();
        with.lst1Rule.push_back(best.lines);
        with.lstSupply.emplace_back(ruleName(best.lines));
        write(with, "with");
        const Result<LoadedModel> read = loadModelFile(folder / "with.tnl");
        ASSERT_TRUE(read);
        EXPECT_NE(std::find(read->model.lst1Rule.begin(), read->model.lst1Rule.end(), best.lines),
                  read->model.lst1Rule.end());
        for (const ModelProblem& problem : checkModel(read->model, read->lines))
            ADD_FAILURE() << problem.text;

        ASSERT_TRUE(session.addSuggestedRule(0, 0));
        EXPECT_EQ(session.undoCaption(), "Undo Add Suggested Rule");
        EXPECT_EQ(session.model().lstDiacOrd.size(), 2u);
        session.runBatch();
        EXPECT_EQ(session.lastBatch().goodCount(), before.goodCount());
        session.undo();
        EXPECT_TRUE(lists(session.model()) == lists(loaded));
    }
}

// Items that need other changes fall into groups of their own: a feature set, a segment
// deleted where the derived word is longer, one inserted where it is shorter.
TEST_F(Suggestions, ItemsAreGroupedByTheChangeTheyNeed) {
    open(ModelBuilder()
             .rule("Nothing", {"+syll (*) -syll (*)"}, {"+voice (*)"})
             .diachronic({"Nothing"})
             .vocabulary({"ata ada", "apa aba", "atah ata", "apah apa", "at ate", "ta ta"}));
    const insight::BatchReport& report = suggest();
    ASSERT_TRUE(report.suggestions);
    EXPECT_EQ(report.suggestions->groups.size(), 3u);
    const auto etymons = [&](const std::vector<int>& items) {
        std::vector<std::string> texts;
        for (const int i : items)
            texts.push_back(session.lastBatch().items[static_cast<std::size_t>(i)].etymon);
        return texts;
    };
    const struct {
        std::string change;
        std::vector<std::string> items;
        std::string then;
    } cases[] = {{"+voice", {"apa", "ata"}, "1:  +voice (*)"},
                 {"DELETE", {"apah", "atah"}, "1:  DELETE (*)"},
                 {"INSERT e", {"at"}, "1:  INSERT e (*+1)"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.change);
        const insight::SuggestionGroup* found = group(c.change);
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(etymons(found->items), c.items);
        ASSERT_FALSE(found->rules.empty());
        EXPECT_EQ(etymons(found->rules.front().fixes), c.items);
        EXPECT_EQ(found->rules.front().broken, 0);
        const auto& lines = found->rules.front().lines;
        EXPECT_TRUE(std::any_of(lines.begin(), lines.end(),
                                [&](const std::string& l) { return l.starts_with(c.then); }));
        EXPECT_TRUE(lines.front().starts_with("Suggested_"));
        EXPECT_EQ(lines.back(), "END:  " + std::string(ruleName(lines)));
    }
    const std::string json = insight::suggestionsJson(*report.suggestions, report).dump();
    EXPECT_NE(json.find(R"({"items":["apa","ata"],"rules":[{"lines":["Suggested_voice_1 «)"),
              std::string::npos)
        << json;
    EXPECT_NE(json.find(R"("place":1,"fixed":2,"broken":0})"), std::string::npos) << json;
}

Model span15WithoutLenition() {
    const Result<LoadedModel> read =
        loadModelFile(std::filesystem::path(TARNEL_SAMPLES_DIR) / "span15.tnl");
    if (!read)
        throw std::runtime_error(read.message());
    Model model = read->model;
    std::replace(model.lstDiacOrd.begin(), model.lstDiacOrd.end(), std::string("Lenition"),
                 std::string("-Lenition"));
    return model;
}

// An h lost between vowels leaves a stop between them, which a persistent rule then voices.
Model persistentVoicing() {
    return ModelBuilder()
        .rule("Voicing", {"-voice (*) -cont (*) +obstr (*) +syll (*-1) +syll (*+1)"},
              {"+voice (*)"})
        .diachronic({"P Voicing"})
        .vocabulary({"ahta ada", "ahpa aba", "ahka aga", "ata ada", "hat hat"});
}

// What the search says each rule does is what a whole run of the model with the rule does,
// where persistent rules act on what a new rule changes: span15 without Lenition, and a model
// whose only rule is persistent.
TEST(SuggestedRules, DoWhatAWholeRunWithThemDoes) {
    for (const Model& model : {span15WithoutLenition(), persistentVoicing()}) {
        SCOPED_TRACE(model.lstDiacOrd.size());
        const BatchRun run = runWholeBatch(model);
        const CompiledModel compiled(model);
        const insight::BatchReport report = insight::buildReport(model, run, {});
        const insight::Suggestions found = insight::suggestRules(
            model, compiled, run, insight::missingChangeItems(report), nullptr);
        ASSERT_FALSE(found.groups.empty());
        ASSERT_FALSE(found.groups.front().rules.empty());
        for (const insight::SuggestionGroup& group : found.groups)
            for (const insight::SuggestedRule& rule : group.rules) {
                SCOPED_TRACE(insight::ruleSummary(rule) + " " + insight::placeText(rule));
                Model with = model;
                with.lst1Rule.push_back(rule.lines);
                const auto place = static_cast<std::ptrdiff_t>(rule.place);
                with.lstDiacOrd.insert(with.lstDiacOrd.begin() + place,
                                       std::string(ruleName(rule.lines)));
                with.lstM.insert(with.lstM.begin() + place, "");
                with.lstP.insert(with.lstP.begin() + place, "");
                const BatchRun after = runWholeBatch(with);
                std::vector<int> fixes;
                int broken = 0;
                for (std::size_t i = 0; i < run.items.size(); ++i)
                    if (!run.items[i].good() && after.items[i].good())
                        fixes.push_back(static_cast<int>(i));
                    else if (run.items[i].good() && !after.items[i].good())
                        ++broken;
                EXPECT_EQ(std::tie(rule.fixes, rule.broken), std::tie(fixes, broken));
            }
        // A search told to stop ends with what it had.
        EXPECT_TRUE(insight::suggestRules(model, compiled, run, insight::missingChangeItems(report),
                                          nullptr, [](int, int) { return false; })
                        .stopped);
    }
}

// Deleting the h after the persistent Voicing entry fixes the items only through Voicing acting
// again on what the deletion changed; of places that do the same the later one is shown.
TEST_F(Suggestions, APersistentRuleActsOnWhatASuggestedRuleChanges) {
    open(persistentVoicing());
    suggest();
    const insight::SuggestionGroup* found = group("DELETE");
    ASSERT_NE(found, nullptr);
    ASSERT_FALSE(found->rules.empty());
    EXPECT_EQ(found->rules.front().fixes, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(found->rules.front().place, 1);
}

// A name is made unique in the model and among the names already given, and kept within 25
// characters.
TEST(SuggestedNames, AreUniqueAndShort) {
    Model model = ModelBuilder().rule("Suggested_voice_1", {"+syll (*)"}, {"+voice (*)"});
    insight::NeededChange voice{insight::NeededChange::Kind::Set, {{20, true}}, 0, false};
    EXPECT_EQ(insight::suggestedName(voice, model, {"Suggested_voice_2"}), "Suggested_voice_3");
    insight::NeededChange many{insight::NeededChange::Kind::Set,
                               {{0, true}, {3, false}, {4, true}, {5, true}, {6, true}},
                               0,
                               false};
    const std::string name = insight::suggestedName(many, model, {});
    EXPECT_LE(name.size(), 25u);
    EXPECT_TRUE(name.ends_with("_1")) << name;
    insight::NeededChange unvoice{insight::NeededChange::Kind::Set, {{20, false}}, 0, false};
    EXPECT_EQ(insight::suggestedName(unvoice, model, {}), "Suggested_minus_voice_1");
}

} // namespace
} // namespace tarnel::test
