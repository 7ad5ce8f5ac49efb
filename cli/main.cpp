// SPDX-License-Identifier: GPL-3.0-or-later
// tarnel-batch: loads a model file and runs it without any screen, for scripts, for
// checking a model from the command line and for tests. It works through the same session
// as the desktop program, so both say the same things.

#include "Arguments.h"
#include "Baseline.h"
#include "Output.h"
#include "Streams.h"
#include "core/Cp1252.h"
#include "core/Word.h"
#include "frontend/ModelText.h"
#include "session/Session.h"
#include "session/exchange/ImportSummary.h"

#include <cstring>
#include <string>
#include <vector>

using namespace tarnel;
using namespace tarnel::cli;

namespace {

constexpr int exitFailure = 1;  // a file could not be written, or output was lost
constexpr int exitBadInput = 2; // bad arguments, an unreadable model or list, an unusable word

QByteArray errorLine(const std::string& utf8Line) {
    return QByteArray::fromStdString("tarnel-batch: " + utf8Line + "\n");
}

std::filesystem::path pathOf(const std::string& argument) {
    return std::filesystem::path(argument);
}

// The stages go out as they come; the messages close the object, after the load's
// warnings.
class JsonDerivation : public StageDisplay, public MessageSink {
public:
    JsonDerivation(Streams& streams, std::vector<std::string> warnings)
        : streams_(streams), messages_(std::move(warnings)) {
        streams_.out(derivationJsonStart());
    }
    void showStage(int kind, const std::string& label, const Word& word) override {
        const QByteArray stage = stageJson(stageOf(kind, label, word));
        streams_.out(first_ ? stage : stageSeparatorJson() + stage);
        first_ = false;
    }
    void showMessage(const std::string& text) override { messages_.push_back(text); }
    void end() { streams_.out(derivationJsonEnd(messages_)); }

private:
    Streams& streams_;
    std::vector<std::string> messages_;
    bool first_ = true;
};

class TextDerivation : public StageDisplay, public MessageSink {
public:
    TextDerivation(Streams& streams, qsizetype labelWidth)
        : streams_(streams), labelWidth_(labelWidth) {}
    void showStage(int kind, const std::string& label, const Word& word) override {
        streams_.out(stageText(stageOf(kind, label, word), labelWidth_));
    }
    void showMessage(const std::string& text) override { streams_.err(messagesText({text})); }

private:
    Streams& streams_;
    qsizetype labelWidth_;
};

// The Derive button of the derivation screen, on WORD.
int derive(Session& session, const Arguments& arguments, const std::string& word,
           const std::vector<std::string>& warnings, Streams& streams) {
    session.setDerivationMode(arguments.command == Command::Reflex ? DerivationMode::Reflex
                                                                   : DerivationMode::Interactive);
    if (arguments.json) {
        JsonDerivation output(streams, warnings);
        if (const Result<> derived = session.derive(word, output, output); !derived)
            output.showMessage(derived.message());
        output.end();
    } else {
        TextDerivation output(streams, stageLabelWidth(session.model()));
        if (const Result<> derived = session.derive(word, output, output); !derived)
            output.showMessage(derived.message());
    }
    return 0;
}

int batch(Session& session, const Arguments& arguments, std::vector<std::string> warnings,
          Streams& streams) {
    std::optional<std::vector<insight::PreviousItem>> baseline;
    if (!arguments.baselinePath.empty()) {
        const Result<std::string> file =
            session.readTextFile(pathOf(arguments.baselinePath), "The baseline");
        if (!file) {
            streams.err(errorLine(cp1252ToUtf8(file.message())));
            return exitBadInput;
        }
        const auto read = readBaseline(QByteArray::fromStdString(*file));
        if (!read) {
            streams.err(errorLine("the baseline \"" + arguments.baselinePath +
                                  "\" cannot be read: " + read.message() + "."));
            return exitBadInput;
        }
        baseline = *read;
    }
    session.runBatch(); // a script asks no question: a long run goes ahead
    const BatchRun& run = session.lastBatch();
    Session::ReportOptions options;
    options.baseline = baseline ? &*baseline : nullptr;
    options.rules = arguments.json;
    options.items =
        arguments.json || !arguments.csvPath.empty() || arguments.diagnose || arguments.suggest;
    session.reportBatch(composeNfc, options);
    if (arguments.impact)
        session.measureRuleImpact({});
    if (arguments.diagnose)
        session.findOrderFixes({});
    if (arguments.suggest)
        session.suggestRules({});
    warnings.insert(warnings.end(), run.messages.begin(), run.messages.end());
    const BatchOutput output{run, std::move(warnings), session.lastReport()};
    if (arguments.json) {
        streams.out(batchJson(output));
    } else {
        streams.err(messagesText(output.messages));
        streams.out(batchText(output));
    }
    if (!arguments.csvPath.empty()) {
        const Result<> written =
            session.writeReport(pathOf(arguments.csvPath), Session::ReportFormat::Csv);
        if (!written) {
            streams.err(errorLine(cp1252ToUtf8(written.message())));
            return exitFailure;
        }
    }
    return 0;
}

// A batch run, then the items whose word the entry named on the command line changed.
int ruleWords(Session& session, const Arguments& arguments, Streams& streams) {
    const auto name = utf8ToCp1252(arguments.entryName);
    const auto entry = name ? session.entryNamed(*name) : std::nullopt;
    if (!entry) {
        streams.err(errorLine("no order entry is named \"" + arguments.entryName + "\"."));
        return exitBadInput;
    }
    session.runBatch();
    const std::vector<insight::RuleWord> words =
        session.ruleWords(entry->first, entry->second, composeNfc);
    streams.out(arguments.json ? cli::ruleWordsJson(*name, words) : ruleWordsText(*name, words));
    return 0;
}

int resave(const Session& session, const Arguments& arguments, Streams& streams) {
    const Result<> saved = session.saveTo(pathOf(arguments.outputPath));
    if (saved)
        return 0;
    streams.err(errorLine(cp1252ToUtf8(saved.message())));
    return exitFailure;
}

// Every row is checked as a typed item; the refused ones are listed and left out.
int importVocabulary(Session& session, const Arguments& arguments, Streams& streams) {
    const HeaderChoice header = !arguments.firstRowIsHeader   ? HeaderChoice::Automatic
                                : *arguments.firstRowIsHeader ? HeaderChoice::Yes
                                                              : HeaderChoice::No;
    const Result<WordListImport> read =
        session.importWordList(pathOf(arguments.listPath), header, arguments.ipa);
    if (!read) {
        streams.err(errorLine(cp1252ToUtf8(read.message())));
        return exitBadInput;
    }
    // The summary and every row left out, UTF-8 as they are, one line each.
    std::string report = importSummary(*read);
    if (const std::string details = importDetails(*read); !details.empty())
        report += "\r\n" + details;
    streams.err(QByteArray::fromStdString(report).replace("\r\n", "\n") + '\n');
    return resave(session, arguments, streams);
}

int exportVocabulary(const Session& session, const Arguments& arguments, Streams& streams) {
    const Result<> written = session.exportVocabulary(pathOf(arguments.listPath));
    if (written)
        return 0;
    streams.err(errorLine(cp1252ToUtf8(written.message())));
    return exitFailure;
}

// The check after the load: its problems on stdout, whatever they are, with exit status 0.
int check(const Session& session, const Arguments& arguments, Streams& streams) {
    const std::vector<ModelProblem>& problems = session.fileProblems();
    streams.out(arguments.json ? problemsJson(problems) : problemsText(problems));
    return 0;
}

// WORD in the characters of its alphabet: as it is, or read from IPA (UTF-8 messages).
Result<std::string> typedWord(const Session& session, const Arguments& arguments) {
    std::optional<std::string> word = utf8ToCp1252(arguments.word);
    if (arguments.ipa && !arguments.word.empty()) {
        const AlphabetSide side =
            arguments.command == Command::Reflex ? AlphabetSide::Reflex : AlphabetSide::Etymon;
        const IpaText read = readIpaWord(arguments.word, side, session.ipaAlphabets());
        if (read.refusal)
            return fail(ipaRefusalMessage(*read.refusal));
        word = read.keyboard;
    }
    if (!word)
        return fail("the word \"" + arguments.word +
                    "\" holds a character that Windows-1252 cannot hold.");
    if (word->size() > static_cast<std::size_t>(maxTypedLength))
        return fail("Maximum word length is 20.");
    return *word;
}

int run(const std::vector<std::string>& argumentList, Streams& streams) {
    const auto arguments = parseArguments(argumentList);
    if (!arguments) {
        streams.err(usage);
        return exitBadInput;
    }
    if (arguments->help) {
        streams.out(QByteArray(usage) + optionHelp);
        return 0;
    }
    if (arguments->version) {
        streams.out("tarnel-batch " TARNEL_VERSION "\n");
        return 0;
    }
    Session session(pathOf(arguments->modelPath).parent_path());
    session.setTextNormaliser(composeNfc);
    if (arguments->jobs != 0)
        session.setJobs(arguments->jobs); // before the load, which uses the threads too
    const auto opened = session.openFile(pathOf(arguments->modelPath));
    if (!opened) {
        streams.err(errorLine(cp1252ToUtf8(opened.message())));
        return exitBadInput;
    }
    const auto word = typedWord(session, *arguments);
    if (!word) {
        streams.err(errorLine(word.message()));
        return exitBadInput;
    }
    // JSON output carries them among its messages; that of --check holds its problems alone.
    if (!arguments->json || arguments->command == Command::Check)
        streams.err(messagesText(*opened));
    switch (arguments->command) {
    case Command::Resave:
        return resave(session, *arguments, streams);
    case Command::ImportVocabulary:
        return importVocabulary(session, *arguments, streams);
    case Command::ExportVocabulary:
        return exportVocabulary(session, *arguments, streams);
    case Command::Check:
        return check(session, *arguments, streams);
    case Command::RuleWords:
        return ruleWords(session, *arguments, streams);
    case Command::Derive:
    case Command::Reflex:
        return derive(session, *arguments, *word, *opened, streams);
    case Command::Batch:
        break;
    }
    return batch(session, *arguments, *opened, streams);
}

} // namespace

int main(int argc, char* argv[]) {
    Streams streams;
    const int status = run(std::vector<std::string>(argv + 1, argv + argc), streams);
    if (const int error = streams.finish()) {
        streams.err(errorLine(std::string("the output could not be written: ") +
                              std::strerror(error) + "."));
        return status == 0 ? exitFailure : status;
    }
    return status;
}
