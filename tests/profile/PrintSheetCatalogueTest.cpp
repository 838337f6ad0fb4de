#include "profile/print/PrintSheetCatalogue.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSet>
#include <QStringList>

#include <map>

namespace {

using DataCentre::printSheetCatalogue;

class PrintSheetCatalogueTest : public ::testing::Test {
protected:
    void SetUp() override { DataCentre::loadPrintLabels(); }
    void TearDown() override { printSheetCatalogue().clear(); }

    static const LabelHelper& entry(int number) { return *printSheetCatalogue().at(number - 1); }
};

TEST_F(PrintSheetCatalogueTest, HoldsEverySheetInOrderOnce)
{
    const auto& catalogue = printSheetCatalogue();
    ASSERT_EQ(catalogue.size(), 107);
    EXPECT_EQ(catalogue.first()->printDescription(), "Post Card - 4\" x 6\"");
    EXPECT_EQ(catalogue.last()->printDescription(), "Envelope #9 3.875\" x 8.875\"");

    QSet<QString> descriptions;
    std::map<QString, int> countByType;
    QStringList typeOrder;
    for (const auto& sheet : catalogue) {
        descriptions.insert(sheet->printDescription());
        ++countByType[sheet->printObjectType()];
        if (typeOrder.isEmpty() || typeOrder.last() != sheet->printObjectType())
            typeOrder.append(sheet->printObjectType());
    }
    EXPECT_EQ(descriptions.size(), 107);
    const std::map<QString, int> expectedCounts{{"Post Card", 4}, {"Business Card", 4}, {"Label", 38},
                                                {"Cards", 12},    {"Flyer", 45},        {"Envelope", 4}};
    EXPECT_EQ(countByType, expectedCounts);
    EXPECT_EQ(typeOrder, QStringList({"Post Card", "Business Card", "Label", "Cards", "Flyer", "Envelope"}));
}

TEST_F(PrintSheetCatalogueTest, LoadingAgainReplacesTheCatalogue)
{
    DataCentre::loadPrintLabels();
    EXPECT_EQ(printSheetCatalogue().size(), 107);
}

struct SheetCase {
    int number;
    const char* type;
    const char* description;
    int columns, rows;
    float width, height, columnGap, rowGap, top, bottom, left, right;
    const char* paperSize;
    float pixelFactor;
    int canvasWidth, canvasHeight;
};

TEST_F(PrintSheetCatalogueTest, SheetsWithTellingValues)
{
    // clang-format off
    const SheetCase cases[] = {
        // post cards store the long side as width
        {1, "Post Card", "Post Card - 4\" x 6\"", 1, 1, 6, 4, 0, 0, 0, 0, 0, 0, "na-letter", 300, 1800, 1200},
        {5, "Business Card", "Business Card - 10 Per Letter Sheet", 2, 5, 3.5, 2, 0, 0, 0.5, 0.5, 0.75, 0.75, "na-letter", 300, 1050, 600},
        {8, "Business Card", "Business Card - 8 Per A4 Sheet", 2, 4, 3.34646, 2.12598, 0.23622, 0.23622, 1.240157, 1.240157, 0.669291, 0.669291, "A4", 300, 1003, 637},
        // the two 600-pixel sheets
        {9, "Label", "Label - 30 Per Letter Sheet", 3, 10, 2.625, 1, 0.125984, 0, 0.5, 0.5, 0.21975, 0.21975, "na-letter", 600, 1575, 600},
        {10, "Label", "Label - 30 Per Letter Sheet Foil", 3, 10, 2.25, 0.75, 0.5, 0.25, 0.625, 0.625, 0.375, 0.375, "na-letter", 600, 1350, 450},
        {11, "Label", "Label - 30 Filing Label Per Letter Sheet", 2, 15, 3.4375, 0.667, 0.55, 0, 0.4975, 0.4975, 0.5375, 0.5375, "na-letter", 300, 1031, 200},
        // truncation: 0.6666 x 300 is 199, 2.665354 x 300 is 799
        {23, "Label", "Label - 60 Per Letter Sheet", 4, 15, 1.75, 0.6666, 0.295, 0, 0.505, 0.505, 0.3075, 0.3075, "na-letter", 300, 525, 199},
        {27, "Label", "Label - 8 Per A4 Sheet", 2, 4, 3.901575, 2.665354, 0.0984252, 0, 0.515748, 0.515748, 0.177165, 0.177165, "A4", 300, 1170, 799},
        // near-zero margins
        {31, "Label", "Label - 6 Per A4 Sheet", 2, 3, 3.901575, 3.665354, 0.01023622, 0, 0.03740157, 0.03740157, 0.0185039, 0.0185039, "A4", 300, 1170, 1099},
        // upright labels
        {33, "Label", "Label - 20 Per A4 Sheet", 10, 2, 0.669291, 4.72441, 0, 0, 1.06299, 1.06299, 0.787402, 0.787402, "A4", 300, 200, 1417},
        {46, "Label", "Label - 4 Per A4 Sheet Binder", 1, 4, 7.55906, 2.40157, 0, 0, 0, 0, 0, 0, "A4", 300, 2267, 720},
        {47, "Cards", "Card - Letter Sheet Horizontal Half Fold (8.5\" x 5.5\")", 1, 2, 8.5, 5.5, 0, 0, 0, 0, 0, 0, "na-letter", 150, 1275, 825},
        // 4.15 x 150 is 622
        {54, "Cards", "Card - A4 Sheet Vertical Quarter Fold (4.15\" x 5.85\")", 2, 2, 4.15, 5.85, 0, 0, 0, 0, 0, 0, "A4", 150, 622, 877},
        {58, "Cards", "Card - A5 Sheet Vertical Quarter Fold (2.9\" x 4.15\")", 2, 2, 2.9, 4.15, 0, 0, 0, 0, 0, 0, "A5", 150, 435, 622},
        {59, "Flyer", "US Letter - Landscape", 1, 1, 11, 8.5, 0, 0, 0, 0, 0, 0, "na-letter", 150, 1650, 1275},
        {65, "Flyer", "Tabloid Oversize - Landscape", 1, 1, 18, 12, 0, 0, 0, 0, 0, 0, "Tabloid Oversize", 150, 2700, 1800},
        {75, "Flyer", "US Letter - Landscape HD", 1, 1, 11, 8.5, 0, 0, 0, 0, 0, 0, "na-letter", 150, 1650, 1275},
        {97, "Flyer", "12\" x 12\" HD", 1, 1, 12, 12, 0, 0, 0, 0, 0, 0, "na-letter", 150, 1800, 1800},
        // one canvas pixel per print point
        {98, "Flyer", "US Letter - Landscape - 72 DPI", 1, 1, 11, 8.5, 0, 0, 0, 0, 0, 0, "na-letter", 72, 792, 612},
        {102, "Flyer", "A4 - Landscape - 72 DPI", 1, 1, 11.7, 8.3, 0, 0, 0, 0, 0, 0, "A4", 72, 842, 597},
        {104, "Envelope", "Envelope #10 4.125\" x 9.5\"", 1, 1, 9.5, 4.125, 0, 0, 0, 0, 0, 0, "na-number-10-envelope", 72, 684, 297},
        {105, "Envelope", "Envelope DL 4.4\" x 8.8\"", 1, 1, 8.8, 4.4, 0, 0, 0, 0, 0, 0, "iso-designated-long-envelope", 72, 633, 316},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.number);
        const LabelHelper& sheet = entry(c.number);
        EXPECT_EQ(sheet.printObjectType(), c.type);
        EXPECT_EQ(sheet.printDescription(), QString::fromUtf8(c.description));
        EXPECT_EQ(sheet.printNumOfColumnsPerSheet(), c.columns);
        EXPECT_EQ(sheet.printNumOfRowsPerSheet(), c.rows);
        EXPECT_EQ(sheet.printSingleLabelWidthInch(), c.width);
        EXPECT_EQ(sheet.printSingleLabelHeightInch(), c.height);
        EXPECT_EQ(sheet.printLabelColumnSpacingInch(), c.columnGap);
        EXPECT_EQ(sheet.printLabelRowSpacingInch(), c.rowGap);
        EXPECT_EQ(sheet.printSheetTopMarginInch(), c.top);
        EXPECT_EQ(sheet.printSheetBottomMarginInch(), c.bottom);
        EXPECT_EQ(sheet.printSheetLeftMarginInch(), c.left);
        EXPECT_EQ(sheet.printSheetRightMarginInch(), c.right);
        EXPECT_EQ(sheet.paperSize(), c.paperSize);
        EXPECT_EQ(sheet.canvasPixelFactor(), c.pixelFactor);
        EXPECT_EQ(sheet.canvasWidth(), c.canvasWidth);
        EXPECT_EQ(sheet.canvasHeight(), c.canvasHeight);
    }
}

// Every sheet, field by field, against the list of sheets kept as a tab-separated fixture: number, type,
// description, columns, rows, width, height, column gap, row gap, top, bottom, left and right margins,
// paper, pixel factor, canvas width and height. Where the canvas is left blank the sheet's canvas must
// follow the truncation rule.
TEST_F(PrintSheetCatalogueTest, EverySheetMatchesTheFixture)
{
    QFile file(QStringLiteral(VELK_TEST_FIXTURES "/print-sheets.tsv"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text)) << file.fileName().toStdString();
    QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_FALSE(lines.isEmpty());
    lines.removeFirst(); // column titles
    ASSERT_EQ(printSheetCatalogue().size(), lines.size());

    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringList f = lines[i].split(u'\t');
        ASSERT_EQ(f.size(), 17) << lines[i].toStdString();
        SCOPED_TRACE(lines[i].toStdString());
        const auto number = [&](int column) {
            bool ok = false;
            const float value = f[column].toFloat(&ok);
            EXPECT_TRUE(ok) << "column " << column;
            return value;
        };
        const auto whole = [&](int column) {
            bool ok = false;
            const int value = f[column].toInt(&ok);
            EXPECT_TRUE(ok) << "column " << column;
            return value;
        };
        ASSERT_EQ(whole(0), i + 1);
        const LabelHelper& sheet = *printSheetCatalogue().at(i);
        EXPECT_EQ(sheet.printObjectType(), f[1]);
        EXPECT_EQ(sheet.printDescription(), f[2]);
        EXPECT_EQ(sheet.printNumOfColumnsPerSheet(), whole(3));
        EXPECT_EQ(sheet.printNumOfRowsPerSheet(), whole(4));
        EXPECT_EQ(sheet.printSingleLabelWidthInch(), number(5));
        EXPECT_EQ(sheet.printSingleLabelHeightInch(), number(6));
        EXPECT_EQ(sheet.printLabelColumnSpacingInch(), number(7));
        EXPECT_EQ(sheet.printLabelRowSpacingInch(), number(8));
        EXPECT_EQ(sheet.printSheetTopMarginInch(), number(9));
        EXPECT_EQ(sheet.printSheetBottomMarginInch(), number(10));
        EXPECT_EQ(sheet.printSheetLeftMarginInch(), number(11));
        EXPECT_EQ(sheet.printSheetRightMarginInch(), number(12));
        EXPECT_EQ(sheet.paperSize(), f[13]);
        EXPECT_EQ(sheet.canvasPixelFactor(), number(14));
        if (f[15].isEmpty() && f[16].isEmpty()) {
            // Products in single precision, truncated towards zero.
            const float width = number(5) * number(14);
            const float height = number(6) * number(14);
            EXPECT_EQ(sheet.canvasWidth(), int(width));
            EXPECT_EQ(sheet.canvasHeight(), int(height));
        } else {
            EXPECT_EQ(sheet.canvasWidth(), whole(15));
            EXPECT_EQ(sheet.canvasHeight(), whole(16));
        }
    }
}

// The pixel factor follows the kind of sheet, and sheets printed one label per panel or page have
// neither gaps nor margins; a sheet grid is centred on the paper, so margins come in equal pairs.
TEST_F(PrintSheetCatalogueTest, EverySheetFollowsTheRulesOfItsKind)
{
    const QStringList papers{"na-letter",
                             "A4",
                             "A5",
                             "A3",
                             "B5",
                             "na-legal",
                             "Tabloid",
                             "Tabloid Oversize",
                             "na-number-10-envelope",
                             "iso-designated-long-envelope",
                             "monarch-envelope",
                             "na-number-9-envelope"};
    for (const auto& sheet : printSheetCatalogue()) {
        SCOPED_TRACE(sheet->printDescription().toStdString());
        const QString type = sheet->printObjectType();
        const QString description = sheet->printDescription();
        float factor = 300;
        if (description.startsWith("Label - 30 Per Letter Sheet"))
            factor = 600;
        else if (type == "Envelope" || description.endsWith("- 72 DPI"))
            factor = 72;
        else if (type == "Cards" || type == "Flyer")
            factor = 150;
        EXPECT_EQ(sheet->canvasPixelFactor(), factor);
        EXPECT_TRUE(papers.contains(sheet->paperSize()));
        EXPECT_EQ(sheet->printSheetTopMarginInch(), sheet->printSheetBottomMarginInch());
        EXPECT_EQ(sheet->printSheetLeftMarginInch(), sheet->printSheetRightMarginInch());
        if (type == "Cards" || type == "Flyer" || type == "Envelope") {
            EXPECT_EQ(sheet->printLabelColumnSpacingInch() + sheet->printLabelRowSpacingInch() +
                          sheet->printSheetTopMarginInch() + sheet->printSheetLeftMarginInch(),
                      0.0f);
        }
        if (type == "Flyer" || type == "Envelope") {
            EXPECT_EQ(sheet->printNumOfColumnsPerSheet(), 1);
            EXPECT_EQ(sheet->printNumOfRowsPerSheet(), 1);
        }
    }
}

TEST_F(PrintSheetCatalogueTest, HdFlyersShareTheGeometryOfThePlainOnes)
{
    const QStringList plainNames{"US Letter - Landscape", "US Letter - Portrait", "US Legal - Landscape",
                                 "US Legal - Portrait",   "A4 - Landscape",       "A4 - Portrait"};
    for (const QString& plainName : plainNames) {
        SCOPED_TRACE(plainName.toStdString());
        std::shared_ptr<const LabelHelper> plain, hd;
        for (const auto& sheet : printSheetCatalogue()) {
            if (sheet->printDescription() == plainName)
                plain = sheet;
            if (sheet->printDescription() == plainName + " HD")
                hd = sheet;
        }
        ASSERT_TRUE(plain && hd);
        EXPECT_EQ(plain->canvasWidth(), hd->canvasWidth());
        EXPECT_EQ(plain->canvasHeight(), hd->canvasHeight());
        EXPECT_EQ(plain->paperSize(), hd->paperSize());
        EXPECT_EQ(plain->canvasPixelFactor(), hd->canvasPixelFactor());
    }
}

} // namespace
