#include "model/ModelFile.h"

#include "TestModels.h"

#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace tarnel;
namespace fs = std::filesystem;

namespace {

class ModelFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("tarnel-model-test-" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string contents(const fs::path& path) const {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    std::size_t entries() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(dir_), fs::directory_iterator()));
    }

    fs::path dir_;
};

// Lets no file grow beyond `bytes` while it lives, so that a write really fails.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old_);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }

private:
    rlimit old_{};
    void (*oldHandler_)(int);
};

} // namespace

TEST_F(ModelFileTest, WritesThenLoadsAModelNamedByItsFile) {
    const fs::path path = dir_ / "span\xC3\xA9.tnl";
    ASSERT_EQ(writeModelFile(test::richModel(), path), "");
    ASSERT_EQ(writeModelFile(test::sampleModel(), path), ""); // replaces the first file
    EXPECT_EQ(contents(path), test::dataFile("sample.tnl"));
    EXPECT_EQ(entries(), 1u); // no file left beside it

    const auto loaded = loadModelFile(path);
    ASSERT_TRUE(loaded.model) << loaded.error;
    EXPECT_EQ(loaded.model->modelName, "span\xE9");
    EXPECT_EQ(loaded.model->lst1Rule, test::sampleModel().lst1Rule);
}

TEST_F(ModelFileTest, ReportsFilesThatCannotBeRead) {
    EXPECT_EQ(loadModelFile(dir_ / "gone.tnl").error,
              "The model file \"gone.tnl\" cannot be read: No such file or directory.");
    fs::create_directory(dir_ / "folder.tnl");
    EXPECT_FALSE(loadModelFile(dir_ / "folder.tnl").model);
    std::ofstream(dir_ / "short.tnl", std::ios::binary) << "***\r\n\xA7"
                                                           "1_NAME:short\r\n";
    EXPECT_EQ(loadModelFile(dir_ / "short.tnl").error,
              "The model file \"short.tnl\" ends early (in the Notes section).");
}

TEST_F(ModelFileTest, AFailedSaveLeavesNothingChanged) {
    const fs::path existing = dir_ / "kept.tnl";
    ASSERT_EQ(writeModelFile(test::sampleModel(), existing), "");
    const std::string before = contents(existing);

    fs::create_directory(dir_ / "folder.tnl");
    const std::vector<fs::path> targets = {dir_ / "folder.tnl", dir_ / "missing" / "x.tnl",
                                           existing / "x.tnl"};
    for (const fs::path& target : targets) {
        const std::string error = writeModelFile(test::richModel(), target);
        EXPECT_TRUE(error.starts_with("The model could not be saved to \"")) << error;
    }
    {
        FileSizeLimit limit(100);
        EXPECT_NE(writeModelFile(test::richModel(), existing), "");
    }
    EXPECT_EQ(contents(existing), before);
    EXPECT_TRUE(fs::is_directory(dir_ / "folder.tnl"));
    EXPECT_EQ(entries(), 2u); // no half-written file left behind
}
