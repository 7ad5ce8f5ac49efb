// SPDX-License-Identifier: GPL-3.0-or-later
#include "CharCursor.h"

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

std::string CharCursor::collectLine() {
    std::string line;
    while (current_ != '\r') {
        line += current_;
        read();
    }
    return line;
}

} // namespace tarnel
