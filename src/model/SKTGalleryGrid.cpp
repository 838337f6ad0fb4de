#include "model/SKTGalleryGrid.h"

#include "model/GraphicPropertyTable.h"
#include "model/NoNumber.h"
#include "model/drawing/CaptionLabel.h"
#include "model/geometry/Rects.h"
#include "model/records/MTextView.h"

#include <cmath>

using namespace GraphicProperties;

namespace {

const QString kImageArrayKey = QStringLiteral("imageArray");
const QString kHint = QStringLiteral("Right click to edit gallery");
constexpr double kHintTop = 5;
constexpr double kInitialHintHeight = 40;

} // namespace

QString SKTGalleryGrid::className() const
{
    return QStringLiteral("SKTGalleryGrid");
}

std::shared_ptr<SKTGraphic> SKTGalleryGrid::newGraphicOfSameKind() const
{
    return std::make_shared<SKTGalleryGrid>();
}

// The grid and its pictures are read, never written: the gallery's own dictionary is the base one.
const GraphicPropertyTable& SKTGalleryGrid::propertyTable() const
{
    using G = SKTGalleryGrid;
    using namespace PropertyRows;
    static const GraphicPropertyTable table = [] {
        GraphicPropertyTable t = basePropertyTable();
        t.redraw(Redraw::Contents, {"shadowFlag"});
        t << integer<G>("numOfColumns", &G::numOfColumns, &G::setNumOfColumns, 0, Write::Never)
                 .redrawing(Redraw::Contents)
          << integer<G>("numOfRows", &G::numOfRows, &G::setNumOfRows, 0, Write::Never)
                 .redrawing(Redraw::Contents)
          << integer<G>("padding", &G::padding, &G::setPadding, 0, Write::Never).redrawing(Redraw::Contents)
          << custom<G>("imageArray",
                       [](G& g, const QVariant* v) {
                           g.setImageArray(v ? v->value<TransformViewList>() : TransformViewList());
                       },
                       {})
                 .accessedBy(&G::imageArray, &G::setImageArray)
                 .redrawing(Redraw::Contents);
        return t;
    }();
    return table;
}

bool SKTGalleryGrid::initWithProperties(const GraphicPropertyDictionary& properties)
{
    if (!SKTGraphic::initWithProperties(properties))
        return false;

    const QRectF b = bounds();
    m_textView = CaptionLabel::make(QRectF(b.x(), b.y() + kHintTop, b.width(), kInitialHintHeight), kHint);

    // The gallery sits where its pictures were placed on a responsive page.
    if (!m_imageArray.isEmpty() && m_imageArray.first()) {
        const TransformView& first = *m_imageArray.first();
        setResponsiveResizeFlag(first.responsiveResizeFlag());
        setResponsiveAlignment(first.responsiveAlignment());
        setSectionNumber(first.sectionNumber());
        setSectionRowSpot(first.sectionRowSpot());
        setSectionColumnSpot(first.sectionColumnSpot());
    }
    return true;
}

void SKTGalleryGrid::setImageArray(const TransformViewList& images)
{
    storeValue(m_imageArray, images, kImageArrayKey);
}

QRectF SKTGalleryGrid::cellRect(int row, int column) const
{
    const QRectF b = bounds();
    const double cellWidth = std::trunc(b.width() / m_numOfColumns);
    const double cellHeight = std::trunc(b.height() / m_numOfRows);
    return {std::trunc(b.x() + column * cellWidth), std::trunc(b.y() + row * cellHeight), cellWidth,
            cellHeight};
}

std::optional<SKTGalleryGrid::CellSpot> SKTGalleryGrid::spotAt(int x, int y) const
{
    if (!hasCells())
        return std::nullopt;
    const QPointF point(x, y);
    for (int column = 0; column < m_numOfColumns; ++column) {
        for (int row = 0; row < m_numOfRows; ++row) {
            if (Rects::pointIn(point, cellRect(row, column)))
                return CellSpot{row, column};
        }
    }
    return std::nullopt;
}

int SKTGalleryGrid::grabRowSpot(int x, int y) const
{
    const std::optional<CellSpot> spot = spotAt(x, y);
    return spot ? spot->row : kNoNumber;
}

int SKTGalleryGrid::grabColumnSpot(int x, int y) const
{
    const std::optional<CellSpot> spot = spotAt(x, y);
    return spot ? spot->column : kNoNumber;
}

std::shared_ptr<TransformView> SKTGalleryGrid::grabImageSelected(int x, int y) const
{
    const std::optional<CellSpot> spot = spotAt(x, y);
    return spot ? grabSelectedImageAtSpot(spot->row, spot->column) : nullptr;
}

std::shared_ptr<TransformView> SKTGalleryGrid::grabSelectedImageAtSpot(int row, int column) const
{
    for (const std::shared_ptr<TransformView>& picture : m_imageArray) {
        if (picture && picture->rowSpot() == row && picture->columnSpot() == column)
            return picture;
    }
    return nullptr;
}

bool SKTGalleryGrid::isSpotAlreadyPopulated(int row, int column) const
{
    return grabSelectedImageAtSpot(row, column) != nullptr;
}

SKTGalleryGrid::CellSpot SKTGalleryGrid::grabNextSpot(int row, int column) const
{
    if (column < m_numOfColumns - 1)
        return {row, column + 1};
    return {row + 1, 0};
}

int SKTGalleryGrid::grabMaxNumToAdd(const QPointF& point) const
{
    const std::optional<CellSpot> spot = spotAt(int(point.x()), int(point.y()));
    if (!spot)
        return 0;
    return m_numOfRows * m_numOfColumns - (spot->row * m_numOfColumns + spot->column);
}

void SKTGalleryGrid::addIntoImageArray(const std::shared_ptr<TransformView>& picture)
{
    if (!picture)
        return;
    if (const std::shared_ptr<TransformView> old =
            grabSelectedImageAtSpot(picture->rowSpot(), picture->columnSpot()))
        m_imageArray.removeOne(old);
    if (picture->rowSpot() != kNoNumber && picture->columnSpot() != kNoNumber)
        m_imageArray.append(picture);
    didChangeValueForKey(kImageArrayKey);
}

QRectF SKTGalleryGrid::grabTransformViewBounds(int x, int y) const
{
    const std::shared_ptr<TransformView> picture = grabImageSelected(x, y);
    return picture ? picture->galleryDimension() : QRectF();
}
