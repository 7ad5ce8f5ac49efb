// tarnel-batch end to end: each test writes a small model, runs the built program and reads
// back its exit status, its stderr and its JSON.

#include "model/ModelFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>

using namespace tarnel;

namespace {

const std::string a = "a----+-+++---+-----+++";
const std::string t = "t+--+-+-+------+------";

std::vector<std::string> rule(const std::string& name, const std::string& condition,
                              const std::string& change) {
    return {name + " \xAB...\xBB", "A:  " + condition + " \xAB...\xBB",
            "1:  " + change + " \xAB...\xBB", "END:  " + name};
}

// Intervocalic t is voiced, then every vowel is lengthened; the Reflex Order lengthens too.
Model testModel() {
    Model model;
    model.lst1Rule = {rule("Voicing", "-syll (*) +syll (*-1) +syll (*+1)", "+voice (*)"),
                      rule("Length", "+syll (*)", "+long (*)")};
    model.lstSupply = {"Length", "Voicing"};
    model.lstDiacOrd = {"Voicing", "Length"};
    model.lstM = {"", ""};
    model.lstP = {"", ""};
    model.lstReflOrd = {"Length"};
    model.lstCol = {a, t, "d+--+-+-+------+-----+"};
    model.lstColR = {a,
                     t,
                     "d+--+-+-+------+-----+",
                     "T+--+-+-+-+----+------",
                     "N----+-+++---++----+++",
                     "Q---++---------+-----+"};
    model.lstVocab = {"ata  ada", "ata  ata"};
    return model;
}

struct Outcome {
    int status = -1;
    QByteArray out;
    QByteArray err;
    QJsonObject json() const { return QJsonDocument::fromJson(out).object(); }
};

class Cli : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        save(testModel(), "test.tnl");
    }

    std::string path(const char* name) const { return dir_.filePath(name).toStdString(); }

    void save(const Model& model, const char* name) const {
        ASSERT_EQ(writeModelFile(model, path(name)), "");
    }

    Outcome run(const QStringList& arguments) const {
        QProcess process;
        process.start(TARNEL_BATCH, arguments);
        process.waitForFinished(30000);
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                process.readAllStandardOutput(), process.readAllStandardError()};
    }

    std::string bytes(const char* name) const {
        std::ifstream in(path(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    QString model() const { return dir_.filePath("test.tnl"); }

    QTemporaryDir dir_;
};

QJsonObject cell(const char* codes, const QString& text, const char* colour,
                 const char* differs = "") {
    return {{"codes", codes}, {"text", text}, {"colour", colour}, {"differs", differs}};
}

QJsonObject stage(int kind, const char* label, const QJsonArray& cells) {
    return {{"kind", kind}, {"label", label}, {"cells", cells}};
}

} // namespace

TEST_F(Cli, DeriveWritesEveryStageAsJson) {
    const Outcome result = run({"--json", "--derive", "ata", model()});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    const QJsonObject plain = cell("61", "a", "black");
    const QJsonObject longA = cell("61 F9", QString::fromUtf8("a\xCB\x90"), "black");
    const QJsonArray expected = {
        stage(1, "Etymon", {plain, cell("74", "t", "black"), plain}),
        stage(2, "Voicing", {plain, cell("64", "d", "black"), plain}),
        stage(2, "Length", {longA, cell("64", "d", "black"), longA}),
        stage(0, "End", {}),
    };
    EXPECT_EQ(result.json()["stages"].toArray(), expected);
    EXPECT_EQ(result.json()["messages"].toArray(), QJsonArray{});
}

TEST_F(Cli, ReflexShowsMarksNormalisedTextAndColours) {
    const Outcome result = run({"--json", "--reflex", "NTQ", model()});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    const QJsonArray stages = result.json()["stages"].toArray();
    ASSERT_EQ(stages.size(), 1);
    EXPECT_EQ(stages[0]["kind"].toInt(), 4);
    EXPECT_EQ(stages[0]["label"].toString(), "Reflex");
    const QJsonArray cells = stages[0]["cells"].toArray();
    ASSERT_EQ(cells.size(), 3);
    EXPECT_EQ(cells[0], cell("61 E2 F9", QString::fromUtf8("\xC3\xA3\xCB\x90"), "black"));
    EXPECT_EQ(cells[1], cell("74", "t", "blue", "+high"));
    EXPECT_EQ(cells[2]["codes"].toString().toStdString(), "C5"); // fits no row
    EXPECT_EQ(cells[2]["colour"].toString().toStdString(), "red");
}

TEST_F(Cli, BatchListsGoodAndBadLinesAndCollectsMessages) {
    Model withMissing = testModel();
    withMissing.lstVocab.push_back("ax  ada"); // "x" is not in the Etymon Alphabet
    save(withMissing, "test.tnl");
    const Outcome result = run({model(), "--json"});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    const QJsonObject json = result.json();
    EXPECT_EQ(json["good"].toArray(), QJsonArray{"ata > ada"});
    const QJsonArray bad = json["bad"].toArray();
    ASSERT_EQ(bad.size(), 2);
    EXPECT_EQ(bad[0].toString(), "ata > ata:  seg.#2, voice");
    EXPECT_TRUE(bad[1].toString().startsWith("ax > ada:  seg.#"));
    EXPECT_EQ(json["goodCount"].toInt(), 1);
    EXPECT_EQ(json["badCount"].toInt(), 2);
    EXPECT_EQ(json["progress"].toString(), "100% done");
    const QJsonArray messages = json["messages"].toArray();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].toString().contains("ax\" not reliable."));
    EXPECT_TRUE(messages[0].toString().contains("\r\n"));
}

TEST_F(Cli, AWordThatIsEmptyOrHoldsABlankDerivesNothing) {
    for (const char* word : {"", "a ta"}) {
        const Outcome result = run({"--json", "--derive", word, model()});
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.json(),
                  (QJsonObject{{"stages", QJsonArray{}},
                               {"messages", QJsonArray{"Type a word in the box."}}}));
    }
}

TEST_F(Cli, BadInputExitsWithStatusTwoAndOneLine) {
    std::ofstream(path("short.tnl"), std::ios::binary) << "****\r\n\xA7";
    const std::vector<QStringList> cases = {
        {"--json", model(), "--verbose"},
        {"--derive", "ata"},
        {"--resave", "x.tnl", "--json", model()},
        {dir_.filePath("missing.tnl")},
        {dir_.filePath("short.tnl")},
        {"--derive", QString::fromUtf8("a\xC5\x8B"), model()},
    };
    for (const QStringList& arguments : cases) {
        const Outcome result = run(arguments);
        EXPECT_EQ(result.status, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(result.out.isEmpty());
        EXPECT_FALSE(result.err.isEmpty());
    }
    EXPECT_EQ(run({dir_.filePath("missing.tnl")}).err.count('\n'), 1);
    EXPECT_TRUE(run({"--verbose", model()}).err.startsWith("usage:"));
}

TEST_F(Cli, ResaveWritesTheLoadedModelUnderItsOwnName) {
    const std::string expected = modelFileText(*loadModelFile(path("test.tnl")).model);
    ASSERT_NE(expected.find("\xA7"
                            "1_NAME:test\r\n"),
              std::string::npos);
    ASSERT_EQ(run({"--resave", dir_.filePath("copy.tnl"), model()}).status, 0);
    EXPECT_EQ(bytes("copy.tnl"), expected);
    ASSERT_EQ(run({"--resave", model(), model()}).status, 0);
    EXPECT_EQ(bytes("test.tnl"), expected);
    EXPECT_EQ(run({"--resave", dir_.path(), model()}).status, 1);
}

TEST_F(Cli, HumanOutputShowsStagesListsAndAccuracy) {
    const Outcome derivation = run({"--derive", "ata", model()});
    EXPECT_EQ(derivation.status, 0);
    EXPECT_TRUE(derivation.out.contains("Voicing  a d a\n")) << derivation.out.toStdString();
    const Outcome batch = run({model()});
    EXPECT_TRUE(batch.out.contains("ata > ata:  seg.#2, voice\n"));
    EXPECT_TRUE(batch.out.contains("Accuracy: 1 of 2 good (50.0%)\n"));
}
