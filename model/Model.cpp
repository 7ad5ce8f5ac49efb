// SPDX-License-Identifier: GPL-3.0-or-later
#include "Model.h"

namespace tarnel {

void clearModel(Model& model) {
    model.lst1Rule.clear();
    model.lstSupply.clear();
    model.lstDiacOrd.clear();
    model.lstM.clear();
    model.lstP.clear();
    model.lstEtyOrd.clear();
    model.lstReflOrd.clear();
    model.lstCol.clear();
    model.lstColR.clear();
    model.lstVocab.clear();
}

} // namespace tarnel
