// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Result.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace tarnel {

// Where a save writes, and what it cleans up first. Failure texts are the system's own
// ("Permission denied") or say in the same style why a file is not written.

// The file a save to `path` replaces: symbolic links are followed, so that a link keeps
// pointing at the file it named and that file gets the new text. A target that exists must
// be a regular file with no other hard link (renaming over it would separate the names) and
// must be writable (a read-only file is not replaced, whoever may rename it). When the save
// may go ahead, `path` is the resolved path.
Result<> resolveSaveTarget(std::filesystem::path& path);

// The name of a save's temporary file: short whatever the target's name, so that it fits
// wherever the target fits, and holding the saving process's id.
std::string temporaryName(long processId, int attempt);

// Removes the temporary files of interrupted saves from `directory`: files of our naming
// whose process is gone and that nobody holds locked. Anything else is left alone.
void removeStaleTemporaries(const std::filesystem::path& directory);

} // namespace tarnel
