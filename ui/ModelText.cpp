#include "ModelText.h"

#include "core/Cp1252.h"

namespace tarnel {

QString fromModelText(const std::string& bytes) {
    return QString::fromStdString(cp1252ToUtf8(bytes));
}

std::optional<std::string> toModelText(const QString& text) {
    return utf8ToCp1252(text.toStdString());
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
