// SPDX-License-Identifier: GPL-3.0-or-later
#include "CharCursor.h"

#include <algorithm>

namespace tarnel {

void CharCursor::read() {
    if (next_ >= bytes_.size())
        throw TextEndsEarly{section_};
    if (current_ == '\n')
        ++line_;
    current_ = bytes_[next_++];
}

void CharCursor::read(int count) {
    for (int i = 0; i < count; ++i)
        read();
}

void CharCursor::readUntil(char c) {
    do
        read();
    while (current_ != c);
}

void CharCursor::readToLineEnd() {
    do
        read();
    while (current_ != '\r' && current_ != '\n');
}

void CharCursor::skipBlanks() {
    while (current_ == ' ')
        read();
}

void CharCursor::skipBlankSpace() {
    while (isBlankSpace(current_))
        read();
}

// The line is taken whole once its CR is found; reading it byte by byte would count the
// same line feeds. Without a CR the bytes are read one by one, to the end of the text.
std::string CharCursor::collectLine() {
    const std::size_t end = next_ == 0 ? std::string_view::npos : bytes_.find('\r', next_ - 1);
    if (end == std::string_view::npos) {
        std::string line;
        while (current_ != '\r') {
            line += current_;
            read();
        }
        return line;
    }
    const std::string_view line = bytes_.substr(next_ - 1, end - (next_ - 1));
    line_ += static_cast<int>(std::count(line.begin(), line.end(), '\n'));
    next_ = end + 1;
    current_ = '\r';
    return std::string(line);
}

} // namespace tarnel
