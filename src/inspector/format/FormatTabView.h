#pragma once

#include "inspector/format/FormatRowTable.h"

#include <QList>
#include <QWidget>

class ColorModel;
class FormatIconView;
class QComboBox;
class QLabel;
class QScrollArea;
struct InspectorControls;

// The Format tab of the inspector: under a header that counts the selected objects, the option rows for
// their kinds in the running product, each row holding the inspector's controls for one group of
// properties. Every showing builds the rows anew and moves the shared controls into them; the controls
// the rows make themselves (the padding and margin level pop-ups, the column buffer pop-up) are made anew.
class FormatTabView : public QWidget {
    Q_OBJECT

public:
    FormatTabView(const InspectorControls& controls, ColorModel& colors, QWidget* parent = nullptr);
    ~FormatTabView() override;

    // Builds the rows for the selected graphics (in page order) and shows the chosen ones.
    void showFormattingOptions(const GraphicList& selected);
    // Takes the rows away, putting the shared controls aside.
    void clearDragAndDropScrollView();

    // The 34 rows of the last showing, shown or not, in table order.
    const QList<FormatIconView*>& formatIconViews() const { return m_formatIconViews; }
    // The last shown row whose code it is; null when none shows.
    FormatIconView* usedRowWithCode(const QString& code) const;
    QLabel* formatPanelLabelTextField() const { return m_formatPanelLabelTextField; }
    QWidget* dragObjectsClipView() const { return m_dragObjectsClipView; }
    QScrollArea* dragObjectsScrollView() const { return m_dragObjectsScrollView; }

private:
    struct RowBuilder;
    void placeControls(RowBuilder& row);
    // Renames the border colour row for a selected line.
    void updateIconViewDescriptionForLine();

    const InspectorControls& m_controls;
    ColorModel& m_colors;
    // A hidden holder of the shared controls between showings, so nothing the bindings do to them shows.
    QWidget* m_controlStore;
    QScrollArea* m_dragObjectsScrollView;
    QWidget* m_dragObjectsClipView = nullptr;
    QLabel* m_formatPanelLabelTextField = nullptr;
    QList<FormatIconView*> m_formatIconViews;
    // The shared controls the rows hold, returned to the panel before the rows go.
    QList<QWidget*> m_borrowedControls;
};
