// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModelFolder.h"

#include "model/AlphabeticalList.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace tarnel {

namespace {

bool readableFile(const std::filesystem::directory_entry& entry) {
    std::error_code error;
    return entry.is_regular_file(error) && ::access(entry.path().c_str(), R_OK) == 0;
}

} // namespace

std::vector<std::string> ModelFolder::modelNames() const {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(directory_, error)) {
        const std::string file = entry.path().filename().string();
        if (file.size() > modelFileSuffix.size() && file.ends_with(modelFileSuffix) &&
            readableFile(entry))
            names.push_back(file.substr(0, file.size() - modelFileSuffix.size()));
    }
    std::sort(names.begin(), names.end(), alphabeticalLess);
    return names;
}

bool ModelFolder::holds(std::string_view name) const {
    const std::vector<std::string> names = modelNames();
    return std::find(names.begin(), names.end(), name) != names.end();
}

std::filesystem::path ModelFolder::pathOf(std::string_view name) const {
    return directory_ / (std::string(name) + std::string(modelFileSuffix));
}

Result<> ModelFolder::remove(std::string_view name) const {
    if (::unlink(pathOf(name).c_str()) != 0)
        return fail(std::strerror(errno));
    return {};
}

} // namespace tarnel
