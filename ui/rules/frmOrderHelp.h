// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/shared/HelpTopic.h"

namespace tarnel {

// The Help menu of the rule order screen: "Help with Help", as on every screen, then the
// five topics of this screen.
HelpTopics ruleOrderHelpTopics();

} // namespace tarnel
