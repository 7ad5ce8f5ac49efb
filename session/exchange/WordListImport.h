// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RowCheck.h"
#include "TextDecoding.h"
#include "WordListFormat.h"
#include "core/Result.h"
#include "model/Model.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarnel {

// Whether the first row (the first that is not blank) names the columns. Automatic takes it
// as a header when it is no valid item, or when it reads "etymon", "reflex" in any case (the
// header an export writes).
enum class HeaderChoice { Automatic, Yes, No };

// The first two fields of the row taken as a header, for the user to see (UTF-8).
struct HeaderRow {
    int line = 0;
    std::string etymon;
    std::string reflex;
};

// A row skipped because its item is in the Vocabulary already, or on an earlier line.
struct SkippedRow {
    int line = 0;
    std::string item;    // "etymon  reflex" (Windows-1252)
    int earlierLine = 0; // the line that holds it first; 0 when it is in the Vocabulary
};

// What importing a word list would do, before anything is changed. Blank rows are passed
// over; every other row is an item to add, a refused row or a duplicate.
struct WordListImport {
    std::vector<std::string> items; // "etymon  reflex" (Windows-1252), in file order
    std::vector<RefusedRow> refused;
    // The IPA symbols of the refused rows that no column shows as, each once (by alphabet and
    // symbol), in the order they were met.
    std::vector<IpaWordRefusal> unknownSymbols;
    std::vector<SkippedRow> duplicates;
    std::optional<HeaderRow> header;
    // The first row that is not blank, when it may be read either way, as a header or as an
    // item, for the user to choose; 0 when there is none.
    int eitherWayLine = 0;
    WordListFormat format = WordListFormat::Csv;
    TextEncoding encoding = TextEncoding::Ascii;
};

// Reads the bytes of a word list against the alphabets and the Vocabulary of `model`.
// Refused as a whole only when the text itself cannot be read. With `ipa` the two columns are
// IPA.
Result<WordListImport> readWordList(std::string_view bytes, const Model& model,
                                    HeaderChoice header = HeaderChoice::Automatic,
                                    const IpaAlphabets* ipa = nullptr);

// `vocabulary` with the items of `import` added, in the order the Vocabulary keeps: each
// new item after the items equal to it, as if added one at a time. The new items are sorted
// once and merged in, so a long list imports at the speed of one sort.
std::vector<std::string> vocabularyWithImport(const std::vector<std::string>& vocabulary,
                                              const WordListImport& import);

} // namespace tarnel
