#include "InspectorTestSupport.h"

#include "inspector/color/ColorApplication.h"
#include "inspector/color/ColorModel.h"
#include "inspector/color/ColorSwatchPanel.h"
#include "model/ColorTarget.h"
#include "model/SKTImage.h"
#include "model/SKTLine.h"
#include "model/SKTTable.h"
#include "model/SKTText.h"
#include "window/pages/VelkNSButton.h"

#include <QPushButton>

namespace {

class ColorModelTest : public InspectorTest {
protected:
    void TearDown() override
    {
        ColorModel::setSelectedColorType(ColorTarget::ShapeFill);
        InspectorTest::TearDown();
    }

    static QStringList palette(int entries)
    {
        QStringList colours = {"CLEAR0"};
        for (int i = 1; i < entries; ++i)
            colours << QStringLiteral("%1%1%1").arg(i, 2, 16, QLatin1Char('0')).toUpper();
        return colours;
    }

    // Opens the swatches of the target's button and picks the swatch with the colour string.
    static void pick(SKTWindowController& window, int target, const QString& colorString)
    {
        ColorModel& colors = panel(window).colors();
        colors.showColorSelectorPopOver(colors.colorButton(target));
        for (VelkNSButton* swatch : colors.colorPanelSelectorView()->colorButtonMutableArray()) {
            if (swatch->buttonColorString() == colorString) {
                colors.pickedAColor(*swatch);
                return;
            }
        }
        ADD_FAILURE() << "no swatch " << colorString.toStdString();
    }
};

TEST_F(ColorModelTest, SwatchesRunTwentyToARowAndAPartialRowStillShows)
{
    ColorSwatchPanel forty(palette(40), false, QString());
    EXPECT_EQ(forty.size(), QSize(400, 40));
    ASSERT_EQ(forty.colorButtonMutableArray().size(), 40);
    for (int i : {0, 19, 20, 39})
        EXPECT_EQ(forty.colorButtonMutableArray().at(i)->geometry(), QRect((i % 20) * 20, (i / 20) * 20, 20, 20));

    ColorSwatchPanel few(palette(5), false, QStringLiteral("030303"));
    EXPECT_EQ(few.height(), 20);
    EXPECT_EQ(few.colorButtonMutableArray().size(), 5);
    EXPECT_TRUE(few.colorButtonMutableArray().at(3)->borderFlag());
    EXPECT_FALSE(few.colorButtonMutableArray().at(2)->borderFlag());
    EXPECT_EQ(ColorSwatchPanel(palette(41), false, QString()).height(), 60);
}

TEST_F(ColorModelTest, TheClearSwatchIsOfferedOnlyWhereTransparencyFits)
{
    DataCentre::mutableProfile().colorPalette = palette(3);
    SKTWindowController& window = openWindow();
    ColorModel& colors = panel(window).colors();
    for (const ColorTargetRow& row : colorTargetTable()) {
        colors.showColorSelectorPopOver(colors.colorButton(row.target));
        EXPECT_EQ(ColorModel::selectedColorType(), row.target);
        const bool disabled = row.target == ColorTarget::Text || row.target == ColorTarget::Border;
        EXPECT_EQ(colors.colorPanelSelectorView()->colorButtonMutableArray().first()->isEnabled(), !disabled)
            << row.popupTitle;
    }
}

TEST_F(ColorModelTest, PickingAppliesByTargetAndKind)
{
    auto text = std::make_shared<SKTText>();
    auto table = std::make_shared<SKTTable>();
    auto line = std::make_shared<SKTLine>();
    auto image = std::make_shared<SKTImage>();
    const GraphicList all = {text, table, line, image};

    EXPECT_EQ(ColorApplication::applyPickedColor(ColorTarget::Text, "CLEAR0", all), (GraphicList{text, table}));
    EXPECT_EQ(text->fontColor(), QColor(Qt::black));
    EXPECT_EQ(text->textHexColorString(), QStringLiteral("CLEAR0"));

    EXPECT_EQ(ColorApplication::applyPickedColor(ColorTarget::Border, "CLEAR0", all), all);
    EXPECT_EQ(line->borderColor(), QColor(Qt::black));
    EXPECT_EQ(image->borderHexColorString(), QStringLiteral("CLEAR0"));

    EXPECT_EQ(ColorApplication::applyPickedColor(ColorTarget::ShapeFill, "CLEAR0", all), (GraphicList{text, table}));
    EXPECT_EQ(text->fillColor().alpha(), 0);
    EXPECT_EQ(table->backgroundHexColorString(), QStringLiteral("CLEAR0"));

    EXPECT_EQ(ColorApplication::applyPickedColor(ColorTarget::HoverText, "00FF00", {line, text}), GraphicList{text});
    EXPECT_EQ(text->hoverTextColorString(), QStringLiteral("00FF00"));
    EXPECT_EQ(ColorApplication::applyPickedColor(ColorTarget::HoverBackground, "0000FF", all),
              (GraphicList{text, table}));
    EXPECT_EQ(table->hoverColorString(), QStringLiteral("0000FF"));
    // A target outside the table colours the fill.
    ColorApplication::applyPickedColor(9, "112233", {text});
    EXPECT_EQ(text->backgroundHexColorString(), QStringLiteral("112233"));
    EXPECT_TRUE(ColorApplication::applyPickedColor(ColorTarget::Canvas, "112233", all).isEmpty());
}

TEST_F(ColorModelTest, ASwatchColoursTheSelectionAndTheButtonsFollow)
{
    DataCentre::mutableProfile().colorPalette = {"CLEAR0", "FF0000", "336699"};
    SKTWindowController& window = openDocumentWindow();
    const auto box = addGraphic<SKTText>(window, QRectF(10, 10, 100, 40));
    window.graphicView()->changeSelectionIndexes({0});
    window.document()->setDocumentEdited(false);

    pick(window, ColorTarget::ShapeFill, "336699");
    EXPECT_EQ(box->backgroundHexColorString(), QStringLiteral("336699"));
    EXPECT_TRUE(window.document()->isDocumentEdited());
    QPushButton* shape = panel(window).colors().colorButton(ColorTarget::ShapeFill);
    EXPECT_EQ(shape->text(), QStringLiteral("336699"));
    // The fill is recorded for undo.
    window.document()->undoManager().undo();
    EXPECT_NE(box->fillColor(), QColor(0x33, 0x66, 0x99));

    pick(window, ColorTarget::Text, "CLEAR0");
    EXPECT_EQ(box->textHexColorString(), QStringLiteral("CLEAR0"));
    EXPECT_EQ(box->fontColor(), QColor(Qt::black));
}

TEST_F(ColorModelTest, TheCanvasTargetSetsOnlyThePageColour)
{
    DataCentre::mutableProfile().colorPalette = {"CLEAR0", "FF0000", "336699"};
    SKTWindowController& window = openWindow();
    const auto box = addGraphic<SKTText>(window, QRectF(10, 10, 100, 40));
    window.graphicView()->changeSelectionIndexes({0});
    const QString fill = box->backgroundHexColorString();

    pick(window, ColorTarget::Canvas, "FF0000");
    EXPECT_EQ(window.getDocumentColorHexString(), QStringLiteral("FF0000"));
    EXPECT_EQ(window.getDocumentColor().color(), QColor(Qt::red));
    EXPECT_EQ(box->backgroundHexColorString(), fill);
    EXPECT_EQ(panel(window).colors().colorButton(ColorTarget::Canvas)->text(), QStringLiteral("FF0000"));

    pick(window, ColorTarget::Canvas, "CLEAR0");
    QPushButton* canvas = panel(window).colors().colorButton(ColorTarget::Canvas);
    EXPECT_EQ(canvas->text(), QStringLiteral("Clear"));
    EXPECT_TRUE(canvas->styleSheet().contains(QStringLiteral("color: #000000")));
}

TEST_F(ColorModelTest, TheInvertedColourKeepsItsAlpha)
{
    EXPECT_EQ(ColorModel::returnInvertedColor(QColor(255, 0, 51, 128)), QColor(0, 255, 204, 128));
    ColorModel::setTypeOfColorFlag(QStringLiteral("Hover Text"));
    EXPECT_EQ(ColorModel::selectedColorType(), ColorTarget::HoverText);
    ColorModel::setTypeOfColorFlag(QStringLiteral("Nothing"));
    EXPECT_EQ(ColorModel::selectedColorType(), ColorTarget::HoverText);
}

} // namespace
