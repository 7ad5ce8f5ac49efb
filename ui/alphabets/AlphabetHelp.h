// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/alphabets/AlphabetEditorView.h"
#include "ui/shared/HelpTopic.h"

namespace tarnel {

// The Help menus of the alphabet screens.
HelpTopics alphabetEditorHelp(AlphabetSide side);
HelpTopics outputAlphabetHelp();

} // namespace tarnel
