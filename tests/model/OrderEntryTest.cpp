// SPDX-License-Identifier: GPL-3.0-or-later
// What a rule name and an order entry are, for the reader, the writer and the engine alike.

#include "model/OrderEntry.h"

#include "model/RuleName.h"

#include <gtest/gtest.h>

using namespace tarnel;

TEST(RuleName, EndsAtABlankACarriageReturnOrAComment) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"Raise \xAB...\xBB", "Raise"},
        {"Raise\xAB"
         "raise a vowel\xBB",
         "Raise"},
        {"Raise\r\n", "Raise"},
        {"Raise", "Raise"},
        {"2nd_x\xBB x", "2nd_x\xBB"},
        {"\xAB...\xBB Raise", ""},
        {"", ""},
    };
    for (const auto& [line, name] : cases)
        EXPECT_EQ(ruleNameOf(line), name) << line;
    EXPECT_EQ(ruleName({"Lower\xAB\xBB", "END:  Lower"}), "Lower");
    EXPECT_EQ(ruleName({}), "");
}

// A name that the written order line would not give back cannot stand in an order.
TEST(OrderEntry, NamesThatReadBackUnchangedCanStandInAnOrder) {
    const std::pair<std::string_view, bool> cases[] = {
        {"Raise", true},      {"raising", true},
        {"2nd_x", true},      // digits running on into a name are no line number
        {"R\xA7x", true},     // a section mark inside a name ends nothing
        {"Ra\xBBse", true},   // nor does a closing guillemet
        {"", false},          // an empty line is no entry
        {"\xA7", false},      // a line of its own ends the section
        {"2", false},         // a line number alone
        {"2:x", false},       // "2:" is read as a line number
        {"12 x", false},      // a blank ends a name
        {"-Raise", false},    // read back as a mask
        {"\xB6x", false},     // read back as persistent
        {"\xABx\xBB", false}, // read back as a comment
        {"\nRaise", false},   // blank space before an entry is skipped
    };
    for (const auto& [name, kept] : cases)
        EXPECT_EQ(isOrderEntryName(name), kept) << name;
}
