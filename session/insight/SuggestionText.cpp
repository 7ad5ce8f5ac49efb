// SPDX-License-Identifier: GPL-3.0-or-later
#include "SuggestionText.h"

#include "core/Features.h"
#include "core/OutputAlphabet.h"
#include "model/RuleName.h"

#include <algorithm>
#include <cstdlib>
#include <tuple>

namespace tarnel::insight {

namespace {

constexpr std::size_t unitsPerLine = 8;
constexpr std::size_t maxNameLength = 25;
constexpr std::string_view noComment = " \xAB...\xBB";

bool sameSegment(const WordPlanes& a, int p, const WordPlanes& b, int q) {
    for (int f = 0; f < soundFeatureCount; ++f)
        if (slotAt(a, f, p) != slotAt(b, f, q))
            return false;
    return true;
}

// The letter whose Output Alphabet row is nearest the segment, and the features in which it
// differs from it.
std::pair<char, std::vector<std::pair<int, bool>>> nearestLetter(const WordPlanes& word,
                                                                 int position) {
    std::pair<char, std::vector<std::pair<int, bool>>> best{0, {}};
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        const OutputRow* row = findOutputRow(std::string_view(&letter, 1));
        if (row == nullptr)
            continue;
        std::vector<std::pair<int, bool>> differ;
        for (int f = 0; f < soundFeatureCount; ++f) {
            const char sign = f < static_cast<int>(row->values.size())
                                  ? row->values[static_cast<std::size_t>(f)]
                                  : '-';
            const bool wanted = slotAt(word, f, position);
            if ((sign == '+' || sign == '#') != wanted)
                differ.push_back({f, wanted});
        }
        if (best.first == 0 || differ.size() < best.second.size())
            best = {letter, std::move(differ)};
    }
    return best;
}

std::string locationText(int offset) {
    if (offset == 0)
        return "(*)";
    return std::string(offset > 0 ? "(*+" : "(*-") + std::to_string(std::abs(offset)) + ")";
}

std::string unitText(int feature, bool plus, int offset) {
    return (plus ? "+" : "-") + std::string(*featureName(feature)) + " " + locationText(offset);
}

// Absolute line bodies of at most eight units each.
std::vector<std::string> absoluteBodies(const std::vector<std::string>& units) {
    std::vector<std::string> bodies;
    for (std::size_t i = 0; i < units.size(); ++i) {
        if (i % unitsPerLine == 0)
            bodies.emplace_back();
        bodies.back() += (i % unitsPerLine == 0 ? "" : " ") + units[i];
    }
    return bodies;
}

// One Absolute line, or a chain "B and C", B, "D and E", D, ... that holds where all do.
std::vector<std::string> ifBodies(const std::vector<Condition>& conditions) {
    std::vector<std::string> units;
    for (const Condition& c : conditions)
        units.push_back(unitText(c.feature, c.plus, c.offset));
    const std::vector<std::string> chunks = absoluteBodies(units);
    std::vector<std::string> bodies;
    for (std::size_t i = 0; i < chunks.size(); ++i) {
        if (i + 1 < chunks.size()) {
            const auto left = static_cast<char>('A' + bodies.size() + 1);
            bodies.push_back(std::string(1, left) + " and " + static_cast<char>(left + 1));
        }
        bodies.push_back(chunks[i]);
    }
    return bodies;
}

std::vector<std::string> setUnits(const std::vector<std::pair<int, bool>>& features, int offset) {
    std::vector<std::string> units;
    for (const auto& [feature, plus] : features)
        units.push_back(unitText(feature, plus, offset));
    return units;
}

std::vector<std::string> thenBodies(const NeededChange& change) {
    switch (change.kind) {
    case NeededChange::Kind::Delete:
        return {"DELETE (*)"};
    case NeededChange::Kind::Insert: {
        const int at = change.beforeFocus ? 0 : 1;
        std::vector<std::string> bodies{"INSERT " + std::string(1, change.letter) + " " +
                                        (change.beforeFocus ? "(*-1)" : "(*+1)")};
        for (std::string& body : absoluteBodies(setUnits(change.features, at)))
            bodies.push_back(std::move(body));
        return bodies;
    }
    case NeededChange::Kind::Set:
        break;
    }
    return absoluteBodies(setUnits(change.features, 0));
}

std::string commentOf(const NeededChange& change) {
    std::string what;
    switch (change.kind) {
    case NeededChange::Kind::Delete:
        what = "deletes the segment";
        break;
    case NeededChange::Kind::Insert:
        what = "inserts " + std::string(1, change.letter) +
               (change.beforeFocus ? " before the segment" : " after the segment");
        break;
    case NeededChange::Kind::Set:
        what = "makes the segment " + changeText(change);
        break;
    }
    return "Suggested rule: " + what + " where its conditions hold";
}

bool nameTaken(const std::string& name, const Model& model, const std::vector<std::string>& taken) {
    return std::find(taken.begin(), taken.end(), name) != taken.end() ||
           std::any_of(
               model.lst1Rule.begin(), model.lst1Rule.end(),
               [&](const std::vector<std::string>& rule) { return ruleName(rule) == name; }) ||
           std::find(model.lstSupply.begin(), model.lstSupply.end(), name) != model.lstSupply.end();
}

} // namespace

std::string changeText(const NeededChange& change) {
    switch (change.kind) {
    case NeededChange::Kind::Delete:
        return "DELETE";
    case NeededChange::Kind::Insert:
        return "INSERT " + std::string(1, change.letter);
    case NeededChange::Kind::Set:
        break;
    }
    std::string text;
    for (const auto& [feature, plus] : change.features)
        text += (text.empty() ? "" : " ") + std::string(plus ? "+" : "-") +
                std::string(*featureName(feature));
    return text;
}

std::optional<ChangeAt> neededChange(const WordPlanes& derived, const WordPlanes& expected) {
    const int common = std::min(derived.length, expected.length);
    int p = 0;
    while (p < common && sameSegment(derived, p, expected, p))
        ++p;
    ChangeAt at;
    if (derived.length > expected.length) {
        at.change.kind = NeededChange::Kind::Delete;
        at.focus = p;
    } else if (derived.length < expected.length) {
        if (derived.length == 0)
            return std::nullopt;
        at.change.kind = NeededChange::Kind::Insert;
        at.change.beforeFocus = p == 0;
        at.focus = p == 0 ? 0 : p - 1;
        std::tie(at.change.letter, at.change.features) = nearestLetter(expected, p);
    } else {
        if (p == common)
            return std::nullopt;
        for (int f = 0; f < soundFeatureCount; ++f)
            if (slotAt(derived, f, p) != slotAt(expected, f, p))
                at.change.features.push_back({f, slotAt(expected, f, p)});
        at.focus = p;
    }
    return at;
}

std::vector<Condition>
sharedConditions(const std::vector<std::pair<const WordPlanes*, int>>& foci) {
    std::vector<Condition> shared;
    if (foci.empty())
        return shared;
    for (const int offset : {0, -1, 1, -2, 2})
        for (int f = 0; f < soundFeatureCount; ++f) {
            std::optional<bool> value;
            bool holds = true;
            for (const auto& [word, focus] : foci) {
                const int p = focus + offset;
                if (p < 0 || p >= word->length || (value && *value != slotAt(*word, f, p))) {
                    holds = false;
                    break;
                }
                value = slotAt(*word, f, p);
            }
            if (holds && shared.size() < static_cast<std::size_t>(maxConditions))
                shared.push_back({offset, f, *value});
        }
    return shared;
}

std::vector<std::string> suggestedLines(const std::string& name, const NeededChange& change,
                                        const std::vector<Condition>& conditions) {
    std::vector<std::string> lines{name + " \xAB " + commentOf(change) + " \xBB"};
    const std::vector<std::string> ifs = ifBodies(conditions);
    for (std::size_t i = 0; i < ifs.size(); ++i)
        lines.push_back(std::string(1, static_cast<char>('A' + i)) + ":  " + ifs[i] +
                        std::string(noComment));
    const std::vector<std::string> thens = thenBodies(change);
    for (std::size_t i = 0; i < thens.size(); ++i)
        lines.push_back(std::to_string(i + 1) + ":  " + thens[i] + std::string(noComment));
    lines.push_back("END:  " + name);
    return lines;
}

std::string suggestedName(const NeededChange& change, const Model& model,
                          const std::vector<std::string>& taken) {
    std::string base = "Suggested";
    if (change.kind == NeededChange::Kind::Delete)
        base += "_delete";
    else if (change.kind == NeededChange::Kind::Insert)
        base += "_insert_" + std::string(1, change.letter);
    else if (change.features.size() == 1 && !change.features.front().second)
        base += "_minus_" + std::string(*featureName(change.features.front().first));
    else
        for (const auto& feature : change.features)
            base += "_" + std::string(*featureName(feature.first));
    for (int number = 1;; ++number) {
        const std::string suffix = "_" + std::to_string(number);
        std::string name = base.substr(0, maxNameLength - suffix.size());
        while (name.ends_with('_'))
            name.pop_back();
        name += suffix;
        if (!nameTaken(name, model, taken))
            return name;
    }
}

} // namespace tarnel::insight
