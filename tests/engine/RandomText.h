// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Alphabet.h"
#include "model/Model.h"

#include <algorithm>
#include <map>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace tarnel::test {

// Rule text as a damaged, hand-edited model file may hold it: random heads, bodies and
// comments, some lines cut, doubled or garbled, any byte now and then.
class RandomText {
public:
    explicit RandomText(unsigned seed = 20260) : random_(seed) {}

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    // Five such rules, orders of them (some entries masked, persistent or unknown) and a few
    // Vocabulary items.
    Model model() {
        static const std::vector<std::string> names = {"R0", "R1", "ENDING", "R3", "R4"};
        const auto name = [this] { return names[static_cast<std::size_t>(below(5))]; };
        Model model;
        createAlphabets(model.lstCol, model.lstColR);
        for (const std::string& rule : names)
            model.lst1Rule.push_back(this->rule(rule));
        for (int i = below(8); i > 0; --i) {
            model.lstDiacOrd.push_back((below(5) == 0 ? "-" : "") + name());
            model.lstP.push_back(below(3) == 0 ? "P" : "");
        }
        model.lstEtyOrd = {name(), "NONE"};
        model.lstReflOrd = {name()};
        for (int i = below(4); i > 0; --i)
            model.lstVocab.push_back(word() + "  " + word());
        return model;
    }

    // Letters, now and then any byte at all.
    std::string word() {
        std::string text;
        for (int i = below(24); i > 0; --i)
            text += static_cast<char>(below(10) == 0 ? below(256) : 'a' + below(26));
        return text;
    }

    // A rule line is a random head, body and comment; some lines are then damaged.
    std::vector<std::string> rule(const std::string& name) {
        std::vector<std::string> lines{name + expand("%m")};
        for (int i = below(12); i > 0; --i)
            lines.push_back(mangle(expand("%h%B%m")));
        if (below(4) != 0)
            lines.push_back("END:  " + name);
        return lines;
    }

private:
    // One of the '|'-separated options.
    std::string_view pick(std::string_view options) {
        for (auto k = below(static_cast<int>(std::ranges::count(options, '|')) + 1); k > 0; --k)
            options.remove_prefix(options.find('|') + 1);
        return options.substr(0, options.find('|'));
    }

    // "%k" stands for a pick from pools[k] (itself expanded), "%b" for any byte, "%w" for
    // a word.
    std::string expand(std::string_view pattern) {
        std::string text;
        for (std::size_t i = 0; i < pattern.size(); ++i) {
            if (pattern[i] != '%')
                text += pattern[i];
            else if (const char key = pattern[++i]; key == 'b')
                text += static_cast<char>(below(256));
            else if (key == 'w')
                text += word();
            else
                text += expand(pick(pools.at(key)));
        }
        return text;
    }

    // Cuts, drops, doubles or replaces characters at random.
    std::string mangle(std::string text) {
        for (int edits = below(4) == 0 ? below(4) : 0; edits > 0 && !text.empty(); --edits) {
            const std::size_t at = static_cast<std::size_t>(below(static_cast<int>(text.size())));
            const int edit = below(4);
            text.replace(at, edit == 0 ? std::string::npos : 1,
                         edit < 2    ? std::string()
                         : edit == 2 ? std::string(2, text[at])
                                     : std::string(1, static_cast<char>(below(256))));
        }
        return text;
    }

    inline static const std::map<char, std::string_view> pools = {
        {'B', "%u|%u %u %u|%u %u %u %u %u %u %u %u %u %u|%f %l %r %f %l|COUNT %u %l %r %n|%x %c %x|"
              "DELETE %l|SWAP %l %l|INSERT %b %l|INSERT %y %l|%w"},
        {'u', "%s%f %l"},
        {'s', "+|-||x"},
        {'f', "cons|syll|high|low|back|front|obstr|mark|segment|all|bogus|"},
        {'l', "(*)|(*+1)|(*-1)|(*+9)|(*-9)|(1)|(2)|(-1)|(-2)|(0)|(+cons)|(*+99)|(-99)|(99)|(*|*)"},
        {'r', "=|<>|>|<||=="},
        {'n', "-5|-1|0|1|2|3|9|24"},
        {'x', "@|A|B|C|D|Y|Z|[|]"},
        {'c', "and|or|an|"},
        {'y', "a|e|i|m|p|z"},
        {'h', "A:  |1:  |2:  |B:|END||Z:  |1|  |9:  "},
        {'m', "| \xAB...\xBB| \xAB|:x"}};
    std::mt19937 random_;
};

} // namespace tarnel::test
