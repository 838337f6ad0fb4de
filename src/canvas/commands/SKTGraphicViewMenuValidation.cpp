#include "canvas/view/SKTGraphicView.h"

#include <QAction>
#include <QHash>

namespace {

using Predicate = bool (SKTGraphicView::*)() const;

// An item shown and enabled exactly when its predicates answer yes, and hidden otherwise.
struct ShownWhen {
    Predicate shown;
    Predicate alsoShown = nullptr;
};

const QHash<QString, ShownWhen>& shownWhenRules()
{
    static const QHash<QString, ShownWhen> rules = {
        {QStringLiteral("groupObjects"), {&SKTGraphicView::groupShown}},
        {QStringLiteral("unGroupObjects"), {&SKTGraphicView::ungroupShown}},
        {QStringLiteral("lockObjects"), {&SKTGraphicView::lockShown}},
        {QStringLiteral("unLockObjects"), {&SKTGraphicView::unLockShown}},
        {QStringLiteral("scrollLockObjects"), {&SKTGraphicView::scrollShown}},
        {QStringLiteral("unScrollLockObjects"), {&SKTGraphicView::unScrollShown}},
        {QStringLiteral("positionSettingActions"), {&SKTGraphicView::positionSettingsShown}},
        // Only a scroll-locked text box spans the window's width.
        {QStringLiteral("matchScreenWidth"),
         {&SKTGraphicView::matchScreenWidthShown, &SKTGraphicView::unScrollShown}},
        {QStringLiteral("unMatchScreenWidth"),
         {&SKTGraphicView::unMatchScreenWidthShown, &SKTGraphicView::unScrollShown}},
        {QStringLiteral("centerGroup"), {&SKTGraphicView::centerGroupShown}},
        {QStringLiteral("centerWithinGroup"), {&SKTGraphicView::centerGroupShown}},
        {QStringLiteral("multiplyNewShapes"), {&SKTGraphicView::addBranchShown}},
        // Click-to-enlarge of images, where the product offers it.
        {QStringLiteral("showClickToEnlargeOptions"),
         {&SKTGraphicView::enlargeShown, &SKTGraphicView::clickToEnlargeOffered}},
    };
    return rules;
}

// Items whose predicate also picks the table, section, slideshow or snippet that the command then acts on.
const QHash<QString, bool (SKTGraphicView::*)()>& pickingRules()
{
    static const QHash<QString, bool (SKTGraphicView::*)()> rules = {
        {QStringLiteral("configureTableGrid"), &SKTGraphicView::tableControlShown},
        {QStringLiteral("configureSectionWindowController"), &SKTGraphicView::showSectionEditorFlag},
        {QStringLiteral("editSlideshow"), &SKTGraphicView::slideshowEditorShown},
        {QStringLiteral("autoAdjustSnippetSize"), &SKTGraphicView::showAutoAdjustSnippetSize},
        // Image commands act on the one selected image.
        {QStringLiteral("launchCropImagePanel"), &SKTGraphicView::cropShown},
        {QStringLiteral("launchReplaceImage"), &SKTGraphicView::cropShown},
    };
    return rules;
}

} // namespace

bool SKTGraphicView::validateMenuItem(QAction* item)
{
    bool shown = false;
    if (const auto picking = pickingRules().constFind(item->objectName());
        picking != pickingRules().constEnd()) {
        shown = (this->*picking.value())();
    } else if (const auto rule = shownWhenRules().constFind(item->objectName());
               rule != shownWhenRules().constEnd()) {
        shown = (this->*rule->shown)() && (!rule->alsoShown || (this->*rule->alsoShown)());
    } else {
        item->setEnabled(true);
        return true;
    }
    item->setVisible(shown);
    item->setEnabled(shown);
    return shown;
}
