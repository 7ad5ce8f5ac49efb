// SPDX-License-Identifier: GPL-3.0-or-later
#include "WordListImport.h"

#include "RowReader.h"
#include "core/Cp1252.h"
#include "model/AlphabeticalList.h"

#include <algorithm>
#include <cctype>
#include <unordered_map>
#include <utility>

namespace tarnel {

namespace {

bool equalsIgnoringCase(std::u32string_view text, std::string_view word) {
    return std::equal(text.begin(), text.end(), word.begin(), word.end(), [](char32_t a, char b) {
        return a < 0x80 && std::tolower(static_cast<int>(a)) == b;
    });
}

bool isExportHeader(const Row& row) {
    return equalsIgnoringCase(trimmedField(row, 0), "etymon") &&
           equalsIgnoringCase(trimmedField(row, 1), "reflex");
}

std::string displayText(std::u32string_view text) {
    std::string shown;
    for (const char32_t c : text)
        appendUtf8(shown, c);
    return shown;
}

// A row whose quotation mark is never closed has run on over the rest of the file: it is
// refused, never taken as a header.
bool takesAsHeader(HeaderChoice choice, const Row& row, const RowOutcome& outcome) {
    if (row.unclosedQuote)
        return false;
    switch (choice) {
    case HeaderChoice::Yes:
        return true;
    case HeaderChoice::No:
        return false;
    case HeaderChoice::Automatic:
        return outcome.refusal || isExportHeader(row);
    }
    return false;
}

// Sorts each row into the import: an item, a refusal or a duplicate.
class ImportCollector {
public:
    // `rows`: about as many rows as the file holds, so that the set of items seen is made
    // large enough once.
    ImportCollector(WordListImport& import, const std::vector<std::string>& vocabulary,
                    std::size_t rows)
        : import_(import) {
        seen_.reserve(vocabulary.size() + rows);
        for (const std::string& item : vocabulary)
            seen_.emplace(item, 0);
    }

    void add(int line, RowOutcome outcome) {
        if (outcome.unknownSymbol)
            addUnknown(std::move(*outcome.unknownSymbol));
        if (outcome.refusal) {
            import_.refused.push_back(std::move(*outcome.refusal));
            return;
        }
        const auto [first, added] = seen_.emplace(outcome.item, line);
        if (added)
            import_.items.push_back(std::move(outcome.item));
        else
            import_.duplicates.push_back({line, std::move(outcome.item), first->second});
    }

private:
    void addUnknown(IpaWordRefusal unknown) {
        std::vector<IpaWordRefusal>& known = import_.unknownSymbols;
        const auto same = [&](const IpaWordRefusal& symbol) {
            return symbol.side == unknown.side && symbol.refusal.key == unknown.refusal.key;
        };
        if (std::none_of(known.begin(), known.end(), same))
            known.push_back(std::move(unknown));
    }

    WordListImport& import_;
    std::unordered_map<std::string, int> seen_; // each item, with the line that brought it
};

} // namespace

Result<WordListImport> readWordList(std::string_view bytes, const Model& model, HeaderChoice header,
                                    const IpaAlphabets* ipa) {
    auto decoded = decodeWordListText(bytes);
    if (!decoded)
        return fail(decoded.message());
    WordListImport import;
    import.encoding = decoded->encoding;
    import.format = detectFormat(decoded->text);
    const auto lineBreaks = std::count(decoded->text.begin(), decoded->text.end(), U'\n');
    ImportCollector collector(import, model.lstVocab, static_cast<std::size_t>(lineBreaks) + 1);
    RowReader reader(decoded->text, separatorOf(import.format));
    bool first = true;
    for (Row row; reader.next(row);) {
        if (isBlankRow(row))
            continue;
        RowOutcome outcome = checkRow(reader, row, model.lstCol, model.lstColR, ipa);
        const bool isFirst = std::exchange(first, false);
        if (isFirst && !row.unclosedQuote)
            import.eitherWayLine = row.line;
        if (isFirst && takesAsHeader(header, row, outcome))
            import.header = HeaderRow{row.line, displayText(trimmedField(row, 0)),
                                      displayText(trimmedField(row, 1))};
        else
            collector.add(row.line, std::move(outcome));
    }
    return import;
}

std::vector<std::string> vocabularyWithImport(const std::vector<std::string>& vocabulary,
                                              const WordListImport& import) {
    // Items equal in this order are the same bytes, so an unstable sort of views serves.
    std::vector<std::string_view> added(import.items.begin(), import.items.end());
    std::sort(added.begin(), added.end(), alphabeticalLess);
    std::vector<std::string> merged;
    merged.reserve(vocabulary.size() + added.size());
    // Written out rather than std::merge: a hand-edited Vocabulary may be out of order, and
    // this walk keeps its items in their order whatever they are.
    auto next = added.begin();
    for (const std::string& item : vocabulary) {
        for (; next != added.end() && alphabeticalLess(*next, item); ++next)
            merged.emplace_back(*next);
        merged.push_back(item);
    }
    merged.insert(merged.end(), next, added.end());
    return merged;
}

} // namespace tarnel
