// SPDX-License-Identifier: GPL-3.0-or-later
// tarnel-batch --check on data/test.tnl, whose item "ax  ada" holds an "x" that the Etymon
// Alphabet lacks: the problem as text or JSON with exit status 0, nothing for a clean sample,
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
const QString problem = "Line 69: the item \"ax  ada\" has \"x\", which the Etymon Alphabet does "
                        "not hold; the item's results are not reliable.";

TEST(CheckCommand, ListsTheProblemsAsTextOrJsonAndSucceeds) {
    const Outcome text = check({testModel});
    EXPECT_EQ(text.status, 0);
    EXPECT_EQ(text.out, (problem + '\n').toUtf8());
    EXPECT_TRUE(text.err.isEmpty()) << text.err.toStdString();

    const QJsonObject entry{{"line", 69}, {"text", problem}};
    const Outcome json = check({"--json", testModel});
    EXPECT_EQ(json.status, 0);
    EXPECT_EQ(QJsonDocument::fromJson(json.out).object(),
              (QJsonObject{{"problems", QJsonArray{entry}}}));
    EXPECT_EQ(check({"--json", TARNEL_SAMPLES_DIR "/span15.tnl"}).out, "{\"problems\":[]}\n");
}

TEST(CheckCommand, AFileThatCannotBeReadExitsWithStatusTwo) {
    QTemporaryDir dir;
    QFile utf8(dir.filePath("utf8.tnl")), source(testModel);
    ASSERT_TRUE(source.open(QIODevice::ReadOnly) && utf8.open(QIODevice::WriteOnly));
    utf8.write(QString::fromLatin1(source.readAll()).toUtf8()); // its marks are Latin-1 too
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
