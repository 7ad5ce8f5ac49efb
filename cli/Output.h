// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/BatchRun.h"
#include "session/DerivationView.h"
#include "session/insight/Report.h"
#include "session/insight/RuleWords.h"

#include <QByteArray>
#include <string>
#include <vector>

namespace tarnel::cli {

// All texts come as Windows-1252, as the session gives them; what is written is UTF-8.

// One stage of a derivation: its kind, the label the engine gives it and its cells.
struct Stage {
    int kind = 0;
    std::string label;
    std::vector<DecodedSymbol> cells;
};
Stage stageOf(int kind, const std::string& label, const Word& word);

// A derivation is written as it runs, stage by stage, so that no run holds its stages.
// As JSON it is one object and a line feed: the start, the stages separated by commas, the
// end with the messages.
QByteArray derivationJsonStart();
QByteArray stageJson(const Stage& stage);
QByteArray stageSeparatorJson();
QByteArray derivationJsonEnd(const std::vector<std::string>& messages);

// As text, one line per stage, the labels padded to `labelWidth` (see stageLabelWidth).
QByteArray stageText(const Stage& stage, qsizetype labelWidth);
// The width of the longest label a stage of `model` can carry.
qsizetype stageLabelWidth(const Model& model);

// A batch run with its report. `messages` are the run's, after the load's warnings.
struct BatchOutput {
    const BatchRun& run;
    std::vector<std::string> messages;
    const insight::BatchReport& report;
};

// One JSON object and a line feed: the Good and Bad lists, their counts, the progress and
// the messages, then the report's items, metrics and rules, and sinceBaseline and impact
// when the report has them.
QByteArray batchJson(const BatchOutput& output);

// What a person reads at a terminal. Messages are not included: they go to stderr.
QByteArray batchText(const BatchOutput& output);

// The items an order entry changed: as JSON, one object and a line feed (see
// insight::ruleWordsJson); as text, one line each ("etymon > reflex:  before > after  Good"),
// after a line with their count.
QByteArray ruleWordsJson(const std::string& entry, const std::vector<insight::RuleWord>& words);
QByteArray ruleWordsText(const std::string& entry, const std::vector<insight::RuleWord>& words);

// Message-box texts for stderr, one per line (a text's own CR LF become line feeds).
QByteArray messagesText(const std::vector<std::string>& messages);

} // namespace tarnel::cli
