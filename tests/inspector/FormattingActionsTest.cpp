#include "InspectorTestSupport.h"

#include "inspector/actions/FormattingActions.h"
#include "inspector/controls/ValueSlider.h"
#include "model/SKTImage.h"
#include "model/SKTTable.h"
#include "model/SKTText.h"
#include "platform/SegmentedControl.h"

#include <QCheckBox>
#include <QSpinBox>

namespace {

class FormattingActionsTest : public InspectorTest {
protected:
    static const InspectorControls& controls(const SKTWindowController& window) { return panel(window).controls(); }
};

TEST_F(FormattingActionsTest, NoneTakesBordersAwayAndAnotherStyleGivesWidthTwoWhereThereWasNone)
{
    SKTWindowController& window = openBoundWindow();
    const auto thin = addGraphic<SKTText>(window, QRectF(10, 10, 100, 40));
    const auto wide = addGraphic<SKTImage>(window, QRectF(10, 100, 100, 40));
    wide->setBorderWidth(5);
    window.graphicView()->changeSelectionIndexes({0, 1});
    SegmentedControl* border = controls(window).borderSegmentedControl;

    Q_EMIT border->activated(3);
    EXPECT_EQ(thin->borderWidth(), 0);
    EXPECT_EQ(wide->borderWidth(), 0);
    EXPECT_EQ(thin->borderStyle(), QStringLiteral("none"));

    wide->setBorderWidth(5);
    Q_EMIT border->activated(2);
    EXPECT_EQ(thin->borderWidth(), 2);
    EXPECT_EQ(wide->borderWidth(), 5);
    EXPECT_EQ(thin->borderStyle(), QStringLiteral("dotted"));
}

TEST_F(FormattingActionsTest, TheLineSpacingShowsDefaultUpToZero)
{
    const struct {
        double spacing;
        const char* text;
    } cases[] = {{0, "Default"}, {-0.1, "Default"}, {1.5, "1.50"}, {0.25, "0.25"}};
    for (const auto& c : cases)
        EXPECT_EQ(FormattingActions::lineSpacingText(c.spacing), QString::fromLatin1(c.text)) << c.spacing;

    SKTWindowController& window = openBoundWindow();
    const auto box = addGraphic<SKTText>(window, QRectF(10, 10, 100, 40));
    window.graphicView()->changeSelectionIndexes({0});
    ValueSlider* slider = controls(window).lineSpacingSlider;
    slider->setValue(slider->maximum());
    EXPECT_EQ(controls(window).lineSpacingTextField->text(), QStringLiteral("3.00"));
    EXPECT_FLOAT_EQ(box->lineSpacing(), 3.0f);
}

TEST_F(FormattingActionsTest, AlignmentPlacesTheObjectInItsCell)
{
    const QRectF bounds(150, 30, 200, 40);
    const QRect cell(100, 0, 400, 100);
    EXPECT_EQ(FormattingActions::alignedX(bounds, cell, 0), 100.0);
    EXPECT_EQ(FormattingActions::alignedX(bounds, cell, 2), 300.0);
    EXPECT_EQ(FormattingActions::alignedX(bounds, cell, 1), 200.0);
    EXPECT_EQ(FormattingActions::alignedX(QRectF(120.6, 0, 101, 10), cell, 1), 120.6 + (100 - 120 + 200 - 50));
    EXPECT_EQ(FormattingActions::alignedX(bounds, cell, 3), std::nullopt);
}

TEST_F(FormattingActionsTest, ADragOfTheRotationSliderTurnsOnceItRests)
{
    SKTWindowController& window = openBoundWindow();
    const auto box = addGraphic<SKTText>(window, QRectF(10, 10, 100, 40));
    const auto table = addGraphic<SKTTable>(window, QRectF(10, 100, 100, 40));
    window.graphicView()->changeSelectionIndexes({0, 1});
    ValueSlider* slider = controls(window).rotationSlider;
    for (int angle : {10, 20, 30, 45}) {
        slider->setValue(angle);
        QTest::qWait(20);
    }
    EXPECT_EQ(box->rotationAngle(), 0);
    EXPECT_EQ(controls(window).rotationAngleTextField->text(), QStringLiteral("45"));
    QTRY_COMPARE(box->rotationAngle(), 45.0f);
    EXPECT_TRUE(window.document()->isDocumentEdited());

    // Unticking "Apply Rotation" straightens every selected object.
    table->setRotationAngle(30);
    QCheckBox* apply = controls(window).rotationApplyCheckmark;
    apply->setEnabled(true);
    apply->setChecked(true);
    apply->click();
    EXPECT_EQ(box->rotationAngle(), 0);
    EXPECT_EQ(table->rotationAngle(), 0);
}

TEST_F(FormattingActionsTest, DetailedShadowTurnsTheSimpleShadowOffOnTextAndImagesOnly)
{
    SKTWindowController& window = openBoundWindow();
    const auto box = addGraphic<SKTText>(window, QRectF(10, 10, 100, 40));
    const auto table = addGraphic<SKTTable>(window, QRectF(10, 100, 100, 40));
    box->setShadowFlag(1);
    table->setShadowFlag(1);
    window.graphicView()->changeSelectionIndexes({0, 1});
    controls(window).shadowHorizontalOffsetSlider->setDoubleValue(-4);
    controls(window).shadowBlurSlider->setValue(6);
    EXPECT_EQ(box->shadowFlag(), 0);
    EXPECT_EQ(box->shadowRadius(), 6);
    EXPECT_EQ(box->shadowHorizontalOffset(), -4);
    EXPECT_EQ(table->shadowFlag(), 1);
}

TEST_F(FormattingActionsTest, FontSizesComeFromTheFirstTextOrTable)
{
    SKTWindowController& window = openBoundWindow();
    FormattingActions& actions = panel(window).actions();
    EXPECT_EQ(actions.grabFirstSelectedFontSize(), 0);
    const auto first = addGraphic<SKTText>(window, QRectF(10, 10, 100, 40));
    const auto second = addGraphic<SKTText>(window, QRectF(10, 100, 100, 40));
    first->setFontSize(18);
    second->setFontSize(18);
    window.graphicView()->changeSelectionIndexes({0, 1});
    EXPECT_EQ(actions.grabFirstSelectedFontSize(), 18);
    EXPECT_FALSE(actions.differentFontSizeSelected());
    actions.updateTextViewFontSize(QStringLiteral("24"));
    EXPECT_EQ(second->fontSize(), 24);
    second->setFontSize(12);
    EXPECT_TRUE(actions.differentFontSizeSelected());
}

} // namespace
