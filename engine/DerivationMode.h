// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tarnel {

// The mode the derivation screen is in; the word box's checks and the engine both read it.
enum class DerivationMode { None = 0, Interactive = 1, Batch = 2, Reflex = 3 };

} // namespace tarnel
