// SPDX-License-Identifier: GPL-3.0-or-later
// tarnel-batch end to end: each test runs the built program on a copy of data/test.tnl and reads
// back its exit status, its stderr and its JSON. In that model intervocalic t is voiced, then
// every vowel is lengthened; the Reflex Order lengthens too. Of its three Vocabulary items one
// is good, and one holds an "x" that the Etymon Alphabet lacks.

#include "model/ModelFile.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>

using namespace tarnel;

namespace {

struct Outcome {
    int status = -1;
    QByteArray out, err;
};

class Cli : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(QFile::copy(TARNEL_CLI_TEST_DATA "/test.tnl", model_)); }
    std::string bytes(const QString& name) const {
        QFile in(name);
        return in.open(QIODevice::ReadOnly) ? in.readAll().toStdString() : "";
    }
    Outcome run(const QStringList& arguments, const QString& outputFile = {}) const {
        QProcess process;
        if (!outputFile.isEmpty())
            process.setStandardOutputFile(outputFile);
        process.start(TARNEL_BATCH, arguments);
        process.waitForFinished(30000);
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                process.readAllStandardOutput(), process.readAllStandardError()};
    }
    // The JSON of a run that must succeed.
    QJsonObject json(const QStringList& arguments) const {
        const Outcome result = run(arguments);
        EXPECT_EQ(result.status, 0) << result.err.toStdString();
        return QJsonDocument::fromJson(result.out).object();
    }

    QTemporaryDir dir_;
    const QString model_ = dir_.filePath("test.tnl");
};

QJsonObject cell(QString codes, QString text, QString colour, QString differs = {}) {
    return {{"codes", codes}, {"text", text}, {"colour", colour}, {"differs", differs}};
}

QJsonObject stage(int kind, const char* label, const QJsonArray& cells) {
    return {{"kind", kind}, {"label", label}, {"cells", cells}};
}

} // namespace

TEST_F(Cli, DeriveWritesEveryStageAsJson) {
    const QJsonObject a = cell("61", "a", "black");
    const QJsonObject longA = cell("61 F9", QString::fromUtf8("a\xCB\x90"), "black");
    const QJsonObject d = cell("64", "d", "black");
    const QJsonArray stages = {stage(1, "Etymon", {a, cell("74", "t", "black"), a}),
                               stage(2, "Voicing", {a, d, a}),
                               stage(2, "Length", {longA, d, longA}), stage(0, "End", {})};
    EXPECT_EQ(json({"--json", "--derive", "ata", model_}),
              (QJsonObject{{"stages", stages}, {"messages", QJsonArray{}}}));
}

TEST_F(Cli, ReflexShowsMarksNormalisedTextAndColours) {
    const QJsonArray stages = json({"--json", "--reflex", "NTQ", model_})["stages"].toArray();
    const QJsonArray cells = stages[0]["cells"].toArray();
    EXPECT_EQ(stages, QJsonArray{stage(4, "Reflex", cells)});
    ASSERT_EQ(cells.size(), 3);
    EXPECT_EQ(cells[0], cell("61 E2 F9", QString::fromUtf8("\xC3\xA3\xCB\x90"), "black"));
    EXPECT_EQ(cells[1], cell("74", "t", "blue", "+high"));
    EXPECT_EQ(QJsonArray({cells[2]["codes"], cells[2]["colour"]}), QJsonArray({"C5", "red"}));
}

TEST_F(Cli, BatchListsGoodAndBadLinesAndCollectsMessages) {
    const QJsonObject batch = json({model_, "--json"});
    EXPECT_EQ(batch["good"].toArray(), QJsonArray{"ata > ada"});
    const QJsonArray bad = batch["bad"].toArray();
    ASSERT_EQ(bad.size(), 2);
    EXPECT_EQ(bad[0].toString(), "ata > ata:  seg.#2, voice");
    EXPECT_TRUE(bad[1].toString().startsWith("ax > ada:  seg.#"));
    EXPECT_EQ(QJsonArray({batch["goodCount"], batch["badCount"], batch["progress"]}),
              QJsonArray({1, 2, "100% done"}));
    const QJsonArray messages = batch["messages"].toArray();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].toString().contains("ax\" not reliable."));
    EXPECT_TRUE(messages[0].toString().contains("\r\n"));
}

TEST_F(Cli, BadInputExitsWithStatusTwoAndOneLine) {
    std::ofstream(dir_.filePath("short.tnl").toStdString(), std::ios::binary) << "****\r\n\xA7";
    const QStringList cases[] = {{"--json", model_, "--verbose"},
                                 {"--derive", "ata"},
                                 {"--resave", "x.tnl", "--json", model_},
                                 {dir_.filePath("missing.tnl")},
                                 {dir_.filePath("short.tnl")},
                                 {"--derive", QString::fromUtf8("a\xC5\x8B"), model_},
                                 {"--derive", QString(21, u'a'), model_},
                                 {"--jobs", "0", model_},
                                 {"--jobs", "two", model_},
                                 {model_, "--jobs"},
                                 {"--jobs", "2", "--derive", "ata", model_},
                                 {"--rule-words", "Nasal", model_},
                                 {"--rule-words", "Voicing", "--impact", model_}};
    for (const QStringList& arguments : cases) {
        const Outcome result = run(arguments);
        EXPECT_EQ(result.status, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(result.out.isEmpty());
        EXPECT_FALSE(result.err.isEmpty());
    }
    EXPECT_EQ(run({dir_.filePath("missing.tnl")}).err.count('\n'), 1);
    EXPECT_TRUE(run({"--verbose", model_}).err.startsWith("usage:"));
    EXPECT_EQ(run({"--reflex", QString(21, u'a'), model_}).err,
              "tarnel-batch: Maximum word length is 20.\n");
}

// Voicing changes both words "ata"; Length, first found in the Diachronic Order, all three.
TEST_F(Cli, RuleWordsListTheItemsAnEntryChanged) {
    const Outcome voicing = run({"--json", "--rule-words", "Voicing", model_});
    EXPECT_EQ(voicing.out, "{\"rule\":\"Voicing\",\"items\":["
                           "{\"etymon\":\"ata\",\"reflex\":\"ada\",\"before\":\"ata\","
                           "\"after\":\"ada\",\"good\":true},"
                           "{\"etymon\":\"ata\",\"reflex\":\"ata\",\"before\":\"ata\","
                           "\"after\":\"ada\",\"good\":false}]}\n");
    const Outcome length = run({"--rule-words", "Length", "--jobs", "2", model_});
    EXPECT_EQ(length.status, 0);
    EXPECT_TRUE(length.out.startsWith("Length changed 3 of the items in the batch run\n"
                                      "ata > ada:  ada > a\xCB\x90"
                                      "da\xCB\x90  Good\n"));
}

TEST_F(Cli, ResaveWritesTheLoadedModelUnderItsOwnName) {
    const std::string expected = modelFileText(loadModelFile(model_.toStdString())->model);
    ASSERT_NE(expected.find(std::string("\xA7") + "1_NAME:test\r\n"), std::string::npos);
    ASSERT_EQ(run({"--resave", dir_.filePath("copy.tnl"), model_}).status, 0);
    EXPECT_EQ(bytes(dir_.filePath("copy.tnl")), expected);
    ASSERT_EQ(run({"--resave", model_, model_}).status, 0);
    EXPECT_EQ(bytes(model_), expected);
    EXPECT_EQ(run({"--resave", dir_.path(), model_}).status, 1);
}

TEST_F(Cli, HumanOutputShowsStagesListsAndAccuracy) {
    const Outcome derivation = run({"--derive", "ata", model_});
    EXPECT_EQ(derivation.status, 0);
    // labels padded to the longest a stage of the model can carry, "P-Voicing"
    EXPECT_TRUE(derivation.out.contains("Voicing    a d a\n")) << derivation.out.toStdString();
    const Outcome batch = run({model_});
    EXPECT_TRUE(batch.out.contains("ata > ata:  seg.#2, voice\n"));
    EXPECT_TRUE(batch.out.contains("\nGood 1 of 3 (33.3%)\n"));
}

// --help and --version win over every other argument, and print to stdout.
TEST_F(Cli, HelpAndVersionPrintToStdout) {
    const std::pair<QStringList, const char*> cases[] = {
        {{"--help"}, "usage: tarnel-batch"},
        {{"--json", "--help"}, "usage: tarnel-batch"},
        {{model_, "--help", "--verbose"}, "usage: tarnel-batch"},
        {{model_, "--version"}, "tarnel-batch " TARNEL_VERSION "\n"}};
    for (const auto& [arguments, start] : cases) {
        const Outcome result = run(arguments);
        EXPECT_EQ(result.status, 0) << arguments.join(' ').toStdString();
        EXPECT_TRUE(result.out.startsWith(start));
        EXPECT_TRUE(result.err.isEmpty());
    }
    EXPECT_EQ(run({"--version"}).out, "tarnel-batch " TARNEL_VERSION "\n");
}

// Every option --help names has its own entry in the manual page, and the other way round.
TEST_F(Cli, TheManualPageDescribesTheOptionsOfTheHelp) {
    const auto options = [](const QString& text, const QString& pattern) {
        QStringList found;
        for (const auto& match :
             QRegularExpression(pattern, QRegularExpression::MultilineOption).globalMatch(text))
            found << match.captured(1).replace(QStringLiteral("\\-"), QStringLiteral("-"));
        found.sort();
        return found.join(' ').toStdString();
    };
    const QString help = QString::fromUtf8(run({"--help"}).out);
    const QString page = QString::fromUtf8(bytes(TARNEL_BATCH_MAN_PAGE));
    const std::string helpOptions = options(help, QStringLiteral("^  (--[a-z-]*)"));
    EXPECT_EQ(helpOptions,
              "-- --baseline --check --csv --derive --diagnose --export-vocabulary --header --help "
              "--impact --import-vocabulary --ipa --jobs --json --reflex --resave --rule-words "
              "--suggest --version");
    EXPECT_EQ(helpOptions,
              options(page, QStringLiteral("^\\.TP\\n\\.B[IR]? ((?:\\\\-)+(?:[a-z]|\\\\-)*)")));
}

TEST_F(Cli, OutputThatCannotBeWrittenFailsTheRun) {
    const QStringList cases[] = {{model_},
                                 {"--json", model_},
                                 {"--derive", "ata", model_},
                                 {"--json", "--reflex", "NTQ", model_}};
    for (const QStringList& arguments : cases) {
        const Outcome result = run(arguments, "/dev/full");
        EXPECT_EQ(result.status, 1) << arguments.join(' ').toStdString();
        EXPECT_TRUE(result.err.endsWith(
            "tarnel-batch: the output could not be written: No space left on device.\n"))
            << result.err.toStdString();
    }
}

// On stderr in text output, among the messages in JSON.
TEST_F(Cli, LoadWarningsComeBeforeAnyOtherMessage) {
    const QString file = QDir(TARNEL_MODEL_TEST_DATA).filePath("double-minus.tnl");
    const QString warning = "Line 31: order entry \"--Length\" cannot be kept; it was left out.";
    EXPECT_EQ(run({"--derive", "ata", file}).err, (warning + "\n").toUtf8());
    EXPECT_EQ(json({"--json", "--derive", "a", file})["messages"], QJsonArray{warning});
    EXPECT_EQ(json({"--json", "--derive", "", file})["messages"],
              (QJsonArray{warning, "Type a word in the box."}));
}

// The batch's insight: items, metrics and rules in the JSON, the comparison with an earlier
// output, the rule impact and the Items table as CSV.
TEST_F(Cli, ABatchCarriesItsInsight) {
    const QString old = dir_.filePath("old.json");
    std::ofstream(old.toStdString())
        << R"({"good":["ata > ata"],"bad":["ata > ada:  seg.#2, voice"]})";
    const QString csv = dir_.filePath("items.csv");
    const QJsonObject batch = json({"--json", "--baseline", old, "--impact", "--csv", csv, model_});
    // the sizes of the items, of the rule entries (the Reflex entry among them) and of the impact
    EXPECT_EQ(QJsonArray({batch["items"].toArray().size(), batch["items"][1]["etymon"],
                          batch["metrics"]["items"], batch["rules"]["entries"].toArray().size(),
                          batch["sinceBaseline"]["summary"],
                          batch["impact"]["entries"].toArray().size()}),
              QJsonArray({3, "ata", 3, 3, "Since the last run: 1 fixed, 1 broken, 1 new item", 2}));
    const std::string table = bytes(csv);
    EXPECT_TRUE(table.starts_with("\xEF\xBB\xBF"
                                  "Etymon,Reflex,Expected,Derived,Result"));
    EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 4);

    const Outcome text = run({"--baseline", old, model_});
    EXPECT_TRUE(
        text.out.contains(QByteArray("\nSince the last run: 1 fixed, 1 broken, 1 new item\n")));
    std::ofstream(old.toStdString()) << "{}";
    EXPECT_EQ(run({"--baseline", old, model_}).status, 2);
}

TEST_F(Cli, WordListsGoOutAndComeIn) {
    const QString out = dir_.filePath("vocab.csv");
    ASSERT_EQ(run({"--export-vocabulary", out, model_}).status, 0);
    EXPECT_EQ(bytes(out), "\xEF\xBB\xBF"
                          "etymon,reflex\nata,ada\nata,ata\nax,ada\n");

    const QString list = dir_.filePath("list.tsv");
    std::ofstream(list.toStdString()) << "tata\tdada\nqx\tada\nata\tada\n";
    const QString saved = dir_.filePath("saved.tnl");
    const Outcome imported = run({"--import-vocabulary", list, model_, "--resave", saved});
    EXPECT_EQ(imported.status, 0) << imported.err.toStdString();
    EXPECT_TRUE(imported.err.contains(QByteArray("Line 2: "))) << imported.err.toStdString();
    const Result<LoadedModel> read = loadModelFile(saved.toStdString());
    ASSERT_TRUE(read);
    EXPECT_EQ(read->model.lstVocab,
              (std::vector<std::string>{"ata  ada", "ata  ata", "ax  ada", "tata  dada"}));
    EXPECT_EQ(run({"--import-vocabulary", list, model_}).status, 2); // where would it go?

    // Chosen as a header, the first row is left out.
    ASSERT_EQ(run({"--import-vocabulary", list, "--header", model_, "--resave", saved}).status, 0);
    EXPECT_EQ(loadModelFile(saved.toStdString())->model.lstVocab,
              (std::vector<std::string>{"ata  ada", "ata  ata", "ax  ada"}));
    EXPECT_EQ(run({"--no-header", model_}).status, 2);
}

// The Reflex Alphabet of the model has "T", a t shown as "tʲ", and "N", a nasal a shown as "ã".
TEST_F(Cli, AWordInIpaIsDerivedAsItsAlphabetCharacters) {
    const QString nfd = QString::fromUtf8("ta\xCC\x83"); // "tã", decomposed
    const std::pair<QStringList, QStringList> same[] = {
        {{"--json", "--ipa", "--reflex", QString::fromUtf8("tʲã"), model_},
         {"--json", "--reflex", "TN", model_}},
        {{"--ipa", "--reflex", nfd, model_}, {"--reflex", "tN", model_}},
        {{"--ipa", "--derive", "ata", model_}, {"--derive", "ata", model_}}};
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

// --check: the item "ax  ada" holds an "x" that the Etymon Alphabet lacks; nothing is said of a
// clean sample, and status 2 only for a file that cannot be read.
TEST_F(Cli, CheckListsTheProblemsAsTextOrJsonAndSucceeds) {
    const QString problem = "Line 69: the item \"ax  ada\" has \"x\", which the Etymon Alphabet "
                            "does not hold; the item's results are not reliable.";
    const Outcome text = run({"--check", model_});
    EXPECT_EQ(text.status, 0);
    EXPECT_EQ(text.out, (problem + '\n').toUtf8());
    EXPECT_TRUE(text.err.isEmpty()) << text.err.toStdString();

    const QJsonObject entry{{"line", 69}, {"text", problem}};
    EXPECT_EQ(json({"--check", "--json", model_}), (QJsonObject{{"problems", QJsonArray{entry}}}));
    EXPECT_EQ(run({"--check", "--json", TARNEL_SAMPLES_DIR "/span15.tnl"}).out,
              "{\"problems\":[]}\n");
}

TEST_F(Cli, CheckOfAFileThatCannotBeReadExitsWithStatusTwo) {
    QFile utf8(dir_.filePath("utf8.tnl")), source(model_);
    ASSERT_TRUE(source.open(QIODevice::ReadOnly) && utf8.open(QIODevice::WriteOnly));
    utf8.write(QString::fromLatin1(source.readAll()).toUtf8()); // its marks are Latin-1 too
    utf8.close();
    for (const QString& file : {dir_.filePath("missing.tnl"), utf8.fileName()}) {
        const Outcome result = run({"--check", file});
        EXPECT_EQ(result.status, 2) << file.toStdString();
        EXPECT_TRUE(result.out.isEmpty());
        EXPECT_FALSE(result.err.isEmpty());
    }
    EXPECT_TRUE(run({"--check", utf8.fileName()})
                    .err.contains("This file is UTF-8 text; model files are Windows-1252"));
}

TEST_F(Cli, SuggestAddsRulesForTheItemsThatLackAChange) {
    const QJsonArray groups = json({"--json", "--suggest", model_})["suggestions"].toArray();
    ASSERT_EQ(groups.size(), 2);
    const QJsonObject insert = groups[1].toObject();
    EXPECT_EQ(insert["items"].toArray(), QJsonArray({"ax"}));
    QJsonObject rule = insert["rules"].toArray()[0].toObject();
    EXPECT_EQ(rule.take("lines")[2].toString(), QStringLiteral("1:  INSERT a (*+1) «...»"));
    EXPECT_EQ(rule, (QJsonObject{{"broken", 0}, {"fixed", 1}, {"place", 0}}));
    EXPECT_TRUE(run({"--suggest", model_})
                    .out.contains("\n  INSERT a: ax\n    Suggested_insert_a_1 "
                                  "before Voicing: +1 fixed, 0 broken:  A:  "));
}
