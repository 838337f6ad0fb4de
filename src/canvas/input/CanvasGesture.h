#pragma once

#include "document/core/SKTDocument.h"
#include "model/SKTGraphic.h"

#include <QPointF>
#include <QRectF>

#include <memory>

class SKTGraphicView;

// One mouse gesture on the canvas, from the press to the release. The canvas hands it every location the
// mouse is dragged to and then the release location (canvas points), and finishes it after the release.
// The base gesture only waits for the release: a Shift-click that deselected a graphic moves nothing.
class CanvasGesture {
public:
    virtual ~CanvasGesture() = default;

    virtual void track(const QPointF& point) { Q_UNUSED(point); }
    virtual void finish() {}
};

// Drags the selection, with the other members of its groups, by whole grid steps of its bounds' origin when
// a grid constrains; nothing moves until the mouse left the press point by 2 points in x or in y.
class MoveGesture : public CanvasGesture {
public:
    MoveGesture(SKTGraphicView& view, const QPointF& pressPoint);

    void track(const QPointF& point) override;
    void finish() override;

private:
    static constexpr double kStartDistance = 2;

    SKTGraphicView& m_view;
    GraphicList m_selection;
    QRectF m_bounds;
    QPointF m_pressPoint;
    // From the origin of the selection's bounds to the press point.
    QPointF m_offset;
    QPointF m_last;
    bool m_rulers;
    bool m_started = false;
    bool m_moved = false;
};

// Drags one handle of a graphic; the graphic tells which handle is dragged from then on.
class ResizeGesture : public CanvasGesture {
public:
    ResizeGesture(SKTGraphicView& view, std::shared_ptr<SKTGraphic> graphic, int handle);

    void track(const QPointF& point) override;
    void finish() override;

private:
    SKTGraphicView& m_view;
    std::shared_ptr<SKTGraphic> m_graphic;
    int m_handle;
    bool m_rulers;
};

// Selects what a rectangle from the press point to the mouse touches, toggled against the selection at the
// press.
class MarqueeGesture : public CanvasGesture {
public:
    MarqueeGesture(SKTGraphicView& view, const QPointF& pressPoint);

    void track(const QPointF& point) override;
    void finish() override;

private:
    SKTGraphicView& m_view;
    IndexSet m_initialSelection;
    QPointF m_pressPoint;
};
