#include "codegen/SnippetCode.h"
#include "codegen/PageCodeContext.h"
#include "model/SKTText.h"
#include "model/records/myTextView.h"
#include "profile/DataCentre.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTextDocument>

namespace {

class SnippetCodeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_saved = DataCentre::profile();
        DataCentre::resetProfile();
        page.mainTemplateName = QStringLiteral("main");
    }
    void TearDown() override { DataCentre::mutableProfile() = m_saved; }

    // A snippet text box holding the HTML, alone on its page.
    std::shared_ptr<SKTText> snippetGraphic(const QString& html)
    {
        auto snippet = std::make_shared<SKTText>();
        snippet->setTextType(QStringLiteral("HTMLSnippet"));
        snippet->setFontFamily(QStringLiteral("Lato"));
        snippet->setFontSize(16);
        snippet->setBounds(QRectF(30, 40.8, 300, 120));
        snippet->updateTextString(html);
        page.graphics = {snippet};
        return snippet;
    }

    // A formatted snippet in the second cell of the last table of a page of two graphics.
    std::shared_ptr<myTextView> cellSnippet()
    {
        auto cell = myTextView::initWithFrame(QRectF(10, 20, 200, 100));
        cell->setOriginX(10);
        cell->setOriginY(20);
        cell->setWidth(200);
        cell->setHeight(100);
        cell->setFontSize(14);
        cell->setFamilyName(QStringLiteral("Lato"));
        auto storage = std::make_shared<QTextDocument>();
        storage->setPlainText(QStringLiteral("Hello\nworld"));
        cell->setTextStorage(storage);
        cell->setSnippetFormatFlag(1);
        cell->setAlphaValue(0.5);
        cell->setTableCellCornerRadius(4.6f);
        cell->setBackgroundHexColorString(QStringLiteral("FFEEDD"));
        cell->setTextHexColorString(QStringLiteral("112233"));
        cell->setHoverColorString(QStringLiteral(""));
        cell->setHoverTextColorString(QStringLiteral(""));
        cell->setBorderStyle(QStringLiteral("solid"));
        cell->setBorderWidth(1);
        cell->setBorderHexColorString(QStringLiteral("CLEAR0"));
        cell->setFormType(QStringLiteral(""));
        cell->setLinkType(QStringLiteral("text"));
        cell->setTextHeight(40);
        cell->setGroupNumber(-99);
        cell->setTemplateName(QStringLiteral("home.html"));
        cell->setTopPadding(5);
        cell->setTopPaddingType(QStringLiteral("pixel"));
        cell->setBottomPadding(5);
        cell->setBottomPaddingType(QStringLiteral("pixel"));
        cell->setLeftPadding(2);
        cell->setRightPadding(2);
        cell->setTopMargin(10);
        cell->setTopMarginType(QStringLiteral("pixel"));
        table = std::make_shared<SKTGraphic>();
        page.graphics = {std::make_shared<SKTGraphic>(), table};
        cells = {myTextView::initWithFrame(QRectF()), cell};
        return cell;
    }

    CodeWidgetHelper generate(myTextView& cell)
    {
        return SnippetCode::generateSnippetCode(cell, *table, cells, page);
    }

    PageCodeContext page;
    std::shared_ptr<SKTGraphic> table;
    myTextViewList cells;

private:
    ProductProfile m_saved;
};

const QString kCellRule = QStringLiteral(
    ".tableGrid1snippet1{background-color:#FFEEDD;z-index:3;font-size:14px;color:#112233;font-family:"
    "\"Lato\";"
    "padding-top:5px;padding-bottom:45px;padding-left:2%;padding-right:2%;margin-left:0%;margin-right:0%;"
    "margin-top:0;margin-bottom:0;border-style:solid;border-width:1px;border-color:#000000;text-align:left;"
    "border-radius:4px;-moz-border-radius:4px;fixed:0;opacity:0.500000;filter:alpha(opacity=50.000000);"
    "textAlpha:0.500000;indentFlag:0;text-indent:0px;shapeFlag:0;groupNumber:-99;line-height:normal;"
    "tableNumber:-99;tableRowSpot:-99;tableColumnSpot:-99;templateName:home;manualLayerIndex:0;linkType:text;"
    "shapeBackgroundColor:FFEEDD;nlines:2;snippetFormattingFlag:1;}"
    ".tableGrid1snippet1 a:link {text-decoration: none; color: #112233;font-weight:normal;}"
    ".tableGrid1snippet1 a:visited {text-decoration: none; color: "
    "#112233;font-weight:normal;formType:;formTag:-99;"
    "formOptionTag:-99;formRequiredFlag:0;}\n\n");

} // namespace

TEST_F(SnippetCodeTest, AnUnformattedSnippetWritesOnlyItsEditorRuleAndItsHtmlUntouched)
{
    const QString html = QStringLiteral("<b>Hi</b> & <i>there</i>\n<script>go()</script>");
    const auto snippet = snippetGraphic(html);
    snippet->setBorderHexColorString(QStringLiteral("CLEAR0"));
    const CodeWidgetHelper code = SnippetCode::generateSnippetCode(*snippet, page);
    EXPECT_EQ(code.headerString(),
              QStringLiteral(".snippet1{z-index:1;nlines:2;fixed:0;groupNumber:0;templateName:main;"
                             "manualLayerIndex:0;snippetFormattingFlag:0;}\n\n"));
    EXPECT_EQ(code.bodyString(),
              QStringLiteral("<div class=snippet1 id=snippet1>\n") + html + QStringLiteral("\n</div>\n"));
    EXPECT_TRUE(code.javaScriptString().isEmpty());
    EXPECT_EQ(code.rect(), QRectF(30, 40.8, 300, 120));
    EXPECT_EQ(code.originY(), 40);
    EXPECT_FALSE(code.partOfTableFlag());
    EXPECT_EQ(snippet->templateName(), QStringLiteral("main")) << "the page's template name is written back";
    EXPECT_EQ(snippet->borderHexColorString(), QStringLiteral("CLEAR0"))
        << "only a formatted snippet settles it";
    EXPECT_EQ(snippet->topPaddingType(), QStringLiteral("%"));
}

TEST_F(SnippetCodeTest, AFormattedSnippetOfATableCellWritesItsWholeRule)
{
    const auto cell = cellSnippet();
    const CodeWidgetHelper code = generate(*cell);
    EXPECT_EQ(code.headerString(), kCellRule);
    EXPECT_EQ(
        code.bodyString(),
        QStringLiteral("<div class=tableGrid1snippet1 id=tableGrid1snippet1>\nHello<br>world\n</div>\n"));
    EXPECT_TRUE(code.partOfTableFlag());
    EXPECT_EQ(code.rect(), QRectF(10, 20, 200, 100));
    EXPECT_EQ(code.originY(), 20);
    EXPECT_EQ(cell->borderHexColorString(), QStringLiteral("000000"));
    EXPECT_EQ(cell->templateName(), QStringLiteral("home"));
    EXPECT_EQ(cell->leftMarginType(), QStringLiteral("%"));
}

TEST_F(SnippetCodeTest, HoverColoursAddTheirRules)
{
    struct Case {
        QString hover, hoverText;
        QStringList present, absent;
    };
    const Case cases[] = {
        {QStringLiteral("AA0000"),
         QStringLiteral("00BB00"),
         {QStringLiteral(".tableGrid1snippet1:hover{background-color:#AA0000;color:#00BB00;}\n"),
          QStringLiteral(".tableGrid1snippet1{hoverColor:AA0000;hoverTextColor:00BB00;}"),
          QStringLiteral(
              ".tableGrid1snippet1 a:hover {text-decoration: none; color: #00BB00;font-weight:normal;}")},
         {}},
        {QStringLiteral("AA0000"),
         QStringLiteral(""),
         {QStringLiteral(".tableGrid1snippet1:hover{background-color:#AA0000;}\n"),
          QStringLiteral(".tableGrid1snippet1{hoverColor:AA0000;}")},
         {QStringLiteral("a:hover")}},
        {QStringLiteral(""),
         QStringLiteral("00BB00"),
         {QStringLiteral(".tableGrid1snippet1:hover{color:#00BB00 !important;}\n"),
          QStringLiteral(".tableGrid1snippet1{hoverTextColor:00BB00;}"),
          QStringLiteral(
              ".tableGrid1snippet1 a:hover {text-decoration: none; color: #00BB00;font-weight:normal;}")},
         {QStringLiteral("hoverColor:")}},
        {QStringLiteral(""),
         QStringLiteral(""),
         {},
         {QStringLiteral(":hover"), QStringLiteral("hoverColor")}},
    };
    for (const Case& c : cases) {
        const auto cell = cellSnippet();
        cell->setHoverColorString(c.hover);
        cell->setHoverTextColorString(c.hoverText);
        const QString header = generate(*cell).headerString();
        EXPECT_TRUE(header.contains(QStringLiteral(".tableGrid1snippet1 a:link {")))
            << c.hover.toStdString() << c.hoverText.toStdString();
        for (const QString& rule : c.present)
            EXPECT_TRUE(header.contains(rule)) << rule.toStdString();
        for (const QString& rule : c.absent)
            EXPECT_FALSE(header.contains(rule)) << rule.toStdString();
    }
}

TEST_F(SnippetCodeTest, OnClickListsShowAndHideOtherElements)
{
    const auto snippet = snippetGraphic(QStringLiteral("<p>x</p>"));
    snippet->setOnClickShowString(QStringLiteral("text2,image3"));
    snippet->setOnClickHideString(QStringLiteral("text4"));
    const CodeWidgetHelper code = SnippetCode::generateSnippetCode(*snippet, page);
    EXPECT_EQ(code.javaScriptString(),
              QStringLiteral(
                  "<script>\n$(document).ready(function(){\n$(\"#snippet1\").click(function(){\n\n"
                  "$(\"#text2\").show();\n\n$(\"#image3\").show();\n\n$(\"#text4\").hide();\n\n});\n});\n"
                  "</script>\n"));
    snippet->setSnippetFormatFlag(true);
    EXPECT_TRUE(SnippetCode::generateSnippetCode(*snippet, page)
                    .headerString()
                    .contains(QStringLiteral("snippetFormattingFlag:1;cursor:pointer;}")));
}

TEST_F(SnippetCodeTest, ShowAndHideIdsCanEndNeitherTheirStringNorTheScript)
{
    const auto snippet = snippetGraphic(QStringLiteral("<p>x</p>"));
    snippet->setOnClickShowString(QStringLiteral("x\");alert(1);//, #box-1"));
    snippet->setOnClickHideString(QStringLiteral("</script><script>alert(2)</script>,'"));
    const QString script = SnippetCode::generateSnippetCode(*snippet, page).javaScriptString();
    EXPECT_EQ(script,
              QStringLiteral("<script>\n$(document).ready(function(){\n$(\"#snippet1\").click(function(){\n\n"
                             "$(\"#xalert1\").show();\n\n$(\"#box-1\").show();\n\n"
                             "$(\"#scriptscriptalert2script\").hide();\n\n});\n});\n</script>\n"));
    // Read as a script: every string in it is one selector of identifier characters, and the only calls are
    // those of the click handler.
    static const QRegularExpression strings(QStringLiteral("\"([^\"]*)\""));
    for (auto match = strings.globalMatch(script); match.hasNext();)
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^#[A-Za-z0-9_-]+$"))
                        .match(match.next().captured(1))
                        .hasMatch());
    EXPECT_EQ(script.count(QStringLiteral("<script>")), 1);
    EXPECT_FALSE(script.contains(QStringLiteral("alert(")));
}

TEST_F(SnippetCodeTest, LinksWrapTheDivOrTheText)
{
    const auto cell = cellSnippet();
    cell->setLink(QStringLiteral("http://example.com/a b"));
    cell->setLinkOption(QStringLiteral("_blank"));
    cell->setLinkType(QStringLiteral("shape"));
    EXPECT_EQ(generate(*cell).bodyString(),
              QStringLiteral("<a href=http://example.com/a%20b target=_blank><div class=tableGrid1snippet1 "
                             "id=tableGrid1snippet1>Hello<br>world</div></a>\n"));
    cell->setLinkType(QStringLiteral("text"));
    EXPECT_EQ(
        generate(*cell).bodyString(),
        QStringLiteral("<div class=tableGrid1snippet1 id=tableGrid1snippet1><a href=http://example.com/a%20b "
                       "target=_blank>Hello<br>world</a></div>\n"));

    DataCentre::mutableProfile().inlineStyleCode = true;
    const QString inlineBody = generate(*cell).bodyString();
    EXPECT_TRUE(inlineBody.startsWith(QStringLiteral(
        "<div class=tableGrid1snippet1 id=tableGrid1snippet1 style='background-color:#FFEEDD;z-index:3;")));
    EXPECT_TRUE(inlineBody.contains(QStringLiteral("fixed:0;opacity:0.500000;line-height:normal;'><a href=")))
        << "a cell's inline opacity is the short form";
}

TEST_F(SnippetCodeTest, FreeSpaceIsSplitByTheVerticalAlignment)
{
    struct Case {
        int alignment;
        const char* paddings;
    };
    const Case cases[] = {
        {0, "padding-top:5px;padding-bottom:45px;"},
        {1, "padding-top:25px;padding-bottom:25px;"},
        {2, "padding-top:45px;padding-bottom:5px;"},
    };
    for (const Case& c : cases) {
        const auto cell = cellSnippet();
        cell->setVerticalAlignment(c.alignment);
        EXPECT_TRUE(generate(*cell).headerString().contains(QLatin1String(c.paddings))) << c.alignment;
    }
}

TEST_F(SnippetCodeTest, AFormattedGraphicTakesItsFontAndStyleFromItsText)
{
    const auto snippet = snippetGraphic(QStringLiteral("line one\r\nline two"));
    snippet->setSnippetFormatFlag(true);
    snippet->setFontAlignment(1);
    snippet->refreshStyle();
    snippet->setOpacity(1.0);
    snippet->setBackgroundHexColorString(QStringLiteral("CLEAR0"));
    snippet->setShadowRadius(3);
    snippet->setShadowHorizontalOffset(1);
    snippet->setShadowVerticalOffset(2);
    snippet->setLineSpacing(1.5f);
    const CodeWidgetHelper code = SnippetCode::generateSnippetCode(*snippet, page);
    const QString header = code.headerString();
    EXPECT_TRUE(header.startsWith(QStringLiteral(".snippet1{z-index:1;font-size:16px;"))) << "no background";
    EXPECT_TRUE(header.contains(QStringLiteral("font-family:\"Lato\";")));
    EXPECT_TRUE(header.contains(QStringLiteral("text-align:center;")));
    EXPECT_TRUE(
        header.contains(QStringLiteral("fixed:0;box-shadow: 1px -2px 3px #5B5B5B;textAlpha:1.000000;")))
        << "no opacity declaration at full opacity";
    EXPECT_TRUE(header.contains(
        QStringLiteral("nlines:2;snippetFormattingFlag:1;line-height:1.500000 !important;}")));
    EXPECT_EQ(code.bodyString(),
              QStringLiteral("<div class=snippet1 id=snippet1>\nline one<br>line two\n</div>\n"));
}
