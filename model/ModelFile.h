// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Model.h"
#include "core/Result.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarnel {

inline constexpr std::string_view modelFileExtension = ".tnl";

// A model file larger than this is refused unread: no model comes near it, and reading
// anything larger whole could exhaust memory.
inline constexpr std::size_t maxModelFileBytes = std::size_t{64} << 20;

// The exact bytes of the model file of `model` (Windows-1252, CR LF). The "§1_NAME:" line
// holds `model.modelName`; masks are not written.
std::string modelFileText(const Model& model);

// Reads model file bytes into a fresh model named `name`. Tolerant as the format allows;
// a text that ends early, or a model file that was saved again as UTF-8, gives no model and
// a reason in `error`. What a loaded file held that a save could not write back faithfully
// is left out, each with a warning that names its line ("Line 12: order entry ... cannot be
// kept; it was left out."); show the warnings after the load. Messages are Windows-1252.
//
// `lines` says where in the file each part of the model stood, for what is said about the
// file afterwards (see session/ModelCheck.h): line numbers counted from 1, in the order of
// the model's lists.
struct ModelLines {
    std::vector<std::vector<int>> rules; // every line of each rule of lst1Rule
    std::vector<int> diachronicOrder;    // each entry of lstDiacOrd
    std::vector<int> etymonOrder;
    std::vector<int> reflexOrder;
    std::vector<int> etymonAlphabet; // each column of lstCol
    std::vector<int> reflexAlphabet;
    std::vector<int> vocabulary; // each item of lstVocab
};
struct LoadedModel {
    Model model;
    std::vector<std::string> warnings;
    ModelLines lines;
};
Result<LoadedModel> readModelText(std::string_view bytes, const std::string& name);

// Loads the file at `path`; the model's name is the file name without ".tnl". A file that
// cannot be read, ends early or was saved again as UTF-8 gives no model and a message that
// names the file. Replace the current model only when a model comes back.
//
// What the screens do after a successful load (the reader itself touches no screen): show
// the notes box and the Vocabulary list, enable the Run menus when the Diachronic Order has
// entries, and make the derivation screen's first rule-name label at least as wide as
// `ruleNameLabelText` of every name in the Supply.
Result<LoadedModel> loadModelFile(const std::filesystem::path& path);

// The text whose width the derivation screen's rule-name label must have room for.
std::string ruleNameLabelText(std::string_view ruleName);

// Writes `model` to `path` safely: the new file is written beside the old one and renamed
// over it only when every byte is on disk, so a failed save leaves the old file as it was.
// A symbolic link is saved through to the file it names; a target that is not a regular
// file, has other hard links or is read-only is refused. A failure says what went wrong
// (Windows-1252). The caller clears the unsaved-changes flag on success only.
Result<> writeModelFile(const Model& model, const std::filesystem::path& path);

} // namespace tarnel
