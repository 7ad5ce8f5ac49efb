// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <cstdlib>

namespace tarnel::fuzz {

// A property that must hold for every input: when it does not, the fuzzer is told by an
// abort and keeps the input that broke it.
inline void require(bool holds, const char* property) {
    if (!holds) {
        std::fprintf(stderr, "Property broken: %s\n", property);
        std::abort();
    }
}

} // namespace tarnel::fuzz
