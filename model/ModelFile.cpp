// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModelFile.h"

#include "ModelReader.h"
#include "SafeFile.h"
#include "core/Cp1252.h"

#include <algorithm>

namespace tarnel {

namespace {

// The name line of the file holds the name; a line break in it would end that line early.
bool holdsControlCharacter(std::string_view name) {
    return std::any_of(name.begin(), name.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

} // namespace

std::string ruleNameLabelText(std::string_view ruleName) {
    return "P-:  " + std::string(ruleName);
}

Result<LoadedModel> loadModelFile(const std::filesystem::path& path) {
    std::string name = path.filename().string();
    if (name.ends_with(modelFileExtension))
        name.resize(name.size() - modelFileExtension.size());
    const auto modelName = utf8ToCp1252(name);
    if (!modelName || holdsControlCharacter(*modelName))
        return fail("The model file " + quotedFileName(path) +
                    " has a name that a model name cannot hold.");
    const Result<std::string> file = readWholeFile(path, maxModelFileBytes);
    if (!file)
        return fail("The model file " + quotedFileName(path) +
                    " cannot be read: " + file.message() + ".");
    return readModelBytes(*file, *modelName, fileNameForMessage(path));
}

Result<> writeModelFile(const Model& model, const std::filesystem::path& path) {
    return replaceFile(path, modelFileText(model), "The model");
}

} // namespace tarnel
