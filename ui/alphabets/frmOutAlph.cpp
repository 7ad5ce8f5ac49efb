// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/alphabets/frmOutAlph.h"

#include "ui/alphabets/AlphabetHelp.h"
#include "ui/alphabets/OutputAlphabetView.h"
#include "ui/shared/Context.h"
#include "ui/shared/Dialogs.h"
#include "ui/shared/Shared.h"

#include <QScreen>

namespace tarnel {

frmOutAlph::frmOutAlph(Context& context) : Screen(context) {
    setCaption(QStringLiteral("Output Alphabet (Read Only)"));
    addStandardMenus(outputAlphabetHelp());

    body = new OutputAlphabetView;
    setCentralWidget(body);
    connect(body, &OutputAlphabetView::valuesDoubleClicked, this, &frmOutAlph::lstValues_DblClick);
}

void frmOutAlph::lstValues_DblClick() {
    const QSize size = screen()->size();
    ctx.dialogs.ok(
        QStringLiteral("Your screen is %1 by %2 pixels.").arg(size.width()).arg(size.height()));
}

} // namespace tarnel
