#pragma once

#include "model/SKTGraphic.h"
#include "model/records/TransformView.h"
#include "model/records/myTextView.h"

// A grid of text cells, and every grid-shaped web component built on one: its `gridType` says which
// ("table" by default, "section" and "sectionTemplate" for the responsive page's rows, the navigation
// bars, panels and carousels). The cells are text records, the pictures in cells and the background
// picture image records; the table owns them all.
class SKTTable : public SKTGraphic {
    Q_OBJECT

public:
    QString className() const override;

    // The base keys, then "gridType", "numOfRows" and "numOfColumns"; the cells ("cellArray"), their
    // pictures ("imageArray"), the background ("tableBackgroundArray") and "padding" are only read: they
    // hold records that the page loader and the factories put into the dictionary.
    const GraphicPropertyTable& propertyTable() const override;

    QString gridType() const override { return m_gridType; }
    void setGridType(QString gridType);

    myTextViewList cellHelperArray() const { return m_cellHelperArray; }
    void setCellHelperArray(const myTextViewList& cells);
    TransformViewList imageArray() const { return m_imageArray; }
    void setImageArray(const TransformViewList& images);
    // The background picture is the first of its holder list; none without one.
    TransformViewList tableBackgroundArray() const { return m_tableBackgroundArray; }
    void setTableBackgroundArray(const TransformViewList& backgrounds);
    std::shared_ptr<TransformView> tableBackgroundImage() const
    {
        return m_tableBackgroundArray.isEmpty() ? nullptr : m_tableBackgroundArray.first();
    }

    SKT_GRAPHIC_PROPERTY(int, numOfColumns, setNumOfColumns)
    SKT_GRAPHIC_PROPERTY(int, numOfRows, setNumOfRows)
    // Points between neighbouring cells and between the cells and the table's edge.
    SKT_GRAPHIC_PROPERTY(int, padding, setPadding)

public:
    // The rectangle of the bounds.
    BezierPath bezierPathForDrawing(DrawingView* view = nullptr) override;

protected:
    std::shared_ptr<SKTGraphic> newGraphicOfSameKind() const override;

private:
    QString m_gridType = QStringLiteral("table");
    myTextViewList m_cellHelperArray;
    TransformViewList m_imageArray;
    TransformViewList m_tableBackgroundArray;
};
