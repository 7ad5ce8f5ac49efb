// SPDX-License-Identifier: GPL-3.0-or-later
// Word lists and reports in and out of the open model.
#include "Session.h"
#include "exchange/WordListExport.h"
#include "insight/ReportExport.h"
#include "model/ModelFile.h"
#include "model/SafeFile.h"

namespace tarnel {

namespace {

std::string readingFailure(std::string_view what, const std::filesystem::path& path,
                           const std::string& reason) {
    return std::string(what) + " " + quotedFileName(path) + " cannot be read: " + reason + ".";
}

} // namespace

Result<WordListImport> Session::readWordList(const std::filesystem::path& path, HeaderChoice header,
                                             bool ipa) const {
    const Result<std::string> file = readTextFile(path, "The word list");
    if (!file)
        return fail(file.message());
    const IpaAlphabets alphabets = ipaAlphabets();
    return tarnel::readWordList(*file, model(), header, ipa ? &alphabets : nullptr);
}

Result<WordListImport> Session::importWordList(const std::filesystem::path& path,
                                               HeaderChoice header, bool ipa) {
    Result<WordListImport> read = readWordList(path, header, ipa);
    if (read)
        importVocabulary(*read);
    return read;
}

Result<> Session::exportVocabulary(const std::filesystem::path& path) const {
    return replaceFile(path, wordListText(model().lstVocab, formatForFileName(path.string())),
                       "The Vocabulary");
}

Result<> Session::writeReport(const std::filesystem::path& path, ReportFormat format) const {
    const std::string bytes = format == ReportFormat::Csv
                                  ? insight::itemsCsv(report_)
                                  : insight::reportJson(report_, model().modelName).dump() + "\n";
    return replaceFile(path, bytes, "The report");
}

Result<std::string> Session::readTextFile(const std::filesystem::path& path,
                                          std::string_view what) const {
    Result<std::string> file = readWholeFile(path, maxModelFileBytes);
    if (!file)
        return fail(readingFailure(what, path, file.message()));
    return file;
}

} // namespace tarnel
