#include "ui/alphabets/frmReflAlph.h"

namespace tarnel {

frmReflAlph::frmReflAlph(Context& context)
    : AlphabetScreen(context, AlphabetSide::Reflex, QStringLiteral("Edit Reflex Alphabet")) {}

} // namespace tarnel
