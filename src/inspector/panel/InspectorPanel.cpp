#include "inspector/panel/InspectorPanel.h"

#include "canvas/view/SKTGraphicView.h"
#include "document/core/SKTDocument.h"
#include "inspector/actions/FormattingActions.h"
#include "inspector/bindings/InspectorBindings.h"
#include "inspector/classic/ClassicInspector.h"
#include "inspector/color/ColorModel.h"
#include "inspector/format/FormatTabView.h"
#include "inspector/layers/LayersTabView.h"
#include "inspector/library/ObjectLibraryView.h"
#include "inspector/panel/FloatWindowController.h"
#include "inspector/presets/PresetPickers.h"
#include "platform/SegmentedControl.h"
#include "profile/DataCentre.h"
#include "window/SKTWindowController.h"
#include "window/views/FlippedNSView.h"

#include <QBoxLayout>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kTabStripHeight = 30;

} // namespace

InspectorPanel::InspectorPanel(SKTWindowController& window)
    : QObject(&window)
    , m_window(window)
    , m_controls(InspectorControls::initializeInspectorElements(*window.inspectorView()))
    , m_bindings(new InspectorBindings(window))
    , m_colors(new ColorModel(window, [this](QWidget* content, QWidget& anchor, const QRect& rect) {
        showPopover(content, anchor, rect);
    }))
    , m_actions(new FormattingActions(window, m_controls))
{
    setObjectName(QStringLiteral("inspectorPanel"));
    connect(&window, &SKTWindowController::createInspectorPanel, this, &InspectorPanel::createInspectorPanel);
    connect(&window, &SKTWindowController::switchSideBarView, this, &InspectorPanel::switchSideBarView);
    connect(&window, &SKTWindowController::unbindEverything, this, &InspectorPanel::unbindEverything);
    connect(&window, &SKTWindowController::graphicTouched, this, &InspectorPanel::graphicTouched);
    connect(&window, &SKTWindowController::refreshLayerListing, this, &InspectorPanel::refreshLayerListing);
    new PresetPickers(window, *this);
    if (DataCentre::profile().dragInspector) {
        buildSidebar();
        createInspectorPanel();
    } else {
        m_classic = new ClassicInspector(window, m_controls, *m_colors);
    }
}

void InspectorPanel::installInDocumentWindows()
{
    SKTWindowController::setInspectorMaker([](SKTWindowController& window) { new InspectorPanel(window); });
}

InspectorPanel* InspectorPanel::of(const SKTWindowController& window)
{
    return window.findChild<InspectorPanel*>(QStringLiteral("inspectorPanel"), Qt::FindDirectChildrenOnly);
}

void InspectorPanel::buildSidebar()
{
    QWidget& panel = *m_window.inspectorView();
    m_sidebarSwitchSegmentedControl =
        new SegmentedControl({tr("Add"), tr("Format"), tr("Layers")}, &panel);
    m_sidebarSwitchSegmentedControl->setObjectName(QStringLiteral("sidebarSwitchSegmentedControl"));
    m_sidebarSwitchSegmentedControl->setFixedHeight(kTabStripHeight);
    // Each tab takes a third of the panel's width.
    for (QToolButton* segment : m_sidebarSwitchSegmentedControl->findChildren<QToolButton*>())
        segment->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_sidebarSwitchSegmentedControl->setSelectedSegment(AddTab);
    connect(m_sidebarSwitchSegmentedControl, &SegmentedControl::activated, this,
            &InspectorPanel::switchSideBarView);
    m_objectLibrary = new ObjectLibraryView(&panel);
    m_objectLibrary->setObjectName(QStringLiteral("objectLibrary"));
    m_formatTab = new FormatTabView(m_controls, *m_colors, &panel);
    m_layersTab = new LayersTabView(&panel);
    m_formatTab->hide();
    m_layersTab->hide();
    connect(m_layersTab, &LayersTabView::manuallySelectObject, this,
            [this](int objectIndex) { m_window.graphicView()->manuallySelectObject(objectIndex); });
    connect(&m_window, &SKTWindowController::clearLayerListingIcons, m_layersTab,
            &LayersTabView::clearLayerListingIcons);
    auto* column = static_cast<QBoxLayout*>(panel.layout());
    column->addWidget(m_sidebarSwitchSegmentedControl);
    column->addWidget(m_objectLibrary, 1);
    column->addWidget(m_formatTab, 1);
    column->addWidget(m_layersTab, 1);
}

void InspectorPanel::showTabView(int tab)
{
    m_sidebarSwitchSegmentedControl->setSelectedSegment(tab);
    m_objectLibrary->setVisible(tab == AddTab);
    m_formatTab->setVisible(tab == FormatTab);
    m_layersTab->setVisible(tab == LayersTab);
}

void InspectorPanel::createInspectorPanel()
{
    QWidget& panel = *m_window.inspectorView();
    panel.setFixedWidth(SKTWindowController::inspectorPanelWidth);
    panel.setMinimumHeight(SKTWindowController::inspectorPanelHeight);
    if (m_classic) {
        // The classic layout is built afresh each time, its controls bound at once.
        m_classic->rebuild();
        restoreBinding();
    }
    switchInspectorView();
}

void InspectorPanel::switchInspectorView()
{
    if (m_classic)
        m_classic->switchInspectorView();
    else
        switchSideBarView();
}

void InspectorPanel::switchSideBarView()
{
    if (m_sidebarSwitchSegmentedControl)
        showTab(m_sidebarSwitchSegmentedControl->selectedSegment());
}

void InspectorPanel::showTab(int tab)
{
    if (!m_sidebarSwitchSegmentedControl)
        return;
    switch (tab) {
    case AddTab:
        showObjectsList();
        break;
    case FormatTab:
        showFormattingOptions();
        break;
    case LayersTab:
        showLayers();
        break;
    default:
        // Values that name no tab leave the sidebar as it is.
        break;
    }
}

void InspectorPanel::showObjectsList()
{
    showTabView(AddTab);
    const SKTDocument* document = m_window.document();
    m_objectLibrary->showObjectsList(document ? document->pageFileExtension() : QString());
}

void InspectorPanel::showFormattingOptions()
{
    if (m_formatTab) {
        showTabView(FormatTab);
        m_formatTab->showFormattingOptions(m_window.graphicView()->selectedGraphics());
    }
    restoreBinding();
}

void InspectorPanel::showLayers()
{
    showTabView(LayersTab);
    m_layersTab->showLayers(m_window.graphicView()->graphics());
}

void InspectorPanel::refreshLayerListing()
{
    if (m_sidebarSwitchSegmentedControl && m_sidebarSwitchSegmentedControl->selectedSegment() == LayersTab)
        showLayers();
}

void InspectorPanel::restoreBinding()
{
    m_bindings->restoreBinding(m_window.graphicsController(), m_window.document());
    m_actions->connectActions();
}

void InspectorPanel::unbindEverything()
{
    m_bindings->unbindEverything();
}

void InspectorPanel::graphicTouched()
{
    if (DataCentre::profile().dragInspector) {
        if (m_sidebarSwitchSegmentedControl && m_sidebarSwitchSegmentedControl->selectedSegment() == FormatTab)
            showFormattingOptions();
    } else if (m_window.isInspectorShown()) {
        restoreBinding();
    }
}

void InspectorPanel::showPopover(QWidget* content, QWidget& anchor, const QRect& anchorRect)
{
    closeVelkPopOver();
    if (!m_velkPopOver) {
        m_velkPopOver = new QWidget(&m_window, Qt::Popup);
        m_velkPopOver->setObjectName(QStringLiteral("velkPopOver"));
        new QVBoxLayout(m_velkPopOver);
    }
    // The popover holds one picker at a time.
    if (m_popoverContent != content)
        delete m_popoverContent;
    m_popoverContent = content;
    m_velkPopOver->layout()->addWidget(content);
    m_velkPopOver->adjustSize();
    // Beside the anchor, on its left edge, centred on it.
    const QPoint left = anchor.mapToGlobal(QPoint(anchorRect.left(), anchorRect.center().y()));
    QPoint origin(left.x() - m_velkPopOver->width(), left.y() - m_velkPopOver->height() / 2);
    // A tall picker stays on the anchor's screen.
    if (const QScreen* screen = anchor.screen()) {
        const QRect area = screen->availableGeometry();
        origin.setY(std::clamp(origin.y(), area.top(), std::max(area.top(), area.bottom() - m_velkPopOver->height())));
    }
    m_velkPopOver->move(origin);
    m_velkPopOver->show();
}

void InspectorPanel::closeVelkPopOver()
{
    if (m_velkPopOver)
        m_velkPopOver->hide();
}

FloatWindowController* InspectorPanel::runFloatSheet(QWidget* content)
{
    if (m_floatWindowController) {
        // A sheet still running ends first, so that what it borrowed goes back.
        m_floatWindowController->reject();
        m_floatWindowController->deleteLater();
    }
    m_floatWindowController = new FloatWindowController(&m_window);
    m_floatWindowController->mainView()->setLayout(new QVBoxLayout);
    m_floatWindowController->mainView()->layout()->addWidget(content);
    m_floatWindowController->open();
    return m_floatWindowController;
}
