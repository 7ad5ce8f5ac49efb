// SPDX-License-Identifier: GPL-3.0-or-later
#include "Baseline.h"

#include "core/Cp1252.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace tarnel::cli {

namespace {

constexpr std::string_view arrow = " > ";
constexpr std::string_view discrepancyMark = ":  seg.#";

// "pater > padre" or "pater > padre:  seg.#3, voice".
std::optional<insight::PreviousItem> itemOfLine(const QJsonValue& value, bool good) {
    const std::optional<std::string> line = utf8ToCp1252(value.toString().toStdString());
    if (!value.isString() || !line)
        return std::nullopt;
    const std::size_t split = line->find(arrow);
    if (split == std::string::npos)
        return std::nullopt;
    insight::PreviousItem item{
        line->substr(0, split), line->substr(split + arrow.size()), good, {}};
    if (!good) {
        const std::size_t mark = item.reflex.rfind(discrepancyMark);
        if (mark == std::string::npos)
            return std::nullopt;
        item.discrepancy = item.reflex.substr(mark + 3);
        item.reflex.resize(mark);
    }
    return item;
}

} // namespace

Result<std::vector<insight::PreviousItem>> readBaseline(const QByteArray& json) {
    const Failure notOne = fail("it is not the --json output of a batch run");
    const QJsonDocument document = QJsonDocument::fromJson(json);
    const QJsonObject run = document.object();
    if (!document.isObject() || !run["good"].isArray() || !run["bad"].isArray())
        return notOne;
    std::vector<insight::PreviousItem> items;
    for (const bool good : {true, false}) {
        for (const QJsonValue value : run[good ? "good" : "bad"].toArray()) {
            std::optional<insight::PreviousItem> item = itemOfLine(value, good);
            if (!item)
                return notOne;
            items.push_back(std::move(*item));
        }
    }
    return items;
}

} // namespace tarnel::cli
