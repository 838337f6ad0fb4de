#include "canvas/view/SKTGraphicView.h"

#include "canvas/menu/CanvasMenuValidation.h"
#include "document/core/GraphicClasses.h"
#include "model/SKTGalleryGrid.h"
#include "profile/DataCentre.h"

#include <QAction>
#include <QMenu>

#include <cmath>

namespace {

CanvasMenuGraphic::Kind kindOf(const SKTGraphic& graphic)
{
    using Kind = CanvasMenuGraphic::Kind;
    const std::pair<const QString&, Kind> kinds[] = {
        {GraphicClasses::text, Kind::Text},           {GraphicClasses::image, Kind::Image},
        {GraphicClasses::table, Kind::Table},         {GraphicClasses::gallery, Kind::GalleryGrid},
        {GraphicClasses::slideshow, Kind::Slideshow},
    };
    for (const auto& [className, kind] : kinds) {
        if (GraphicClasses::isKindOfClass(graphic, className))
            return kind;
    }
    return Kind::Other;
}

CanvasMenuGraphic described(const SKTGraphic& graphic)
{
    CanvasMenuGraphic g;
    g.kind = kindOf(graphic);
    g.gridType = graphic.gridType();
    g.formType = graphic.formType();
    g.textType = graphic.textType();
    g.snippetFormatFlag = graphic.snippetFormatFlag() ? 1 : 0;
    g.imageEnlargeFlag = graphic.imageEnlargeFlag();
    g.canMakeNaturalSize = graphic.canMakeNaturalSize();
    return g;
}

void apply(const CanvasMenuDecision& decision, QAction& item)
{
    item.setEnabled(decision.enabled);
    if (decision.hidden)
        item.setVisible(!*decision.hidden);
    if (decision.title)
        item.setText(*decision.title);
}

} // namespace

CanvasMenuState SKTGraphicView::menuState()
{
    const ProductProfile& profile = DataCentre::profile();
    CanvasMenuState s;
    for (const std::shared_ptr<SKTGraphic>& graphic : selectedGraphics())
        s.selection << described(*graphic);
    s.hideLayerArrangement = profile.hideLayerArrangement;
    s.hideAlignLeftEdges = profile.hideAlignLeftEdges;
    s.hideAlignRightEdges = profile.hideAlignRightEdges;
    s.hideAlignHorizontalCenters = profile.hideAlignHorizontalCenters;
    s.hideAlignVerticalCenters = profile.hideAlignVerticalCenters;
    s.hideAlignHorizontalSpacing = profile.hideAlignHorizontalSpacing;
    s.hideMakeSameSize = profile.hideMakeSameSize;
    s.hideMakeSameWidth = profile.hideMakeSameWidth;
    s.hideClickToEnlarge = profile.hideClickToEnlarge;
    s.hideGalleryCaptionEdit = profile.hideGalleryCaptionEdit;
    s.hideDuplicate = profile.hideDuplicate;
    s.tableImages = profile.tableImages;
    s.responsiveDesign = profile.responsiveDesign;
    s.snippetFormattingEnabled = profile.snippetFormattingEnabled;
    s.codeEditorForAllTextBoxes = profile.codeEditorForAllTextBoxes;
    s.gridCanAlign = m_grid && m_grid->canAlign();
    s.rulersShown = rulersShown();

    const CanvasWorkingState& w = m_workingState;
    if (w.selectedTable)
        s.selectedTableGridType = w.selectedTable->gridType();
    if (w.selectedImage)
        s.selectedImageEnlargeFlag = w.selectedImage->imageEnlargeFlag();
    if (const auto* gallery = dynamic_cast<const SKTGalleryGrid*>(w.selectedGalleryGrid.get())) {
        s.galleryImageAtTouchPoint =
            gallery->grabImageSelected(int(std::trunc(m_lastTouchPoint.x())),
                                       int(std::trunc(m_lastTouchPoint.y()))) != nullptr;
    }

    // The predicates the commands of other areas define.
    const std::pair<const char*, bool> answers[] = {
        {"groupShown", groupShown()},
        {"ungroupShown", ungroupShown()},
        {"lockShown", lockShown()},
        {"unLockShown", unLockShown()},
        {"scrollShown", scrollShown()},
        {"unScrollShown", unScrollShown()},
        {"positionSettingsShown", positionSettingsShown()},
        {"matchScreenWidthShown", matchScreenWidthShown()},
        {"unMatchScreenWidthShown", unMatchScreenWidthShown()},
        {"centerGroupShown", centerGroupShown()},
        {"addBranchShown", addBranchShown()},
        {"showDrawStartArrow", showDrawStartArrow()},
        {"showHideStartArrow", showHideStartArrow()},
        {"showDrawEndArrow", showDrawEndArrow()},
        {"showHideEndArrow", showHideEndArrow()},
        {"arrowOptionsShown", arrowOptionsShown()},
        {"showMarkAsReplyTo", showMarkAsReplyTo()},
        {"showMandatory", showMandatory()},
        {"showOptional", showOptional()},
        {"enableNewMultipleChoiceOption", enableNewMultipleChoiceOption()},
        {"enableNewCheckboxChoiceOption", enableNewCheckboxChoiceOption()},
        // Gallery pictures move within their grid; slides are added to the one selected slideshow.
        {"moveImageUpShown", moveImageUpShown()},
        {"moveImageDownShown", moveImageDownShown()},
        {"moveImageLeftShown", moveImageLeftShown()},
        {"moveImageRightShown", moveImageRightShown()},
        {"slideShowOptionsShown", slideshowEditorShown()},
        // These two also pick the snippet and the slideshow their commands act on.
        {"showAutoAdjustSnippetSize", showAutoAdjustSnippetSize()},
        {"slideshowEditorShown", slideshowEditorShown()},
        // Zoom bubble, popovers and style: the popover predicates also collect what their popovers show.
        {"shouldShowCreateZoomBubble", shouldShowCreateZoomBubble()},
        {"tooltipShown", tooltipShown()},
        {"manualLayerIndexShown", manualLayerIndexShown()},
        {"removeManualLayerIndexShown", removeManualLayerIndexShown()},
        {"linkShown", linkShown()},
        {"grabCopyStyleShown", grabCopyStyleShown()},
        {"applyPasteStyleShown", applyPasteStyleShown()},
        // The slide commands act on the slideshow these pick, whose scrolling titles its item.
        {"slideShowOptionsShown", slideShowOptionsShown()},
        {"slideShowImageEditingOptionsShown", slideShowImageEditingOptionsShown()},
    };
    for (const auto& [predicate, answer] : answers)
        s.predicates.insert(QString::fromLatin1(predicate), answer);
    if (w.selectedSlideshow)
        s.selectedSlideshowAutomaticFlag = w.selectedSlideshow->slideShowAutomaticFlag();
    return s;
}

bool SKTGraphicView::validateMenuItem(QAction* item)
{
    if (!item)
        return false;
    const CanvasMenuDecision decision = CanvasMenuValidation::validate(item->objectName(), menuState());
    if (decision.windowDecides) {
        bool enabled = true;
        QWidget* owner = window();
        if (owner != this && owner->metaObject()->indexOfMethod("validateMenuItem(QAction*)") >= 0)
            QMetaObject::invokeMethod(owner, "validateMenuItem", Q_RETURN_ARG(bool, enabled),
                                      Q_ARG(QAction*, item));
        return enabled;
    }
    recordPick(decision.pick);
    apply(decision, *item);
    const auto showSeparator = [this](const char* name, const std::optional<bool>& hidden) {
        if (!hidden || !m_menu)
            return;
        if (auto* separator = m_menu->findChild<QAction*>(QLatin1String(name)))
            separator->setVisible(!*hidden);
    };
    showSeparator(CanvasMenuValidation::kFirstSeparatorItem, decision.firstSeparatorHidden);
    showSeparator(CanvasMenuValidation::kFourthSeparatorItem, decision.fourthSeparatorHidden);
    return decision.enabled;
}

void SKTGraphicView::recordPick(CanvasMenuPick pick)
{
    const GraphicList selection = selectedGraphics();
    if (pick == CanvasMenuPick::None || selection.size() != 1)
        return;
    const std::shared_ptr<SKTGraphic>& graphic = selection.first();
    CanvasWorkingState& w = m_workingState;
    switch (pick) {
    case CanvasMenuPick::Image:
        w.selectedImage = graphic;
        break;
    case CanvasMenuPick::GalleryGrid:
        w.selectedGalleryGrid = graphic;
        break;
    case CanvasMenuPick::Table:
        w.selectedTable = graphic;
        break;
    case CanvasMenuPick::Textbox:
        w.selectedTextbox = graphic;
        break;
    case CanvasMenuPick::Snippet:
        w.selectedSnippet = graphic;
        break;
    case CanvasMenuPick::None:
        break;
    }
}
