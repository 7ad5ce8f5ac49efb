// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/alphabets/AlphabetHelp.h"

namespace tarnel {

namespace {

QString bullet(const QString& text) {
    return QStringLiteral("    • ") + text;
}

HelpTopic valuesTopic(const QString& alphabet, const QString& words) {
    return {QStringLiteral("Feature Values"),
            QStringLiteral("Feature Values:"),
            {bullet(QStringLiteral("The %1 tells Tarnel which sound each keyboard character "
                                   "stands for when you type %2.  Each column is one "
                                   "character: the character at the top, then its value "
                                   "(+ or -) for each feature named at the left.")
                        .arg(alphabet, words)),
             bullet(QStringLiteral("Click a value to switch it between + and -.")),
             bullet(QStringLiteral("A sound cannot be both high and low, nor both front and "
                                   "back: making one of them + makes the other -.")),
             bullet(QStringLiteral("Press Esc to remove the highlights.")),
             bullet(QStringLiteral("Use the scrollbar below the columns to see the other "
                                   "characters."))}};
}

HelpTopic charactersTopic() {
    return {QStringLiteral("Characters"),
            QStringLiteral("Characters:"),
            {bullet(QStringLiteral("Click in a column, then press a key to act on it.")),
             bullet(QStringLiteral("Left and Right arrows move the column one place.  When "
                                   "a typed word is read, the first column with its "
                                   "character is the one used.")),
             bullet(QStringLiteral("A letter or digit key (with Shift: a capital letter, or "
                                   "one of ) ! @ # $ % ^ & * ( ) gives the column that "
                                   "character, unless another column has it.")),
             bullet(QStringLiteral("Insert adds a copy of the column at its right.  Type the "
                                   "new column's character into the box that appears (any "
                                   "character but the blank); Esc in the box takes the new "
                                   "column away again.")),
             bullet(QStringLiteral("Delete removes the column.")),
             bullet(QStringLiteral("An alphabet has at least 5 and at most 52 characters."))}};
}

HelpTopic keepingTopic(AlphabetSide side) {
    QStringList bullets{
        bullet(QStringLiteral("Your changes take effect at once.  When you leave this screen "
                              "with changes made, Tarnel asks \"Keep the changes?\":  Yes "
                              "keeps them, No puts the alphabet back as it was when you came "
                              "to this screen, Cancel stays here.")),
        bullet(QStringLiteral("Changes kept are written to the model file when you save the "
                              "model."))};
    if (side == AlphabetSide::Etymon)
        bullets << bullet(QStringLiteral("Edit > Default Alphabets sets both the Etymon and "
                                         "the Reflex Alphabet back to the letters a to z with "
                                         "their default values; No on leaving undoes that "
                                         "too."));
    return {QStringLiteral("Keeping Changes"), QStringLiteral("Keeping Changes:"), bullets};
}

} // namespace

HelpTopics alphabetEditorHelp(AlphabetSide side) {
    const bool etymon = side == AlphabetSide::Etymon;
    const QString alphabet =
        etymon ? QStringLiteral("Etymon Alphabet") : QStringLiteral("Reflex Alphabet");
    const QString words = etymon ? QStringLiteral("an etymon")
                                 : QStringLiteral("a reflex (in Reflex mode and in the "
                                                  "Vocabulary)");
    return {helpWithHelp(), helpSeparator(), valuesTopic(alphabet, words), charactersTopic(),
            keepingTopic(side)};
}

HelpTopics outputAlphabetHelp() {
    return {helpWithHelp(),
            helpSeparator(),
            {QStringLiteral("Output Alphabet"),
             QStringLiteral("Output Alphabet:"),
             {bullet(QStringLiteral("The Output Alphabet (which is read-only) is used for "
                                    "decoding the word -- after each change -- from binary "
                                    "feature values to phonetic symbols.")),
              bullet(QStringLiteral(
                  "During derivation the word is represented as an array of feature values.  "
                  "In the decoding process, the values of each segment of the word are "
                  "compared to those of the Output Alphabet, in search of the phonetic symbol "
                  "whose _minimally defining feature values_ -- represented by 'double plus' "
                  "(#) and 'double minus' (=) -- match those of the word-segment.")),
              bullet(QStringLiteral("Meanwhile, if any of the _single_ signs of the phonetic "
                                    "symbol differ from those of the word-segment, the symbol "
                                    "in the output display is tinted blue, and a touch of the "
                                    "cursor displays the identities of the differing "
                                    "features.")),
              bullet(QStringLiteral("In the display of the Output Alphabet, touch a phonetic "
                                    "symbol with the cursor to see its phonetic description.")),
              bullet(QStringLiteral("Use the scrollbar at the bottom of the screen to scoot the "
                                    "alphabet left and right."))}}};
}

} // namespace tarnel
