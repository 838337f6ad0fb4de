#include "canvas/view/SKTGraphicView.h"

#include "canvas/media/SlideShowWindow.h"
#include "canvas/tables/TableGridEditor.h"
#include "canvas/view/CanvasContextMenu.h"
#include "model/SKTSlideshow.h"
#include "model/SKTTable.h"

#include <QMenu>

void SKTGraphicView::validateMenuItems()
{
    if (m_menu)
        CanvasContextMenu::validate(*m_menu, *this);
}

// ---- Tables

TableGridEditor& SKTGraphicView::tableGridEditor()
{
    if (!m_tableGridEditor)
        m_tableGridEditor = new TableGridEditor(*this);
    return *m_tableGridEditor;
}

void SKTGraphicView::configureTableGrid()
{
    if (tableControlShown())
        tableGridEditor().configureTableGrid(
            std::dynamic_pointer_cast<SKTTable>(m_workingState.selectedTable));
}

// ---- Slideshows

bool SKTGraphicView::slideshowEditorShown()
{
    const GraphicList selection = selectedGraphics();
    if (selection.size() != 1 || !std::dynamic_pointer_cast<SKTSlideshow>(selection.first()))
        return false;
    m_workingState.selectedSlideshow = selection.first();
    return true;
}

void SKTGraphicView::editSlideshow()
{
    if (!slideshowEditorShown() || !m_document)
        return;
    delete m_slideShowWindow;
    m_slideShowWindow = new SlideShowWindow(
        *m_document, std::dynamic_pointer_cast<SKTSlideshow>(m_workingState.selectedSlideshow), window());
    m_slideShowWindow->setAttribute(Qt::WA_DeleteOnClose);
    m_slideShowWindow->show();
    m_slideShowWindow->raise();
}

SlideShowWindow* SKTGraphicView::slideShowWindow() const
{
    return m_slideShowWindow;
}
