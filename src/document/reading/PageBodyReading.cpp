#include "codegen/ElementCodeParts.h"
#include "document/format/PageEntities.h"
#include "document/format/PageFileFormat.h"
#include "document/reading/PageLoading.h"
#include "document/format/PageRecords.h"
#include "document/format/PageText.h"
#include "document/core/SKTDocument.h"
#include "profile/services/HexColor.h"

#include <QHash>

// The body part of a stored page: the code of snippets, the page colour, the texts and links of text
// boxes, the cells of old tables and the links of images.

namespace {

using namespace PageFile;

const QString kBgcolor = QStringLiteral("bgcolor=");
// "bgcolor=#": the colour follows.
constexpr int kBgcolorValueOffset = 9;
constexpr int kColorLength = 6;

// ---- Page colour

void readPageColor(PageLoad& load, const QStringList& bodyLines)
{
    if (!load.ownSettings)
        return;
    SKTDocument& d = load.document;
    // The body tag carries the colour; it is the first body line that names one.
    for (const QString& line : bodyLines) {
        const qsizetype at = line.indexOf(kBgcolor);
        if (at < 0)
            continue;
        const QString color = line.mid(at + kBgcolorValueOffset, kColorLength);
        if (color != DataCentre::kClearColorString && !load.backgroundImageRead)
            d.setPageColor(DataCentre::colorWithHexString(color));
        d.setPageColorHexString(color);
        return;
    }
    d.setPageColorHexString(QStringLiteral(""));
}

// ---- Text boxes

struct LinkedText {
    QString text;
    std::optional<QString> link;
    std::optional<QString> linkOption;
};

// The anchor tag of a text box's markup gives its link and target; the tag itself is no text. An anchor
// cut short (no ">") takes the rest of the line.
LinkedText withoutAnchor(QString markup)
{
    LinkedText result;
    const qsizetype open = markup.indexOf(Body::linkOpen);
    if (open < 0) {
        result.text = markup;
        return result;
    }
    const qsizetype valueAt = open + Body::linkOpen.size();
    qsizetype close = markup.indexOf(u'>', valueAt);
    if (close < 0)
        close = markup.size();
    const qsizetype target = markup.indexOf(Body::target, valueAt);
    if (target >= 0 && target < close) {
        result.link = markup.mid(valueAt, target - valueAt).trimmed();
        result.linkOption = markup.mid(target + Body::target.size(), close - target - Body::target.size());
    } else {
        result.link = markup.mid(valueAt, close - valueAt).trimmed();
    }
    result.text = markup.remove(open, close + 1 - open);
    return result;
}

// Markup back to plain text: line breaks and tabs first, then the entities, so that a tag typed into the
// text stays text.
QString plainText(QString text)
{
    const QString tab(Body::tabParagraph);
    text.replace(Body::lineBreak, QStringLiteral("\n"));
    text.replace(tab + QStringLiteral("    "), tab);
    text.replace(tab, QStringLiteral("\n    "));
    return PageEntities::decoded(text, ElementCodeParts::escapesTypedMarkup(false));
}

// For each text box number, the last body line that holds its div ("<div class=text" + number, then a
// blank or ">"), found in one pass over the body.
QHash<int, qsizetype> textDivLines(const QStringList& bodyLines)
{
    QHash<int, qsizetype> lines;
    const QLatin1StringView div = Body::textDiv;
    for (qsizetype index = 0; index < bodyLines.size(); ++index) {
        const QString& line = bodyLines.at(index);
        for (qsizetype at = line.indexOf(div); at >= 0; at = line.indexOf(div, at + 1)) {
            qsizetype end = at + div.size();
            while (end < line.size() && line[end].isDigit() && line[end].unicode() < 128)
                ++end;
            const bool closed = end < line.size() && (line[end] == u' ' || line[end] == u'>');
            bool ok = false;
            const int number = QStringView(line).mid(at + div.size(), end - at - div.size()).toInt(&ok);
            if (ok && closed)
                lines.insert(number, index);
        }
    }
    return lines;
}

void readTextContents(PageLoad& load, const QStringList& bodyLines)
{
    const myTextViewList& records = load.document.pageRecords().textViewArray;
    const QHash<int, qsizetype> divLines = textDivLines(bodyLines);
    for (qsizetype i = 0; i < records.size(); ++i) {
        myTextView& record = *records.at(i);
        const auto found = divLines.constFind(int(i));
        if (found == divLines.cend())
            continue;
        const QString number = QString::number(i);
        const QString spaced = Body::textDiv + number + u' ';
        const QString closed = Body::textDiv + number + u'>';
        QString raw = bodyLines.at(*found);
        raw.remove(spaced);
        raw.remove(closed);
        raw.remove(QStringLiteral("id=content>"));
        raw.remove(QStringLiteral("</div>"));
        raw.remove(QStringLiteral("</a>"));
        const LinkedText linked = withoutAnchor(raw);
        if (linked.link)
            record.setLink(*linked.link);
        if (linked.linkOption)
            record.setLinkOption(*linked.linkOption);
        QString text = plainText(linked.text);
        if (record.indentFlag() == 1 || record.indentFlag() == 2)
            text = QStringLiteral("    ") + PageText::trimmedOfBlanksAndTabs(text);
        if (record.formOptionTag() == -22 && record.formType() == u"textLabel")
            text = QStringLiteral("1+2=");
        MTextView& view = *record.textView();
        view.setString(text);
        // A shadow needs a background to fall from.
        const bool clearView = !view.backgroundColor().isValid() || view.backgroundColor().alpha() == 0;
        if (record.shadowFlag() != 0 && clearView && !text.isEmpty()) {
            view.setBackgroundColor(Qt::white);
            record.setColorString(QStringLiteral("FFFFFF"));
        }
    }
}

// ---- Old table cells

void readOldCellContents(const QStringList& bodyLines, const myTextViewList& cells)
{
    qsizetype k = 0;
    for (const QString& line : bodyLines) {
        if (k >= cells.size())
            return;
        const QString marker = QStringLiteral("<div class=ttext") + QString::number(k) + u'>';
        if (!line.startsWith(marker))
            continue;
        QString text = line;
        text.remove(marker);
        text.remove(QStringLiteral("</div>"));
        text.replace(Body::lineBreak, QStringLiteral("\n"));
        text.remove(QStringLiteral("</a>"));
        cells.at(k)->textView()->setString(text);
        ++k;
    }
}

// ---- Image links

// The value after the first occurrence of the name, up to the nearer of ">" and a blank.
std::optional<QString> attributeValue(const QString& line, QLatin1StringView name, bool last)
{
    const qsizetype at = last ? line.lastIndexOf(name) : line.indexOf(name);
    if (at < 0)
        return std::nullopt;
    const qsizetype valueAt = at + name.size();
    qsizetype end = valueAt;
    while (end < line.size() && line[end] != u'>' && line[end] != u' ')
        ++end;
    return line.mid(valueAt, end - valueAt);
}

// The quoted text after the name, its entities decoded: the character after it opens the value, the next
// double quote ends it.
std::optional<QString> quotedValue(const QString& line, QLatin1StringView name)
{
    const qsizetype at = line.indexOf(name);
    if (at < 0)
        return std::nullopt;
    const qsizetype valueAt = at + name.size() + 1;
    const qsizetype end = line.indexOf(u'"', valueAt);
    return PageEntities::decoded(line.mid(valueAt, end < 0 ? -1 : end - valueAt));
}

bool isClassNameCharacter(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || c == u'-';
}

// "<div class=" and the name, ending there: "image1" is no "<div class=image10>".
bool containsDivOfClass(const QString& line, const QString& name)
{
    const QString marker = Body::divWithClass + name;
    for (qsizetype at = line.indexOf(marker); at >= 0; at = line.indexOf(marker, at + 1)) {
        const qsizetype after = at + marker.size();
        if (after == line.size() || !isClassNameCharacter(line[after]))
            return true;
    }
    return false;
}

bool isMarkupOfImage(const QString& line, const QString& name, bool bootstrap)
{
    return line.contains(Body::divWithClass + name + u' ') ||
           line.startsWith(Body::linkWithClass + name + u' ') ||
           line.contains(QStringLiteral("class=\"") + name + u'"') ||
           (bootstrap && containsDivOfClass(line, name));
}

// For each class name, the lines (in page order) where it stands first in a class attribute, quoted or
// not. Every line that is markup of an image is among the lines of its name, so each image looks at a few
// lines instead of the whole body.
QHash<QString, QList<qsizetype>> linesByLeadingClass(const QStringList& bodyLines)
{
    static const QLatin1StringView kClass("class=");
    QHash<QString, QList<qsizetype>> index;
    for (qsizetype i = 0; i < bodyLines.size(); ++i) {
        const QString& line = bodyLines.at(i);
        for (qsizetype at = line.indexOf(kClass); at >= 0; at = line.indexOf(kClass, at + 1)) {
            qsizetype start = at + kClass.size();
            if (start < line.size() && line.at(start) == u'"')
                ++start;
            qsizetype end = start;
            while (end < line.size() && isClassNameCharacter(line.at(end)))
                ++end;
            QList<qsizetype>& lines = index[line.mid(start, end - start)];
            if (lines.isEmpty() || lines.last() != i)
                lines.append(i);
        }
    }
    return index;
}

void readImageLinks(PageLoad& load, const QStringList& bodyLines)
{
    const bool bootstrap = load.document.usingBootStrapFlag();
    const QHash<QString, QList<qsizetype>> linesOfClass = linesByLeadingClass(bodyLines);
    for (const std::shared_ptr<TransformView>& record : load.document.pageRecords().imageViewArray) {
        const QString name = record->imageName();
        for (const qsizetype index : linesOfClass.value(name)) {
            const QString& line = bodyLines.at(index);
            if (!isMarkupOfImage(line, name, bootstrap))
                continue;
            // The title names the picture; a plain image carries its text as "alt" instead.
            std::optional<QString> alt = quotedValue(line, Body::title);
            if (!alt)
                alt = quotedValue(line, QLatin1StringView("alt="));
            if (alt)
                record->setAltText(*alt);
            const std::optional<QString> link = attributeValue(line, Body::href, true);
            if (link && !link->contains(Body::enlargePopup))
                record->setLink(*link);
            const QString option = attributeValue(line, Body::target, false).value_or(QString());
            const bool known = option == u"_self" || option == u"_blank" || option == u"_parent";
            record->setLinkOption(known ? option : QStringLiteral("_self"));
        }
    }
}

} // namespace

namespace PageLoading {

void readBodyPart(PageLoad& load, const QString& bodyPart, const myTextViewList& cells)
{
    SKTDocument& d = load.document;
    PageRecords& records = d.pageRecords();
    const SnippetTextContent snippets = SKTDocument::grabTextContent(
        pageLines(bodyPart), records.htmlSnippetArray, QStringLiteral("snippet"));
    records.htmlSnippetArray = snippets.inputObjectArray;
    const QStringList& bodyLines = snippets.bodyStringArray;

    readPageColor(load, bodyLines);
    readTextContents(load, bodyLines);
    if (!cells.isEmpty()) {
        readOldCellContents(bodyLines, cells);
        records.textViewArray.append(cells);
    }
    readImageLinks(load, bodyLines);
}

} // namespace PageLoading
