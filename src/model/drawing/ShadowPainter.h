#pragma once

#include <QColor>
#include <QList>
#include <QPointF>

#include <functional>

class QBrush;
class QImage;
class QPainter;
class QPainterPath;
class QPen;
class QRectF;

// A drop shadow as the drawing code sets it. The blur radius and the offset are in device-independent
// pixels and ignore the painter's scale and rotation; a positive vertical offset raises the shadow.
struct Shadow {
    QColor color;
    double blurRadius = 0.0;
    QPointF offset;

    // A shadow that draws nothing: clear, no blur, no offset.
    static Shadow none() { return {QColor(Qt::transparent), 0.0, QPointF()}; }
    bool isVisible() const { return color.isValid() && color.alpha() > 0; }
};

// A painter with a current shadow. QPainter keeps no shadow in its state, so every graphic draws its
// fills, strokes and pictures through here: while a visible shadow is set, each of them first casts it.
// save() and restore() keep the shadow together with the painter's own state.
class ShadowPainter {
public:
    explicit ShadowPainter(QPainter& painter);
    virtual ~ShadowPainter();

    QPainter& painter() const { return m_painter; }

    void setShadow(const Shadow& shadow) { m_shadow = shadow; }
    const Shadow& shadow() const { return m_shadow; }
    void save();
    void restore();

    void fillPath(const QPainterPath& path, const QBrush& brush);
    void strokePath(const QPainterPath& path, const QPen& pen);
    void drawImage(const QRectF& target, const QImage& image);
    // Anything else, such as laid-out text: `drawing` paints into the painter it is given, and `userBounds`
    // is the extent of what it paints.
    void draw(const QRectF& userBounds, const std::function<void(QPainter&)>& drawing);

private:
    // Draws the shape once into a layer, turns it into the shadow colour, blurs and offsets it, and lays
    // it under what is drawn next. `userBounds` is the shape's extent in the painter's coordinates.
    void castShadow(const QRectF& userBounds, const std::function<void(QPainter&)>& drawShape);

    QPainter& m_painter;
    Shadow m_shadow = Shadow::none();
    QList<Shadow> m_savedShadows;
};
