#pragma once

#include "HelpTopic.h"

namespace tarnel {

// The Help menu of the rule order screen.
HelpTopics ruleOrderHelpTopics();

} // namespace tarnel
