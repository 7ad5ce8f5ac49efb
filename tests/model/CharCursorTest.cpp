// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/CharCursor.h"

#include <gtest/gtest.h>

namespace tarnel {
namespace {

// A line taken whole to its CR counts the line feeds in it, and leaves the CR current, as
// reading it byte by byte would: the case, the reads before it, the line and its number.
TEST(CharCursor, ALineIsTakenToItsCrWithTheLineFeedsInItCounted) {
    const struct {
        std::string_view bytes;
        int reads;
        std::string_view line;
        int number;
    } cases[] = {
        {"\r\n\r\nq", 3, "", 2}, {"a\nb\nc\r\nd", 1, "a\nb\nc", 3}, {"\n\nab\rc", 2, "\nab", 3}};
    for (const auto& [bytes, reads, line, number] : cases) {
        CharCursor in(bytes);
        in.read(reads);
        EXPECT_EQ(in.collectLine(), line) << bytes;
        EXPECT_EQ(in.current(), '\r') << bytes;
        in.read();
        EXPECT_EQ(in.line(), number) << bytes;
    }
}

} // namespace
} // namespace tarnel
