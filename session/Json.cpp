// SPDX-License-Identifier: GPL-3.0-or-later
#include "Json.h"

#include "core/Cp1252.h"

#include <charconv>
#include <cmath>

namespace tarnel {

namespace {

void appendNumber(std::string& out, double number) {
    if (!std::isfinite(number)) {
        out += "null";
        return;
    }
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, number).ptr;
    out.append(buffer, end);
}

void appendEscape(std::string& out, unsigned char c) {
    static constexpr char hex[] = "0123456789abcdef";
    switch (c) {
    case '\b':
        out += "\\b";
        break;
    case '\f':
        out += "\\f";
        break;
    case '\n':
        out += "\\n";
        break;
    case '\r':
        out += "\\r";
        break;
    case '\t':
        out += "\\t";
        break;
    default:
        out += "\\u00";
        out += hex[c >> 4];
        out += hex[c & 0xF];
    }
}

} // namespace

void appendJsonString(std::string& out, std::string_view text) {
    out += '"';
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (ch == '"' || ch == '\\') {
            out += '\\';
            out += ch;
        } else if (c < 0x20) {
            appendEscape(out, c);
        } else {
            out += ch;
        }
    }
    out += '"';
}

Json Json::fromCp1252(std::string_view text) {
    return Json(cp1252ToUtf8(text));
}

Json& Json::push(Json element) {
    std::get<Array>(value_).push_back(std::move(element));
    return *this;
}

Json& Json::set(std::string key, Json member) {
    std::get<Object>(value_).emplace_back(std::move(key), std::move(member));
    return *this;
}

std::string Json::dump() const {
    std::string out;
    dumpTo(out);
    return out;
}

void Json::dumpTo(std::string& out) const {
    if (const auto* flag = std::get_if<bool>(&value_)) {
        out += *flag ? "true" : "false";
    } else if (const auto* number = std::get_if<double>(&value_)) {
        appendNumber(out, *number);
    } else if (const auto* text = std::get_if<std::string>(&value_)) {
        appendJsonString(out, *text);
    } else if (const auto* items = std::get_if<Array>(&value_)) {
        out += '[';
        for (std::size_t i = 0; i < items->size(); ++i) {
            if (i > 0)
                out += ',';
            (*items)[i].dumpTo(out);
        }
        out += ']';
    } else if (const auto* members = std::get_if<Object>(&value_)) {
        out += '{';
        for (std::size_t i = 0; i < members->size(); ++i) {
            if (i > 0)
                out += ',';
            appendJsonString(out, (*members)[i].first);
            out += ':';
            (*members)[i].second.dumpTo(out);
        }
        out += '}';
    } else {
        out += "null";
    }
}

} // namespace tarnel
