#pragma once

#include <QString>
#include <QStringList>
#include <filesystem>

namespace tarnel {

struct Context;

// The model files of `directory` ("*.tnl") in file-list order (alphabetical, case folded),
// as model names: the file names without ".tnl".
QStringList modelNames(const QString& directory);

// The file of model `name` in the model directory.
std::filesystem::path modelPath(const Context& ctx, const QString& name);

} // namespace tarnel
