// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one way the tests write a model: the default alphabets, rules from their if- and
// then-lines, orders from short entries, a Vocabulary.
//
//   const Model model = ModelBuilder()
//                           .rule("Voicing", {"+cor (*) -cont (*)"}, {"+voice (*)"})
//                           .diachronic({"P Voicing", "-Voicing"})
//                           .vocabulary({"ata  ada"});

#include "core/Alphabet.h"
#include "model/AlphabeticalList.h"
#include "model/Model.h"
#include "model/OrderEntry.h"

#include <string>
#include <utility>
#include <vector>

namespace tarnel::test {

using Lines = std::vector<std::string>;

// The empty comment that ends every line of a built rule but its END line.
inline const std::string noComment = " \xAB...\xBB";

// Rule `name` with the lines of `body`, labels included, between its name and END lines.
inline Lines ruleLines(const std::string& name, const Lines& body) {
    Lines lines{name + noComment};
    for (const std::string& line : body)
        lines.push_back(line + noComment);
    lines.push_back("END:  " + name);
    return lines;
}

// Rule `name` from the bodies of its if-lines ("A:", "B:", ...) and then-lines ("1:", ...).
inline Lines rule(const std::string& name, const Lines& ifs, const Lines& thens) {
    Lines body;
    for (std::size_t i = 0; i < ifs.size(); ++i)
        body.push_back(std::string(1, static_cast<char>('A' + i)) + ":  " + ifs[i]);
    for (std::size_t i = 0; i < thens.size(); ++i)
        body.push_back(std::to_string(i + 1) + ":  " + thens[i]);
    return ruleLines(name, body);
}

class ModelBuilder {
public:
    ModelBuilder() { createAlphabets(model_.lstCol, model_.lstColR); }
    // More of `model`.
    explicit ModelBuilder(Model model) : model_(std::move(model)) {}

    // A rule, also named in the Supply.
    ModelBuilder& rule(const std::string& name, const Lines& ifs, const Lines& thens) {
        model_.lst1Rule.push_back(test::rule(name, ifs, thens));
        insertAlphabetical(model_.lstSupply, name);
        return *this;
    }
    // The Diachronic Order: "P NAME" is a persistent entry, "-NAME" a masked one.
    ModelBuilder& diachronic(const Lines& entries) {
        model_.lstDiacOrd.clear();
        model_.lstM.clear();
        model_.lstP.clear();
        for (const std::string& entry : entries) {
            const bool persistent = entry.starts_with("P ");
            const std::string name = persistent ? entry.substr(2) : entry;
            model_.lstDiacOrd.push_back(name);
            model_.lstM.emplace_back(name.starts_with('-') ? maskMark : "");
            model_.lstP.emplace_back(persistent ? persistentMark : "");
        }
        return *this;
    }
    ModelBuilder& etymonOrder(Lines entries) {
        model_.lstEtyOrd = std::move(entries);
        return *this;
    }
    ModelBuilder& reflexOrder(Lines entries) {
        model_.lstReflOrd = std::move(entries);
        return *this;
    }
    ModelBuilder& vocabulary(Lines items) {
        model_.lstVocab = std::move(items);
        return *this;
    }
    ModelBuilder& named(std::string name) {
        model_.modelName = std::move(name);
        return *this;
    }

    operator Model() const { return model_; }

private:
    Model model_;
};

} // namespace tarnel::test
