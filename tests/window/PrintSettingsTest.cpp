#include "WindowTestSupport.h"

#include "canvas/dialogs/PrintSettingsWindowController.h"

#include <QPushButton>

// The print settings sheet, opened as the Print menu's item opens it: through the document window, which
// hands it to its canvas.

namespace {

class PrintSettingsTest : public WindowTest {
protected:
    PrintSettingsWindowController& openSheet(SKTWindowController& window)
    {
        window.launchPrintSettings();
        PrintSettingsWindowController* sheet = window.graphicView()->printSettingsWindowController();
        EXPECT_TRUE(sheet && sheet->isVisible());
        return *sheet;
    }
    static QLineEdit* rowField(const PrintSettingsWindowController& sheet)
    {
        return child<QLineEdit>(sheet, "startingRowSpotTextField");
    }
    static QLineEdit* columnField(const PrintSettingsWindowController& sheet)
    {
        return child<QLineEdit>(sheet, "startingColumnSpotTextField");
    }
};

} // namespace

TEST_F(PrintSettingsTest, TheSheetStartsAtZeroAndShowsWhatWasSaved)
{
    SKTWindowController& window = openWindow();
    PrintSettingsWindowController& sheet = openSheet(window);
    EXPECT_EQ(sheet.windowTitle(), QStringLiteral("Print Settings"));
    EXPECT_EQ(sheet.windowModality(), Qt::WindowModal);
    EXPECT_EQ(rowField(sheet)->text(), QStringLiteral("0"));
    EXPECT_EQ(columnField(sheet)->text(), QStringLiteral("0"));

    rowField(sheet)->setText(QStringLiteral("3"));
    columnField(sheet)->setText(QStringLiteral("2"));
    QTest::mouseClick(child<QPushButton>(sheet, "saveButton"), Qt::LeftButton);
    EXPECT_FALSE(sheet.isVisible());
    EXPECT_EQ(DataCentre::profile().printStartingRowSpot, 3);
    EXPECT_EQ(DataCentre::profile().printStartingColumnSpot, 2);

    // The same sheet, filled afresh: cancelling keeps what was saved.
    PrintSettingsWindowController& again = openSheet(window);
    EXPECT_EQ(&again, &sheet);
    EXPECT_EQ(rowField(again)->text(), QStringLiteral("3"));
    EXPECT_EQ(columnField(again)->text(), QStringLiteral("2"));
    rowField(again)->setText(QStringLiteral("9"));
    QTest::mouseClick(child<QPushButton>(again, "cancelButton"), Qt::LeftButton);
    EXPECT_FALSE(again.isVisible());
    EXPECT_EQ(DataCentre::profile().printStartingRowSpot, 3);
}

TEST_F(PrintSettingsTest, TheFieldsTakeWholeNumbersOnlyAndAnEmptyFieldSavesZero)
{
    SKTWindowController& window = openWindow();
    PrintSettingsWindowController& sheet = openSheet(window);
    rowField(sheet)->clear();
    QTest::keyClicks(rowField(sheet), QStringLiteral("4.5x"));
    EXPECT_EQ(rowField(sheet)->text(), QStringLiteral("45"));
    columnField(sheet)->clear();
    QTest::mouseClick(child<QPushButton>(sheet, "saveButton"), Qt::LeftButton);
    EXPECT_EQ(DataCentre::profile().printStartingRowSpot, 45);
    EXPECT_EQ(DataCentre::profile().printStartingColumnSpot, 0);
}
