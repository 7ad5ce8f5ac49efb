// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Result.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tarnel {

inline constexpr std::string_view modelFileSuffix = ".tnl";

// The folder the models live in, one file "name.tnl" per model. Names are file names, so they
// are UTF-8 like the file system's.
class ModelFolder {
public:
    explicit ModelFolder(std::filesystem::path directory) : directory_(std::move(directory)) {}

    const std::filesystem::path& directory() const { return directory_; }

    // The readable model files here, as names, in alphabetical order with case folded.
    std::vector<std::string> modelNames() const;
    bool holds(std::string_view name) const;

    std::filesystem::path pathOf(std::string_view name) const;

    // Deletes the file of model `name`.
    Result<> remove(std::string_view name) const;

private:
    std::filesystem::path directory_;
};

} // namespace tarnel
