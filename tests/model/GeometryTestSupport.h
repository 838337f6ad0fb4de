#pragma once

#include "support/LogCapture.h"

#include "model/GraphicContext.h"
#include "model/PlainGraphicContext.h"
#include "model/SKTGraphic.h"
#include "profile/DataCentre.h"

#include <QImage>
#include <QRectF>
#include <QStringList>
#include <QtMessageHandler>

#include <memory>

// A graphic (of no particular kind unless named), placed and selectable, as the canvas holds them.
template <class Graphic = SKTGraphic>
std::shared_ptr<Graphic> placedGraphic(const QRectF& bounds, int sectionNumber = -99)
{
    auto graphic = std::make_shared<Graphic>();
    graphic->setBounds(bounds);
    graphic->setSelectable(true);
    graphic->setSectionNumber(sectionNumber);
    return graphic;
}

// A kind that holds a grid, like a table: a section container when its grid type says so.
class TestGrid : public SKTGraphic {
public:
    QString className() const override { return QStringLiteral("SKTTable"); }
    QString gridType() const override { return m_gridType; }
    void setGridType(const QString& type) { m_gridType = type; }

private:
    QString m_gridType;
};

inline std::shared_ptr<TestGrid> placedSection(const QRectF& bounds, int sectionNumber,
                                               const QString& gridType = QStringLiteral("section"))
{
    auto section = placedGraphic<TestGrid>(bounds, sectionNumber);
    section->setGridType(gridType);
    return section;
}

// A picture kind: the resize rule keeps its proportions and asks for its source picture.
class TestImage : public SKTGraphic {
public:
    QString className() const override { return QStringLiteral("SKTImage"); }
    QSizeF inputImageSize() const override { return pictureSize; }
    void updateOriginalRect() override { ++originalRectUpdates; }
    void flipHorizontally() override { ++horizontalFlips; }
    void flipVertically() override { ++verticalFlips; }

    QSizeF pictureSize;
    int originalRectUpdates = 0;
    int horizontalFlips = 0;
    int verticalFlips = 0;
};

// The canvas stand-in of the tests: the plain context, which also counts the requests that only a real
// canvas can carry out.
class RecordingContext : public PlainGraphicContext {
public:
    RecordingContext() { GraphicContext::setCurrent(this); }
    ~RecordingContext() override { GraphicContext::setCurrent(nullptr); }

    void isObjectStillInSameSectionGrid(SKTGraphic& graphic, const QPointF& point) override
    {
        requests << QStringLiteral("isObjectStillInSameSectionGrid");
        lastGraphic = &graphic;
        lastPoint = point;
    }
    void reAlignFormOptions() override { requests << QStringLiteral("reAlignFormOptions"); }
    void reAlignSectionObjects(SKTGraphic& section) override
    {
        requests << QStringLiteral("reAlignSectionObjects");
        lastGraphic = &section;
    }
    void refreshColorButtons() override { requests << QStringLiteral("refreshColorButtons"); }
    void refreshInspectorPanel() override { requests << QStringLiteral("refreshInspectorPanel"); }

    QStringList requests;
    SKTGraphic* lastGraphic = nullptr;
    QPointF lastPoint;
};

// Gives each test the product profile it sets up and puts the previous one back afterwards.
class ScopedProfile {
public:
    ScopedProfile()
        : m_saved(DataCentre::profile())
    {
        DataCentre::resetProfile();
        DataCentre::mutableProfile().canvasScale = 1.0f;
        DataCentre::mutableProfile().selectionHandleLineWidth = 2.0f;
    }
    ~ScopedProfile() { DataCentre::mutableProfile() = m_saved; }
    ProductProfile* operator->() { return &DataCentre::mutableProfile(); }

private:
    ProductProfile m_saved;
};

// A white image to draw into, and a test of what landed on it.
inline QImage whiteImage(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return image;
}
inline bool isWhite(const QImage& image, int x, int y)
{
    return image.pixel(x, y) == qRgb(255, 255, 255);
}
