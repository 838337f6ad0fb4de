#include "GeometryTestSupport.h"

#include "model/GraphicKinds.h"
#include "model/SKTCircle.h"
#include "model/SKTLine.h"
#include "model/SKTRectangle.h"
#include "model/drawing/BezierPath.h"
#include "model/drawing/DrawingView.h"

#include <gtest/gtest.h>

#include <QCursor>
#include <QPainter>

#include <stdexcept>

namespace {

TEST(ShapesTest, TheThreeKindsAreKnownByName)
{
    for (const char* name : {"SKTLine", "SKTRectangle", "SKTCircle"}) {
        const auto graphic = GraphicKinds::make(QString::fromLatin1(name));
        ASSERT_TRUE(graphic) << name;
        EXPECT_EQ(graphic->className(), QString::fromLatin1(name));
        EXPECT_EQ(graphic->copy()->className(), QString::fromLatin1(name));
    }
}

TEST(ShapesTest, ACornerOfTheBoundsMissesACircleAndHitsARectangle)
{
    SKTCircle circle;
    SKTRectangle rectangle;
    for (SKTGraphic* shape : {static_cast<SKTGraphic*>(&circle), static_cast<SKTGraphic*>(&rectangle)})
        shape->setBounds(QRectF(20, 30, 100, 100));
    const struct {
        QPointF point;
        bool circleHit, rectangleHit;
    } cases[] = {
        {{21, 31}, false, true},   {{70, 80}, true, true},    {{21, 80}, true, true},
        {{119, 129}, false, true}, {{121, 80}, false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(circle.isContentsUnderPoint(c.point), c.circleHit) << c.point.x() << "," << c.point.y();
        EXPECT_EQ(rectangle.isContentsUnderPoint(c.point), c.rectangleHit)
            << c.point.x() << "," << c.point.y();
    }
}

TEST(ShapesTest, OutlinesCarryTheirLineWidth)
{
    SKTRectangle rectangle;
    rectangle.setBounds(QRectF(0, 0, 100, 60));
    rectangle.setCornerRadius(10);
    rectangle.setStrokeWidth(0);
    BezierPath outline = rectangle.bezierPathForDrawing();
    EXPECT_EQ(outline.lineWidth, BezierPath::kDefaultLineWidth);
    EXPECT_EQ(outline.path.boundingRect(), QRectF(0, 0, 100, 60));
    EXPECT_FALSE(outline.path.contains(QPointF(1, 1))) << "rounded corner";
    EXPECT_TRUE(outline.path.contains(QPointF(50, 1)));

    rectangle.setCornerRadius(0);
    rectangle.setStrokeWidth(3);
    outline = rectangle.bezierPathForDrawing();
    EXPECT_EQ(outline.lineWidth, 3);
    EXPECT_TRUE(outline.path.contains(QPointF(1, 1))) << "square corner";

    SKTCircle circle;
    circle.setBounds(QRectF(0, 0, 100, 60));
    circle.setStrokeWidth(0);
    EXPECT_EQ(circle.bezierPathForDrawing().lineWidth, 0);
}

TEST(ShapesTest, RectangleFieldsDoNotTravelOnThePasteboard)
{
    auto rectangle = std::make_shared<SKTRectangle>();
    rectangle->setBounds(QRectF(1, 2, 30, 40));
    rectangle->setBorderLine(QStringLiteral("solid"));
    rectangle->setTextLink(QStringLiteral("page2.html"));
    rectangle->setBorderRed(0.5f);
    const auto pasted =
        SKTGraphic::graphicsWithPasteboardData(SKTGraphic::pasteboardDataWithGraphics({rectangle}));
    ASSERT_TRUE(pasted && pasted->size() == 1);
    auto* copy = dynamic_cast<SKTRectangle*>(pasted->first().get());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->bounds(), QRectF(1, 2, 30, 40));
    EXPECT_TRUE(copy->borderLine().isNull());
    EXPECT_TRUE(copy->textLink().isNull());
    EXPECT_EQ(copy->BorderRed(), 0.0f);
}

TEST(ShapesTest, RectanglesAndCirclesDrawNoBody)
{
    SKTRectangle rectangle;
    rectangle.setBounds(QRectF(10, 10, 30, 30));
    rectangle.setDrawingFill(true);
    rectangle.setFillColor(Qt::red);
    QImage image = whiteImage(50, 50);
    {
        QPainter painter(&image);
        DrawingView view(painter);
        rectangle.drawContentsInView(view, false);
    }
    EXPECT_TRUE(isWhite(image, 25, 25));
}

TEST(ShapesTest, TheBaseClassHasNoOutline)
{
    SKTGraphic graphic;
    try {
        graphic.bezierPathForDrawing();
        FAIL() << "no exception";
    } catch (const std::logic_error& error) {
        EXPECT_STREQ(error.what(),
                     "Neither -drawContentsInView: nor -bezierPathForDrawing has been overridden.");
    }
}

TEST(ShapesTest, BaseDefaultsOfTheOverridableOperations)
{
    auto g = placedGraphic(QRectF(0, 0, 100, 50));
    EXPECT_TRUE(g->canSetDrawingFill());
    EXPECT_TRUE(g->canSetDrawingStroke());
    EXPECT_TRUE(g->canMakeNaturalSize());
    g->setBounds(QRectF(0, 0, 50, 50));
    EXPECT_FALSE(g->canMakeNaturalSize());
    EXPECT_EQ(g->newEditingViewWithSuperviewBounds(QRectF(0, 0, 500, 500)), nullptr);
    EXPECT_EQ(g->keysForValuesToObserveForUndo().size(), 6);

    g->setColor(Qt::green);
    EXPECT_TRUE(g->isDrawingFill());
    EXPECT_EQ(g->fillColor(), QColor(Qt::green));

    // Hit test: the right and bottom edges lie outside.
    EXPECT_TRUE(g->isContentsUnderPoint(QPointF(0, 0)));
    EXPECT_FALSE(g->isContentsUnderPoint(QPointF(50, 10)));
}

TEST(ShapesTest, TheCreationCursorIsTheCrossWithItsHotSpotInTheMiddle)
{
    const QCursor& cursor = SKTGraphic::creationCursor();
    EXPECT_EQ(&cursor, &SKTGraphic::creationCursor());
    EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
    EXPECT_EQ(cursor.hotSpot(), QPoint(cursor.pixmap().width() / 2, cursor.pixmap().height() / 2));
}

} // namespace
