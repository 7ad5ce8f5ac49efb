// SPDX-License-Identifier: GPL-3.0-or-later
// The home screen's word lists in and out: Import and Export Vocabulary.
#include "model/ModelFile.h"
#include "model/SafeFile.h"
#include "session/Session.h"
#include "session/exchange/ImportSummary.h"
#include "session/exchange/WordListExport.h"
#include "ui/home/Form1.h"
#include "ui/shared/Context.h"
#include "ui/shared/Dialogs.h"
#include "ui/shared/ModelText.h"

#include <QFile>

namespace tarnel {

namespace {

const QString listFilter = QStringLiteral(
    "Word lists (*.tsv *.csv *.txt);;Tab-separated values (*.tsv);;Comma-separated values "
    "(*.csv);;All files (*)");

std::filesystem::path localPath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

} // namespace

// Every row is checked as a typed item; the user sees what would be imported, what was refused
// and what skipped, and imports the rest or nothing, reading a first row that may be either as
// a header or as an item. The import is one change, undone as one.
void Form1::mnuImportVocabulary_Click() {
    const QString path = ctx.dialogs.openFileName(QStringLiteral("Import Vocabulary"), listFilter);
    if (path.isEmpty()) {
        return;
    }
    const Result<std::string> file = readWholeFile(localPath(path), maxModelFileBytes);
    if (!file) {
        ctx.dialogs.ok(QStringLiteral("The word list \"%1\" cannot be read: %2.")
                           .arg(path, QString::fromStdString(file.message())));
        return;
    }
    Result<WordListImport> read = readWordList(*file, ctx.session.model());
    if (!read) {
        ctx.dialogs.ok(fromModelText(read.message()));
        return;
    }
    const QString summary = QString::fromStdString(importSummary(*read));
    const QString details = QString::fromStdString(importDetails(*read));
    if (read->items.empty() && read->eitherWayLine == 0) {
        ctx.dialogs.choose(summary, details, {QStringLiteral("OK")});
        return;
    }
    QStringList buttons;
    for (const std::string& button : importButtons(*read))
        buttons.append(QString::fromStdString(button));
    const QString question =
        summary + QStringLiteral("\r\n") + QString::fromStdString(importQuestion(*read));
    const auto chosen = importChoice(
        *read, static_cast<std::size_t>(ctx.dialogs.choose(question, details, buttons)));
    if (!chosen)
        return;
    // The first row read the other way than the one shown: the list is read again so.
    if (*chosen != HeaderChoice::Automatic &&
        (*chosen == HeaderChoice::Yes) != read->header.has_value())
        read = readWordList(*file, ctx.session.model(), *chosen);
    if (read)
        ctx.session.importVocabulary(*read);
}

// The Vocabulary as TSV or CSV (by the file's ending), UTF-8, with a header row.
void Form1::mnuExportVocabulary_Click() {
    const QString path = ctx.dialogs.saveFileName(QStringLiteral("Export Vocabulary"), listFilter,
                                                  fromModelText(ctx.session.model().modelName) +
                                                      QStringLiteral("-vocabulary.tsv"));
    if (path.isEmpty()) {
        return;
    }
    const std::string text = wordListText(ctx.session.model().lstVocab,
                                          formatForFileName(QFile::encodeName(path).toStdString()));
    const Result<std::string> written = replaceFile(localPath(path), text);
    if (!written) {
        ctx.dialogs.ok(QStringLiteral("The Vocabulary could not be exported to \"%1\": %2.")
                           .arg(path, QString::fromStdString(written.message())));
    }
}

} // namespace tarnel
