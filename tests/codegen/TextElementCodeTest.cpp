#include "codegen/TextElementCode.h"
#include "codegen/PageCodeContext.h"
#include "model/SKTText.h"
#include "model/records/myTextView.h"
#include "model/text/TextStorage.h"
#include "platform/Format.h"
#include "profile/DataCentre.h"
#include "profile/services/WebFonts.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <QTextDocument>

#include <clocale>

namespace {

// Every test starts from a plain product profile and puts the previous one back.
class TextElementCodeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_saved = DataCentre::profile();
        DataCentre::resetProfile();
    }
    void TearDown() override { DataCentre::mutableProfile() = m_saved; }

    static std::shared_ptr<SKTText> textBox(const QString& string,
                                            const QRectF& bounds = QRectF(10, 20, 200, 50))
    {
        auto text = std::make_shared<SKTText>();
        text->initWithProperties({{QStringLiteral("textString"), string},
                                  {QStringLiteral("bounds"), Format::rect(bounds)},
                                  {QStringLiteral("fontFamily"), QStringLiteral("DejaVu Sans")},
                                  {QStringLiteral("fontSize"), QStringLiteral("14")},
                                  {QStringLiteral("opacity"), QStringLiteral("1.0")}});
        return text;
    }

    // The page of one text box and the box's code as element 1.
    static CodeWidgetHelper codeOf(SKTText& text, bool responsiveOutput = false)
    {
        PageCodeContext page;
        page.mainTemplateName = QStringLiteral("main");
        return TextElementCode::generateTextViewCodeStatic(text, 1, responsiveOutput, page);
    }

    // The declarations of the element's own rule, the first of the header.
    static QStringList mainDeclarations(const CodeWidgetHelper& code)
    {
        const QString header = code.headerString();
        const qsizetype open = header.indexOf(QLatin1Char('{'));
        const qsizetype close = header.indexOf(QLatin1Char('}'));
        return header.mid(open + 1, close - open - 1).split(QLatin1Char(';'), Qt::SkipEmptyParts);
    }

    static QString valueOf(const QStringList& declarations, const QString& property)
    {
        for (const QString& declaration : declarations) {
            if (declaration.startsWith(property + QLatin1Char(':')))
                return declaration.mid(property.size() + 1);
        }
        return QString();
    }

    // The text between the div's opening line and its closing line.
    static QString bodyText(const CodeWidgetHelper& code)
    {
        const QString body = code.bodyString();
        const qsizetype start = body.indexOf(QLatin1Char('\n')) + 1;
        return body.mid(start, body.lastIndexOf(QLatin1String("\n</div>")) - start);
    }

private:
    ProductProfile m_saved;
};

TEST_F(TextElementCodeTest, DeclarationsAreJoinedWithoutTheMissingOnes)
{
    const struct {
        const char *property, *value;
        bool important;
    } rows[] = {{"a", "1", false}, {"b", "", false},       {"c", "#(null)", false}, {"d", "(null)", false},
                {"e", "#", false}, {"f", "#FF0000", true}, {"g", "normal", false}};
    QList<GenerateSourceCodeObject> declarations;
    for (const auto& row : rows) {
        GenerateSourceCodeObject declaration;
        declaration.setSourceCodeObjectType(QString::fromLatin1(row.property));
        declaration.setSourceCodeObjectValue(QString::fromLatin1(row.value));
        declaration.setImportantFlag(row.important);
        declarations << declaration;
    }
    GenerateSourceCodeObject missing;
    missing.setSourceCodeObjectType(QStringLiteral("h"));
    declarations << missing;
    EXPECT_EQ(TextElementCode::combineSourceCodeString(declarations),
              QStringLiteral("a:1;f:#FF0000 !important;g:normal;"));
    EXPECT_EQ(TextElementCode::combineSourceCodeString({}), QStringLiteral(""));
}

TEST_F(TextElementCodeTest, LinesAreCountedByTheirEnds)
{
    const struct {
        const char16_t* text;
        int lines;
    } cases[] = {{u"", 0},       {u"a", 1},      {u"a\n", 1},    {u"\n", 1},       {u"a\nb", 2},
                 {u"a\r\nb", 2}, {u"a\rb\n", 2}, {u"a\n\nb", 3}, {u"a\u2028b", 2}, {u"a\u2029b\u0085c", 3}};
    for (const auto& c : cases)
        EXPECT_EQ(TextElementCode::calculateNumOfLines(QString::fromUtf16(c.text)), c.lines)
            << QString::fromUtf16(c.text).toStdString();
}

TEST_F(TextElementCodeTest, EmptyTextWritesTheSmallDefaults)
{
    auto text = textBox(QString());
    const CodeWidgetHelper code = codeOf(*text);
    const QStringList declarations = mainDeclarations(code);
    EXPECT_EQ(valueOf(declarations, QStringLiteral("font-size")), QStringLiteral("10"));
    EXPECT_EQ(valueOf(declarations, QStringLiteral("padding")), QStringLiteral("0px"));
    EXPECT_EQ(valueOf(declarations, QStringLiteral("text-align")), QStringLiteral("left"));
    EXPECT_EQ(valueOf(declarations, QStringLiteral("nlines")), QStringLiteral("0"));
    EXPECT_TRUE(valueOf(declarations, QStringLiteral("font-family")).isNull()) << "no characters, no font";
    EXPECT_EQ(code.bodyString(), QStringLiteral("<div class=text1>\n\n</div>\n"));
    EXPECT_TRUE(code.javaScriptString().isEmpty());
    EXPECT_EQ(code.rect(), QRectF());
}

TEST_F(TextElementCodeTest, TextSizesThePaddingAndNamesItsFont)
{
    auto text = textBox(QStringLiteral("Hi"), QRectF(10, 20, 200, 50));
    QStringList declarations = mainDeclarations(codeOf(*text));
    EXPECT_EQ(valueOf(declarations, QStringLiteral("font-size")), QStringLiteral("14"));
    EXPECT_EQ(valueOf(declarations, QStringLiteral("font-family")), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(valueOf(declarations, QStringLiteral("padding")), QStringLiteral("5px")) << "0.11 of 50";
    text->setBounds(QRectF(10, 20, 200, 400));
    declarations = mainDeclarations(codeOf(*text));
    EXPECT_EQ(valueOf(declarations, QStringLiteral("padding")), QStringLiteral("10px")) << "at most 10";
}

TEST_F(TextElementCodeTest, IndentFlagsTurnLineBreaksIntoMarkup)
{
    const struct {
        int flag;
        const char *body, *indent;
    } cases[] = {{0, "a<br>b", "0px"}, {1, "a<br>b", "40px"}, {2, "a<p class=\"tab\">b", "40px"}};
    for (const auto& c : cases) {
        auto text = textBox(QStringLiteral("a\nb"));
        text->setIndentFlag(c.flag);
        const CodeWidgetHelper code = codeOf(*text);
        EXPECT_EQ(bodyText(code), QString::fromLatin1(c.body)) << c.flag;
        EXPECT_EQ(valueOf(mainDeclarations(code), QStringLiteral("text-indent")),
                  QString::fromLatin1(c.indent));
        EXPECT_TRUE(code.headerString().contains(QStringLiteral("indent-flag:%1;").arg(c.flag)));
    }
}

TEST_F(TextElementCodeTest, TypedAngleBracketsAreEscapedAndLineBreaksStayMarkup)
{
    // Line ends of every kind end a line; each paragraph of an indented text starts with the tab paragraph.
    auto text = textBox(QString::fromUtf16(u"1 < 2 > 0\r\nnext\rlast\u000Bend"));
    text->setIndentFlag(2);
    EXPECT_EQ(bodyText(codeOf(*text)).toStdString(),
              "1 &lt; 2 &gt; 0<p class=\"tab\">next<p class=\"tab\">last<br>end");
    text->setIndentFlag(0);
    EXPECT_EQ(bodyText(codeOf(*text)).toStdString(), "1 &lt; 2 &gt; 0<br>next<br>last<br>end");
}

TEST_F(TextElementCodeTest, EscapingFollowsTheProductAndTheOutput)
{
    const struct {
        bool responsive, rawHtml, snippet, output, escaped;
    } cases[] = {
        {false, false, false, false, true}, {false, false, false, true, true},
        {false, true, false, false, false}, {false, false, true, false, false},
        {true, false, false, false, true},  {true, false, false, true, false},
        {true, true, false, false, true},   {true, false, true, false, false},
    };
    for (const auto& c : cases) {
        DataCentre::mutableProfile().responsiveDesign = c.responsive;
        DataCentre::mutableProfile().htmlTextBoxes = c.rawHtml;
        auto text = textBox(QStringLiteral("<b>x</b>\ny"));
        if (c.snippet)
            text->setTextType(QStringLiteral("HTMLSnippet"));
        const QString body = bodyText(codeOf(*text, c.output));
        EXPECT_EQ(body,
                  c.escaped ? QStringLiteral("&lt;b&gt;x&lt;/b&gt;<br>y") : QStringLiteral("<b>x</b><br>y"))
            << c.responsive << c.rawHtml << c.snippet << c.output;
    }
}

TEST_F(TextElementCodeTest, ASnippetUsesItsOwnPrefix)
{
    auto text = textBox(QStringLiteral("<i>raw</i>"));
    text->setTextType(QStringLiteral("HTMLSnippet"));
    const CodeWidgetHelper code = codeOf(*text);
    EXPECT_TRUE(code.headerString().startsWith(QStringLiteral(".snippet1{")));
    for (const char* selector :
         {".snippet1 a:link {", ".snippet1 a:visited {", ".snippet1:hover{", ".snippet1 a:hover {"})
        EXPECT_TRUE(code.headerString().contains(QString::fromLatin1(selector))) << selector;
    EXPECT_EQ(code.bodyString(), QStringLiteral("<div class=snippet1>\n<i>raw</i>\n</div>\n"));
}

TEST_F(TextElementCodeTest, AFormattedSnippetOnAResponsivePageLeadsWithItsSafeLink)
{
    DataCentre::mutableProfile().responsiveDesign = true;
    auto text = textBox(QStringLiteral("Go"));
    text->setSnippetFormatFlag(true);
    text->setLink(QStringLiteral("http://example.com/a b\"c'<d>?q=%20"));
    const CodeWidgetHelper code = codeOf(*text, true);
    EXPECT_EQ(bodyText(code), QStringLiteral("http://example.com/a%20b%22c%27%3Cd%3E?q=%20\nGo"));
    const QStringList declarations = mainDeclarations(code);
    EXPECT_EQ(valueOf(declarations, QStringLiteral("containsLinkFlag")), QStringLiteral("1"));
    EXPECT_EQ(valueOf(declarations, QStringLiteral("nlines")), QStringLiteral("2"));

    DataCentre::mutableProfile().responsiveDesign = false;
    EXPECT_EQ(valueOf(mainDeclarations(codeOf(*text, true)), QStringLiteral("containsLinkFlag")),
              QStringLiteral("0"));
}

TEST_F(TextElementCodeTest, NoSpacingWritesNormalEarlyAndAnImportantZeroLate)
{
    auto text = textBox(QStringLiteral("x"));
    text->setLineSpacing(0);
    const QString header = codeOf(*text).headerString();
    const qsizetype normal = header.indexOf(QStringLiteral("line-height:normal;"));
    const qsizetype important = header.indexOf(QStringLiteral("line-height:0.00 !important;"));
    ASSERT_GE(normal, 0);
    EXPECT_GT(important, normal);
    EXPECT_TRUE(header.contains(QStringLiteral("line-multiple:0.00;")));
    text->setLineSpacing(-2);
    EXPECT_TRUE(codeOf(*text).headerString().contains(QStringLiteral("line-height:0.00 !important;")));
}

TEST_F(TextElementCodeTest, TheLayerComesFromThePlaceInThePageUnlessSetByHand)
{
    auto first = textBox(QStringLiteral("a"));
    auto second = textBox(QStringLiteral("b"));
    auto third = textBox(QStringLiteral("c"));
    PageCodeContext page;
    page.graphics = {first, second, third};
    const auto zIndex = [&](SKTText& text) {
        return valueOf(mainDeclarations(TextElementCode::generateTextViewCodeStatic(text, 9, false, page)),
                       QStringLiteral("z-index"));
    };
    EXPECT_EQ(zIndex(*first), QStringLiteral("3"));
    EXPECT_EQ(zIndex(*third), QStringLiteral("1"));
    second->setManualLayerIndex(40);
    EXPECT_EQ(zIndex(*second), QStringLiteral("40"));
    auto outside = textBox(QStringLiteral("d"));
    EXPECT_EQ(zIndex(*outside), QStringLiteral("4"));
}

TEST_F(TextElementCodeTest, ACellRecordGivesItsOwnGeometryAndTableSpots)
{
    auto storage = std::make_shared<QTextDocument>();
    storage->setPlainText(QStringLiteral("cell"));
    TextStyle style;
    style.font.setFamilies({QStringLiteral("PT Sans")});
    style.font.setPointSizeF(12);
    style.alignment = Qt::AlignRight;
    TextStorage::applyStyle(*storage, style);
    myTextView cell(QRectF(0, 0, 120, 30));
    cell.setTextStorage(storage);
    cell.setOriginX(300);
    cell.setOriginY(400);
    cell.setWidth(120);
    cell.setHeight(30);
    cell.setTableNumber(4);
    cell.setRowSpot(1);
    cell.setColumnSpot(2);
    cell.setTableCellCornerRadius(6.5f);
    cell.setCornerRadius(99);
    cell.setAlphaValue(0.5);

    PageCodeContext page;
    page.graphics = {textBox(QStringLiteral("a")), textBox(QStringLiteral("b"))};
    page.mainTemplateName = QStringLiteral("main");
    const CodeWidgetHelper code = TextElementCode::generateTextViewCodeStatic(cell, 5, true, page);
    const QStringList declarations = mainDeclarations(code);
    const struct {
        const char *property, *value;
    } expected[] = {{"left", "300px"},       {"top", "400px"},         {"width", "120px"},
                    {"height", "30px"},      {"z-index", "3"},         {"tableNumber", "4"},
                    {"tableRowSpot", "1"},   {"tableColumnSpot", "2"}, {"border-radius", "6px"},
                    {"opacity", "0.50"},     {"font-size", "12"},      {"font-family", "PT Sans"},
                    {"text-align", "right"}, {"padding", "3px"},       {"templateName", "main"}};
    for (const auto& e : expected)
        EXPECT_EQ(valueOf(declarations, QString::fromLatin1(e.property)), QString::fromLatin1(e.value))
            << e.property;
    EXPECT_EQ(cell.templateName(), QStringLiteral("main")) << "written back";
    EXPECT_EQ(cell.topPaddingType(), QStringLiteral("%"));
    EXPECT_EQ(bodyText(code), QStringLiteral("cell"));
}

TEST_F(TextElementCodeTest, WidthMatchesTheScreenAndMissingColoursDropOut)
{
    auto text = textBox(QStringLiteral("x"), QRectF(0, 0, 640, 40));
    text->setMatchScreenFlag(true);
    text->setBackgroundHexColorString(QString());
    const QStringList declarations = mainDeclarations(codeOf(*text));
    EXPECT_EQ(valueOf(declarations, QStringLiteral("width")), QStringLiteral("100%"));
    EXPECT_TRUE(valueOf(declarations, QStringLiteral("background-color")).isNull());
    EXPECT_TRUE(valueOf(declarations, QStringLiteral("shapeBackgroundColor")).isNull());
    text->setBackgroundHexColorString(QStringLiteral("(null)"));
    EXPECT_TRUE(valueOf(mainDeclarations(codeOf(*text)), QStringLiteral("background-color")).isNull());
}

TEST_F(TextElementCodeTest, TheElementKeepsItsSettledTemplateNameAndUnits)
{
    auto text = textBox(QStringLiteral("x"));
    text->setTemplateName(QStringLiteral("folder/home.page.html"));
    text->setTopMarginType(QStringLiteral("(null)"));
    text->setLeftPaddingType(QStringLiteral("pixel"));
    codeOf(*text);
    EXPECT_EQ(text->templateName(), QStringLiteral("folder/home.page"));
    EXPECT_EQ(text->topMarginType(), QStringLiteral("%"));
    EXPECT_EQ(text->bottomMarginType(), QStringLiteral("%"));
    EXPECT_EQ(text->leftPaddingType(), QStringLiteral("pixel"));

    text->setTemplateName(QString());
    EXPECT_EQ(valueOf(mainDeclarations(codeOf(*text)), QStringLiteral("templateName")),
              QStringLiteral("main"));
    EXPECT_EQ(text->templateName(), QStringLiteral("main"));
}

TEST_F(TextElementCodeTest, TheTextsWebFontIsMarkedUsed)
{
    DataCentre::prepCustomFont();
    auto text = textBox(QStringLiteral("x"));
    text->setFontFamily(QStringLiteral("Lato"));
    text->refreshStyle();
    codeOf(*text);
    int used = 0;
    for (const auto& font : DataCentre::webFontList()) {
        if (font->isUsed()) {
            ++used;
            EXPECT_EQ(font->fontName(), QStringLiteral("Lato"));
        }
    }
    EXPECT_EQ(used, 1);
    DataCentre::prepCustomFont();
}

TEST_F(TextElementCodeTest, NumbersAreWrittenInTheCLocaleWhateverTheUsersLocale)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    auto text = textBox(QStringLiteral("x"));
    text->setOpacity(0.25);
    text->setLineSpacing(1.5f);
    const QStringList declarations = mainDeclarations(codeOf(*text));
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(previous);
    EXPECT_EQ(valueOf(declarations, QStringLiteral("opacity")), QStringLiteral("0.25"));
    EXPECT_EQ(valueOf(declarations, QStringLiteral("filter")), QStringLiteral("alpha(opacity=25.00)"));
    EXPECT_EQ(valueOf(declarations, QStringLiteral("line-multiple")), QStringLiteral("1.50"));
}

// One fully styled text box, its whole rule set and body pinned declaration by declaration.
TEST_F(TextElementCodeTest, AFullyStyledTextBoxWritesItsWholeCode)
{
    auto text = std::make_shared<SKTText>();
    text->initWithProperties({{QStringLiteral("textString"), QStringLiteral("Hello <World>\nSecond line")},
                              {QStringLiteral("bounds"), QStringLiteral("{{40.7, 120.2}, {300.9, 80.5}}")},
                              {QStringLiteral("fontFamily"), QStringLiteral("Lato")},
                              {QStringLiteral("fontSize"), QStringLiteral("18")},
                              {QStringLiteral("fontAlignment"), QStringLiteral("1")}});
    text->setScrollFlag(1);
    text->setBackgroundHexColorString(QStringLiteral("FFEE00"));
    text->setTextHexColorString(QStringLiteral("112233"));
    text->setBorderStyle(QStringLiteral("dashed"));
    text->setBorderWidth(3);
    text->setBorderHexColorString(QStringLiteral("445566"));
    text->setVerticalAlignment(1);
    text->setCornerRadius(12.7);
    text->setMoveLock(1);
    text->setShadowFlag(1);
    text->setOpacity(0.85);
    text->setIndentFlag(1);
    text->setShapeFlag(2);
    text->setGroupNumber(7);
    text->setTemplateName(QStringLiteral("home.html"));
    text->setLinkType(QStringLiteral("text"));
    text->setFixedWidthFlag(1);
    text->setBubbleShape(QStringLiteral("star"));
    text->setXsGridColumns(12);
    text->setSmallGridColumns(6);
    text->setMediumGridColumns(4);
    text->setLargeGridColumns(3);
    text->setShadowRadius(4.6f);
    text->setShadowHorizontalOffset(-2.5f);
    text->setShadowVerticalOffset(3.9f);
    text->setRotationAngle(15.8f);
    text->setResponsiveResizeFlag(1);
    text->setResponsiveAlignment(2);
    text->setSectionNumber(3);
    text->setSectionRowSpot(1);
    text->setSectionColumnSpot(0);
    text->setMarkAsReplyToEmailFlag(1);
    text->setOnClickShowString(QStringLiteral("text4,text5"));
    text->setOnClickHideString(QString());
    text->setTopMargin(10);
    text->setBottomMargin(20);
    text->setLeftMargin(5);
    text->setRightMargin(0);
    text->setTopPadding(1);
    text->setBottomPadding(2);
    text->setLeftPadding(3);
    text->setRightPadding(4);
    for (auto setter :
         {&SKTGraphic::setTopPaddingType, &SKTGraphic::setBottomPaddingType, &SKTGraphic::setLeftPaddingType,
          &SKTGraphic::setRightPaddingType, &SKTGraphic::setTopMarginType, &SKTGraphic::setBottomMarginType,
          &SKTGraphic::setLeftMarginType, &SKTGraphic::setRightMarginType})
        (text.get()->*setter)(QString());
    text->setTopPaddingType(QStringLiteral("pixel"));
    text->setTopPaddingLevelString(QStringLiteral("Tiny"));
    text->setBottomPaddingLevelString(QStringLiteral("Small"));
    text->setLeftPaddingLevelString(QStringLiteral("None"));
    text->setRightPaddingLevelString(QStringLiteral("None"));
    text->setTopMarginLevelString(QStringLiteral("Medium"));
    text->setBottomMarginLevelString(QStringLiteral("Large"));
    text->setLeftMarginLevelString(QStringLiteral("XL"));
    text->setRightMarginLevelString(QStringLiteral("XXL"));
    text->setHoverColorString(QStringLiteral("0000FF"));
    text->setHoverTextColorString(QStringLiteral("FFFFFF"));
    text->setLineSpacing(1.5f);
    text->setFormType(QStringLiteral(""));
    text->setFormTag(0);
    text->setFormOptionTag(-99);
    text->setFormRequiredFlag(0);

    PageCodeContext page;
    page.graphics = {textBox(QStringLiteral("front")), text, textBox(QStringLiteral("back"))};
    page.mainTemplateName = QStringLiteral("main");
    const CodeWidgetHelper code = TextElementCode::generateTextViewCodeStatic(*text, 2, false, page);

    const QStringList expected = {
        "position:fixed",
        "background-color:#FFEE00",
        "color:#112233",
        "left:40px",
        "top:120px",
        "height:80px",
        "width:300px",
        "z-index:2",
        "snippetFormattingFlag:0",
        "font-size:18",
        "font-family:Lato",
        "padding:8px",
        "border-style:dashed",
        "border-width:3px",
        "border-color:#445566",
        "text-align:center",
        "verticalAlignment:1",
        "border-radius:12px",
        "-moz-border-radius:12px",
        "fixed:1",
        "shadow-opacity:1.00",
        "shadow-radius:4.60",
        "textAlpha:0.85",
        "opacity:0.85",
        "filter:alpha(opacity=85.00)",
        "indent-flag:1",
        "text-indent:40px",
        "shapeFlag:2",
        "groupNumber:7",
        "line-height:normal",
        "tableNumber:-99",
        "tableRowSpot:-99",
        "tableColumnSpot:-99",
        "templateName:home",
        "manualLayerIndex:0",
        "linkType:text",
        "shapeBackgroundColor:#FFEE00",
        "nlines:1",
        "fixedWidthFlag:1",
        "fixedHeightFlag:0",
        "widthBuffer:0",
        "heightBuffer:0",
        "zoomBubbleFlag:0",
        "bubbleShape:star",
        "xsColumnGrid:12",
        "smallColumnGrid:6",
        "mediumColumnGrid:4",
        "largeColumnGrid:3",
        "shadowBlurRadius:4",
        "shadowDistanceX:-2",
        "shadowDistanceY:3",
        "rotationAngle:15",
        "responsiveResizeFlag:1",
        "responsiveAlignmentFlag:2",
        "sectionNumber:3",
        "sectionRowSpot:1",
        "sectionColumnSpot:0",
        "markAsReplyFlag:1",
        "onClickShow:text4,text5",
        "topMarginStr:10",
        "bottomMarginStr:20",
        "leftMarginStr:5",
        "rightMarginStr:0",
        "topPaddingStr:1",
        "bottomPaddingStr:2",
        "leftPaddingStr:3",
        "rightPaddingStr:4",
        "topPaddingTypeStr:pixel",
        "bottomPaddingTypeStr:%",
        "leftPaddingTypeStr:%",
        "rightPaddingTypeStr:%",
        "topMarginTypeStr:%",
        "bottomMarginTypeStr:%",
        "leftMarginTypeStr:%",
        "rightMarginTypeStr:%",
        "topPaddingLevelStr:Tiny",
        "bottomPaddingLevelStr:Small",
        "leftPaddingLevelStr:None",
        "rightPaddingLevelStr:None",
        "topMarginLevelStr:Medium",
        "bottomMarginLevelStr:Large",
        "leftMarginLevelStr:XL",
        "rightMarginLevelStr:XXL",
        "containsLinkFlag:0",
        "hoverColor:#0000FF",
        "hoverTextColor:#FFFFFF",
        "line-height:1.50 !important",
        "line-multiple:1.50",
        "box-shadow:-2px 3px 4.600000px #000000",
    };
    const QStringList actual = mainDeclarations(code);
    for (qsizetype i = 0; i < std::max(expected.size(), actual.size()); ++i)
        EXPECT_EQ(actual.value(i), expected.value(i)) << "declaration " << i + 1;

    const QString mainRule =
        QStringLiteral(".text2{") + expected.join(QLatin1Char(';')) + QStringLiteral(";}");
    EXPECT_EQ(code.headerString(),
              mainRule + QStringLiteral(
                             ".text2 a:link {text-decoration:none;font-weight:normal;color:#112233;}"
                             ".text2 a:visited {text-decoration:none;font-weight:normal;color:#112233;"
                             "formTag:0;formOptionTag:-99;formRequiredFlag:0;}"
                             ".text2:hover{background-color:#0000FF;color:#FFFFFF;}"
                             ".text2 a:hover {text-decoration:none;color:#FFFFFF;font-weight:normal;}\n\n"));
    EXPECT_EQ(code.bodyString(),
              QStringLiteral("<div class=text2>\nHello &lt;World&gt;<br>Second line\n</div>\n"));
    EXPECT_TRUE(code.javaScriptString().isEmpty());
    EXPECT_EQ(code.originY(), 0);
}

} // namespace
