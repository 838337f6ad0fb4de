#include "document/reading/StringServices.h"

#include "profile/DataCentre.h"

#include <QStringView>

#include <algorithm>

namespace DataCentre {

namespace {

bool isPathCharacter(char32_t c)
{
    return c == U'/' || c == U'\\' || c == U':';
}

bool keptInOfficialName(char32_t c)
{
    if (QChar::isSpace(c))
        return false;
    switch (QChar::category(c)) {
    case QChar::Other_NotAssigned:
    case QChar::Other_Control:
    case QChar::Symbol_Math:
    case QChar::Symbol_Currency:
    case QChar::Symbol_Modifier:
    case QChar::Symbol_Other:
        return false;
    default:
        return true;
    }
}

bool keptInPlainName(char32_t c)
{
    return (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z') || (c >= U'0' && c <= U'9') || c == U'_' ||
           c == U'-';
}

} // namespace

QString velkSubstringToIndex(const QString& string, int index)
{
    const qsizetype count = std::max(index, 0);
    return string.size() > count ? string.left(count) : string;
}

QString velkSubstringFromIndex(const QString& string, int index)
{
    const qsizetype from = std::max(index, 0);
    return string.size() > from ? string.mid(from) : QStringLiteral("");
}

QString generateNewFileName(const QString& name)
{
    const bool official = profile().useOfficialPageName;
    QString result;
    for (const char32_t c : name.toUcs4()) {
        const bool kept = official ? keptInOfficialName(c) : keptInPlainName(c);
        if (kept && !isPathCharacter(c))
            result += QString::fromUcs4(&c, 1);
    }
    // A leading dot would hide the file or, as "." and "..", leave the folder.
    const qsizetype firstKept =
        std::find_if(result.cbegin(), result.cend(), [](QChar c) { return c != u'.'; }) - result.cbegin();
    return result.mid(firstKept);
}

} // namespace DataCentre
