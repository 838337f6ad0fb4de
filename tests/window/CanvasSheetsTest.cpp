#include "WindowTestSupport.h"

#include "platform/SegmentedControl.h"
#include "window/sheets/AdjustCanvasSizeWindowController.h"
#include "window/sheets/PageNumberWindowController.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

class CanvasSheetsTest : public WindowTest {
protected:
    // A page whose objects reach 310 across and 420 down.
    SKTWindowController& windowWithObjects()
    {
        SKTWindowController& window = openWindow();
        auto graphic = std::make_shared<SKTGraphic>();
        graphic->setBounds(QRectF(60, 20, 250, 400));
        window.document()->insertGraphics({graphic}, {0});
        return window;
    }
    static AdjustCanvasSizeWindowController& sizeSheet(SKTWindowController& window)
    {
        window.showAdjustCanvasSheet();
        AdjustCanvasSizeWindowController* sheet = window.adjustCanvasSizeWindowController();
        EXPECT_TRUE(sheet && sheet->isVisible());
        EXPECT_EQ(sheet->windowModality(), Qt::WindowModal);
        return *sheet;
    }
};

TEST_F(CanvasSheetsTest, AnAutomaticPageIsOfferedTheExtentOfItsObjectsAndAMargin)
{
    const struct {
        bool noMargin;
        const char* width;
        const char* height;
    } cases[] = {{false, "360", "470"}, {true, "310", "420"}};
    for (const auto& c : cases) {
        DataCentre::mutableProfile().noSnapshotMargin = c.noMargin;
        SKTWindowController& window = windowWithObjects();
        ASSERT_EQ(window.document()->findMaxScreenWidth(), 310);
        AdjustCanvasSizeWindowController& sheet = sizeSheet(window);
        EXPECT_EQ(sheet.widthTextField()->text(), QString::fromLatin1(c.width));
        EXPECT_EQ(sheet.heightTextField()->text(), QString::fromLatin1(c.height));
        EXPECT_EQ(sheet.adjustmentSegmentedControl()->selectedSegment(), 0);
        EXPECT_FALSE(sheet.widthTextField()->isEnabled());
        EXPECT_FALSE(sheet.heightTextField()->isEnabled());
    }
}

TEST_F(CanvasSheetsTest, AFixedSizeIsStoredInThePageAndShown)
{
    SKTWindowController& window = windowWithObjects();
    AdjustCanvasSizeWindowController& sheet = sizeSheet(window);
    QTest::mouseClick(sheet.adjustmentSegmentedControl()->findChildren<QWidget*>().at(1), Qt::LeftButton);
    EXPECT_TRUE(sheet.widthTextField()->isEnabled());
    sheet.widthTextField()->setText(QStringLiteral("640"));
    sheet.heightTextField()->setText(QStringLiteral("480"));
    QTest::mouseClick(sheet.saveButton(), Qt::LeftButton);
    EXPECT_FALSE(sheet.isVisible());
    SKTDocument& document = *window.document();
    EXPECT_EQ(document.docSpecificFixedCanvasFlag(), 1);
    EXPECT_EQ(document.docSpecificPageWidth(), 640);
    EXPECT_EQ(document.docSpecificPageHeight(), 480);
    EXPECT_EQ(window.graphicView()->canvasSize(), QSizeF(640, 480));
    EXPECT_TRUE(document.isDocumentEdited());

    // Reopened, it shows the page's own size; back to automatic, the page size goes.
    AdjustCanvasSizeWindowController& again = sizeSheet(window);
    EXPECT_EQ(again.widthTextField()->text(), QStringLiteral("640"));
    EXPECT_EQ(again.adjustmentSegmentedControl()->selectedSegment(), 1);
    again.adjustmentSegmentedControl()->setSelectedSegment(0);
    window.saveAdjustCanvasWindowControllerSheet();
    EXPECT_EQ(document.docSpecificFixedCanvasFlag(), 0);
    EXPECT_EQ(document.docSpecificPageWidth(), 0);
    EXPECT_EQ(window.graphicView()->canvasSize(), QSizeF(kCanvasWidth, kCanvasHeight));
}

TEST_F(CanvasSheetsTest, ASizeThatIsNoWholeNumberAboveZeroIsRefused)
{
    SKTWindowController& window = windowWithObjects();
    for (const char* width : {"0", "-20", "wide", ""}) {
        SCOPED_TRACE(width);
        AdjustCanvasSizeWindowController& sheet = sizeSheet(window);
        sheet.adjustmentSegmentedControl()->setSelectedSegment(1);
        sheet.widthTextField()->setText(QString::fromLatin1(width));
        sheet.heightTextField()->setText(QStringLiteral("480"));
        alerts.clear();
        window.saveAdjustCanvasWindowControllerSheet();
        EXPECT_EQ(alerts.messages(), QStringList({"Invalid canvas size"}));
        EXPECT_TRUE(sheet.isVisible());
        EXPECT_EQ(window.document()->docSpecificFixedCanvasFlag(), 0);
        EXPECT_EQ(window.graphicView()->canvasSize(), QSizeF(kCanvasWidth, kCanvasHeight));
        window.cancelAdjustCanvasWindowControllerSheet();
        EXPECT_FALSE(sheet.isVisible());
        EXPECT_EQ(sheet.result(), 1);
    }
}

TEST_F(CanvasSheetsTest, ThePageTitleSheetChangesOnlyTheTitle)
{
    SKTWindowController& window = openWindow();
    SKTDocument& document = *window.document();
    document.setPageOfficialName(QStringLiteral("Welcome"));
    document.setPageName(QStringLiteral("index"));
    window.showAdjustPageNumberSheet();
    PageNumberWindowController* sheet = window.pageNumberWindowController();
    ASSERT_TRUE(sheet && sheet->isVisible());
    EXPECT_EQ(sheet->pageTitleTextField()->text(), QStringLiteral("Welcome"));
    EXPECT_EQ(sheet->pageFileNameTextField()->text(), QStringLiteral("index"));
    EXPECT_TRUE(sheet->pageFileNameTextField()->isReadOnly());

    // Unchanged: nothing is saved.
    QTest::mouseClick(sheet->saveButton(), Qt::LeftButton);
    EXPECT_FALSE(sheet->isVisible());
    EXPECT_TRUE(alerts.records().isEmpty());

    window.showAdjustPageNumberSheet();
    QPointer<PageNumberWindowController> first = sheet;
    sheet = window.pageNumberWindowController();
    EXPECT_NE(sheet, first.data());
    sheet->pageTitleTextField()->setText(QStringLiteral("Home"));
    sheet->pageFileNameTextField()->setText(QStringLiteral("home"));
    window.saveAdjustPageNumberWindowControllerSheet();
    EXPECT_EQ(document.pageOfficialName(), QStringLiteral("Home"));
    EXPECT_EQ(document.pageName(), QStringLiteral("index"));
}

} // namespace
