// SPDX-License-Identifier: GPL-3.0-or-later
#include "AlphabeticalList.h"

#include <algorithm>

namespace tarnel {

namespace {

unsigned char foldedByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 'A' && byte <= 'Z') ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}

bool bytesLess(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    });
}

} // namespace

bool alphabeticalLess(std::string_view a, std::string_view b) {
    const auto foldedLess = [](char x, char y) { return foldedByte(x) < foldedByte(y); };
    if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), foldedLess))
        return true;
    if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), foldedLess))
        return false;
    return bytesLess(a, b);
}

void sortAlphabetical(std::vector<std::string>& list) {
    std::stable_sort(list.begin(), list.end(), [](const std::string& a, const std::string& b) {
        return alphabeticalLess(a, b);
    });
}

std::size_t insertAlphabetical(std::vector<std::string>& list, std::string item) {
    const auto place = std::upper_bound(
        list.begin(), list.end(), item,
        [](const std::string& x, const std::string& y) { return alphabeticalLess(x, y); });
    const auto inserted = list.insert(place, std::move(item));
    return static_cast<std::size_t>(inserted - list.begin());
}

} // namespace tarnel
