#include "window/SKTWindowController.h"

#include "canvas/view/SKTGraphicView.h"

// The form fields of the menu bar and the realignment the graphics ask for after a move, handed to the
// window's canvas.

void SKTWindowController::reAlignFormOptions()
{
    m_graphicView->reAlignFormOptions();
}

void SKTWindowController::addTextField()
{
    m_graphicView->addTextField();
}

void SKTWindowController::addEmailTextField()
{
    m_graphicView->addEmailTextField();
}

void SKTWindowController::addParagraph()
{
    m_graphicView->addParagraph();
}

void SKTWindowController::addMultipleChoice()
{
    m_graphicView->addMultipleChoice();
}

void SKTWindowController::addCheckboxes()
{
    m_graphicView->addCheckboxes();
}

void SKTWindowController::addBotCheckerTextField()
{
    m_graphicView->addBotCheckerTextField();
}

void SKTWindowController::addSubmitButton()
{
    m_graphicView->addSubmitButton();
}
