#include "codegen/TableGridCode.h"
#include "codegen/PageCodeContext.h"
#include "model/SKTTable.h"
#include "model/records/MTextView.h"
#include "profile/DataCentre.h"

#include <gtest/gtest.h>

#include <QTextDocument>

namespace {

class TableGridCodeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_saved = DataCentre::profile();
        DataCentre::resetProfile();
        page.pageName = QStringLiteral("home");
    }
    void TearDown() override { DataCentre::mutableProfile() = m_saved; }

    // A table of one row of cells of the given widths in a content box 300 wide, second of two graphics.
    std::shared_ptr<SKTTable> table(const QList<int>& widths, const QStringList& texts = {})
    {
        myTextViewList cells;
        for (int c = 0; c < widths.size(); ++c) {
            auto cell = myTextView::initWithFrame(QRectF(0, 0, widths.at(c), 30));
            cell->setRowSpot(0);
            cell->setColumnSpot(c);
            cell->setWidth(widths.at(c));
            cell->setHeight(30);
            cell->setTextStorage(std::make_shared<QTextDocument>(texts.value(c, QStringLiteral("cell"))));
            cell->setTextColorString(QStringLiteral("000000"));
            cell->setBackgroundHexColorString(QStringLiteral("CLEAR0"));
            cell->setFamilyName(QStringLiteral("Lato"));
            cell->setFontSize(12);
            cells << cell;
        }
        auto t = std::make_shared<SKTTable>();
        t->setBounds(QRectF(10, 20, 300, 50));
        t->setContentRect(QRectF(10, 20, 300, 50));
        t->setNumOfRows(widths.isEmpty() ? 0 : 1);
        t->setNumOfColumns(int(widths.size()));
        t->setPadding(6);
        t->setCellHelperArray(cells);
        page.graphics = {std::make_shared<SKTTable>(), t};
        return t;
    }

    PageCodeContext page;

private:
    ProductProfile m_saved;
};

} // namespace

TEST_F(TableGridCodeTest, ATableWithoutRowsIsTheOpeningAndTheClosingOnly)
{
    const auto t = table({});
    const CodeWidgetHelper code = TableGridCode::generateTableCode(*t, false, page);
    EXPECT_EQ(code.bodyString(),
              QStringLiteral("<div class=tableGrid1>\n<table width=100%>\n\n</table>\n</div>"));
    EXPECT_EQ(code.headerString(), QStringLiteral(".tableGrid1 td{padding:6px;}"));
    EXPECT_EQ(code.javaScriptString(), QStringLiteral(""));
    EXPECT_EQ(code.tableHeaderString(),
              QStringLiteral(".tableGrid1{padding-top:0%;padding-bottom:0%;padding-left:0%;padding-right:0%;"
                             "margin-top:0%;margin-bottom:0%;margin-left:0%;margin-right:0%;}"));
    EXPECT_TRUE(code.partOfTableFlag());
    EXPECT_EQ(code.rect(), t->bounds());
    EXPECT_EQ(code.originY(), 20);
}

TEST_F(TableGridCodeTest, ColumnSharesAreCutToWholePercent)
{
    const auto t = table({100, 100, 100});
    const QString body = TableGridCode::generateTableCode(*t, false, page).bodyString();
    EXPECT_EQ(body.count(QStringLiteral("<td width=\"33%\">")), 3);
    EXPECT_TRUE(body.startsWith(QStringLiteral("<div class=tableGrid1>\n<table width=100%>\n\n<tr>\n<td")));
    EXPECT_TRUE(body.endsWith(QStringLiteral("</td>\n</tr>\n</table>\n</div>")));
}

TEST_F(TableGridCodeTest, TextCellsTakeTheTablesOpacityAndTheirTextIsEscaped)
{
    const auto t = table({150, 150}, {QStringLiteral("a < b & c"), QStringLiteral("<i>x</i>")});
    t->setOpacity(0.5);
    const QString body = TableGridCode::generateTableCode(*t, false, page).bodyString();
    EXPECT_FLOAT_EQ(t->grabSelectedTableCellHelper(0, 0)->opacity(), 0.5f);
    EXPECT_TRUE(body.contains(QStringLiteral("a &lt; b &amp; c"))) << qPrintable(body);
    EXPECT_TRUE(body.contains(QStringLiteral("&lt;i&gt;x&lt;/i&gt;")));

    DataCentre::mutableProfile().htmlTextBoxes = true;
    EXPECT_TRUE(
        TableGridCode::generateTableCode(*t, false, page).bodyString().contains(QStringLiteral("<i>x</i>")))
        << "products whose text boxes hold HTML write it as it is";
}

TEST_F(TableGridCodeTest, APictureInACellIsWrittenOpaqueAndNeverAsAPopUp)
{
    const auto t = table({150, 150});
    auto picture = TransformView::initWithFrame(QRectF(0, 0, 80, 40));
    picture->setImageName(QStringLiteral("image7"));
    picture->setImageType(QStringLiteral("png"));
    picture->setRowSpot(0);
    picture->setColumnSpot(1);
    picture->setSlideShowNumber(-99);
    picture->setImageEnlargeFlag(1);
    picture->setOpacity(0.3f);
    t->setImageArray({picture});
    const QString body = TableGridCode::generateTableCode(*t, true, page).bodyString();
    EXPECT_EQ(picture->imageEnlargeFlag(), 0);
    EXPECT_FLOAT_EQ(picture->opacity(), 1.0f);
    EXPECT_TRUE(body.contains(QStringLiteral("image7")));
    EXPECT_FALSE(body.contains(QStringLiteral("popup")));
}

TEST_F(TableGridCodeTest, TheBoxDeclarationGoesIntoTheDivisionUnderInlineStyles)
{
    DataCentre::mutableProfile().inlineStyleCode = true;
    const auto t = table({300});
    t->setBottomPadding(8);
    t->setBottomPaddingType(QStringLiteral("pixel"));
    t->setBottomMargin(3);
    t->setBottomMarginType(QStringLiteral("%"));
    const CodeWidgetHelper code = TableGridCode::generateTableCode(*t, false, page);
    const QString box = QStringLiteral("padding-top:0%;padding-bottom:8px;padding-left:0%;padding-right:0%;"
                                       "margin-top:0%;margin-bottom:3%;margin-left:0%;margin-right:0%;");
    EXPECT_TRUE(code.bodyString().startsWith(QStringLiteral("<div class=tableGrid1 style='") + box +
                                             QStringLiteral("'>\n<table width=100%>\n")));
    EXPECT_EQ(code.tableHeaderString(), QStringLiteral(".tableGrid1{") + box + QStringLiteral("}"));
}
