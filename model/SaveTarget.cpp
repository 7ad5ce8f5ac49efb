// SPDX-License-Identifier: GPL-3.0-or-later
#include "SaveTarget.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarnel {

namespace {

namespace fs = std::filesystem;

constexpr int maxLinkHops = 40; // as the system's own limit on symbolic links in a path
constexpr std::string_view temporaryPrefix = ".tarnel-";
constexpr std::string_view temporarySuffix = ".tmp";

// Follows symbolic links until `path` names something else or nothing yet. 0 or an errno.
int followLinks(fs::path& path) {
    for (int hop = 0; hop < maxLinkHops; ++hop) {
        struct stat status {};
        if (::lstat(path.c_str(), &status) != 0)
            return errno == ENOENT ? 0 : errno;
        if (!S_ISLNK(status.st_mode))
            return 0;
        std::error_code error;
        const fs::path target = fs::read_symlink(path, error);
        if (error)
            return error.value();
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return ELOOP;
}

// Read-only by its mode, or not writable by this user. The mode counts even for the
// superuser, who could write anything: a file made read-only is meant to stay as it is.
bool isReadOnly(const fs::path& path, const struct stat& status) {
    return (status.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0;
}

// The process id in a temporary file's name, when the name is one of ours.
std::optional<long> temporaryOwner(std::string_view name) {
    if (!name.starts_with(temporaryPrefix) || !name.ends_with(temporarySuffix))
        return std::nullopt;
    name.remove_prefix(temporaryPrefix.size());
    name.remove_suffix(temporarySuffix.size());
    const auto dash = name.find('-');
    long owner = 0;
    int attempt = 0;
    const char* end = name.data() + name.size();
    if (dash == std::string_view::npos ||
        std::from_chars(name.data(), name.data() + dash, owner).ptr != name.data() + dash ||
        std::from_chars(name.data() + dash + 1, end, attempt).ptr != end || owner <= 0)
        return std::nullopt;
    return owner;
}

bool processLives(long processId) {
    return ::kill(static_cast<pid_t>(processId), 0) == 0 || errno == EPERM;
}

// A regular file that no process holds locked: a live save locks its temporary file.
void removeIfUnlocked(const fs::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat status {};
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
        ::unlink(path.c_str());
    ::close(fd);
}

} // namespace

Result<> resolveSaveTarget(fs::path& path) {
    if (const int error = followLinks(path))
        return fail(std::strerror(error));
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return errno == ENOENT ? Result<>() : fail(std::strerror(errno));
    if (!S_ISREG(status.st_mode))
        return fail("Not a regular file");
    if (status.st_nlink > 1)
        return fail("The file has other hard links, which a save would break");
    if (isReadOnly(path, status))
        return fail("The file is read-only");
    return {};
}

std::string temporaryName(long processId, int attempt) {
    return std::string(temporaryPrefix) + std::to_string(processId) + "-" +
           std::to_string(attempt) + std::string(temporarySuffix);
}

void removeStaleTemporaries(const fs::path& directory) {
    std::error_code error;
    fs::directory_iterator entry(directory.empty() ? fs::path(".") : directory, error);
    for (; !error && entry != fs::directory_iterator(); entry.increment(error)) {
        const auto owner = temporaryOwner(entry->path().filename().string());
        if (owner && !processLives(*owner))
            removeIfUnlocked(entry->path());
    }
}

} // namespace tarnel
