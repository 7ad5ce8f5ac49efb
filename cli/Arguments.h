#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tarnel::cli {

enum class Command { Batch, Derive, Reflex, Resave };

// What the command line asks for.
struct Arguments {
    Command command = Command::Batch;
    bool json = false;
    std::string word;       // --derive / --reflex: UTF-8, as typed
    std::string outputPath; // --resave
    std::string modelPath;
    int jobs = 0; // --jobs: threads of a batch run; 0 for every core
};

// No value when the arguments do not fit any form of the usage.
std::optional<Arguments> parseArguments(const std::vector<std::string>& arguments);

inline constexpr const char* usage =
    "usage: tarnel-batch [--json] [--jobs N] MODEL.tnl      batch run over the Vocabulary,\n"
    "                                                       on N threads (default: every core)\n"
    "       tarnel-batch [--json] --derive WORD MODEL.tnl   diachronic derivation of WORD\n"
    "       tarnel-batch [--json] --reflex WORD MODEL.tnl   reflex interpretation of WORD\n"
    "       tarnel-batch --resave OUT.tnl MODEL.tnl         load MODEL, save it to OUT\n";

} // namespace tarnel::cli
