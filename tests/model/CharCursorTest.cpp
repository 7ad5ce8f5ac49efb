// SPDX-License-Identifier: GPL-3.0-or-later
// A line collected whole counts lines and leaves the cursor as reading it byte by byte would.
#include "model/CharCursor.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tarnel {
namespace {

struct Collected {
    std::string text;
    int line = 0;      // of the CR after it
    char after = '\0'; // the character read after that CR
    int afterLine = 0;
};

Collected collectAfter(std::string_view bytes, int reads) {
    CharCursor in(bytes);
    in.read(reads);
    Collected collected{in.collectLine(), in.line()};
    in.read();
    collected.after = in.current();
    collected.afterLine = in.line();
    return collected;
}

TEST(CharCursor, ALineIsTakenToItsCrWithTheLineFeedsInItCounted) {
    const struct {
        std::string_view bytes;
        int reads;
        Collected expected;
    } cases[] = {
        {"A:  +syll (*)\r\nB", 1, {"A:  +syll (*)", 1, '\n', 1}},
        {"x\r\nEND:  Rule\r\nz", 4, {"END:  Rule", 2, '\n', 2}},
        {"\r\n\r\nq", 3, {"", 2, '\n', 2}},           // an empty line: the CR is current
        {"a\nb\nc\r\nd", 1, {"a\nb\nc", 3, '\n', 3}}, // line feeds alone inside the line
        {"\n\nab\rc", 2, {"\nab", 3, 'c', 3}},        // starting on a line feed
    };
    for (const auto& [bytes, reads, expected] : cases) {
        const Collected got = collectAfter(bytes, reads);
        EXPECT_EQ(got.text, expected.text) << bytes;
        EXPECT_EQ(got.line, expected.line) << bytes;
        EXPECT_EQ(got.after, expected.after) << bytes;
        EXPECT_EQ(got.afterLine, expected.afterLine) << bytes;
    }
}

TEST(CharCursor, ALineWithoutACrEndsTheTextEarlyInItsSection) {
    CharCursor in("ab\ncd");
    in.setSection("Rules");
    in.read();
    try {
        in.collectLine();
        FAIL() << "no end reported";
    } catch (const CharCursor::TextEndsEarly& end) {
        EXPECT_EQ(end.section, "Rules");
    }
}

} // namespace
} // namespace tarnel
