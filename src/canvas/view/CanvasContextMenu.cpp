#include "canvas/view/CanvasContextMenu.h"

#include "canvas/view/SKTGraphicView.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

namespace {

enum class Place { TopLevel, Submenu, InSubmenu };

struct Entry {
    const char* title;  // empty for a separator
    const char* action; // for a submenu, the name of the item that opens it
    Place place = Place::TopLevel;
};

// clang-format off
const Entry kEntries[] = {
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
    {"Center On Page", "centerGroup"},
    {"Center Within Group", "centerWithinGroup"},
    {"Center On Canvas", "centerOnCanvas"},
    {"", ""},
    {"Configure Table Grid...", "configureTableGrid"},
    {"Configure Section Grid...", "configureSectionWindowController"},
    {"Edit Slideshow...", "editSlideshow"},
    {"Auto Adjust Snippet Size", "autoAdjustSnippetSize"},
    // Images
    {"", ""},
    {"Crop Image...", "launchCropImagePanel"},
    {"Replace Image...", "launchReplaceImage"},
    {"Click to Enlarge", "showClickToEnlargeOptions", Place::Submenu},
    {"Light Backdrop", "setClickToEnlargeLight", Place::InSubmenu},
    {"Dark Backdrop", "setClickToEnlargeDark", Place::InSubmenu},
    {"Clear Backdrop", "setClickToEnlargeClear", Place::InSubmenu},
    {"Remove Click to Enlarge", "disableClickToEnlarge", Place::InSubmenu},
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
            holder->addSeparator();
        } else if (entry.place == Place::Submenu) {
            holder = menu->addMenu(title);
            holder->menuAction()->setObjectName(action);
        } else {
            QAction* item = holder->addAction(title);
            item->setObjectName(action);
            const QByteArray method = action.toLatin1();
            QObject::connect(item, &QAction::triggered, &canvas,
                             [&canvas, method] { QMetaObject::invokeMethod(&canvas, method.constData()); });
        }
    }
    QObject::connect(menu, &QMenu::aboutToShow, &canvas, [menu, &canvas] { validate(*menu, canvas); });
    return menu;
}

} // namespace CanvasContextMenu
