// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace tarnel {

// Walks model file bytes one character at a time, the way the reader consumes them.
// Reading past the last byte throws `TextEndsEarly` naming the section being read, so a
// damaged file can only ever stop the load, never run off its end.
class CharCursor {
public:
    struct TextEndsEarly {
        std::string section;
    };

    explicit CharCursor(std::string_view bytes) : bytes_(bytes) {}

    // The section named in the report when the text ends early.
    void setSection(std::string section) { section_ = std::move(section); }

    char current() const { return current_; }
    // The line of the current character, counted from 1 at line feeds.
    int line() const { return line_; }
    // The offset of the current character, and the bytes from `offset` up to it.
    std::size_t offset() const { return next_ - 1; }
    std::string_view textFrom(std::size_t offset) const {
        return bytes_.substr(offset, this->offset() - offset);
    }

    // Takes the next character as the current one.
    void read();
    void read(int count);
    // Reads at least once, until the current character is `c`.
    void readUntil(char c);
    // Reads at least once, until the current character ends a line (CR, or LF alone).
    void readToLineEnd();
    // Reads while the current character is a blank.
    void skipBlanks();
    // Reads while the current character is a blank, CR or LF.
    void skipBlankSpace();
    // The current character and those after it, up to (not including) the next CR.
    std::string collectLine();

    static bool isBlankSpace(char c) { return c == ' ' || c == '\r' || c == '\n'; }

private:
    std::string_view bytes_;
    std::size_t next_ = 0;
    char current_ = '\0';
    int line_ = 1;
    std::string section_;
};

} // namespace tarnel
