// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/home/Form1Help.h"

#include "ui/shared/Shared.h"

namespace tarnel {

namespace {

HelpTopic topic(const char* caption, const char* title, const QStringList& bullets) {
    return {QString::fromUtf8(caption), QString::fromUtf8(title), bullets};
}

} // namespace

QString buildAboutText() {
    const QStringList lines = {
        QStringLiteral("About Tarnel:"),
        QStringLiteral(
            "   • Welcome to Tarnel, a tool for testing models of regular historical sound "
            "change in natural languages.  If you have an ordered set of sound-change rules and "
            "several etymons (ancestor words) -- whether documented or hypothetical -- Tarnel "
            "can test the rules and their order for accuracy."),
        QStringLiteral(
            "    • Tarnel shows phonetic symbols in the Unicode font \"Doulos SIL\", a product of "
            "SIL International.  If the symbols do not look right, install the font: on Debian "
            "or Ubuntu, install the package fonts-sil-doulos (sudo apt install "
            "fonts-sil-doulos); elsewhere, download Doulos SIL from SIL International and "
            "install it into your system's fonts folder.  No other font is needed."),
        QStringLiteral("    • With the font installed, you can operate \"span15\" (the model for "
                       "Spanish), or \"igpay\" (the model for Pig Latin)."),
        QStringLiteral(
            "    • To create your own model, click \"Model > New\" and \"Edit\" in the menu."),
        QStringLiteral("    • \"Help\" in the menu provides context-sensitive help."),
        QStringLiteral("    • Suggestions for improving Tarnel are welcome: please send them to "
                       "the Tarnel developers (see the project's README).")};
    return lines.join(QStringLiteral("\r\n"));
}

HelpTopics homeHelpTopics(const QString& aboutText) {
    HelpTopic about{QStringLiteral("About Tarnel"), {}, {}};
    const qsizetype split = aboutText.indexOf(QStringLiteral("\r\n"));
    about.title = aboutText.left(split);
    about.bullets = aboutText.mid(split + 2).split(QStringLiteral("\r\n"));
    return {
        helpWithHelp(),
        helpSeparator(),
        topic("Choosing an Existing Model", "Choosing an Existing Model:",
              {QStringLiteral("    • Click \"Model\" in the menu; the models in Tarnel's "
                              "folder are listed below the second line."),
               QStringLiteral("    • Click a model's name to load it.  If the model in use "
                              "has unsaved changes, you are asked whether to save it first.")}),
        topic("Creating a New Model", "Creating a New Model:",
              {QStringLiteral("    • Click \"Model > New\" and type a name of 3 to 20 letters, "
                              "digits or underscores (a blank becomes \"_\"); press Enter."),
               QStringLiteral("    • The new model starts with the default alphabets, no "
                              "rules and an empty Vocabulary; it is saved at once."),
               QStringLiteral("    • Then use \"Edit\" in the menu to write rules and fill "
                              "the Vocabulary.")}),
        helpSeparator(),
        topic("Editing a Model", "Editing a Model:",
              {QStringLiteral("    • \"Edit > Rules\" opens the rule order screen, where rules "
                              "are created, opened, ordered, masked and made persistent."),
               QStringLiteral("    • \"Edit > Alphabet\" opens the Etymon or Reflex Alphabet "
                              "editor, or shows the Output Alphabet."),
               QStringLiteral("    • Type notes about the model in the Notes box; they are "
                              "saved with the model.")}),
        topic("Editing the Vocabulary", "Editing the Vocabulary:",
              {QStringLiteral("    • \"Edit > Vocabulary\" shows the Vocabulary: etymon / reflex "
                              "pairs for batch testing."),
               QStringLiteral("    • Click an item, then click the list again with the mouse "
                              "to open its menu: add, delete or edit an item, edit all items "
                              "at once, or copy the etymon to the derivation screen."),
               QStringLiteral("    • An item is an etymon and a reflex separated by a space; "
                              "their characters must be in the Etymon and Reflex Alphabets.")}),
        helpSeparator(),
        topic("Saving a Model", "Saving a Model:",
              {QStringLiteral("    • \"Model > Save\" replaces the model's file with the model "
                              "as it is now."),
               QStringLiteral("    • \"Model > Save As...\" saves it under a new name, which "
                              "becomes the current model; the old file stays as it was.")}),
        topic("Deleting a Model", "Deleting a Model:",
              {QStringLiteral("    • \"Model > Delete a Model\" lists the model files; click "
                              "the one to delete and confirm.  Deleting is forever."),
               QStringLiteral("    • The model in use stays in memory and can be saved again.")}),
        helpSeparator(),
        topic("Running Derivations", "Running Derivations:",
              {QStringLiteral("    • \"Run > Interactive\": type an etymon and watch the rules "
                              "change it, stage by stage."),
               QStringLiteral("    • \"Run > Batch\": every Vocabulary pair is derived and the "
                              "computed reflexes are compared with the known ones."),
               QStringLiteral("    • \"Run > Reflex\": type a reflex to test the Reflex Order "
                              "rules.")}),
        helpSeparator(),
        about};
}

} // namespace tarnel
