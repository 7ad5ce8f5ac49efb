// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/rules/frmOrderHelp.h"

namespace tarnel {

namespace {

HelpTopic topic(const char* caption, const char* title,
                std::initializer_list<const char*> bullets) {
    HelpTopic result{QString::fromUtf8(caption), QString::fromUtf8(title), {}};
    for (const char* bullet : bullets)
        result.bullets.append(QStringLiteral("    • ") + QString::fromUtf8(bullet));
    return result;
}

} // namespace

HelpTopics ruleOrderHelpTopics() {
    return {
        helpWithHelp(),
        helpSeparator(),
        topic("The Supply List", "The Supply List:",
              {"The Supply is the list of every rule of the model, in alphabetical order. A rule "
               "exists only once in the Supply, however often it is used in the orders.",
               "Click \"Create New Rule\" to write a new rule in the rule editor; when you keep "
               "it, Tarnel adds its name to the Supply.",
               "To remove a rule, click its name and then \"Delete from Supply\". Tarnel asks "
               "first, then deletes the rule's text and removes it from all three order lists. "
               "Edit > Undo brings it back."}),
        topic("The Order Lists", "The Order Lists:",
              {"A rule runs only when its name stands in an order list. Choose the list with the "
               "buttons under \"Choose Order List:\".",
               "The Etymon Order interprets the spelling of a typed etymon; the Diachronic Order "
               "holds the historical sound changes, applied from top to bottom; the Reflex Order "
               "interprets the spelling of reflexes in batch testing.",
               "To put a rule into the list, click its name in the Supply, click a name in the "
               "order list, then \"> Insert Above >\" or \"> Insert Below >\". Into an empty "
               "list the rule is simply added.",
               "A rule may stand in a list more than once. Click a name in the list and use the "
               "arrows to move it up or down, or \"Delete from Order\" to take it out of the "
               "list (the rule itself stays in the Supply)."}),
        topic("Masking a Rule", "Masking a Rule:",
              {"Click in the M column beside a rule of the Diachronic Order to mask it: an \"M\" "
               "appears, a minus sign is put before the rule name, and derivations skip the "
               "rule. Click again to unmask it.",
               "Masking lets you see what a derivation gives without a rule, without losing its "
               "place in the order. Masks are not saved with the model."}),
        topic("Persistent Rules", "Persistent Rules:",
              {"Click in the P column beside a rule of the Diachronic Order to make it "
               "persistent: a \"P\" appears. Click again to make it an ordinary rule.",
               "Once a derivation has reached a persistent rule, the rule is applied again "
               "after every later rule that changes the word, so its effect holds to the end.",
               "Persistence is saved with the model."}),
        topic("Editing a Rule", "Editing a Rule:",
              {"Double-click a rule name in the Supply to open it in the rule editor.",
               "In the editor every part of the rule is a button: click it to change it, and "
               "choose Return when you are done. Tarnel asks whether to keep the changes.",
               "A renamed rule keeps its places in all three order lists."}),
    };
}

} // namespace tarnel
