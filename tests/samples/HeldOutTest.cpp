// SPDX-License-Identifier: GPL-3.0-or-later
// span15 on words it was not fitted to: the held-out list of span15-heldout.tsv is run through
// the model's rules in place of its Vocabulary, and its share of Good pairs is reported.
// There is no threshold: the share is a measure of the rules, not a level to keep.
#include "core/Cp1252.h"
#include "engine/Batch.h"
#include "engine/BatchCollector.h"
#include "engine/Engine.h"
#include "model/ModelFile.h"
#include "support/Words.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iomanip>
#include <iostream>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace tarnel {
namespace {

// The pairs of the list as Vocabulary items ("etymon  reflex", Windows-1252); comment
// lines start with "#".
std::vector<std::string> readHeldOut() {
    std::ifstream in(std::string(TARNEL_SAMPLES_TESTS_DIR) + "/span15-heldout.tsv");
    if (!in)
        throw std::runtime_error("span15-heldout.tsv cannot be read");
    std::vector<std::string> items;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        const std::size_t tab = line.find('\t');
        const std::optional<std::string> etymon = utf8ToCp1252(line.substr(0, tab));
        const std::optional<std::string> reflex =
            utf8ToCp1252(tab == std::string::npos ? "" : line.substr(tab + 1));
        if (tab == std::string::npos || !etymon || !reflex || etymon->empty() || reflex->empty())
            throw std::runtime_error("not an etymon and a reflex: " + line);
        items.push_back(*etymon + "  " + *reflex);
    }
    return items;
}

std::string etymonOf(const std::string& item) {
    return item.substr(0, item.find(' '));
}

TEST(Span15HeldOut, ReportsItsShareOfGoodPairs) {
    Result<LoadedModel> read = loadModelFile(std::string(TARNEL_SAMPLES_DIR) + "/span15.tnl");
    ASSERT_TRUE(read) << read.message();
    Model model = std::move(read->model);
    const std::vector<std::string> heldOut = readHeldOut();

    ASSERT_GE(heldOut.size(), 60u);
    std::set<std::string> vocabulary;
    for (const std::string& item : model.lstVocab)
        vocabulary.insert(etymonOf(item));
    for (const std::string& item : heldOut)
        EXPECT_EQ(vocabulary.count(etymonOf(item)), 0u)
            << etymonOf(item) << " is in the Vocabulary";

    model.lstVocab = heldOut;
    const CompiledModel compiled(model);
    test::RecordedMessages messages;
    Engine engine(compiled, messages);
    BatchCollector results;
    engine.runBatch(results);

    const int total = static_cast<int>(heldOut.size());
    EXPECT_EQ(results.goodCount + results.badCount, total);
    EXPECT_TRUE(messages.texts.empty()) << messages.texts.front();
    std::cout << "span15 held-out words: " << results.goodCount << " of " << total << " Good ("
              << std::fixed << std::setprecision(1) << 100.0 * results.goodCount / total << "%)\n"
              << cp1252ToUtf8(results.badText);
    RecordProperty("heldOutGood", results.goodCount);
    RecordProperty("heldOutTotal", total);
}

} // namespace
} // namespace tarnel
