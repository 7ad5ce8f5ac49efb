#pragma once

#include "Stages.h"

#include <string>
#include <vector>

namespace tarnel::cli {

// All texts are Windows-1252, as the engine gives them; the writers convert to UTF-8.

struct BatchResult {
    std::vector<std::string> good; // lines without their CR LF
    std::vector<std::string> bad;
    int goodCount = 0;
    int badCount = 0;
    std::string progress;
    std::vector<std::string> messages;
};

} // namespace tarnel::cli
