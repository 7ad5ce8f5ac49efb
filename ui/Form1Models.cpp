// The home screen's Model menu: new, choose, save, save as, delete.
#include "Context.h"
#include "Dialogs.h"
#include "Form1.h"
#include "ModelFiles.h"
#include "ModelText.h"
#include "ModelTextEdits.h"
#include "Shared.h"
#include "frmDerive.h"
#include "model/ModelFile.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>

namespace tarnel {

namespace {

constexpr int maxMenuModels = 21;
constexpr int minNameLength = 3;
constexpr int maxNameLength = 20;
constexpr int fixedModelEntries = 5; // New, Save, Save As..., -, Delete a Model
const QString deleteTitle = QStringLiteral("Choose a Model to Delete");

bool isNameCharacter(QChar c) {
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') ||
           c == u'_';
}

} // namespace

void Form1::buildModelMenu() {
    const QList<QAction*> entries = mnuModelChoice->actions();
    for (qsizetype i = fixedModelEntries; i < entries.size(); ++i) {
        mnuModelChoice->removeAction(entries[i]);
        entries[i]->deleteLater();
    }
    mnuModelChoice->addSeparator();
    const QStringList names = modelNames(ctx.modelDirectory);
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
    for (const QString& name : modelNames(ctx.modelDirectory)) {
        File1->addItem(name + QStringLiteral(".tnl"));
    }
}

void Form1::hidePanels() {
    for (QWidget* panel : {static_cast<QWidget*>(txtModelName), static_cast<QWidget*>(File1),
                           static_cast<QWidget*>(lblDelete), static_cast<QWidget*>(lblNotes),
                           static_cast<QWidget*>(txtNotes), static_cast<QWidget*>(lblVocab),
                           static_cast<QWidget*>(lstVocab), static_cast<QWidget*>(txtVocab),
                           static_cast<QWidget*>(txtMassVocab), static_cast<QWidget*>(btnDone)}) {
        panel->hide();
    }
    hideHelp();
}

// Views of the model are refreshed and every screen hears of the new model.
void Form1::afterModelReplaced() {
    {
        const QSignalBlocker block(txtNotes);
        txtNotes->setPlainText(fromModelLines(ctx.model.notes));
    }
    refreshVocab();
    ctx.screens.derive->resetDerivation();
    for (Screen* screen : ctx.screens.all()) {
        screen->modelReplaced();
    }
    enableRunMenusForModel(ctx);
}

void Form1::mnuNew_Click() {
    hideHelp();
    if (!offerToSave(ctx)) {
        return;
    }
    hidePanels();
    clearModel(ctx.model);
    createAlphabets(ctx.model.lstCol, ctx.model.lstColR);
    // Unnamed until a name is accepted, so nothing can be saved over another model's file.
    ctx.model.modelName.clear();
    ctx.model.notes.clear();
    ctx.model.unsavedChanges = false;
    replaceName.clear();
    mnuSave->setEnabled(false);
    mnuSaveAs->setEnabled(false);
    enableEditMenus(ctx, false); // nothing to edit until the model has a name
    afterModelReplaced();
    buildModelMenu();
    setWindowTitle(QStringLiteral("Creating New Model"));
    txtModelName->clear();
    txtModelName->show();
    txtModelName->setFocus();
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
    if (windowTitle() != deleteTitle) {
        titleBeforeDelete = windowTitle();
    }
    setWindowTitle(deleteTitle);
}

void Form1::File1_Click(const QString& fileName) {
    const QString name = fileName.chopped(4);
    const QStringList warning = {
        QStringLiteral("WARNING!  Deleting is forever."),
        QStringLiteral("Model '%1' will not be recoverable.").arg(name),
        QStringLiteral("Click 'OK' to delete, or 'Cancel' to keep the model.")};
    if (ctx.dialogs.okCancel(warning.join(QStringLiteral("\r\n"))) == Answer::Ok) {
        const QString path = QFile::decodeName(modelPath(ctx, name).c_str());
        if (!QFile::remove(path)) {
            ctx.dialogs.ok(QStringLiteral("Model '%1' could not be deleted.").arg(name));
        }
        refreshFileList();
        buildModelMenu();
    }
    File1->hide();
    lblDelete->hide();
    setWindowTitle(titleBeforeDelete); // the title goes with the panel
}

void Form1::chooseModel(const QString& name) {
    hideHelp();
    if (!offerToSave(ctx)) {
        return;
    }
    const std::optional<std::string> modelName = toModelText(name);
    ModelReadResult read = loadModelFile(modelPath(ctx, name));
    if (!modelName || !read.model) {
        const QString reason = modelName ? fromModelText(read.error)
                                         : QStringLiteral("Its name holds characters that a "
                                                          "model name cannot hold.");
        ctx.dialogs.ok(QStringLiteral("Model \"%1\" could not be loaded:\r\n%2\r\nThe model in "
                                      "memory is unchanged.")
                           .arg(name, reason));
        return;
    }
    hidePanels();
    ctx.model = std::move(*read.model);
    ctx.model.modelName = *modelName;
    ctx.model.unsavedChanges = false;
    afterModelReplaced();
    mnuSave->setEnabled(true);
    mnuSaveAs->setEnabled(true);
    enableEditMenus(ctx);
    setWindowTitle(modelCaption(ctx));
    lblNotes->show();
    txtNotes->show();
    lblVocab->show();
    lstVocab->show();
}

// A key in the name box. Returns true when the key is used up here (refused or replaced).
// Editing keys and shortcuts (selecting, deleting, cutting, undoing) work as in any box;
// what would bring text in is held to the name rules.
bool Form1::txtModelName_KeyPress(QKeyEvent* event) {
    if (txtModelName->text().size() > maxNameLength) {
        txtModelName->backspace();
        ctx.dialogs.ok(QStringLiteral("Maximum name length = 20"));
        return true;
    }
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        acceptModelName();
        return true;
    }
    if (event->matches(QKeySequence::Paste)) {
        pasteModelName();
        return true;
    }
    const QString text = event->text();
    if (text.isEmpty() || text.front() < u' ' || text.front() == QChar(0x7F)) {
        return false; // editing and cursor keys, shortcuts
    }
    if (text == QStringLiteral(" ")) {
        if (!txtModelName->text().isEmpty()) {
            txtModelName->insert(QStringLiteral("_"));
        }
        return true;
    }
    return !(text.size() == 1 && isNameCharacter(text[0]));
}

// A pasted text keeps its name characters, blanks become "_" (not at the start of an empty
// box), and the box holds no more than a name may.
void Form1::pasteModelName() {
    const QString box = txtModelName->text();
    QString kept;
    for (const QChar c : QGuiApplication::clipboard()->text()) {
        if (isNameCharacter(c)) {
            kept += c;
        } else if (c == u' ' && !(box.isEmpty() && kept.isEmpty())) {
            kept += u'_';
        }
    }
    const qsizetype room = maxNameLength - (box.size() - txtModelName->selectedText().size());
    txtModelName->insert(kept.left(std::max<qsizetype>(0, room)));
}

void Form1::acceptModelName() {
    const QString name = txtModelName->text();
    if (name.size() < minNameLength) {
        ctx.dialogs.ok(QStringLiteral("Model name must be at least three characters long."));
        return;
    }
    if (name.size() > maxNameLength) {
        ctx.dialogs.ok(QStringLiteral("Model name limited to 20 characters."));
        return;
    }
    if (!std::all_of(name.begin(), name.end(), isNameCharacter)) {
        ctx.dialogs.ok(QStringLiteral("A model name holds only letters, digits and \"_\"."));
        return;
    }
    if (modelNames(ctx.modelDirectory).contains(name)) {
        ctx.dialogs.ok(QStringLiteral("A model named %1 already exists. Click \"Save\" if you "
                                      "want to replace it.")
                           .arg(name));
        replaceName = name; // as the message says, Save now replaces that model's file
        mnuSave->setEnabled(true);
        return;
    }
    takeModelName(name);
}

// A name typed after "already exists" is no longer the one Save would replace.
void Form1::txtModelName_Change() {
    if (!replaceName.isEmpty() && txtModelName->text() != replaceName) {
        replaceName.clear();
        mnuSave->setEnabled(!ctx.model.modelName.empty());
    }
}

void Form1::takeModelName(QString name) {
    replaceName.clear();
    ctx.model.modelName = name.toStdString(); // name characters are ASCII
    setWindowTitle(modelCaption(ctx));
    mnuSave->setEnabled(true);
    mnuSaveAs->setEnabled(true);
    enableEditMenus(ctx);
    ctx.model.unsavedChanges = true;
    saveModel(ctx);
    txtModelName->hide();
    refreshFileList();
    buildModelMenu();
    lblNotes->show();
    txtNotes->show();
    lblVocab->show();
    lstVocab->show();
}

} // namespace tarnel
