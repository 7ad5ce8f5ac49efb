// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tarnel {

// The order of the lists that keep themselves alphabetical (the Supply, the Vocabulary):
// texts compare with ASCII letters folded to lower case, ties broken by byte value.
bool alphabeticalLess(std::string_view a, std::string_view b);

// Sorts `list` into that order, each item after the items equal to it that came before it:
// the list that inserting its items one by one would give, at the cost of one sort.
void sortAlphabetical(std::vector<std::string>& list);

// Puts `item` into the alphabetical `list` after every item equal to it; returns its index.
std::size_t insertAlphabetical(std::vector<std::string>& list, std::string item);

} // namespace tarnel
