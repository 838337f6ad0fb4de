#include "InspectorTestSupport.h"

#include "inspector/format/FormatIconView.h"
#include "inspector/layers/LayersTabView.h"
#include "model/SKTGalleryGrid.h"
#include "model/SKTImage.h"
#include "model/SKTSlideshow.h"
#include "model/SKTTable.h"
#include "model/SKTText.h"
#include "platform/SegmentedControl.h"

#include <QLabel>

namespace {

class LayersTabTest : public InspectorTest {
protected:
    static LayersTabView& showLayers(SKTWindowController& window)
    {
        panel(window).showTab(InspectorPanel::LayersTab);
        return *panel(window).layersTab();
    }
};

TEST_F(LayersTabTest, ARowReadsTheKindLayerAndWholeGeometry)
{
    SKTText text;
    text.setBounds(QRectF(10.7, 20.2, 100.9, 40.5));
    text.setOpacity(0.75);
    EXPECT_EQ(LayersTabView::layerText(text, 0), QStringLiteral("Layer 0\nx:10 y:20 size:100x40 opacity:75%"));

    SKTText shape;
    shape.setBubbleShape(QStringLiteral("star"));
    auto section = std::make_shared<SKTTable>();
    section->setGridType(QStringLiteral("section"));
    const auto image = std::make_shared<SKTImage>();
    const auto gallery = std::make_shared<SKTGalleryGrid>();
    const auto slideshow = std::make_shared<SKTSlideshow>();
    const struct {
        const SKTGraphic* graphic;
        const char* imageName;
        const char* kindName;
    } cases[] = {{&text, "textbox_simple", "Text"},
                 {&shape, "shape_simple", "Shape"},
                 {section.get(), "table_simple", "Table"},
                 {image.get(), "photo_simple", "Image"},
                 {gallery.get(), "gallery", "Photo Grid"},
                 {slideshow.get(), "selection_elliptical_black", ""}};
    for (const auto& c : cases) {
        const LayersTabView::Kind kind = LayersTabView::layerKindOf(*c.graphic);
        EXPECT_EQ(kind.imageName, QString::fromLatin1(c.imageName)) << c.kindName;
        EXPECT_EQ(kind.kindName, QString::fromLatin1(c.kindName));
    }
    EXPECT_EQ(LayersTabView::headerText(0), QStringLiteral("0 layer"));
    EXPECT_EQ(LayersTabView::headerText(1), QStringLiteral("1 layer"));
    EXPECT_EQ(LayersTabView::headerText(2), QStringLiteral("2 layers"));
}

TEST_F(LayersTabTest, TheTabListsThePageAndFollowsDeletions)
{
    SKTWindowController& window = openWindow();
    LayersTabView& tab = showLayers(window);
    EXPECT_EQ(tab.header()->text(), QStringLiteral("0 layer"));
    EXPECT_EQ(tab.dragObjectsClipView()->height(), 60);

    for (int i = 0; i < 3; ++i)
        addGraphic<SKTText>(window, QRectF(10, 10 + 60 * i, 100, 40));
    // Adding objects alone does not rebuild the list; choosing the tab does.
    EXPECT_TRUE(tab.layerIconViews().isEmpty());
    panel(window).switchSideBarView();
    ASSERT_EQ(tab.layerIconViews().size(), 3);
    EXPECT_EQ(tab.header()->text(), QStringLiteral("3 layers"));
    EXPECT_EQ(tab.layerIconViews().at(2)->geometry().top(), 130);
    EXPECT_EQ(tab.dragObjectsClipView()->height(), 210);

    window.graphicView()->changeSelectionIndexes({0});
    window.graphicView()->delete_();
    EXPECT_EQ(tab.layerIconViews().size(), 2);
    EXPECT_EQ(tab.header()->text(), QStringLiteral("2 layers"));
}

TEST_F(LayersTabTest, ClickingARowAddsItsObjectToTheSelectionAndHighlightsOnlyIt)
{
    SKTWindowController& window = openWindow();
    for (int i = 0; i < 3; ++i)
        addGraphic<SKTText>(window, QRectF(10, 10 + 60 * i, 100, 40));
    LayersTabView& tab = showLayers(window);
    window.graphicView()->changeSelectionIndexes({0, 1});

    QTest::mouseClick(tab.layerIconViews().at(0), Qt::LeftButton);
    QTest::mouseClick(tab.layerIconViews().at(2), Qt::LeftButton, {}, QPoint(15, 15));
    EXPECT_EQ(window.graphicView()->selectionIndexes(), (IndexSet{0, 1, 2}));
    EXPECT_FALSE(tab.layerIconViews().at(0)->highlightFlag());
    EXPECT_FALSE(tab.layerIconViews().at(1)->highlightFlag());
    EXPECT_TRUE(tab.layerIconViews().at(2)->highlightFlag());
    EXPECT_EQ(panel(window).sidebarSwitchSegmentedControl()->selectedSegment(), InspectorPanel::LayersTab);
}

} // namespace
