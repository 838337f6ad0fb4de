#pragma once

#include "model/SKTGraphic.h"

#include <QList>
#include <QWidget>

class FormatIconView;
class QLabel;
class QScrollArea;

// The Layers tab of the inspector: one row per object of the page, in the order of the page's list (layer
// 0 first), each with the icon and name of its kind and its position, size and opacity. Clicking a row
// highlights it and asks for its object to join the selection. The list shows the page as it was when it
// was last built.
class LayersTabView : public QWidget {
    Q_OBJECT

public:
    static constexpr int kRowHeight = 50;
    static constexpr int kHeaderHeight = 20;
    static constexpr int kListTop = 30;

    explicit LayersTabView(QWidget* parent = nullptr);

    // Builds the rows anew for the page's graphics; no row starts highlighted.
    void showLayers(const GraphicList& graphics);
    // Clears the highlight of every row.
    void clearLayerListingIcons();

    const QList<FormatIconView*>& layerIconViews() const { return m_layerIconViews; }
    QLabel* header() const { return m_header; }
    QWidget* dragObjectsClipView() const { return m_dragObjectsClipView; }

    // The icon and the kind name of a graphic's row (the name not yet localised).
    struct Kind {
        QString imageName;
        QString kindName;
    };
    static Kind layerKindOf(const SKTGraphic& graphic);
    // "Layer %d" and, on the next line, the geometry: bounds and opacity in whole numbers, cut toward zero.
    static QString layerText(const SKTGraphic& graphic, int layer);
    static QString headerText(qsizetype layers);

Q_SIGNALS:
    // The row of the graphic at the index of the page's list was clicked.
    void manuallySelectObject(int objectIndex);

private:
    QScrollArea* m_dragObjectsScrollView;
    QWidget* m_dragObjectsClipView = nullptr;
    QLabel* m_header = nullptr;
    QList<FormatIconView*> m_layerIconViews;
};
