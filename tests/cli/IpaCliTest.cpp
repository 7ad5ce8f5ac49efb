// SPDX-License-Identifier: GPL-3.0-or-later
// tarnel-batch --ipa: words and word lists written in IPA, on a copy of data/test.tnl, whose
// Reflex Alphabet has "T", a t shown as "tʲ", and "N", a nasal a shown as "ã".

#include "model/ModelFile.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tarnel;

namespace {

struct Outcome {
    int status = -1;
    QByteArray out, err;
};

class IpaCli : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(QFile::copy(TARNEL_CLI_TEST_DATA "/test.tnl", model_)); }
    Outcome run(const QStringList& arguments) const {
        QProcess process;
        process.start(TARNEL_BATCH, arguments);
        process.waitForFinished(30000);
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                process.readAllStandardOutput(), process.readAllStandardError()};
    }

    QTemporaryDir dir_;
    const QString model_ = dir_.filePath("test.tnl");
};

} // namespace

TEST_F(IpaCli, AWordInIpaIsDerivedAsItsAlphabetCharacters) {
    const QString nfd = QString::fromUtf8("ta\xCC\x83"); // "tã", decomposed
    const std::pair<QStringList, QStringList> same[] = {
        {{"--json", "--ipa", "--reflex", QString::fromUtf8("tʲã"), model_},
         {"--json", "--reflex", "TN", model_}},
        {{"--ipa", "--reflex", nfd, model_}, {"--reflex", "tN", model_}},
        {{"--ipa", "--derive", "ata", model_}, {"--derive", "ata", model_}},
    };
    for (const auto& [ipa, keyboard] : same) {
        const Outcome read = run(ipa);
        EXPECT_EQ(read.status, 0) << read.err.toStdString();
        EXPECT_EQ(read.out, run(keyboard).out);
    }
    const Outcome refused = run({"--ipa", "--derive", QString::fromUtf8("atã"), model_});
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.err.toStdString(), "tarnel-batch: Symbol \"ã\" at position 3 of \"atã\" is "
                                         "not in the Etymon Alphabet.\n");
    EXPECT_EQ(run({"--ipa", model_}).status, 2); // a batch run reads no word
}

TEST_F(IpaCli, WordListColumnsAreIpa) {
    const QString list = dir_.filePath("list.csv");
    QFile file(list);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("ata,tʲã\nɛ,a\n");
    file.close();
    const QString saved = dir_.filePath("saved.tnl");
    const Outcome imported =
        run({"--import-vocabulary", list, "--no-header", "--ipa", model_, "--resave", saved});
    EXPECT_EQ(imported.status, 0) << imported.err.toStdString();
    EXPECT_TRUE(imported.err.contains("Line 2: Symbol \"ɛ\" at position 1 of \"ɛ\""))
        << imported.err.toStdString();
    const Result<LoadedModel> read = loadModelFile(saved.toStdString());
    ASSERT_TRUE(read);
    const auto& vocabulary = read->model.lstVocab;
    EXPECT_NE(std::find(vocabulary.begin(), vocabulary.end(), "ata  TN"), vocabulary.end());
}
