// SPDX-License-Identifier: GPL-3.0-or-later
// A model file opened by its path: from the model folder, or from wherever the user keeps it.
#include "core/Alphabet.h"
#include "model/ModelFile.h"
#include "session/Session.h"

#include <gtest/gtest.h>

namespace tarnel {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

// A model folder "models" holding "demo", and a folder "papers" beside it holding "latin".
class OpenModelFileTest : public ::testing::Test {
protected:
    OpenModelFileTest() {
        fs::create_directories(models);
        fs::create_directories(papers);
        write(models / "demo.tnl", {"mater  madre"});
        write(papers / "latin.tnl", {"pater  padre"});
    }
    ~OpenModelFileTest() override { fs::remove_all(root); }

    static void write(const fs::path& file, Lines vocab) {
        Model model;
        createAlphabets(model.lstCol, model.lstColR);
        model.lstVocab = std::move(vocab);
        ASSERT_TRUE(writeModelFile(model, file));
    }
    static Lines vocabOf(const fs::path& file) {
        const Result<LoadedModel> read = loadModelFile(file);
        return read ? read->model.lstVocab : Lines{"(unreadable)"};
    }

    const fs::path root =
        fs::temp_directory_path() /
        ("tarnel-open-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    const fs::path models = root / "models";
    const fs::path papers = root / "papers";
    Session session{models};
};

TEST_F(OpenModelFileTest, AModelFromElsewhereIsSavedWhereItIsAndSaveAsNamesAFileBesideIt) {
    ASSERT_TRUE(session.openModelFile(papers / "latin.tnl"));
    EXPECT_EQ(session.model().modelName, "latin");
    EXPECT_EQ(session.outsideFile(), papers / "latin.tnl");
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
         {models / "demo.tnl", root / "papers" / ".." / "models" / "demo.tnl"}) {
        ASSERT_TRUE(session.openModelFile(path)) << path;
        EXPECT_EQ(session.model().modelName, "demo");
        EXPECT_TRUE(session.outsideFile().empty()) << path;
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
    EXPECT_EQ(session.model().modelName, "latin");
    EXPECT_EQ(session.outsideFile(), papers / "latin.tnl");
}

} // namespace
} // namespace tarnel
