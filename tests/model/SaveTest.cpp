// SPDX-License-Identifier: GPL-3.0-or-later
// Saving onto what is not a plain file of one's own: links, special files, read-only
// files, long names, the leftovers of interrupted saves, a folder that cannot be flushed.

#include "model/ModelFile.h"
#include "support/Files.h"

#include <fcntl.h>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tarnel;
using tarnel::test::fileBytes;
namespace fs = std::filesystem;

namespace {

constexpr uid_t nobody = 65534;

std::string refused(std::string_view name, std::string_view reason) {
    return "The model could not be saved to \"" + std::string(name) + "\": " + std::string(reason) +
           ". The file was not changed.";
}

// A process id that no process has: that of a child already reaped.
pid_t deadProcess() {
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

// What `work` returns when run in a child process as an ordinary user (the superuser's
// child becomes "nobody", who must own `dir`), so that permissions count.
std::string asOrdinaryUser(const fs::path& dir, const std::function<std::string()>& work) {
    int channel[2];
    if (::pipe(channel) != 0)
        return "no pipe";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        if (::geteuid() == 0 && (::chown(dir.c_str(), nobody, nobody) != 0 ||
                                 ::setgid(nobody) != 0 || ::setuid(nobody) != 0))
            ::_exit(1);
        const std::string result = work();
        const bool written = ::write(channel[1], result.data(), result.size()) ==
                             static_cast<ssize_t>(result.size());
        ::_exit(written ? 0 : 1);
    }
    ::close(channel[1]);
    std::string result;
    char buffer[512];
    for (ssize_t count; (count = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        result.append(buffer, static_cast<std::size_t>(count));
    ::close(channel[0]);
    ::waitpid(child, nullptr, 0);
    return result;
}

class SaveTest : public ::testing::Test {
protected:
    SaveTest() {
        fs::create_directories(dir_);
        model_.notes = "Saved.";
    }
    ~SaveTest() override { fs::remove_all(dir_); }

    // The failure's message; empty for a save that went through.
    std::string save(const fs::path& path) const {
        const Result<> saved = writeModelFile(model_, path);
        return saved ? std::string() : saved.message();
    }
    std::string savedText() const { return modelFileText(model_); }
    void write(const fs::path& path, std::string_view text) const {
        std::ofstream(path, std::ios::binary) << text;
    }

    const fs::path dir_ =
        fs::temp_directory_path() / ("tarnel-save-test-" + std::to_string(::getpid()));
    Model model_;
};

} // namespace

// A link keeps pointing at its file, which gets the new text; a dangling link's file is made.
TEST_F(SaveTest, SavesThroughSymbolicLinksToTheFileTheyName) {
    fs::create_directory(dir_ / "real");
    write(dir_ / "real/model.tnl", "old");
    fs::create_symlink(dir_ / "real/model.tnl", dir_ / "inner.tnl"); // absolute
    fs::create_symlink("inner.tnl", dir_ / "outer.tnl");             // relative, to a link
    fs::create_symlink("real/new.tnl", dir_ / "dangling.tnl");
    for (const char* link : {"outer.tnl", "dangling.tnl"})
        ASSERT_EQ(save(dir_ / link), "") << link;
    for (const char* link : {"outer.tnl", "inner.tnl", "dangling.tnl"})
        EXPECT_TRUE(fs::is_symlink(dir_ / link)) << link;
    EXPECT_EQ(fileBytes(dir_ / "real/model.tnl"), savedText());
    EXPECT_EQ(fileBytes(dir_ / "real/new.tnl"), savedText());
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_ / "real"), {}), 2);
}

// Whatever is refused stays exactly as it was. A hard-linked file is refused rather than
// written in place: a save never overwrites the only copy of a model.
TEST_F(SaveTest, RefusesWhatIsNotAPlainWritableFile) {
    ASSERT_EQ(::mkfifo((dir_ / "fifo.tnl").c_str(), 0644), 0);
    fs::create_symlink("/dev/null", dir_ / "device.tnl");
    fs::create_directory(dir_ / "folder.tnl");
    const std::string written[] = {"linked", "read-only", "no-access"};
    for (const std::string& stem : written)
        write(dir_ / (stem + ".tnl"), stem);
    fs::create_hard_link(dir_ / "linked.tnl", dir_ / "other-name.tnl");
    fs::permissions(dir_ / "read-only.tnl", fs::perms::owner_read | fs::perms::group_read);
    fs::permissions(dir_ / "no-access.tnl", fs::perms::none);
    const std::pair<const char*, const char*> cases[] = {
        {"fifo.tnl", "Not a regular file"},
        {"device.tnl", "Not a regular file"},
        {"folder.tnl", "Not a regular file"},
        {"linked.tnl", "The file has other hard links, which a save would break"},
        {"read-only.tnl", "The file is read-only"},
        {"no-access.tnl", "The file is read-only"}};
    for (const auto& [name, reason] : cases)
        EXPECT_EQ(save(dir_ / name), refused(name, reason));
    EXPECT_TRUE(fs::is_fifo(dir_ / "fifo.tnl"));
    EXPECT_EQ(fs::read_symlink(dir_ / "device.tnl"), "/dev/null");
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    EXPECT_EQ(fs::hard_link_count(dir_ / "linked.tnl"), 2u);
    fs::permissions(dir_ / "no-access.tnl", fs::perms::owner_read);
    for (const std::string& stem : written)
        EXPECT_EQ(fileBytes(dir_ / (stem + ".tnl")), stem);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), {}), 7);
}

// The temporary file's name is short whatever the target's is.
TEST_F(SaveTest, ANameAsLongAsTheSystemAllowsStillSaves) {
    const fs::path path = dir_ / (std::string(251, 'm') + ".tnl");
    ASSERT_EQ(save(path), "");
    EXPECT_EQ(fileBytes(path), savedText());
}

// Only files of the save's own naming, whose process is gone and which nobody has locked.
TEST_F(SaveTest, RemovesWhatInterruptedSavesLeftBehind) {
    const std::string dead = std::to_string(deadProcess());
    const std::string live = std::to_string(::getpid());
    const std::string kept[] = {".tarnel-" + live + "-0.tmp", ".tarnel-" + dead + "-1.tmp",
                                ".tarnel-x-0.tmp", ".other-" + dead + "-0.tmp"};
    for (const std::string& name : kept)
        write(dir_ / name, "kept");
    write(dir_ / (".tarnel-" + dead + "-0.tmp"), "stale");
    const int lock = ::open((dir_ / kept[1]).c_str(), O_RDONLY); // as a live save holds it
    ASSERT_EQ(::flock(lock, LOCK_EX), 0);
    ASSERT_EQ(save(dir_ / "model.tnl"), "");
    ::close(lock);
    EXPECT_FALSE(fs::exists(dir_ / (".tarnel-" + dead + "-0.tmp")));
    for (const std::string& name : kept)
        EXPECT_TRUE(fs::exists(dir_ / name)) << name;
}

// The new file is in place, but the rename may not survive a crash: the save is reported as
// failed, so the model stays marked unsaved.
TEST_F(SaveTest, AFolderThatCannotBeFlushedIsReported) {
    const fs::path folder = dir_ / "write-only";
    fs::create_directory(folder);
    const std::string result = asOrdinaryUser(folder, [&] {
        fs::permissions(folder, fs::perms::owner_write | fs::perms::owner_exec);
        return save(folder / "model.tnl");
    });
    EXPECT_EQ(result, "The model was saved to \"model.tnl\", but the folder could not be flushed "
                      "to disk: Permission denied. The save may not survive a crash.");
    fs::permissions(folder, fs::perms::owner_all);
    EXPECT_EQ(fileBytes(folder / "model.tnl"), savedText());
}

// Another user's file in a folder anyone may write to: renaming over it would work, but it is
// not this user's to replace.
TEST_F(SaveTest, RefusesAFileTheUserMayNotWrite) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs a file of another user";
    const fs::path folder = dir_ / "shared";
    fs::create_directory(folder);
    write(folder / "theirs.tnl", "theirs");
    fs::permissions(folder, fs::perms::all);
    EXPECT_EQ(asOrdinaryUser(folder, [&] { return save(folder / "theirs.tnl"); }),
              refused("theirs.tnl", "The file is read-only"));
    EXPECT_EQ(fileBytes(folder / "theirs.tnl"), "theirs");
}
