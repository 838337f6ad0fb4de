#pragma once

#include <QColor>
#include <QObject>
#include <QPointF>
#include <QRectF>

class DrawingView;
class QTimer;

// The canvas grid: a square lattice that the canvas draws under the page objects and to which it snaps
// points and rectangles. Its spacing and its two flags persist in the user defaults. When it is not
// always shown, a change of spacing shows it for a second so the user sees the new lattice.
class SKTGrid : public QObject {
    Q_OBJECT

Q_SIGNALS:
    // Sent after a change of "color", "spacing", "alwaysShown" or "constraining", and for the keys that
    // depend on it: "any" (which the canvas watches to redraw), "usable", "canSetColor", "canSetSpacing".
    void valueChanged(const QString& key);

public:
    // Reads "gridSpacing", "drawGridFlag" and "snapGridFlag"; a product whose text boxes have a fixed
    // height always shows and snaps to a grid of that height instead.
    explicit SKTGrid(QObject* parent = nullptr);
    ~SKTGrid() override;

    QColor color() const { return m_color; }
    void setColor(const QColor& color);
    double spacing() const { return m_spacing; }
    // Stores the spacing in the user defaults, even when it is unchanged; a new usable spacing shows a
    // hidden grid for one second.
    void setSpacing(double spacing);
    bool isAlwaysShown() const { return m_alwaysShown; }
    void setAlwaysShown(bool alwaysShown);
    bool isConstraining() const { return m_constraining; }
    void setConstraining(bool constraining);

    bool isUsable() const { return m_spacing > 0; }
    bool canAlign() const { return isUsable(); }
    bool canSetColor() const { return m_alwaysShown && isUsable(); }
    bool canSetSpacing() const { return m_alwaysShown || m_constraining; }

    // The pending end of a temporary display; null when none.
    QTimer* hidingTimer() const { return m_hidingTimer; }
    // Ends a temporary display: the canvas redraws without the grid.
    void stopShowingGridForTimer(QTimer* timer);

    // The point moved to the nearest grid intersection while the grid is usable and constraining.
    QPointF constrainedPoint(const QPointF& point) const;
    // The rectangle with both corners snapped; callers check canAlign first.
    QRectF alignedRect(const QRectF& rect) const;
    // Draws the lattice lines that cross `rect`, when the grid is shown.
    void drawRect(const QRectF& rect, DrawingView& view) const;

private:
    double snapped(double value) const;
    void changed(const char* key);
    void dropHidingTimer();

    QColor m_color;
    double m_spacing = 0;
    bool m_alwaysShown = false;
    bool m_constraining = false;
    QTimer* m_hidingTimer = nullptr;
};
