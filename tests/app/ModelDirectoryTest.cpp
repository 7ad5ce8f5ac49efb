// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program's model folder: beside a program run from its own writable folder, in
// the user's data folder for an installed one, which gets the samples only while it is empty.
#include "app/ModelDirectory.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>

using namespace tarnel;

namespace {

enum class Program { Build, Installed, Unwritable };

struct Case {
    const char* name;
    Program program;
    QStringList userModels; // in the user's model folder before the start; "-" = no folder
    QStringList expected;   // "name: bytes" of each file there after it; "-" = no folder
    bool besideProgram;
};

void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

const QStringList noFolder = {QStringLiteral("-")};
const QStringList samples = {QStringLiteral("igpay.tnl"), QStringLiteral("span15.tnl")};
const QStringList seeded = {QStringLiteral("igpay.tnl: sample\r\n\xA7igpay"),
                            QStringLiteral("span15.tnl: sample\r\n\xA7span15")};

const Case cases[] = {
    {"a build folder keeps its models beside the program", Program::Build, noFolder, noFolder,
     true},
    {"an installed program makes the user folder and seeds it", Program::Installed, noFolder,
     seeded, false},
    {"an empty user folder is seeded", Program::Installed, {}, seeded, false},
    {"a user folder holding a model is left as it is", Program::Installed, QStringList{"mine.tnl"},
     QStringList{"mine.tnl: mine"}, false},
    {"an edited sample is not overwritten", Program::Installed, QStringList{"span15.tnl"},
     QStringList{"span15.tnl: mine"}, false},
    {"a program folder that cannot be written falls back", Program::Unwritable, noFolder,
     QStringList{}, false},
};

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class ModelDirectory : public ::testing::TestWithParam<Case> {
protected:
    // A program folder of the given kind; an installed one has the samples beside its bin/.
    QString programFolder(Program program) {
        const QString bin = root_.filePath(QStringLiteral("prefix/bin"));
        if (program == Program::Unwritable) // nobody can write into a folder that is not there
            return bin;
        EXPECT_TRUE(QDir().mkpath(bin));
        if (program == Program::Installed) {
            const QString installed = installedSamplesDirectory(bin);
            EXPECT_TRUE(QDir().mkpath(installed));
            for (const QString& name : samples)
                writeFile(QDir(installed).filePath(name),
                          "sample\r\n\xA7" + name.chopped(4).toLatin1());
        }
        return bin;
    }
    QStringList models() const {
        if (!QDir(userModels_).exists())
            return noFolder;
        QStringList files;
        for (const QString& name : QDir(userModels_).entryList(QDir::Files, QDir::Name)) {
            QFile file(QDir(userModels_).filePath(name));
            EXPECT_TRUE(file.open(QIODevice::ReadOnly));
            files << name + QStringLiteral(": ") + QString::fromLatin1(file.readAll());
        }
        return files;
    }

    QTemporaryDir root_;
    const QString userData_ = root_.filePath(QStringLiteral("home/Tarnel"));
    const QString userModels_ = userData_ + QStringLiteral("/models");
};

TEST_P(ModelDirectory, ChoosesTheFolderAndSeedsItOnlyWhenEmpty) {
    const Case& c = GetParam();
    const QString program = programFolder(c.program);
    if (c.userModels != noFolder) {
        ASSERT_TRUE(QDir().mkpath(userModels_));
        for (const QString& name : c.userModels)
            writeFile(QDir(userModels_).filePath(name), "mine");
    }
    const QString chosen = prepareModelDirectory(program, userData_);
    EXPECT_EQ(chosen, c.besideProgram ? program : userModels_);
    EXPECT_EQ(models(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Starts, ModelDirectory, ::testing::ValuesIn(cases));

} // namespace
