// SPDX-License-Identifier: GPL-3.0-or-later
#include "Output.h"

#include "core/Cp1252.h"
#include "core/IpaDisplay.h"
#include "frontend/ModelText.h"
#include "session/BatchText.h"
#include "session/Json.h"
#include "session/insight/Metrics.h"
#include "session/insight/ReportExport.h"
#include "session/insight/SinceLastRun.h"

#include <QStringList>

namespace tarnel::cli {

namespace {

std::string cellText(const DecodedSymbol& cell) {
    return composeNfc(ipaDisplayText(cell.codes));
}

std::string codesText(const std::string& codes) {
    QStringList hex;
    for (unsigned char code : codes)
        hex << QStringLiteral("%1").arg(code, 2, 16, QLatin1Char('0')).toUpper();
    return hex.join(' ').toStdString();
}

const char* colourName(CellColour colour) {
    switch (colour) {
    case CellColour::Blue:
        return "blue";
    case CellColour::Red:
        return "red";
    case CellColour::Black:
        break;
    }
    return "black";
}

Json textArray(const std::vector<std::string>& texts) {
    Json array = Json::Array{};
    for (const auto& text : texts)
        array.push(Json::fromCp1252(text));
    return array;
}

QByteArray line(const Json& json) {
    return QByteArray::fromStdString(json.dump() + "\n");
}

// The cells that are not plain black, with what makes them so: "[2 blue: +high]".
QString cellNotes(const Stage& stage) {
    QString notes;
    for (std::size_t i = 0; i < stage.cells.size(); ++i) {
        const auto& cell = stage.cells[i];
        if (cell.colour != CellColour::Black)
            notes += QStringLiteral("  [%1 %2: %3]")
                         .arg(i + 1)
                         .arg(QString::fromLatin1(colourName(cell.colour)),
                              fromModelText(cell.differs).trimmed());
    }
    return notes;
}

// The Good and the Bad lines, each without its CR LF.
std::pair<std::vector<std::string>, std::vector<std::string>> resultLines(const BatchRun& run) {
    std::pair<std::vector<std::string>, std::vector<std::string>> lines;
    for (const BatchItemResult& item : run.items)
        (item.good() ? lines.first : lines.second).push_back(tarnel::resultLine(item));
    return lines;
}

} // namespace

Stage stageOf(int kind, const std::string& label, const Word& word) {
    return {kind, label, decodeStage(kind, label, word).cells};
}

QByteArray derivationJsonStart() {
    return R"({"stages":[)";
}

QByteArray stageJson(const Stage& stage) {
    Json cells = Json::Array{};
    for (const auto& cell : stage.cells)
        cells.push(Json::Object{{"codes", codesText(cell.codes)},
                                {"text", cellText(cell)},
                                {"colour", colourName(cell.colour)},
                                {"differs", Json::fromCp1252(cell.differs)}});
    const Json object = Json::Object{
        {"kind", stage.kind}, {"label", Json::fromCp1252(stage.label)}, {"cells", cells}};
    return QByteArray::fromStdString(object.dump());
}

QByteArray stageSeparatorJson() {
    return ",";
}

QByteArray derivationJsonEnd(const std::vector<std::string>& messages) {
    return QByteArray::fromStdString(R"(],"messages":)" + textArray(messages).dump() + "}\n");
}

QByteArray stageText(const Stage& stage, qsizetype labelWidth) {
    QStringList symbols;
    for (const auto& cell : stage.cells)
        symbols << QString::fromStdString(cellText(cell));
    const QString text =
        fromModelText(stage.label).leftJustified(labelWidth + 2) + symbols.join(' ');
    return ((text + cellNotes(stage)).trimmed() + '\n').toUtf8();
}

qsizetype stageLabelWidth(const Model& model) {
    qsizetype width = 0;
    for (const auto& label : stageLabels(model))
        width = std::max(width, fromModelText(label).size());
    return width;
}

QByteArray batchJson(const BatchOutput& output) {
    const auto [good, bad] = resultLines(output.run);
    const insight::BatchReport& report = output.report;
    Json object = Json::Object{{"good", textArray(good)},
                               {"bad", textArray(bad)},
                               {"goodCount", output.run.goodCount()},
                               {"badCount", output.run.badCount()},
                               {"progress", std::string(batchDoneText)},
                               {"messages", textArray(output.messages)},
                               {"items", insight::itemsJson(report)},
                               {"metrics", insight::metricsJson(report.metrics)}};
    if (report.rules)
        object.set("rules", insight::rulesJson(*report.rules));
    if (report.since)
        object.set("sinceBaseline", insight::sinceJson(*report.since, report));
    if (report.impact)
        object.set("impact", insight::impactJson(*report.impact, report));
    if (report.orderFixes)
        object.set("interactions", insight::interactionsJson(*report.orderFixes, report));
    if (report.suggestions)
        object.set("suggestions", insight::suggestionsJson(*report.suggestions, report));
    return line(object);
}

QByteArray batchText(const BatchOutput& output) {
    return fromModelText(tarnel::batchText(output.run, output.report)).toUtf8();
}

QByteArray ruleWordsJson(const std::string& entry, const std::vector<insight::RuleWord>& words) {
    return line(insight::ruleWordsJson(entry, words));
}

QByteArray ruleWordsText(const std::string& entry, const std::vector<insight::RuleWord>& words) {
    QString text = fromModelText(entry) +
                   QStringLiteral(" changed %1 of the items in the batch run\n").arg(words.size());
    for (const insight::RuleWord& word : words)
        text += QStringLiteral("%1 > %2:  %3 > %4  %5\n")
                    .arg(fromModelText(word.etymon), fromModelText(word.reflex),
                         QString::fromStdString(word.before), QString::fromStdString(word.after),
                         word.good ? QStringLiteral("Good") : QStringLiteral("Bad"));
    return text.toUtf8();
}

QByteArray messagesText(const std::vector<std::string>& messages) {
    QString text;
    for (const auto& message : messages)
        text += fromModelText(message).replace("\r\n", "\n") + '\n';
    return text.toUtf8();
}

QByteArray problemsText(const std::vector<ModelProblem>& problems) {
    QString text;
    for (const ModelProblem& problem : problems)
        text += fromModelText(problem.text) + '\n';
    return text.toUtf8();
}

QByteArray problemsJson(const std::vector<ModelProblem>& problems) {
    Json list = Json::Array{};
    for (const ModelProblem& problem : problems)
        list.push(Json::Object{{"line", problem.line}, {"text", Json::fromCp1252(problem.text)}});
    return line(Json::Object{{"problems", std::move(list)}});
}

} // namespace tarnel::cli
