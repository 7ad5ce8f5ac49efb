// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the seed corpora of the fuzz targets:
//   fuzz_seeds OUTPUT MODEL.tnl...
// OUTPUT/model/ gets each model file given, a small model made of the first rules and
// words of each, and a set of generated models, hand-edited forms included; OUTPUT/rules/
// gets each of their rules alone and their first rules together as a Rules section, for the
// targets that read rule text, and OUTPUT/editor/ those again after a first byte that picks
// an editing operation, each operation in turn. Small seeds keep the targets fast.

#include "RulesModel.h"
#include "model/RuleName.h"
#include "support/Files.h"

#include <algorithm>
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>
#include <vector>

using namespace tarnel;
namespace fs = std::filesystem;

namespace {

constexpr int generatedModels = 24;
constexpr std::size_t smallModelRules = 3;
constexpr std::size_t smallModelWords = 8;
constexpr int editingOperations = 19; // as the rule editor target numbers them

const char* const names[] = {"Raise", "raising", "2nd_x", "Lenition", "R1", "A_B", "Umlaut"};
const char* const bodies[][2] = {
    {"A:  +syll (*) -high (*)", "1:  +high (*)"},
    {"A:  cons (*) = cons (*+1)", "1:  DELETE (*)"},
    {"A:  B and C\r\nB:  -syll (*)\r\nC:  +syll (*-1) +syll (*+1)", "1:  +voice (*)"},
    {"A:  COUNT +syll (*) (*+2) > 1", "1:  INSERT a (*)"},
    {"A:  -cons (*)", "1:  SWAP (*) (*+1)\r\n2:  -long (*-1)"},
    {"A:  back (*) <> back all", "1:  +round (*) \xAB"
                                 "a comment\xBB"},
    {"A:  +nas (*+1) -syll (*)", "1:  +nas (*)"}};

void writeFile(const fs::path& path, std::string_view text) {
    std::ofstream(path, std::ios::binary) << text;
}

// A model as a hand might have written it: rule names of every kind, line numbers,
// pilcrows, masks and comments in the orders, notes holding marks, a few words.
std::string generatedModel(std::mt19937& random) {
    const auto pick = [&random](int n) { return static_cast<int>(random() % n); };
    std::string rules, diachronic, etymon;
    const int ruleCount = 1 + pick(6);
    for (int i = 0; i < ruleCount; ++i) {
        const std::string name = names[pick(7)] + std::to_string(i);
        const auto& body = bodies[pick(7)];
        rules += name + (pick(2) ? " \xAB...\xBB" : "") + "\r\n" + body[0] + "\r\n" + body[1] +
                 "\r\nEND:  " + name + "\r\n\r\n";
        diachronic += (pick(2) ? std::to_string(i + 1) + ": " : "") + (pick(3) ? "" : "\xB6 ") +
                      (pick(4) ? "" : "-") + name + (pick(3) ? "" : " \253c\273") + "\r\n";
        if (pick(2))
            etymon += std::to_string(i) + " " + name + "\r\n";
    }
    Alphabet etymonAlphabet, reflexAlphabet;
    createAlphabets(etymonAlphabet, reflexAlphabet);
    std::string alphabet, vocabulary;
    for (int i = 0; i < 6 + pick(10); ++i)
        alphabet += etymonAlphabet[static_cast<std::size_t>(pick(26))] + "\r\n";
    for (int i = 0; i < pick(6); ++i)
        vocabulary += std::string("pata  pada\r\nsiki  sigi\r\n").substr(0, 12 * (1 + pick(2)));
    const auto section = [](int number, const std::string& name, const std::string& body) {
        return "\xA7" + std::to_string(number) + "_START:" + name + "\r\n\r\n" + body + "\r\n\xA7" +
               std::to_string(number + 1) + "_END:" + name + "\r\n\r\n";
    };
    std::string text =
        std::string("***\r\n\xA7") + "1_NAME:gen\r\n\r\n" +
        section(2, "Notes",
                "Notes \xA7 \xB6 " + std::to_string(pick(100)) + "\r\nsecond line\r\n") +
        section(4, "Rules", rules) + section(6, "Diachronic_Order", diachronic) +
        section(8, "Etymon_Order", etymon) + section(10, "Reflex_Order", "") +
        section(12, "Etymon_Alphabet", alphabet) + section(14, "Reflex_Alphabet", alphabet) +
        section(16, "Vocabulary", vocabulary);
    text.resize(text.size() - 2); // one line break after the last section
    return text;
}

// The first rules of `model`, with the order entries naming them, and its first words.
Model smallModel(Model model) {
    model.lst1Rule.resize(std::min(model.lst1Rule.size(), smallModelRules));
    model.lstSupply.clear();
    for (const auto& rule : model.lst1Rule)
        model.lstSupply.emplace_back(ruleName(rule));
    const auto named = [&model](const std::string& entry) {
        return std::ranges::find(model.lstSupply, orderEntry(entry).rule) != model.lstSupply.end();
    };
    for (auto* list : {&model.lstEtyOrd, &model.lstReflOrd})
        std::erase_if(*list, [&](const std::string& e) { return !named(e); });
    for (std::size_t i = model.lstDiacOrd.size(); i-- > 0;)
        if (!named(model.lstDiacOrd[i]))
            for (auto* list : {&model.lstDiacOrd, &model.lstM, &model.lstP})
                list->erase(list->begin() + static_cast<std::ptrdiff_t>(i));
    model.lstVocab.resize(std::min(model.lstVocab.size(), smallModelWords));
    return model;
}

// Each rule alone, and the first rules together.
std::vector<std::string> ruleSeeds(const Model& model) {
    std::vector<std::string> seeds;
    Model one;
    for (const auto& rule : model.lst1Rule) {
        one.lst1Rule = {rule};
        one.lstSupply = {std::string(ruleName(rule))};
        seeds.push_back(fuzz::rulesSectionOf(one));
    }
    seeds.push_back(fuzz::rulesSectionOf(smallModel(model)));
    return seeds;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::cerr << "usage: fuzz_seeds OUTPUT MODEL.tnl...\n";
        return 2;
    }
    const fs::path output = argv[1];
    for (const char* folder : {"model", "rules", "editor"})
        fs::create_directories(output / folder);
    std::vector<std::string> models;
    for (int i = 2; i < argc; ++i) {
        models.push_back(test::fileBytes(argv[i]));
        if (const Result<LoadedModel> read = readModelText(models.back(), "seed"); read)
            models.push_back(modelFileText(smallModel(read->model)));
    }
    std::mt19937 random(1311);
    for (int i = 0; i < generatedModels; ++i)
        models.push_back(generatedModel(random));
    std::vector<std::string> rules;
    for (const std::string& text : models)
        if (const Result<LoadedModel> read = readModelText(text, "seed"); read)
            std::ranges::copy(ruleSeeds(read->model), std::back_inserter(rules));
    for (std::size_t i = 0; i < models.size(); ++i)
        writeFile(output / "model" / ("seed-" + std::to_string(i)), models[i]);
    for (std::size_t i = 0; i < rules.size(); ++i) {
        const std::string name = "seed-" + std::to_string(i);
        writeFile(output / "rules" / name, rules[i]);
        writeFile(output / "editor" / name, static_cast<char>(i % editingOperations) + rules[i]);
    }
    return 0;
}
