// SPDX-License-Identifier: GPL-3.0-or-later
// A model file opened by its path: from the model folder, or from wherever the user keeps it.
#include "SessionFixture.h"

namespace tarnel {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

// The model folder holding "demo", and a folder "papers" beside it holding "latin".
class OpenModelFileTest : public test::SessionFixture {
protected:
    OpenModelFileTest() {
        fs::create_directories(papers);
        writeVocabulary(folder / "demo.tnl", {"mater  madre"});
        writeVocabulary(papers / "latin.tnl", {"pater  padre"});
    }
    ~OpenModelFileTest() override { fs::remove_all(papers); }

    static void writeVocabulary(const fs::path& file, Lines vocab) {
        ASSERT_TRUE(writeModelFile(test::ModelBuilder().vocabulary(std::move(vocab)), file));
    }
    // The open model's name, and its file if it is not of the model folder.
    auto nameAndFile() const { return std::pair(session.model().modelName, session.outsideFile()); }
    static Lines vocabOf(const fs::path& file) {
        const Result<LoadedModel> read = loadModelFile(file);
        return read ? read->model.lstVocab : Lines{"(unreadable)"};
    }

    const fs::path models = folder;
    const fs::path papers = folder.string() + "-papers";
};

TEST_F(OpenModelFileTest, AModelFromElsewhereIsSavedWhereItIsAndSaveAsNamesAFileBesideIt) {
    ASSERT_TRUE(session.openModelFile(papers / "latin.tnl"));
    EXPECT_EQ(nameAndFile(), std::pair(std::string("latin"), papers / "latin.tnl"));
    EXPECT_TRUE(session.addItem("mare  mar"));
    ASSERT_TRUE(session.save());
    EXPECT_EQ(vocabOf(papers / "latin.tnl"), (Lines{"mare  mar", "pater  padre"}));
    EXPECT_FALSE(fs::exists(models / "latin.tnl"));

    // Save As: the name is checked and saved in the model's own folder, not the model folder.
    EXPECT_TRUE(session.checkNameIsFree("demo"));
    EXPECT_EQ(session.checkNameIsFree("latin").message(),
              "A model named latin already exists. Click \"Save\" if you want to replace it.");
    ASSERT_TRUE(session.nameModel("latin_two"));
    EXPECT_EQ(session.outsideFile(), papers / "latin_two.tnl");
    EXPECT_EQ(vocabOf(papers / "latin_two.tnl"), vocabOf(papers / "latin.tnl"));
    EXPECT_EQ(session.folder().modelNames(), Lines{"demo"});

    // A model of the folder, or a new one, is saved in the model folder again.
    session.newModel();
    EXPECT_TRUE(session.outsideFile().empty());
    ASSERT_TRUE(session.nameModel("fresh"));
    EXPECT_TRUE(fs::exists(models / "fresh.tnl"));
    EXPECT_FALSE(fs::exists(papers / "fresh.tnl"));
}

// Its folder gone (a disk taken away), the model can still be kept: Save As saves it among the
// models of the model folder.
TEST_F(OpenModelFileTest, SaveAsFallsBackToTheModelFolderWhenItsOwnIsGone) {
    ASSERT_TRUE(session.openModelFile(papers / "latin.tnl"));
    fs::remove_all(papers);
    EXPECT_FALSE(session.save());
    EXPECT_FALSE(session.checkNameIsFree("demo"));
    ASSERT_TRUE(session.nameModel("kept"));
    EXPECT_TRUE(session.outsideFile().empty());
    EXPECT_EQ(vocabOf(models / "kept.tnl"), Lines{"pater  padre"});
}

TEST_F(OpenModelFileTest, AFileOfTheModelFolderOpensAsThatFoldersModel) {
    for (const fs::path& path :
         {models / "demo.tnl", papers / ".." / models.filename() / "demo.tnl"}) {
        ASSERT_TRUE(session.openModelFile(path)) << path;
        EXPECT_EQ(nameAndFile(), std::pair(std::string("demo"), fs::path())) << path;
    }
}

TEST_F(OpenModelFileTest, AFileWithAnotherEndingIsWrittenBackUnderItsOwnName) {
    fs::copy_file(papers / "latin.tnl", papers / "latin.txt");
    ASSERT_TRUE(session.openModelFile(papers / "latin.txt"));
    session.deleteItem(0);
    ASSERT_TRUE(session.save());
    EXPECT_EQ(vocabOf(papers / "latin.txt"), Lines{});
    EXPECT_EQ(vocabOf(papers / "latin.tnl"), Lines{"pater  padre"});
}

TEST_F(OpenModelFileTest, AFileThatCannotBeReadLeavesTheOpenModelAsItWas) {
    ASSERT_TRUE(session.openModelFile(papers / "latin.tnl"));
    const auto opened = session.openModelFile(papers / "missing.tnl");
    ASSERT_FALSE(opened);
    EXPECT_TRUE(opened.message().starts_with("Model \"missing\" could not be loaded:\r\n"));
    EXPECT_TRUE(opened.message().ends_with("\r\nThe model in memory is unchanged."));
    EXPECT_EQ(nameAndFile(), std::pair(std::string("latin"), papers / "latin.tnl"));
}

} // namespace
} // namespace tarnel
