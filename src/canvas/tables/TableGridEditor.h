#pragma once

#include "canvas/tables/TableGridWindowController.h"

#include <QObject>
#include <QPointer>

#include <memory>

class SKTGraphicView;
class SKTTable;

// The canvas's side of the table grid window: it fills the window from a table, carries out the
// controls' actions and, on Save, writes the window back into the table. Sizes and fixed marks apply to
// the table as they are typed; counts, spacing and the same-size choices wait for Save. The window is made
// at first use and kept for the life of the canvas. Table edits record no undo of their own.
class TableGridEditor : public QObject {
    Q_OBJECT

public:
    explicit TableGridEditor(SKTGraphicView& canvas);
    ~TableGridEditor() override;

    // Fills the window from the table and shows it as an ordinary window.
    void configureTableGrid(const std::shared_ptr<SKTTable>& table);
    TableGridWindowController* tableGridWindowController() const { return m_window; }
    std::shared_ptr<SKTTable> table() const { return m_table; }

    // ---- The controls' actions
    void adjustSameWidthAndHeightForTableSettings();
    void adjustTableColumnWidth();
    void adjustTableRowHeight();
    void updateColumnWidth();
    void updateRowHeight();
    void updateFixedWidth();
    void updateFixedHeight();
    void updateTableNumOfColumns();
    void updateTableNumOfRows();
    void adjustTableSpacing();
    void updateTableSameWidth();
    void updateTableSameHeight();
    void saveTableSettings();

private:
    void makeWindow();

    SKTGraphicView& m_canvas;
    QPointer<TableGridWindowController> m_window;
    std::shared_ptr<SKTTable> m_table;
};
