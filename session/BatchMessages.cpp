// SPDX-License-Identifier: GPL-3.0-or-later
#include "BatchMessages.h"

#include "core/Encoder.h"

#include <algorithm>

namespace tarnel {

namespace {

constexpr std::size_t summaryLines = 20;

std::string firstLine(const std::string& message) {
    return message.substr(0, message.find("\r\n"));
}

std::vector<std::string> linesOf(const std::string& message) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = message.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(message.substr(start, end - start));
    lines.push_back(message.substr(start));
    return lines;
}

// The summary's own line for a group: the missing character in quotation marks on both
// sides, where the engine's message has one after it.
std::string groupLine(const std::string& line) {
    if (const std::optional<char> missing = missingCharacterOf(line))
        return "Character \"" + std::string(1, *missing) + "\" not found in etymon alphabet.";
    return line;
}

} // namespace

void BatchMessages::add(const std::string& message) {
    pending_.push_back(message);
    const std::string line = firstLine(message);
    if (std::find(itemLines_.begin(), itemLines_.end(), line) == itemLines_.end())
        itemLines_.push_back(line);
}

void BatchMessages::endItem() {
    for (const std::string& line : itemLines_) {
        const auto group = std::find_if(groups_.begin(), groups_.end(),
                                        [&line](const Group& g) { return g.line == line; });
        if (group == groups_.end())
            groups_.push_back({line, 1});
        else
            ++group->items;
    }
    itemLines_.clear();
    pending_.clear();
}

std::string BatchMessages::summary() const {
    std::vector<std::string> lines;
    for (const Group& group : groups_)
        lines.push_back(groupLine(group.line) + "  (" + std::to_string(group.items) +
                        (group.items == 1 ? " item)" : " items)"));
    for (const std::string& message : pending_)
        for (std::string& line : linesOf(message))
            lines.push_back(std::move(line));
    if (lines.size() > summaryLines) {
        const std::size_t more = lines.size() - summaryLines;
        lines.resize(summaryLines);
        lines.push_back("... and " + std::to_string(more) + " more");
    }
    std::string text;
    for (const std::string& line : lines)
        text += (text.empty() ? "" : "\r\n") + line;
    return text;
}

} // namespace tarnel
