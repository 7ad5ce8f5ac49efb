// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModelDirectory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tarnel {

namespace {

const QStringList modelFiles = {QStringLiteral("*.tnl")};

// The copies belong to the user, whatever modes the installed files have.
void copySamples(const QDir& samples, const QDir& models) {
    for (const QString& name : samples.entryList(modelFiles, QDir::Files)) {
        const QString copy = models.filePath(name);
        if (QFile::copy(samples.filePath(name), copy))
            QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                            QFile::ReadOther);
    }
}

} // namespace

QString installedSamplesDirectory(const QString& programDirectory) {
    return QDir::cleanPath(programDirectory + QStringLiteral("/" TARNEL_SAMPLES_FROM_BIN));
}

QString prepareModelDirectory(const QString& programDirectory, const QString& userDataDirectory) {
    const QDir samples(installedSamplesDirectory(programDirectory));
    if (!samples.exists() && QFileInfo(programDirectory).isWritable())
        return programDirectory;
    const QString models = QDir(userDataDirectory).filePath(QStringLiteral("models"));
    if (QDir().mkpath(models) && QDir(models).entryList(modelFiles, QDir::Files).isEmpty())
        copySamples(samples, QDir(models));
    return models;
}

} // namespace tarnel
