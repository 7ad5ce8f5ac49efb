// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/shared/Screen.h"

namespace tarnel {

class OutputAlphabetView;

// The Output Alphabet viewer (read only).
class frmOutAlph : public Screen {
    Q_OBJECT
public:
    explicit frmOutAlph(Context& context);

    OutputAlphabetView* body;

private:
    void lstValues_DblClick();
};

} // namespace tarnel
