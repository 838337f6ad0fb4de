#include "InspectorTestSupport.h"

#include "inspector/controls/ValueSlider.h"
#include "inspector/library/ObjectLibraryView.h"
#include "inspector/panel/FloatWindowController.h"
#include "inspector/panel/InspectorFontList.h"
#include "model/SKTText.h"
#include "platform/SegmentedControl.h"
#include "window/views/FlippedNSView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>

namespace {

const QStringList kSortedWebFonts = {
    "Actor",        "Alef",          "Amatic SC",          "Anton",           "Arimo",
    "Arvo",         "Bangers",       "Berkshire Swash",    "Bitter",          "Cabin",
    "Candal",       "Codystar",      "Dancing Script",     "Ewert",           "Goudy Bookletter 1911",
    "Great Vibes",  "Indie Flower",  "Josefin Sans",       "Josefin Slab",    "Lato",
    "Lobster Two",  "Lora",          "Mate SC",            "Monoton",         "Montserrat",
    "Noto Sans",    "Old Standard TT", "Orbitron",         "Oswald",          "Oxygen",
    "Pacifico",     "Passion",       "Paytone One",        "Poiret One",      "PT Mono",
    "PT Sans",      "Quicksand",     "Qwigley",            "Raleway",         "Roboto",
    "Sail",         "Shadows Into Light", "Source Sans Pro", "Titan One",     "Titillium Web",
    "Tulpen One",   "Ubuntu Mono",   "Vast Shadow",        "Vollkorn"};

QStringList namesOf(const QList<CustomFont>& fonts)
{
    QStringList names;
    for (const CustomFont& font : fonts)
        names << font.fontName();
    return names;
}

class InspectorPanelTest : public InspectorTest {};

TEST_F(InspectorPanelTest, TheFontListPutsTheWebFontsFirstThenTheStandardThenTheInstalledFamilies)
{
    const QStringList installed = {"Zapfino", "Lato", "Arial", "DejaVu Sans", "Helvetica"};
    const QList<CustomFont> fonts = inspectorFontList(false, installed);
    EXPECT_EQ(namesOf(fonts), (kSortedWebFonts + QStringList{"Arial", "Helvetica", "Zapfino", "DejaVu Sans"}));
    const auto source = [&](const QString& name) {
        return fonts.at(namesOf(fonts).indexOf(name)).sourceCodeName();
    };
    EXPECT_EQ(source("Passion"), QStringLiteral("Passion+One"));
    EXPECT_EQ(source("Lobster Two"), QStringLiteral("Lobster Two"));
    EXPECT_EQ(source("Source Sans Pro"), QStringLiteral("Source+Sans+Pro:300"));
    EXPECT_EQ(source("Helvetica"), QStringLiteral("Helvetica"));
    EXPECT_TRUE(fonts.at(50).isCustomFont());
    EXPECT_FALSE(fonts.at(51).isCustomFont());

    EXPECT_EQ(namesOf(inspectorFontList(true, installed)), (QStringList{"Zapfino", "DejaVu Sans"}));
    EXPECT_EQ(inspectorFontList(false, {}).size(), 51);
}

TEST_F(InspectorPanelTest, TheFontPopUpShowsWebFontsInOrangeAndHidesStandardFontsWhenAsked)
{
    SKTWindowController& window = openWindow();
    auto* popup = child<QComboBox>(window, "fontPopupButton");
    EXPECT_EQ(popup->itemText(0), QStringLiteral("Actor"));
    EXPECT_EQ(popup->itemText(50), QStringLiteral("Helvetica"));
    EXPECT_EQ(popup->itemData(0, Qt::ForegroundRole).value<QColor>(), QColor(0xFF, 0x8C, 0x00));
    EXPECT_EQ(popup->itemData(0, Qt::FontRole).value<QFont>().pointSize(), 15);
    if (popup->count() > 51)
        EXPECT_FALSE(popup->itemData(51, Qt::FontRole).isValid());

    DataCentre::mutableProfile().hideStandardFonts = true;
    SKTWindowController& plain = openWindow();
    auto* hidden = child<QComboBox>(plain, "fontPopupButton");
    for (const QString& name : kSortedWebFonts + QStringList{"Arial", "Helvetica"})
        EXPECT_EQ(hidden->findText(name), -1) << name.toStdString();
}

TEST_F(InspectorPanelTest, TheTabbedSidebarShowsTheObjectLibraryUnderItsStrip)
{
    DataCentre::mutableProfile().objectCatalogName = QStringLiteral("Velk");
    SKTWindowController& window = openWindow();
    InspectorPanel& inspector = panel(window);
    QWidget* pane = window.inspectorView();
    EXPECT_EQ(pane->width(), 270);
    EXPECT_GE(pane->height(), 540);
    SegmentedControl* strip = inspector.sidebarSwitchSegmentedControl();
    ASSERT_NE(strip, nullptr);
    EXPECT_EQ(strip->selectedSegment(), InspectorPanel::AddTab);
    EXPECT_TRUE(strip->isVisible());
    EXPECT_TRUE(strip->isSegmentEnabled(InspectorPanel::LayersTab));
    EXPECT_TRUE(inspector.objectLibrary()->isVisible());
    EXPECT_GE(inspector.objectLibrary()->geometry().top(), strip->geometry().bottom());

    // An HTML page leaves out the form items that a form page lists.
    window.document()->setPageFileExtension(QStringLiteral("html"));
    inspector.switchSideBarView();
    EXPECT_EQ(inspector.objectLibrary()->objectCatalogue().size(), 17);
    window.document()->setPageFileExtension(QStringLiteral("php"));
    inspector.switchSideBarView();
    EXPECT_EQ(inspector.objectLibrary()->objectCatalogue().size(), 24);

    // A value that names no tab leaves the sidebar as it was.
    QWidget* list = inspector.objectLibrary()->dragObjectsClipView();
    inspector.showTab(3);
    EXPECT_EQ(inspector.objectLibrary()->dragObjectsClipView(), list);
    EXPECT_EQ(strip->selectedSegment(), InspectorPanel::AddTab);
    EXPECT_EQ(inspector.bindings().boundCount(), 0);
}

TEST_F(InspectorPanelTest, TheControlsAreMadeOnceHiddenInThePanelUnderTheirFieldNames)
{
    SKTWindowController& window = openWindow();
    const InspectorControls& controls = panel(window).controls();
    EXPECT_EQ(controls.widthTextField->objectName(), QStringLiteral("widthTextField"));
    EXPECT_EQ(controls.widthTextField->geometry(), QRect(140, 25, 60, 25));
    EXPECT_EQ(controls.hyperLinkTextField->geometry(), QRect(5, 310, 255, 30));
    EXPECT_EQ(controls.gridTypePopupButton->itemText(1), QStringLiteral("Section Template"));
    EXPECT_EQ(controls.rotationApplyCheckmark->text(), QStringLiteral("Apply Rotation"));
    EXPECT_TRUE(controls.widthTextField->isHidden());
    EXPECT_EQ(controls.widthTextField->parentWidget(), window.inspectorView());
    EXPECT_EQ(controls.borderWidthSlider->maximumValue(), 10);

    DataCentre::mutableProfile().wideBorderRange = true;
    SKTWindowController& wide = openWindow();
    EXPECT_EQ(panel(wide).controls().borderWidthSlider->maximumValue(), 30);
    EXPECT_EQ(panel(wide).controls().lineWidthSlider->maximumValue(), 30);
}

TEST_F(InspectorPanelTest, FormItemsAreOfferedOnFormPages)
{
    const struct {
        const char* type;
        const char* extension;
        bool formPage;
    } cases[] = {{"velkpage", "php", true}, {"quarnel", "html", true}, {"velkpage", "html", false}};
    for (const auto& c : cases) {
        SKTWindowController& window = openWindow();
        window.document()->setPageFileType(QString::fromLatin1(c.type));
        window.document()->setPageFileExtension(QString::fromLatin1(c.extension));
        EXPECT_EQ(window.showAddFormObjects(), c.formPage) << c.type << " " << c.extension;
    }
}

TEST_F(InspectorPanelTest, TheDefaultTextBoxIsAddedInFrontAsOneUndoStep)
{
    SKTWindowController& window = openWindow();
    addRectangle(window, QRectF(0, 0, 50, 50));
    window.addGraphicViewTextBox(QStringLiteral("report.pdf"), QStringLiteral("http://example.org/report.pdf"),
                                 -99, QRectF(10, 20, 200, 40));
    SKTDocument& document = *window.document();
    ASSERT_EQ(document.graphics().size(), 2);
    auto* box = dynamic_cast<SKTText*>(document.graphics().first().get());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->textString(), QStringLiteral("report.pdf"));
    EXPECT_EQ(box->link(), QStringLiteral("http://example.org/report.pdf"));
    EXPECT_EQ(box->bounds(), QRectF(10, 20, 200, 40));
    EXPECT_EQ(box->fontFamily(), QStringLiteral("Actor"));
    EXPECT_EQ(box->fontSize(), 15);
    EXPECT_EQ(box->fontColor(), QColor(0x55, 0x55, 0x55));
    EXPECT_EQ(box->backgroundHexColorString(), QStringLiteral("CLEAR0"));
    EXPECT_EQ(box->borderStyle(), QStringLiteral("none"));
    EXPECT_EQ(box->borderWidth(), 0);
    EXPECT_EQ(box->groupNumber(), -99);
    EXPECT_EQ(box->fontAlignment(), 0);
    EXPECT_EQ(box->textType(), QStringLiteral("Text"));

    document.undoManager().checkpoint();
    document.undoManager().undo();
    EXPECT_EQ(document.graphics().size(), 1);
}

TEST_F(InspectorPanelTest, OnlyOnePopoverIsShownAtATime)
{
    SKTWindowController& window = openWindow();
    InspectorPanel& inspector = panel(window);
    QWidget* anchor = inspector.sidebarSwitchSegmentedControl();
    QPointer<QLabel> first = new QLabel(QStringLiteral("first"));
    inspector.showPopover(first, *anchor, anchor->rect());
    ASSERT_TRUE(inspector.velkPopOver());
    EXPECT_TRUE(first->isVisible());
    inspector.showPopover(new QLabel(QStringLiteral("second")), *anchor, anchor->rect());
    QTest::qWait(10);
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(window.findChildren<QWidget*>(QStringLiteral("velkPopOver")).size(), 1);
    ASSERT_TRUE(inspector.velkPopOver()->isVisible());
    EXPECT_EQ(inspector.velkPopOver()->findChild<QLabel*>()->text(), QStringLiteral("second"));
    inspector.closeVelkPopOver();
    EXPECT_FALSE(inspector.velkPopOver()->isVisible());
}

TEST_F(InspectorPanelTest, TheFloatSheetHoldsThePickerAndCancelEndsIt)
{
    SKTWindowController& window = openWindow();
    auto* picker = new QLabel(QStringLiteral("presets"));
    FloatWindowController* sheet = panel(window).runFloatSheet(picker);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(sheet));
    EXPECT_EQ(sheet->windowModality(), Qt::WindowModal);
    EXPECT_TRUE(sheet->mainView()->isAncestorOf(picker));
    QTest::mouseClick(sheet->cancelButton(), Qt::LeftButton);
    EXPECT_FALSE(sheet->isVisible());
}

} // namespace
