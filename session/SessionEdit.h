// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// For the files that implement Session's operations.

#include "Session.h"

#include <type_traits>

namespace tarnel {

template <class Edit>
auto Session::edit(const std::string& caption, ModelParts parts, Edit&& change, bool affectsFile,
                   bool merging) {
    const ModelSnapshot before = takeSnapshot(model_, parts);
    const auto recordStep = [&] {
        if (history_.record(caption, before, model_, affectsFile, merging)) {
            if (affectsFile)
                setUnsaved();
            notify(Session::Change::Edited);
        }
    };
    if constexpr (std::is_void_v<std::invoke_result_t<Edit&, Model&>>) {
        change(model_);
        recordStep();
    } else {
        auto result = change(model_);
        recordStep();
        return result;
    }
}

} // namespace tarnel
