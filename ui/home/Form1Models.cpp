// SPDX-License-Identifier: GPL-3.0-or-later
// The home screen's Model menu: new, choose, save, save as, delete.
#include "frontend/ModelText.h"
#include "session/Session.h"
#include "ui/home/Form1.h"
#include "ui/home/ModelCheckWindow.h"
#include "ui/shared/Context.h"
#include "ui/shared/Dialogs.h"
#include "ui/shared/ModelTextEdits.h"
#include "ui/shared/Shared.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

namespace tarnel {

namespace {

constexpr int maxMenuModels = 21;
constexpr int fixedModelEntries = 6; // New, Open..., Save, Save As..., -, Delete a Model
const QString deleteTitle = QStringLiteral("Choose a Model to Delete");
constexpr qsizetype maxWarningLines = 20; // so that the box fits on the screen

// The model files' names as the file system has them (UTF-8).
QStringList modelNames(const Session& session) {
    QStringList names;
    for (const std::string& name : session.folder().modelNames()) {
        names.append(QString::fromStdString(name));
    }
    return names;
}

// What a load left out of the model, in one box.
void showLoadWarnings(Context& ctx, const std::vector<std::string>& warnings) {
    if (warnings.empty()) {
        return;
    }
    QStringList lines;
    for (const std::string& warning : warnings) {
        lines << fromModelText(warning);
    }
    if (lines.size() > maxWarningLines) {
        const qsizetype more = lines.size() - maxWarningLines;
        lines.resize(maxWarningLines);
        lines << QStringLiteral("... and %1 more").arg(more);
    }
    ctx.dialogs.ok(lines.join(QStringLiteral("\r\n")));
}

} // namespace

void Form1::buildModelMenu() {
    const QList<QAction*> entries = mnuModelChoice->actions();
    for (qsizetype i = fixedModelEntries; i < entries.size(); ++i) {
        mnuModelChoice->removeAction(entries[i]);
        entries[i]->deleteLater();
    }
    mnuModelChoice->addSeparator();
    const QStringList names = modelNames(ctx.session);
    for (qsizetype i = 0; i < names.size() && i < maxMenuModels; ++i) {
        const QString name = names[i];
        QString caption = name;
        mnuModelChoice->addAction(caption.replace(u'&', QStringLiteral("&&")), this,
                                  [this, name] { chooseModel(name); });
    }
}

void Form1::modelSaved() {
    txtModelName->hide();
    refreshFileList();
}

void Form1::refreshFileList() {
    File1->clear();
    for (const QString& name : modelNames(ctx.session)) {
        File1->addItem(name + QStringLiteral(".tnl"));
    }
}

void Form1::hidePanels() {
    for (QWidget* panel :
         {static_cast<QWidget*>(txtModelName), static_cast<QWidget*>(File1),
          static_cast<QWidget*>(lblDelete), static_cast<QWidget*>(lblNotes),
          static_cast<QWidget*>(txtNotes), static_cast<QWidget*>(lblVocab),
          static_cast<QWidget*>(chkVocabIpa), static_cast<QWidget*>(lstVocab), itemBox,
          static_cast<QWidget*>(txtMassVocab), static_cast<QWidget*>(btnDone)}) {
        panel->hide();
    }
    hideHelp();
}

void Form1::showModelPanels() {
    lblNotes->show();
    txtNotes->show();
    lblVocab->show();
    chkVocabIpa->show();
    lstVocab->show();
}

void Form1::modelReplaced() {
    refreshNotes();
    refreshVocab();
}

void Form1::modelEdited() {
    refreshNotes();
    refreshVocab();
}

void Form1::mnuNew_Click() {
    hideHelp();
    if (!offerToSave(ctx)) {
        return;
    }
    hidePanels();
    replaceName.clear();
    ctx.session.newModel(); // unnamed until a name is accepted, so nothing can be saved yet
    showFileProblems();
    mnuSave->setEnabled(false);
    mnuSaveAs->setEnabled(false);
    buildModelMenu();
    setCaption(QStringLiteral("Creating New Model"));
    txtModelName->clear();
    txtModelName->show();
    txtModelName->setFocus();
}

void Form1::mnuOpen_Click() {
    hideHelp();
    const QString path = ctx.dialogs.openFileName(QStringLiteral("Open Model"),
                                                  QStringLiteral("Tarnel models (*.tnl)"));
    if (!path.isEmpty()) {
        openModelFile(path);
    }
}

void Form1::mnuSave_Click() {
    hideHelp();
    if (!replaceName.isEmpty() && txtModelName->isVisible()) {
        takeModelName(replaceName);
        return;
    }
    saveModel(ctx);
}

void Form1::mnuSaveAs_Click() {
    hideHelp();
    txtModelName->clear();
    txtModelName->show();
    txtModelName->setFocus();
}

void Form1::mnuDelete_Click() {
    hideHelp();
    refreshFileList();
    lblDelete->show();
    File1->show();
    if (caption() != deleteTitle) {
        titleBeforeDelete = caption();
    }
    setCaption(deleteTitle);
}

void Form1::File1_Click(const QString& fileName) {
    const std::string name = fileName.chopped(4).toStdString();
    if (ctx.dialogs.okCancel(fromModelText(Session::deleteWarning(name))) == Answer::Ok) {
        succeeded(ctx, ctx.session.deleteModel(name));
        refreshFileList();
        buildModelMenu();
    }
    File1->hide();
    lblDelete->hide();
    setCaption(titleBeforeDelete); // the title goes with the panel
}

void Form1::chooseModel(const QString& name) {
    hideHelp();
    if (!offerToSave(ctx)) {
        return;
    }
    const auto opened = ctx.session.openModel(name.toStdString());
    if (!opened) {
        ctx.dialogs.ok(fromModelText(opened.message()));
        return;
    }
    showOpenedModel(*opened);
}

void Form1::openModelFile(const QString& path) {
    hideHelp();
    if (!offerToSave(ctx)) {
        return;
    }
    const auto opened = ctx.session.openModelFile(QFile::encodeName(path).toStdString());
    if (!opened) {
        ctx.dialogs.ok(fromModelText(opened.message()));
        return;
    }
    showOpenedModel(*opened);
}

void Form1::showOpenedModel(const std::vector<std::string>& warnings) {
    hidePanels();
    mnuSave->setEnabled(true);
    mnuSaveAs->setEnabled(true);
    setCaption(modelTitle());
    showModelPanels();
    showLoadWarnings(ctx, warnings);
    showFileProblems();
}

void Form1::showFileProblems() {
    const std::vector<ModelProblem>& problems = ctx.session.fileProblems();
    if (problems.empty()) {
        if (checkWindow) {
            checkWindow->close();
        }
        return;
    }
    if (!checkWindow) {
        checkWindow = std::make_unique<ModelCheckWindow>();
    }
    checkWindow->showProblems(modelCaption(ctx), problems);
}

// A model kept elsewhere shows its folder, so that it is not taken for the model folder's
// model of the same name.
QString Form1::modelTitle() const {
    const std::filesystem::path& file = ctx.session.outsideFile();
    if (file.empty()) {
        return modelCaption(ctx);
    }
    QString folder = QFile::decodeName(QByteArray::fromStdString(file.parent_path().string()));
    const QString home = QDir::homePath();
    if (folder == home || folder.startsWith(home + u'/')) {
        folder = u'~' + folder.mid(home.size());
    }
    return modelCaption(ctx) + QStringLiteral(" in ") + QDir::toNativeSeparators(folder);
}

namespace {

NameBoxKey nameBoxKey(const QKeyEvent& event) {
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter)
        return NameBoxKey::Enter;
    if (event.matches(QKeySequence::Paste))
        return NameBoxKey::Paste;
    const QString text = event.text();
    if (text.isEmpty() || text.front() < u' ' || text.front() == QChar(0x7F))
        return NameBoxKey::Editing; // editing and cursor keys, shortcuts
    return text == QStringLiteral(" ") ? NameBoxKey::Blank : NameBoxKey::Character;
}

} // namespace

// A key in the name box, as the session's name box answers it. Returns true when the key is
// used up here (refused or replaced); editing keys and shortcuts work as in any box.
bool Form1::txtModelName_KeyPress(QKeyEvent* event) {
    const QString text = event->text();
    const char32_t character = text.size() == 1 ? text.front().unicode() : 0;
    const NameBoxAnswer answer = nameBoxAnswer(
        static_cast<std::size_t>(txtModelName->text().size()), nameBoxKey(*event), character);
    switch (answer.action) {
    case NameBoxAnswer::Action::Pass:
        return false;
    case NameBoxAnswer::Action::Accept:
        acceptModelName();
        break;
    case NameBoxAnswer::Action::Paste:
        pasteModelName();
        break;
    case NameBoxAnswer::Action::Underscore:
        txtModelName->insert(QStringLiteral("_"));
        break;
    case NameBoxAnswer::Action::RemoveLast:
        txtModelName->backspace();
        break;
    case NameBoxAnswer::Action::Swallow:
        break;
    }
    if (answer.message)
        ctx.dialogs.ok(fromModelText(*answer.message));
    return true;
}

void Form1::pasteModelName() {
    const auto kept =
        static_cast<std::size_t>(txtModelName->text().size() - txtModelName->selectedText().size());
    txtModelName->insert(QString::fromStdU32String(
        pastedModelName(QGuiApplication::clipboard()->text().toStdU32String(), kept)));
}

void Form1::acceptModelName() {
    const std::string name = txtModelName->text().toStdString(); // name characters are ASCII
    if (!succeeded(ctx, checkModelName(name))) {
        return;
    }
    if (!succeeded(ctx, ctx.session.checkNameIsFree(name))) {
        replaceName = txtModelName->text(); // as the message says, Save now replaces that file
        mnuSave->setEnabled(true);
        return;
    }
    takeModelName(txtModelName->text());
}

// A name typed after "already exists" is no longer the one Save would replace.
void Form1::txtModelName_Change() {
    if (!replaceName.isEmpty() && txtModelName->text() != replaceName) {
        replaceName.clear();
        mnuSave->setEnabled(!ctx.session.model().modelName.empty());
    }
}

void Form1::takeModelName(QString name) {
    replaceName.clear();
    mnuSave->setEnabled(true);
    mnuSaveAs->setEnabled(true);
    if (succeeded(ctx, ctx.session.nameModel(name.toStdString()))) {
        ctx.dialogs.ok(fromModelText(ctx.session.savedMessage()));
    }
    setCaption(modelTitle());
    txtModelName->hide();
    refreshFileList();
    buildModelMenu();
    showModelPanels();
}

} // namespace tarnel
