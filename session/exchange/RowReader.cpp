// SPDX-License-Identifier: GPL-3.0-or-later
#include "RowReader.h"

namespace tarnel {

namespace {

bool endsField(char32_t c, char32_t separator) {
    return c == separator || c == U'\r' || c == U'\n';
}

// Blanks that may stand before an opening quotation mark.
bool isPadding(char32_t c, char32_t separator) {
    return c == U' ' || (c == U'\t' && separator != U'\t');
}

// Walks a quoted field's inside from `pos` (just after the opening quotation mark); returns
// the offset after the closing one, or the end of the text when there is none.
template <class Emit>
std::size_t scanQuoted(std::u32string_view text, std::size_t pos, bool& unclosed, Emit& emit) {
    for (; pos < text.size(); ++pos) {
        if (text[pos] != U'"') {
            emit(text[pos], pos);
        } else if (pos + 1 < text.size() && text[pos + 1] == U'"') {
            emit(U'"', pos);
            ++pos;
        } else {
            return pos + 1;
        }
    }
    unclosed = true;
    return pos;
}

// Walks one field from `pos`, calling `emit(character, offset)` for each character of its
// text; returns the offset where the field ends (a separator, a line break or the end).
template <class Emit>
std::size_t scanField(std::u32string_view text, std::size_t pos, char32_t separator, bool& unclosed,
                      Emit emit) {
    std::size_t start = pos;
    while (pos < text.size() && isPadding(text[pos], separator))
        ++pos;
    if (pos < text.size() && text[pos] == U'"')
        start = scanQuoted(text, pos + 1, unclosed, emit);
    for (pos = start; pos < text.size() && !endsField(text[pos], separator); ++pos)
        emit(text[pos], pos);
    return pos;
}

bool isLineBreakAt(std::u32string_view text, std::size_t i) {
    return text[i] == U'\n' || (text[i] == U'\r' && (i + 1 == text.size() || text[i + 1] != U'\n'));
}

} // namespace

RowReader::RowReader(std::u32string_view text, char32_t separator)
    : text_(text), separator_(separator) {}

bool RowReader::next(Row& row) {
    if (pos_ >= text_.size())
        return false;
    row.line = line_;
    row.rawBegin = pos_;
    row.unclosedQuote = false;
    // The fields of the last row are reused, so that a long list does not allocate a text
    // for every field of every row.
    std::size_t count = 0;
    for (bool more = true; more; ++count) {
        if (count == row.fields.size())
            row.fields.emplace_back();
        Field& field = row.fields[count];
        field.text.clear();
        field.rawBegin = pos_;
        pos_ = scanField(text_, pos_, separator_, row.unclosedQuote,
                         [&field](char32_t c, std::size_t) { field.text += c; });
        more = pos_ < text_.size() && text_[pos_] == separator_;
        pos_ += more ? 1 : 0;
    }
    row.fields.resize(count);
    for (std::size_t i = row.rawBegin; i < pos_; ++i)
        line_ += isLineBreakAt(text_, i) ? 1 : 0;
    skipLineBreak();
    return true;
}

void RowReader::skipLineBreak() {
    if (pos_ < text_.size() && text_[pos_] == U'\r')
        ++pos_;
    if (pos_ < text_.size() && text_[pos_] == U'\n')
        ++pos_;
    ++line_;
}

TextPosition RowReader::positionOf(const Row& row, const Field& field, std::size_t index) const {
    std::size_t offset = field.rawBegin;
    std::size_t count = 0;
    bool unclosed = false;
    scanField(text_, field.rawBegin, separator_, unclosed, [&](char32_t, std::size_t at) {
        if (count++ == index)
            offset = at;
    });
    TextPosition position{row.line, 1};
    std::size_t lineStart = row.rawBegin;
    for (std::size_t i = row.rawBegin; i < offset; ++i) {
        if (isLineBreakAt(text_, i)) {
            ++position.line;
            lineStart = i + 1;
        }
    }
    position.column = static_cast<int>(offset - lineStart) + 1;
    return position;
}

} // namespace tarnel
