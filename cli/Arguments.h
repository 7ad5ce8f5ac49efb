#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tarnel::cli {

enum class Command { Batch, Derive, Reflex, Resave };

// What the command line asks for.
struct Arguments {
    Command command = Command::Batch;
    bool help = false;
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
    "       tarnel-batch --resave OUT.tnl MODEL.tnl         load MODEL, save it to OUT\n"
    "       tarnel-batch --help                             print this help\n";

// What --help prints after the usage: one entry per option.
inline constexpr const char* optionHelp =
    "\n"
    "options:\n"
    "  --json            print one JSON object instead of text (not with --resave)\n"
    "  --jobs N          make a batch run on N threads (1 to 1024; default: every core)\n"
    "  --derive WORD     derive the etymon WORD, printing every stage\n"
    "  --reflex WORD     interpret the reflex WORD, printing its stages\n"
    "  --resave OUT.tnl  load the model and save it to OUT.tnl\n"
    "  --help            print this help and exit\n"
    "  --                end the options; the model file follows\n"
    "\n"
    "WORD is UTF-8 and must fit Windows-1252. Exit status: 0 when the run was made,\n"
    "1 when the save failed, 2 for bad arguments, an unreadable model or an unusable word.\n";

} // namespace tarnel::cli
