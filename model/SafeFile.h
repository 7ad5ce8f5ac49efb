// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Result.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace tarnel {

// Whole-file reads and writes for the files a user keeps: models, word lists, reports.

// The file's bytes. A file larger than `maxBytes` is refused unread; the failure text is the
// reason alone, in Windows-1252 ("No such file or directory"), for the caller to say which
// file and what was being done.
Result<std::string> readWholeFile(const std::filesystem::path& path, std::size_t maxBytes);

// Writes `bytes` to a new file beside the file `path` names (see resolveSaveTarget),
// flushes it to disk and renames it over that file only then; then flushes the folder. On a
// failure before the rename the new file is removed and the old one left as it was.
// Temporary files that interrupted saves left in the folder are removed first. A failure
// says it all, naming the file and `what` was written ("The model"): either that it could not
// be saved and the file was not changed, or that it was saved but its folder could not be
// flushed to disk, so that the save may not survive a crash.
Result<> replaceFile(std::filesystem::path path, std::string_view bytes, std::string_view what);

// A file's name for a message, in quotation marks: "name.tnl" (Windows-1252; "?" for what
// the code page lacks), and the name alone.
std::string quotedFileName(const std::filesystem::path& path);
std::string fileNameForMessage(const std::filesystem::path& path);

} // namespace tarnel
