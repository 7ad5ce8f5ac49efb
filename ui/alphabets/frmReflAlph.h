// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/alphabets/AlphabetScreen.h"

namespace tarnel {

// The Reflex Alphabet editor.
class frmReflAlph : public AlphabetScreen {
    Q_OBJECT
public:
    explicit frmReflAlph(Context& context);
};

} // namespace tarnel
