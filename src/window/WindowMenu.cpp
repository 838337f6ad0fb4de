#include "window/SKTWindowController.h"

#include "canvas/view/CanvasRuler.h"
#include "canvas/view/SKTGraphicView.h"
#include "canvas/view/SKTZoomingScrollView.h"
#include "document/core/SKTDocument.h"
#include "model/SKTGrid.h"
#include "profile/DataCentre.h"
#include "window/views/FlippedNSView.h"

#include <QAction>

WindowMenuState SKTWindowController::menuState() const
{
    const ProductProfile& profile = DataCentre::profile();
    WindowMenuState s;
    s.documentDisplayName = documentDisplayName();
    s.gridUsable = m_grid->isUsable();
    s.gridConstraining = m_grid->isConstraining();
    s.gridAlwaysShown = m_grid->isAlwaysShown();
    s.pageTileCount = int(siteIconArray().size());
    s.pageClicked = grabPageClicked(m_pageListingClipView->lastTouchPoint()) != nullptr;
    s.formPage = showAddFormObjects();
    s.selectedTableHasBackgroundPattern = doesSelectedTableContainBackgroundPattern();
    if (m_document) {
        s.canUndo = m_document->undoManager().canUndo();
        s.canRedo = m_document->undoManager().canRedo();
    }
    s.hasSelection = !m_graphicView->selectionIndexes().empty();
    s.rulerUnits = m_zoomingScrollView->horizontalRuler()->measurementUnits();
    s.showProfilePopoverOnOpen = profile.showProfilePopoverOnOpen;
    s.hideDuplicatePage = profile.hideDuplicatePage;
    s.hideRemoveTablePattern = profile.hideRemoveTablePattern;
    s.hideTotalRefreshWebsite = profile.hideTotalRefreshWebsite;
    s.hideGrabPageLink = profile.hideGrabPageLink || m_pageLinkItemHidden;
    s.allowInsertPage = profile.allowInsertPage;
    return s;
}

bool SKTWindowController::validateMenuItem(QAction& item) const
{
    return WindowMenuValidation::apply(WindowMenuValidation::validate(item.objectName(), menuState()), item);
}

bool SKTWindowController::showAddFormObjects() const
{
    return m_document && m_document->isFormPage();
}

void SKTWindowController::toggleGridConstraining()
{
    m_grid->setConstraining(!m_grid->isConstraining());
}

void SKTWindowController::toggleGridShowing()
{
    m_grid->setAlwaysShown(!m_grid->isAlwaysShown());
}
