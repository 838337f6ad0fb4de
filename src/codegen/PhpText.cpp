#include "codegen/PhpText.h"

#include "codegen/CodeText.h"

namespace {

// The page turns typographic quotes into plain ones once it is written; they are escaped as such.
QString withPlainQuotes(QString text)
{
    text.replace(QChar(0x2018), QLatin1Char('\''));
    text.replace(QChar(0x2019), QLatin1Char('\''));
    text.replace(QChar(0x201C), QLatin1Char('"'));
    text.replace(QChar(0x201D), QLatin1Char('"'));
    return text;
}

} // namespace

namespace PhpText {

QString withoutLineEnds(const QString& text)
{
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text) {
        if (!CodeText::isLineEnd(c))
            kept += c;
    }
    return kept;
}

QString singleQuoted(const QString& text)
{
    QString escaped = withPlainQuotes(text);
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    escaped.replace(QLatin1Char('\''), QLatin1String("\\'"));
    return escaped;
}

QString doubleQuoted(const QString& text)
{
    QString escaped = withPlainQuotes(text);
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    escaped.replace(QLatin1Char('"'), QLatin1String("\\\""));
    escaped.replace(QLatin1Char('$'), QLatin1String("\\$"));
    return escaped;
}

QString headerValue(const QString& text)
{
    return doubleQuoted(withoutLineEnds(text));
}

QString scriptText(const QString& text)
{
    QString line = text;
    line.replace(QLatin1String("\r\n"), QLatin1String(" "));
    for (QChar& c : line) {
        if (CodeText::isLineEnd(c))
            c = QLatin1Char(' ');
    }
    return singleQuoted(line);
}

QString unescapedScriptText(const QString& text)
{
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\\') && i + 1 < text.size() &&
            (text.at(i + 1) == QLatin1Char('\\') || text.at(i + 1) == QLatin1Char('\''))) {
            plain += text.at(++i);
            continue;
        }
        plain += c;
    }
    return plain;
}

QString commentValue(const QString& text)
{
    QString value = withoutLineEnds(text);
    // "?" followed by ">" ends PHP even inside a comment; the ">" goes.
    qsizetype at;
    while ((at = value.indexOf(QLatin1String("?>"))) >= 0)
        value.remove(at + 1, 1);
    return value;
}

QString labelText(const QString& text)
{
    QString escaped = CodeText::escapedText(withPlainQuotes(text));
    escaped.replace(QLatin1Char('\''), QLatin1String("&#39;"));
    escaped.replace(QLatin1Char('"'), QLatin1String("&#34;"));
    return escaped;
}

} // namespace PhpText
