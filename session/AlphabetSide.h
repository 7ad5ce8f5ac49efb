// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tarnel {

enum class AlphabetSide { Etymon, Reflex };

} // namespace tarnel
