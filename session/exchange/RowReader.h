// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tarnel {

// One field of a row: its text with the quoting undone (blanks kept), and the offset in the
// whole text where the field begins.
struct Field {
    std::u32string text;
    std::size_t rawBegin = 0;
};

struct Row {
    int line = 0;             // the physical line the row begins on, from 1
    std::size_t rawBegin = 0; // offset of the row's first character
    std::vector<Field> fields;
    bool unclosedQuote = false; // a quoted field ran on to the end of the text
};

// A line, and a column counted in characters, both from 1.
struct TextPosition {
    int line = 0;
    int column = 0;
};

// Splits a decoded word list into rows and fields. Fields are quoted as RFC 4180 says: a
// field that begins with a quotation mark (after blanks) runs to the matching one, a doubled
// quotation mark inside stands for one, and separators and line breaks inside are text. Text
// after the closing quotation mark is kept as it stands. Lines end with CR LF, LF or CR; the
// last line may have no line break.
class RowReader {
public:
    RowReader(std::u32string_view text, char32_t separator);

    // Reads the next row into `row`; false at the end of the text.
    bool next(Row& row);

    // Where character `index` of `field` (a field of `row`) stands in the text.
    TextPosition positionOf(const Row& row, const Field& field, std::size_t index) const;

private:
    void skipLineBreak();

    std::u32string_view text_;
    char32_t separator_;
    std::size_t pos_ = 0;
    int line_ = 1;
};

} // namespace tarnel
