// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/alphabets/frmReflAlph.h"

namespace tarnel {

frmReflAlph::frmReflAlph(Context& context)
    : AlphabetScreen(context, AlphabetSide::Reflex, QStringLiteral("Edit Reflex Alphabet")) {}

} // namespace tarnel
