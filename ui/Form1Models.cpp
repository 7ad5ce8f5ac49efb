// The home screen's Model menu: new, choose, save, save as, delete.
#include "Context.h"
#include "Dialogs.h"
#include "Form1.h"
#include "ModelFiles.h"
#include "ModelText.h"
#include "Shared.h"
#include "frmDerive.h"
#include "model/ModelFile.h"

#include <QFile>
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
constexpr int fixedModelEntries = 5;      // New, Save, Save As..., -, Delete a Model
constexpr qsizetype maxWarningLines = 20; // so that the box fits on the screen

bool isNameCharacter(QChar c) {
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') ||
           c == u'_';
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
    mnuSave->setEnabled(false);
    mnuSaveAs->setEnabled(false);
    afterModelReplaced();
    buildModelMenu();
    setWindowTitle(QStringLiteral("Creating New Model"));
    txtModelName->clear();
    txtModelName->show();
    txtModelName->setFocus();
}

void Form1::mnuSave_Click() {
    hideHelp();
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
    setWindowTitle(QStringLiteral("Choose a Model to Delete"));
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
    setWindowTitle(modelCaption(ctx));
    lblNotes->show();
    txtNotes->show();
    lblVocab->show();
    lstVocab->show();
    showLoadWarnings(ctx, read.warnings);
}

// A key in the name box. Returns true when the key is used up here (refused or replaced).
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
    const QString text = event->text();
    if (key == Qt::Key_Insert) {
        return true; // Shift+Insert would paste past the key rules
    }
    if (key == Qt::Key_Backspace || key == Qt::Key_Delete || text.isEmpty()) {
        return false; // editing and cursor keys
    }
    if (text == QStringLiteral(" ")) {
        if (!txtModelName->text().isEmpty()) {
            txtModelName->insert(QStringLiteral("_"));
        }
        return true;
    }
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    return !(plain && text.size() == 1 && isNameCharacter(text[0]));
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
        return;
    }
    ctx.model.modelName = name.toStdString(); // name characters are ASCII
    setWindowTitle(modelCaption(ctx));
    mnuSave->setEnabled(true);
    mnuSaveAs->setEnabled(true);
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
