#pragma once

#include "AlphabetEditorView.h"
#include "HelpTopic.h"

namespace tarnel {

// The Help menus of the alphabet screens.
HelpTopics alphabetEditorHelp(AlphabetSide side);
HelpTopics outputAlphabetHelp();

} // namespace tarnel
