#include "codegen/CodeText.h"

#include "codegen/CodeVocabulary.h"
#include "platform/Format.h"
#include "profile/services/HexColor.h"

#include <QRegularExpression>
#include <QUrl>

#include <algorithm>
#include <iterator>

namespace CodeText {

// Every character a reader of a stored page ends a line at.
bool isLineEnd(QChar c)
{
    switch (c.unicode()) {
    case 0x000A:
    case 0x000B:
    case 0x000C:
    case 0x000D:
    case 0x0085:
    case 0x2028:
    case 0x2029:
        return true;
    default:
        return false;
    }
}

QString escapedText(const QString& text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('&'), QLatin1String("&amp;"));
    escaped.replace(QLatin1Char('<'), QLatin1String("&lt;"));
    escaped.replace(QLatin1Char('>'), QLatin1String("&gt;"));
    return escaped;
}

QString escapedLine(const QString& text)
{
    QString escaped = escapedText(text);
    escaped.replace(QLatin1Char('"'), QLatin1String("&quot;"));
    escaped.replace(QLatin1String("\r\n"), QLatin1String(" "));
    for (QChar& c : escaped) {
        if (isLineEnd(c))
            c = QLatin1Char(' ');
    }
    return escaped;
}

QString bodyMarkup(QString text, int indentFlag, bool escape)
{
    using namespace CodeVocabulary;
    static const QRegularExpression otherLineEnds(
        QStringLiteral("[\\r\\x{0B}\\x{0C}\\x{85}\\x{2028}\\x{2029}]"));
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    // The page loader gives indented paragraphs four leading blanks; the rule's text-indent shows the indent.
    const QLatin1String indent("    ");
    if ((indentFlag == 1 || indentFlag == 2) && text.startsWith(indent))
        text.remove(0, indent.size());
    if (indentFlag == 2)
        text.replace(QLatin1Char('\n') + indent, QLatin1String("\n"));
    if (escape)
        text = escapedText(text);
    text.replace(QLatin1Char('\n'), QString(indentFlag == 2 ? Markup::tabParagraph : Markup::lineBreak));
    text.replace(otherLineEnds, QString(Markup::lineBreak));
    return text;
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

namespace {

bool isAsciiLetterOrDigit(QChar c)
{
    return c.unicode() < 128 && c.isLetterOrNumber();
}

bool isIdentifierCharacter(QChar c)
{
    return isAsciiLetterOrDigit(c) || c == QLatin1Char('-') || c == QLatin1Char('_');
}

} // namespace

QString safeWindowTarget(const QString& target)
{
    static const QStringList keywords = {QStringLiteral("_blank"), QStringLiteral("_self"),
                                         QStringLiteral("_parent"), QStringLiteral("_top")};
    if (keywords.contains(target))
        return target;
    const bool plainName = !target.isEmpty() && !target.startsWith(QLatin1Char('_')) &&
                           std::all_of(target.cbegin(), target.cend(), isIdentifierCharacter);
    return plainName ? target : QStringLiteral("_self");
}

QString safeIdentifier(const QString& id)
{
    QString safe;
    std::copy_if(id.cbegin(), id.cend(), std::back_inserter(safe), isIdentifierCharacter);
    return safe;
}

QString safeColor(const QString& color, const QString& fallback)
{
    static const QRegularExpression hexColor(QStringLiteral("^[0-9A-Fa-f]{6}$"));
    return color == DataCentre::kClearColorString || hexColor.match(color).hasMatch() ? color : fallback;
}

QString safeUrlPath(const QString& path)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(path, "/@"));
}

QString safeRuleText(const QString& text)
{
    static const QString breaking = QStringLiteral(";:{}=\"<>\\");
    QString safe;
    safe.reserve(text.size());
    for (const QChar c : text) {
        if (!breaking.contains(c) && !isLineEnd(c))
            safe += c;
    }
    return safe;
}

QString singleQuotedAttribute(const QString& style)
{
    QString value = style;
    value.replace(QLatin1Char('&'), QStringLiteral("&amp;"));
    value.replace(QLatin1Char('\''), QStringLiteral("&#39;"));
    return value;
}

} // namespace CodeText
