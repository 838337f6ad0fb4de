#include "codegen/ResponsiveArrangement.h"
#include "codegen/PageCodeContext.h"
#include "model/SKTTable.h"
#include "platform/Format.h"
#include "model/records/TransformView.h"
#include "model/records/myTextView.h"
#include "profile/DataCentre.h"

#include <gtest/gtest.h>

namespace {

// The header of a freely sized element at the rectangle, as the generators write one.
QString freeHeader(const QString& name, const QRectF& r)
{
    return QStringLiteral(".%1{position:absolute;left:%2px;top:%3px;width:%4px;height:%5px;margin-top:0;"
                          "margin-bottom:0;}")
        .arg(name)
        .arg(int(r.x()))
        .arg(int(r.y()))
        .arg(int(r.width()))
        .arg(int(r.height()));
}

CodeWidgetHelper record(const QString& name, const QRectF& r)
{
    CodeWidgetHelper code;
    code.setRect(r.x(), r.y(), r.width(), r.height());
    code.setHeaderString(freeHeader(name, r));
    code.setBodyString(QStringLiteral("<div class=%1></div>").arg(name));
    return code;
}

std::shared_ptr<myTextView> column(int x, int width, const QString& color = QStringLiteral("FFFFFF"))
{
    auto c = myTextView::initWithFrame(QRectF());
    c->setOriginX(x);
    c->setOriginY(100);
    c->setWidth(width);
    c->setHeight(200);
    c->setXsGridColumns(12);
    c->setSmallGridColumns(6);
    c->setMediumGridColumns(4);
    c->setLargeGridColumns(3);
    c->setBackgroundHexColorString(color);
    return c;
}

class ResponsiveArrangementTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_saved = DataCentre::profile();
        DataCentre::resetProfile();
        DataCentre::mutableProfile().responsiveDesign = true;
        section->setGridType(QStringLiteral("section"));
        section->setBounds(QRectF(0, 100, 900, 200));
        section->setBackgroundHexColorString(QStringLiteral("EEEEEE"));
        section->setCellHelperArray({column(0, 300), column(300, 300), column(600, 300)});
        section->setTopPaddingType(QStringLiteral("pixel"));
        section->setBottomPaddingType(QStringLiteral("pixel"));
        section->setLeftPaddingType(QStringLiteral("%"));
        section->setRightPaddingType(QStringLiteral("%"));
        section->setLeftMarginType(QStringLiteral("%"));
        section->setRightMarginType(QStringLiteral("%"));
        section->setTopMarginType(QStringLiteral("pixel"));
        section->setBottomMarginType(QStringLiteral("pixel"));
        section->setTopPadding(10);
        page.graphics = {std::make_shared<SKTGraphic>(), section};
        page.pageName = QStringLiteral("home");
    }
    void TearDown() override { DataCentre::mutableProfile() = m_saved; }

    CodeWidgetHelper arrange()
    {
        return ResponsiveArrangement::arrangeResponsiveElements(*section, records, page);
    }

    std::shared_ptr<SKTTable> section = std::make_shared<SKTTable>();
    CodeWidgetHelperList records;
    PageCodeContext page;

private:
    ProductProfile m_saved;
};

} // namespace

TEST_F(ResponsiveArrangementTest, TheSectionIsARowOfBootstrapColumns)
{
    const CodeWidgetHelper row = arrange();
    EXPECT_EQ(
        row.bodyString(),
        QStringLiteral(
            "<div class=\"container-fluid\">\n<div class=\"row section1\">\n"
            "\n<div class=\"section1_column section1_0 col-xs-12 col-sm-6 col-md-4 col-lg-3\">\n\n</div>"
            "\n<div class=\"section1_column section1_1 col-xs-12 col-sm-6 col-md-4 col-lg-3\">\n\n</div>"
            "\n<div class=\"section1_column section1_2 col-xs-12 col-sm-6 col-md-4 col-lg-3\">\n\n</div>"
            "\n</div>\n\n</div>"));
    EXPECT_TRUE(row.headerString().startsWith(QStringLiteral(
        ".section1{\npadding-top:10px;padding-bottom:0px;padding-left:0;padding-right:0;margin-left:0;"
        "margin-right:0;margin-top:0px;margin-bottom:0px;-webkit-border-horizontal-spacing:0;"
        "-webkit-border-vertical-spacing:0;\nbackground-color:#EEEEEE;\n\n\n\n}\n")))
        << row.headerString().toStdString();
    EXPECT_TRUE(row.headerString().contains(QStringLiteral(
        ".section1_2{\nbackground-color:#FFFFFF;height:100%;\npadding-right:0px;\npadding-left:0px;\n}\n")));
    EXPECT_TRUE(row.javaScriptString().isEmpty()) << "equal column colours need no equal heights";
    EXPECT_EQ(row.originY(), 100);
}

TEST_F(ResponsiveArrangementTest, AnElementIsPlacedOnlyInTheFirstColumnItIntersects)
{
    records = {record(QStringLiteral("wide"), QRectF(250, 150, 100, 40))};
    const QString body = arrange().bodyString();
    EXPECT_EQ(body.count(QStringLiteral("<div class=wide>")), 1);
    EXPECT_LT(body.indexOf(QStringLiteral("<div class=wide>")), body.indexOf(QStringLiteral("section1_1 ")));
    EXPECT_TRUE(records.first().addedToGrid());
}

TEST_F(ResponsiveArrangementTest, ASingleItemFillsItsColumnWithTopAndBottomMargins)
{
    records = {record(QStringLiteral("only"), QRectF(20, 130, 200, 50))};
    const CodeWidgetHelper row = arrange();
    EXPECT_EQ(
        records.first().headerString(),
        QStringLiteral(".only{width:100%;height:100%;margin-top:30px;margin-top:30px;margin-bottom:120px;}"));
    EXPECT_TRUE(row.headerString().contains(records.first().headerString()));
}

TEST_F(ResponsiveArrangementTest, ItemsOfAColumnAreSpacedByTheirDistances)
{
    records = {record(QStringLiteral("lower"), QRectF(10, 220, 100, 30)),
               record(QStringLiteral("upper"), QRectF(10, 110, 100, 40))};
    arrange();
    ASSERT_EQ(records.size(), 2);
    EXPECT_EQ(
        records.at(0).headerString(),
        QStringLiteral(".upper{width:100%;height:100%;margin-top:10px;margin-top:10px;margin-bottom:70px;}"));
    EXPECT_EQ(records.at(1).headerString(),
              QStringLiteral(".lower{width:100%;height:100%;margin-top:0;margin-bottom:50px;}"));
}

TEST_F(ResponsiveArrangementTest, ElementsKeepingTheirSizeOnlyLoseTheirPosition)
{
    CodeWidgetHelper kept = record(QStringLiteral("kept"), QRectF(20, 130, 200, 50));
    kept.setResponsiveResizeFlag(1);
    CodeWidgetHelper field = record(QStringLiteral("field"), QRectF(320, 130, 200, 50));
    field.setNoMarginAddOnFlag(true);
    records = {kept, field};
    arrange();
    EXPECT_EQ(
        records.at(0).headerString(),
        QStringLiteral(".kept{position:absolute;width:200px;height:50px;margin-top:0;margin-bottom:0;}"));
    EXPECT_EQ(
        records.at(1).headerString(),
        QStringLiteral(".field{position:absolute;width:200px;height:50px;margin-top:0;margin-bottom:0;}"));
}

TEST_F(ResponsiveArrangementTest, ACellFitsItsTableHeaderIntoTheColumn)
{
    CodeWidgetHelper cell = record(QStringLiteral("cell"), QRectF(20, 130, 200, 50));
    cell.setPartOfTableFlag(true);
    cell.setTableHeaderString(
        QStringLiteral(".grid{position:absolute;width:200px;height:50px;margin-top:0px;margin-bottom:0px;}"));
    records = {cell};
    arrange();
    EXPECT_EQ(
        records.first().headerString(),
        QStringLiteral(".grid{width:100%;height:100%;margin-top:30px;margin-top:30px;margin-bottom:120px;}\n"
                       ".cell{position:absolute;width:200px;height:50px;margin-top:0;margin-bottom:0;}"));
}

TEST_F(ResponsiveArrangementTest, ASectionTemplateCarriesItsMarkersAroundTheFirstColumn)
{
    section->setGridType(QStringLiteral("sectionTemplate"));
    section->setCellHelperArray({column(0, 900)});
    EXPECT_EQ(
        arrange().bodyString(),
        QStringLiteral("<div class=\"container-fluid\">\n<div class=\"row section1\">\n\n"
                       "<!--SECTION TABLE START-->\n"
                       "<div class=\"section1_column section1_0 col-xs-12 col-sm-6 col-md-4 col-lg-3\">\n"
                       "\n</div>\n<!--SECTION TABLE END-->\n\n</div>\n\n</div>"));
}

TEST_F(ResponsiveArrangementTest, ColumnsOfDifferentColoursGetEqualHeights)
{
    section->setCellHelperArray({column(0, 450, QStringLiteral("FF0000")), column(450, 450)});
    section->setInitialLaunchStateFlag(1);
    section->setSectionIDString(QStringLiteral("news\" onclick=\"x"));
    const CodeWidgetHelper row = arrange();
    EXPECT_TRUE(row.headerString().startsWith(QStringLiteral(".section1{\npadding-top:10px;")));
    EXPECT_FALSE(
        row.headerString().section(QLatin1Char('}'), 0, 0).contains(QStringLiteral("background-color")));
    EXPECT_TRUE(row.headerString().contains(QStringLiteral("\ndisplay:none;\n}")));
    EXPECT_TRUE(
        row.javaScriptString().contains(QStringLiteral("$(\".section1_column\").height(maxHeight);")));
    EXPECT_TRUE(row.bodyString().startsWith(
        QStringLiteral("<div class=\"container-fluid\">\n<div class=\"row section1\" id=\"newsonclickx\">")));
}

TEST_F(ResponsiveArrangementTest, ABackgroundPictureCoversTheSection)
{
    auto picture = TransformView::initWithFrame(QRectF());
    picture->setImageName(QStringLiteral("image3"));
    picture->setImageType(QStringLiteral("JPG"));
    picture->setSelectable(0);
    section->setTableBackgroundArray({picture});
    section->setTableBackgroundImage(picture);
    const QString header = arrange().headerString();
    EXPECT_TRUE(
        header.contains(QStringLiteral("background: url(basetemplate/image3.JPG) no-repeat center top;\n")));
    // The section's own height, as its table lays its cells out.
    EXPECT_TRUE(header.contains(QStringLiteral("min-height:") + Format::decimal(section->bounds().height()) + QStringLiteral("px;")));
}

TEST_F(ResponsiveArrangementTest, MailSectionsAreTablesOfInlineStyles)
{
    DataCentre::mutableProfile().inlineStyleCode = true;
    section->setCellHelperArray(
        {column(0, 450, QStringLiteral("FF0000")), column(450, 450, QStringLiteral("CLEAR0"))});
    section->cellHelperArray().first()->setVerticalAlignment(1);
    records = {record(QStringLiteral("only"), QRectF(20, 130, 200, 50))};
    const CodeWidgetHelper row = arrange();
    EXPECT_EQ(row.bodyString(),
              QStringLiteral(
                  "<table width=\"100%\" bgcolor=#EEEEEE style='padding-top:10px;padding-bottom:0px;"
                  "padding-left:0;padding-right:0;margin-left:0;margin-right:0;margin-top:0px;"
                  "margin-bottom:0px;-webkit-border-horizontal-spacing:0;-webkit-border-vertical-spacing:0;'>"
                  "<tr>\n"
                  "\n<td style=\"width:33%;background-color:#FF0000;vertical-align:middle;\" "
                  "class=\"columnContainer\">\n\n<div class=only></div>\n</td>"
                  "\n<td style=\"width:33%;\" class=\"columnContainer\">\n\n</td>\n</tr></table>\n\n"));
    EXPECT_TRUE(row.headerString().isEmpty());
    EXPECT_TRUE(row.javaScriptString().isEmpty());
}

TEST_F(ResponsiveArrangementTest, FormPiecesAndScriptsAreGatheredOnce)
{
    CodeWidgetHelper a = record(QStringLiteral("a"), QRectF(20, 130, 50, 20));
    a.setFormResponseBody(QStringLiteral("$form1 = $_POST['form1'];"));
    a.setJavaScriptString(QStringLiteral("<script>a()</script>"));
    CodeWidgetHelper b = record(QStringLiteral("b"), QRectF(320, 130, 50, 20));
    b.setFormResponseBody(QStringLiteral("$form1 = $_POST['form1'];"));
    b.setFormMessageBody(QStringLiteral("'.$form1.'<p>"));
    records = {a, b};
    const CodeWidgetHelper row = arrange();
    EXPECT_EQ(row.formResponseBody(), QStringLiteral("$form1 = $_POST['form1'];"));
    EXPECT_EQ(row.formMessageBody(), QStringLiteral("'.$form1.'<p>"));
    EXPECT_EQ(row.javaScriptString(), QStringLiteral("\n<script>a()</script>"));
}

TEST(ResponsiveArrangementQueries, AnswerForEmptyListsAndFindTheNextItem)
{
    const QRectF columnRect(0, 0, 100, 300);
    const QRectF item(0, 50, 100, 20);
    EXPECT_TRUE(ResponsiveArrangement::isThisTheTopMostItemInSection(item, columnRect, {}));
    EXPECT_TRUE(ResponsiveArrangement::isThisTheBottomMostItemInSection(item, columnRect, {}));
    EXPECT_EQ(ResponsiveArrangement::grabRectOfNextItemInSection(item, columnRect, {}), QRectF());

    CodeWidgetHelperList list = {record(QStringLiteral("x"), QRectF(0, 10, 50, 10)),
                                 record(QStringLiteral("y"), QRectF(0, 200, 50, 10)),
                                 record(QStringLiteral("z"), QRectF(200, 100, 50, 10))};
    EXPECT_FALSE(ResponsiveArrangement::isThisTheTopMostItemInSection(item, columnRect, list));
    EXPECT_FALSE(ResponsiveArrangement::isThisTheBottomMostItemInSection(item, columnRect, list));
    EXPECT_EQ(ResponsiveArrangement::grabRectOfNextItemInSection(item, columnRect, list),
              QRectF(0, 200, 50, 10));
    list[1].setAddedToGrid(true);
    EXPECT_EQ(ResponsiveArrangement::grabRectOfNextItemInSection(item, columnRect, list), QRectF());
}
