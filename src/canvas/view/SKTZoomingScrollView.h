#pragma once

#include <QScrollArea>
#include <QSizeF>

class CanvasRuler;
class QComboBox;
class QKeyEvent;
class SKTGraphicView;

// The scroll view of a document window's canvas: the canvas scrolls inside it under a horizontal and a
// vertical ruler, which follow its scrolling and zoom and echo the rectangle the canvas is moving or
// resizing. It sets the canvas zoom, chosen in its zoom pop-up at the start of the horizontal scroller or
// stepped with the equals and minus keys.
class SKTZoomingScrollView : public QScrollArea {
    Q_OBJECT

public:
    explicit SKTZoomingScrollView(QWidget* parent = nullptr);

    // The scroll view takes the canvas and sets it to its factor.
    void setGraphicView(SKTGraphicView* view);
    SKTGraphicView* graphicView() const { return m_graphicView; }
    CanvasRuler* horizontalRuler() const { return m_horizontalRuler; }
    CanvasRuler* verticalRuler() const { return m_verticalRuler; }
    // Shows or hides both rulers; the canvas takes the rulers' room while they are hidden.
    void setRulersVisible(bool visible);

    // The canvas zoom, 1 for 100 %: the canvas scale. It starts at the product's canvas scale. The pop-up
    // shows the step of that factor, or no step when none has it.
    double factor() const { return m_factor; }
    void setFactor(double factor);
    // How much of the page the scroll view shows, in canvas points: its visible frame divided by the factor.
    QSizeF clipBoundsSize() const;

    // The zoom pop-up, one item per zoom step of the product ("5%" … "600%"), each carrying its factor.
    QComboBox* factorPopUpButton() const { return m_factorPopUpButton; }
    // Sets the factor and shows the step of that title.
    void updateScale(const QString& title, double factor);
    // The equals key zooms to the next step, the minus key to the previous one; false for other keys and
    // for a step beyond either end, which pass on.
    bool performKeyEquivalent(QKeyEvent* event);

Q_SIGNALS:
    // The factor changed, from the pop-up, a zoom key or setFactor; the window keeps it as its zoom.
    void factorChanged(double factor);
    // A click in the scroll view beside the page; the window ends editing and empties the selection.
    void clickedOutsideCanvas();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void validateFactorPopUpButton();
    void selectFactorInPopUp();
    void placeRulers();
    void updateRulers();

    SKTGraphicView* m_graphicView = nullptr;
    CanvasRuler* m_horizontalRuler;
    CanvasRuler* m_verticalRuler;
    QComboBox* m_factorPopUpButton = nullptr;
    double m_factor;
};
