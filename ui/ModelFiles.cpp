#include "ModelFiles.h"

#include "Context.h"
#include "Dialogs.h"
#include "ModelText.h"
#include "Shared.h"
#include "model/ModelFile.h"

#include <QDir>
#include <QFile>

namespace tarnel {

QStringList modelNames(const QString& directory) {
    const QStringList files = QDir(directory).entryList(
        {QStringLiteral("*.tnl")}, QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
    QStringList names;
    for (const QString& file : files) {
        names.append(file.chopped(4));
    }
    return names;
}

std::filesystem::path modelPath(const Context& ctx, const QString& name) {
    const QString file = QDir(ctx.modelDirectory).filePath(name + QStringLiteral(".tnl"));
    return std::filesystem::path(QFile::encodeName(file).toStdString());
}

bool saveModel(Context& ctx) {
    const QString name = fromModelText(ctx.model.modelName);
    if (name.isEmpty()) {
        ctx.dialogs.ok(QStringLiteral("There is no model to save yet.\r\nClick \"Model > New\" "
                                      "to create one, or choose a model."));
        return false;
    }
    const std::string error = writeModelFile(ctx.model, modelPath(ctx, name));
    if (!error.empty()) {
        ctx.dialogs.ok(QStringLiteral("Model \"%1\" could not be saved:\r\n%2\r\nThe model is "
                                      "still in memory with its changes.")
                           .arg(name, fromModelText(error)));
        return false;
    }
    ctx.model.unsavedChanges = false;
    return true;
}

} // namespace tarnel
