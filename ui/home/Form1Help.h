// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/shared/HelpTopic.h"

namespace tarnel {

// The About text: title and bullets, joined by CR LF.
QString buildAboutText();

// The home screen's Help menu, in order (separators included).
HelpTopics homeHelpTopics(const QString& aboutText);

} // namespace tarnel
