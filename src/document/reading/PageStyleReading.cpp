#include "document/reading/ObjectRuleReaders.h"
#include "document/format/PageEntities.h"
#include "document/format/PageFileFormat.h"
#include "document/reading/PageLoading.h"
#include "document/format/PageObjectRules.h"
#include "document/format/PageRecords.h"
#include "document/format/PageText.h"
#include "document/core/SKTDocument.h"
#include "document/reading/StringServices.h"
#include "profile/ProductSelection.h"

#include <QFileInfo>
#include <QImageReader>

// The style part of a stored page: the head's meta lines and one object rule per line.

namespace {

using namespace PageFile;

// The value of a head line that begins with the prefix: the rest of the line less its closing characters.
std::optional<QString> headValue(const QString& line, QLatin1StringView prefix, int closingLength)
{
    const qsizetype at = line.indexOf(prefix);
    if (at < 0)
        return std::nullopt;
    const QString rest = DataCentre::velkSubstringFromIndex(line, int(at + prefix.size()));
    return rest.size() >= closingLength ? rest.chopped(closingLength) : QStringLiteral("");
}

void readHeadLine(PageLoad& load, const QString& line)
{
    SKTDocument& d = load.document;
    const bool ownMetadata = load.pageName == DataCentre::kBaseTemplateName;
    if (d.inheritMetaKeywordsFlag() != 1 || ownMetadata) {
        if (const auto keywords = headValue(line, Head::keywordsMeta, int(Head::metaContentClose.size())))
            d.setMetaKeywords(PageEntities::decoded(*keywords));
    }
    if (d.inheritMetaDescriptionFlag() != 1 || ownMetadata) {
        if (const auto description =
                headValue(line, Head::descriptionMeta, int(Head::metaContentClose.size())))
            d.setMetaDescription(PageEntities::decoded(*description));
    }
    if (const auto charset = headValue(line, Head::contentTypeMeta, int(Head::contentTypeMetaClose.size())))
        d.setEncodingType(*charset);
    if (load.ownSettings) {
        if (const auto width = headValue(line, Head::viewportMeta.start, int(Head::viewportMeta.end.size())))
            d.setWebPageWidth(PageObjectRules::intOf(*width));
    }
}

// The rule kinds in the order each line is tested against them; every kind is tested independently.
struct RuleKind {
    QLatin1StringView prefix;
    bool positioned;
    void (*read)(PageLoad& load, const PageObjectRule& rule);
};

const RuleKind kRuleKinds[] = {
    {Rule::text, true,
     [](PageLoad& load, const PageObjectRule& rule) {
         load.document.pageRecords().textViewArray.append(
             ObjectRuleReaders::readText(load.document, rule, load.pageName, load.formPage));
     }},
    {Rule::slideshow, true,
     [](PageLoad& load, const PageObjectRule& rule) {
         auto& list = load.document.pageRecords().slideshowArray;
         list.append(ObjectRuleReaders::readSlideshow(rule, int(list.size())));
     }},
    {Rule::galleryGrid, true,
     [](PageLoad& load, const PageObjectRule& rule) {
         auto& list = load.document.pageRecords().galleryArray;
         list.append(ObjectRuleReaders::readGalleryGrid(rule, int(list.size())));
     }},
    {Rule::tableGrid, true,
     [](PageLoad& load, const PageObjectRule& rule) {
         auto& list = load.document.pageRecords().tableArray;
         list.append(ObjectRuleReaders::readTableGrid(rule, int(list.size())));
     }},
    {Rule::line, true,
     [](PageLoad& load, const PageObjectRule& rule) {
         load.document.pageRecords().lineArray.append(ObjectRuleReaders::readLine(rule));
     }},
    {Rule::image, false,
     [](PageLoad& load, const PageObjectRule& rule) {
         if (auto record = ObjectRuleReaders::readImage(rule, load.pagePath))
             load.document.pageRecords().imageViewArray.append(std::move(record));
     }},
    {Rule::snippet, false,
     [](PageLoad& load, const PageObjectRule& rule) {
         load.document.pageRecords().htmlSnippetArray.append(
             ObjectRuleReaders::readSnippet(load.document, rule, load.pageName));
     }},
};

QString pageFolderOf(const QString& pagePath)
{
    const QFileInfo info(pagePath);
    return info.suffix().isEmpty() ? pagePath : pagePath.chopped(info.suffix().size() + 1);
}

} // namespace

namespace PageLoading {

QStringList pageLines(const QString& text)
{
    return PageText::lines(text);
}

void readStylePart(PageLoad& load, const QString& stylePart)
{
    for (const QString& line : PageText::scannedLines(stylePart)) {
        readHeadLine(load, line);
        for (const RuleKind& kind : kRuleKinds) {
            if (PageObjectRules::isRuleLine(line, kind.prefix, kind.positioned))
                kind.read(load, PageObjectRule(line));
        }
        if (load.ownSettings && line.contains(Style::backgroundImageRule))
            readBackgroundImage(load);
    }
}

void readOldTables(PageLoad& load, const QString& stylePart, myTextViewList& cells)
{
    for (const QString& line : PageText::scannedLines(stylePart)) {
        if (PageObjectRules::isRuleLine(line, Rule::oldTable, true) &&
            !line.contains(Rule::oldTableExclusion))
            load.document.pageRecords().tableArray.append(
                ObjectRuleReaders::readOldTable(PageObjectRule(line)));
        if (PageObjectRules::isRuleLine(line, Rule::oldTableCell, true))
            cells.append(ObjectRuleReaders::readOldTableCell(PageObjectRule(line)));
    }
}

void readBackgroundImage(PageLoad& load)
{
    const QString folder = pageFolderOf(load.pagePath);
    SKTDocument& d = load.document;
    // The unscaled original when there is one; a JPEG found wins over a PNG.
    QImage found;
    for (const char* type : {"PNG", "JPG"}) {
        const QString extension = QString::fromLatin1(type);
        QString path = folder + QStringLiteral("/backgroundo.") + extension;
        if (!QFileInfo::exists(path))
            path = folder + QStringLiteral("/background.") + extension;
        const QImage picture = QImageReader(path).read();
        if (picture.isNull())
            continue;
        found = picture;
        d.setBackgroundImageType(extension);
    }
    // Without a picture the page keeps its colour.
    if (found.isNull())
        return;
    d.setBackgroundImage(found);
    d.setBackgroundImageFlag(2);
    load.backgroundImageRead = true;
}

} // namespace PageLoading
