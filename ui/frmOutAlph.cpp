#include "frmOutAlph.h"

#include "Context.h"
#include "Shared.h"

namespace tarnel {

namespace {

HelpTopics helpTopics() {
    return {helpWithHelp()};
}

} // namespace

frmOutAlph::frmOutAlph(Context& context) : Screen(context) {
    setWindowTitle(QStringLiteral("Output Alphabet (Read Only)"));
    addStandardMenus(helpTopics());

    // ---- Screen body: placeholder until the Output Alphabet viewer is built. ----
    setCentralWidget(placeholderBody(QStringLiteral("Output Alphabet viewer")));
}

} // namespace tarnel
