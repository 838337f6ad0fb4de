#include "document/format/PageMarkers.h"

#include "codegen/CodeText.h"
#include "document/format/PageText.h"
#include "platform/Format.h"

#include <QFile>
#include <QStringDecoder>

namespace DataCentre {

namespace {

using namespace PageFile;

// The value of the last line holding the marker, cut at the marker's length from the line's start and
// less the closing characters; null when no line holds it, empty when the line is too short to cut.
QString lastMetaValue(const QString& path, Text marker, Text close, bool keepShortValue)
{
    QString value;
    for (const QString& line : PageText::scannedLines(PageText::read(path))) {
        if (!line.contains(marker))
            continue;
        const QString rest = line.mid(marker.size());
        if (rest.size() >= close.size())
            value = rest.chopped(close.size());
        else
            value = keepShortValue ? rest : QStringLiteral("");
    }
    return value;
}

QString withoutTrailingBlanks(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text[end - 1].isSpace())
        --end;
    return text.left(end);
}

// Rewrites the file with the edit of its text; a file that cannot be read is left alone.
template <typename Edit> bool rewrite(const QString& path, Edit edit)
{
    const QString text = PageText::read(path);
    if (text.isNull())
        return false;
    return PageText::write(path, edit(text));
}

bool applyFlagMarker(const QString& path, int flag, Text marker)
{
    return rewrite(path, [&](QString text) {
        if (flag == 1)
            return text + u'\n' + marker;
        return text.remove(marker);
    });
}

} // namespace

QString grabSourceCode(const QString& path)
{
    const std::optional<QByteArray> read = PageText::readBytes(path);
    if (!read)
        return {};
    const QByteArray& bytes = *read;
    if (const auto marked = QStringConverter::encodingForData(bytes)) {
        QStringDecoder decoder(*marked);
        return decoder.decode(bytes);
    }
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text.isNull() ? QStringLiteral("") : text;
    return QString::fromLatin1(bytes);
}

QString grabEncodingType(const QString& path)
{
    const QString value = lastMetaValue(path, Head::contentTypeMeta, Head::contentTypeMetaClose, false);
    return value.isEmpty() ? QStringLiteral("UTF-8") : value;
}

QString grabMetaKeywords(const QString& path)
{
    const QString value = lastMetaValue(path, Head::keywordsMeta, Head::metaContentClose, true);
    return value.isNull() ? QStringLiteral("") : value;
}

QString grabMetaDescription(const QString& path)
{
    const QString value = lastMetaValue(path, Head::descriptionMeta, Head::metaContentClose, true);
    return value.isNull() ? QStringLiteral("") : value;
}

QString grabCustomHeaderCode(const QString& path)
{
    const QStringList lines = PageText::lines(PageText::read(path));
    const CountedBlock& block = Head::customHeaderCode;
    int count = 0;
    qsizetype markerLine = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!lines[i].startsWith(block.start))
            continue;
        // The block follows the very line its count is read from; blanks after "-->" do not hide it.
        const QString rest = withoutTrailingBlanks(lines[i].mid(block.start.size()));
        if (!rest.endsWith(block.end))
            continue;
        count = Format::intValue(rest.chopped(block.end.size()));
        markerLine = i;
    }
    if (count <= 0 || markerLine < 0)
        return QStringLiteral("");
    return lines.mid(markerLine + 1, count).join(u'\n');
}

QString grabPublishExt(const QString& path)
{
    return grabMarkerFlags(PageText::read(path)).publishExt;
}

bool isBootStrapBeingUsed(const QString& path)
{
    return grabMarkerFlags(PageText::read(path)).bootstrapUsed;
}

bool grabBaseTemplateStatusFlag(const QString& path)
{
    return grabMarkerFlags(PageText::read(path)).useBaseTemplate;
}

bool grabInheritMetadataFlag(const QString& path)
{
    return grabMarkerFlags(PageText::read(path)).inheritMetadata;
}

bool grabInheritCustomHeadercodeFlag(const QString& path)
{
    return grabMarkerFlags(PageText::read(path)).inheritCustomHeaderCode;
}

bool grabRotateCanvas90Flag(const QString& path)
{
    return grabMarkerFlags(PageText::read(path)).rotateCanvas90;
}

bool grabDuplicateBaseTemplateStatusFlag(const QString& path)
{
    return grabMarkerFlags(PageText::read(path)).baseTemplateDuplicated;
}

PageMarkerFlags grabMarkerFlags(const QString& text)
{
    PageMarkerFlags flags;
    flags.useBaseTemplate = text.contains(Trailer::useBaseTemplate);
    flags.inheritMetadata = text.contains(Trailer::inheritMetadata);
    flags.inheritCustomHeaderCode = text.contains(Trailer::inheritCustomHeader);
    flags.rotateCanvas90 = text.contains(Trailer::rotateCanvas90);
    flags.baseTemplateDuplicated = text.contains(Trailer::baseTemplateDuplicated);
    flags.bootstrapUsed = text.contains(Head::bootstrapStyleSheet);
    flags.publishExt = grabMiddleString(Trailer::publishExt.start, Trailer::publishExt.end, text);
    return flags;
}

bool grabCenterFlag(const QString& text)
{
    return text.contains(Style::centringRule);
}

bool grabManualPageWidthFlag(const QString& text)
{
    return text.contains(Head::manualViewport);
}

QString grabMiddleString(const QString& start, const QString& end, const QString& text)
{
    const qsizetype startAt = text.indexOf(start);
    if (startAt < 0)
        return QStringLiteral("");
    const qsizetype valueAt = startAt + start.size();
    // An end string standing before the start one belongs to something else: look past the start.
    const qsizetype endAt = text.indexOf(end, valueAt);
    if (endAt < 0)
        return QStringLiteral("");
    return text.mid(valueAt, endAt - valueAt);
}

bool applyPageTitle(const QString& path, const QString& title)
{
    const ValueMarker& marker = Trailer::pageTitle;
    // Written as the page writes it, so the title reads back the same.
    const QString written = marker.written(CodeText::escapedLine(title));
    return rewrite(path, [&](QString text) {
        const qsizetype startAt = text.indexOf(marker.start);
        if (startAt < 0) {
            const bool endsLine = text.isEmpty() || PageText::lines(text).constLast().isEmpty();
            return endsLine ? text + written : text + u'\n' + written;
        }
        // The marker is replaced where it stands, through its end name or, without one, its line's end.
        const qsizetype lineEnd = PageText::lines(text.mid(startAt)).constFirst().size() + startAt;
        const qsizetype endAt = text.indexOf(marker.end, startAt + marker.start.size());
        const qsizetype replacedEnd =
            endAt >= 0 && endAt + marker.end.size() <= lineEnd ? endAt + marker.end.size() : lineEnd;
        return text.replace(startAt, replacedEnd - startAt, written);
    });
}

bool applyPublishingExt(const QString& path, const QString& extension)
{
    const ValueMarker& marker = Trailer::publishExt;
    return rewrite(path, [&](const QString& text) {
        QStringList lines = PageText::lines(text);
        for (QString& line : lines) {
            if (line.contains(marker.start))
                line = marker.written(extension);
        }
        return lines.join(u'\n');
    });
}

bool applyBaseTemplate(const QString& path, int flag)
{
    return applyFlagMarker(path, flag, Trailer::useBaseTemplate);
}

bool applyInheritMetadata(const QString& path, int flag)
{
    return applyFlagMarker(path, flag, Trailer::inheritMetadata);
}

bool applyInheritCustomHeaderCode(const QString& path, int flag)
{
    return applyFlagMarker(path, flag, Trailer::inheritCustomHeader);
}

bool applyDuplicateBaseTemplateFlag(const QString& path, int flag)
{
    return applyFlagMarker(path, flag, Trailer::baseTemplateDuplicated);
}

bool appendStringToFile(const QString& path, const QString& text)
{
    return rewrite(path, [&](const QString& old) { return old + QStringLiteral("\n\n") + text; });
}

} // namespace DataCentre
