// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Alphabet.h"
#include "model/Model.h"

#include <random>
#include <string>
#include <vector>

namespace tarnel::test {

// Random models for comparing two engines: rules that are well formed often enough to change
// words at many foci (inserting, deleting, swapping, marking, persistent), orders with masked,
// persistent and unknown entries, alphabets with letters missing, and Vocabulary words of any
// length up to 22 characters.
class RandomModel {
public:
    explicit RandomModel(unsigned seed) : random_(seed) {}

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    Model model() {
        pseudoFeatures_ = below(4) == 0 ? 3 : 8;
        Model model;
        createAlphabets(model.lstCol, model.lstColR);
        dropLetters(model.lstCol);
        dropLetters(model.lstColR);
        const int rules = 1 + below(7);
        for (int i = 0; i < rules; ++i)
            model.lst1Rule.push_back(rule("R" + std::to_string(i)));
        for (int i = below(11); i > 0; --i) {
            model.lstDiacOrd.push_back((below(6) == 0 ? "-" : "") + ruleName(rules));
            model.lstP.push_back(below(3) == 0 ? "P" : "");
        }
        for (int i = below(3); i > 0; --i)
            model.lstEtyOrd.push_back(ruleName(rules));
        for (int i = below(3); i > 0; --i)
            model.lstReflOrd.push_back(ruleName(rules));
        for (int i = below(14); i > 0; --i)
            model.lstVocab.push_back(word() + (below(8) == 0 ? " " : "  ") + word());
        return model;
    }

    // Mostly letters of the default alphabets; now and then a character none of them holds.
    std::string word() {
        std::string text;
        const int length = below(10) == 0 ? below(23) : 2 + below(8);
        for (int i = 0; i < length; ++i)
            text += below(80) == 0 ? pick({"A", "#", "\xE9"})
                                   : pick({"a", "e", "i", "o", "u", "p", "t", "k", "b", "d", "m",
                                           "n", "s", "l", "r", "w", "y"});
        return text;
    }

private:
    std::string pick(const std::vector<std::string>& options) {
        return options[static_cast<std::size_t>(below(static_cast<int>(options.size())))];
    }

    std::string ruleName(int rules) {
        return below(12) == 0 ? "NONE" : "R" + std::to_string(below(rules));
    }

    void dropLetters(Alphabet& alphabet) {
        for (int i = below(8) == 0 ? 1 + below(3) : 0; i > 0; --i)
            alphabet.erase(alphabet.begin() + below(static_cast<int>(alphabet.size())));
    }

    std::vector<std::string> rule(const std::string& name) {
        std::vector<std::string> lines{name + " \xAB...\xBB"};
        const int ifs = below(10) == 0 ? 0 : 1 + below(3);
        for (int i = 0; i < ifs; ++i)
            lines.push_back(std::string(1, static_cast<char>('A' + i)) + ":  " + ifBody(i, ifs) +
                            " \xAB\xBB");
        for (int i = below(8) == 0 ? 0 : 1 + below(3); i > 0; --i)
            lines.push_back(std::to_string(lines.size() - static_cast<std::size_t>(ifs)) + ":  " +
                            thenBody() + " \xAB\xBB");
        lines.push_back("END:  " + name);
        return lines;
    }

    // Now and then a model that uses the pseudo-features "mark", "segment" and "all" a lot.
    std::string feature() {
        if (below(pseudoFeatures_) == 0)
            return pick({"mark", "segment", "all", "mark", "segment", "all", "bogus", "stress"});
        return pick({"syll", "cons", "high", "low", "back", "front", "voice", "nas", "obstr",
                     "round", "cont"});
    }

    std::string location() {
        if (below(3) != 0)
            return pick({"(*)", "(*)", "(*+1)", "(*-1)", "(*+2)", "(*-2)"});
        return pick(
            {"(1)", "(2)", "(-1)", "(-2)", "(0)", "(+cons)", "(*+12)", "(99)", "(-30)", "(*+25)"});
    }

    std::string sign() { return below(2) == 0 ? "+" : "-"; }

    std::string units(int count) {
        std::string text;
        for (int i = 0; i < count; ++i)
            text += (i == 0 ? "" : " ") + sign() + feature() + " " + location();
        return text;
    }

    std::string relative() {
        const std::string first = below(8) == 0 ? "all" : feature();
        return first + " " + location() + " " + pick({"=", "=", "<>", ">"}) + " " + feature() +
               " " + location();
    }

    std::string label(int line, int count) {
        if (below(10) == 0)
            return pick({"A", "Z", "?"});
        return std::string(
            1, static_cast<char>('A' + line + 1 + below(std::max(1, count - line - 1))));
    }

    // Line `line` (A = 0) of `count` if-lines; a Branching line names later lines.
    std::string ifBody(int line, int count) {
        switch (line + 1 < count && below(2) == 0 ? 3 : below(3)) {
        case 0:
            return units(below(3) == 0 ? 1 + below(3) : 1);
        case 1:
            return relative();
        case 2:
            return "COUNT " + sign() + feature() + " " + location() + " " + location() + " " +
                   pick({"=", ">", "<", "<>"}) + " " +
                   pick({"0", "1", "2", "3", "0", "1", "2", "-1", "21", "32", "99"});
        default:
            return label(line, count) + pick({" and ", " or ", " an "}) + label(line, count);
        }
    }

    std::string thenBody() {
        switch (below(7)) {
        case 0:
        case 1:
            return units(1 + below(2));
        case 2:
            return relative();
        case 3:
            return "DELETE " + location();
        case 4:
            return "SWAP " + location() + " " + location();
        default:
            return "INSERT " + pick({"a", "e", "i", "p", "t", "~"}) + " " +
                   (below(12) == 0 ? "(-2)" : location());
        }
    }

    std::mt19937 random_;
    int pseudoFeatures_ = 8;
};

} // namespace tarnel::test
