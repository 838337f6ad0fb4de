#include "canvas/view/SKTGraphicView.h"

#include "canvas/media/SlideShowWindow.h"
#include "canvas/tables/TableGridEditor.h"
#include "model/SKTSlideshow.h"
#include "model/SKTTable.h"

#include <QAction>

namespace {

// The commands of the canvas's own context menu: each is shown only while its predicate answers yes.
struct ContextCommand {
    const char* action;
    const char* title;
    bool (SKTGraphicView::*shown)();
    void (SKTGraphicView::*perform)();
};

const ContextCommand kContextCommands[] = {
    {"configureTableGrid", "Configure Table Grid...", &SKTGraphicView::tableControlShown,
     &SKTGraphicView::configureTableGrid},
    {"editSlideshow", "Edit Slideshow...", &SKTGraphicView::slideshowEditorShown, &SKTGraphicView::editSlideshow},
};

} // namespace

void SKTGraphicView::buildContextMenu()
{
    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("canvasMenu"));
    for (const ContextCommand& command : kContextCommands) {
        QAction* item = m_menu->addAction(tr(command.title));
        item->setObjectName(QLatin1String(command.action));
        connect(item, &QAction::triggered, this, command.perform);
    }
    connect(m_menu, &QMenu::aboutToShow, this, &SKTGraphicView::validateMenuItems);
}

void SKTGraphicView::validateMenuItems()
{
    if (!m_menu)
        return;
    for (const ContextCommand& command : kContextCommands) {
        if (QAction* item = m_menu->findChild<QAction*>(QLatin1String(command.action))) {
            const bool shown = (this->*command.shown)();
            item->setVisible(shown);
            item->setEnabled(shown);
        }
    }
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
        tableGridEditor().configureTableGrid(std::dynamic_pointer_cast<SKTTable>(m_selectedTable));
}

// ---- Slideshows

bool SKTGraphicView::slideshowEditorShown()
{
    const GraphicList selection = selectedGraphics();
    if (selection.size() != 1 || !std::dynamic_pointer_cast<SKTSlideshow>(selection.first()))
        return false;
    m_selectedSlideshow = selection.first();
    return true;
}

void SKTGraphicView::editSlideshow()
{
    if (!slideshowEditorShown() || !m_document)
        return;
    delete m_slideShowWindow;
    m_slideShowWindow =
        new SlideShowWindow(*m_document, std::dynamic_pointer_cast<SKTSlideshow>(m_selectedSlideshow), window());
    m_slideShowWindow->setAttribute(Qt::WA_DeleteOnClose);
    m_slideShowWindow->show();
    m_slideShowWindow->raise();
}

SlideShowWindow* SKTGraphicView::slideShowWindow() const
{
    return m_slideShowWindow;
}
