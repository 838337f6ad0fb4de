#include "canvas/view/SKTGraphicView.h"

#include "canvas/tables/SectionEditorWindowController.h"
#include "canvas/tables/SectionView.h"
#include "canvas/tables/TableStructure.h"
#include "model/SKTTable.h"

#include <QComboBox>
#include <QPushButton>

// The section grid window: its tiles are drawn at half the width of the section's columns, so the widths
// are halved on the way in and doubled on the way back.

bool SKTGraphicView::showSectionEditorFlag()
{
    // The menu never offers the section grid window.
    return false;
}

SectionEditorWindowController* SKTGraphicView::sectionEditorWindowController() const
{
    return m_sectionEditorWindowController;
}

void SKTGraphicView::configureSectionWindowController()
{
    const auto section = std::dynamic_pointer_cast<SKTTable>(m_workingState.selectedTable);
    if (!section)
        return;
    if (!m_sectionEditorWindowController) {
        m_sectionEditorWindowController = new SectionEditorWindowController(window());
        connect(m_sectionEditorWindowController->saveButton(), &QPushButton::clicked, this,
                &SKTGraphicView::saveSectionEditorWindowController);
    }
    SectionEditorWindowController& editor = *m_sectionEditorWindowController;
    QList<SectionView*> tiles;
    for (int column = 0; column < section->numOfColumns(); ++column) {
        const std::shared_ptr<myTextView> cell = section->grabSelectedTableCellHelper(0, column);
        auto* tile = new SectionView(QRect(0, 0, cell ? cell->width() / 2 : 0, 50));
        if (cell) {
            tile->setXsGridColumns(cell->xsGridColumns());
            tile->setSmallGridColumns(cell->smallGridColumns());
            tile->setMediumGridColumns(cell->mediumGridColumns());
            tile->setLargeGridColumns(cell->largeGridColumns());
        }
        tiles << tile;
    }
    editor.setSplitViewMutableArray(tiles);
    editor.prepSectionViews();
    editor.numOfColumnsPopupButton()->setCurrentIndex(std::max(section->numOfColumns() - 1, 0));
    editor.columnUpdated();
    editor.open();
}

void SKTGraphicView::saveSectionEditorWindowController()
{
    const auto section = std::dynamic_pointer_cast<SKTTable>(m_workingState.selectedTable);
    if (!section || !m_sectionEditorWindowController)
        return;
    const SectionEditorWindowController& editor = *m_sectionEditorWindowController;
    section->setNumOfColumns(editor.numOfColumnsPopupButton()->currentIndex() + 1);
    TableStructure::refreshTable(*section);
    const QList<SectionView*>& tiles = editor.splitViewMutableArray();
    for (int column = 0; column < tiles.size(); ++column) {
        const std::shared_ptr<myTextView> cell = section->grabSelectedTableCellHelper(0, column);
        if (!cell)
            continue;
        const SectionView& tile = *tiles.at(column);
        cell->setWidth(2 * tile.width());
        cell->setXsGridColumns(tile.xsGridColumns());
        cell->setSmallGridColumns(tile.smallGridColumns());
        cell->setMediumGridColumns(tile.mediumGridColumns());
        cell->setLargeGridColumns(tile.largeGridColumns());
    }
    section->refreshLayout();
    // The objects of the section follow their cells' new widths.
    reAlignSectionObjects(*section);
    hideSectionEditorWindowController();
}

void SKTGraphicView::hideSectionEditorWindowController()
{
    if (m_sectionEditorWindowController)
        m_sectionEditorWindowController->accept();
}
