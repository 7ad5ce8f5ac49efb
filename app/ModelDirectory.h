// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tarnel {

// Where an installed program finds the sample models, beside its own bin/ folder.
QString installedSamplesDirectory(const QString& programDirectory);

// The folder the desktop program keeps its models in. A program run from a folder it can write
// to, outside an installed tree, keeps them beside itself, as a build does. An installed program
// keeps them in `userDataDirectory`/models, made on first start and given copies of the
// installed sample models while it holds no model at all.
QString prepareModelDirectory(const QString& programDirectory, const QString& userDataDirectory);

} // namespace tarnel
