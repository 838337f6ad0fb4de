#pragma once

#include <QScrollArea>

class CanvasRuler;
class SKTGraphicView;

// The scroll view of a document window's canvas: the canvas scrolls inside it under a horizontal and a
// vertical ruler, which follow its scrolling and zoom and echo the rectangle the canvas is moving or
// resizing. It sets the canvas zoom.
class SKTZoomingScrollView : public QScrollArea {
    Q_OBJECT

public:
    explicit SKTZoomingScrollView(QWidget* parent = nullptr);

    // The scroll view takes the canvas and sets it to its factor.
    void setGraphicView(SKTGraphicView* view);
    SKTGraphicView* graphicView() const { return m_graphicView; }
    CanvasRuler* horizontalRuler() const { return m_horizontalRuler; }
    CanvasRuler* verticalRuler() const { return m_verticalRuler; }

    // The canvas zoom, 1 for 100 %: the canvas scale. It starts at the product's canvas scale.
    double factor() const { return m_factor; }
    void setFactor(double factor);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeRulers();
    void updateRulers();

    SKTGraphicView* m_graphicView = nullptr;
    CanvasRuler* m_horizontalRuler;
    CanvasRuler* m_verticalRuler;
    double m_factor;
};
