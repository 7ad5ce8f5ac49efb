// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/ModelBuilder.h"
#include "support/Words.h"

#include <string>

namespace tarnel::test {

// Voicing (and its twin Revoicing) voice t to d, Devoicing undoes it, Nasal finds nothing to
// act on in these words.
inline ModelBuilder voicingRules(const std::string& devoicing = "Devoicing") {
    return ModelBuilder()
        .rule("Voicing", {"+cor (*) -cont (*)"}, {"+voice (*)"})
        .rule("Revoicing", {"+cor (*) -cont (*)"}, {"+voice (*)"})
        .rule(devoicing, {"+cor (*) -cont (*)"}, {"-voice (*)"})
        .rule("Nasal", {"+nas (*)"}, {"+cont (*)"});
}

} // namespace tarnel::test
