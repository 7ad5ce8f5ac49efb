// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Cp1252.h"
#include "core/IpaDisplay.h"

#include <gtest/gtest.h>

using namespace tarnel;

TEST(Cp1252, EveryByteSurvivesTheRoundTripThroughUnicode) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
    EXPECT_EQ(cp1252ToUnicode(0x80), U'\u20AC');
    EXPECT_EQ(cp1252ToUnicode(0x8D), U'\u008D');
    EXPECT_EQ(cp1252ToUtf8("\xa7\xb6\xab\xbb\xf1"), "§¶«»ñ");
}

TEST(Cp1252, TextWindows1252CannotHoldIsRefused) {
    EXPECT_FALSE(utf8ToCp1252("ǰ").has_value());
    EXPECT_EQ(utf8ToCp1252("año"), "a\xf1o");
    EXPECT_EQ(utf8ToCp1252("\xc2\x81\xe2\x82\xac"), "\x81\x80"); // shortest forms
}

// Overlong forms spell a character a second way ("C0 AF" for "/", "C0 80" for NUL) and would
// slip past checks made on the usual spelling.
TEST(Cp1252, MalformedUtf8IsRefused) {
    for (const char* text : {"\xff\xfe", "\xc3", "\xc0\xaf", "\xc0\x80", "\xc1\xbf", "\xe0\x80\xaf",
                             "\xe0\x9f\xbf", "\xf0\x80\x80\xaf", "\xf0\x8f\xbf\xbf", "\xed\xa0\x80",
                             "\xed\xbf\xbf", "\xf4\x90\x80\x80", "\xf7\xbf\xbf\xbf"})
        EXPECT_FALSE(utf8ToCp1252(text).has_value()) << text;
}

TEST(IpaDisplay, CodePointsBecomeUnicodeInTheirOrder) {
    const std::pair<std::string, std::string> cases[] = {
        {"\x61", "a"},
        {"\x67", "ɡ"},
        {"\x61\x5f", "a\u0308"},
        {"\xc8\x61\xe2\xf9", "ˈa\u0303ː"},
        {"\x74\x4a", "tʲ"},
        {"\xbe\xe0", "j\u030C"},
        {"\x53\x8d\x2f\xc5", "ʃɔʔ□"},
        {"\x30", "0"}, // not an IPA code: shown as its Windows-1252 character
    };
    for (const auto& [codes, text] : cases)
        EXPECT_EQ(ipaDisplayText(codes), text);
}
