// SPDX-License-Identifier: GPL-3.0-or-later
// The home screen's word lists in and out: Import and Export Vocabulary.
#include "frontend/ModelText.h"
#include "session/Session.h"
#include "session/exchange/ImportSummary.h"
#include "ui/home/Form1.h"
#include "ui/shared/Context.h"
#include "ui/shared/Dialogs.h"
#include "ui/shared/Shared.h"

#include <QCheckBox>
#include <QFile>

namespace tarnel {

namespace {

const QString listFilter = QStringLiteral(
    "Word lists (*.tsv *.csv *.txt);;Tab-separated values (*.tsv);;Comma-separated values "
    "(*.csv);;All files (*)");

} // namespace

// Every row is checked as a typed item; the user sees what would be imported, what was refused
// and what skipped, and imports the rest or nothing, reading a first row that may be either as
// a header or as an item. The import is one change, undone as one.
void Form1::mnuImportVocabulary_Click() {
    const QString path = ctx.dialogs.openFileName(QStringLiteral("Import Vocabulary"), listFilter);
    if (path.isEmpty()) {
        return;
    }
    const bool ipa = chkVocabIpa->isChecked();
    Result<WordListImport> read =
        ctx.session.readWordList(localPath(path), HeaderChoice::Automatic, ipa);
    if (!read) {
        ctx.dialogs.ok(fromModelText(read.message()));
        return;
    }
    // Each IPA symbol that no column shows as is offered as a new column, before the list is
    // read again with the columns added.
    bool added = false;
    for (const IpaWordRefusal& unknown : read->unknownSymbols)
        added = offerIpaColumn(ctx, unknown) || added;
    if (added)
        read = ctx.session.readWordList(localPath(path), HeaderChoice::Automatic, ipa);
    if (!read)
        return;
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
        read = ctx.session.readWordList(localPath(path), *chosen, ipa);
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
    succeeded(ctx, ctx.session.exportVocabulary(localPath(path)));
}

} // namespace tarnel
