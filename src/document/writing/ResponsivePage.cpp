#include "document/writing/ResponsivePage.h"

#include "codegen/CodeTemplate.h"
#include "codegen/CodeText.h"
#include "codegen/ResponsiveArrangement.h"
#include "document/core/SKTDocument.h"
#include "document/writing/FormMailCode.h"
#include "document/writing/PageAssembly.h"
#include "document/writing/PageHead.h"
#include "model/SKTTable.h"
#include "profile/DataCentre.h"
#include "profile/services/FileServices.h"

using CodeTemplate::format;

namespace {

const char* const kHead =
    "%@\n<html lang=\"en\">\n<head>\n<meta charset=\"UTF-8\">\n%@\n<title>%@</title>\n%@\n%@\n"
    "<style type=text/css>\n%@\n%@\nbody {background-color:#%@;}\n</style>\n%@\n%@\n%@\n%@\n\n"
    "</head>";
const char* const kMeta =
    "<meta http-equiv=\"X-UA-Compatible\" content=\"IE=edge\">\n<meta name=\"viewport\" "
    "content=\"width=device-width, initial-scale=1.0\">\n<meta name=\"description\" "
    "content=\"%@\">\n<meta name=\"keywords\" content=\"%@\">\n";
const char* const kContainerRule = "%@\n.container-fluid{\npadding-right:0px;\npadding-left:0px;\n}\n";
// Narrow screens show an e-mail's columns one under the other. The rule goes into the page's one style
// element: a style element of its own inside it would end that element early.
const char* const kMailColumns = "@media only screen and (max-width: 480px){\n.columnContainer{\n"
                                 "display:block !important;\nwidth:100% !important;}}\n";
const char* const kMailBodyOpening =
    "<body bgcolor=\"#%@\" style='margin-top:0; margin-bottom:0; margin-right:0; margin-left:0; "
    "padding:0;'>\n<table width=\"100%%\" bgcolor=\"#%@\" margin=0 padding=0 cellpadding=0 cellspacing=0>\n"
    "<tr><td>\n";
const char* const kMailBodyClosing = "</td></tr>\n</table>\n</body>\n</html>";

QString orEmpty(const QString& text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

bool isSection(const SKTGraphic& graphic)
{
    return graphic.gridType() == QLatin1String("section") ||
           graphic.gridType() == QLatin1String("sectionTemplate");
}

// The pieces of the section records, each kind joined in record order.
struct Joined {
    QString body = QStringLiteral("");
    QString css = QStringLiteral("");
    QString script = QStringLiteral("");
    QString formResponse = QStringLiteral("");
    QString formMessage = QStringLiteral("");
};

Joined joinedSections(PageAssembly& page)
{
    QList<CodeWidgetHelper>& records = page.lists.sourceCodeArray;
    QList<CodeWidgetHelper> sections = page.lists.sectionRecordArray;
    const PageCodeContext context = page.codeContext();
    for (const std::shared_ptr<SKTGraphic>& graphic : page.lists.tableArray) {
        const auto* table = qobject_cast<const SKTTable*>(graphic.get());
        if (table && isSection(*table))
            sections.append(ResponsiveArrangement::arrangeResponsiveElements(*table, records, context));
    }
    sections = DataCentre::sortArray(sections, QStringLiteral("originY"), true);
    Joined joined;
    for (const CodeWidgetHelper& record : sections) {
        joined.body = format("%@\n%@", {joined.body, orEmpty(record.bodyString())});
        joined.css = format("%@\n%@", {joined.css, orEmpty(record.headerString())});
        joined.script = format("%@\n%@", {joined.script, orEmpty(record.javaScriptString())});
        joined.formResponse = format("%@\n%@", {joined.formResponse, orEmpty(record.formResponseBody())});
        joined.formMessage = format("%@\n%@", {joined.formMessage, orEmpty(record.formMessageBody())});
    }
    return joined;
}

// The column classes of one screen class for the widths that fill a row of twelve, with the child each
// new line of columns starts at.
QString columnSelectors(const char* screenClass)
{
    struct Width {
        int columns;
        const char* child;
    };
    static const Width widths[] = {{1, "12n+1"}, {2, "6n+1"}, {3, "4n+1"}, {4, "3n+1"}, {6, "2n+1"}};
    QStringList selectors;
    for (const Width& width : widths)
        selectors << format(".col-%@-%d:nth-child(%@)", {screenClass, width.columns, width.child});
    return selectors.join(QLatin1Char(','));
}

} // namespace

namespace ResponsivePage {

QString columnClearingCss()
{
    struct Breakpoint {
        int minWidth;
        const char* own;
        const char* others[2];
    };
    static const Breakpoint breakpoints[] = {
        {767, "sm", {"md", "lg"}}, {992, "md", {"sm", "lg"}}, {1200, "lg", {"sm", "md"}}};
    QString css;
    for (const Breakpoint& b : breakpoints) {
        css += format(
            "@media (min-width:%dpx){\n%@{clear: left;}\n%@,%@{clear: none;}\n}\n",
            {b.minWidth, columnSelectors(b.own), columnSelectors(b.others[0]), columnSelectors(b.others[1])});
    }
    return css;
}

QString page(PageAssembly& page, const QString& pageColor)
{
    SKTDocument& document = page.document;
    const bool mail = DataCentre::profile().inlineStyleCode;
    const Joined joined = joinedSections(page);

    QString css = format(kContainerRule, {joined.css});
    if (mail)
        css += QString::fromLatin1(kMailColumns);
    QString keywords = orEmpty(document.metaKeywords());
    if (keywords == QLatin1String("(null)"))
        keywords = QStringLiteral("");
    const QString meta = mail ? QStringLiteral("")
                              : format(kMeta, {CodeText::escapedLine(orEmpty(document.metaDescription())),
                                               CodeText::escapedLine(keywords)});
    // The stored page has settled the header codes already. A form page mails what its field records read.
    QString headerCode = orEmpty(document.customHeaderCode());
    QString formOpening = QStringLiteral("");
    QString formClosing = QStringLiteral("");
    if (page.formPage()) {
        const QString formCode =
            FormMailCode::formCode(document, page.lists.textViewArray, page.pageName,
                                   {joined.formResponse, std::nullopt, joined.formMessage});
        headerCode = format("%@\n%@", {headerCode, formCode});
        formOpening = FormMailCode::formOpening(page.pageName);
        formClosing = FormMailCode::formClosing();
    }
    const QString head =
        format(kHead, {"<!DOCTYPE HTML>\n", meta, CodeText::escapedLine(orEmpty(document.pageOfficialName())),
                       PageHead::includeBlock(), orEmpty(PageHead::webFontLink()), css,
                       mail ? QStringLiteral("") : columnClearingCss(), pageColor, joined.script,
                       orEmpty(document.baseTemplateCustomHeaderCode()), headerCode, QStringLiteral("")});
    const QString bodyOpening =
        mail ? format(kMailBodyOpening, {pageColor, pageColor}) : QStringLiteral("<body>");
    const QString bodyClosing =
        mail ? QString::fromLatin1(kMailBodyClosing) : QStringLiteral("</body>\n</html>");
    return format("%@\n\n%@\n%@\n%@\n%@\n%@",
                  {head, bodyOpening, formOpening, joined.body, formClosing, bodyClosing});
}

} // namespace ResponsivePage
