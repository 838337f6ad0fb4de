#include "codegen/CodeText.h"

#include "platform/Format.h"

namespace CodeText {

QString escapeAngleBrackets(const QString& text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('<'), QLatin1String("&lt;"));
    escaped.replace(QLatin1Char('>'), QLatin1String("&gt;"));
    return escaped;
}

QString safeLinkTarget(const QString& link)
{
    static const QString unsafe = QStringLiteral(" \t\r\n\"'<>");
    QString safe;
    safe.reserve(link.size());
    for (const QChar c : link) {
        if (unsafe.contains(c))
            safe += Format::printf("%%%02X", unsigned(c.unicode()));
        else
            safe += c;
    }
    return safe;
}

} // namespace CodeText
