#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tarnel {

// Whole-file reads and writes for model files. The failure texts are the system's own
// ("No such file or directory"); the callers say which file and what was being done.

struct FileBytes {
    bool ok = false;
    std::string bytes; // the file's bytes when ok
    std::string error; // why it could not be read otherwise
};

FileBytes readWholeFile(const std::filesystem::path& path);

// Writes `bytes` to a new file beside `path`, flushes it to disk and renames it over `path`
// only then. On any failure the new file is removed and `path` is left as it was. Returns
// an empty text on success.
std::string replaceFile(const std::filesystem::path& path, std::string_view bytes);

} // namespace tarnel
