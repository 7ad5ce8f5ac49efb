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
    if (positional.size() != 1 || (result.json && result.command == Command::Resave))
        return std::nullopt;
    result.modelPath = positional.front();
    return result;
}

} // namespace tarnel::cli
