#pragma once

#include "inspector/panel/FloatWindowController.h"
#include "inspector/panel/InspectorControls.h"

#include <QObject>
#include <QPointer>

class ClassicInspector;
class ColorModel;
class FormatTabView;
class FormattingActions;
class InspectorBindings;
class LayersTabView;
class ObjectLibraryView;
class SKTWindowController;

// The inspector of one document window: the panel of 270 x 540 points at the window's right, its shared
// controls, and on products with the tabbed sidebar the strip of the Add, Format and Layers tabs over the
// tab's list. It binds the controls to the window's selection and follows what the window asks of it:
// building the panel, switching tabs, removing the bindings, a touched graphic. It hosts the pickers'
// popover (one at a time per window) and floating sheet.
class InspectorPanel : public QObject {
    Q_OBJECT

public:
    enum Tab { AddTab = 0, FormatTab = 1, LayersTab = 2 };

    // Made by the window while it loads; lives as long as the window.
    explicit InspectorPanel(SKTWindowController& window);

    // Every document window made from now on gets its inspector.
    static void installInDocumentWindows();
    // The inspector of the window; null when it has none.
    static InspectorPanel* of(const SKTWindowController& window);

    const InspectorControls& controls() const { return m_controls; }
    SegmentedControl* sidebarSwitchSegmentedControl() const { return m_sidebarSwitchSegmentedControl; }
    ObjectLibraryView* objectLibrary() const { return m_objectLibrary; }
    FormatTabView* formatTab() const { return m_formatTab; }
    LayersTabView* layersTab() const { return m_layersTab; }
    InspectorBindings& bindings() const { return *m_bindings; }
    ColorModel& colors() const { return *m_colors; }
    FormattingActions& actions() const { return *m_actions; }
    // The classic pages of a product without the tabbed sidebar; null on the others.
    ClassicInspector* classicInspector() const { return m_classic; }

    // Sizes the panel and shows its current tab.
    void createInspectorPanel();
    // Shows the tab the strip selects.
    void switchSideBarView();
    // The page switch of the classic inspector; with the tabbed sidebar, the tab switch.
    void switchInspectorView();
    // Shows the tab; a value that names no tab changes nothing.
    void showTab(int tab);
    void showObjectsList();
    // The Format tab: the controls are bound to the selection whenever it shows.
    void showFormattingOptions();
    // The Layers tab: one row per object of the page.
    void showLayers();
    // The page's list changed: the Layers tab follows while it shows.
    void refreshLayerListing();
    // Binds the controls to the selection, then their actions after the bindings.
    void restoreBinding();
    void unbindEverything();
    // The selection changed: the Format tab follows it; the classic panel binds again while it is shown.
    void graphicTouched();

    // Shows the picker's view in the window's popover, next to the anchor's rectangle, in place of the
    // picker shown before, which goes.
    void showPopover(QWidget* content, QWidget& anchor, const QRect& anchorRect);
    void closeVelkPopOver();
    QWidget* velkPopOver() const { return m_velkPopOver; }
    // Runs a new floating sheet on the window with the picker's view in it; the last one made is kept.
    FloatWindowController* runFloatSheet(QWidget* content);
    FloatWindowController* floatWindowController() const { return m_floatWindowController; }

private:
    void buildSidebar();
    // Shows the tab's view in the sidebar, the others hidden, and selects its segment.
    void showTabView(int tab);

    SKTWindowController& m_window;
    InspectorControls m_controls;
    InspectorBindings* m_bindings;
    SegmentedControl* m_sidebarSwitchSegmentedControl = nullptr;
    ObjectLibraryView* m_objectLibrary = nullptr;
    FormatTabView* m_formatTab = nullptr;
    LayersTabView* m_layersTab = nullptr;
    ClassicInspector* m_classic = nullptr;
    ColorModel* m_colors;
    FormattingActions* m_actions;
    QPointer<QWidget> m_velkPopOver;
    QPointer<QWidget> m_popoverContent;
    QPointer<FloatWindowController> m_floatWindowController;
};
