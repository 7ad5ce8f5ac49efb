#include "Output.h"

#include "core/Cp1252.h"
#include "core/IpaDisplay.h"
#include "engine/DerivationView.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

namespace tarnel::cli {

namespace {

QString fromModel(const std::string& text) {
    return QString::fromStdString(cp1252ToUtf8(text));
}

QString cellText(const DecodedSymbol& cell) {
    return QString::fromStdString(ipaDisplayText(cell.codes))
        .normalized(QString::NormalizationForm_C);
}

QString codesText(const std::string& codes) {
    QStringList hex;
    for (unsigned char code : codes)
        hex << QStringLiteral("%1").arg(code, 2, 16, QLatin1Char('0')).toUpper();
    return hex.join(' ');
}

QString colourName(CellColour colour) {
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

QJsonArray textArray(const std::vector<std::string>& texts) {
    QJsonArray array;
    for (const auto& text : texts)
        array.append(fromModel(text));
    return array;
}

QJsonObject stageObject(const Stage& stage) {
    QJsonArray cells;
    for (const auto& cell : stage.cells)
        cells.append(QJsonObject{{"codes", codesText(cell.codes)},
                                 {"text", cellText(cell)},
                                 {"colour", colourName(cell.colour)},
                                 {"differs", fromModel(cell.differs)}});
    return {{"kind", stage.kind}, {"label", fromModel(stage.label)}, {"cells", cells}};
}

QByteArray compact(const QJsonObject& object) {
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

QByteArray jsonLine(const QJsonObject& object) {
    return compact(object) + '\n';
}

// The cells that are not plain black, with what makes them so: "[2 blue: +high]".
QString cellNotes(const Stage& stage) {
    QString notes;
    for (std::size_t i = 0; i < stage.cells.size(); ++i) {
        const auto& cell = stage.cells[i];
        if (cell.colour != CellColour::Black)
            notes += QStringLiteral("  [%1 %2: %3]")
                         .arg(i + 1)
                         .arg(colourName(cell.colour), fromModel(cell.differs).trimmed());
    }
    return notes;
}

} // namespace

QByteArray derivationJsonStart() {
    return R"({"stages":[)";
}

QByteArray stageJson(const Stage& stage) {
    return compact(stageObject(stage));
}

QByteArray stageSeparatorJson() {
    return ",";
}

// The messages array is written as the compact form of an object holding it, less the
// object's braces, so that it is escaped exactly as the rest of the output.
QByteArray derivationJsonEnd(const std::vector<std::string>& messages) {
    const QByteArray holder = compact({{"messages", textArray(messages)}});
    return "]," + holder.mid(1) + '\n';
}

QByteArray batchJson(const BatchResult& result) {
    return jsonLine({{"good", textArray(result.good)},
                     {"bad", textArray(result.bad)},
                     {"goodCount", result.goodCount},
                     {"badCount", result.badCount},
                     {"progress", fromModel(result.progress)},
                     {"messages", textArray(result.messages)}});
}

QByteArray stageText(const Stage& stage, qsizetype labelWidth) {
    QStringList symbols;
    for (const auto& cell : stage.cells)
        symbols << cellText(cell);
    const QString line = fromModel(stage.label).leftJustified(labelWidth + 2) + symbols.join(' ');
    return ((line + cellNotes(stage)).trimmed() + '\n').toUtf8();
}

qsizetype stageLabelWidth(const Model& model) {
    qsizetype width = 0;
    for (const auto& label : stageLabels(model))
        width = std::max(width, fromModel(label).size());
    return width;
}

QByteArray batchText(const BatchResult& result) {
    QString text = QStringLiteral("Good:  %1\n").arg(result.goodCount);
    for (const auto& line : result.good)
        text += "  " + fromModel(line) + '\n';
    text += QStringLiteral("Bad:  %1\n").arg(result.badCount);
    for (const auto& line : result.bad)
        text += "  " + fromModel(line) + '\n';
    text += fromModel(result.progress) + '\n';
    const int total = result.goodCount + result.badCount;
    if (total == 0)
        text += "Accuracy: no vocabulary items\n";
    else
        text += QStringLiteral("Accuracy: %1 of %2 good (%3%)\n")
                    .arg(result.goodCount)
                    .arg(total)
                    .arg(100.0 * result.goodCount / total, 0, 'f', 1);
    return text.toUtf8();
}

QByteArray messagesText(const std::vector<std::string>& messages) {
    QString text;
    for (const auto& message : messages)
        text += fromModel(message).replace("\r\n", "\n") + '\n';
    return text.toUtf8();
}

} // namespace tarnel::cli
