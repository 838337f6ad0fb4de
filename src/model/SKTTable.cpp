#include "model/SKTTable.h"

#include "model/GraphicPropertyTable.h"
#include "model/drawing/BezierPath.h"

namespace {

template <class List> List listOf(const QVariant* value)
{
    return value ? value->value<List>() : List();
}

} // namespace

QString SKTTable::className() const
{
    return QStringLiteral("SKTTable");
}

std::shared_ptr<SKTGraphic> SKTTable::newGraphicOfSameKind() const
{
    return std::make_shared<SKTTable>();
}

const GraphicPropertyTable& SKTTable::propertyTable() const
{
    using T = SKTTable;
    using namespace PropertyRows;
    static const GraphicPropertyTable table = [] {
        GraphicPropertyTable t = basePropertyTable();
        t << text<T>("gridType", &T::gridType, &T::setGridType, QStringLiteral("table"), Write::UnlessNone)
          << integer<T>("numOfRows", &T::numOfRows, &T::setNumOfRows, 0).redrawing(Redraw::Contents)
          << integer<T>("numOfColumns", &T::numOfColumns, &T::setNumOfColumns, 0).redrawing(Redraw::Contents)
          << integer<T>("padding", &T::padding, &T::setPadding, 0, Write::Never).redrawing(Redraw::Contents)
          << custom<T>("cellArray",
                       [](T& g, const QVariant* v) { g.setCellHelperArray(listOf<myTextViewList>(v)); }, {})
          << custom<T>("imageArray",
                       [](T& g, const QVariant* v) { g.setImageArray(listOf<TransformViewList>(v)); }, {})
                 .redrawing(Redraw::Contents)
          << custom<T>(
                 "tableBackgroundArray",
                 [](T& g, const QVariant* v) { g.setTableBackgroundArray(listOf<TransformViewList>(v)); },
                 {});
        return t;
    }();
    return table;
}

void SKTTable::setGridType(QString gridType)
{
    storeValue(m_gridType, std::move(gridType), QStringLiteral("gridType"));
}

void SKTTable::setCellHelperArray(const myTextViewList& cells)
{
    storeValue(m_cellHelperArray, cells, QStringLiteral("cellHelperArray"));
}

void SKTTable::setImageArray(const TransformViewList& images)
{
    storeValue(m_imageArray, images, QStringLiteral("imageArray"));
}

void SKTTable::setTableBackgroundArray(const TransformViewList& backgrounds)
{
    storeValue(m_tableBackgroundArray, backgrounds, QStringLiteral("tableBackgroundArray"));
}

BezierPath SKTTable::bezierPathForDrawing(DrawingView*)
{
    BezierPath outline;
    outline.path.addRect(bounds());
    return outline;
}
