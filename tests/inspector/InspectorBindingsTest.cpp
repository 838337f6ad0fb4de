#include "InspectorTestSupport.h"

#include "inspector/bindings/ControlBinding.h"
#include "inspector/bindings/InspectorBindingTable.h"
#include "inspector/bindings/InspectorKeys.h"
#include "inspector/controls/ValueSlider.h"
#include "platform/NotificationCenter.h"

#include "platform/SegmentedControl.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QPaintEvent>
#include <QSpinBox>

namespace {

class InspectorBindingsTest : public InspectorTest {};

TEST_F(InspectorBindingsTest, EveryRowBindsAKeyOfTheGraphicsToAControlThatCanCarryIt)
{
    const QList<InspectorBindingRow>& rows = inspectorBindingTable();
    ASSERT_EQ(rows.size(), 68);
    EXPECT_EQ(rows.first().control, QStringLiteral("initialStateSegmentedControl"));
    EXPECT_EQ(rows.at(16).control, QStringLiteral("topPaddingPopupButton"));
    EXPECT_EQ(rows.at(18).control, QStringLiteral("rightPaddingPopupButton"));
    EXPECT_EQ(rows.at(31).control, QStringLiteral("leftMarginLevelPopupButton"));
    EXPECT_EQ(rows.at(31).key, QStringLiteral("leftMarginLevelString"));
    EXPECT_EQ(rows.last().key, QStringLiteral("responsiveResizeFlag"));

    SKTWindowController& window = openBoundWindow();
    int bound = 0;
    for (const InspectorBindingRow& row : rows) {
        EXPECT_NE(inspectorKey(row.key), nullptr) << row.key.toStdString();
        const auto* control = window.findChild<QWidget*>(row.control);
        if (!control)
            continue;
        EXPECT_TRUE(ControlBinding::canBind(*control, row.binding)) << row.control.toStdString();
        ++bound;
    }
    // The level pop-ups belong to the Format tab's rows, the responsive size control to the window's
    // toolbar.
    EXPECT_EQ(bound, 59);
    EXPECT_EQ(panel(window).bindings().boundCount(), 59);
}

TEST_F(InspectorBindingsTest, DifferingWidthsShowEmptyAndTypingSetsAllAsOneUndoStep)
{
    SKTWindowController& window = openBoundWindow();
    const auto first = addRectangle(window, QRectF(10, 10, 100, 40));
    const auto second = addRectangle(window, QRectF(10, 100, 200, 40));
    select(window, {0, 1});
    auto* width = child<QLineEdit>(window, "widthTextField");
    EXPECT_TRUE(width->text().isEmpty());
    EXPECT_TRUE(width->placeholderText().isEmpty());
    EXPECT_TRUE(width->isEnabled());
    EXPECT_EQ(child<QLineEdit>(window, "heightTextField")->text(), QStringLiteral("40"));

    typeInto(*width, QStringLiteral("50"));
    EXPECT_EQ(first->width(), 50);
    EXPECT_EQ(second->width(), 50);
    EXPECT_EQ(width->text(), QStringLiteral("50"));
    EXPECT_TRUE(window.document()->isDocumentEdited());

    window.document()->undoManager().undo();
    EXPECT_EQ(first->width(), 100);
    EXPECT_EQ(second->width(), 200);
    EXPECT_TRUE(width->text().isEmpty());
}

TEST_F(InspectorBindingsTest, TextThatIsNoNumberChangesNothing)
{
    SKTWindowController& window = openBoundWindow();
    const auto rectangle = addRectangle(window, QRectF(10, 10, 100, 40));
    select(window, {0});
    window.document()->setDocumentEdited(false);
    auto* width = child<QLineEdit>(window, "widthTextField");
    typeInto(*width, QStringLiteral("wide"));
    EXPECT_EQ(rectangle->width(), 100);
    EXPECT_EQ(width->text(), QStringLiteral("100"));
    EXPECT_FALSE(window.document()->isDocumentEdited());
}

TEST_F(InspectorBindingsTest, MarkersShowThePlaceholdersOfTheirOptions)
{
    SKTWindowController& window = openBoundWindow();
    const struct {
        const char* field;
        const char* placeholder;
    } cases[] = {
        {"hyperLinkTextField", "http://"},
        {"altTextField", "Image Tooltip Text"},
        {"widthTextField", ""},
        {"shadowBlurTextField", "No Selection"},
    };
    for (const auto& c : cases) {
        auto* field = child<QLineEdit>(window, c.field);
        EXPECT_TRUE(field->text().isEmpty()) << c.field;
        EXPECT_EQ(field->placeholderText(), QString::fromLatin1(c.placeholder)) << c.field;
        EXPECT_FALSE(field->isEnabled()) << c.field;
    }

    // A link that is none shows the link placeholder too; differing blur radii show the platform's marker.
    const auto first = addRectangle(window, QRectF(10, 10, 100, 40));
    const auto second = addRectangle(window, QRectF(10, 100, 100, 40));
    first->setShadowRadius(2);
    select(window, {0, 1});
    EXPECT_EQ(child<QLineEdit>(window, "hyperLinkTextField")->placeholderText(), QStringLiteral("http://"));
    EXPECT_EQ(child<QLineEdit>(window, "shadowBlurTextField")->placeholderText(),
              QStringLiteral("Multiple Values"));
    first->setLink(QStringLiteral("contact.html"));
    second->setLink(QStringLiteral("contact.html"));
    EXPECT_EQ(child<QLineEdit>(window, "hyperLinkTextField")->text(), QStringLiteral("contact.html"));
}

TEST_F(InspectorBindingsTest, TheBorderSliderMovesEveryControlOfTheBorderWidthUntilUnbound)
{
    SKTWindowController& window = openBoundWindow();
    const auto rectangle = addRectangle(window, QRectF(10, 10, 100, 40));
    addRectangle(window, QRectF(10, 100, 100, 40))->setBorderWidth(7);
    select(window, {0});
    auto* border = child<ValueSlider>(window, "borderWidthSlider");
    auto* line = child<ValueSlider>(window, "lineWidthSlider");
    border->setFocus();
    QTest::keyClick(border, Qt::Key_Right);
    QTest::keyClick(border, Qt::Key_Right);
    EXPECT_EQ(rectangle->borderWidth(), 2);
    EXPECT_EQ(line->doubleValue(), 2);
    EXPECT_EQ(child<QLineEdit>(window, "borderWidthTextField")->text(), QStringLiteral("2"));
    EXPECT_EQ(child<QLineEdit>(window, "lineWidthTextField")->text(), QStringLiteral("2"));

    panel(window).unbindEverything();
    EXPECT_EQ(panel(window).bindings().boundCount(), 0);
    select(window, {1});
    rectangle->setBorderWidth(4);
    EXPECT_EQ(line->doubleValue(), 2);
    EXPECT_EQ(child<QLineEdit>(window, "lineWidthTextField")->text(), QStringLiteral("2"));
    QTest::keyClick(border, Qt::Key_Right);
    EXPECT_EQ(window.document()->graphics().at(1)->borderWidth(), 7);

    panel(window).restoreBinding();
    EXPECT_EQ(line->doubleValue(), 7);
}

TEST_F(InspectorBindingsTest, ControlsFollowChangesMadeElsewhere)
{
    SKTWindowController& window = openBoundWindow();
    const auto rectangle = addRectangle(window, QRectF(10, 10, 100, 40));
    select(window, {0});
    rectangle->setOpacity(0.25);
    EXPECT_EQ(child<QLineEdit>(window, "opacityTextField")->text(), QStringLiteral("0.25"));
    EXPECT_EQ(child<ValueSlider>(window, "opacitySlider")->doubleValue(), 0.25);
    rectangle->setBorderStyle(QStringLiteral("dotted"));
    EXPECT_EQ(child<SegmentedControl>(window, "borderSegmentedControl")->selectedSegment(), 2);
    rectangle->setMoveLock(1);
    EXPECT_EQ(child<SegmentedControl>(window, "lockSegmentedControl")->selectedSegment(), 1);
    rectangle->setTopPaddingType(QStringLiteral("pixel"));
    EXPECT_EQ(child<QComboBox>(window, "topPaddingPopupButton")->currentText(), QStringLiteral("pixel"));
    rectangle->setRotationAngle(30);
    EXPECT_TRUE(child<QCheckBox>(window, "rotationApplyCheckmark")->isChecked());

    // The object leaving the page leaves nothing selected.
    window.document()->removeGraphicsAtIndexes({0});
    EXPECT_FALSE(child<QLineEdit>(window, "opacityTextField")->isEnabled());
}

TEST_F(InspectorBindingsTest, SegmentsAndPopUpsWriteWhatTheUserChooses)
{
    SKTWindowController& window = openBoundWindow();
    const auto first = addRectangle(window, QRectF(10, 10, 100, 40));
    const auto second = addRectangle(window, QRectF(10, 100, 100, 40));
    select(window, {0, 1});
    auto* style = child<SegmentedControl>(window, "lineSegmentedControl");
    style->show();
    QTest::mouseClick(style->findChildren<QAbstractButton*>().at(1), Qt::LeftButton);
    EXPECT_EQ(first->borderStyle(), QStringLiteral("dashed"));
    EXPECT_EQ(second->borderStyle(), QStringLiteral("dashed"));
    EXPECT_EQ(child<SegmentedControl>(window, "borderSegmentedControl")->selectedSegment(), 1);

    auto* font = child<QComboBox>(window, "fontPopupButton");
    EXPECT_EQ(font->currentIndex(), -1);
    const int lato = font->findText(QStringLiteral("Lato"));
    font->setCurrentIndex(lato);
    Q_EMIT font->activated(lato);
    EXPECT_EQ(first->fontFamily(), QStringLiteral("Lato"));
    EXPECT_EQ(second->fontFamily(), QStringLiteral("Lato"));
}

TEST_F(InspectorBindingsTest, TheFontSizeStepperHidesForMarkersOnly)
{
    SKTWindowController& window = openBoundWindow();
    const auto first = addRectangle(window, QRectF(10, 10, 100, 40));
    const auto second = addRectangle(window, QRectF(10, 100, 100, 40));
    first->setFontSize(12);
    second->setFontSize(20);
    auto* stepper = child<QSpinBox>(window, "fontSizeStepper");
    stepper->show(); // as the Format tab places it
    select(window, {0, 1});
    EXPECT_TRUE(stepper->isHidden());
    select(window, {1});
    EXPECT_FALSE(stepper->isHidden());
    EXPECT_EQ(stepper->value(), 20);
    stepper->stepUp();
    EXPECT_EQ(second->fontSize(), 21);
    EXPECT_EQ(first->fontSize(), 12);
}

TEST_F(InspectorBindingsTest, AChangeRepaintsTheObjectAndMarksTheDocumentChanged)
{
    SKTWindowController& window = openBoundWindow();
    const auto rectangle = addRectangle(window, QRectF(40, 30, 100, 60));
    select(window, {0});
    window.document()->setDocumentEdited(false);
    QTest::qWait(50);
    QRegion painted;
    struct Recorder : QObject {
        QRegion& painted;
        explicit Recorder(QRegion& region) : painted(region) {}
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint)
                painted += static_cast<QPaintEvent*>(event)->region();
            return false;
        }
    } recorder(painted);
    window.graphicView()->installEventFilter(&recorder);

    typeInto(*child<QLineEdit>(window, "borderWidthTextField"), QStringLiteral("3"));
    QTest::qWait(50);
    window.graphicView()->removeEventFilter(&recorder);
    EXPECT_EQ(rectangle->borderWidth(), 3);
    const QRect onCanvas = window.graphicView()->canvasTransform().mapRect(rectangle->bounds()).toAlignedRect();
    EXPECT_TRUE(painted.contains(onCanvas)) << painted.boundingRect().x() << "," << painted.boundingRect().width();
    EXPECT_TRUE(window.document()->isDocumentEdited());
}

TEST_F(InspectorBindingsTest, CollapsingTheInspectorAndTheNotificationRemoveTheBindings)
{
    SKTWindowController& window = openBoundWindow();
    window.collapseInspector();
    EXPECT_EQ(panel(window).bindings().boundCount(), 0);
    window.reopenInspector();
    // The Format tab adds its eight level pop-ups.
    panel(window).showFormattingOptions();
    EXPECT_EQ(panel(window).bindings().boundCount(), 67);
    NotificationCenter::defaultCenter().post(QStringLiteral("unbindEverything"));
    EXPECT_EQ(panel(window).bindings().boundCount(), 0);
}

TEST_F(InspectorBindingsTest, TheClassicInspectorBindsAgainOnATouchedGraphicWhileShown)
{
    DataCentre::mutableProfile().dragInspector = false;
    SKTWindowController& window = openWindow();
    EXPECT_EQ(panel(window).bindings().boundCount(), 0);
    Q_EMIT window.graphicTouched();
    EXPECT_EQ(panel(window).bindings().boundCount(), 59);
    window.collapseInspector();
    Q_EMIT window.graphicTouched();
    EXPECT_EQ(panel(window).bindings().boundCount(), 0);
}

} // namespace
