// SPDX-License-Identifier: GPL-3.0-or-later
#include "Session.h"

#include "core/Alphabet.h"
#include "core/Cp1252.h"
#include "model/ModelFile.h"

#include <unistd.h>

namespace tarnel {

namespace {

std::string inQuotes(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

// A file name in a message: Windows-1252, with "?" for what the code page lacks.
std::string nameForMessage(std::string_view utf8) {
    if (auto text = utf8ToCp1252(utf8))
        return *text;
    std::string plain;
    for (const char c : utf8)
        plain += static_cast<unsigned char>(c) < 0x80 ? c : '?';
    return plain;
}

// "Model "x" could not be loaded:", why, and that nothing changed.
std::string loadFailure(std::string_view name, const std::string& reason) {
    return "Model " + inQuotes(nameForMessage(name)) + " could not be loaded:\r\n" + reason +
           "\r\nThe model in memory is unchanged.";
}

} // namespace

// The compiled model is kept until the model changes; an editor's draft changes nothing.
Session::Session(std::filesystem::path modelFolder)
    : folder_(std::move(modelFolder)), jobs_(defaultJobs()) {
    document_.addListener([this](Change change) {
        if (change == Change::Replaced || change == Change::Edited)
            compiledStale_ = true;
        if (change != Change::Saved) {
            ipaEtymon_.reset();
            ipaReflex_.reset();
        }
    });
}

Session::~Session() = default;

// --- Models -----------------------------------------------------------------------------

void Session::replaceModel(Model model, bool named, std::filesystem::path outsideFile) {
    named_ = named;
    outsideFile_ = std::move(outsideFile);
    fileProblems_.clear();
    lastRun_.reset();
    batchRun_ = {};
    batchModel_ = {};
    batchCompiled_.reset();
    batchTraced_.reset();
    batchEntries_.reset();
    report_ = {};
    document_.replace(std::move(model));
}

void Session::newModel() {
    Model model;
    createAlphabets(model.lstCol, model.lstColR);
    replaceModel(std::move(model), false);
}

// With more than one thread the model is compiled for the engine, which takes it up, while it
// is checked, as both only read it; on one thread it is compiled when first derived through.
std::vector<std::string> Session::takeLoaded(LoadedModel loaded,
                                             std::filesystem::path outsideFile) {
    replaceModel(std::move(loaded.model), true, std::move(outsideFile));
    std::vector<ModelProblem> problems;
    const auto check = [&] { problems = checkModel(model(), loaded.lines); };
    if (ThreadPool* threads = pool())
        runSideBySide(threads, check, [this] { engine(); });
    else
        check();
    fileProblems_ = std::move(problems);
    return std::move(loaded.warnings);
}

Result<std::vector<std::string>> Session::openModel(std::string_view name) {
    const std::optional<std::string> modelName = utf8ToCp1252(name);
    if (!modelName)
        return fail(loadFailure(name, "Its name holds characters that a model name cannot hold."));
    Result<LoadedModel> read = loadModelFile(folder_.pathOf(name));
    if (!read)
        return fail(loadFailure(name, read.message()));
    read->model.modelName = *modelName;
    return takeLoaded(std::move(*read), {});
}

Result<std::vector<std::string>> Session::openFile(const std::filesystem::path& path) {
    Result<LoadedModel> read = loadModelFile(path);
    if (!read)
        return fail(read.message());
    return takeLoaded(std::move(*read), {});
}

Result<std::vector<std::string>> Session::openModelFile(const std::filesystem::path& path) {
    std::error_code error;
    const std::filesystem::path file = std::filesystem::absolute(path, error).lexically_normal();
    std::string name = file.filename().string();
    const bool modelFileName = name.ends_with(modelFileSuffix);
    if (modelFileName)
        name.resize(name.size() - modelFileSuffix.size());
    if (modelFileName &&
        std::filesystem::equivalent(file.parent_path(), folder_.directory(), error))
        return openModel(name);
    Result<LoadedModel> read = loadModelFile(file);
    if (!read)
        return fail(loadFailure(name, read.message()));
    return takeLoaded(std::move(*read), file);
}

std::filesystem::path Session::ownFolder() const {
    if (!outsideFile_.empty() && ::access(outsideFile_.parent_path().c_str(), W_OK) == 0)
        return outsideFile_.parent_path();
    return folder_.directory();
}

Result<> Session::checkNameIsFree(std::string_view name) const {
    if (ModelFolder(ownFolder()).holds(name))
        return fail("A model named " + std::string(name) +
                    " already exists. Click \"Save\" if you want to replace it.");
    return {};
}

Result<> Session::nameModel(std::string_view name) {
    document_.rename(std::string(name)); // name characters are ASCII
    const std::filesystem::path folder = ownFolder();
    outsideFile_ =
        folder == folder_.directory() ? std::filesystem::path() : ModelFolder(folder).pathOf(name);
    named_ = true;
    return save();
}

Result<> Session::save() {
    if (!named_ || model().modelName.empty())
        return fail("There is no model to save yet.\r\nClick \"Model > New\" to create one, or "
                    "choose a model.");
    const std::filesystem::path file =
        outsideFile_.empty() ? folder_.pathOf(cp1252ToUtf8(model().modelName)) : outsideFile_;
    if (Result<> written = saveTo(file); !written)
        return fail("Model " + inQuotes(model().modelName) + " could not be saved:\r\n" +
                    written.message() + "\r\nThe model is still in memory with its changes.");
    document_.markSaved();
    return {};
}

Result<> Session::saveTo(const std::filesystem::path& path) const {
    return writeModelFile(model(), path);
}

Result<> Session::deleteModel(std::string_view name) {
    if (!folder_.remove(name))
        return fail("Model '" + nameForMessage(name) + "' could not be deleted.");
    return {};
}

std::string Session::savedMessage() const {
    return "Model " + inQuotes(model().modelName) + " has been saved.";
}

std::string Session::saveQuestion() const {
    return "Save model " + inQuotes(model().modelName) + "?";
}

std::string Session::deleteWarning(std::string_view name) {
    return "WARNING!  Deleting is forever.\r\nModel '" + nameForMessage(name) +
           "' will not be recoverable.\r\nClick 'OK' to delete, or 'Cancel' to keep the model.";
}

} // namespace tarnel
