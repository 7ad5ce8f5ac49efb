// SPDX-License-Identifier: GPL-3.0-or-later
// The model file reader on any bytes, with the round trip a user relies on: whatever a load
// gives, a save writes back so that the next load gives the same model (masks aside, which
// are never saved) without a warning, and saving that gives the same file.

#include "Check.h"
#include "model/ModelFile.h"
#include "support/SavedModel.h"

#include <cstddef>
#include <cstdint>

using namespace tarnel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Result<LoadedModel> first =
        readModelText(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz");
    fuzz::require(first.ok() != !first.message().empty(), "a model or an error");
    if (!first)
        return 0;
    const std::string saved = modelFileText(first->model);
    const Result<LoadedModel> second = readModelText(saved, "fuzz");
    fuzz::require(second.ok(), "the saved file loads");
    fuzz::require(second->warnings.empty(), "the saved file loads without a warning");
    fuzz::require(test::lists(second->model) == test::lists(test::asSaved(first->model)),
                  "the two loaded models are equal");
    fuzz::require(modelFileText(second->model) == saved, "the two saves are equal");
    return 0;
}
