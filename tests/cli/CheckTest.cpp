// SPDX-License-Identifier: GPL-3.0-or-later
// tarnel-batch --check: the problems of data/test.tnl (its item "ax  ada" holds an "x" that the
// Etymon Alphabet lacks) as text and as JSON with exit status 0, nothing for a clean sample,
// status 2 only for a file that cannot be read.

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Outcome {
    int status = -1;
    QByteArray out, err;
};

Outcome check(const QStringList& arguments) {
    QProcess process;
    process.start(TARNEL_BATCH, QStringList{"--check"} + arguments);
    process.waitForFinished(30000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

const QString testModel = TARNEL_CLI_TEST_DATA "/test.tnl";
const char* const problem = "Line 69: the item \"ax  ada\" has \"x\", which the Etymon Alphabet "
                            "does not hold; the item's results are not reliable.";

TEST(CheckCommand, ListsTheProblemsAsTextOrJsonAndSucceeds) {
    const Outcome text = check({testModel});
    EXPECT_EQ(text.status, 0);
    EXPECT_EQ(text.out.toStdString(), std::string(problem) + "\n");
    EXPECT_TRUE(text.err.isEmpty()) << text.err.toStdString();

    const Outcome json = check({"--json", testModel});
    EXPECT_EQ(json.status, 0);
    const QJsonObject entry{{"line", 69}, {"text", problem}};
    EXPECT_EQ(QJsonDocument::fromJson(json.out).object(),
              (QJsonObject{{"problems", QJsonArray{entry}}}));

    const Outcome clean = check({"--json", TARNEL_SAMPLES_DIR "/span15.tnl"});
    EXPECT_EQ(clean.status, 0);
    EXPECT_EQ(clean.out.toStdString(), "{\"problems\":[]}\n");
}

TEST(CheckCommand, AFileThatCannotBeReadExitsWithStatusTwo) {
    QTemporaryDir dir;
    QFile source(testModel);
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    QFile utf8(dir.filePath("utf8.tnl"));
    ASSERT_TRUE(utf8.open(QIODevice::WriteOnly));
    utf8.write(QString::fromLatin1(source.readAll()).toUtf8());
    utf8.close();
    for (const QString& file : {dir.filePath("missing.tnl"), utf8.fileName()}) {
        const Outcome result = check({file});
        EXPECT_EQ(result.status, 2) << file.toStdString();
        EXPECT_TRUE(result.out.isEmpty());
        EXPECT_FALSE(result.err.isEmpty());
    }
    EXPECT_TRUE(check({utf8.fileName()})
                    .err.contains("This file is UTF-8 text; model files are Windows-1252"));
}

} // namespace
