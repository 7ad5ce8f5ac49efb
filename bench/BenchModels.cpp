// SPDX-License-Identifier: GPL-3.0-or-later
#include "BenchModels.h"

#include "core/Alphabet.h"
#include "model/ModelFile.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <random>
#include <string_view>
#include <vector>

namespace tarnel::bench {

namespace {

using Lines = std::vector<std::string>;

std::string cycled(const std::vector<std::string>& names, int i) {
    return names[static_cast<std::size_t>(i) % names.size()];
}

const std::vector<std::string> fewFeatures = {"voice", "nas",   "cont", "high",
                                              "back",  "round", "low",  "stress"};
const std::vector<std::string> manyFeatures = {"voice", "nas", "cont",   "high",  "back",
                                               "round", "low", "stress", "tense", "long",
                                               "asp",   "lat", "front",  "strid", "distr"};

// Conditions narrow as a linguist's are: a segment and its neighbourhood.
Lines ifLines(int i, const std::vector<std::string>& features) {
    const std::string f = cycled(features, i);
    const std::string g = cycled(features, i / 8 + 1);
    switch (i % 4) {
    case 0:
        return {"+syll (*) -" + f + " (*) +cons (*+1) +" + g + " (*+1)"};
    case 1:
        return {"B and C", "-syll (*) +" + f + " (*) +syll (*-1)", g + " (*) <> " + g + " (*+1)"};
    case 2:
        return {"B or C", "+syll (*-1) -syll (*) +" + g + " (*) +syll (*+1) -" + f + " (*+1)",
                "COUNT -syll (*-1) (*+1) = 3"};
    default:
        return {"COUNT -syll (*) (*+2) = 3"};
    }
}

std::string everyTypeThenLine(int i) {
    const std::string f = cycled(fewFeatures, i + 3);
    switch (i % 5) {
    case 0:
        return "+" + f + " (*) -back (*)";
    case 1:
        return f + " (*) = " + f + " (*-1)";
    case 2:
        return "DELETE (*+1)";
    case 3:
        return "SWAP (*) (*+1)";
    default:
        return "INSERT e (*+1)";
    }
}

std::string lengthKeepingThenLine(int i) {
    const std::string f = cycled(manyFeatures, i + 3);
    switch (i % 4) {
    case 0:
        return "+" + f + " (*) -back (*)";
    case 1:
        return f + " (*) = " + f + " (*-1)";
    case 2:
        return "SWAP (*) (*+1)";
    default:
        return "INSERT e (*)";
    }
}

Lines rule(const std::string& name, const Lines& ifs, const std::string& change) {
    Lines lines{name + " \xAB...\xBB"};
    for (std::size_t k = 0; k < ifs.size(); ++k)
        lines.push_back(std::string(1, static_cast<char>('A' + k)) + ":  " + ifs[k] + " \xAB\xBB");
    lines.push_back("1:  " + change + " \xAB\xBB");
    lines.push_back("2:  -mark (*) \xAB\xBB");
    lines.push_back("END:  " + name);
    return lines;
}

std::string randomWord(std::mt19937& random) {
    static constexpr std::string_view letters = "ptkbdgmnslraeiou";
    std::uniform_int_distribution<int> length(4, 12);
    std::uniform_int_distribution<std::size_t> letter(0, letters.size() - 1);
    std::string word;
    for (int n = length(random); n > 0; --n)
        word += letters[letter(random)];
    return word;
}

void addDiachronicRule(Model& model, const std::string& name, Lines lines, bool persistent) {
    model.lst1Rule.push_back(std::move(lines));
    model.lstSupply.push_back(name);
    model.lstDiacOrd.push_back(name);
    model.lstM.push_back("");
    model.lstP.push_back(persistent ? "P" : "");
}

void addVocabulary(Model& model, int itemCount, unsigned seed) {
    std::mt19937 random(seed);
    for (int i = 0; i < itemCount; ++i)
        model.lstVocab.push_back(randomWord(random) + "  " + randomWord(random));
}

Model modelWithAlphabets() {
    Model model;
    model.modelName = "bench";
    createAlphabets(model.lstCol, model.lstColR);
    return model;
}

} // namespace

Model everyLineTypeModel() {
    Model model = modelWithAlphabets();
    for (int i = 0; i < 150; ++i) {
        const std::string name = "RULE_" + std::to_string(i);
        addDiachronicRule(model, name, rule(name, ifLines(i, fewFeatures), everyTypeThenLine(i)),
                          i % 5 == 0);
    }
    model.lstEtyOrd = {"RULE_1", "RULE_3"};
    model.lstReflOrd = {"RULE_5", "RULE_8"};
    addVocabulary(model, 10'000, 1234);
    return model;
}

Model lengthKeepingModel() {
    Model model = modelWithAlphabets();
    for (int i = 0; i < 746; ++i) {
        const std::string name = "KEEP_" + std::to_string(i);
        addDiachronicRule(model, name,
                          rule(name, ifLines(i, manyFeatures), lengthKeepingThenLine(i)), false);
    }
    model.lstEtyOrd = {"KEEP_1"};
    model.lstReflOrd = {"KEEP_5"};
    addVocabulary(model, 1'378, 746);
    return model;
}

Model manyRulesModel(int ruleCount) {
    Model model = modelWithAlphabets();
    for (int i = 0; i < ruleCount; ++i) {
        const std::string name = "R" + std::to_string(i);
        addDiachronicRule(model, name,
                          rule(name, ifLines(i, manyFeatures), lengthKeepingThenLine(i)),
                          i % 5 == 0);
    }
    return model;
}

std::string vocabularyFile(int itemCount, ItemOrder order) {
    std::vector<int> numbers(static_cast<std::size_t>(itemCount));
    std::iota(numbers.begin(), numbers.end(), 0);
    if (order == ItemOrder::Reversed)
        std::reverse(numbers.begin(), numbers.end());
    else if (order == ItemOrder::Shuffled)
        std::shuffle(numbers.begin(), numbers.end(), std::mt19937(100));
    Model model = modelWithAlphabets();
    for (const int i : numbers) {
        std::string etymon = "pa000000"; // six letters "a".."j" for the digits of i
        for (int n = i, k = 7; k >= 2; n /= 10, --k)
            etymon[static_cast<std::size_t>(k)] = static_cast<char>('a' + n % 10);
        model.lstVocab.push_back(etymon + "  pe");
    }
    return modelFileText(model);
}

long long applicationsPerItem(const Model& model) {
    return static_cast<long long>(model.lstEtyOrd.size() + model.lstDiacOrd.size() +
                                  model.lstReflOrd.size());
}

std::string sharedModelPath(const char* name) {
    return std::string(TARNEL_SHARED_MODELS) + "/" + name;
}

std::string missingSharedModel(const char* name) {
    return "skipped: no " + sharedModelPath(name) +
           " (configure with -DTARNEL_SHARED_MODELS=FOLDER to run it)";
}

} // namespace tarnel::bench
