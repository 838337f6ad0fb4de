#include "inspector/format/FormatRowTable.h"

#include "model/SKTCircle.h"
#include "model/SKTGalleryGrid.h"
#include "model/SKTImage.h"
#include "model/SKTLine.h"
#include "model/SKTRectangle.h"
#include "model/SKTSlideshow.h"
#include "model/SKTTable.h"
#include "model/SKTText.h"

#include <gtest/gtest.h>

namespace {

const FormatRowProduct kVelk{"Velk", false, "HTML Velk Pro"};
const FormatRowProduct kTazmir{"Tazmir", true, "Brevold Responsive Website Designer"};
const FormatRowProduct kResponsiveMail{"Mail", true, "Brevold Responsive Email Designer"};

QList<int> range(int from, int to)
{
    QList<int> numbers;
    for (int n = from; n <= to; ++n)
        numbers << n;
    return numbers;
}

TEST(FormatRowChoiceTest, TheTableHoldsThirtyFourRowsInOrder)
{
    const QList<FormatRowEntry>& rows = formatRowTable();
    ASSERT_EQ(rows.size(), 34);
    for (int i = 0; i < rows.size(); ++i)
        EXPECT_EQ(rows.at(i).number, i + 1);
    EXPECT_EQ(rows.at(1).iconViewHeight, 160);
    EXPECT_EQ(rows.at(2).iconViewHeight, 160);
    EXPECT_EQ(rows.at(3).iconViewHeight, 100);
    EXPECT_EQ(rows.at(6).dragAndDropCodeName, QStringLiteral("ImageMask"));
    EXPECT_EQ(rows.at(21).dragAndDropCodeName, QStringLiteral("canvasColorButton"));
    EXPECT_EQ(rows.at(7).description,
              QStringLiteral("Pins down object position, so it's no longer movable.  Unlock to reposition when needed."));
}

TEST(FormatRowChoiceTest, RowsFollowTheKindsAndTheProduct)
{
    const struct {
        const char* name;
        QStringList kinds;
        FormatRowProduct product;
        QList<int> rows;
    } cases[] = {
        {"nothing selected", {"Canvas"}, kVelk, {22}},
        {"one text box", {"Text"}, kVelk,
         QList<int>{1} + range(8, 10) + range(12, 18) + QList<int>{21, 23, 24} + range(26, 31) + QList<int>{33, 34}},
        {"a section in the responsive designer", {"Section"}, kTazmir, {2, 3, 4, 5, 6, 13}},
        {"a section in the responsive mail designer", {"Section"}, kResponsiveMail, {1, 2, 13}},
        {"a product no list holds", {"Text"}, {"familyTree", false, "Family Tree"}, {9, 10, 12, 13}},
        {"a product without a key", {"Line"}, {"", false, ""}, {19, 20}},
        {"a line", {"Line"}, kVelk, {8, 16, 19, 20, 24}},
        {"a rectangle", {""}, kVelk, {}},
        {"an image in a responsive product", {"Image"}, {"Velk", true, "Velk"},
         {1, 7, 8, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34}},
        {"an image then a text box, responsive", {"Image", "Text"}, {"Velk", true, "Velk"},
         QList<int>{1, 7, 8, 9, 10} + range(12, 18) + QList<int>{21, 23, 24, 25} + range(26, 34)},
        {"a text box then an image, responsive", {"Text", "Image"}, {"Velk", true, "Velk"},
         QList<int>{1, 7, 8, 9, 10, 12, 13, 14, 15, 21, 23, 24, 25} + range(26, 34)},
        {"a line keeps the retitled colour row for an image", {"Line", "Image"}, {"Velk", true, "Velk"},
         QList<int>{1, 7, 8, 16, 19, 20, 24, 25} + range(26, 34)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(chooseFormatRows(c.kinds, c.product), c.rows) << c.name;
}

TEST(FormatRowChoiceTest, EachGraphicGoesByItsKind)
{
    auto section = std::make_shared<SKTTable>();
    section->setGridType(QStringLiteral("section"));
    auto table = std::make_shared<SKTTable>();
    table->setGridType(QStringLiteral("sectionTemplate"));
    const GraphicList graphics = {std::make_shared<SKTText>(),      std::make_shared<SKTImage>(),
                                  std::make_shared<SKTLine>(),      section,
                                  table,                            std::make_shared<SKTSlideshow>(),
                                  std::make_shared<SKTGalleryGrid>(), std::make_shared<SKTRectangle>(),
                                  std::make_shared<SKTCircle>()};
    EXPECT_EQ(formatKinds(graphics), (QStringList{"Text", "Image", "Line", "Section", "Table", "Slideshow",
                                                  "Gallery", "", ""}));
    EXPECT_EQ(formatKinds({}), QStringList{"Canvas"});
}

TEST(FormatRowChoiceTest, TheHeaderCountsTheSelection)
{
    EXPECT_EQ(formatHeaderText(0), QStringLiteral("Nothing selected.\nSelect an object to format."));
    EXPECT_EQ(formatHeaderText(1), QStringLiteral("1 object selected"));
    EXPECT_EQ(formatHeaderText(3), QStringLiteral("3 objects selected"));
}

} // namespace
