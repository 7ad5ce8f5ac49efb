#pragma once

#include "Model.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tarnel {

inline constexpr std::string_view modelFileExtension = ".tnl";

// The exact bytes of the model file of `model` (Windows-1252, CR LF).
std::string modelFileText(const Model& model);

// Reads model file bytes into a fresh model named `name`. Tolerant as the format allows;
// a text that ends early gives no model and a reason in `error`.
struct ModelReadResult {
    std::optional<Model> model;
    std::string error;
};
ModelReadResult readModelText(std::string_view bytes, const std::string& name);

// Loads the file at `path`; the model's name is the file name without ".tnl".
ModelReadResult loadModelFile(const std::filesystem::path& path);

// Writes `model` to `path` safely: the new file is written beside the old one and renamed
// over it only when every byte is on disk, so a failed save leaves the old file as it was.
// Returns an empty string on success, else a message that says what went wrong.
std::string writeModelFile(const Model& model, const std::filesystem::path& path);

} // namespace tarnel
