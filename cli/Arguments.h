// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tarnel::cli {

enum class Command {
    Batch,
    Derive,
    Reflex,
    Resave,
    ImportVocabulary,
    ExportVocabulary,
    RuleWords,
    Check
};

// What the command line asks for.
struct Arguments {
    Command command = Command::Batch;
    bool help = false;
    bool version = false;
    bool json = false;
    std::string word;       // --derive / --reflex: UTF-8, as typed
    std::string outputPath; // --resave
    std::string listPath;   // --import-vocabulary / --export-vocabulary
    std::string entryName;  // --rule-words: UTF-8, as typed
    std::string modelPath;
    int jobs = 0;             // --jobs: threads of a batch run; 0 for every core
    std::string baselinePath; // --baseline: an earlier --json output to compare with
    bool impact = false;      // --impact
    bool diagnose = false;    // --diagnose
    bool suggest = false;     // --suggest
    std::string csvPath;      // --csv: the Items table
    // --header / --no-header: the word list's first row names the columns, or is an item;
    // without either, it is a header when it is no valid item or reads "etymon", "reflex"
    std::optional<bool> firstRowIsHeader;
    // --ipa: WORD of --derive and --reflex, and the columns of the word list, are IPA
    bool ipa = false;
};

// No value when the arguments do not fit any form of the usage.
std::optional<Arguments> parseArguments(const std::vector<std::string>& arguments);

inline constexpr const char* usage =
    "usage: tarnel-batch [--json] [--jobs N] [--baseline OLD.json] [--impact] [--diagnose]\n"
    "                    [--suggest] [--csv FILE]\n"
    "                    MODEL.tnl                          batch run over the Vocabulary\n"
    "       tarnel-batch [--json] [--ipa] --derive WORD MODEL.tnl\n"
    "                                                       diachronic derivation of WORD\n"
    "       tarnel-batch [--json] [--ipa] --reflex WORD MODEL.tnl\n"
    "                                                       reflex interpretation of WORD\n"
    "       tarnel-batch --resave OUT.tnl MODEL.tnl         load MODEL, save it to OUT\n"
    "       tarnel-batch --import-vocabulary LIST [--header | --no-header] [--ipa]\n"
    "                    MODEL.tnl --resave OUT.tnl         add a word list, save to OUT\n"
    "       tarnel-batch --export-vocabulary FILE MODEL.tnl write the Vocabulary to FILE\n"
    "       tarnel-batch [--json] [--jobs N] --rule-words NAME MODEL.tnl\n"
    "                    the items order entry NAME changed in a batch run\n"
    "       tarnel-batch [--json] --check MODEL.tnl         list the model file's problems\n"
    "       tarnel-batch --help                             print this help\n"
    "       tarnel-batch --version                          print the version\n";

// What --help prints after the usage: one entry per option.
inline constexpr const char* optionHelp =
    "\n"
    "options:\n"
    "  --json            print one JSON object instead of text (not with --resave)\n"
    "  --jobs N          make a batch run on N threads (1 to 1024; default: every core)\n"
    "  --baseline OLD.json\n"
    "                    compare the batch run with an earlier --json output of it\n"
    "  --impact          measure what masking each Diachronic entry alone would do\n"
    "  --diagnose        find for each Bad item the single edits of the Diachronic Order\n"
    "                    (mask, unmask, move, persistence) that make it Good\n"
    "  --suggest         suggest new rules for the Bad items that lack a change, grouped by\n"
    "                    the change they need: for each group the three best rules, with\n"
    "                    the place in the Diachronic Order each goes before and the items\n"
    "                    it fixes and breaks\n"
    "  --csv FILE        write the batch run's Items table to FILE as CSV\n"
    "  --derive WORD     derive the etymon WORD, printing every stage\n"
    "  --reflex WORD     interpret the reflex WORD, printing its stages\n"
    "  --resave OUT.tnl  load the model and save it to OUT.tnl\n"
    "  --import-vocabulary LIST\n"
    "                    add the items of a TSV or CSV word list to the Vocabulary (with\n"
    "                    --resave OUT.tnl); refused rows are listed on stderr and left out\n"
    "  --header, --no-header\n"
    "                    with --import-vocabulary: the list's first row names the columns,\n"
    "                    or is an item (default: a header when it is no valid item or\n"
    "                    reads etymon, reflex)\n"
    "  --ipa             with --derive, --reflex and --import-vocabulary: WORD and the\n"
    "                    list's two columns are IPA (Unicode), each symbol taken as the\n"
    "                    alphabet character whose feature values show as it\n"
    "  --export-vocabulary FILE\n"
    "                    write the Vocabulary to FILE, as CSV when its name ends in .csv,\n"
    "                    else as TSV (UTF-8, a header row)\n"
    "  --rule-words NAME make a batch run and list the items whose word the order entry\n"
    "                    NAME changed, with the word before and after its change\n"
    "  --check           list what in the model file will not work as it reads, one problem\n"
    "                    a line with what the program does with it (nothing for a clean\n"
    "                    file); exit status 0 whatever is found\n"
    "  --help            print this help and exit\n"
    "  --version         print the version of tarnel-batch and exit\n"
    "  --                end the options; the model file follows\n"
    "\n"
    "WORD is UTF-8 and must fit Windows-1252 (without --ipa). Exit status: 0 when the run\n"
    "was made, 1 when a file could not be written or the output was lost, 2 for bad\n"
    "arguments, an unreadable model, word list or baseline, or an unusable word.\n";

} // namespace tarnel::cli
