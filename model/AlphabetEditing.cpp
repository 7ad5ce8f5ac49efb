// SPDX-License-Identifier: GPL-3.0-or-later
#include "AlphabetEditing.h"

#include "FileMarks.h"

#include <algorithm>

namespace tarnel {

namespace {

// Items of a column (the character is item 0, feature f is item f + 1).
constexpr int backItem = 3;
constexpr int frontItem = 9;
constexpr int highItem = 10;
constexpr int lowItem = 13;

void setItem(AlphabetColumn& column, int item, char sign) {
    // A short column from a hand-edited file reads as minus where it ends; fill it out.
    if (column.size() < 22)
        column.resize(22, '-');
    column[static_cast<std::size_t>(item)] = sign;
}

bool isPlus(const AlphabetColumn& column, int item) {
    return columnValue(column, item - 1);
}

bool otherColumnHas(const Alphabet& alphabet, std::size_t index, char character) {
    for (std::size_t i = 0; i < alphabet.size(); ++i)
        if (i != index && !alphabet[i].empty() && alphabet[i].front() == character)
            return true;
    return false;
}

} // namespace

void toggleValue(AlphabetColumn& column, int item) {
    if (item < 1 || item > 21)
        return;
    setItem(column, item, isPlus(column, item) ? '-' : '+');
    if (!isPlus(column, item))
        return;
    const int exclusive = item == highItem    ? lowItem
                          : item == lowItem   ? highItem
                          : item == frontItem ? backItem
                          : item == backItem  ? frontItem
                                              : 0;
    if (exclusive != 0)
        setItem(column, exclusive, '-');
}

std::optional<std::size_t> swapWithNeighbour(Alphabet& alphabet, std::size_t index, int step) {
    if (index >= alphabet.size() || (step < 0 && index == 0) ||
        (step > 0 && index + 1 >= alphabet.size()))
        return std::nullopt;
    const std::size_t other = step < 0 ? index - 1 : index + 1;
    std::swap(alphabet[index], alphabet[other]);
    return other;
}

Result<> insertCopy(Alphabet& alphabet, std::size_t index) {
    if (alphabet.size() >= static_cast<std::size_t>(maxAlphabetSize))
        return fail(std::string(alphabetFullMessage));
    if (index < alphabet.size()) {
        const AlphabetColumn copy = alphabet[index];
        alphabet.insert(alphabet.begin() + static_cast<std::ptrdiff_t>(index) + 1, copy);
    }
    return {};
}

Result<> deleteColumn(Alphabet& alphabet, std::size_t index) {
    if (alphabet.size() <= static_cast<std::size_t>(minAlphabetSize))
        return fail(std::string(alphabetTooSmallMessage));
    if (index < alphabet.size())
        alphabet.erase(alphabet.begin() + static_cast<std::ptrdiff_t>(index));
    return {};
}

std::optional<char> keyCharacter(char key, bool shift) {
    constexpr std::string_view shiftedDigits = ")!@#$%^&*(";
    if (key >= 'A' && key <= 'Z')
        return shift ? key : static_cast<char>(key - 'A' + 'a');
    if (key >= '0' && key <= '9')
        return shift ? shiftedDigits[static_cast<std::size_t>(key - '0')] : key;
    if (shift && shiftedDigits.find(key) != std::string_view::npos)
        return key;
    return std::nullopt;
}

Result<> renameColumn(Alphabet& alphabet, std::size_t index, char character) {
    if (index >= alphabet.size())
        return {};
    if (otherColumnHas(alphabet, index, character))
        return fail(std::string(renameDuplicateMessage));
    AlphabetColumn& column = alphabet[index];
    if (column.empty())
        column.push_back(character);
    else
        column.front() = character;
    return {};
}

Result<bool> acceptNewCharacter(Alphabet& alphabet, std::size_t index, unsigned char code) {
    if (code < 33 || code == static_cast<unsigned char>(sectionMark) || index >= alphabet.size())
        return false;
    const char character = static_cast<char>(code);
    if (otherColumnHas(alphabet, index, character))
        return fail(std::string(newCharacterDuplicateMessage));
    if (const Result<> renamed = renameColumn(alphabet, index, character); !renamed)
        return fail(renamed.message());
    return true;
}

} // namespace tarnel
