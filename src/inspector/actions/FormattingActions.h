#pragma once

#include "model/SKTGraphic.h"

#include <QList>
#include <QObject>
#include <QRect>

#include <functional>
#include <optional>

class SKTWindowController;
struct InspectorControls;

// The actions behind the inspector's formatting controls of one document window. Most controls are bound
// to a property of the selection, so the value is stored on every selected graphic when the action runs;
// the action then makes it take effect (text boxes re-apply their style, tables copy the value into their
// cells, geometry redraws) or sets what the binding does not (border width, detailed shadow, rotation,
// alignment in section cells). Every action works on the canvas's selection, in page order, as one undo
// step of the document.
class FormattingActions : public QObject {
    Q_OBJECT

public:
    FormattingActions(SKTWindowController& window, const InspectorControls& controls);

    // Connects the actions to the controls the window holds now, after their bindings, so a bound value is
    // stored before its action runs; the connections made before go.
    void connectActions();

    // ---- Refresh-only: text boxes re-apply their style, tables copy the value into their cells
    void updateShadow();
    void updateOpacity();
    void updateTextAlignment();
    // Also shows the spacing beside its slider.
    void updateLineSpacing();
    // What the spacing's field shows: two decimals above 0, else "Default".
    static QString lineSpacingText(double spacing);

    // ---- Fonts
    void updateFontFamily();
    void updateTextViewFontSize(const QString& text);
    void updateFontSize();
    int grabFirstSelectedFontSize() const;
    bool differentFontSizeSelected() const;

    // ---- Border, reflection, shadow, rotation
    // Segment 3 ("none") takes every border away; another style gives width 2 to graphics without one.
    void updateBorder(int segment);
    void updateReflection();
    void updateDetailedShadow();
    // Shows the slider's angle; the selection turns once the slider rests (proceedToUpdateRotation).
    void updateRotation();
    void proceedToUpdateRotation();
    // The unticked "Apply Rotation" straightens every selected graphic.
    void resetRotation();

    // ---- Alignment inside section cells
    // The new x of a graphic with the bounds in the cell for the alignment (0 left, 1 centre, 2 right);
    // none for another alignment.
    static std::optional<double> alignedX(const QRectF& bounds, const QRect& cell, int alignment);
    void updateResponsiveAlignment();
    void updateSectionPadding() { updateResponsiveAlignment(); }
    // After a section changed: its members take their own alignment again, form fields aside.
    void refocusResponsiveAlignment(const SKTGraphic& section);

    // ---- Padding and margin levels
    void updateMarginAndPadding();
    void updatedMarginType();

private:
    GraphicList selectedGraphics() const;
    // Runs the change on the selection as one undo step; a change that answers true marks the page as
    // changed.
    void editSelection(const std::function<bool(const GraphicList&)>& change);
    void align(SKTGraphic& graphic, int alignment);
    // Sets the bounds to themselves so the canvas draws the graphic again.
    void redraw(SKTGraphic& graphic);

    SKTWindowController& m_window;
    const InspectorControls& m_controls;
    QList<QMetaObject::Connection> m_connections;
};
