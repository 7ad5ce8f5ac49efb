// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/shared/HelpTopic.h"

namespace tarnel {

// The derivation screen's Help menu.
HelpTopics deriveHelpTopics();

} // namespace tarnel
