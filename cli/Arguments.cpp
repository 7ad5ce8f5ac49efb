#include "Arguments.h"

namespace tarnel::cli {

namespace {

// The command an option names, with its value stored where it belongs.
std::optional<Command> commandOption(const std::string& option) {
    if (option == "--derive")
        return Command::Derive;
    if (option == "--reflex")
        return Command::Reflex;
    if (option == "--resave")
        return Command::Resave;
    return std::nullopt;
}

// A thread count: a whole number from 1 to 1024, digits only.
std::optional<int> jobsValue(const std::string& text) {
    if (text.empty() || text.size() > 4 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const int jobs = std::stoi(text);
    return jobs >= 1 && jobs <= 1024 ? std::optional<int>(jobs) : std::nullopt;
}

} // namespace

std::optional<Arguments> parseArguments(const std::vector<std::string>& arguments) {
    Arguments result;
    bool commandGiven = false;
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help") {
            result.help = true;
            return result;
        }
        if (argument == "--json" && !result.json) {
            result.json = true;
        } else if (argument == "--jobs" && result.jobs == 0) {
            const auto jobs = i + 1 < arguments.size() ? jobsValue(arguments[++i]) : std::nullopt;
            if (!jobs)
                return std::nullopt;
            result.jobs = *jobs;
        } else if (const auto command = commandOption(argument)) {
            if (commandGiven || i + 1 == arguments.size())
                return std::nullopt;
            commandGiven = true;
            result.command = *command;
            (*command == Command::Resave ? result.outputPath : result.word) = arguments[++i];
        } else if (argument == "--") {
            positional.insert(positional.end(), arguments.begin() + i + 1, arguments.end());
            break;
        } else if (argument.starts_with("-")) {
            return std::nullopt;
        } else {
            positional.push_back(argument);
        }
    }
    if (positional.size() != 1 || (result.json && result.command == Command::Resave) ||
        (result.jobs != 0 && result.command != Command::Batch))
        return std::nullopt;
    result.modelPath = positional.front();
    return result;
}

} // namespace tarnel::cli
