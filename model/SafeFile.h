// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Result.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace tarnel {

// Whole-file reads and writes for model files. The failure texts are the system's own
// ("No such file or directory"); the callers say which file and what was being done.

// The file's bytes. A file larger than `maxBytes` is refused unread.
Result<std::string> readWholeFile(const std::filesystem::path& path, std::size_t maxBytes);

// Writes `bytes` to a new file beside the file `path` names (see resolveSaveTarget),
// flushes it to disk and renames it over that file only then; then flushes the folder. On a
// failure before the rename the new file is removed and the old one left as it was.
// Temporary files that interrupted saves left in the folder are removed first. Once the file
// is replaced, the result holds an empty text, or why its folder could not be flushed to
// disk (the new file may then not survive a crash).
Result<std::string> replaceFile(std::filesystem::path path, std::string_view bytes);

} // namespace tarnel
