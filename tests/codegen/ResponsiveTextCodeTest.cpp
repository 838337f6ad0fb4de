#include "codegen/ResponsiveTextCode.h"
#include "codegen/PageCodeContext.h"
#include "model/SKTTable.h"
#include "model/SKTText.h"
#include "model/records/myTextView.h"
#include "profile/DataCentre.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QTextDocument>

namespace {

class ResponsiveTextCodeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_saved = DataCentre::profile();
        DataCentre::resetProfile();
        DataCentre::mutableProfile().responsiveDesign = true;
    }
    void TearDown() override { DataCentre::mutableProfile() = m_saved; }

    // A text box at `index` among `count` graphics of the page.
    std::shared_ptr<SKTText> textBox(const QString& text, int index = 0, int count = 1)
    {
        auto box = std::make_shared<SKTText>();
        box->setTextType(QStringLiteral("Text"));
        box->setFontFamily(QStringLiteral("Lato"));
        box->setFontSize(18);
        box->setBounds(QRectF(20, 30.7, 200, 50));
        box->updateTextString(text);
        box->setTextHexColorString(QStringLiteral("112233"));
        box->setBackgroundHexColorString(QStringLiteral("FFFFFF"));
        box->setBorderHexColorString(QStringLiteral("000000"));
        page.graphics.clear();
        for (int i = 0; i < count; ++i)
            page.graphics.append(i == index ? box : std::make_shared<SKTGraphic>());
        return box;
    }

    CodeWidgetHelper generate(SKTText& box) { return ResponsiveTextCode::generateTextViewCode(box, page); }

    PageCodeContext page;

private:
    ProductProfile m_saved;
};

// A cell of the table at index 1 of a page of four graphics, the third of the table's cells.
struct CellOnPage {
    std::shared_ptr<SKTTable> table = std::make_shared<SKTTable>();
    std::shared_ptr<myTextView> cell = myTextView::initWithFrame(QRectF());

    explicit CellOnPage(PageCodeContext& page, const QString& gridType = QStringLiteral("table"))
    {
        cell->setOriginX(10);
        cell->setOriginY(40);
        cell->setWidth(100);
        cell->setHeight(30);
        auto storage = std::make_shared<QTextDocument>();
        storage->setPlainText(QStringLiteral("Cell"));
        cell->setTextStorage(storage);
        cell->textView()->setFont(QFont(QStringLiteral("Lato"), 12));
        cell->setTextAlignment(QStringLiteral("center"));
        cell->setTextHexColorString(QStringLiteral("445566"));
        table->setGridType(gridType);
        table->setCellHelperArray(
            {myTextView::initWithFrame(QRectF()), myTextView::initWithFrame(QRectF()), cell});
        page.graphics = {std::make_shared<SKTGraphic>(), table, std::make_shared<SKTGraphic>(),
                         std::make_shared<SKTGraphic>()};
    }
};

} // namespace

TEST_F(ResponsiveTextCodeTest, ATextBoxIsNamedByItsPlaceAmongThePageGraphics)
{
    auto box = textBox(QStringLiteral("Hello"), 0, 5);
    const CodeWidgetHelper code = generate(*box);
    EXPECT_TRUE(
        code.headerString().startsWith(QStringLiteral(".text5{margin:0px;font-size:18px;color:#112233;"
                                                      "background-color:#FFFFFF;font-family:\"Lato\";")))
        << code.headerString().toStdString();
    EXPECT_EQ(code.bodyString(), QStringLiteral("<div class=text5 id=text5>Hello</div>\n"));
    EXPECT_EQ(code.rect(), QRectF(20, 30.7, 200, 50));
    EXPECT_EQ(code.originY(), 30);
    EXPECT_FALSE(code.partOfTableFlag());
    EXPECT_TRUE(code.javaScriptString().isEmpty());
}

TEST_F(ResponsiveTextCodeTest, ACellIsNamedByItsTableAndItsPlaceAmongTheCells)
{
    CellOnPage onPage(page);
    const CodeWidgetHelper code = ResponsiveTextCode::generateTextViewCode(*onPage.cell, *onPage.table, page);
    EXPECT_TRUE(code.headerString().startsWith(QStringLiteral(".tableGrid3text2{margin:0px;font-size:12px;")))
        << code.headerString().toStdString();
    EXPECT_TRUE(code.headerString().contains(QStringLiteral("border-style:(null);")));
    EXPECT_TRUE(code.headerString().contains(QStringLiteral("text-align:center;")));
    EXPECT_EQ(code.bodyString(),
              QStringLiteral("<div class=tableGrid3text2 id=tableGrid3text2>Cell</div>\n"));
    EXPECT_TRUE(code.partOfTableFlag());
    EXPECT_EQ(code.rect(), QRectF(10, 40, 100, 30));
}

TEST_F(ResponsiveTextCodeTest, TheRuleCarriesTheWholeStyleInOrder)
{
    auto box = textBox(QStringLiteral("Hi"));
    box->setOpacity(1.0);
    box->setShadowFlag(1);
    box->setLineSpacing(1.5f);
    box->setResponsiveResizeFlag(1);
    box->setResponsiveAlignment(1);
    box->setIndentFlag(2);
    box->setCornerRadius(4);
    box->setLeftMargin(10);
    box->setLeftMarginType(QStringLiteral("%"));
    box->setRightMargin(15);
    box->setRightMarginType(QStringLiteral("%"));
    box->setTopPadding(5);
    box->setTopPaddingType(QStringLiteral("pixel"));
    box->setBottomPaddingType(QStringLiteral("pixel"));
    box->setLeftPaddingType(QStringLiteral("pixel"));
    box->setRightPaddingType(QStringLiteral("pixel"));
    box->setTopMarginType(QStringLiteral("pixel"));
    box->setBottomMarginType(QStringLiteral("pixel"));
    EXPECT_EQ(
        generate(*box).headerString(),
        QStringLiteral(
            ".text1{width:200px;height:50px;margin:0 auto;font-size:18px;color:#112233;"
            "background-color:#FFFFFF;font-family:\"Lato\";border-style:none;border-width:0px;"
            "border-color:#000000;text-align:left;border-radius:4.000000px;-moz-border-radius:4.000000px;"
            "box-shadow: 0px 1px 1.000000px #000000;shadowOpacity:1;shadowRadius:1;shadowOffSetY:1;"
            "textAlpha:1.000000;text-indent:40px;;line-height:1.500000; !important;"
            "padding-top:5px;padding-bottom:0px;padding-left:0px;padding-right:0px;margin-top:0px;"
            "margin-bottom:0px;margin-left:10%;margin-right:15%;width:75%;}"
            ".text1 a:link {text-decoration: none; color: #112233;font-weight:normal;}"
            ".text1 a:visited {text-decoration: none; color: #112233;font-weight:normal;}\n\n"));
}

TEST_F(ResponsiveTextCodeTest, AnOpacityBelowOneIsWrittenAsOpacityAndFilter)
{
    auto box = textBox(QStringLiteral("Hi"));
    box->setOpacity(0.5);
    const QString header = generate(*box).headerString();
    EXPECT_TRUE(header.contains(QStringLiteral("opacity:0.500000;filter:alpha(opacity=50.000000);")));
    EXPECT_TRUE(header.contains(QStringLiteral("textAlpha:0.500000;")));
}

TEST_F(ResponsiveTextCodeTest, TransparentTextAndBorderColoursAreWrittenAndStoredBlack)
{
    auto box = textBox(QStringLiteral("Hi"));
    box->setTextHexColorString(QStringLiteral("CLEAR0"));
    box->setBorderHexColorString(QStringLiteral("CLEAR0"));
    const QString header = generate(*box).headerString();
    EXPECT_TRUE(header.contains(QStringLiteral(";color:#000000;")));
    EXPECT_TRUE(header.contains(QStringLiteral("border-color:#000000;")));
    EXPECT_EQ(box->textHexColorString(), QStringLiteral("000000"));
    EXPECT_EQ(box->borderHexColorString(), QStringLiteral("000000"));
}

TEST_F(ResponsiveTextCodeTest, HoverColoursWriteTheirStateLinkAndHoverRules)
{
    struct Case {
        const char* hover;
        const char* hoverText;
        const char* following;
    };
    const Case cases[] = {
        {"AA0000", "00BB00",
         ".text1{hoverColor:AA0000;hoverTextColor:00BB00;}"
         ".text1 a:link {text-decoration: none; color: #112233;font-weight:normal;}"
         ".text1 a:hover {text-decoration: none; color: #00BB00;font-weight:normal;}"
         ".text1 a:visited {text-decoration: none; color: #112233;font-weight:normal;}"
         ".text1:hover{background-color:#AA0000;color:#00BB00;}\n\n\n"},
        {"AA0000", "",
         ".text1{hoverColor:AA0000;}.text1 a:link {text-decoration: none; color: #112233;font-weight:normal;}"
         ".text1 a:visited {text-decoration: none; color: #112233;font-weight:normal;}"
         ".text1:hover{background-color:#AA0000;}\n\n\n"},
        {"", "00BB00",
         ".text1{hoverTextColor:00BB00;}.text1 a:link {text-decoration: none; color: "
         "#112233;font-weight:normal;}"
         ".text1 a:hover {text-decoration: none; color: #00BB00;font-weight:normal;}"
         ".text1 a:visited {text-decoration: none; color: #112233;font-weight:normal;}"
         ".text1:hover{color:#00BB00 !important;}\n\n\n"},
        {"", "",
         ".text1 a:link {text-decoration: none; color: #112233;font-weight:normal;}"
         ".text1 a:visited {text-decoration: none; color: #112233;font-weight:normal;}\n\n"},
    };
    for (const Case& c : cases) {
        auto box = textBox(QStringLiteral("Hi"));
        box->setHoverColorString(QString::fromLatin1(c.hover));
        box->setHoverTextColorString(QString::fromLatin1(c.hoverText));
        const QString header = generate(*box).headerString();
        EXPECT_TRUE(header.endsWith(QStringLiteral("}") + QString::fromLatin1(c.following)))
            << header.toStdString();
    }
}

TEST_F(ResponsiveTextCodeTest, LinksAreCleanedQuotedSafeAndPlacedByTheirType)
{
    struct Case {
        const char* link;
        const char* linkType;
        const char* body;
    };
    const Case cases[] = {
        {"http://", "text", "<div class=text1 id=text1>Hi</div>\n"},
        {"", "shape", "<div class=text1 id=text1>Hi</div>\n"},
        {" a b\nc", "text", "<div class=text1 id=text1><a href=a%20b target=_self>Hi</a></div>\n"},
        {"x.html", "shape", "<a href=x.html target=_self><div class=text1 id=text1>Hi</div></a>\n"},
        {"p\"q<r>s'", "text",
         "<div class=text1 id=text1><a href=p%22q%3Cr%3Es%27 target=_self>Hi</a></div>\n"},
    };
    for (const Case& c : cases) {
        auto box = textBox(QStringLiteral("Hi"));
        box->setLink(QString::fromLatin1(c.link));
        box->setLinkType(QString::fromLatin1(c.linkType));
        box->setLinkOption(QStringLiteral(""));
        EXPECT_EQ(generate(*box).bodyString(), QString::fromLatin1(c.body)) << c.link;
    }
}

TEST_F(ResponsiveTextCodeTest, LineEndsBecomeBreaksAndTypedMarkupStaysOnlyWhereBoxesHoldHtml)
{
    auto box = textBox(QStringLiteral("a < b\nc & d"));
    EXPECT_EQ(generate(*box).bodyString(),
              QStringLiteral("<div class=text1 id=text1>a < b<br>c & d</div>\n"));
    DataCentre::mutableProfile().responsiveDesign = false;
    EXPECT_EQ(generate(*box).bodyString(),
              QStringLiteral("<div class=text1 id=text1>a &lt; b<br>c &amp; d</div>\n"));
}

TEST_F(ResponsiveTextCodeTest, AClickShowsAndHidesTheNamedElements)
{
    auto box = textBox(QStringLiteral("Hi"));
    box->setOnClickHideString(QStringLiteral("text2,section3\");alert(1"));
    const CodeWidgetHelper code = generate(*box);
    EXPECT_EQ(
        code.javaScriptString(),
        QStringLiteral("<script>\n$(document).ready(function(){\n$(\"#text1\").click(function(){\n"
                       "\n$(\"#text2\").hide();\n\n$(\"#section3alert1\").hide();\n\n});\n});\n</script>\n"));
    EXPECT_TRUE(code.headerString().contains(QStringLiteral("text-indent:0px;cursor:pointer;;")));
}

TEST_F(ResponsiveTextCodeTest, ANavigationBarCellHasItsOwnSpacing)
{
    CellOnPage onPage(page, QStringLiteral("navbar"));
    onPage.cell->setLeftMargin(10);
    const QString header =
        ResponsiveTextCode::generateTextViewCode(*onPage.cell, *onPage.table, page).headerString();
    EXPECT_TRUE(header.contains(QStringLiteral(";padding:20px 20px 10px 10px;}"))) << header.toStdString();
    EXPECT_FALSE(header.contains(QStringLiteral("margin-left")));
}

TEST_F(ResponsiveTextCodeTest, InlineStylesGoIntoTheDivForMail)
{
    DataCentre::mutableProfile().inlineStyleCode = true;
    auto box = textBox(QStringLiteral("Hi"));
    box->setFontFamily(QStringLiteral("Bob's Hand"));
    box->updateTextString(QStringLiteral("Hi"));
    const QString body = generate(*box).bodyString();
    EXPECT_TRUE(body.startsWith(
        QStringLiteral("<div class=text1 id=text1 style='margin:0px;font-size:18px;"
                       "color:#112233;background-color:#FFFFFF;font-family:\"Bob&#39;s Hand\";")))
        << body.toStdString();
}

TEST_F(ResponsiveTextCodeTest, WhatIsTypedIntoACellIsWrittenAsTextUnlessBoxesHoldHtml)
{
    CellOnPage onPage(page);
    onPage.cell->textStorage()->setPlainText(QStringLiteral("Fish & <b>chips</b>"));
    const auto body = [&] {
        return ResponsiveTextCode::generateTextViewCode(*onPage.cell, *onPage.table, page).bodyString();
    };
    EXPECT_EQ(body(), QStringLiteral("<div class=tableGrid3text2 id=tableGrid3text2>Fish &amp; "
                                     "&lt;b&gt;chips&lt;/b&gt;</div>\n"));
    DataCentre::mutableProfile().htmlTextBoxes = true;
    EXPECT_TRUE(body().contains(QStringLiteral(">Fish & <b>chips</b></div>")));
}
