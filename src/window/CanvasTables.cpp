#include "window/SKTWindowController.h"

#include "canvas/view/SKTGraphicView.h"
#include "window/pages/VelkNSButton.h"

// The window's side of the canvas's tables: the Add New menu's items, and the page list that tables of
// contents and site maps link to.

SitePageList SKTWindowController::sitePages() const
{
    SitePageList pages;
    for (const VelkNSButton* tile : siteIconArray())
        pages.append({tile->pageTitle(), tile->pagePublishFileName()});
    return pages;
}

void SKTWindowController::addNewTable()
{
    m_graphicView->addTable();
}

void SKTWindowController::addNewTableSiteMap()
{
    m_graphicView->addTableOfSitemapVertical();
}

void SKTWindowController::addNewTableSiteMapH()
{
    m_graphicView->addTableOfSitemapHorizontal();
}
