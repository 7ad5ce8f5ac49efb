// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Text.h"
#include "model/Model.h"
#include "model/RuleName.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarnel {

// The text before the first comment mark.
std::string_view cutComment(std::string_view line);

// The first words of a line body, split at blanks (runs of blanks count as one); a word that
// is not there reads as empty. No line reads beyond its sixth word.
class Words {
public:
    explicit Words(std::string_view body);
    std::string_view operator[](std::size_t i) const {
        return i < count_ ? words_[i] : std::string_view{};
    }

private:
    std::array<std::string_view, 6> words_{};
    std::size_t count_ = 0;
};

// The index of the first rule in the store whose name equals `name` exactly.
std::optional<int> findRule(const Model& model, std::string_view name);

// A rule's lines sorted out: the stage name and the trimmed bodies of its if-lines and
// then-lines. Lines after the name line that begin with "END" are skipped; every line is
// cut at its comment and trimmed; if-lines run up to the first line that begins with "1".
struct RuleText {
    std::string stageName;
    std::vector<std::string_view> ifBodies;   // views into the rule's lines
    std::vector<std::string_view> thenBodies; // views into the rule's lines
};

RuleText splitRuleText(const std::vector<std::string>& rule);

} // namespace tarnel
