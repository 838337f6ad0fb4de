#pragma once

#include <QObject>

class FlippedNSView;
class InspectorPanel;
class QAbstractButton;
class SKTWindowController;

// The pickers of ready-styled objects, each run in the window's floating sheet: a grid of the product's
// shape presets, seven to a row; a column of its text-box presets; and the print layout of the card and
// envelope products with their template pop-ups. Choosing a preset closes the sheet, then the canvas adds
// the object.
class PresetPickers : public QObject {
    Q_OBJECT

public:
    static constexpr int kShapesPerRow = 7;
    static constexpr int kShapeColumnStep = 73;
    static constexpr int kShapeRowStep = 75;

    PresetPickers(SKTWindowController& window, InspectorPanel& inspector);

    // Builds the picker and runs it as the window's sheet.
    void selectDefaultShapes();
    void selectDefaultTextViews();
    void setupPrintLayoutView();
    // The picker views, before they run: one button per preset, its tag the preset's index.
    static FlippedNSView* createShapePicker();
    static FlippedNSView* createTextViewPicker();

    void addShapeSelected(const QAbstractButton& button);
    void addTextViewSelected(const QAbstractButton& button);

private:
    void runPicker(FlippedNSView* picker, void (PresetPickers::*choice)(const QAbstractButton&));
    // Closes the sheet the pickers run in.
    void cancelFloatWindowControllerSheet();

    SKTWindowController& m_window;
    InspectorPanel& m_inspector;
};
