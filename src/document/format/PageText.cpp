#include "document/format/PageText.h"

#include "codegen/CodeText.h"

#include <QDebug>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <cstring>

namespace PageText {

bool isNewline(QChar c)
{
    return CodeText::isLineEnd(c);
}

namespace {

// Eight bytes at a time: page files run to megabytes.
bool isAsciiBytes(const QByteArray& bytes)
{
    const char* data = bytes.constData();
    const qsizetype size = bytes.size();
    qsizetype i = 0;
    for (; i + 8 <= size; i += 8) {
        quint64 word;
        std::memcpy(&word, data + i, sizeof word);
        if (word & 0x8080808080808080ULL)
            return false;
    }
    for (; i < size; ++i) {
        if (uchar(data[i]) >= 0x80)
            return false;
    }
    return true;
}

// Most characters lie well clear of every line end; only the others are asked about.
bool endsLine(QChar c)
{
    const char16_t unit = c.unicode();
    return (unit <= 0x0D || unit >= 0x85) && isNewline(c);
}

QString decodedUtf16(const QByteArray& bytes)
{
    if (bytes.size() < 2 || bytes.size() % 2 != 0)
        return {};
    const uchar first = uchar(bytes[0]);
    const uchar second = uchar(bytes[1]);
    QStringConverter::Encoding encoding;
    if (first == 0xFF && second == 0xFE)
        encoding = QStringConverter::Utf16LE;
    else if (first == 0xFE && second == 0xFF)
        encoding = QStringConverter::Utf16BE;
    else
        return {};
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes.sliced(2));
    if (decoder.hasError())
        return {};
    if (text.isNull())
        text = QStringLiteral("");
    return text;
}

} // namespace

bool isAscii(const QString& text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; });
}

QByteArray encoded(const QString& text)
{
    if (isAscii(text))
        return text.toLatin1();
    QStringEncoder encoder(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    return encoder.encode(text);
}

QString decoded(const QByteArray& bytes)
{
    if (isAsciiBytes(bytes)) {
        const QString text = QString::fromLatin1(bytes);
        return text.isNull() ? QStringLiteral("") : text;
    }
    return decodedUtf16(bytes);
}

std::optional<QByteArray> readBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    if (file.size() > kLargestPageFileBytes) {
        qWarning().noquote() << QStringLiteral("%1 is not read: %2 bytes is more than a page file holds")
                                    .arg(path)
                                    .arg(file.size());
        return std::nullopt;
    }
    return file.read(kLargestPageFileBytes);
}

QString read(const QString& path)
{
    const std::optional<QByteArray> bytes = readBytes(path);
    return bytes ? decoded(*bytes) : QString();
}

bool write(const QString& path, const QString& text)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = encoded(text);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QStringList lines(const QString& text)
{
    QStringList result;
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!endsLine(text[i]))
            continue;
        result.append(text.mid(lineStart, i - lineStart));
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        lineStart = i + 1;
    }
    result.append(text.mid(lineStart));
    return result;
}

QStringList scannedLines(const QString& text)
{
    QStringList result;
    for (const QString& line : lines(text)) {
        qsizetype first = 0;
        while (first < line.size() && line[first].isSpace())
            ++first;
        if (first < line.size())
            result.append(line.mid(first));
    }
    return result;
}

QString firstScannedLine(const QString& text)
{
    qsizetype start = 0;
    while (start < text.size() && text[start].isSpace())
        ++start;
    qsizetype end = start;
    while (end < text.size() && !endsLine(text[end]))
        ++end;
    return text.mid(start, end - start);
}

QString trimmedOfBlanksAndTabs(const QString& text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && (text[start] == u' ' || text[start] == u'\t'))
        ++start;
    while (end > start && (text[end - 1] == u' ' || text[end - 1] == u'\t'))
        --end;
    return text.mid(start, end - start);
}

} // namespace PageText
