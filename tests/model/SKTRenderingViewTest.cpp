#include "model/GraphicError.h"
#include "model/SKTGraphic.h"
#include "model/drawing/DrawingView.h"
#include "model/rendering/SKTRenderingView.h"
#include "model/rendering/ScriptingColor.h"

#include <gtest/gtest.h>

#include <poppler-qt6.h>

#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <QPainterPath>

namespace {

// A graphic that fills its bounds with its fill colour.
class FilledShape : public SKTGraphic {
public:
    FilledShape(const QRectF& bounds, const QColor& color)
    {
        setBounds(bounds);
        setFillColor(color);
    }
    void drawContentsInView(DrawingView& view, bool) override
    {
        QPainterPath area;
        area.addRect(bounds());
        view.fillPath(area, QBrush(fillColor()));
    }
};

QImage tiffPicture(const QByteArray& data)
{
    QBuffer buffer;
    buffer.setData(data);
    QImageReader reader(&buffer, "tiff");
    return reader.read();
}

// Two overlapping squares: A (front-most, red) over B (blue), each 40 points, B 20 points down and right.
class RenderingTest : public ::testing::Test {
protected:
    std::shared_ptr<FilledShape> a = std::make_shared<FilledShape>(QRectF(100, 50, 40, 40), Qt::red);
    std::shared_ptr<FilledShape> b = std::make_shared<FilledShape>(QRectF(120, 70, 40, 40), Qt::blue);
    GraphicList graphics{a, b};
    QRectF frame() const { return SKTGraphic::drawingBoundsOfGraphics(graphics); }
};

} // namespace

TEST_F(RenderingTest, TiffDrawsTheFirstGraphicOverTheOthersOnATransparentPicture)
{
    GraphicError error;
    const QImage picture = tiffPicture(SKTRenderingView::tiffDataWithGraphics(graphics, &error));
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(error.code, 0);
    const QRectF f = frame();
    EXPECT_EQ(picture.size(), f.size().toSize());
    const auto at = [&](double x, double y) { return picture.pixelColor(QPointF(x, y).toPoint() - f.topLeft().toPoint()); };
    EXPECT_EQ(at(130, 80), QColor(Qt::red)) << "A covers B where they overlap";
    EXPECT_EQ(at(150, 100), QColor(Qt::blue));
    EXPECT_EQ(at(150, 55).alpha(), 0) << "no background";
}

TEST(RenderingEmptyTest, NoGraphicsGiveNoTiffButErrorThreeAndNoPdf)
{
    GraphicError error;
    EXPECT_TRUE(SKTRenderingView::tiffDataWithGraphics({}, &error).isEmpty());
    EXPECT_EQ(error.code, 3);
    EXPECT_EQ(error.domain, kGraphicErrorDomain);
    EXPECT_FALSE(error.localizedDescription.isEmpty());
    EXPECT_TRUE(SKTRenderingView::tiffDataWithGraphics({}).isEmpty()) << "no error slot is fine";
    EXPECT_TRUE(SKTRenderingView::pdfDataWithGraphics({}).isEmpty());
}

TEST_F(RenderingTest, PdfIsOnePageOfTheDrawingBoundsWithTheFirstGraphicOnTop)
{
    const QByteArray data = SKTRenderingView::pdfDataWithGraphics(graphics);
    const std::unique_ptr<Poppler::Document> pdf = Poppler::Document::loadFromData(data);
    ASSERT_TRUE(pdf && !pdf->isLocked());
    ASSERT_EQ(pdf->numPages(), 1);
    const std::unique_ptr<Poppler::Page> page = pdf->page(0);
    const QRectF f = frame();
    EXPECT_NEAR(page->pageSizeF().width(), f.width(), 1.0);
    EXPECT_NEAR(page->pageSizeF().height(), f.height(), 1.0);
    const QImage picture = page->renderToImage(72, 72);
    const auto at = [&](double x, double y) { return picture.pixelColor(QPointF(x - f.x(), y - f.y()).toPoint()); };
    EXPECT_EQ(at(130, 80), QColor(Qt::red));
    EXPECT_EQ(at(150, 100), QColor(Qt::blue));
    EXPECT_EQ(at(150, 55), QColor(Qt::white)) << "the page is white where nothing draws";
}

TEST_F(RenderingTest, DrawRectSkipsGraphicsOutsideTheRectangle)
{
    const SKTRenderingView view(frame(), graphics);
    QImage picture(200, 200, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    DrawingView drawing(painter);
    // The rectangle meets only B's drawing bounds, far from A's.
    drawing.painter().setClipRect(QRectF(0, 0, 200, 200));
    view.drawRect(drawing, QRectF(155, 105, 5, 5));
    painter.end();
    EXPECT_EQ(picture.pixelColor(150, 100), QColor(Qt::blue));
    EXPECT_EQ(picture.pixelColor(110, 60).alpha(), 0) << "A lies outside the rectangle and is not drawn";
}

TEST(ScriptingColorTest, ConvertsColoursToAndFromTheirScriptingForm)
{
    const ScriptingDescriptor magenta = ScriptingColor::scriptingRGBColorDescriptor(QColor::fromRgbF(1, 0, 1));
    const auto* components = reinterpret_cast<const quint16*>(magenta.data.constData());
    ASSERT_EQ(magenta.data.size(), 6);
    EXPECT_EQ(components[0], 65535);
    EXPECT_EQ(components[1], 0);
    EXPECT_EQ(components[2], 65535);

    const ScriptingDescriptor white{ScriptingColor::kRGBColorType, QByteArray(6, char(0xFF))};
    EXPECT_EQ(ScriptingColor::scriptingRGBColorWithDescriptor(white), QColor(Qt::white));
    EXPECT_FALSE(ScriptingColor::scriptingRGBColorWithDescriptor({ScriptingColor::kRGBColorType, QByteArray(4, 0)}));
    EXPECT_FALSE(ScriptingColor::scriptingRGBColorWithDescriptor({0, QByteArray(6, 0)}));
}
