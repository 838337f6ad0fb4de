#include "InspectorTestSupport.h"

#include "inspector/classic/ClassicInspector.h"
#include "inspector/color/ColorModel.h"
#include "inspector/controls/ValueSlider.h"
#include "model/ColorTarget.h"
#include "model/SKTText.h"
#include "platform/SegmentedControl.h"
#include "window/views/FlippedNSView.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace {

class ClassicInspectorTest : public InspectorTest {
protected:
    void SetUp() override
    {
        InspectorTest::SetUp();
        DataCentre::mutableProfile().dragInspector = false;
    }

    // A window whose classic inspector was built, as re-opening the panel builds it.
    SKTWindowController& openClassicWindow()
    {
        SKTWindowController& window = openWindow();
        window.collapseInspector();
        window.reopenInspector();
        return window;
    }
    static ClassicInspector& classic(const SKTWindowController& window)
    {
        return *panel(window).classicInspector();
    }
};

TEST_F(ClassicInspectorTest, CentringMovesOnlySideways)
{
    QWidget outer;
    outer.resize(270, 540);
    const struct {
        QRect inner;
        const QWidget* outer;
        int x;
    } cases[] = {
        {{0, 90, 255, 30}, &outer, 8},
        {{5, 100, 255, 25}, &outer, 8},
        {{35, 30, 200, 20}, &outer, 35},
        {{10, 5, 60, 20}, &outer, 105},
        // No outer view counts as zero wide.
        {{10, 5, 60, 20}, nullptr, -30},
    };
    for (const auto& c : cases) {
        QWidget inner;
        inner.setGeometry(c.inner);
        ClassicInspector::centerInView(c.outer, inner);
        EXPECT_EQ(inner.geometry(), QRect(c.x, c.inner.y(), c.inner.width(), c.inner.height()))
            << c.inner.x();
    }
}

TEST_F(ClassicInspectorTest, TheStylePageShowsFirstWithItsRangesAndCentredControls)
{
    SKTWindowController& window = openClassicWindow();
    const InspectorControls& c = panel(window).controls();
    ClassicInspector& pages = classic(window);
    EXPECT_EQ(pages.fontView()->geometry(), QRect(0, 140, 270, 540));
    EXPECT_TRUE(pages.fontView()->isVisible());
    EXPECT_FALSE(pages.colorView()->isVisible());
    EXPECT_EQ(c.inspectorPanelSegmentedControl->geometry(), QRect(8, 90, 255, 30));
    EXPECT_EQ(c.lockSegmentedControl->geometry(), QRect(8, 50, 255, 40));
    EXPECT_EQ(c.borderSegmentedControl->geometry(), QRect(8, 100, 255, 25));
    EXPECT_EQ(c.widthTextField->geometry(), QRect(140, 25, 60, 25));
    EXPECT_TRUE(c.widthTextField->isVisible());
    EXPECT_EQ(c.fontSizeTextbox->parentWidget(), pages.fontView());
    EXPECT_EQ(c.borderWidthSlider->maximumValue(), 10);
    EXPECT_EQ(pages.fontView()->findChild<QLabel*>(QStringLiteral("borderLabel"))->text(),
              QStringLiteral("Border"));
    EXPECT_DOUBLE_EQ(c.lineSpacingSlider->minimumValue(), -0.1);
    EXPECT_DOUBLE_EQ(c.lineSpacingSlider->maximumValue(), 3.0);
    EXPECT_FALSE(c.reflectionSizeTextField->isEnabled());
    EXPECT_FALSE(c.lineSpacingTextField->isEnabled());
    // A fresh layout colours the text.
    EXPECT_EQ(pages.colorSelectButton()->currentText(), QStringLiteral("Text"));
    EXPECT_EQ(ColorModel::selectedColorType(), ColorTarget::Text);
}

TEST_F(ClassicInspectorTest, TheWideBorderRangeEndsAtThirtyUnderABorderAndLineLabel)
{
    DataCentre::mutableProfile().wideBorderRange = true;
    SKTWindowController& window = openClassicWindow();
    EXPECT_EQ(panel(window).controls().borderWidthSlider->maximumValue(), 30);
    EXPECT_EQ(classic(window).fontView()->findChild<QLabel*>(QStringLiteral("borderLabel"))->text(),
              QStringLiteral("Border / Line"));
}

TEST_F(ClassicInspectorTest, ThePageSwitchShowsOnePageAndStyleWhenNoneIsSelected)
{
    SKTWindowController& window = openClassicWindow();
    const InspectorControls& c = panel(window).controls();
    ClassicInspector& pages = classic(window);
    const struct {
        int segment;
        FlippedNSView* shown;
    } cases[] = {{2, pages.effectsView()}, {1, pages.colorView()}, {-1, pages.fontView()}};
    for (const auto& s : cases) {
        c.inspectorPanelSegmentedControl->setSelectedSegment(s.segment);
        panel(window).switchInspectorView();
        for (FlippedNSView* page : {pages.fontView(), pages.colorView(), pages.effectsView()})
            EXPECT_EQ(page->isVisible(), page == s.shown) << s.segment << page->objectName().toStdString();
        EXPECT_EQ(s.shown->geometry(), QRect(0, 140, 270, 540));
    }
    EXPECT_EQ(c.inspectorPanelSegmentedControl->selectedSegment(), 0);
}

TEST_F(ClassicInspectorTest, TheColorPagePutsEachButtonUnderItsLabel)
{
    SKTWindowController& window = openClassicWindow();
    ClassicInspector& pages = classic(window);
    ColorModel& colors = panel(window).colors();
    const struct {
        int target;
        int y;
    } placed[] = {{ColorTarget::Text, 55},
                  {ColorTarget::ShapeFill, 120},
                  {ColorTarget::Border, 185},
                  {ColorTarget::Canvas, 250}};
    for (const auto& p : placed) {
        QPushButton* button = colors.colorButton(p.target);
        EXPECT_EQ(button->parentWidget(), pages.colorView()) << p.target;
        EXPECT_EQ(button->geometry(), QRect(35, p.y, 200, 30)) << p.target;
    }
    // Hover colours belong to products that offer them.
    EXPECT_NE(colors.colorButton(ColorTarget::HoverText)->parentWidget(), pages.colorView());
    EXPECT_EQ(pages.colorView()->findChildren<QLabel*>().size(), 5);
}

TEST_F(ClassicInspectorTest, ControlsTheProductDoesWithoutStayHidden)
{
    DataCentre::mutableProfile().productDisplayName = QStringLiteral("Crundle Rice Recipe Manager");
    SKTWindowController& window = openClassicWindow();
    const InspectorControls& c = panel(window).controls();
    EXPECT_TRUE(c.fontPopupButton->isVisible());
    EXPECT_FALSE(c.hyperLinkTextField->isVisible());
    EXPECT_FALSE(c.linkOptionSegmentedControl->isVisible());
    c.inspectorPanelSegmentedControl->setSelectedSegment(ClassicInspector::EffectsPage);
    panel(window).switchInspectorView();
    EXPECT_TRUE(c.shadowSegmentedControl->isVisible());
    EXPECT_FALSE(c.altTextField->isVisible());
    EXPECT_FALSE(c.scrollSegmentedControl->isVisible());
}

TEST_F(ClassicInspectorTest, ARebuildStartsAgainAtTheStylePageWithoutLeftovers)
{
    SKTWindowController& window = openClassicWindow();
    const InspectorControls& c = panel(window).controls();
    c.inspectorPanelSegmentedControl->setSelectedSegment(ClassicInspector::ColorPage);
    panel(window).switchInspectorView();
    const int labels = window.inspectorView()->findChildren<QLabel*>().size();
    window.collapseInspector();
    window.reopenInspector();
    EXPECT_EQ(c.inspectorPanelSegmentedControl->selectedSegment(), ClassicInspector::StylePage);
    EXPECT_TRUE(classic(window).fontView()->isVisible());
    EXPECT_EQ(window.inspectorView()->findChildren<QLabel*>().size(), labels);
    EXPECT_EQ(window.inspectorView()->findChildren<QComboBox*>(QStringLiteral("colorSelectButton")).size(),
              1);
}

TEST_F(ClassicInspectorTest, TheClassicControlsStyleTheSelection)
{
    SKTWindowController& window = openClassicWindow();
    auto box = addGraphic<SKTText>(window, QRectF(10, 10, 200, 50));
    select(window, IndexSet{0});
    const InspectorControls& c = panel(window).controls();
    typeInto(*c.fontSizeTextbox, QStringLiteral("33"));
    EXPECT_EQ(box->fontSize(), 33);
    typeInto(*c.opacityTextField, QStringLiteral("0.5"));
    EXPECT_DOUBLE_EQ(box->opacity(), 0.5);
}

} // namespace
