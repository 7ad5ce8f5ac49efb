// SPDX-License-Identifier: GPL-3.0-or-later
#include "SafeFile.h"

#include "SaveTarget.h"
#include "core/Cp1252.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarnel {

namespace {

// The system's reason, as every message is written, in Windows-1252.
std::string systemError(int error) {
    std::string reason;
    for (const char c : std::string_view(std::strerror(error)))
        reason += static_cast<unsigned char>(c) < 0x80 ? c : '?';
    return reason;
}

// Closes a descriptor when it goes out of scope.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }
    // Closes now, so that a failing close is seen; 0 or an errno value.
    int close() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int fd_;
};

int writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

// Opens a fresh file beside `path` and locks it, so that no other save takes it for the
// leftover of an interrupted one; the file mode follows the umask as for any new file.
int openTemporary(const std::filesystem::path& path, std::filesystem::path& temporary) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = path.parent_path() / temporaryName(::getpid(), attempt);
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0)
            ::flock(fd, LOCK_EX | LOCK_NB);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Gives the new file the old file's permissions, so a save does not change who may read it.
int keepPermissions(int fd, const std::filesystem::path& path) {
    struct stat old {};
    if (::stat(path.c_str(), &old) != 0 || !S_ISREG(old.st_mode))
        return 0;
    return ::fchmod(fd, old.st_mode & 07777) == 0 ? 0 : errno;
}

int writeAndRename(int fdNumber, const std::filesystem::path& temporary,
                   const std::filesystem::path& path, std::string_view bytes) {
    FileDescriptor fd(fdNumber);
    if (int error = writeAll(fd.get(), bytes))
        return error;
    if (int error = keepPermissions(fd.get(), path))
        return error;
    if (::fsync(fd.get()) != 0)
        return errno;
    if (int error = fd.close())
        return error;
    if (::rename(temporary.c_str(), path.c_str()) != 0)
        return errno;
    return 0;
}

// Makes the rename itself durable. 0 or an errno; EINVAL means the file system cannot
// flush a folder at all, which is no fault of this save.
int syncDirectory(const std::filesystem::path& directory) {
    FileDescriptor fd(
        ::open(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() < 0)
        return errno;
    if (::fsync(fd.get()) != 0 && errno != EINVAL)
        return errno;
    return 0;
}

} // namespace

Result<std::string> readWholeFile(const std::filesystem::path& path, std::size_t maxBytes) {
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0)
        return fail(systemError(errno));
    struct stat status {};
    if (::fstat(fd.get(), &status) != 0)
        return fail(systemError(errno));
    if (S_ISDIR(status.st_mode))
        return fail(systemError(EISDIR));
    if (!S_ISREG(status.st_mode)) // a device or a pipe might never end
        return fail("Not a regular file");
    const Failure tooLarge =
        fail("It is larger than " + std::to_string(maxBytes >> 20) + " MB, more than Tarnel reads");
    if (static_cast<std::size_t>(status.st_size) > maxBytes)
        return tooLarge;
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(fd.get(), buffer, sizeof buffer);
        if (count == 0)
            return bytes;
        if (count < 0 && errno != EINTR)
            return fail(systemError(errno));
        if (count > 0)
            bytes.append(buffer, static_cast<std::size_t>(count));
        if (bytes.size() > maxBytes) // it grew while being read
            return tooLarge;
    }
}

std::string fileNameForMessage(const std::filesystem::path& path) {
    const std::string name = path.filename().string();
    if (auto converted = utf8ToCp1252(name))
        return *converted;
    std::string plain;
    for (const char c : name)
        plain += static_cast<unsigned char>(c) < 0x80 ? c : '?';
    return plain;
}

std::string quotedFileName(const std::filesystem::path& path) {
    return "\"" + fileNameForMessage(path) + "\"";
}

Result<> replaceFile(std::filesystem::path path, std::string_view bytes, std::string_view what) {
    const std::string shown = quotedFileName(path); // the name the user gave, before any link
    const auto notSaved = [&shown, what](const std::string& reason) {
        return fail(std::string(what) + " could not be saved to " + shown + ": " + reason +
                    ". The file was not changed.");
    };
    if (Result<> target = resolveSaveTarget(path); !target)
        return notSaved(target.message());
    removeStaleTemporaries(path.parent_path());
    std::filesystem::path temporary;
    const int fd = openTemporary(path, temporary);
    if (fd < 0)
        return notSaved(systemError(errno));
    if (int error = writeAndRename(fd, temporary, path, bytes)) {
        ::unlink(temporary.c_str());
        return notSaved(systemError(error));
    }
    if (int error = syncDirectory(path.parent_path()))
        return fail(std::string(what) + " was saved to " + shown +
                    ", but the folder could not be flushed to disk: " + systemError(error) +
                    ". The save may not survive a crash.");
    return {};
}

} // namespace tarnel
