#include "codegen/ResponsiveArrangement.h"

#include "codegen/CodeTemplate.h"
#include "codegen/CodeText.h"
#include "codegen/PageCodeContext.h"
#include "model/SKTTable.h"
#include "model/records/TransformView.h"
#include "model/records/myTextView.h"
#include "profile/DataCentre.h"
#include "profile/ProductSelection.h"
#include "profile/services/FileServices.h"
#include "profile/services/HexColor.h"

using CodeTemplate::format;

namespace {

const QString kSectionTemplate = QStringLiteral("sectionTemplate");
const QString kNoColor = QStringLiteral("(null)");
const QString kTableStart = QStringLiteral("<!--SECTION TABLE START-->");
const QString kTableEnd = QStringLiteral("<!--SECTION TABLE END-->");

bool intersects(const QRectF& a, const QRectF& b)
{
    return a.intersects(b);
}

QRectF columnRectOf(const myTextView& column)
{
    return QRectF(column.originX(), column.originY(), column.width(), column.height());
}

// A colour string where a colour must stand in a rule; a missing one or one that is no colour string is
// written "(null)", which no browser takes for a colour.
QString ruleColor(const QString& color)
{
    return CodeText::safeColor(color, kNoColor);
}

QString boxModel(const SKTTable& s)
{
    using CodeText::safeRuleText;
    QString box = format(
        "padding-top:%d%@;padding-bottom:%d%@;padding-left:%d%@;padding-right:%d%@;margin-left:%d%@;"
        "margin-right:%d%@;margin-top:%d%@;margin-bottom:%d%@;-webkit-border-horizontal-spacing:0;"
        "-webkit-border-vertical-spacing:0;",
        {s.topPadding(), safeRuleText(s.topPaddingType()), s.bottomPadding(),
         safeRuleText(s.bottomPaddingType()), s.leftPadding(), safeRuleText(s.leftPaddingType()),
         s.rightPadding(), safeRuleText(s.rightPaddingType()), s.leftMargin(),
         safeRuleText(s.leftMarginType()), s.rightMargin(), safeRuleText(s.rightMarginType()), s.topMargin(),
         safeRuleText(s.topMarginType()), s.bottomMargin(), safeRuleText(s.bottomMarginType())});
    box.replace(QStringLiteral("pixel"), QStringLiteral("px"));
    box.replace(QStringLiteral(":0%;"), QStringLiteral(":0;"));
    return box;
}

// What one column gathers of the records placed in it, and of the whole section.
struct Gathered {
    QString script = QStringLiteral("");
    QString formResponse = QStringLiteral("");
    QString formMessage = QStringLiteral("");
};

void appendOnce(QString& text, const QString& piece)
{
    if (!piece.isEmpty() && !text.contains(piece))
        text += piece;
}

// The declarations of the record's fixed place and size become the column's: the width and height fill
// it, the absolute position goes, and its distance to the column's top, the next item or the column's
// bottom becomes its top and bottom margins.
struct MarginTexts {
    QString top; // the declaration it replaces in the text
    QString bottom;
};

void fitIntoColumn(QString& text, const QRectF& r, bool fills, const MarginTexts& replaced,
                   const QRectF& column, const CodeWidgetHelperList& records)
{
    using namespace ResponsiveArrangement;
    if (fills) {
        text.replace(format("width:%dpx;", {int(r.width())}), QStringLiteral("width:100%;"));
        text.replace(format("height:%dpx;", {int(r.height())}), QStringLiteral("height:100%;"));
        text.remove(QStringLiteral("position:absolute;"));
    }
    QString margins = QStringLiteral("");
    if (isThisTheTopMostItemInSection(r, column, records)) {
        margins = format("margin-top:%dpx;", {int(r.y() - column.y())});
        text.replace(replaced.top, margins);
    }
    if (isThisTheBottomMostItemInSection(r, column, records))
        text.replace(replaced.bottom,
                     format("%@margin-bottom:%dpx;", {margins, int(column.bottom() - r.bottom())}));
    const QRectF next = grabRectOfNextItemInSection(r, column, records);
    if (next != QRectF())
        text.replace(replaced.bottom, format("%@margin-bottom:%dpx;", {margins, int(next.y() - r.bottom())}));
}

// Moves the records that lie in the column into it; answers the column's body and header.
std::pair<QString, QString> placeRecords(const QRectF& column, CodeWidgetHelperList& records,
                                         Gathered& section)
{
    const bool inlineStyleCode = DataCentre::profile().inlineStyleCode;
    const MarginTexts plain{QStringLiteral("margin-top:0;"), QStringLiteral("margin-bottom:0;")};
    const MarginTexts table{QStringLiteral("margin-top:0px;"), QStringLiteral("margin-bottom:0px;")};
    QString body;
    QString header;
    for (CodeWidgetHelper& e : records) {
        if (e.addedToGrid() || !intersects(e.rect(), column))
            continue;
        e.setAddedToGrid(true);
        const QRectF r = e.rect();
        QString eHeader = e.headerString();
        eHeader.remove(format("left:%dpx;", {int(r.x())}));
        eHeader.remove(format("top:%dpx;", {int(r.y())}));
        QString eBody = e.bodyString();
        if (!e.noMarginAddOnFlag() && e.responsiveResizeFlag() == 0 && !e.partOfTableFlag()) {
            fitIntoColumn(eHeader, r, true, plain, column, records);
            if (inlineStyleCode)
                fitIntoColumn(eBody, r, true, plain, column, records);
        }
        if (e.partOfTableFlag()) {
            QString tableHeader = e.tableHeaderString();
            fitIntoColumn(tableHeader, r, true, table, column, records);
            e.setTableHeaderString(tableHeader);
            eHeader = format("%@\n%@", {tableHeader, eHeader});
        }
        e.setHeaderString(eHeader);
        e.setBodyString(eBody);

        body += QLatin1Char('\n') + e.bodyString();
        header += QLatin1Char('\n') + e.headerString();
        appendOnce(section.formResponse, e.formResponseBody());
        appendOnce(section.formMessage, e.formMessageBody());
        if (!e.javaScriptString().isEmpty())
            section.script += QLatin1Char('\n') + e.javaScriptString();
    }
    return {body, header};
}

QString columnOpening(const myTextView& column, int s, int i)
{
    if (!DataCentre::profile().inlineStyleCode)
        return format(
            "<div class=\"section%d_column section%d_%d col-xs-%d col-sm-%d col-md-%d col-lg-%d\">\n",
            {s, s, i, column.xsGridColumns(), column.smallGridColumns(), column.mediumGridColumns(),
             column.largeGridColumns()});
    const int width = int(column.mediumGridColumns() / 12.0 * 100.0);
    const QString color = CodeText::safeColor(column.backgroundHexColorString(), QString());
    const QString colorDeclaration = color.isEmpty() || color == DataCentre::kClearColorString
                                         ? QStringLiteral("")
                                         : format("background-color:#%@;", {color});
    QString vertical = QStringLiteral("");
    if (column.verticalAlignment() == 1)
        vertical = QStringLiteral("vertical-align:middle;");
    else if (column.verticalAlignment() == 2)
        vertical = QStringLiteral("vertical-align:bottom;");
    return format("<td style=\"width:%d%%;%@%@\" class=\"columnContainer\">\n",
                  {width, colorDeclaration, vertical});
}

struct SectionLook {
    QString box;
    QString background;
    QString minHeight;
    QString visibility;
    QString folder;
};

SectionLook lookOf(const SKTTable& section, const PageCodeContext& page)
{
    SectionLook look;
    look.box = boxModel(section);
    look.minHeight = QStringLiteral("");
    look.background = QStringLiteral("");
    const std::shared_ptr<TransformView> picture = section.tableBackgroundImage();
    if (picture) {
        look.minHeight = format("min-height:%fpx;", {section.bounds().height()});
        look.folder = picture->selectable() ? page.pageName : QString(DataCentre::kBaseTemplateName);
        const QString source = CodeText::safeUrlPath(look.folder + QLatin1Char('/') + picture->imageName() +
                                                     QLatin1Char('.') + picture->imageType());
        look.background = format("background: url(%@) no-repeat center top;\n-webkit-background-size: "
                                 "cover;\n-moz-background-size: cover;\n-o-background-size: "
                                 "cover;\nbackground-size: cover;\n",
                                 {source});
    }
    look.visibility =
        section.initialLaunchStateFlag() == 1 ? QStringLiteral("display:none;") : QStringLiteral("");
    return look;
}

QString tableOpening(const SKTTable& section, const SectionLook& look)
{
    const QString style = CodeText::singleQuotedAttribute(look.box);
    const std::shared_ptr<TransformView> picture = section.tableBackgroundImage();
    if (picture) {
        const QString source = CodeText::safeUrlPath(look.folder + QLatin1Char('/') + picture->imageName() +
                                                     QLatin1Char('.') + picture->imageType());
        return format("<table width=\"100%%\" style='%@' background='%@'><tr>", {style, source});
    }
    const QString color =
        CodeText::safeColor(section.backgroundHexColorString(), DataCentre::kClearColorString);
    if (color != DataCentre::kClearColorString)
        return format("<table width=\"100%%\" bgcolor=#%@ style='%@'><tr>", {color, style});
    return format("<table width=\"100%%\" style='%@'><tr>", {style});
}

} // namespace

namespace ResponsiveArrangement {

void populateSourceCodeArrayOriginY(CodeWidgetHelperList& records)
{
    for (CodeWidgetHelper& record : records)
        record.setOriginY(int(record.rect().y()));
}

bool doColumnsHaveDifferentBackgroundColors(const SKTTable& section)
{
    const myTextViewList columns = section.cellHelperArray();
    for (qsizetype i = 1; i < columns.size(); ++i) {
        if (columns.at(i)->backgroundHexColorString() != columns.at(i - 1)->backgroundHexColorString())
            return true;
    }
    return false;
}

bool isThisTheTopMostItemInSection(const QRectF& item, const QRectF& column,
                                   const CodeWidgetHelperList& records)
{
    for (const CodeWidgetHelper& record : records) {
        if (intersects(record.rect(), column) && record.rect().y() < item.y())
            return false;
    }
    return true;
}

bool isThisTheBottomMostItemInSection(const QRectF& item, const QRectF& column,
                                      const CodeWidgetHelperList& records)
{
    for (const CodeWidgetHelper& record : records) {
        if (intersects(record.rect(), column) && record.rect().y() > item.y())
            return false;
    }
    return true;
}

QRectF grabRectOfNextItemInSection(const QRectF& item, const QRectF& column,
                                   const CodeWidgetHelperList& records)
{
    for (const CodeWidgetHelper& record : records) {
        if (intersects(record.rect(), column) && !record.addedToGrid() && record.rect().y() > item.y())
            return record.rect();
    }
    return QRectF();
}

CodeWidgetHelper arrangeResponsiveElements(const SKTTable& section, CodeWidgetHelperList& records,
                                           const PageCodeContext& page)
{
    const bool inlineStyleCode = DataCentre::profile().inlineStyleCode;
    populateSourceCodeArrayOriginY(records);
    records = DataCentre::sortArray(records, QStringLiteral("originY"), true);

    const int s = page.layerOf(&section);
    const SectionLook look = lookOf(section, page);
    Gathered gathered;
    QString header;
    if (doColumnsHaveDifferentBackgroundColors(section)) {
        header = format(".section%d{\n%@\n%@\n%@\n%@\n}\n",
                        {s, look.box, look.background, look.minHeight, look.visibility});
        if (!inlineStyleCode)
            gathered.script = format(
                "<script>\n$( document ).ready(function() {\nvar heights = $(\".section%d_column\").map("
                "function() {\nreturn $(this).height();\n}).get(),\nmaxHeight = Math.max.apply(null, "
                "heights);\n$(\".section%d_column\").height(maxHeight);\n});\n</script>\n",
                {s, s});
    } else {
        header = format(".section%d{\n%@\nbackground-color:#%@;\n%@\n%@\n%@\n}\n",
                        {s, look.box, ruleColor(section.backgroundHexColorString()), look.background,
                         look.minHeight, look.visibility});
    }

    const QString id = CodeText::safeIdentifier(section.sectionIDString());
    const QString identifier = id.isEmpty() ? QStringLiteral("") : format(" id=\"%@\"", {id});
    const QString opening =
        inlineStyleCode
            ? tableOpening(section, look)
            : format("<div class=\"container-fluid\">\n<div class=\"row section%d\"%@>", {s, identifier});

    const bool isTemplate = section.gridType() == kSectionTemplate;
    const QString closing = inlineStyleCode ? QStringLiteral("\n</td>") : QStringLiteral("\n</div>");
    QString columns = QStringLiteral("");
    const myTextViewList cells = section.cellHelperArray();
    for (qsizetype i = 0; i < cells.size(); ++i) {
        const myTextView& column = *cells.at(i);
        const QString rule = format(".section%d_%d{\nbackground-color:#%@;height:100%%;\npadding-right:0px;\n"
                                    "padding-left:0px;\n}\n",
                                    {s, int(i), ruleColor(column.backgroundHexColorString())});
        const bool marked = isTemplate && i == 0;
        QString columnOpen = columnOpening(column, s, int(i));
        if (marked)
            columnOpen = format("%@\n%@", {kTableStart, columnOpen});
        const auto [placedBody, placedHeader] = placeRecords(columnRectOf(column), records, gathered);
        const QString columnBody = columnOpen + placedBody;
        if (marked)
            columns = format("%@\n%@%@\n%@\n", {columns, columnBody, closing, kTableEnd});
        else
            columns = format("%@\n%@%@", {columns, columnBody, closing});
        header = format("%@\n%@\n%@\n", {header, placedHeader, rule});
    }

    CodeWidgetHelper result;
    if (inlineStyleCode) {
        result.setBodyString(format("%@\n%@\n%@\n", {opening, columns, "</tr></table>\n"}));
        result.setHeaderString(QStringLiteral(""));
    } else {
        result.setBodyString(format("%@\n%@\n%@\n</div>", {opening, columns, "</div>\n"}));
        result.setHeaderString(header);
    }
    result.setJavaScriptString(gathered.script);
    result.setOriginY(int(section.bounds().y()));
    result.setFormResponseBody(gathered.formResponse);
    result.setFormMessageBody(gathered.formMessage);
    return result;
}

} // namespace ResponsiveArrangement
