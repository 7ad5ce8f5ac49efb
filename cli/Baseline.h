// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Result.h"
#include "session/insight/SinceLastRun.h"

#include <QByteArray>
#include <vector>

namespace tarnel::cli {

// The items of an earlier --json output of a batch run, from its Good and Bad lists, as the
// comparison with the run at hand needs them. Refused with a message when the text is no
// such output.
Result<std::vector<insight::PreviousItem>> readBaseline(const QByteArray& json);

} // namespace tarnel::cli
