#include "GeometryTestSupport.h"

#include "model/SKTLine.h"
#include "model/drawing/DrawingView.h"
#include "model/drawing/ShadowPainter.h"
#include "model/geometry/Handles.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QPainterPath>
#include <QPen>

namespace {

// Red, or red blended half into white at a smooth edge.
bool isRed(QRgb p)
{
    return qRed(p) > 200 && qGreen(p) < 200 && qGreen(p) == qBlue(p);
}
// The red ring of a handle centred on p, looked for just left of the handle, below its centre line.
bool redRingAt(const QImage& image, const QPointF& p)
{
    for (int x = int(p.x()) - 7; x <= int(p.x()) - 3; ++x) {
        if (isRed(image.pixel(x, int(p.y()) + 2)))
            return true;
    }
    return false;
}
bool isShadowGrey(QRgb p)
{
    return qRed(p) < 230 && qRed(p) == qGreen(p) && qGreen(p) == qBlue(p);
}

TEST(ShadowPainterTest, AVisibleShadowIsCastUnderEachFillAndOffsetDownForAPositiveLift)
{
    QImage image = whiteImage(100, 100);
    {
        QPainter painter(&image);
        ShadowPainter shadowed(painter);
        QPainterPath square;
        square.addRect(QRectF(20, 20, 30, 30));
        shadowed.setShadow({QColor(0, 0, 0, 255), 0.0, QPointF(10, -10)});
        shadowed.fillPath(square, Qt::blue);
    }
    EXPECT_EQ(image.pixel(30, 30), qRgb(0, 0, 255)) << "the fill on top";
    EXPECT_EQ(image.pixel(55, 55), qRgb(0, 0, 0)) << "the shadow, 10 right and 10 down";
    EXPECT_TRUE(isWhite(image, 15, 15)) << "no shadow above the fill";
}

TEST(ShadowPainterTest, ABlurredShadowFadesOutAndSaveRestoreKeepsIt)
{
    QImage image = whiteImage(100, 100);
    {
        QPainter painter(&image);
        ShadowPainter shadowed(painter);
        shadowed.setShadow({Qt::black, 6.0, QPointF(0, 0)});
        shadowed.save();
        shadowed.setShadow(Shadow::none());
        shadowed.restore();
        EXPECT_TRUE(shadowed.shadow().isVisible());
        QPainterPath square;
        square.addRect(QRectF(30, 30, 40, 40));
        shadowed.fillPath(square, Qt::white);
    }
    // Just outside the white square the blur leaves grey that grows lighter further out.
    const int near = qRed(image.pixel(71, 50));
    const int far = qRed(image.pixel(76, 50));
    EXPECT_LT(near, far);
    EXPECT_LT(near, 230);
    EXPECT_TRUE(isWhite(image, 95, 50));
    EXPECT_EQ(image.pixel(50, 50), qRgb(255, 255, 255));
}

TEST(ShadowPainterTest, NoShadowDrawsOnlyTheShape)
{
    QImage image = whiteImage(60, 60);
    {
        QPainter painter(&image);
        ShadowPainter plain(painter);
        QPainterPath line;
        line.moveTo(10, 30);
        line.lineTo(50, 30);
        plain.strokePath(line, QPen(Qt::black, 4));
    }
    EXPECT_EQ(image.pixel(30, 30), qRgb(0, 0, 0));
    EXPECT_TRUE(isWhite(image, 30, 36));
}

TEST(GraphicDrawingTest, ALineWithItsShadowAndHandlesShowsAllThree)
{
    ScopedProfile profile;
    profile->canvasScale = 0.5f; // handles 20 points wide
    auto line = std::make_shared<SKTLine>();
    line->setBounds(QRectF(20, 40, 60, 0));
    line->setPointsRight(true);
    line->setBorderStyle(QStringLiteral("solid"));
    line->setBorderWidth(4);
    line->setBorderColor(Qt::blue);

    QImage image = whiteImage(100, 100);
    {
        QPainter painter(&image);
        DrawingView view(painter);
        view.setShadow({QColor(0, 0, 0, 128), 0.0, QPointF(0, -12)});
        line->drawContentsInView(view, false);
        line->drawHandlesInView(view);
    }
    // The border colour along the line.
    EXPECT_EQ(image.pixel(50, 40), qRgb(0, 0, 255));
    // Its shadow 12 below.
    EXPECT_TRUE(isShadowGrey(image.pixel(50, 52))) << std::hex << image.pixel(50, 52);
    // The handles: white inside a red ring at each end point, and no shadow under them.
    EXPECT_EQ(image.pixel(20, 40), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(80, 40), qRgb(255, 255, 255));
    bool ring = false;
    for (int x = 6; x <= 12; ++x)
        ring = ring || isRed(image.pixel(x, 40));
    EXPECT_TRUE(ring) << "red edge of the begin handle";
    EXPECT_TRUE(isWhite(image, 14, 58)) << "the handle casts no shadow";
}

// Draws the handles of a selected box of (20, 20, 60, 40) into a white image.
QImage drawnHandles(SKTGraphic& graphic)
{
    QImage image = whiteImage(100, 100);
    QPainter painter(&image);
    DrawingView view(painter);
    graphic.drawHandlesInView(view);
    return image;
}

TEST(GraphicDrawingTest, HandlesAndTheDashedOutlineOfABox)
{
    ScopedProfile profile;
    auto box = placedGraphic(QRectF(20, 20, 60, 40));
    const QImage image = drawnHandles(*box);
    for (int handle = Handles::kFirst; handle <= Handles::kLast; ++handle) {
        const QPointF p = Handles::point(box->bounds(), handle);
        EXPECT_EQ(image.pixel(int(p.x()) + 2, int(p.y()) + 2), qRgb(255, 255, 255)) << handle;
        EXPECT_TRUE(redRingAt(image, p)) << handle;
    }
    // The outline is dashed black: 7 on, 7 off along the top edge between the handles.
    int black = 0, white = 0;
    for (int x = 26; x < 44; ++x) {
        const QRgb p = image.pixel(x, 60);
        black += qRed(p) < 60 ? 1 : 0;
        white += p == qRgb(255, 255, 255) ? 1 : 0;
    }
    EXPECT_GT(black, 3);
    EXPECT_GT(white, 3);
}

TEST(GraphicDrawingTest, WhichHandlesAreDrawn)
{
    const struct {
        const char* name;
        bool responsive;
        bool selectable;
        const char* formType;
        bool middleSides, corners;
    } cases[] = {
        {"plain", false, true, "", true, true},
        {"responsive page", true, true, "", false, true},
        {"not selectable", false, false, "", false, false},
        {"radio button", false, true, "radio", false, false},
        {"check box", false, true, "checkbox", false, false},
    };
    for (const auto& c : cases) {
        ScopedProfile profile;
        profile->responsiveDesign = c.responsive;
        auto box = placedGraphic(QRectF(20, 20, 60, 40));
        box->setSelectable(c.selectable);
        box->setFormType(QString::fromLatin1(c.formType));
        const QImage image = drawnHandles(*box);
        EXPECT_EQ(redRingAt(image, QPointF(20, 40)), c.middleSides) << c.name;
        EXPECT_EQ(redRingAt(image, QPointF(20, 20)), c.corners) << c.name;
        bool outline = false;
        for (int x = 30; x <= 40; ++x)
            outline = outline || !isWhite(image, x, 20);
        EXPECT_EQ(outline, c.corners) << c.name << ": the outline";
    }
}

TEST(GraphicDrawingTest, ASectionHandleCarriesAGreenBar)
{
    ScopedProfile profile;
    auto section = placedSection(QRectF(0, 50, 100, 40), 1);
    const QImage image = drawnHandles(*section);
    EXPECT_EQ(image.pixel(30, 53), qRgb(0x22, 0x8B, 0x22)) << "inside the bar right of handle 1";
}

TEST(GraphicDrawingTest, CenterScanRectLinesUpWithDevicePixels)
{
    QImage image = whiteImage(10, 10);
    QPainter painter(&image);
    DrawingView view(painter);
    EXPECT_EQ(view.centerScanRect(QRectF(1.3, 1.6, 2.5, 2.2)), QRectF(1, 2, 3, 2));
    painter.scale(2, 2);
    EXPECT_EQ(view.centerScanRect(QRectF(1.3, 1.6, 2.5, 2.2)), QRectF(1.5, 1.5, 2.5, 2.5));
    EXPECT_TRUE(view.isFlipped());
}

} // namespace
