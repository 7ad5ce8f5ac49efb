#pragma once

#include <cstddef>
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

// A file larger than `maxBytes` is refused unread.
FileBytes readWholeFile(const std::filesystem::path& path, std::size_t maxBytes);

// What a replace did. `error` is empty on success; `replaced` tells a failure after the new
// file took the old one's place (its folder could not be flushed to disk) from one that left
// the old file as it was.
struct Replacement {
    std::string error;
    bool replaced = false;
};

// Writes `bytes` to a new file beside the file `path` names (see resolveSaveTarget),
// flushes it to disk and renames it over that file only then; then flushes the folder. On a
// failure before the rename the new file is removed and the old one left as it was.
// Temporary files that interrupted saves left in the folder are removed first.
Replacement replaceFile(std::filesystem::path path, std::string_view bytes);

} // namespace tarnel
