// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModelFile.h"

#include "ModelReader.h"
#include "SafeFile.h"
#include "core/Cp1252.h"

#include <algorithm>

namespace tarnel {

namespace {

// A file name for a message (Windows-1252); characters the code page lacks show as "?".
std::string messageFileName(const std::filesystem::path& path) {
    const std::string name = path.filename().string();
    if (auto converted = utf8ToCp1252(name))
        return *converted;
    std::string plain;
    for (char c : name)
        plain += static_cast<unsigned char>(c) < 0x80 ? c : '?';
    return plain;
}

std::string quotedFile(const std::filesystem::path& path) {
    return "\"" + messageFileName(path) + "\"";
}

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
        return fail("The model file " + quotedFile(path) +
                    " has a name that a model name cannot hold.");
    const Result<std::string> file = readWholeFile(path, maxModelFileBytes);
    if (!file)
        return fail("The model file " + quotedFile(path) + " cannot be read: " + file.message() +
                    ".");
    return readModelBytes(*file, *modelName, messageFileName(path));
}

Result<> writeModelFile(const Model& model, const std::filesystem::path& path) {
    const Result<std::string> replaced = replaceFile(path, modelFileText(model));
    if (!replaced)
        return fail("The model could not be saved to " + quotedFile(path) + ": " +
                    replaced.message() + ". The file was not changed.");
    if (!replaced->empty())
        return fail("The model was saved to " + quotedFile(path) +
                    ", but the folder could not be flushed to disk: " + *replaced +
                    ". The save may not survive a crash.");
    return {};
}

} // namespace tarnel
