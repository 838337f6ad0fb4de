#pragma once

#include "inspector/color/ColorSwatchPanel.h"

#include <QColor>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>

#include <functional>
#include <optional>

class QAbstractButton;
class QPushButton;
class SKTWindowController;
class VelkNSButton;

// One colour target of the inspector (ColorTarget): its title in the target pop-up, the object name of its
// colour button (also the code of its Format row) and its label's text.
struct ColorTargetRow {
    int target;
    const char* popupTitle;
    const char* buttonName;
    const char* labelText;
};
// The six targets, by value: shape, text, hover background, hover text, canvas, border.
const QList<ColorTargetRow>& colorTargetTable();

// The colours of one document window's inspector: six colour buttons showing the current colours of the
// selection and the page, the process-wide colour target they choose, the swatch panel a button opens,
// and what a picked swatch does to the selected graphics or the page background. The buttons are made
// once and keep their identity; whoever shows them (a Format row, the classic Color page) places them.
class ColorModel : public QObject {
    Q_OBJECT

public:
    // Shows the picker's view in the window's popover beside the anchor's rectangle.
    using PopoverHost = std::function<void(QWidget* content, QWidget& anchor, const QRect& anchorRect)>;

    ColorModel(SKTWindowController& window, PopoverHost popover);

    // The target the next picked swatch colours, shared by every window; ShapeFill until a button or the
    // target pop-up sets it.
    static int selectedColorType();
    static void setSelectedColorType(int target);
    // Sets the target from a title of the target pop-up; another title leaves it as it is.
    static void setTypeOfColorFlag(const QString& popupTitle);
    // The transparent swatch is offered where the target may be transparent: not for text and borders.
    static bool clearSwatchDisabled(int target);

    QPushButton* colorButton(int target) const;
    // The target whose button it is; none for any other button.
    std::optional<int> targetOfButton(const QAbstractButton* button) const;
    // The current colour of the target: the canvas colour follows the page's colour string ("CLEAR0",
    // empty or none is the clear colour), the others what the selection last pushed.
    QColor currentColor(int target) const;

    // Restyles a colour button: a 200 x 30 swatch of the colour outlined in black (the checkered grid for
    // the clear colour), titled with the colour's hexadecimal name ("Clear" for the clear colour) in the
    // inverted colour, at (20, 55, panel width - 40, 30).
    static void createColorButton(const QColor& color, QPushButton& button, int panelWidth);
    // (1 - red, 1 - green, 1 - blue) with the colour's alpha.
    static QColor returnInvertedColor(const QColor& color);
    // Restyles every colour button with its current colour.
    void refreshColorButtons();

    // A colour button's action: chooses its target and opens the swatch panel next to it, marking the
    // button's colour; a button that is none of the six opens the panel built last.
    void showColorSelectorPopOver(QAbstractButton* sender);
    ColorSwatchPanel* colorPanelSelectorView() const { return m_colorPanelSelectorView; }
    // A swatch's action: marks it, and gives its colour to the selection or, for the canvas target, to the
    // page background.
    void pickedAColor(VelkNSButton& swatch);

Q_SIGNALS:
    // A swatch was picked for the target: the classic page shows the string, the Format tab redraws the
    // target's row.
    void colorPicked(int target, const QString& colorString);

private:
    SKTWindowController& m_window;
    PopoverHost m_popover;
    QList<QPushButton*> m_buttons;
    QPointer<ColorSwatchPanel> m_colorPanelSelectorView;
};
