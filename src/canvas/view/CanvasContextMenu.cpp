#include "canvas/view/CanvasContextMenu.h"

#include "canvas/view/SKTGraphicView.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

namespace {

enum class Place { TopLevel, Submenu, InSubmenu };

struct Entry {
    const char* title; // empty for a separator
    // For a submenu, the name of the item that opens it; for a separator, its name or nothing.
    const char* action;
    Place place = Place::TopLevel;
    const char* method = nullptr; // when the canvas's method is not named as the action
};

// clang-format off
const Entry kEntries[] = {
    {"Code Editor...", "showCodeEditor"},
    {"Apply Snippet Formatting", "applyHTMLSnippetFormattingOption"},
    {"Remove Snippet Formatting", "removeHTMLSnippetFormattingOption"},
    {"Auto Adjust Snippet Size", "autoAdjustSnippetSize"},
    {"", "firstSeparatorItem"},
    {"Edit Slideshow...", "editSlideshow"},
    // The slide a selected slideshow shows
    {"Delete Slide", "deleteSlide"},
    {"Replace Slide...", "replaceSlide"},
    {"Hyperlink Slide...", "linkSlide"},
    {"Set Auto Scrolling", "automateSlideShow"},
    {"", ""},
    {"Group", "groupObjects"},
    {"Ungroup", "unGroupObjects"},
    {"", ""},
    {"Lock", "lockObjects"},
    {"Unlock", "unLockObjects"},
    {"Position", "positionSettingActions", Place::Submenu},
    {"Scroll Lock", "scrollLockObjects", Place::InSubmenu},
    {"Remove Scroll Lock", "unScrollLockObjects", Place::InSubmenu},
    {"Match Screen Width", "matchScreenWidth", Place::InSubmenu},
    {"Remove Match Screen Width", "unMatchScreenWidth", Place::InSubmenu},
    {"", ""},
    {"Arrange", "layerOptionsShown", Place::Submenu},
    {"Bring To Front", "bringToFront", Place::InSubmenu},
    {"Bring Forward", "bringForward", Place::InSubmenu},
    {"Send Backward", "sendBackward", Place::InSubmenu},
    {"Send To Back", "sendToBack", Place::InSubmenu},
    {"Align", "alignOptionsShown", Place::Submenu},
    {"Align Left Edges", "alignLeftEdges", Place::InSubmenu},
    {"Align Right Edges", "alignRightEdges", Place::InSubmenu},
    {"Align Top Edges", "alignTopEdges", Place::InSubmenu},
    {"Align Bottom Edges", "alignBottomEdges", Place::InSubmenu},
    {"Align Horizontal Centers", "alignHorizontalCenters", Place::InSubmenu},
    {"Align Vertical Centers", "alignVerticalCenters", Place::InSubmenu},
    {"", "", Place::InSubmenu},
    {"Space Horizontally", "alignHorizontalSpacing", Place::InSubmenu},
    {"Space Vertically", "alignVerticalSpacing", Place::InSubmenu},
    {"", "", Place::InSubmenu},
    {"Make Same Width", "makeSameWidth", Place::InSubmenu},
    {"Make Same Height", "makeSameHeight", Place::InSubmenu},
    {"Make Same Size", "makeSameSize", Place::InSubmenu},
    {"Make Natural Size", "makeNaturalSize", Place::InSubmenu},
    {"", "", Place::InSubmenu},
    {"Align To Grid", "alignWithGrid", Place::InSubmenu},
    {"Center On Page", "centerGroup"},
    {"Center Within Group", "centerWithinGroup"},
    {"Center On Canvas", "centerOnCanvas"},
    {"", "fourthSeparatorItem"},
    {"Configure Table Grid...", "configureTableGrid"},
    // Copy and paste, then the table commands
    {"Cut", "cut"},
    {"Copy", "copy"},
    {"Paste", "paste"},
    {"Duplicate", "duplicate"},
    {"Table", "tableEditMenu", Place::Submenu},
    {"Join Tables Vertically", "joinTablesVertically", Place::InSubmenu},
    {"Join Tables Horizontally", "joinTablesHorizontally", Place::InSubmenu},
    {"Swap Rows And Columns", "transformTable", Place::InSubmenu},
    {"Move Row Up", "moveTableRowUp", Place::InSubmenu},
    {"Move Row Down", "moveTableRowDown", Place::InSubmenu},
    {"Move Column Left", "moveTableRowLeft", Place::InSubmenu},
    {"Move Column Right", "moveTableRowRight", Place::InSubmenu},
    {"Insert Row", "insertTableRow", Place::InSubmenu},
    {"Insert Column", "insertTableColumn", Place::InSubmenu},
    {"Delete Row", "deleteTableRow", Place::InSubmenu},
    {"Delete Column", "deleteTableColumn", Place::InSubmenu},
    {"Refresh Table Of Contents", "refreshTableOfContents", Place::InSubmenu},
    {"Configure Section Grid...", "configureSectionWindowController"},
    // Images
    {"", ""},
    {"Crop Image...", "launchCropImagePanel"},
    {"Replace Image...", "launchReplaceImage"},
    {"Click to Enlarge", "showClickToEnlargeOptions", Place::Submenu},
    {"Light Backdrop", "setClickToEnlargeLight", Place::InSubmenu},
    {"Dark Backdrop", "setClickToEnlargeDark", Place::InSubmenu},
    {"Clear Backdrop", "setClickToEnlargeClear", Place::InSubmenu},
    {"Remove Click to Enlarge", "disableClickToEnlarge", Place::InSubmenu},
    // Gallery grids, and the pictures of galleries, tables and slideshows
    {"", ""},
    {"Add Images To Gallery...", "addGalleryImage"},
    {"Configure Gallery Grid...", "configureGalleryGrid"},
    {"Gallery Image", "galleryEditMenu", Place::Submenu},
    {"Edit Caption...", "configureGalleryImageCaption", Place::InSubmenu},
    {"Replace Image...", "replaceGalleryImage", Place::InSubmenu},
    {"Delete Image", "deleteGalleryImage", Place::InSubmenu},
    {"", "", Place::InSubmenu},
    {"Move Up", "moveImageUp", Place::InSubmenu},
    {"Move Down", "moveImageDown", Place::InSubmenu},
    {"Move Left", "moveImageLeft", Place::InSubmenu},
    {"Move Right", "moveImageRight", Place::InSubmenu},
    {"Add Images To Table...", "addGalleryImageToTable"},
    {"Delete Table Image", "deleteTableImage"},
    {"Add Background Image...", "addSectionBackgroundImage", Place::TopLevel, "addBackgroundImageToSelectedTable"},
    {"Remove Background Image", "removeTableBackgroundImage", Place::TopLevel, "removeBackgroundImageFromSelectedTable"},
    {"Add Images To Slideshow...", "addSlideshowImage"},
    // Web-form fields and saved text
    {"", ""},
    {"Mark As Reply-To Email", "markAsReplyTo"},
    {"Make Mandatory", "makeFormMandatory"},
    {"Make Optional", "makeFormOptional"},
    {"Add Multiple Choice Option", "addNewMultipleChoiceOption"},
    {"Add Checkbox Option", "addNewCheckboxChoiceOption"},
    {"Saved Text", "savedTextOptions", Place::Submenu},
    {"Saved Text Collection...", "launchSavedTextWindow", Place::InSubmenu},
    {"Add Text To Saved Text", "addToSavedTextWindow", Place::InSubmenu},
    {"", ""},
    {"Arrow Options", "showArrowOptions", Place::Submenu},
    {"Draw Start Arrow", "drawStartArrow", Place::InSubmenu},
    {"Hide Start Arrow", "hideStartArrow", Place::InSubmenu},
    {"Draw End Arrow", "drawEndArrow", Place::InSubmenu},
    {"Hide End Arrow", "hideEndArrow", Place::InSubmenu},
    {"Add Branches...", "multiplyNewShapes"},
    // Zoom bubble, object popovers and style copy and paste
    {"", ""},
    {"Create Zoom Bubble", "createZoomBubble"},
    {"Link...", "applyLinkPopOver"},
    {"Tooltip...", "applyTooltip"},
    {"Layer Index...", "applyLayerIndex"},
    {"Remove Layer Index", "removeManualLayerIndex"},
    {"Copy Style", "grabCopyStyle"},
    {"Paste Style", "applyPasteStyle"},
    {"", ""},
    {"Delete", "delete", Place::TopLevel, "delete_"},
};
// clang-format on

} // namespace

namespace CanvasContextMenu {

void validate(const QMenu& menu, SKTGraphicView& canvas)
{
    for (QAction* item : menu.actions()) {
        if (item->isSeparator())
            continue;
        canvas.validateMenuItem(item);
        if (const QMenu* submenu = item->menu())
            validate(*submenu, canvas);
    }
}

QMenu* build(SKTGraphicView& canvas, QWidget* owner)
{
    auto* menu = new QMenu(owner);
    menu->setObjectName(QStringLiteral("graphicViewMenu"));
    QMenu* holder = menu;
    for (const Entry& entry : kEntries) {
        if (entry.place != Place::InSubmenu)
            holder = menu;
        const QString title = QCoreApplication::translate("CanvasContextMenu", entry.title);
        const QString action = QString::fromLatin1(entry.action);
        if (title.isEmpty()) {
            holder->addSeparator()->setObjectName(action);
        } else if (entry.place == Place::Submenu) {
            holder = menu->addMenu(title);
            holder->menuAction()->setObjectName(action);
        } else {
            QAction* item = holder->addAction(title);
            item->setObjectName(action);
            const QByteArray method = entry.method ? QByteArray(entry.method) : action.toLatin1();
            QObject::connect(item, &QAction::triggered, &canvas,
                             [&canvas, method] { QMetaObject::invokeMethod(&canvas, method.constData()); });
        }
    }
    QObject::connect(menu, &QMenu::aboutToShow, &canvas, [menu, &canvas] { validate(*menu, canvas); });
    return menu;
}

} // namespace CanvasContextMenu
