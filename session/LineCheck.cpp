// SPDX-License-Identifier: GPL-3.0-or-later
// The body of a rule line checked word by word against the rule language, then against what
// the engine reads from it: only the blanks between its words may make those differ.
#include "LineCheck.h"

#include "RuleCheck.h"
#include "core/Features.h"
#include "core/Text.h"
#include "engine/Changes.h"
#include "engine/Conditions.h"
#include "engine/RuleText.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace tarnel {

namespace {

constexpr int maxUnits = 8;
constexpr int longestWord = 20; // segments

struct Token {
    std::string_view text;
    int column = 0;
    int end() const { return column + static_cast<int>(text.size()); }
};

std::string quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Edits (insert, delete, change, swap two neighbours) from one word to the other, case aside.
int distance(std::string_view a, std::string_view b) {
    std::vector<std::vector<int>> d(a.size() + 1, std::vector<int>(b.size() + 1));
    for (std::size_t i = 0; i <= a.size(); ++i)
        d[i][0] = static_cast<int>(i);
    for (std::size_t j = 0; j <= b.size(); ++j)
        d[0][j] = static_cast<int>(j);
    for (std::size_t i = 1; i <= a.size(); ++i) {
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const int change = lower(a[i - 1]) == lower(b[j - 1]) ? 0 : 1;
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + change});
            if (i > 1 && j > 1 && lower(a[i - 1]) == lower(b[j - 2]) &&
                lower(a[i - 2]) == lower(b[j - 1]))
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    }
    return d[a.size()][b.size()];
}

// The word among `candidates` that `word` is most likely a slip for, if any is near enough.
std::optional<std::string_view> slipFor(std::string_view word,
                                        const std::vector<std::string_view>& candidates) {
    std::optional<std::string_view> best;
    int nearest = word.size() <= 4 ? 1 : 2;
    for (const std::string_view candidate : candidates) {
        const int d = distance(word, candidate);
        if (d < nearest || (d == nearest && !best)) {
            best = candidate;
            nearest = d;
        }
    }
    return best;
}

const std::vector<std::string_view>& featureWords() {
    static const std::vector<std::string_view> words = [] {
        std::vector<std::string_view> all;
        for (int i = 0; i < slotCount; ++i)
            all.push_back(*featureName(i));
        return all;
    }();
    return words;
}

std::vector<std::string_view> withKeywords(std::initializer_list<std::string_view> keywords) {
    std::vector<std::string_view> words = featureWords();
    words.insert(words.end(), keywords);
    return words;
}

// The location a token names as the rule language writes it: "(*)", "(*+1)" to "(*-9)",
// "(1)" to "(20)" and "(-1)" to "(-20)".
std::optional<Location> strictLocation(std::string_view token) {
    if (token.size() < 3 || token.front() != '(' || token.back() != ')')
        return std::nullopt;
    const std::string_view inner = token.substr(1, token.size() - 2);
    if (inner == "*")
        return Location{Location::Kind::Focus, 0};
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (inner.size() == 3 && inner[0] == '*' && (inner[1] == '+' || inner[1] == '-') &&
        digit(inner[2]) && inner[2] != '0')
        return Location{Location::Kind::Offset, inner[1] == '-' ? '0' - inner[2] : inner[2] - '0'};
    const std::string_view number = inner.starts_with('-') ? inner.substr(1) : inner;
    if (number.empty() || number.size() > 2 || !std::ranges::all_of(number, digit) ||
        number.front() == '0')
        return std::nullopt;
    const int value = readNumber(number);
    if (value > longestWord)
        return std::nullopt;
    return Location{Location::Kind::Absolute, inner.starts_with('-') ? -value : value};
}

// What the engine reads from a line, as text, so that two readings compare.
struct Reading {
    std::string text;
    void add(Location l) {
        text +=
            "L" + std::to_string(static_cast<int>(l.kind)) + ":" + std::to_string(l.value) + " ";
    }
    void add(int n) { text += std::to_string(n) + " "; }
    void add(const std::vector<Unit>& units) {
        for (const Unit& u : units) {
            add(u.plus);
            add(u.feature);
            add(u.location);
        }
    }
    void operator()(const AbsoluteIf& l) { add(l.units); }
    void operator()(const AbsoluteThen& l) { add(l.units); }
    void operator()(const RelativeLine& l) {
        add(l.first);
        add(l.firstLocation);
        add(static_cast<int>(l.relation));
        add(l.second);
        add(l.secondLocation);
    }
    void operator()(const CountIf& l) {
        add(l.plus);
        add(l.feature);
        add(l.start);
        add(l.end);
        add(static_cast<int>(l.relation));
        add(l.number);
    }
    void operator()(const BranchingIf& l) {
        add(l.left);
        add(l.isAnd);
        add(l.right);
    }
    void operator()(const DeleteThen& l) { add(l.location); }
    void operator()(const SwapThen& l) {
        add(l.first);
        add(l.second);
    }
    void operator()(const InsertThen& l) {
        add(l.hasRow);
        add(l.location);
    }
};

template <class Line> std::string readingOf(const Line& line) {
    Reading reading;
    reading.text = std::to_string(line.index()) + " ";
    std::visit(reading, line);
    return reading.text;
}

class BodyChecker {
public:
    explicit BodyChecker(std::string_view line) {
        const std::string_view cut = trimBlanks(cutComment(line));
        const std::string_view rest = cut.size() > 2 ? trimBlanks(cut.substr(2)) : "";
        offset_ = rest.empty() ? static_cast<int>(cut.size())
                               : static_cast<int>(rest.data() - line.data());
        body_ = rest;
        for (std::size_t i = 0; i < body_.size();) {
            const std::size_t end = std::min(body_.find(' ', i), body_.size());
            tokens_.push_back({body_.substr(i, end - i), offset_ + static_cast<int>(i)});
            i = body_.find_first_not_of(' ', end);
            i = i == std::string_view::npos ? body_.size() : i;
        }
    }

    BodyCheck checkIf(int number, int ifCount) {
        if (body_.empty()) {
            spotLine("the line is empty: write its condition after its label");
            return std::move(result_);
        }
        const char first = body_.front();
        if (first == '+' || first == '-')
            absolute();
        else if (first >= 'a' && first <= 'z')
            relative(withKeywords({"COUNT"}));
        else if (body_.starts_with("COUNT"))
            count();
        else
            branching(number, ifCount);
        if (result_.problems.empty())
            compare(parseIfLine(body_, number, ifCount), parseIfLine(canonical(), number, ifCount));
        return std::move(result_);
    }

    BodyCheck checkThen() {
        if (body_.empty()) {
            spotLine("the line is empty: write its change after its label");
            return std::move(result_);
        }
        if (body_.starts_with('+') || body_.starts_with('-'))
            absolute();
        else if (body_.starts_with("DELETE"))
            deleteLine();
        else if (body_.starts_with("SWAP"))
            swapLine();
        else if (body_.starts_with("INSERT"))
            insertLine();
        else
            relative(withKeywords({"DELETE", "SWAP", "INSERT"}));
        if (result_.problems.empty())
            compare(parseThenLine(body_), parseThenLine(canonical()));
        if (result_.problems.empty() && givesItsOwnValue())
            spotLine("a then-line with nothing the engine can do (it is skipped): it gives a "
                     "place its own value");
        return std::move(result_);
    }

private:
    std::string_view body_;
    int offset_ = 0; // the column of the body in its line
    std::vector<Token> tokens_;
    BodyCheck result_;
    bool shapeSaid_ = false;

    void spot(const Token& t, std::string text, std::size_t skip = 0) {
        const int length = static_cast<int>(t.text.size() - std::min(skip, t.text.size()));
        result_.problems.push_back({t.column + static_cast<int>(skip), length, std::move(text)});
    }
    void spotLine(std::string text) { result_.problems.push_back({-1, 0, std::move(text)}); }

    // Token `i`, or a problem that says what the line should hold, once.
    const Token* at(std::size_t i, std::string_view shape) {
        if (i < tokens_.size())
            return &tokens_[i];
        if (!shapeSaid_)
            result_.problems.push_back(
                {offset_, static_cast<int>(body_.size()), std::string(shape)});
        shapeSaid_ = true;
        return nullptr;
    }
    void noMoreThan(std::size_t count, std::string_view kind) {
        if (tokens_.size() > count)
            spot(tokens_[count],
                 quoted(tokens_[count].text) + " is more than " + std::string(kind) + " holds");
    }
    bool keyword(const Token& t, std::string_view word) {
        if (t.text == word)
            return true;
        spot(t, quoted(t.text) + ": write " + std::string(word) + ", then a blank");
        return false;
    }

    // The feature a token names after its sign, if it has one (`skip` 1).
    std::optional<int> feature(const Token& t, std::size_t skip, bool allowAll,
                               const std::vector<std::string_view>& candidates = featureWords()) {
        const std::string_view name = t.text.substr(skip);
        if (name.empty()) {
            spot(t, quoted(t.text) + " has no feature after its sign");
            return std::nullopt;
        }
        const std::optional<int> index = featureIndex(name);
        if (!index) {
            const auto slip = slipFor(name, candidates);
            spot(t,
                 quoted(name) + " is no feature" +
                     (slip ? "; did you mean " + quoted(*slip) + "?" : std::string()),
                 skip);
        } else if (*index == allFeature && !allowAll) {
            spot(t, "\"all\" stands only in a Relative line, for whole segments", skip);
            return std::nullopt;
        }
        return index;
    }
    std::optional<int> signedFeature(const Token& t) {
        if (t.text.front() != '+' && t.text.front() != '-') {
            const std::string_view bare = t.text;
            spot(t, quoted(bare) + " needs its sign: +" + std::string(bare) + " or -" +
                        std::string(bare));
            return std::nullopt;
        }
        return feature(t, 1, false);
    }
    std::optional<int> unsignedFeature(const Token& t,
                                       const std::vector<std::string_view>& candidates) {
        if (t.text.front() == '+' || t.text.front() == '-') {
            spot(t, "a feature of a Relative line has no sign: write " + quoted(t.text.substr(1)));
            return std::nullopt;
        }
        return feature(t, 0, true, candidates);
    }

    std::optional<Location> location(const Token& t) {
        if (const auto location = strictLocation(t.text))
            return location;
        const std::string_view inner =
            t.text.size() >= 2 ? t.text.substr(1, t.text.size() - 2) : std::string_view{};
        const bool bracketed = t.text.starts_with('(') && t.text.ends_with(')');
        const int number = readNumber(inner);
        if (!bracketed)
            spot(t, quoted(t.text) + " is no location; a location stands in brackets, as (*+1)");
        else if (inner.size() > 1 && (inner[0] == '+' || inner[0] == '-') && inner[1] >= 'a' &&
                 inner[1] <= 'z')
            spot(t, quoted(t.text) +
                        " names no place in a word (Tarnel reads it as the place after the last "
                        "segment); write (*), (*+1), (1), (-1) or the like");
        else if (inner == "0")
            spot(t, "\"(0)\" names no segment: (1) is the first, (-1) the last");
        else if (std::abs(number) > longestWord && !inner.starts_with('*'))
            spot(t, quoted(t.text) + " lies beyond every word, which holds at most 20 segments");
        else
            spot(t, quoted(t.text) + " is no location; write (*), (*+1), (*-1), (1), (-1) or "
                                     "the like");
        return std::nullopt;
    }

    void absolute() {
        for (std::size_t i = 0; i < tokens_.size(); i += 2) {
            const Token& f = tokens_[i];
            if (i / 2 == maxUnits)
                spot(f, "Maximum 8 units permitted in Absolute line.");
            if (f.text.starts_with('(')) {
                spot(f, quoted(f.text) + " stands where a feature belongs: each location "
                                         "follows its feature, as +voice (*)");
                return;
            }
            signedFeature(f);
            if (i + 1 == tokens_.size()) {
                spot(f, quoted(f.text) + " has no location; write one after it, as " +
                            std::string(f.text) + " (*)");
                return;
            }
            location(tokens_[i + 1]);
        }
    }

    void relative(const std::vector<std::string_view>& firstWords) {
        constexpr std::string_view shape = "a Relative line reads: feature, location, = or <>, "
                                           "feature, location, as cons (*) = cons (*+1)";
        const Token* first = at(0, shape);
        const auto firstFeature = unsignedFeature(*first, firstWords);
        if (const Token* t = at(1, shape))
            location(*t);
        const Token* relation = at(2, shape);
        if (relation && relation->text != "=" && relation->text != "<>")
            spot(*relation,
                 quoted(relation->text) + " is no comparison in a Relative line: write = or <>");
        const Token* second = at(3, shape);
        const auto secondFeature = second ? unsignedFeature(*second, featureWords()) : std::nullopt;
        const Token* secondPlace = at(4, shape);
        if (secondPlace)
            location(*secondPlace);
        noMoreThan(5, "a Relative line");
        if (!firstFeature || !secondFeature || !relation)
            return;
        const bool firstAll = *firstFeature == allFeature;
        if (firstAll != (*secondFeature == allFeature))
            spot(firstAll ? *second : *first,
                 "with \"all\" on one side, write \"all\" on the other, as all (*) = all (*+1)");
        else if (firstAll && relation->text == "<>")
            spot(*relation, "\"all\" compares or copies whole segments with = only");
    }

    void count() {
        constexpr std::string_view shape =
            "a COUNT line reads: COUNT, a feature with its sign, the first and the last place "
            "counted, =, > or <, and a number, as COUNT +syll (*) (-1) > 1";
        keyword(tokens_[0], "COUNT");
        if (const Token* t = at(1, shape))
            signedFeature(*t);
        const Token* from = at(2, shape);
        const auto start = from ? location(*from) : std::nullopt;
        const Token* to = at(3, shape);
        const auto end = to ? location(*to) : std::nullopt;
        const Token* relation = at(4, shape);
        if (relation && relation->text != "=" && relation->text != ">" && relation->text != "<")
            spot(*relation,
                 quoted(relation->text) + " is no comparison in a COUNT line: write =, > or <");
        const Token* number = at(5, shape);
        const bool counted = number && countNumber(*number);
        noMoreThan(6, "a COUNT line");
        if (counted && relation && relation->text == "<" && number->text == "0")
            spot(*number, "a count is never below 0, so this line never holds");
        if (start && end && backwards(*start, *end))
            spot(*from, "the count runs backwards, from " + std::string(from->text) + " to " +
                            std::string(to->text) + ", so this line never holds");
    }

    bool countNumber(const Token& t) {
        const bool digits =
            std::ranges::all_of(t.text, [](char c) { return c >= '0' && c <= '9'; });
        if (!digits) {
            spot(t, quoted(t.text) + " is no number; a COUNT line ends with a whole number, as 1");
            return false;
        }
        if (t.text.size() > 2 || readNumber(t.text) > longestWord) {
            spot(t, quoted(t.text) + " is more than any word holds: count up to 20");
            return false;
        }
        return true;
    }

    // Both places counted from the focus, from the start or from the end, the first after
    // the last: the window holds no position.
    static bool backwards(Location start, Location end) {
        const auto side = [](Location l) {
            return l.kind != Location::Kind::Absolute ? 0 : (l.value > 0 ? 1 : 2);
        };
        return side(start) == side(end) && start.value > end.value;
    }

    void branching(int number, int ifCount) {
        constexpr std::string_view shape =
            "a Branching line names two if-lines below it, as B and C or B or C";
        const Token& first = tokens_[0];
        if (first.text.size() != 1 || first.text[0] < 'A' || first.text[0] > 'Z') {
            const auto slip = slipFor(first.text, withKeywords({"COUNT"}));
            spot(first,
                 slip ? quoted(first.text) + " is no feature; did you mean " + quoted(*slip) + "?"
                      : quoted(first.text) +
                            " begins no kind of if-line: an if-line is Absolute "
                            "(+voice (*)), Relative (voice (*) = voice (*+1)), COUNT "
                            "(COUNT +syll (*) (-1) > 1) or Branching (B and C)");
            return;
        }
        const Token* conjunction = at(1, shape);
        if (conjunction && conjunction->text != "and" && conjunction->text != "or")
            spot(*conjunction, quoted(conjunction->text) + " joins nothing: write and or or");
        const Token* second = at(2, shape);
        noMoreThan(3, "a Branching line");
        result_.branching = true;
        for (const Token* label : {&first, second})
            if (label)
                branchLabel(*label, number, ifCount);
    }

    void branchLabel(const Token& label, int number, int ifCount) {
        const char letter = label.text.size() == 1 ? label.text[0] : '\0';
        const int named = letter >= 'A' && letter <= 'Z' ? letter - 'A' + 1 : 0;
        const std::string own(1, static_cast<char>('A' + number - 1));
        if (named == 0)
            spot(label, quoted(label.text) + " is no if-line: a Branching line names if-lines "
                                             "by their letters");
        else if (named <= number)
            spot(label, quoted(label.text) + " is not below line " + own +
                            ": a Branching line names if-lines below it");
        else if (named > ifCount)
            spot(label, quoted(label.text) + " names no if-line: the last is " +
                            std::string(1, static_cast<char>('A' + ifCount - 1)));
        else
            result_.names.push_back(named);
    }

    void deleteLine() {
        keyword(tokens_[0], "DELETE");
        if (const Token* t = at(1, "DELETE takes a location, as DELETE (*)"))
            location(*t);
        noMoreThan(2, "a DELETE line");
    }

    void swapLine() {
        constexpr std::string_view shape = "SWAP takes two locations, as SWAP (*) (*+1)";
        keyword(tokens_[0], "SWAP");
        const Token* first = at(1, shape);
        const auto one = first ? location(*first) : std::nullopt;
        const Token* second = at(2, shape);
        const auto other = second ? location(*second) : std::nullopt;
        noMoreThan(3, "a SWAP line");
        if (one && other && one->kind == other->kind && one->value == other->value)
            spot(*second, "SWAP of a place with itself changes nothing (the line is skipped)");
    }

    void insertLine() {
        constexpr std::string_view shape =
            "INSERT takes a letter and a location, as INSERT e (*+1)";
        keyword(tokens_[0], "INSERT");
        if (const Token* letter = at(1, shape)) {
            // Every one of them has its row in the Output Alphabet.
            if (letter->text.size() != 1 || letter->text[0] < 'a' || letter->text[0] > 'z')
                spot(*letter, quoted(letter->text) + " is no letter INSERT can insert: a to z");
        }
        const Token* place = at(2, shape);
        const auto where = place ? location(*place) : std::nullopt;
        noMoreThan(3, "an INSERT line");
        if (where && where->kind == Location::Kind::Absolute && where->value < -1)
            spot(*place, "End-of-word insert can only be (-1), not (-2) etc.");
    }

    // A Relative then-line that sets a feature of a place from the same feature there.
    bool givesItsOwnValue() const {
        const ThenLine read = parseThenLine(body_);
        const auto* relative = std::get_if<RelativeLine>(&read);
        return relative && relative->first == relative->second &&
               relative->relation == Relation::Equal &&
               relative->firstLocation.kind == relative->secondLocation.kind &&
               relative->firstLocation.value == relative->secondLocation.value;
    }

    // The body as the rule language writes it: its words with one blank between them.
    std::string canonical() const {
        std::string text;
        for (const Token& t : tokens_)
            text += (text.empty() ? "" : " ") + std::string(t.text);
        return text;
    }

    template <class Line> void compare(const Line& read, const Line& written) {
        if (readingOf(read) == readingOf(written))
            return;
        const std::size_t blanks = body_.find("  ");
        result_.problems.push_back(
            {blanks == std::string_view::npos ? -1 : offset_ + static_cast<int>(blanks), 2,
             "Tarnel reads this line otherwise than it is written: one blank, no more, between "
             "its parts"});
    }
};

} // namespace

BodyCheck checkIfBody(std::string_view line, int number, int ifCount) {
    return BodyChecker(line).checkIf(number, ifCount);
}

BodyCheck checkThenBody(std::string_view line) {
    return BodyChecker(line).checkThen();
}

const std::vector<std::string_view>& ruleWords() {
    static const std::vector<std::string_view> words =
        withKeywords({"COUNT", "DELETE", "INSERT", "SWAP", "and", "or"});
    return words;
}

} // namespace tarnel
