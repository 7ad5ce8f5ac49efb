// SPDX-License-Identifier: GPL-3.0-or-later
#include "Baseline.h"

#include "core/Cp1252.h"
#include "session/BatchText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace tarnel::cli {

namespace {

// "pater > padre" or "pater > padre:  seg.#3, voice".
std::optional<insight::PreviousItem> itemOfLine(const QJsonValue& value, bool good) {
    const std::optional<std::string> line = utf8ToCp1252(value.toString().toStdString());
    if (!value.isString() || !line)
        return std::nullopt;
    return parseResultLine(*line, good);
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
