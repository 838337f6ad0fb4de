#include "InspectorTestSupport.h"

#include "inspector/color/ColorSwatchPanel.h"
#include "inspector/format/FormatIconView.h"
#include "inspector/format/FormatTabView.h"
#include "inspector/library/ObjectLibraryView.h"
#include "model/SKTLine.h"
#include "model/SKTText.h"
#include "platform/SegmentedControl.h"
#include "window/pages/VelkNSButton.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace {

class FormatTabTest : public InspectorTest {
protected:
    void SetUp() override
    {
        InspectorTest::SetUp();
        DataCentre::mutableProfile().objectCatalogName = QStringLiteral("Velk");
    }

    // The Format tab of a new window, shown.
    static FormatTabView& showFormat(SKTWindowController& window)
    {
        panel(window).showTab(InspectorPanel::FormatTab);
        return *panel(window).formatTab();
    }
    // The numbers of the rows on screen, top to bottom.
    static QList<int> shownRows(const FormatTabView& tab)
    {
        QList<int> numbers;
        int lastTop = -1;
        for (int i = 0; i < tab.formatIconViews().size(); ++i) {
            const FormatIconView* row = tab.formatIconViews().at(i);
            if (!row->isVisible())
                continue;
            EXPECT_GT(row->y(), lastTop);
            lastTop = row->y();
            numbers << i + 1;
        }
        return numbers;
    }
};

TEST_F(FormatTabTest, NothingSelectedOffersTheCanvasColourUnderATwoLineHeader)
{
    SKTWindowController& window = openWindow();
    FormatTabView& tab = showFormat(window);
    EXPECT_EQ(panel(window).sidebarSwitchSegmentedControl()->selectedSegment(), InspectorPanel::FormatTab);
    EXPECT_FALSE(panel(window).objectLibrary()->isVisible());
    ASSERT_EQ(tab.formatIconViews().size(), 34);
    EXPECT_EQ(tab.formatPanelLabelTextField()->text(), QStringLiteral("Nothing selected.\nSelect an object to format."));
    EXPECT_EQ(tab.formatPanelLabelTextField()->height(), 40);
    EXPECT_EQ(shownRows(tab), QList<int>{22});
    EXPECT_EQ(tab.dragObjectsClipView()->height(), 220);
    QPushButton* canvas = child<QPushButton>(window, "canvasColorButton");
    EXPECT_TRUE(canvas->isVisible());
    EXPECT_EQ(canvas->parentWidget(), tab.formatIconViews().at(21));
}

TEST_F(FormatTabTest, ATextBoxShowsItsRowsWithTheControlsBoundToIt)
{
    SKTWindowController& window = openWindow();
    FormatTabView& tab = showFormat(window);
    addGraphic<SKTText>(window, QRectF(10, 20, 300, 40));
    window.graphicView()->changeSelectionIndexes({0});

    EXPECT_EQ(tab.formatPanelLabelTextField()->text(), QStringLiteral("1 object selected"));
    EXPECT_EQ(tab.formatPanelLabelTextField()->height(), 20);
    EXPECT_EQ(shownRows(tab), (QList<int>{1, 8, 9, 10, 12, 13, 14, 15, 16, 17, 18, 21, 23, 24, 26, 27, 28, 29, 30,
                                          31, 33, 34}));
    auto* width = child<QLineEdit>(window, "widthTextField");
    EXPECT_TRUE(width->isVisible());
    EXPECT_EQ(width->parentWidget(), tab.formatIconViews().at(0));
    EXPECT_EQ(width->text(), QStringLiteral("300"));
    EXPECT_EQ(child<QComboBox>(window, "fontPopupButton")->parentWidget(), tab.formatIconViews().at(8));

    // A second showing rebuilds the rows; the shared controls move into the new ones.
    addGraphic<SKTText>(window, QRectF(10, 100, 200, 40));
    addGraphic<SKTLine>(window, QRectF(10, 200, 300, 2));
    window.graphicView()->changeSelectionIndexes({0, 1, 2});
    EXPECT_EQ(tab.formatPanelLabelTextField()->text(), QStringLiteral("3 objects selected"));
    EXPECT_EQ(width->parentWidget(), tab.formatIconViews().at(0));
    EXPECT_EQ(tab.formatIconViews().at(15)->objectTitle(), QStringLiteral("Color - Line"));
    EXPECT_TRUE(width->text().isEmpty());
}

TEST_F(FormatTabTest, TheTabExistsOnlyInTheTabbedSidebar)
{
    DataCentre::mutableProfile().dragInspector = false;
    SKTWindowController& window = openWindow();
    EXPECT_EQ(panel(window).formatTab(), nullptr);
    EXPECT_EQ(window.findChild<FormatTabView*>(), nullptr);
}

TEST_F(FormatTabTest, ALevelPopUpSetsPaddingAndGrowsTheObject)
{
    ProductProfile& profile = DataCentre::mutableProfile();
    profile.objectCatalogName = QStringLiteral("Tazmir");
    profile.responsiveDesign = true;
    SKTWindowController& window = openWindow();
    showFormat(window);
    const auto box = addGraphic<SKTText>(window, QRectF(10, 20, 300, 40));
    window.graphicView()->changeSelectionIndexes({0});
    auto* top = child<QComboBox>(window, "topPaddingLevelPopupButton");
    ASSERT_TRUE(top->isVisible());
    EXPECT_EQ(top->count(), 7);

    top->setCurrentIndex(4);
    Q_EMIT top->activated(4);
    EXPECT_EQ(box->topPaddingLevelString(), QStringLiteral("Large"));
    EXPECT_EQ(box->topPadding(), 50);
    EXPECT_EQ(box->topPaddingType(), QStringLiteral("pixel"));
    EXPECT_EQ(box->height(), 90);
    EXPECT_TRUE(window.document()->isDocumentEdited());
}

TEST_F(FormatTabTest, AColourRowOpensTheSwatchesAndTheSwatchColoursTheSelection)
{
    DataCentre::mutableProfile().colorPalette = {"CLEAR0", "FF0000", "00FF00"};
    SKTWindowController& window = openDocumentWindow();
    FormatTabView& tab = showFormat(window);
    const auto box = addGraphic<SKTText>(window, QRectF(10, 20, 300, 40));
    window.graphicView()->changeSelectionIndexes({0});

    QPushButton* text = child<QPushButton>(window, "selectedTextColorButton");
    ASSERT_TRUE(text->isVisible());
    EXPECT_EQ(text->parentWidget(), tab.usedRowWithCode(QStringLiteral("selectedTextColorButton")));
    QTest::mouseClick(text, Qt::LeftButton);
    auto* swatches = window.findChild<ColorSwatchPanel*>();
    ASSERT_NE(swatches, nullptr);
    EXPECT_TRUE(swatches->isVisible());
    QTest::mouseClick(swatches->colorButtonMutableArray().at(1), Qt::LeftButton);
    EXPECT_EQ(box->textHexColorString(), QStringLiteral("FF0000"));
    EXPECT_EQ(box->fontColor(), QColor(Qt::red));
    EXPECT_EQ(text->text(), QStringLiteral("FF0000"));
}

} // namespace
