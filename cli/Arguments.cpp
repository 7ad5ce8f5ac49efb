// SPDX-License-Identifier: GPL-3.0-or-later
#include "Arguments.h"

namespace tarnel::cli {

namespace {

// A thread count: a whole number from 1 to 1024, digits only.
std::optional<int> jobsValue(const std::string& text) {
    if (text.empty() || text.size() > 4 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const int jobs = std::stoi(text);
    return jobs >= 1 && jobs <= 1024 ? std::optional<int>(jobs) : std::nullopt;
}

// The option that takes a value and where its value goes; the command it names, if any.
struct ValueOption {
    const char* name;
    std::string Arguments::*value;
    std::optional<Command> command;
};

const ValueOption valueOptions[] = {
    {"--derive", &Arguments::word, Command::Derive},
    {"--reflex", &Arguments::word, Command::Reflex},
    {"--resave", &Arguments::outputPath, std::nullopt},
    {"--import-vocabulary", &Arguments::listPath, Command::ImportVocabulary},
    {"--export-vocabulary", &Arguments::listPath, Command::ExportVocabulary},
    {"--rule-words", &Arguments::entryName, Command::RuleWords},
    {"--baseline", &Arguments::baselinePath, std::nullopt},
    {"--csv", &Arguments::csvPath, std::nullopt},
};

const ValueOption* valueOption(const std::string& argument) {
    for (const ValueOption& option : valueOptions)
        if (argument == option.name)
            return &option;
    return nullptr;
}

// The forms of the usage: which options go with which command.
bool fits(const Arguments& a, bool resave) {
    const bool batchOptions = a.jobs != 0 || !a.baselinePath.empty() || a.impact || a.diagnose ||
                              a.suggest || !a.csvPath.empty();
    switch (a.command) {
    case Command::Batch:
        return !resave && !a.firstRowIsHeader && !a.ipa;
    case Command::Derive:
    case Command::Reflex:
        return !resave && !batchOptions && !a.firstRowIsHeader;
    case Command::Check:
    case Command::ExportVocabulary:
        return !resave && !batchOptions && !a.firstRowIsHeader && !a.ipa &&
               (a.command != Command::ExportVocabulary || !a.json);
    case Command::RuleWords:
        return !resave && !a.firstRowIsHeader && !a.ipa && !a.diagnose && !a.suggest &&
               a.baselinePath.empty() && !a.impact && a.csvPath.empty();
    case Command::Resave:
        return !a.json && !batchOptions && !a.firstRowIsHeader && !a.ipa;
    case Command::ImportVocabulary:
        return resave && !a.json && !batchOptions;
    }
    return false;
}

} // namespace

std::optional<Arguments> parseArguments(const std::vector<std::string>& arguments) {
    Arguments result;
    bool commandGiven = false;
    bool resave = false;
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "--version") {
            (argument == "--help" ? result.help : result.version) = true;
            return result;
        }
        if (argument == "--json" && !result.json) {
            result.json = true;
        } else if (argument == "--impact" && !result.impact) {
            result.impact = true;
        } else if (argument == "--check" && !commandGiven) {
            commandGiven = true;
            result.command = Command::Check;
        } else if (argument == "--ipa" && !result.ipa) {
            result.ipa = true;
        } else if (argument == "--diagnose" && !result.diagnose) {
            result.diagnose = true;
        } else if (argument == "--suggest" && !result.suggest) {
            result.suggest = true;
        } else if ((argument == "--header" || argument == "--no-header") &&
                   !result.firstRowIsHeader) {
            result.firstRowIsHeader = argument == "--header";
        } else if (argument == "--jobs" && result.jobs == 0) {
            const auto jobs = i + 1 < arguments.size() ? jobsValue(arguments[++i]) : std::nullopt;
            if (!jobs)
                return std::nullopt;
            result.jobs = *jobs;
        } else if (const ValueOption* option = valueOption(argument)) {
            std::string& value = result.*(option->value);
            const bool isResave = option->value == &Arguments::outputPath;
            if (i + 1 == arguments.size() || (option->command && commandGiven) ||
                (isResave && resave) || (!option->command && !isResave && !value.empty()))
                return std::nullopt;
            value = arguments[++i];
            if (option->command) {
                commandGiven = true;
                result.command = *option->command;
            }
            resave = resave || isResave;
        } else if (argument == "--") {
            positional.insert(positional.end(), arguments.begin() + i + 1, arguments.end());
            break;
        } else if (argument.starts_with("-")) {
            return std::nullopt;
        } else {
            positional.push_back(argument);
        }
    }
    if (resave && !commandGiven)
        result.command = Command::Resave;
    if (positional.size() != 1 || !fits(result, resave))
        return std::nullopt;
    result.modelPath = positional.front();
    return result;
}

} // namespace tarnel::cli
