#include "../view/CanvasTestSupport.h"

#include "canvas/tables/SectionEditorWindowController.h"
#include "canvas/tables/SectionView.h"
#include "canvas/view/CanvasContextMenu.h"
#include "model/SKTTable.h"
#include "model/SKTText.h"
#include "platform/Format.h"

#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QSplitterHandle>

// The section grid window, opened from the canvas's context menu on a selected section.

namespace {

class SectionGridWindowTest : public CanvasTest {
protected:
    void SetUp() override
    {
        CanvasTest::SetUp();
        ProductProfile& profile = DataCentre::mutableProfile();
        profile.responsiveDesign = true;
        profile.sectionWidth = 1200;
        profile.sectionHeight = 300;
        view->addSection({QStringLiteral("4"), QStringLiteral("6"), QStringLiteral("2")}, 3, QPointF(0, 0));
        section = std::dynamic_pointer_cast<SKTTable>(document.graphics().last());
        // Distinct counts per column: xs 10 + c, small 1 + c, medium 4 + c, large 7 + c.
        for (const std::shared_ptr<myTextView>& cell : section->cellHelperArray()) {
            const int c = cell->columnSpot();
            cell->setXsGridColumns(10 + c);
            cell->setSmallGridColumns(1 + c);
            cell->setMediumGridColumns(4 + c);
            cell->setLargeGridColumns(7 + c);
        }
        section->setSelectable(true);
        selection.setSelectedGraphics({section});
        showCanvas();
    }

    QAction* menuItem()
    {
        QMenu* menu = view->menuForEvent(QPointF(10, 10));
        CanvasContextMenu::validate(*menu, *view);
        return menu->findChild<QAction*>(QStringLiteral("configureSectionWindowController"));
    }

    // The menu never offers the window; it opens on the section the canvas holds as selectedTable.
    SectionEditorWindowController& openWindow()
    {
        view->workingState().selectedTable = section;
        view->configureSectionWindowController();
        SectionEditorWindowController* window = view->sectionEditorWindowController();
        EXPECT_NE(window, nullptr);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        flushRepaints();
        return *window;
    }
    template <typename T> T* control(QWidget& window, const char* name)
    {
        T* found = window.findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    static QList<int> counts(const SectionView& tile)
    {
        return {tile.xsGridColumns(), tile.smallGridColumns(), tile.mediumGridColumns(),
                tile.largeGridColumns()};
    }
    QList<int> shownCounts(QWidget& window)
    {
        QList<int> shown;
        for (const char* name :
             {"xsPopUpButton", "smallPopUpButton", "mediumPopUpButton", "largePopUpButton"})
            shown << control<QComboBox>(window, name)->currentText().toInt();
        return shown;
    }
    // Chooses the item as the user does, which sends the pop-up's action.
    static void choose(QComboBox& popUp, int index)
    {
        popUp.setCurrentIndex(index);
        Q_EMIT popUp.activated(index);
    }

    std::shared_ptr<SKTTable> section;
};

} // namespace

TEST_F(SectionGridWindowTest, TheMenuNeverOffersTheWindow)
{
    EXPECT_FALSE(menuItem()->isVisible());
    EXPECT_FALSE(view->showSectionEditorFlag());
}

TEST_F(SectionGridWindowTest, OpensWithTwelveTilesOfWhichTheSectionsColumnsShow)
{
    SectionEditorWindowController& window = openWindow();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Configure Section Grid"));
    EXPECT_EQ(window.windowModality(), Qt::WindowModal);
    EXPECT_EQ(control<QComboBox>(window, "numOfColumnsPopupButton")->currentText(), QStringLiteral("3"));
    EXPECT_EQ(control<QComboBox>(window, "numOfColumnsPopupButton")->count(), 12);
    const QList<SectionView*>& tiles = window.splitViewMutableArray();
    ASSERT_EQ(tiles.size(), 12);
    auto* strip = control<QSplitter>(window, "columnSplitView");
    ASSERT_EQ(strip->count(), 3);
    for (int column = 0; column < 12; ++column) {
        SCOPED_TRACE(column);
        EXPECT_EQ(tiles.at(column)->button()->text(), QString::number(column + 1));
        EXPECT_EQ(tiles.at(column)->isVisible(), column < 3);
    }
    EXPECT_EQ(counts(*tiles.at(3)), QList<int>({0, 0, 0, 0}));
    EXPECT_EQ(tiles.at(3)->width(), 50);
    // The columns show side by side in proportion to their widths.
    const QList<int> sizes = strip->sizes();
    for (int column : {1, 2}) {
        EXPECT_NEAR(double(sizes.at(column)) / sizes.at(0),
                    double(section->grabColumnWidth(column)) / section->grabColumnWidth(0), 0.02);
    }
    EXPECT_EQ(control<QLabel>(window, "columnGridLabel")->text(),
              QStringLiteral("Grid options for column 1"));
    EXPECT_EQ(shownCounts(window), QList<int>({10, 1, 4, 7}));

    const QImage picture = tiles.at(0)->grab().toImage();
    EXPECT_EQ(picture.pixelColor(picture.width() / 2, picture.height() - 20), QColor(0xFF, 0xD7, 0x00));
    EXPECT_EQ(picture.pixelColor(1, 1), QColor(Qt::black));
}

TEST_F(SectionGridWindowTest, ATilesButtonShowsItsCountsAndAChosenCountIsStoredOnTheTileAtOnce)
{
    SectionEditorWindowController& window = openWindow();
    SectionView& third = *window.splitViewMutableArray().at(2);
    QTest::mouseClick(third.button(), Qt::LeftButton);
    EXPECT_EQ(control<QLabel>(window, "columnGridLabel")->text(),
              QStringLiteral("Grid options for column 3"));
    EXPECT_EQ(shownCounts(window), QList<int>({12, 3, 6, 9}));
    EXPECT_EQ(window.selectedSectionView(), &third);

    choose(*control<QComboBox>(window, "mediumPopUpButton"), 10);
    EXPECT_EQ(counts(third), QList<int>({12, 3, 11, 9}));
    EXPECT_EQ(counts(*window.splitViewMutableArray().at(0)), QList<int>({10, 1, 4, 7}));
}

TEST_F(SectionGridWindowTest, FewerColumnsHideTheLastTilesWithTheirCountsAndTwelveFixTheDividers)
{
    SectionEditorWindowController& window = openWindow();
    auto& columns = *control<QComboBox>(window, "numOfColumnsPopupButton");
    choose(columns, 1);
    EXPECT_EQ(window.columnSplitView()->count(), 2);
    EXPECT_FALSE(window.splitViewMutableArray().at(2)->isVisible());
    EXPECT_TRUE(window.columnSplitView()->handle(1)->isEnabled());

    choose(columns, 11);
    QSplitter& strip = *window.columnSplitView();
    EXPECT_EQ(strip.count(), 12);
    EXPECT_EQ(counts(*window.splitViewMutableArray().at(2)), QList<int>({12, 3, 6, 9}));
    for (int divider = 1; divider < 12; ++divider)
        EXPECT_FALSE(strip.handle(divider)->isEnabled()) << divider;
    EXPECT_FALSE(window.dividersMovable());
}

TEST_F(SectionGridWindowTest, SaveWritesColumnsWidthsAndCountsBackAndFitsTheObjects)
{
    auto box = std::make_shared<SKTText>();
    box->initWithProperties({{QStringLiteral("bounds"), Format::rect(QRectF(100, 100, 20, 20))}});
    document.insertGraphics({box}, {0});
    view->applySection(box, QPointF(100, 100));
    ASSERT_EQ(box->sectionColumnSpot(), 0);
    // Fixed columns keep the widths they are given, which shows the widths the window writes.
    for (const std::shared_ptr<myTextView>& cell : section->cellHelperArray())
        cell->setFixedWidthFlag(1);
    selection.setSelectedGraphics({section});

    SectionEditorWindowController& window = openWindow();
    choose(*control<QComboBox>(window, "numOfColumnsPopupButton"), 1);
    QSplitter& strip = *window.columnSplitView();
    const QList<int> sizes = strip.sizes();
    const int available = sizes.at(0) + sizes.at(1);
    strip.setSizes({250, available - 250});
    QTest::mouseClick(window.splitViewMutableArray().at(1)->button(), Qt::LeftButton);
    choose(*control<QComboBox>(window, "largePopUpButton"), 4);
    control<QPushButton>(window, "saveButton")->click();

    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(section->numOfColumns(), 2);
    ASSERT_EQ(section->cellHelperArray().size(), 2);
    const myTextView& first = *section->grabSelectedTableCellHelper(0, 0);
    const myTextView& second = *section->grabSelectedTableCellHelper(0, 1);
    EXPECT_EQ(first.xsGridColumns(), 10);
    EXPECT_EQ(second.largeGridColumns(), 5);
    EXPECT_EQ(second.smallGridColumns(), 2);
    EXPECT_EQ(first.width(), 500) << "twice the width of its tile";
    EXPECT_EQ(second.width(), 2 * (available - 250));
    const QRect cell = section->grabSelectedCellRect(0, 0);
    EXPECT_EQ(box->bounds().x(), cell.x());
    EXPECT_EQ(box->bounds().width(), cell.width());
}

TEST_F(SectionGridWindowTest, CancelLeavesTheSectionAsItWas)
{
    SectionEditorWindowController& window = openWindow();
    choose(*control<QComboBox>(window, "numOfColumnsPopupButton"), 5);
    control<QPushButton>(window, "cancelButton")->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(section->numOfColumns(), 3);
    EXPECT_EQ(section->cellHelperArray().size(), 3);
}
