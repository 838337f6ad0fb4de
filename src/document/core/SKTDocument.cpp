#include "document/core/SKTDocument.h"

#include "document/core/DocumentAlerts.h"
#include "document/core/DocumentWindow.h"
#include "document/core/SKTMapTableOwner.h"
#include "document/format/PageRecords.h"
#include "model/ColorTarget.h"
#include "model/sections/SectionLayout.h"
#include "platform/Alert.h"
#include "platform/StringsTable.h"
#include "profile/DataCentre.h"

#include <QFileInfo>

namespace {

const QString kDefaultStringsTable = QStringLiteral("Localizable");

SKTDocument::WindowControllerFactory& windowControllerFactory()
{
    static SKTDocument::WindowControllerFactory factory;
    return factory;
}

QString buttonTitle(const char* key)
{
    return StringsTable::localizedString(QString::fromLatin1(key), QString(), kDefaultStringsTable);
}

} // namespace

SKTDocument::SKTDocument()
    : m_canvasState(PageCanvasState::ofLaunchProfile())
    , m_pageRecords(std::make_unique<PageRecords>())
{
    connect(&m_undoManager, &DocumentUndoManager::checkpointReached, this,
            &SKTDocument::observeUndoManagerCheckpoint);
    m_pageColor = Qt::white;
}

SKTDocument::~SKTDocument()
{
    stopObservingGraphics(m_graphics);
    leaveGraphics(m_graphics);
    disconnect(&m_undoManager, nullptr, this, nullptr);
}

bool SKTDocument::canConcurrentlyReadDocumentsOfType(const QString&)
{
    return true;
}

void SKTDocument::setWindowControllerFactory(WindowControllerFactory factory)
{
    windowControllerFactory() = std::move(factory);
}

void SKTDocument::makeWindowControllers()
{
    if (m_windowController || !windowControllerFactory())
        return;
    m_windowController = windowControllerFactory()(*this);
}

bool SKTDocument::isDraft() const
{
    return !DataCentre::profile().neverEdited && m_draft;
}

bool SKTDocument::isDocumentEdited() const
{
    if (DataCentre::profile().neverEdited)
        return false;
    return m_edited || !m_undoManager.stack()->isClean();
}

void SKTDocument::setDocumentEdited(bool edited)
{
    m_edited = edited;
    if (!edited)
        m_undoManager.stack()->setClean();
}

QSizeF SKTDocument::canvasSize() const
{
    if (m_docSpecificFixedCanvasFlag == 1)
        return QSizeF(m_docSpecificPageWidth, m_docSpecificPageHeight);
    return QSizeF(m_canvasState.canvasWidth, m_canvasState.canvasHeight);
}

void SKTDocument::hideAllDocPanels()
{
    if (m_windowController)
        m_windowController->hideAllDocPanels();
}

bool SKTDocument::canCloseDocumentWithDelegate(const CloseCallback& callback)
{
    hideAllDocPanels();
    bool shouldClose = true;
    if (isDocumentEdited()) {
        Alert alert(QStringLiteral("This file has changed"),
                    QStringLiteral("Do you want to save the changes?"),
                    {buttonTitle("Yes"), buttonTitle("No"), buttonTitle("Cancel")});
        alert.style = Alert::Warning;
        switch (alert.runModal()) {
        case Alert::FirstButton:
            shouldClose = saveDocumentWithDelegate();
            break;
        case Alert::SecondButton:
            shouldClose = true;
            break;
        default:
            shouldClose = false;
            break;
        }
    }
    if (callback)
        callback(*this, shouldClose);
    return shouldClose;
}

bool SKTDocument::saveDocumentWithDelegate(const std::function<void(SKTDocument&, bool)>& callback)
{
    const QString refusal = savingRefusal();
    DocumentResult result;
    if (!refusal.isEmpty())
        result = DocumentResult::failed(DocumentResult::Refused, refusal);
    else if (m_saveOperation)
        result.outcome = m_saveOperation(*this) ? DocumentResult::Done : DocumentResult::NotSaved;
    else
        result = savePageDocument();
    DocumentAlerts::showSaveResult(*this, result);
    const bool didSave = result.ok();
    if (callback)
        callback(*this, didSave);
    return didSave;
}

QString SKTDocument::createFileName() const
{
    if (!m_fileLocation.isEmpty())
        return QFileInfo(m_fileLocation).completeBaseName();
    if (!m_mainTemplateName.isEmpty())
        return m_mainTemplateName;
    return QStringLiteral("untitled");
}

QString SKTDocument::grabCurrentDocPath() const
{
    if (m_pagePath.isNull())
        return {};
    const QString suffix = QFileInfo(m_pagePath).suffix();
    return suffix.isEmpty() ? m_pagePath : m_pagePath.chopped(suffix.size() + 1);
}

QString SKTDocument::grabNextImageName() const
{
    return m_windowController ? m_windowController->grabNextImageName() : QString();
}

QPointF SKTDocument::grabLastTouchPoint() const
{
    return m_windowController ? m_windowController->grabLastTouchPoint() : QPointF();
}

void SKTDocument::setSelectedTextColor(const QColor& color)
{
    if (m_windowController)
        m_windowController->setSelectedColor(ColorTarget::Text, color);
}

void SKTDocument::setSelectedShapeColor(const QColor& color)
{
    if (m_windowController)
        m_windowController->setSelectedColor(ColorTarget::ShapeFill, color);
}

void SKTDocument::setSelectedHoverColor(const QColor& color)
{
    if (m_windowController)
        m_windowController->setSelectedColor(ColorTarget::HoverBackground, color);
}

void SKTDocument::setSelectedHoverTextColor(const QColor& color)
{
    if (m_windowController)
        m_windowController->setSelectedColor(ColorTarget::HoverText, color);
}

void SKTDocument::setSelectedBorderColor(const QColor& color)
{
    if (m_windowController)
        m_windowController->setSelectedColor(ColorTarget::Border, color);
}

void SKTDocument::refreshColorButtons()
{
    if (m_windowController)
        m_windowController->refreshColorButtons();
}

void SKTDocument::refreshInspectorPanel()
{
    if (m_windowController)
        m_windowController->refreshInspectorPanel();
}

void SKTDocument::reAlignFormOptions()
{
    if (m_windowController)
        m_windowController->reAlignFormOptions();
}

SectionLayout SKTDocument::sectionLayout() const
{
    const DocumentWindow* window = m_windowController.get();
    return SectionLayout(m_graphics, [window](const SKTGraphic& graphic) {
        return window && window->isGraphicSelected(graphic);
    });
}

float SKTDocument::handleScale() const
{
    return m_handleScale > 0 ? m_handleScale : GraphicContext::handleScale();
}
