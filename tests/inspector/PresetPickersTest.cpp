#include "InspectorTestSupport.h"

#include "inspector/panel/FloatWindowController.h"
#include "inspector/presets/PresetPickers.h"
#include "model/SKTText.h"
#include "profile/LabelTemplateHelper.h"
#include "profile/ShapeSelectionView.h"
#include "profile/services/DefaultShapes.h"
#include "window/views/FlippedNSView.h"

#include <QComboBox>
#include <QPainter>
#include <QPen>
#include <QPushButton>

namespace {

class PresetPickersTest : public InspectorTest {
protected:
    void SetUp() override
    {
        InspectorTest::SetUp();
        ProductProfile& profile = DataCentre::mutableProfile();
        for (const char* color : {"8B0000", "FF8C00", "FFFFFF", "555555", "4682B4", "228B22"})
            profile.defaultShapePresets.append(DataCentre::createBatchOfShapes(QString::fromLatin1(color)));
        for (int i = 0; i < 12; ++i) {
            profile.defaultTextViewPresets.append(DataCentre::createDefaultTextView(
                QStringLiteral("FFFFFF"), QStringLiteral("333333"), QFont(QStringLiteral("Arial"), 14),
                QStringLiteral("Style %1").arg(i)));
        }
    }

    static QPushButton* preset(const QWidget& picker, int tag)
    {
        return picker.findChild<QPushButton*>(QStringLiteral("preset%1").arg(tag));
    }
};

TEST_F(PresetPickersTest, SixBatchesOfShapesFillSixRowsOfSeven)
{
    std::unique_ptr<FlippedNSView> picker(PresetPickers::createShapePicker());
    EXPECT_EQ(picker->size(), QSize(500, 500));
    ASSERT_EQ(picker->findChildren<QPushButton*>().size(), 42);
    for (int row = 0; row < 6; ++row) {
        EXPECT_EQ(preset(*picker, row * 7)->geometry(), QRect(5, 75 * row, 70, 70)) << row;
        EXPECT_EQ(preset(*picker, row * 7 + 3)->geometry(), QRect(224, 75 * row, 70, 52)) << row;
        EXPECT_EQ(preset(*picker, row * 7 + 6)->geometry(), QRect(443, 75 * row, 7, 70)) << row;
    }
    EXPECT_EQ(preset(*picker, 41)->geometry().topLeft(), QPoint(443, 375));
}

TEST_F(PresetPickersTest, TextBoxPresetsStackDownThePicker)
{
    std::unique_ptr<FlippedNSView> picker(PresetPickers::createTextViewPicker());
    EXPECT_EQ(picker->size(), QSize(400, 480));
    EXPECT_EQ(preset(*picker, 0)->geometry(), QRect(0, 5, 400, 42));
    EXPECT_EQ(preset(*picker, 9)->geometry(), QRect(0, 428, 400, 42));
    EXPECT_EQ(preset(*picker, 9)->text(), QStringLiteral("Style 9"));
    // Presets past the tenth lie below the visible area.
    EXPECT_GT(preset(*picker, 10)->geometry().bottom(), 480);
}

TEST_F(PresetPickersTest, ChoosingAPresetClosesTheSheetBeforeTheObjectIsAdded)
{
    const struct {
        void (SKTWindowController::*open)();
        int tag;
    } cases[] = {{&SKTWindowController::showShapePopOver, 9}, {&SKTWindowController::showTextViewPopOver, 2}};
    for (const auto& c : cases) {
        SKTWindowController& window = openWindow();
        (window.*c.open)();
        FloatWindowController* sheet = panel(window).floatWindowController();
        ASSERT_NE(sheet, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(sheet));
        qsizetype countWhenClosed = -1;
        QObject::connect(sheet, &QDialog::finished, sheet,
                         [&] { countWhenClosed = window.document()->graphics().size(); });
        QTest::mouseClick(preset(*sheet->mainView(), c.tag), Qt::LeftButton);
        EXPECT_EQ(countWhenClosed, 0);
        EXPECT_FALSE(sheet->isVisible());
        ASSERT_EQ(window.document()->graphics().size(), 1);
        EXPECT_NE(std::dynamic_pointer_cast<SKTText>(window.document()->graphics().first()), nullptr);
    }
}

TEST_F(PresetPickersTest, ThePrintLayoutSheetLendsTheProductsPopUpAndShowsTheCurrentTemplate)
{
    ProductProfile& profile = DataCentre::mutableProfile();
    profile.productDisplayName = QStringLiteral("Blue Skellow Envelope Designer");
    for (const char* description : {"Envelope #10 4.125\" x 9.5\"", "Envelope A7 5.25\" x 7.25\""}) {
        auto entry = std::make_shared<LabelTemplateHelper>();
        entry->setTemplateDescription(QString::fromUtf8(description));
        profile.printTemplateList.append(entry);
    }
    SKTWindowController& window = openWindow();
    window.document()->setLabelTemplateHelper(
        std::make_shared<LabelTemplateHelper>(*profile.printTemplateList.at(1)));
    Q_EMIT window.setupPrintLayoutView();
    FloatWindowController* sheet = panel(window).floatWindowController();
    ASSERT_NE(sheet, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(sheet));
    auto* envelope =
        sheet->mainView()->findChild<QComboBox*>(QStringLiteral("blueSkellowEnvelopePopupButton"));
    ASSERT_NE(envelope, nullptr);
    EXPECT_TRUE(envelope->isVisible());
    EXPECT_EQ(envelope->geometry(), QRect(10, 0, 280, 50));
    EXPECT_EQ(envelope->currentIndex(), 1);
    auto* cards =
        sheet->mainView()->findChild<QComboBox*>(QStringLiteral("quorvikBusinessCardDesignerPopupButton"));
    ASSERT_NE(cards, nullptr);
    EXPECT_FALSE(cards->isVisible());
    // The pop-ups go back to the window when the sheet ends.
    QTest::mouseClick(sheet->cancelButton(), Qt::LeftButton);
    EXPECT_EQ(envelope->parentWidget(), &window);
    EXPECT_EQ(cards->parentWidget(), &window);
    EXPECT_EQ(window.templatePopups().size(), 7);
}

TEST_F(PresetPickersTest, BorderStylesDashTheOutline)
{
    const struct {
        const char* style;
        std::optional<QList<qreal>> pattern;
        qreal phase;
    } cases[] = {
        {"solid", QList<qreal>{}, 0},
        {"dashed", QList<qreal>{5, 5}, 5},
        {"dotted", QList<qreal>{3, 1}, 3},
        {"none", std::nullopt, 0},
        {"", std::nullopt, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.style);
        ShapeSelectionView preset(QRectF(0, 0, 70, 70));
        preset.setBorderStyle(QString::fromLatin1(c.style));
        preset.setBorderWidth(2);
        const std::optional<QPen> pen = preset.borderPen();
        ASSERT_EQ(pen.has_value(), c.pattern.has_value());
        if (!pen)
            continue;
        EXPECT_EQ(pen->widthF(), 2);
        if (c.pattern->isEmpty()) {
            EXPECT_EQ(pen->style(), Qt::SolidLine);
            continue;
        }
        // The pen counts in line widths: two points wide, the pattern is half as long in its units.
        QList<qreal> points;
        for (const qreal length : pen->dashPattern())
            points << length * pen->widthF();
        EXPECT_EQ(points, *c.pattern);
        EXPECT_DOUBLE_EQ(pen->dashOffset() * pen->widthF(), c.phase);
    }
}

TEST_F(PresetPickersTest, AFullRadiusOnASquarePresetDrawsACircle)
{
    ShapeSelectionView preset(QRectF(0, 0, 70, 70));
    preset.setCornerRadius(100);
    preset.setFillColor(QColor(0x8B, 0, 0));
    preset.setOpacity(1);
    preset.setIsDrawingFill(true);
    QImage image(70, 70, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    const QPainterPath path = preset.bezierPathForDrawing(painter);
    painter.end();
    EXPECT_EQ(path.boundingRect(), QRectF(0, 0, 70, 70));
    EXPECT_EQ(image.pixelColor(35, 35), QColor(0x8B, 0, 0));
    EXPECT_EQ(image.pixelColor(35, 1).alpha(), 255);
    // The corners of the square stay empty.
    EXPECT_EQ(image.pixelColor(3, 3).alpha(), 0);
    EXPECT_EQ(image.pixelColor(66, 66).alpha(), 0);
}

} // namespace
