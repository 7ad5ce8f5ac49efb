// SPDX-License-Identifier: GPL-3.0-or-later
// A batch on several threads shows what a batch on one shows, also where an item reads what
// the items before it left in the words.
#include "BatchCollector.h"
#include "EngineFixture.h"
#include "engine/ThreadPool.h"

namespace tarnel::test {
namespace {

struct Carried {
    const char* what;
    std::vector<std::tuple<const char*, Lines, Lines>> rules; // name, if-lines, then-lines
    Lines vocabulary;
};

void PrintTo(const Carried& carried, std::ostream* out) {
    *out << carried.what;
}

class ParallelBatch : public EngineTest, public ::testing::WithParamInterface<Carried> {
protected:
    // What a run on a fresh engine shows, and the words it leaves.
    std::string run(ThreadPool* pool) {
        const CompiledModel compiledModel(model);
        Engine fresh(compiledModel, *this);
        BatchCollector results;
        fresh.runBatch(results, pool);
        std::string shown = results.goodText + "|" + results.badText + "|";
        for (const Word& word : {fresh.workingWord(), fresh.reflexWord()})
            for (const Segment& segment : word.segments)
                shown += std::to_string(segment.bits) + " ";
        return shown;
    }
};

TEST_P(ParallelBatch, ShowsWhatOneThreadShows) {
    model.lst1Rule.clear();
    Lines order;
    for (const auto& [name, ifs, thens] : GetParam().rules) {
        addRule(name, ifs, thens);
        order.push_back(name);
    }
    setDiachronic(order);
    model.lstVocab = GetParam().vocabulary;
    const std::string oneThread = run(nullptr);
    ThreadPool pool(3);
    for (int repeat = 0; repeat < 3; ++repeat)
        EXPECT_EQ(run(&pool), oneThread);
}

const Lines sixTimes(const char* item) {
    return Lines(6, item);
}

INSTANTIATE_TEST_SUITE_P(
    ReadingWhatEarlierItemsLeft, ParallelBatch,
    ::testing::Values(
        Carried{"the all slot, set by one item and copied by the next",
                {{"COPY", {"+syll (*)"}, {"voice (*) = all (*)"}},
                 {"SET", {"+syll (*)"}, {"+all (*)"}}},
                sixTimes("pa  pa")},
        // So many items given up that the threads stop and leave their chunks half done.
        Carried{"the all slot, read by every item of a long run",
                {{"SET", {"-voice (*)"}, {"+all (*)"}},
                 {"READ", {"B and C", "+syll (*)", "voice (*) <> all (*)"}, {"-long (*)"}}},
                Lines(500, "tapa  tapa")},
        Carried{"a character missing from the alphabet",
                {{"RAISE", {"+low (*)"}, {"-low (*)"}}},
                {"pi  pi", "pA  pi", "pu  pu", "pA  pu", "pa  pe", "pA  pe"}},
        Carried{"the position after the word",
                {{"BEYOND", {"+syll (0)"}, {"-voice (1)"}}},
                {"bada  bada", "ba  ba", "bdat  bda", "ba  ba", "ba  pa", "bii  bii"}},
        Carried{"the segment slot of an inserted position",
                {{"ADD", {"+syll (-1)"}, {"INSERT e (-1)"}},
                 {"SEG", {"-segment (-1)"}, {"-voice (1)"}}},
                {"dada  dadae", "da  dae", "dada  dadae", "da  tae", "d  d", "da  dae"}},
        Carried{"marks of inserted positions moved by a deletion",
                {{"MARK", {"+syll (*)"}, {"+mark (*)"}},
                 {"ADD", {"+syll (-1)"}, {"INSERT e (-1)"}},
                 {"DROP", {"-syll (1)"}, {"DELETE (1)"}}},
                {"apa  apa", "pa  pa", "apa  apa", "pa  ae", "tata  ta", "pa  pa"}},
        Carried{"marks of inserted positions copied by all",
                {{"MARK", {"+syll (*)"}, {"+mark (*)"}},
                 {"ADD", {"+syll (-1)"}, {"INSERT e (-1)"}},
                 {"COPY", {"-syll (1)"}, {"all (1) = all (-1)"}}},
                {"apa  apa", "pa  pa", "apaa  apaa", "pp  pp", "pa  pa"}}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

} // namespace
} // namespace tarnel::test
