#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tarnel {

// The order of the lists that keep themselves alphabetical (the Supply, the Vocabulary):
// texts compare with ASCII letters folded to lower case, ties broken by byte value.
bool alphabeticalLess(std::string_view a, std::string_view b);

// Puts `item` into the alphabetical `list` after every item equal to it; returns its index.
std::size_t insertAlphabetical(std::vector<std::string>& list, std::string item);

} // namespace tarnel
