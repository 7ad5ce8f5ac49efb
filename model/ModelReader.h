// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ModelFile.h"

namespace tarnel {

// readModelText, naming the file as `fileName` in its report.
Result<LoadedModel> readModelBytes(std::string_view bytes, const std::string& name,
                                   std::string_view fileName);

} // namespace tarnel
