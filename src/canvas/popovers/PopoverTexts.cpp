#include "canvas/popovers/PopoverTexts.h"

#include <algorithm>
#include <array>
#include <limits>

namespace PopoverTexts {

namespace {

constexpr std::array<const char*, 3> kWindowOptions = {"_self", "_blank", "_parent"};
constexpr std::array<const char*, 2> kLinkKinds = {"text", "shape"};

template <std::size_t N> QString wordOf(const std::array<const char*, N>& words, int segment)
{
    return QString::fromLatin1(segment > 0 && segment < int(N) ? words[segment] : words[0]);
}

template <std::size_t N> int segmentOf(const std::array<const char*, N>& words, const QString& word)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (word == QLatin1String(words[i]))
            return int(i);
    }
    return 0;
}

} // namespace

QString firstLine(const QString& text)
{
    const qsizetype feed = text.indexOf(QLatin1Char('\n'));
    return feed < 0 ? text : text.left(feed);
}

QString normalizedLink(const QString& text)
{
    QString link = text.trimmed();
    link.replace(QLatin1Char(' '), QStringLiteral("%20"));
    return firstLine(link);
}

int integerValue(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+')))
        negative = text.at(i++) == QLatin1Char('-');
    // Long enough to see an overflow of 32 bits, which then stays at the nearest end of the range.
    qint64 value = 0;
    constexpr qint64 limit = qint64(std::numeric_limits<int>::max()) + 1;
    for (; i < text.size() && text.at(i).isDigit() && text.at(i).unicode() < 128; ++i)
        value = std::min(limit, value * 10 + (text.at(i).unicode() - '0'));
    const qint64 signedValue = negative ? -value : value;
    return int(
        std::clamp<qint64>(signedValue, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

QString windowOptionWord(int segment)
{
    return wordOf(kWindowOptions, segment);
}

int windowOptionSegment(const QString& word)
{
    return segmentOf(kWindowOptions, word);
}

QString linkKindWord(int segment)
{
    return wordOf(kLinkKinds, segment);
}

int linkKindSegment(const QString& word)
{
    // Anything but a text link is shown as a shape link.
    return word == QLatin1String(kLinkKinds[0]) ? 0 : 1;
}

} // namespace PopoverTexts
