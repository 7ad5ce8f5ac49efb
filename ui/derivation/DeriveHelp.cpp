// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/derivation/DeriveHelp.h"

namespace tarnel {

namespace {

HelpTopic interactiveDerivation() {
    return {
        QStringLiteral("Interactive Derivation"),
        QStringLiteral("Interactive Derivation:"),
        {QStringLiteral("    \u2022 Choose \"Run > Interactive\" and type an etymon (an ancestor "
                        "word) in the box, one character per sound, using the characters "
                        "of the Etymon Alphabet. A word has at most 20 characters."),
         QStringLiteral("    \u2022 Click \"Derive\" or press Enter. The first line, \"Etymon:\", "
                        "shows the etymon as the Etymon Order rules read it. Each further "
                        "line shows the word after a rule of the Diachronic Order changed "
                        "it, with that rule's name on the left; a line whose name begins "
                        "with \"P-\" shows a persistent rule applied again after that change. "
                        "\"End\" closes the derivation."),
         QStringLiteral("    \u2022 A black symbol is exactly its IPA symbol. A blue symbol "
                        "differs from it in some features: rest the pointer on it to see "
                        "them. A red symbol fits no IPA symbol, so the nearest plain letter "
                        "stands in for it; the pointer shows how the sound differs from "
                        "that letter."),
         QStringLiteral("    \u2022 A character that is not in the Etymon Alphabet is refused "
                        "as you type it; add it under \"Edit > Alphabet > Etymon\" first."),
         QStringLiteral("    \u2022 \"Clear\" empties the display. When a derivation is longer "
                        "than the screen, the arrow buttons scroll it.")}};
}

HelpTopic batchDerivation() {
    return {QStringLiteral("Batch Derivation"),
            QStringLiteral("Batch Derivation:"),
            {QStringLiteral("    \u2022 \"Run > Batch\" derives every etymon of the Vocabulary "
                            "(\"Edit > Vocabulary\") and compares the result with the known "
                            "reflex beside it, read through the Reflex Alphabet and the Reflex "
                            "Order."),
             QStringLiteral("    \u2022 The counts and the percentage done are updated as the "
                            "run goes. Tarnel takes no clicks or keys until the run has "
                            "finished."),
             QStringLiteral("    \u2022 A Vocabulary of more than 300 pairs may take a while: "
                            "you are asked first, and \"Cancel\" leaves the run undone."),
             QStringLiteral("    \u2022 Run a batch before and after you edit a rule to see "
                            "whether the edit made the model better or worse.")}};
}

HelpTopic readingBatchResults() {
    return {QStringLiteral("Reading Batch Results"),
            QStringLiteral("Reading Batch Results:"),
            {QStringLiteral("    \u2022 \"Good\" lists the pairs whose derived word matches the "
                            "known reflex in every feature of every segment."),
             QStringLiteral("    \u2022 \"Bad\" lists the others, each with its first "
                            "discrepancy: \"pater > padre:  seg.#3, voice\" means that segment 3 "
                            "of the derived word differs from the reflex in the feature "
                            "\"voice\". A discrepancy in \"segment\" means that the two words "
                            "differ in length."),
             QStringLiteral("    \u2022 Select lines in either list and press Ctrl+C to copy "
                            "them, for example into the model's notes."),
             QStringLiteral("    \u2022 To follow a bad pair stage by stage, select it under "
                            "\"Edit > Vocabulary\" and choose \"Copy Etymon to Derive\" from "
                            "its pop-up menu.")}};
}

HelpTopic testingReflexRules() {
    return {QStringLiteral("Testing Reflex Rules"),
            QStringLiteral("Testing Reflex Rules:"),
            {QStringLiteral("    \u2022 \"Run > Reflex\" tests the Reflex Order: the rules that "
                            "interpret a known reflex before a batch run compares it with a "
                            "derived word."),
             QStringLiteral("    \u2022 Type a reflex in the box, using the characters of the "
                            "Reflex Alphabet, and click \"Derive\" or press Enter. The line "
                            "\"Reflex\" shows the reflex as the Reflex Order rules leave it."),
             QStringLiteral("    \u2022 Colours mean what they mean in an interactive "
                            "derivation, except that a segment that fits no IPA symbol is shown "
                            "as a red square.")}};
}

} // namespace

HelpTopics deriveHelpTopics() {
    return {helpWithHelp(),        helpSeparator(), interactiveDerivation(), batchDerivation(),
            readingBatchResults(), helpSeparator(), testingReflexRules()};
}

} // namespace tarnel
