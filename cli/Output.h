#pragma once

#include "Results.h"

#include <QByteArray>

namespace tarnel::cli {

// One JSON object and a line feed, UTF-8.
QByteArray derivationJson(const DerivationResult& result);
QByteArray batchJson(const BatchResult& result);

// What a person reads at a terminal, UTF-8. Messages are not included: they go to stderr.
QByteArray derivationText(const DerivationResult& result);
QByteArray batchText(const BatchResult& result);

// Message-box texts for stderr, one per line (a text's own CR LF become line feeds).
QByteArray messagesText(const std::vector<std::string>& messages);

} // namespace tarnel::cli
