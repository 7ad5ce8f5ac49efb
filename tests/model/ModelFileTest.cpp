// SPDX-License-Identifier: GPL-3.0-or-later
// The model file: data/sample.tnl and data/rich.tnl are exact writer output, data/empty.tnl
// that of an empty model, data/edited.tnl a hand-edited file the reader must tolerate.

#include "model/ModelFile.h"

#include "model/AlphabeticalList.h"
#include "support/Files.h"
#include "support/SavedModel.h"

#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace tarnel;
using tarnel::test::lists;
namespace fs = std::filesystem;

namespace {

using Lines = std::vector<std::string>;

std::string dataFile(const char* name) {
    return test::fileBytes(fs::path(TARNEL_MODEL_TEST_DATA) / name);
}

// The model data/sample.tnl holds.
Model sampleModel() {
    Model model;
    model.modelName = "sample";
    model.notes = "A first note.";
    model.lst1Rule = {
        {"R1 \xAB...\xBB", "A:  +cons (*) \xAB...\xBB", "1:  +cons (*) \xAB...\xBB", "END:  R1"}};
    model.lstSupply = model.lstDiacOrd = {"R1"};
    model.lstM = {""};
    model.lstP = {"P"};
    model.lstCol = {"a----+-+++---+-----+++", "t+--+-+-+------+------"};
    model.lstColR = {"a----+-+++---+-----+++"};
    model.lstVocab = {"ata  ada"};
    return model;
}

Model read(const std::string& bytes) {
    auto result = readModelText(bytes, "m");
    EXPECT_TRUE(result) << result.message();
    return result ? result->model : Model{};
}

} // namespace

TEST(AlphabeticalList, FoldsAsciiLettersAndBreaksTiesByByteValue) {
    std::vector<std::string> list;
    for (const char* item : {"b", "a", "B", "_x", "ab", "A", "a_", "\xE9", "z", "Ab"})
        insertAlphabetical(list, item);
    EXPECT_EQ(list, (Lines{"_x", "A", "a", "a_", "Ab", "ab", "B", "b", "z", "\xE9"}));
}

TEST(AlphabeticalList, NewItemGoesAfterEqualItems) {
    std::vector<std::string> list = {"a", "b", "b", "c"};
    const auto place = [&list](const char* item) { return insertAlphabetical(list, item); };
    EXPECT_EQ((std::vector{place("b"), place("B"), place(""), place("d")}),
              (std::vector<std::size_t>{3, 1, 0, 7}));
}

TEST(ModelReader, LoadsTheSampleFileNamedByItsFile) {
    const Model model = read(dataFile("sample.tnl"));
    EXPECT_EQ(model.modelName, "m"); // not by the "§1_NAME:" line
    EXPECT_EQ(lists(model), lists(sampleModel()));
}

TEST(ModelReader, KeepsNotesPersistenceAndRulesSharingANameButNoMask) {
    const Model model = read(dataFile("rich.tnl"));
    EXPECT_EQ(model.notes, "First line \xE9t\xE9\r\n\r\n  indented line \x80 \xA7 kept");
    EXPECT_EQ(model.lstSupply, (Lines{"Apocope", "Stress", "Stress", "Voicing"}));
    EXPECT_EQ(model.lstDiacOrd, (Lines{"Stress", "Voicing", "Apocope", "Voicing"}));
    EXPECT_EQ(model.lstM, (Lines{"", "", "", ""}));
    EXPECT_EQ(model.lstP, (Lines{"P", "", "", "P"}));
}

// Numbers, colons, comments and blank space around order entries, rule lines without a
// comment, alphabet lines split where the signs stop, an unsorted Vocabulary, and nothing
// after the last marker.
TEST(ModelReader, ToleratesAHandEditedFile) {
    Model expected = sampleModel();
    expected.lst1Rule = {{"R2 \xAB...\xBB", "A:  +cons (*)    \xAB...\xBB",
                          "1:  -cons (*) \xAB"
                          "c\xBB",
                          "END:  R2"},
                         {"R1 \xAB...\xBB", "END:"}};
    expected.lstSupply = expected.lstReflOrd = {"R1", "R2"};
    expected.lstDiacOrd = expected.lstEtyOrd = {"R1", "R2", "R3"};
    expected.lstM = {"", "", ""};
    expected.lstP = {"P", "", "P"};
    expected.lstCol = {"a+-", "x+", "+-+", "q"};
    expected.lstVocab = {"At  ad", "at  ad", "ta  da"};
    EXPECT_EQ(lists(read(dataFile("edited.tnl"))), lists(expected));
}

TEST(ModelReader, ReportsEveryTruncationOfARealModel) {
    const std::string text = dataFile("rich.tnl");
    const std::size_t lastMarker = text.rfind('\xA7');
    for (std::size_t size = 0; size <= lastMarker; ++size) {
        const auto result = readModelText(std::string_view(text).substr(0, size), "rich");
        ASSERT_FALSE(result) << size;
        ASSERT_TRUE(result.message().starts_with("The model file \"rich.tnl\" "))
            << result.message();
    }
    EXPECT_EQ(readModelText(text.substr(0, text.find("5_END")), "rich").message(),
              "The model file \"rich.tnl\" ends early (in the Rules section).");
    EXPECT_EQ(readModelText("", "rich").message(), "The model file \"rich.tnl\" is empty.");
    EXPECT_TRUE(readModelText(text.substr(0, lastMarker + 1), "rich").ok());
}

// Masks are dropped, notes trimmed but their inner lines kept, and the k-th Supply entry of a
// name writes the k-th rule of that name, wherever the rules are stored.
TEST(ModelWriter, WritesExactlyTheFileOfAModel) {
    Model model = read(dataFile("rich.tnl"));
    model.modelName = "rich";
    model.lstDiacOrd[0] = "-Stress";
    model.lstM[0] = "M";
    model.notes = "  \r\n " + model.notes + " \r\n\r\n ";
    std::rotate(model.lst1Rule.begin(), model.lst1Rule.begin() + 1, model.lst1Rule.end());
    EXPECT_EQ(modelFileText(model), dataFile("rich.tnl"));
    Model empty; // two blank lines between the markers of an empty list
    empty.notes = "   ";
    EXPECT_EQ(modelFileText(empty), dataFile("empty.tnl"));
}

class ModelFileTest : public ::testing::Test {
protected:
    ModelFileTest() { fs::create_directories(dir_); }
    ~ModelFileTest() override { fs::remove_all(dir_); }
    std::size_t entries() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), {}));
    }

    const fs::path dir_ =
        fs::temp_directory_path() / ("tarnel-model-test-" + std::to_string(::getpid()));
};

TEST_F(ModelFileTest, WritesThenLoadsAModelNamedByItsFile) {
    const fs::path path = dir_ / "span\xC3\xA9.tnl";
    ASSERT_TRUE(writeModelFile(Model{}, path));
    ASSERT_TRUE(writeModelFile(sampleModel(), path)); // replaces the first file
    EXPECT_EQ(test::fileBytes(path), dataFile("sample.tnl"));
    EXPECT_EQ(entries(), 1u); // no file left beside it
    const auto loaded = loadModelFile(path);
    ASSERT_TRUE(loaded) << loaded.message();
    EXPECT_EQ(loaded->model.modelName, "span\xE9");
    EXPECT_EQ(loaded->model.lst1Rule, sampleModel().lst1Rule);
}

// A hand-edited name line may end in LF alone; the notes after it are read as ever.
TEST(ModelReader, PassesANameLineEndingInLineFeed) {
    std::string bytes = dataFile("sample.tnl");
    const std::string crlf = "1_NAME:sample\r\n\r\n";
    bytes.replace(bytes.find(crlf), crlf.size(), "1_NAME:sample\n\n");
    EXPECT_EQ(lists(read(bytes)), lists(sampleModel()));
}

TEST_F(ModelFileTest, ReportsFilesThatCannotBeRead) {
    EXPECT_EQ(loadModelFile(dir_ / "gone.tnl").message(),
              "The model file \"gone.tnl\" cannot be read: No such file or directory.");
    fs::create_directory(dir_ / "folder.tnl");
    EXPECT_FALSE(loadModelFile(dir_ / "folder.tnl").ok());
    EXPECT_EQ(loadModelFile("/dev/zero").message(), // never ends: refused, not read forever
              "The model file \"zero\" cannot be read: Not a regular file.");
    std::ofstream(dir_ / "short.tnl", std::ios::binary) << "***\r\n\xA7"
                                                           "1_NAME:short\r\n";
    EXPECT_EQ(loadModelFile(dir_ / "short.tnl").message(),
              "The model file \"short.tnl\" ends early (in the Notes section).");
    fs::resize_file(dir_ / "short.tnl", maxModelFileBytes + 1); // refused unread
    EXPECT_EQ(loadModelFile(dir_ / "short.tnl").message(),
              "The model file \"short.tnl\" cannot be read: It is larger than 64 MB, more than "
              "Tarnel reads.");
    std::ofstream(dir_ / "line\nbreak.tnl", std::ios::binary) << "x";
    EXPECT_EQ(loadModelFile(dir_ / "line\nbreak.tnl").message(),
              "The model file \"line\nbreak.tnl\" has a name that a model name cannot hold.");
}

TEST_F(ModelFileTest, AFailedSaveLeavesNothingChanged) {
    const fs::path existing = dir_ / "kept.tnl";
    ASSERT_TRUE(writeModelFile(sampleModel(), existing));
    fs::create_directory(dir_ / "folder.tnl");
    for (const fs::path& target : {dir_ / "folder.tnl", dir_ / "missing/x.tnl", existing / "x.tnl"})
        EXPECT_TRUE(writeModelFile(Model{}, target)
                        .message()
                        .starts_with("The model could not be saved to \""));
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, SIG_IGN); // so that a write beyond the limit fails, as on a full disk
    const rlimit limit{100, old.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limit);
    EXPECT_FALSE(writeModelFile(Model{}, existing));
    setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_EQ(test::fileBytes(existing), dataFile("sample.tnl"));
    EXPECT_TRUE(fs::is_directory(dir_ / "folder.tnl"));
    EXPECT_EQ(entries(), 2u); // no half-written file left behind
}
