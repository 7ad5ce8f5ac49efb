// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <concepts>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace tarnel {

// A JSON value for the reports both front ends write: null, true/false, a number, a string
// (UTF-8), an array or an object whose members keep the order they were set in.
class Json {
public:
    using Array = std::vector<Json>;
    using Object = std::vector<std::pair<std::string, Json>>;

    Json() = default;
    Json(std::nullptr_t) {}
    Json(bool value) : value_(value) {}
    Json(double value) : value_(value) {}
    template <std::integral T>
    requires(!std::same_as<T, bool>) Json(T value) : value_(static_cast<double>(value)) {}
    Json(std::string utf8) : value_(std::move(utf8)) {}
    Json(const char* utf8) : value_(std::string(utf8)) {}
    Json(Array items) : value_(std::move(items)) {}
    Json(Object members) : value_(std::move(members)) {}

    // Model text, converted from Windows-1252.
    static Json fromCp1252(std::string_view text);

    // Adds an element to an array, or a member to an object (after those set before).
    Json& push(Json element);
    Json& set(std::string key, Json member);

    // Compact text: no blanks between tokens. A number that is not finite is written null.
    std::string dump() const;
    void dumpTo(std::string& out) const;

private:
    std::variant<std::nullptr_t, bool, double, std::string, Array, Object> value_;
};

// `text` as a JSON string literal, quotes included.
void appendJsonString(std::string& out, std::string_view text);

} // namespace tarnel
