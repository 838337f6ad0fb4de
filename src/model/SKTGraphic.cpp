#include "model/SKTGraphic.h"

#include "model/GraphicContext.h"
#include "model/GraphicPropertyTable.h"
#include "model/geometry/Handles.h"
#include "platform/StringsTable.h"

#include <QImage>

namespace GraphicValues {

bool same(const QString& stored, const QString& value)
{
    return stored == value && stored.isNull() == value.isNull();
}

bool same(const QRectF& stored, const QRectF& value)
{
    return stored.x() == value.x() && stored.y() == value.y() && stored.width() == value.width() &&
           stored.height() == value.height();
}

bool same(const QPointF& stored, const QPointF& value)
{
    return stored.x() == value.x() && stored.y() == value.y();
}

bool same(const QImage& stored, const QImage& value)
{
    return stored.cacheKey() == value.cacheKey();
}

} // namespace GraphicValues

SKTGraphic::SKTGraphic() = default;

SKTGraphic::~SKTGraphic() = default;

QString SKTGraphic::className() const
{
    return QStringLiteral("SKTGraphic");
}

std::shared_ptr<SKTGraphic> SKTGraphic::newGraphicOfSameKind() const
{
    return std::make_shared<SKTGraphic>();
}

std::shared_ptr<SKTGraphic> SKTGraphic::copy() const
{
    std::shared_ptr<SKTGraphic> graphic = newGraphicOfSameKind();
    graphic->m_bounds = m_bounds;
    graphic->m_drawingFill = m_drawingFill;
    graphic->m_fillColor = m_fillColor;
    graphic->m_drawingStroke = m_drawingStroke;
    graphic->m_strokeColor = m_strokeColor;
    graphic->m_strokeWidth = m_strokeWidth;
    return graphic;
}

void SKTGraphic::setBounds(const QRectF& bounds)
{
    storeValue(m_bounds, bounds, QStringLiteral("bounds"));
}

void SKTGraphic::setXPosition(double x)
{
    const QRectF r = bounds();
    setBounds(QRectF(x, r.y(), r.width(), r.height()));
}

void SKTGraphic::setYPosition(double y)
{
    const QRectF r = bounds();
    setBounds(QRectF(r.x(), y, r.width(), r.height()));
}

void SKTGraphic::setWidth(double width)
{
    const QRectF r = bounds();
    setBounds(QRectF(r.x(), r.y(), width, r.height()));
}

void SKTGraphic::setHeight(double height)
{
    const QRectF r = bounds();
    setBounds(QRectF(r.x(), r.y(), r.width(), height));
}

QSet<QString> SKTGraphic::keyPathsForValuesAffectingDrawingBounds() const
{
    return propertyTable().keysRedrawing(Redraw::Bounds);
}

QSet<QString> SKTGraphic::keyPathsForValuesAffectingDrawingContents() const
{
    return propertyTable().keysRedrawing(Redraw::Contents);
}

bool SKTGraphic::announcesEverySet(const QString& key)
{
    // Setting the bounds to themselves is how a graphic asks the canvas to redraw it and how a text box
    // re-measures its text, so that set is heard although nothing moved. The undo records nothing for it:
    // it compares the values.
    return key == QLatin1String("bounds");
}

void SKTGraphic::didChangeValueForKey(const QString& key)
{
    Q_EMIT valueChanged(key);
    // The four views of the bounds have no notification of their own: they change exactly with "bounds".
    if (key == QLatin1String("bounds")) {
        static const QString views[] = {QStringLiteral("xPosition"), QStringLiteral("yPosition"),
                                        QStringLiteral("width"), QStringLiteral("height")};
        for (const QString& view : views)
            Q_EMIT valueChanged(view);
    }
    const GraphicProperty* row = propertyTable().find(key);
    if (row && row->redraw == Redraw::Bounds)
        Q_EMIT valueChanged(QStringLiteral("drawingBounds"));
    if (row && row->redraw == Redraw::Contents)
        Q_EMIT valueChanged(QStringLiteral("drawingContents"));
}

QString SKTGraphic::presentablePropertyNameForKey(const QString& key) const
{
    const GraphicProperty* row = propertyTable().find(key);
    if (!row || !row->undoName)
        return {};
    return StringsTable::localizedString(QString::fromLatin1(row->undoName), QString(),
                                         QStringLiteral("UndoStrings"));
}

QSet<QString> SKTGraphic::keysForValuesToObserveForUndo() const
{
    return propertyTable().watchedKeys();
}

QVariant SKTGraphic::valueForKey(const QString& key) const
{
    const GraphicProperty* row = propertyTable().find(key);
    return row && row->get ? row->get(*this) : QVariant();
}

void SKTGraphic::setValueForKey(const QString& key, const QVariant& value)
{
    const GraphicProperty* row = propertyTable().find(key);
    if (row && row->set)
        row->set(*this, value);
}

void SKTGraphic::setValuesForKeysWithDictionary(const QVariantMap& values)
{
    for (auto it = values.constBegin(); it != values.constEnd(); ++it)
        setValueForKey(it.key(), it.value());
}

QString SKTGraphic::description()
{
    return GraphicProperties::description(properties());
}

GraphicContext* SKTGraphic::graphicContext() const
{
    return m_documentContext ? m_documentContext : GraphicContext::current();
}

float SKTGraphic::handleScale() const
{
    const GraphicContext* context = graphicContext();
    return context ? context->handleScale() : Handles::canvasScale();
}

QString SKTGraphic::getNextImageName() const
{
    const GraphicContext* context = graphicContext();
    return context ? context->grabNextImageName() : QString();
}

QString SKTGraphic::getCurrentDocPath() const
{
    const GraphicContext* context = graphicContext();
    return context ? context->grabCurrentDocPath() : QString();
}

QPointF SKTGraphic::getLastTouchPoint() const
{
    const GraphicContext* context = graphicContext();
    return context ? context->grabLastTouchPoint() : QPointF();
}
