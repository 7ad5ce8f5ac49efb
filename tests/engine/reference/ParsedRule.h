// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Changes.h"
#include "Conditions.h"

#include <string>
#include <vector>

namespace tarnel::reference {

// A rule read once from its text, ready to be applied at every focus. Reading is
// deterministic, so applying the parsed form is the same as reading the text each time.
// If-lines beyond Z are dropped: no label can name them, so they cannot matter.
struct ParsedRule {
    std::string name; // the stage label
    std::vector<IfLine> ifLines;
    std::vector<ThenLine> thenLines;
};

ParsedRule parseRule(const std::vector<std::string>& lines);

} // namespace tarnel::reference
