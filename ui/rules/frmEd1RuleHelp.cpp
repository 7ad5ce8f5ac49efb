// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/rules/frmEd1Rule.h"

namespace tarnel {

namespace {

HelpTopic topic(const char* caption, const char* title,
                std::initializer_list<const char*> bullets) {
    HelpTopic t{QString::fromUtf8(caption), QString::fromUtf8(title), {}};
    for (const char* bullet : bullets)
        t.bullets.append(QStringLiteral("    \u2022 ") + QString::fromUtf8(bullet));
    return t;
}

HelpTopic ruleFormat() {
    return topic(
        "Rule format", "Rule format:",
        {"A rule is a short program that looks at a word and may change it.  Tarnel tries it "
         "at every segment (sound) of the word in turn; that segment is the focus, written (*).",
         "The first line is the rule's name with a comment.  The last line is END and the "
         "name again.",
         "In between come the if-lines, labelled A:, B:, C: ..., which say when the rule "
         "applies, and the then-lines, labelled 1:, 2:, ... up to 9:, which say what it does.",
         "If line A holds at the focus, the then-lines are carried out in order; otherwise "
         "nothing changes at that segment.",
         "Every line ends with a comment between \u00AB and \u00BB; it is only for you to "
         "read."});
}

HelpTopic ruleComponents() {
    return topic(
        "Rule components", "Rule components:",
        {"Features: the 21 distinctive features (ant, asp, back, cons, ... voice) and "
         "\"mark\", \"segment\" and \"all\".  \"+cons\" means consonantal, \"-cons\" "
         "non-consonantal.",
         "Locations, always in parentheses: (*) the focus; (*+1), (*+2) ... segments after "
         "it; (*-1), (*-2) ... segments before it; (1), (2) ... counted from the start of "
         "the word; (-1), (-2) ... counted from its end: (-1) is the final segment.",
         "A unit is a feature with its value and a location: \"+high (*)\" reads \"the focus "
         "is high\" in an if-line and \"make the focus high\" in a then-line.",
         "Signs: \"=\" same value, \"<>\" different values; in a COUNT line also \">\" more "
         "than and \"<\" fewer than."});
}

HelpTopic ifLineTypes() {
    return topic(
        "Types of if-lines", "Types of if-lines:",
        {"Absolute: up to 8 units that must all hold, e.g. \"+syll (*) +high (*)\": the focus "
         "is a high vowel.",
         "Relative: compares one feature of two segments, e.g. \"voice (*) = voice (*+1)\": "
         "the focus and the next segment agree in voicing.",
         "COUNT: counts segments with a feature between two locations, e.g. \"COUNT +syll (*) "
         "(-1) > 1\": more than one vowel from the focus to the end of the word.",
         "Branching: joins two later if-lines, e.g. \"B and C\" (both must hold) or \"B or "
         "C\" (either may hold).  Only line A is tested directly; Branching lines let it "
         "combine any number of conditions."});
}

HelpTopic thenLineTypes() {
    return topic("Types of then-lines", "Types of then-lines:",
                 {"Absolute: sets features, e.g. \"-voice (*)\" devoices the focus; up to 8 units.",
                  "Relative: copies a feature, e.g. \"nas (*) = nas (*+1)\": the focus takes the "
                  "nasality of the next segment (\"<>\" gives it the opposite value).",
                  "INSERT: inserts the sound of a letter a to z, e.g. \"INSERT e (*+1)\" puts e "
                  "after the focus.",
                  "DELETE: removes a segment, e.g. \"DELETE (-1)\" drops the final segment.",
                  "SWAP: exchanges two segments (metathesis), e.g. \"SWAP (*) (*+1)\"."});
}

HelpTopic howToWrite() {
    return topic(
        "How to write a rule", "How to write a rule:",
        {"State the change as \"X becomes Y when Z\", e.g. \"a voiced obstruent at the end "
         "of the word becomes voiceless\".",
         "Write the conditions (X and Z) as if-lines: \"A:  +obstr (-1) +voice (-1)\".",
         "Write the change (Y) as then-lines: \"1:  -voice (-1)\".",
         "Several conditions on one line must all hold; to allow alternatives, make A a "
         "Branching line \"B or C\" and write each alternative as its own line.",
         "Give the rule a clear name, return to the rule order screen, insert the rule into "
         "the Diachronic Order and test it with Run > Interactive."});
}

HelpTopic usingTheEditor() {
    return topic(
        "Using the Rule Editor", "Using the Rule Editor:",
        {"Every part of the rule is a button: click it to change it.",
         "Click the name to rename the rule (3 to 25 letters, digits or \"_\"; Enter to "
         "accept, Esc to give up).  Click a light blue comment to rewrite it.",
         "Click a line label (A:, 1:, END:) for a menu of line types, Branching, inserting "
         "a then-line and deleting the line.",
         "Click a feature or a location for a menu of choices; \"Toggle Sign +/-\" switches "
         "+ and - (and after and before the focus).  Right-click a unit of an Absolute line "
         "to insert or delete a unit.",
         "Clicking \"and\"/\"or\", a sign or a COUNT number steps to the next value.",
         "\"Return\" asks whether to keep the changes: Yes stores the rule, No drops them, "
         "Cancel goes on editing."});
}

HelpTopic copyAndPaste() {
    return topic("Copy and Paste", "Copy and Paste:",
                 {"Click any button of a rule, then press Ctrl-C: all its lines except the "
                  "name and END lines are copied.",
                  "Open another rule (or a new one), click any of its buttons and press "
                  "Ctrl-V: its lines between the name and END lines are replaced by the copy.",
                  "The copy is kept until the next Ctrl-C, even when another model is "
                  "loaded."});
}

HelpTopic writingAsText() {
    return topic("Writing a Rule as Text", "Writing a Rule as Text:",
                 {"The Text tab shows the rule as the model file writes it, one line per line, "
                  "and lets you type it, or paste a rule copied from another model's file.",
                  "Feature names and key words are offered as you type: Enter or Tab takes the "
                  "one highlighted.",
                  "Every line is checked as you type; each problem is marked where it lies and "
                  "listed under the text.  Click a problem to go there.",
                  "Going back to the Elements tab puts the text in the rule as one change, "
                  "which Undo takes back.  Return keeps the rule only when no problem remains.",
                  "\"New Rule from Text\u2026\" on the order screen adds one or more rules "
                  "pasted in the same way."});
}

} // namespace

HelpTopics ruleEditorHelp() {
    return {helpWithHelp(),  helpSeparator(), ruleFormat(),     ruleComponents(), ifLineTypes(),
            thenLineTypes(), howToWrite(),    usingTheEditor(), copyAndPaste(),   writingAsText()};
}

} // namespace tarnel
