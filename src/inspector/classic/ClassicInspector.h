#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QList>
#include <QObject>
#include <QPointer>

class ColorModel;
class FlippedNSView;
class QLabel;
class QWidget;
class SKTWindowController;
struct InspectorControls;

// The inspector of products without the drag-and-drop library: over the panel's top the selection's
// position and size, the lock and the switch of three pages; below it the Style page (font, size,
// alignment, border, opacity, radius, hyperlink), the Color page (the colour buttons) or the Effects page
// (shadow, reflection, line spacing, tooltip, scrolling). Every build starts again from the shared controls
// at their fixed frames; controls the product hides stay hidden.
class ClassicInspector : public QObject {
    Q_OBJECT

public:
    enum Page { StylePage = 0, ColorPage = 1, EffectsPage = 2 };

    ClassicInspector(SKTWindowController& window, const InspectorControls& controls, ColorModel& colors);

    // Empties the panel and the pages, then lays out the top area and the three pages.
    void rebuild();
    void setupInspectorViewCommonElements();
    void createInspectorPanel_noDrag();
    // Shows the page the switch selects, the Style page when it selects none.
    void switchInspectorView();
    // Moves the inner view sideways so that it is centred in the outer one, in whole points; a missing
    // outer view counts as zero wide.
    static void centerInView(const QWidget* outer, QWidget& inner);

    FlippedNSView* fontView() const { return m_fontView; }
    FlippedNSView* colorView() const { return m_colorView; }
    FlippedNSView* effectsView() const { return m_effectsView; }
    // The colour target pop-up: placed in no view, it holds the target the colour swatches colour.
    QComboBox* colorSelectButton() const { return m_colorSelectButton; }
    QLineEdit* colorHexCodeTextField() const { return m_colorHexCodeTextField; }

private:
    // Puts the shared control into the parent at the frame and shows it, unless the product hides it.
    void place(QWidget* control, QWidget* parent, const QRect& frame);
    QLabel* label(const QString& text, QWidget* parent, const QRect& frame, int pointSize = 12);
    void buildStylePage();
    void buildColorPage();
    void buildEffectsPage();
    // The six colour labels, and the buttons under them.
    void refreshColorLabels();
    void placeColorButtons();
    void centerWideControls();

    SKTWindowController& m_window;
    const InspectorControls& m_controls;
    ColorModel& m_colors;
    FlippedNSView* m_fontView;
    FlippedNSView* m_colorView;
    FlippedNSView* m_effectsView;
    // What a build placed or made: the shared controls go back to the panel, the rest goes.
    QList<QPointer<QWidget>> m_placed;
    QList<QPointer<QWidget>> m_made;
    QList<QPointer<QLabel>> m_colorLabels;
    QPointer<QComboBox> m_colorSelectButton;
    QPointer<QLineEdit> m_colorHexCodeTextField;
};
