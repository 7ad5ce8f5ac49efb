// SPDX-License-Identifier: GPL-3.0-or-later
#include "Alphabet.h"

#include "Features.h"
#include "OutputAlphabet.h"

namespace tarnel {

const AlphabetColumn* findColumn(const Alphabet& alphabet, char character) {
    for (const AlphabetColumn& column : alphabet)
        if (!column.empty() && column.front() == character)
            return &column;
    return nullptr;
}

bool columnValue(const AlphabetColumn& column, int feature) {
    const auto item = static_cast<std::size_t>(feature) + 1;
    return item < column.size() && column[item] == '+';
}

void createAlphabets(Alphabet& etymon, Alphabet& reflex) {
    etymon.clear();
    reflex.clear();
    const auto& rows = outputAlphabet();
    // Each letter's plain row stands before any row that extends it, and the letters come in
    // table order, so one cursor that is never reset finds every letter's plain row.
    std::size_t cursor = 0;
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        while (cursor < rows.size() && rows[cursor].symbol.front() != letter)
            ++cursor;
        if (cursor == rows.size())
            break;
        AlphabetColumn column(1, letter);
        for (const char sign : rows[cursor].values)
            column += (sign == '#' || sign == '+') ? '+' : '-';
        etymon.push_back(column);
        reflex.push_back(column);
    }
}

} // namespace tarnel
