// SPDX-License-Identifier: GPL-3.0-or-later
#include "WordListFormat.h"

#include <algorithm>
#include <cctype>

namespace tarnel {

namespace {

bool isLineBreak(char32_t c) {
    return c == U'\r' || c == U'\n';
}

bool isBlankLine(std::u32string_view line) {
    return std::all_of(line.begin(), line.end(), [](char32_t c) { return c <= U' '; });
}

// The first line that holds more than blanks; a line break inside quotation marks does not
// end it.
std::u32string_view firstFilledLine(std::u32string_view text) {
    std::size_t begin = 0;
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == U'"')
            quoted = !quoted;
        else if (isLineBreak(text[i]) && !quoted) {
            if (!isBlankLine(text.substr(begin, i - begin)))
                return text.substr(begin, i - begin);
            begin = i + 1;
        }
    }
    return text.substr(begin);
}

struct SeparatorCounts {
    int tabs = 0;
    int commas = 0;
    int semicolons = 0;
};

SeparatorCounts countSeparators(std::u32string_view line) {
    SeparatorCounts counts;
    bool quoted = false;
    for (const char32_t c : line) {
        if (c == U'"')
            quoted = !quoted;
        else if (!quoted) {
            counts.tabs += c == U'\t';
            counts.commas += c == U',';
            counts.semicolons += c == U';';
        }
    }
    return counts;
}

} // namespace

WordListFormat detectFormat(std::u32string_view text) {
    const SeparatorCounts counts = countSeparators(firstFilledLine(text));
    if (counts.tabs > 0)
        return WordListFormat::Tsv;
    if (counts.semicolons > 0 && counts.commas == 0)
        return WordListFormat::SemicolonCsv;
    return WordListFormat::Csv;
}

char32_t separatorOf(WordListFormat format) {
    switch (format) {
    case WordListFormat::Tsv:
        return U'\t';
    case WordListFormat::Csv:
        return U',';
    case WordListFormat::SemicolonCsv:
        return U';';
    }
    return U',';
}

std::string formatName(WordListFormat format) {
    switch (format) {
    case WordListFormat::Tsv:
        return "TSV";
    case WordListFormat::Csv:
        return "CSV";
    case WordListFormat::SemicolonCsv:
        return "CSV with semicolons";
    }
    return {};
}

WordListFormat formatForFileName(std::string_view fileName) {
    constexpr std::string_view csv = ".csv";
    if (fileName.size() < csv.size())
        return WordListFormat::Tsv;
    const std::string_view ending = fileName.substr(fileName.size() - csv.size());
    const bool isCsv = std::equal(ending.begin(), ending.end(), csv.begin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == b;
    });
    return isCsv ? WordListFormat::Csv : WordListFormat::Tsv;
}

} // namespace tarnel
