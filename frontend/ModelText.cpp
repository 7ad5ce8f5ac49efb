// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontend/ModelText.h"

#include "core/Cp1252.h"

#include <QFile>

namespace tarnel {

QString fromModelText(std::string_view bytes) {
    return QString::fromStdString(cp1252ToUtf8(bytes));
}

std::optional<std::string> toModelText(const QString& text) {
    return utf8ToCp1252(text.toStdString());
}

std::optional<QString> firstUnstorable(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size();
        const QString character = text.mid(i, pair ? 2 : 1);
        if (!toModelText(character))
            return character;
        i += pair ? 1 : 0;
    }
    return std::nullopt;
}

QString unstorableMessage(const QString& character) {
    return QStringLiteral("The character \"%1\" cannot be stored: a model file holds only "
                          "Windows-1252 characters.")
        .arg(character);
}

std::string composeNfc(const std::string& utf8) {
    return QString::fromStdString(utf8).normalized(QString::NormalizationForm_C).toStdString();
}

std::filesystem::path localPath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

QString fromModelLines(const std::string& bytes) {
    QString text = fromModelText(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

std::optional<std::string> toModelLines(const QString& text) {
    QString lines = text;
    lines.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return toModelText(lines);
}

} // namespace tarnel
