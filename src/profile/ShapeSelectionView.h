#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QPainterPath>
#include <QRectF>
#include <QString>

#include <optional>

class QPainter;
class QPen;

// The preview of one preset shape or text style. The profile keeps these as data; the inspector paints them.
class ShapeSelectionView {
public:
    explicit ShapeSelectionView(const QRectF& frame)
        : m_frame(frame)
    {}

    QRectF frame() const { return m_frame; }

    bool shadowFlag() const { return m_shadowFlag; }
    void setShadowFlag(bool flag) { m_shadowFlag = flag; }
    int cornerRadius() const { return m_cornerRadius; }
    void setCornerRadius(int radius) { m_cornerRadius = radius; }
    QString borderStyle() const { return m_borderStyle; }
    void setBorderStyle(const QString& style) { m_borderStyle = style; }
    QColor borderColor() const { return m_borderColor; }
    void setBorderColor(const QColor& color) { m_borderColor = color; }
    QColor fillColor() const { return m_fillColor; }
    void setFillColor(const QColor& color) { m_fillColor = color; }
    int borderWidth() const { return m_borderWidth; }
    void setBorderWidth(int width) { m_borderWidth = width; }
    float opacity() const { return m_opacity; }
    void setOpacity(float opacity) { m_opacity = opacity; }
    bool isDrawingFill() const { return m_isDrawingFill; }
    void setIsDrawingFill(bool drawing) { m_isDrawingFill = drawing; }
    QFont font() const { return m_font; }
    void setFont(const QFont& font) { m_font = font; }
    QColor textColor() const { return m_textColor; }
    void setTextColor(const QColor& color) { m_textColor = color; }
    QString textString() const { return m_textString; }
    void setTextString(const QString& text) { m_textString = text; }

    // ---- Drawing
    // A border's dashes in points, on and off in turn, and where the pattern starts; no dashes for a solid
    // border, none at all for a style that draws no border.
    struct Dashes {
        QList<qreal> pattern;
        qreal phase = 0;
    };
    static std::optional<Dashes> dashesForBorderStyle(const QString& style);
    // The pen of the preset's border; none when its style draws no border.
    std::optional<QPen> borderPen() const;
    // Paints the preset into the painter: its shadow, its border, then its fill over the inner half of the
    // border; answers the outline, a rounded rectangle over the preset's own bounds.
    QPainterPath bezierPathForDrawing(QPainter& painter) const;

private:
    QRectF m_frame;
    bool m_shadowFlag = false;
    int m_cornerRadius = 0;
    QString m_borderStyle;
    QColor m_borderColor;
    QColor m_fillColor;
    int m_borderWidth = 0;
    float m_opacity = 0.0f;
    bool m_isDrawingFill = false;
    QFont m_font;
    QColor m_textColor;
    QString m_textString;
};
