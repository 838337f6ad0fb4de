#include "CanvasTestSupport.h"

#include "model/SKTGrid.h"

#include <cmath>

namespace {

const QColor kGreen(0, 255, 0);
const QColor kCheckerGrey(204, 204, 204);

class SKTGraphicViewDrawingTest : public CanvasTest {
protected:
    void SetUp() override
    {
        CanvasTest::SetUp();
        setPage(QStringLiteral("00FF00"), kGreen);
    }

    void setPage(const QString& hexString, const QColor& color)
    {
        view->setPageColorHexString(hexString);
        view->setPageColor(color);
    }

    static bool isWhite(const QImage& picture, int x, int y) { return picture.pixelColor(x, y) == Qt::white; }
};

TEST_F(SKTGraphicViewDrawingTest, ATransparentPageShowsWhatTheProductAllows)
{
    const QColor clear(0, 0, 0, 0);
    const struct {
        bool allowed, clearBackground;
        const char* hexString;
        QColor first, second; // at (5, 5) and (15, 5): two tiles of the checkerboard
    } cases[] = {
        {true, false, "CLEAR0", Qt::white, kCheckerGrey},
        {true, true, "CLEAR0", clear, clear},
        {false, false, "CLEAR0", Qt::white, Qt::white},
        {false, true, "CLEAR0", Qt::white, Qt::white},
        {true, false, "336699", QColor(0x33, 0x66, 0x99), QColor(0x33, 0x66, 0x99)},
    };
    DataCentre::mutableProfile().productDisplayName = QStringLiteral("HTML Velk Pro");
    for (const auto& c : cases) {
        DataCentre::mutableProfile().transparentBackgroundAllowed = c.allowed;
        view->setClearBackground(c.clearBackground);
        setPage(QString::fromLatin1(c.hexString), QColor(0x33, 0x66, 0x99));
        const QImage picture = grabbed();
        const auto where = [&] {
            return testing::Message()
                   << c.hexString << " allowed " << c.allowed << " clear " << c.clearBackground;
        };
        EXPECT_EQ(picture.pixelColor(5, 5).rgba(), c.first.rgba()) << where();
        EXPECT_EQ(picture.pixelColor(15, 5).rgba(), c.second.rgba()) << where();
    }
}

TEST_F(SKTGraphicViewDrawingTest, TheCheckerboardStartsAtTheCanvasOnlyForTheWebsiteDesigner)
{
    // The canvas stands at (7, 13) in a window 300 high; the product's canvas is 250 high.
    const struct {
        const char* product;
        QPoint origin;
    } cases[] = {
        {"HTML Velk Pro", {0, 0}},
        {"Folder Size Ombrel", {-7, 300 - 250 - 13}},
    };
    QWidget window;
    window.resize(400, 300);
    view->setParent(&window);
    view->move(7, 13);
    ProductProfile& profile = DataCentre::mutableProfile();
    profile.transparentBackgroundAllowed = true;
    profile.canvasHeight = 250;
    setPage(QStringLiteral("CLEAR0"), Qt::white);
    for (const auto& c : cases) {
        profile.productDisplayName = QString::fromLatin1(c.product);
        const QImage picture = grabbed();
        int mismatches = 0;
        for (int y = 0; y < 100; y += 3) {
            for (int x = 0; x < 100; x += 3) {
                const int tiles =
                    int(std::floor((x - c.origin.x()) / 10.0) + std::floor((y - c.origin.y()) / 10.0));
                const QColor expected = tiles % 2 == 0 ? QColor(Qt::white) : kCheckerGrey;
                mismatches += picture.pixelColor(x, y) != expected;
            }
        }
        EXPECT_EQ(mismatches, 0) << c.product;
    }
    view->setParent(nullptr);
}

TEST_F(SKTGraphicViewDrawingTest, TheFrontGraphicCoversTheHandlesOfASelectedGraphicBehindIt)
{
    addShape(QStringLiteral("front"), QRectF(100, 100, 100, 100), Qt::red);
    addShape(QStringLiteral("behind"), QRectF(40, 40, 100, 100), Qt::blue);
    selection.changeSelectionIndexes({1});

    const QImage picture = grabbed();

    EXPECT_EQ(picture.pixelColor(120, 120), QColor(Qt::red));
    EXPECT_TRUE(isWhite(picture, 40, 37)) << "upper left handle";
    EXPECT_TRUE(isWhite(picture, 140, 37)) << "upper right handle";
    EXPECT_EQ(picture.pixelColor(140, 137), QColor(Qt::red)) << "lower right handle, under the front graphic";
    EXPECT_EQ(drawLog, QStringList({QStringLiteral("behind"), QStringLiteral("front")}));
}

TEST_F(SKTGraphicViewDrawingTest, PausedDrawingShowsPageGridAndMarqueeButNoGraphicsOrHandles)
{
    SKTGrid grid;
    grid.setAlwaysShown(true);
    grid.setSpacing(50);
    grid.setColor(Qt::black);
    view->setGrid(&grid);
    addShape(QStringLiteral("shape"), QRectF(40, 40, 100, 100));
    selection.changeSelectionIndexes({0});
    view->setMarqueeSelectionBounds(QRectF(213, 23, 60, 60));
    view->setPauseDrawGraphicFlag(true);

    const QImage picture = grabbed();

    EXPECT_TRUE(drawLog.isEmpty());
    EXPECT_EQ(picture.pixelColor(120, 120), kGreen) << "no graphic";
    EXPECT_EQ(picture.pixelColor(40, 37), kGreen) << "no handle";
    EXPECT_TRUE(picture.pixelColor(49, 25) != kGreen || picture.pixelColor(50, 25) != kGreen) << "grid line";
    EXPECT_NE(picture.pixelColor(213, 40), kGreen) << "marquee";
    EXPECT_EQ(picture.pixelColor(214, 40), kGreen) << "the marquee is a frame";

    view->setMarqueeSelectionBounds(QRectF());
    EXPECT_EQ(grabbed().pixelColor(213, 40), kGreen);
}

TEST_F(SKTGraphicViewDrawingTest, HandlesKeepTheirScreenSizeAtEveryScale)
{
    addShape(QStringLiteral("shape"), QRectF(100, 100, 200, 100), Qt::blue);
    selection.changeSelectionIndexes({0});
    for (double scale : {1.0, 0.5, 2.0}) {
        view->setCanvasScale(scale);
        const QImage picture = grabbed();
        const int x = int(100 * scale), y = int(100 * scale);
        EXPECT_TRUE(isWhite(picture, x, y - 3)) << "inside the handle at scale " << scale;
        EXPECT_EQ(picture.pixelColor(x, y - 7), kGreen) << "beyond the handle at scale " << scale;
    }
}

TEST_F(SKTGraphicViewDrawingTest, HiddenHandlesAreNotDrawn)
{
    addShape(QStringLiteral("shape"), QRectF(100, 100, 200, 100), Qt::blue);
    selection.changeSelectionIndexes({0});
    view->setHidingHandles(true);
    EXPECT_EQ(grabbed().pixelColor(100, 97), kGreen);
    view->setHidingHandles(false);
    EXPECT_TRUE(isWhite(grabbed(), 100, 97));
}

TEST_F(SKTGraphicViewDrawingTest, EachGraphicIsClippedToItsDrawingBounds)
{
    // The drawing bounds reach 7 points beyond the bounds, the shape 40.
    addShape(QStringLiteral("shape"), QRectF(100, 100, 50, 50), Qt::blue)->reach = 40;
    const QImage picture = grabbed();
    EXPECT_EQ(picture.pixelColor(95, 120), QColor(Qt::blue));
    EXPECT_EQ(picture.pixelColor(91, 120), kGreen);
    EXPECT_EQ(picture.pixelColor(160, 120), kGreen);
}

TEST_F(SKTGraphicViewDrawingTest, TheGraphicEditedInPlaceIsDrawnAsEditedWithoutHandles)
{
    const auto shape = addShape(QStringLiteral("shape"), QRectF(100, 100, 100, 50), Qt::blue);
    shape->editable = true;
    selection.changeSelectionIndexes({0});

    view->startEditingGraphic(shape);
    QImage picture = grabbed();
    EXPECT_TRUE(shape->lastDrawnBeingEdited);
    EXPECT_EQ(picture.pixelColor(100, 97), kGreen) << "no handle";

    view->stopEditing();
    picture = grabbed();
    EXPECT_FALSE(shape->lastDrawnBeingEdited);
    EXPECT_TRUE(isWhite(picture, 100, 97));
}

} // namespace
