// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/alphabets/AlphabetScreen.h"

namespace tarnel {

// The Etymon Alphabet editor; its Edit menu also makes both default alphabets.
class frmInAlph : public AlphabetScreen {
    Q_OBJECT
public:
    explicit frmInAlph(Context& context);
};

} // namespace tarnel
