// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextDecoding.h"

#include "core/Cp1252.h"

#include <algorithm>
#include <optional>

namespace tarnel {

namespace {

constexpr std::string_view utf8Bom = "\xEF\xBB\xBF";

bool startsWith(std::string_view bytes, std::string_view prefix) {
    return bytes.substr(0, prefix.size()) == prefix;
}

unsigned char byteAt(std::string_view bytes, std::size_t pos) {
    return static_cast<unsigned char>(bytes[pos]);
}

// The number of continuation bytes a lead byte announces, or -1 for a byte that cannot lead
// (a continuation byte, C0 and C1, which could only start overlong forms, F5 and above).
int continuationCount(unsigned char lead) {
    if (lead < 0x80)
        return 0;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 1;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 2;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 3;
    return -1;
}

// Decodes the sequence at `pos` and advances past it; no value when it is malformed,
// overlong, a surrogate or beyond U+10FFFF.
std::optional<char32_t> nextCodePoint(std::string_view bytes, std::size_t& pos) {
    static constexpr char32_t smallest[] = {0, 0x80, 0x800, 0x10000};
    const unsigned char lead = byteAt(bytes, pos++);
    const int extra = continuationCount(lead);
    if (extra < 0 || bytes.size() - pos < static_cast<std::size_t>(extra))
        return std::nullopt;
    char32_t c = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int i = 0; i < extra; ++i) {
        const unsigned char next = byteAt(bytes, pos++);
        if ((next & 0xC0) != 0x80)
            return std::nullopt;
        c = (c << 6) | (next & 0x3F);
    }
    if (c < smallest[extra] || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF)
        return std::nullopt;
    return c;
}

std::optional<std::u32string> decodeUtf8(std::string_view bytes) {
    std::u32string text;
    text.reserve(bytes.size());
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const auto c = nextCodePoint(bytes, pos);
        if (!c)
            return std::nullopt;
        text += *c;
    }
    return text;
}

std::u32string decodeCp1252(std::string_view bytes) {
    std::u32string text(bytes.size(), U'\0');
    std::transform(bytes.begin(), bytes.end(), text.begin(),
                   [](char byte) { return cp1252ToUnicode(static_cast<unsigned char>(byte)); });
    return text;
}

bool allAscii(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char byte) { return static_cast<unsigned char>(byte) < 0x80; });
}

} // namespace

Result<DecodedText> decodeWordListText(std::string_view bytes) {
    if (startsWith(bytes, "\xFF\xFE") || startsWith(bytes, "\xFE\xFF"))
        return fail("This word list is UTF-16 text. Save it as UTF-8 or Windows-1252 text and "
                    "import it again.");
    const bool bom = startsWith(bytes, utf8Bom);
    if (bom)
        bytes.remove_prefix(utf8Bom.size());
    if (auto text = decodeUtf8(bytes)) {
        const TextEncoding encoding = bom               ? TextEncoding::Utf8WithBom
                                      : allAscii(bytes) ? TextEncoding::Ascii
                                                        : TextEncoding::Utf8;
        return DecodedText{std::move(*text), encoding};
    }
    return DecodedText{decodeCp1252(bytes), TextEncoding::Windows1252};
}

std::string encodingName(TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Ascii:
        return "ASCII";
    case TextEncoding::Utf8:
        return "UTF-8";
    case TextEncoding::Utf8WithBom:
        return "UTF-8 with BOM";
    case TextEncoding::Windows1252:
        return "Windows-1252";
    }
    return {};
}

} // namespace tarnel
