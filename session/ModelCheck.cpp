// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModelCheck.h"

#include "core/Features.h"
#include "core/Word.h"
#include "engine/Changes.h"
#include "engine/CompiledModel.h" // splitItem
#include "engine/Conditions.h"
#include "engine/RuleText.h"
#include "model/ModelFile.h"
#include "model/OrderEntry.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <unordered_set>
#include <variant>

namespace tarnel {

namespace {

std::string inQuotes(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

// A location as rule text writes it: "(*)", "(*+2)", "(-1)".
std::string shown(Location location) {
    switch (location.kind) {
    case Location::Kind::Focus:
        return "(*)";
    case Location::Kind::Offset:
        return "(*" + std::string(location.value < 0 ? "" : "+") + std::to_string(location.value) +
               ")";
    case Location::Kind::Absolute:
        break;
    }
    return "(" + std::to_string(location.value) + ")";
}

// No word has more than 20 segments, so such a location never names one of them, at any
// focus. Absolute 0, one past the last segment (what the editor's feature locations read
// as), is where it has always been and is left alone.
bool outsideEveryWord(Location location) {
    switch (location.kind) {
    case Location::Kind::Focus:
        return false;
    case Location::Kind::Offset:
        return std::abs(location.value) >= maxTypedLength;
    case Location::Kind::Absolute:
        break;
    }
    return std::abs(location.value) > maxTypedLength;
}

// "x", "x" and "y", "x", "y" and "z".
std::string quotedList(const std::vector<std::string>& texts) {
    std::string list;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (i > 0)
            list += i + 1 == texts.size() ? " and " : ", ";
        list += inQuotes(texts[i]);
    }
    return list;
}

class Checker {
public:
    Checker(const Model& model, const ModelLines& lines) : model_(model), lines_(lines) {
        for (const std::vector<std::string>& rule : model.lst1Rule)
            ruleNames_.insert(ruleName(rule));
    }

    std::vector<ModelProblem> run() {
        for (std::size_t r = 0; r < model_.lst1Rule.size(); ++r)
            checkRule(model_.lst1Rule[r], lineList(lines_.rules, r));
        checkOrder(model_.lstDiacOrd, lines_.diachronicOrder, "Diachronic Order", true);
        checkOrder(model_.lstEtyOrd, lines_.etymonOrder, "Etymon Order", false);
        checkOrder(model_.lstReflOrd, lines_.reflexOrder, "Reflex Order", false);
        checkAlphabet(model_.lstCol, lines_.etymonAlphabet, "Etymon Alphabet");
        checkAlphabet(model_.lstColR, lines_.reflexAlphabet, "Reflex Alphabet");
        checkVocabulary();
        std::stable_sort(
            problems_.begin(), problems_.end(),
            [](const ModelProblem& a, const ModelProblem& b) { return a.line < b.line; });
        return std::move(problems_);
    }

private:
    const Model& model_;
    const ModelLines& lines_;
    std::unordered_set<std::string_view> ruleNames_; // a set: a model may hold 1,000 rules
    std::vector<ModelProblem> problems_;

    static int lineOf(const std::vector<int>& lines, std::size_t i) {
        return i < lines.size() ? lines[i] : 0;
    }
    static const std::vector<int>& lineList(const std::vector<std::vector<int>>& lists,
                                            std::size_t i) {
        static const std::vector<int> none;
        return i < lists.size() ? lists[i] : none;
    }

    void add(int line, std::string text) {
        problems_.push_back({line, "Line " + std::to_string(line) + ": " + std::move(text)});
    }

    // --- Orders ---------------------------------------------------------------------------

    void checkOrder(const std::vector<std::string>& order, const std::vector<int>& lines,
                    const std::string& title, bool diachronic) {
        for (std::size_t i = 0; i < order.size(); ++i) {
            const std::string_view name = diachronic ? orderEntry(order[i]).rule : order[i];
            if (!ruleNames_.contains(name))
                add(lineOf(lines, i), "the " + title + " names " + inQuotes(name) +
                                          ", which is no rule; the entry does nothing.");
        }
    }

    // --- Alphabets ------------------------------------------------------------------------

    // The columns a line gave, taken together: one character and 21 signs is an entry; a
    // line that gave more columns is reported once, its columns not again as second entries.
    void checkAlphabet(const Alphabet& alphabet, const std::vector<int>& lines,
                       const std::string& title) {
        std::array<int, 256> firstColumn{};
        firstColumn.fill(-1);
        for (std::size_t first = 0; first < alphabet.size();) {
            const int line = lineOf(lines, first);
            std::size_t end = first + 1;
            while (end < alphabet.size() && lineOf(lines, end) == line)
                ++end;
            checkAlphabetLine(alphabet, first, end, line, title);
            for (std::size_t c = first; c < end; ++c) {
                int& seen = firstColumn[static_cast<unsigned char>(alphabet[c].front())];
                if (seen < 0)
                    seen = static_cast<int>(c);
                else if (lineOf(lines, static_cast<std::size_t>(seen)) != line)
                    add(line, "a second " + title + " entry for " +
                                  inQuotes(alphabet[c].substr(0, 1)) + "; the first one, on line " +
                                  std::to_string(lineOf(lines, static_cast<std::size_t>(seen))) +
                                  ", is used.");
            }
            first = end;
        }
    }

    void checkAlphabetLine(const Alphabet& alphabet, std::size_t first, std::size_t end, int line,
                           const std::string& title) {
        if (end - first > 1) {
            std::vector<std::string> characters;
            for (std::size_t c = first; c < end; ++c)
                characters.push_back(alphabet[c].substr(0, 1));
            add(line, "the " + title + " line is not one character and 21 signs; it is read as " +
                          std::to_string(end - first) + " entries, for " + quotedList(characters) +
                          ".");
            return;
        }
        const auto signs = static_cast<int>(alphabet[first].size()) - 1;
        if (signs == soundFeatureCount)
            return;
        add(line, "the " + title + " entry " + inQuotes(alphabet[first].substr(0, 1)) + " has " +
                      std::to_string(signs) + (signs == 1 ? " sign" : " signs") + ", not 21; " +
                      (signs < soundFeatureCount ? "the missing ones read as minus."
                                                 : "those after the 21st are not read."));
    }

    // --- Rules ----------------------------------------------------------------------------

    void checkRule(const std::vector<std::string>& rule, const std::vector<int>& lines) {
        const std::string name(ruleName(rule));
        const RuleText text = splitRuleText(rule);
        // The file lines of the bodies, as splitRuleText takes them: every line after the
        // name line but those that begin with "END".
        std::vector<int> bodyLines;
        for (std::size_t i = 1; i < rule.size(); ++i)
            if (!rule[i].starts_with("END"))
                bodyLines.push_back(lineOf(lines, i));
        if (text.thenBodies.empty())
            add(lineOf(lines, 0), "rule " + name + " has no then-line; it changes nothing.");
        const auto ifCount = static_cast<int>(text.ifBodies.size());
        for (int k = 0; k < ifCount; ++k)
            checkIfLine("rule " + name + ", ", text.ifBodies[static_cast<std::size_t>(k)], k + 1,
                        ifCount, lineOf(bodyLines, static_cast<std::size_t>(k)));
        for (std::size_t k = 0; k < text.thenBodies.size(); ++k)
            checkThenLine("rule " + name + ", ", text.thenBodies[k], static_cast<int>(k) + 1,
                          lineOf(bodyLines, static_cast<std::size_t>(ifCount) + k));
    }

    void checkIfLine(const std::string& rule, std::string_view body, int number, int count,
                     int line) {
        const std::string label(1, static_cast<char>('A' + number - 1));
        const IfLine parsed = parseIfLine(body, number, count);
        const auto outside = [&](Location location, std::string_view outcome) {
            if (outsideEveryWord(location))
                add(line, rule + shown(location) + " lies outside the word's 20 positions; " +
                              "line " + label + std::string(outcome));
        };
        if (std::holds_alternative<AbsoluteIf>(parsed)) {
            checkAbsoluteIf(rule, body, label, line);
        } else if (const auto* relative = std::get_if<RelativeLine>(&parsed)) {
            outside(relative->firstLocation, " never holds.");
            outside(relative->secondLocation, " never holds.");
        } else if (const auto* count = std::get_if<CountIf>(&parsed)) {
            outside(count->start, " counts no segment.");
            outside(count->end, " counts no segment.");
        } else {
            checkBranching(rule, body, std::get<BranchingIf>(parsed), label, line);
        }
    }

    // An Absolute if-line reads exactly one digit of an offset ("*+1"), so "(*+12)" there is
    // "(*+1)"; an absolute location beyond the word makes the line false.
    void checkAbsoluteIf(const std::string& rule, std::string_view body, const std::string& label,
                         int line) {
        for (std::string_view text = body; !text.empty();) {
            const UnitText unit = scanUnit(text);
            const Location read = parseAbsoluteIfLocation(unit.location);
            const Location written = parseLocation(unit.location);
            if (written.kind == Location::Kind::Offset && written.value != read.value)
                add(line, rule + "line " + label + " reads " + shown(written) + " as " +
                              shown(read) + "; only one digit of an offset counts there.");
            else if (outsideEveryWord(read))
                add(line, rule + shown(read) + " lies outside the word's 20 positions; line " +
                              label + " never holds.");
            text = unit.rest;
        }
    }

    // The labels as the engine finds them: the first character, and the first character
    // after the blank that follows the conjunction. A label that names no later if-line
    // never holds.
    void checkBranching(const std::string& rule, std::string_view body, const BranchingIf& parsed,
                        const std::string& label, int line) {
        const std::string said = rule + "line " + label + " names ";
        if (body.empty()) {
            add(line, said + "no line; " + label + " never holds.");
            return;
        }
        const std::size_t blank = body.size() > 2 ? body.find(' ', 2) : std::string_view::npos;
        const bool hasRight = blank != std::string_view::npos && blank + 1 < body.size();
        const auto outcome = [&](int other, char otherLabel) {
            return parsed.isAnd || other == 0
                       ? label + " never holds."
                       : label + " holds only where " + std::string(1, otherLabel) + " holds.";
        };
        const char right = hasRight ? body[blank + 1] : '\0';
        if (parsed.left == 0)
            add(line, said + whatLabelNames(body[0], label) + "; " + outcome(parsed.right, right));
        if (parsed.right == 0)
            add(line, said + (hasRight ? whatLabelNames(right, label) : "no second line") + "; " +
                          outcome(parsed.left, body[0]));
    }

    std::string whatLabelNames(char letter, const std::string& label) const {
        if (letter < 'A' || letter > 'Z')
            return inQuotes(std::string(1, letter)) + ", which is no line";
        return "line " + std::string(1, letter) +
               (letter <= label.front() ? ", which does not stand below it"
                                        : ", which does not exist");
    }

    void checkThenLine(const std::string& rule, std::string_view body, int number, int line) {
        const ThenLine parsed = parseThenLine(body);
        const std::string lineDoesNothing = "line " + std::to_string(number) + " changes nothing.";
        const auto outside = [&](Location location, const std::string& outcome) {
            if (outsideEveryWord(location))
                add(line,
                    rule + shown(location) + " lies outside the word's 20 positions; " + outcome);
        };
        if (const auto* absolute = std::get_if<AbsoluteThen>(&parsed)) {
            for (const Unit& unit : absolute->units)
                outside(unit.location, "the unit changes nothing.");
        } else if (const auto* erase = std::get_if<DeleteThen>(&parsed)) {
            outside(erase->location, lineDoesNothing);
        } else if (const auto* swap = std::get_if<SwapThen>(&parsed)) {
            outside(swap->first, lineDoesNothing);
            outside(swap->second, lineDoesNothing);
        } else if (const auto* insert = std::get_if<InsertThen>(&parsed)) {
            outside(insert->location, lineDoesNothing);
        } else {
            const auto& relative = std::get<RelativeLine>(parsed);
            outside(relative.firstLocation, lineDoesNothing);
            outside(relative.secondLocation, lineDoesNothing);
        }
    }

    // --- Vocabulary -----------------------------------------------------------------------

    void checkVocabulary() {
        const auto held = [](const Alphabet& alphabet) {
            std::array<bool, 256> holds{};
            for (const AlphabetColumn& column : alphabet)
                holds[static_cast<unsigned char>(column.front())] = true;
            return holds;
        };
        const std::array<bool, 256> etymon = held(model_.lstCol);
        const std::array<bool, 256> reflex = held(model_.lstColR);
        for (std::size_t i = 0; i < model_.lstVocab.size(); ++i) {
            const std::string& item = model_.lstVocab[i];
            const VocabularyItem words = splitItem(item);
            const int line = lineOf(lines_.vocabulary, i);
            checkWord(item, words.etymon, etymon, "Etymon Alphabet", line);
            checkWord(item, words.reflex, reflex, "Reflex Alphabet", line);
        }
    }

    // Each character the alphabet lacks, once.
    void checkWord(const std::string& item, std::string_view word,
                   const std::array<bool, 256>& holds, const std::string& title, int line) {
        std::array<bool, 256> said{};
        for (const char c : word) {
            const auto byte = static_cast<unsigned char>(c);
            if (holds[byte] || said[byte])
                continue;
            said[byte] = true;
            add(line, "the item " + inQuotes(item) + " has " + inQuotes(std::string(1, c)) +
                          ", which the " + title +
                          " does not hold; the item's results are not reliable.");
        }
    }
};

} // namespace

std::vector<ModelProblem> checkModel(const Model& model, const ModelLines& lines) {
    return Checker(model, lines).run();
}

} // namespace tarnel
