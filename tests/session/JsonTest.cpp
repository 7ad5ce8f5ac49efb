// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/Json.h"

#include <gtest/gtest.h>
#include <limits>

namespace tarnel {
namespace {

struct JsonCase {
    Json value;
    std::string text;
};

class JsonTest : public ::testing::TestWithParam<JsonCase> {};

TEST_P(JsonTest, WritesCompactText) {
    EXPECT_EQ(GetParam().value.dump(), GetParam().text);
}

Json nested() {
    Json object = Json::Object{};
    object.set("z", 1).set("a", Json::Array{true, nullptr, Json::Object{}});
    return object;
}

INSTANTIATE_TEST_SUITE_P(
    Values, JsonTest,
    ::testing::Values(JsonCase{Json(), "null"}, JsonCase{false, "false"}, JsonCase{42, "42"},
                      JsonCase{-2.5, "-2.5"}, JsonCase{0.048, "0.048"},
                      JsonCase{std::numeric_limits<double>::quiet_NaN(), "null"},
                      JsonCase{"say \"hi\" \\ bye", R"("say \"hi\" \\ bye")"},
                      JsonCase{"\n\r\t\b\f\x01\x1f\x7f", R"("\n\r\t\b\f\u0001\u001f)"
                                                         "\x7f\""},
                      JsonCase{Json::fromCp1252("caf\xE9 \x80"), "\"caf\xC3\xA9 \xE2\x82\xAC\""},
                      // Members keep the order they were set in.
                      JsonCase{nested(), R"({"z":1,"a":[true,null,{}]})"}));

} // namespace
} // namespace tarnel
