#pragma once

#include "model/Model.h"

#include <string>

namespace tarnel::test {

// The bytes of a file in tests/model/data.
std::string dataFile(const std::string& name);

// The model the file data/sample.tnl holds.
Model sampleModel();

// A model with a bit of everything: masked and persistent entries, a repeated order name,
// an empty order, multi-line notes with bytes above 0x7F (a "§" among them),
// alphabets with more than the default characters.
Model richModel();

} // namespace tarnel::test
