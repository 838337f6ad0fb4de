#include "codegen/CodeTemplate.h"
#include "codegen/CodeText.h"
#include "codegen/ElementCodeParts.h"
#include "codegen/ResponsiveTextCode.h"
#include "codegen/RuleWriter.h"
#include "codegen/SnippetCode.h"
#include "codegen/TextElementCode.h"
#include "document/core/SKTDocument.h"
#include "document/format/PageFileFormat.h"
#include "document/writing/FormPageFields.h"
#include "document/writing/PageAssembly.h"
#include "document/writing/PageKinds.h"
#include "document/writing/TextBoxCode.h"
#include "model/SKTText.h"
#include "model/records/myTextView.h"
#include "profile/DataCentre.h"

using CodeTemplate::format;
namespace Property = PageFile::Property;

namespace {

const QString kSelf = QStringLiteral("_self");

// The short snippet rule: placement and editor state only, the HTML styles itself.
QString plainSnippetRule(PageAssembly& page, SKTGraphic& snippet, int number, const QString& text)
{
    const QRectF b = snippet.bounds();
    const QString templateName = page.settleTemplateNameOrMain(snippet);
    return RuleWriter(PageFile::Rule::snippet + QString::number(number))
               .text(Property::position, PageAssembly::positionOf(snippet.scrollFlag()))
               .pixels(Property::left, int(b.x()))
               .pixels(Property::top, int(b.y()))
               .integer(Property::zIndex, page.layerOf(snippet))
               .pixels(Property::width, int(b.width()))
               .pixels(Property::height, int(b.height()))
               .integer(Property::nlines, TextElementCode::calculateNumOfLines(text))
               .integer(Property::fixed, snippet.moveLock())
               .integer(Property::groupNumber, snippet.groupNumber())
               .freeText(Property::templateName, templateName)
               .integer(Property::manualLayerIndex, snippet.manualLayerIndex())
               .integer(Property::snippetFormattingFlag, 0)
               .integer(Property::sectionNumber, snippet.sectionNumber())
               .integer(Property::sectionRowSpot, snippet.sectionRowSpot())
               .integer(Property::sectionColumnSpot, snippet.sectionColumnSpot())
               .closed() +
           QStringLiteral("\n\n");
}

// The link option a link is opened with; a missing one becomes "_self" on the box.
QString settleLinkOption(SKTGraphic& box)
{
    if (box.linkOption().isEmpty() || box.linkOption() == QLatin1String("(null)"))
        box.setLinkOption(kSelf);
    return box.linkOption();
}

QString textBoxBody(SKTGraphic& box, int number, bool escape)
{
    const QString text = CodeText::bodyMarkup(TextBoxCode::plainText(box), box.indentFlag(), escape);
    const QString div = PageFile::Body::textDiv + QString::number(number) + u'>';
    if (!PageAssembly::isLink(box.link()))
        return div + text + QLatin1String("</div>\n");
    const QString link = PageAssembly::writtenLink(box.link());
    const QString target = CodeText::safeWindowTarget(settleLinkOption(box));
    if (box.shapeFlag() == 1)
        return format("<a href=%@ target=%@>%@%@</div></a>\n", {link, target, div, text});
    return format("%@<a href=%@ target=%@>%@</a></div>\n", {div, link, target, text});
}

} // namespace

namespace PageKinds {

void writeSnippets(PageAssembly& page)
{
    const bool responsive = DataCentre::profile().responsiveDesign;
    const GraphicList& snippets = page.lists.htmlSnippetArray;
    int number = 0;
    for (auto it = snippets.crbegin(); it != snippets.crend(); ++it, ++number) {
        SKTGraphic& snippet = **it;
        auto* text = qobject_cast<SKTText*>(&snippet);
        const std::shared_ptr<myTextView> cell = page.lists.tableCellOfBox.value(&snippet);
        if (responsive && cell) {
            // A table cell is written from its own record, which knows its table and spot; the published
            // page shows it through its table.
            const CodeWidgetHelper code =
                TextElementCode::generateTextViewCodeStatic(*cell, number, page.publish, page.codeContext());
            page.pieces.snippetCss += code.headerString();
            page.pieces.snippetBody += code.bodyString();
            continue;
        }
        if (responsive && text) {
            // The responsive designer stores its snippets (and table cells) the way its static view
            // writes them, and arranges the published page from their records.
            const PageCodeContext context = page.codeContext();
            const CodeWidgetHelper code =
                TextElementCode::generateTextViewCodeStatic(*text, number, page.publish, context);
            page.pieces.snippetCss += code.headerString();
            page.pieces.snippetBody += code.bodyString();
            CodeWidgetHelper record = SnippetCode::generateSnippetCode(*text, context);
            const QRectF b = snippet.bounds();
            record.setRect(b.x(), b.y(), b.width(), b.height());
            page.lists.sourceCodeArray.append(record);
            continue;
        }
        const QString html = TextBoxCode::plainText(snippet);
        page.pieces.snippetCss +=
            snippet.snippetFormatFlag()
                ? TextBoxCode::ruleLine(page, snippet, number, TextBoxCode::Form::FormattedSnippet)
                : plainSnippetRule(page, snippet, number, html);
        page.pieces.snippetBody += PageFile::Body::snippetDiv + QString::number(number) +
                                   QLatin1String(">\n") + html + QLatin1String("\n</div>\n");
    }
}

void writeTextBoxes(PageAssembly& page)
{
    const bool escape = ElementCodeParts::escapesTypedMarkup(page.publish);
    const bool responsive = DataCentre::profile().responsiveDesign;
    const GraphicList& boxes = page.lists.textViewArray;
    int number = 0;
    for (auto it = boxes.crbegin(); it != boxes.crend(); ++it, ++number) {
        SKTGraphic& box = **it;
        page.pieces.textCss += TextBoxCode::ruleLine(page, box, number, TextBoxCode::Form::TextBox);
        // Form fields and their labels take their own markup on form pages.
        const std::optional<QString> formBody =
            page.formPage() ? FormPageFields::body(page, box, number, escape) : std::nullopt;
        page.pieces.textBody += formBody ? *formBody : textBoxBody(box, number, escape);
        auto* text = qobject_cast<SKTText*>(&box);
        // A table cell is on the responsive page through its table's record already.
        if (responsive && text && !page.lists.tableCellOfBox.contains(&box)) {
            CodeWidgetHelper record = ResponsiveTextCode::generateTextViewCode(*text, page.codeContext());
            const QRectF b = box.bounds();
            record.setRect(b.x(), b.y(), b.width(), b.height());
            record.setResponsiveResizeFlag(box.responsiveResizeFlag());
            page.lists.sourceCodeArray.append(record);
        }
    }
}

} // namespace PageKinds
