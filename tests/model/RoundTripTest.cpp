// SPDX-License-Identifier: GPL-3.0-or-later
// Hand-written model files that the writer once could not write back: each loads, saying
// what it left out, and a save and a second save give the same model and the same file.

#include "model/ModelFile.h"
#include "support/Files.h"
#include "support/SavedModel.h"

#include <gtest/gtest.h>
#include <unistd.h>

using namespace tarnel;
using tarnel::test::asSaved;
using tarnel::test::lists;
namespace fs = std::filesystem;

namespace {

std::string dataFile(std::string_view name) {
    return test::fileBytes(fs::path(TARNEL_MODEL_TEST_DATA) / name);
}

std::string leftOut(int line, std::string_view what, std::string_view text) {
    return "Line " + std::to_string(line) + ": " + std::string(what) + " \"" + std::string(text) +
           "\" cannot be kept; it was left out.";
}

std::string joined(const std::vector<std::string>& items) {
    std::string text;
    for (const auto& item : items)
        text += (text.empty() ? "" : " ") + item;
    return text;
}

// The Supply and the three orders; a persistent Diachronic entry ends in "/P", a masked one
// in "/M".
std::string orders(const Model& m) {
    std::string diachronic;
    for (std::size_t i = 0; i < m.lstDiacOrd.size(); ++i)
        diachronic += " " + m.lstDiacOrd[i] + (m.lstP[i].empty() ? "" : "/" + m.lstP[i]) +
                      (m.lstM[i].empty() ? "" : "/" + m.lstM[i]);
    return "S: " + joined(m.lstSupply) + " | D:" + diachronic + " | E: " + joined(m.lstEtyOrd) +
           " | R: " + joined(m.lstReflOrd);
}

struct HandWritten {
    const char* file;
    const char* orders;
    std::vector<std::string> warnings;
};

const HandWritten handWritten[] = {
    {"order-section-mark.tnl",
     "S: Length Voicing | D: Voicing Length | E:  | R: Length",
     {leftOut(31, "order entry", "\xA7"), leftOut(38, "order entry", "\xA7")}},
    {"lower-case-names.tnl",
     "S: 2nd_length voicing | D: voicing 2nd_length | E: 2nd_length | R: 2nd_length",
     {}},
    {"guillemet-name.tnl",
     "S: Length | D: Voicing Length | E:  | R: Length",
     {leftOut(20, "rule", "\xABvoicing\xBB Voicing")}},
    {"number-lines.tnl",
     "S: Length Voicing | D: Voicing Length/P | E: Length | R: Length",
     {leftOut(31, "order entry", "2:"), leftOut(38, "order entry", "1"),
      leftOut(46, "order entry", "7:")}},
    {"double-minus.tnl",
     "S: Length Voicing | D: Voicing Length/P | E:  | R: Length",
     {leftOut(31, "order entry", "--Length")}},
    // its notes end in blanks, which a save drops: so must a load
    {"plain.tnl", "S: Length Voicing | D: Voicing Length/P | E:  | R: Length", {}}};

} // namespace

TEST(HandWrittenFile, LoadsWhatItCanAndTwoSavesKeepIt) {
    for (const HandWritten& file : handWritten) {
        SCOPED_TRACE(file.file);
        const Result<LoadedModel> first = readModelText(dataFile(file.file), "m");
        ASSERT_TRUE(first) << first.message();
        EXPECT_EQ(first->warnings, file.warnings);
        EXPECT_EQ(orders(first->model), file.orders);
        EXPECT_EQ(first->model.lstVocab.size(), 3u);

        const std::string saved = modelFileText(first->model);
        const Result<LoadedModel> second = readModelText(saved, "m");
        ASSERT_TRUE(second) << second.message();
        EXPECT_EQ(second->warnings, std::vector<std::string>{});
        EXPECT_EQ(lists(second->model), lists(asSaved(first->model)));
        EXPECT_EQ(modelFileText(second->model), saved);
    }
}

// The engine skips a masked entry, so the order screen must show it masked.
TEST(HandWrittenFile, AMaskedEntryLoadsMarkedAsMasked) {
    std::string text = dataFile("plain.tnl");
    text.replace(text.find("\r\nVoicing\r\n"), 11, "\r\n-Voicing\r\n");
    const Result<LoadedModel> read = readModelText(text, "m");
    EXPECT_EQ(orders(read->model), "S: Length Voicing | D: -Voicing/M Length/P | E:  | R: Length");
    EXPECT_EQ(read->warnings, std::vector<std::string>{});
}

// The name line is passed whole, whatever the name holds.
TEST(HandWrittenFile, ASectionMarkInTheFileNameChangesNothing) {
    const fs::path dir = fs::temp_directory_path() / ("tarnel-name-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const fs::path path = dir / "x\xC2\xA7y.tnl";
    const Model model = readModelText(dataFile("plain.tnl"), "x\xA7y")->model;
    ASSERT_TRUE(writeModelFile(model, path));
    for (int save = 0; save < 2; ++save) {
        const Result<LoadedModel> read = loadModelFile(path);
        ASSERT_TRUE(read) << read.message();
        EXPECT_EQ(read->model.modelName, "x\xA7y");
        EXPECT_EQ(lists(read->model), lists(asSaved(model)));
        ASSERT_TRUE(writeModelFile(read->model, path));
    }
    fs::remove_all(dir);
}
