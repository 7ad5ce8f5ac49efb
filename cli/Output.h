#pragma once

#include "Results.h"
#include "model/Model.h"

#include <QByteArray>

namespace tarnel::cli {

// A derivation is written as it runs, stage by stage, so that no run holds its stages.
// As JSON it is one object and a line feed, UTF-8: the start, the stages separated by
// commas, the end with the messages.
QByteArray derivationJsonStart();
QByteArray stageJson(const Stage& stage);
QByteArray stageSeparatorJson();
QByteArray derivationJsonEnd(const std::vector<std::string>& messages);

// As text, one line per stage, the labels padded to `labelWidth` (see stageLabelWidth).
QByteArray stageText(const Stage& stage, qsizetype labelWidth);
// The width of the longest label a stage of `model` can carry.
qsizetype stageLabelWidth(const Model& model);

// One JSON object and a line feed, UTF-8.
QByteArray batchJson(const BatchResult& result);

// What a person reads at a terminal, UTF-8. Messages are not included: they go to stderr.
QByteArray batchText(const BatchResult& result);

// Message-box texts for stderr, one per line (a text's own CR LF become line feeds).
QByteArray messagesText(const std::vector<std::string>& messages);

} // namespace tarnel::cli
