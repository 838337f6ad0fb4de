#pragma once

#include "model/SKTGraphic.h"
#include "model/TableCellMarks.h"
#include "model/records/TransformView.h"
#include "model/records/myTextView.h"

#include <QPoint>

class QTextDocument;
class SharedTextLayout;

// The page object that holds a grid of text cells: numOfRows x numOfColumns cell records, each found by its
// spot (row, column), with pictures placed in cells and an optional background picture. Every grid-shaped
// web component is a table; its `gridType` says which one. A column is as wide as its row-0 cell and a row
// as high as its column-0 cell; cells are drawn `padding` + `borderWidth` apart. -99 stands for no cell.
class SKTTable : public SKTGraphic, public TableCellMarks {
    Q_OBJECT

public:
    QString className() const override;

    // ---- Property dictionary: the base keys, "gridType", "numOfRows" and "numOfColumns" written; "padding",
    // "cellArray", "imageArray" and "tableBackgroundArray" read only (they hold records). A table with cells
    // takes its own style from its first cell.
    const GraphicPropertyTable& propertyTable() const override;
    bool initWithProperties(const GraphicPropertyDictionary& properties) override;

    // ---- Own fields
    QString gridType() const override { return m_gridType; }
    void setGridType(QString gridType);
    myTextViewList cellHelperArray() const override { return m_cellHelperArray; }
    void setCellHelperArray(const myTextViewList& cells);
    TransformViewList imageArray() const { return m_imageArray; }
    void setImageArray(const TransformViewList& images);
    TransformViewList tableBackgroundArray() const { return m_tableBackgroundArray; }
    void setTableBackgroundArray(const TransformViewList& backgrounds);
    std::shared_ptr<TransformView> tableBackgroundImage() const { return m_tableBackgroundImage; }
    void setTableBackgroundImage(std::shared_ptr<TransformView> image);
    // The text of the cell an editor was last opened on.
    std::shared_ptr<QTextDocument> selectedTextStorage() const { return m_selectedTextStorage; }
    void setSelectedTextStorage(std::shared_ptr<QTextDocument> storage);
    SKT_GRAPHIC_PROPERTY(int, numOfColumns, setNumOfColumns)
    SKT_GRAPHIC_PROPERTY(int, numOfRows, setNumOfRows)
    // Gap between neighbouring cells and between the cells and the table's edge.
    SKT_GRAPHIC_PROPERTY(int, padding, setPadding)
    SKT_GRAPHIC_PROPERTY(int, tag, setTag)
    // Set by the canvas on a table it duplicated, with the vertical offset of the copy.
    SKT_GRAPHIC_PROPERTY(int, interimCopyFlag, setInterimCopyFlag)
    SKT_GRAPHIC_PROPERTY(int, interimTranslatedY, setInterimTranslatedY)

public:
    // ---- Cells and pictures by spot; points are truncated to whole pixels
    std::shared_ptr<myTextView> grabSelectedTableCellHelper(int row, int column) const;
    std::shared_ptr<TransformView> grabSelectedImageAtSpot(int row, int column) const;
    std::shared_ptr<myTextView> grabFirstCellAtColumn(int column) const;
    std::shared_ptr<myTextView> grabFirstCellAtRow(int row) const;
    // 0 for a column or row without its first cell.
    int grabColumnWidth(int column) const;
    int grabRowHeight(int row) const;
    // The spot of the cell whose hit area holds the point; -99 when none does. A cell's hit area starts
    // at the gap before it, so the last padding + border pixels of the drawn cell belong to no cell.
    int grabRowSpot(double x, double y) const;
    int grabColumnSpot(double x, double y) const;
    QRect grabSelectedCellRect(int row, int column) const;
    QRect grabCurrentCellRect(double x, double y) const;
    // The cell under the last touch point of the window, and its text.
    std::shared_ptr<myTextView> grabCurrentTableCellHelper() const override;
    std::shared_ptr<QTextDocument> grabCurrentTextStorage() const;
    // The next spot in reading order as (row, column); rows are not bounded.
    QPoint grabNextSpot(int row, int column) const;
    // The number of cells from the one under the point to the last, both counted; 0 under no cell.
    int grabMaxNumToAdd(const QPointF& point) const;
    // Puts the picture at its spot, replacing the one there; a picture without a row or column only
    // removes the one at its spot.
    void addIntoImageArray(const std::shared_ptr<TransformView>& picture);
    // The cell rectangle of the first section of the list whose grid holds the point; on the responsive
    // designers it starts below the section's top margin and padding and ends above its bottom ones. The
    // zero rectangle under every section.
    static QRect grabOverLappingSectionCell(const GraphicList& graphics, const QPointF& point);

    // ---- Geometry
    // The width of all columns with the gaps and the box paddings and margins; the same for the rows.
    int tableTotalCellWidth() const;
    int tableTotalCellHeight() const;
    // The mean width of the columns that have their first cell (0 when none has): the canvas asks after
    // raising the count and before making the new column's cells.
    float averageColumnWidth() const;
    float averageRowHeight() const;
    // Columns (rows) whose first cell is not fixed: they share every change of the table's width (height).
    int numOfNonFixedColumns() const;
    int numOfNonFixedRows() const;
    // Shares the change of width and height out among the columns and rows that are not fixed; a table with
    // every column (row) fixed keeps the width (height) of its cells.
    void setBounds(const QRectF& bounds) override;
    // Gives every cell the width and fixed flag of its column and the height and fixed flag of its row.
    void alignCells();
    // The size of the text of the cell under the last touch point, laid out at that cell's width.
    QSizeF naturalSize() const;
    // The layout every table measures and draws its cell texts with.
    static SharedTextLayout& sharedLayoutManager();

    // ---- Style of the inspector carried into the cells: every cell, or only the marked ones in products
    // that select cells while any cell is marked. Each ends by laying the table out and redrawing it.
    void updateHoverTextColor();
    void updateHoverBackgroundColor();
    void updateTextColor();
    void updateLineSpacing();
    void updateBorderColor();
    void updateBackgroundColor();
    void updateFontSize();
    void updateFontFamily();
    void updateTextAlignment();
    void updateOpacity();
    void updateShadow();
    // Every style at once; a cell that was a form field becomes a plain cell.
    void refreshStyle();
    void refreshLayout();
    // The table takes the style of a cell the user marked, so that the inspector shows it; no redraw.
    void reflectSelectedCellProperties(const myTextView& cell) override;

    // ---- Drawing and editing
    QRectF drawingBounds() override;
    // Runs the resize rule and writes each cell's place and the table-wide settings into the cell records,
    // which the generators read: drawing does it, and so does writing a page that was never drawn.
    void layOutCells();
    // Paints the cell backgrounds and borders into the view and answers no outline.
    BezierPath bezierPathForDrawing(DrawingView* view = nullptr) override;
    // Lays the table out (the resize rule, the cell records' places and table-wide settings) and draws the
    // background picture, cells, texts, marks and cell pictures; `beingCreatedOrEdited` leaves out the text
    // of the cell being edited.
    void drawContentsInView(DrawingView& view, bool beingCreatedOrEdited) override;
    // An editor of the text of the cell under the last touch point; none for a table that cannot be
    // selected, for sections and section templates, and outside every cell.
    QWidget* newEditingViewWithSuperviewBounds(const QRectF& superviewBounds) override;
    void finalizeEditingView(QWidget* editingView) override;

protected:
    std::shared_ptr<SKTGraphic> newGraphicOfSameKind() const override;

private:
    struct CellSpot {
        int row;
        int column;
    };
    std::optional<CellSpot> spotAt(double x, double y) const;
    // The table-wide settings and the place of the cell, which the generators read from the record.
    void layOutCell(myTextView& cell, int x, int y) const;
    void drawCellText(DrawingView& view, myTextView& cell, int x, int y);
    void drawCellPictures(DrawingView& view, const myTextView& cell, int row, int column);
    void drawBackgroundPicture(DrawingView& view);
    // The cells a style operation changes, in list order.
    myTextViewList cellsInScope() const;
    void refreshAfterStyleChange();
    void takeStyleOfCell(const myTextView& cell);

    QString m_gridType = QStringLiteral("table");
    myTextViewList m_cellHelperArray;
    TransformViewList m_imageArray;
    TransformViewList m_tableBackgroundArray;
    std::shared_ptr<TransformView> m_tableBackgroundImage;
    std::shared_ptr<QTextDocument> m_selectedTextStorage;
};
