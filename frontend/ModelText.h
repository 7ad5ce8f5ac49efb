// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <filesystem>
#include <optional>
#include <string>

namespace tarnel {

// Model text is Windows-1252 bytes; the front ends hold QString. These convert at that
// boundary.
QString fromModelText(std::string_view bytes);

// No value when `text` holds a character Windows-1252 cannot hold.
std::optional<std::string> toModelText(const QString& text);

// The first character of `text` that Windows-1252 cannot hold, if any.
std::optional<QString> firstUnstorable(const QString& text);

// Why such a character is refused: "The character "ʃ" cannot be stored: ...".
QString unstorableMessage(const QString& character);

// UTF-8 text composed to NFC, as the screens and tarnel-batch show IPA symbols.
std::string composeNfc(const std::string& utf8);

// A path the user chose or typed, as the file system names it.
std::filesystem::path localPath(const QString& path);

// Model text with CR LF line breaks shown in a multi-line box (LF only), and back.
QString fromModelLines(const std::string& bytes);
std::optional<std::string> toModelLines(const QString& text);

} // namespace tarnel
