// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The machine's population count where it has one: the program is built for every amd64, so
// a function marked with this is made twice and the loader picks the one the processor runs.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__POPCNT__)
#define TARNEL_POPCOUNT_CLONES [[gnu::target_clones("popcnt", "default")]]
#else
#define TARNEL_POPCOUNT_CLONES
#endif
