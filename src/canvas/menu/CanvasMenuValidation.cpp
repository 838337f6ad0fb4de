#include "canvas/menu/CanvasMenuValidation.h"

#include "platform/StringsTable.h"

#include <algorithm>

namespace {

using Kind = CanvasMenuGraphic::Kind;
using State = CanvasMenuState;
using Graphics = QList<CanvasMenuGraphic>;

const QString kMenuTitlesTable = QStringLiteral("SKTGraphicView");
const QString kSnippetTextType = QStringLiteral("HTMLSnippet");
const QString kSectionGridType = QStringLiteral("section");
const QString kTableOfContentsGridType = QStringLiteral("TableOfContents");

QString title(const char* english)
{
    return StringsTable::localizedString(QString::fromLatin1(english), QString(), kMenuTitlesTable);
}

bool one(const State& s, Kind kind)
{
    return s.selection.size() == 1 && s.selection.first().kind == kind;
}

bool some(const State& s)
{
    return !s.selection.isEmpty();
}

bool noneIs(const State& s, bool (*test)(const CanvasMenuGraphic&))
{
    return std::none_of(s.selection.cbegin(), s.selection.cend(), test);
}

bool isSnippet(const CanvasMenuGraphic& g)
{
    return g.kind == Kind::Text && g.textType == kSnippetTextType;
}

bool copyable(const State& s)
{
    return some(s) && noneIs(s, [](const CanvasMenuGraphic& g) {
               return g.kind == Kind::Slideshow || g.kind == Kind::GalleryGrid ||
                      (g.kind == Kind::Text && !g.formType.isEmpty());
           });
}

bool snippetFormatting(const State& s, bool formatted)
{
    return s.snippetFormattingEnabled &&
           std::any_of(s.selection.cbegin(), s.selection.cend(), [&](const auto& g) {
               return isSnippet(g) && (g.snippetFormatFlag != 0) == formatted;
           });
}

// The canvas's own selection predicates, and what each picks when it answers yes.
struct OwnPredicate {
    bool (*answer)(const State&);
    CanvasMenuPick pick = CanvasMenuPick::None;
};

const QHash<QString, OwnPredicate>& ownPredicates()
{
    static const QHash<QString, OwnPredicate> predicates = {
        {QStringLiteral("shouldShowLayerArrangement"), {[](const State& s) {
             return !s.hideLayerArrangement && some(s) &&
                    noneIs(s, [](const CanvasMenuGraphic& g) { return g.kind == Kind::Slideshow; });
         }}},
        {QStringLiteral("shouldShowAlignArrangement"), {[](const State& s) {
             return some(s) &&
                    noneIs(s, [](const CanvasMenuGraphic& g) { return g.kind == Kind::Slideshow; });
         }}},
        {QStringLiteral("enlargeShown"), {[](const State& s) {
             return some(s) && noneIs(s, [](const CanvasMenuGraphic& g) { return g.kind != Kind::Image; });
         }}},
        {QStringLiteral("cropShown"),
         {[](const State& s) { return one(s, Kind::Image); }, CanvasMenuPick::Image}},
        {QStringLiteral("abilityToCopyShown"), {copyable}},
        {QStringLiteral("duplicateShown"), {[](const State& s) { return !s.hideDuplicate && copyable(s); }}},
        {QStringLiteral("galleryAddImageControlShown"),
         {[](const State& s) { return one(s, Kind::GalleryGrid); }, CanvasMenuPick::GalleryGrid}},
        {QStringLiteral("galleryConfigurationControlShown"),
         {[](const State& s) { return one(s, Kind::GalleryGrid); }, CanvasMenuPick::GalleryGrid}},
        {QStringLiteral("galleryControlShown"),
         {[](const State& s) { return one(s, Kind::GalleryGrid); }, CanvasMenuPick::GalleryGrid}},
        {QStringLiteral("galleryImageEditControlShown"),
         {[](const State& s) { return some(s) && s.galleryImageAtTouchPoint; }}},
        {QStringLiteral("tableAddImageControlShown"),
         {[](const State& s) { return s.tableImages && one(s, Kind::Table); }, CanvasMenuPick::Table}},
        // The background picture of a table or a section: the item picks the table itself when chosen, as
        // menus never pick a section.
        {QStringLiteral("tableBackgroundControlShown"), {[](const State& s) { return one(s, Kind::Table); }}},
        {QStringLiteral("tableControlShown"),
         {[](const State& s) {
              return one(s, Kind::Table) && s.selection.first().gridType != kSectionGridType;
          },
          CanvasMenuPick::Table}},
        {QStringLiteral("tableMultiControlShown"), {[](const State& s) {
             return s.selection.size() == 2 &&
                    noneIs(s, [](const CanvasMenuGraphic& g) { return g.kind != Kind::Table; });
         }}},
        {QStringLiteral("shouldDisplayOfTableContents"),
         {[](const State& s) { return s.selectedTableGridType == kTableOfContentsGridType; }}},
        {QStringLiteral("savedTextShown"),
         {[](const State& s) { return one(s, Kind::Text) && s.selection.first().formType.isEmpty(); },
          CanvasMenuPick::Textbox}},
        {QStringLiteral("codeEditorShown"), {[](const State& s) {
             return one(s, Kind::Text) && (s.codeEditorForAllTextBoxes || isSnippet(s.selection.first()));
         }}},
        {QStringLiteral("applyHTMLSnippetFormattingShown"),
         {[](const State& s) { return snippetFormatting(s, false); }}},
        {QStringLiteral("removeHTMLSnippetFormattingShown"),
         {[](const State& s) { return !s.responsiveDesign && snippetFormatting(s, true); }}},
        // The section grid window is not offered from the menu, whatever is selected.
        {QStringLiteral("showSectionEditorFlag"), {[](const State&) { return false; }}},
    };
    return predicates;
}

// Items hidden and disabled exactly when their predicate answers no.
const QHash<QString, QString>& hiddenByRules()
{
    static const QHash<QString, QString> rules = [] {
        const std::pair<const char*, const char*> table[] = {
            {"layerOptionsShown", "shouldShowLayerArrangement"},
            {"alignOptionsShown", "shouldShowAlignArrangement"},
            {"unLockObjects", "unLockShown"},
            {"lockObjects", "lockShown"},
            {"applyLinkPopOver", "linkShown"},
            {"applyTooltip", "tooltipShown"},
            {"groupObjects", "groupShown"},
            {"unGroupObjects", "ungroupShown"},
            {"cut", "abilityToCopyShown"},
            {"copy", "abilityToCopyShown"},
            {"duplicate", "duplicateShown"},
            {"addGalleryImage", "galleryAddImageControlShown"},
            {"configureGalleryGrid", "galleryConfigurationControlShown"},
            {"addGalleryImageToTable", "tableAddImageControlShown"},
            {"configureTableGrid", "tableControlShown"},
            {"galleryEditMenu", "galleryControlShown"},
            {"deleteGalleryImage", "galleryImageEditControlShown"},
            {"replaceGalleryImage", "galleryImageEditControlShown"},
            {"centerGroup", "centerGroupShown"},
            {"centerWithinGroup", "centerGroupShown"},
            {"grabCopyStyle", "grabCopyStyleShown"},
            {"applyPasteStyle", "applyPasteStyleShown"},
            {"markAsReplyTo", "showMarkAsReplyTo"},
            {"makeFormMandatory", "showMandatory"},
            {"makeFormOptional", "showOptional"},
            {"scrollLockObjects", "scrollShown"},
            {"unScrollLockObjects", "unScrollShown"},
            {"applyLayerIndex", "manualLayerIndexShown"},
            {"removeManualLayerIndex", "removeManualLayerIndexShown"},
            {"addNewMultipleChoiceOption", "enableNewMultipleChoiceOption"},
            {"addNewCheckboxChoiceOption", "enableNewCheckboxChoiceOption"},
            {"autoAdjustSnippetSize", "showAutoAdjustSnippetSize"},
            {"positionSettingActions", "positionSettingsShown"},
            {"showCodeEditor", "codeEditorShown"},
            {"deleteTableColumn", "tableControlShown"},
            {"insertTableColumn", "tableControlShown"},
            {"deleteTableRow", "tableControlShown"},
            {"insertTableRow", "tableControlShown"},
            {"moveTableRowDown", "tableControlShown"},
            {"moveTableRowUp", "tableControlShown"},
            {"moveTableRowLeft", "tableControlShown"},
            {"moveTableRowRight", "tableControlShown"},
            {"transformTable", "tableControlShown"},
            {"savedTextOptions", "savedTextShown"},
            {"multiplyNewShapes", "addBranchShown"},
            {"drawEndArrow", "showDrawEndArrow"},
            {"drawStartArrow", "showDrawStartArrow"},
            {"hideStartArrow", "showHideStartArrow"},
            {"hideEndArrow", "showHideEndArrow"},
            {"showArrowOptions", "arrowOptionsShown"},
            {"applyHTMLSnippetFormattingOption", "applyHTMLSnippetFormattingShown"},
            {"removeHTMLSnippetFormattingOption", "removeHTMLSnippetFormattingShown"},
            {"refreshTableOfContents", "shouldDisplayOfTableContents"},
            {"createZoomBubble", "shouldShowCreateZoomBubble"},
            {"configureSectionWindowController", "showSectionEditorFlag"},
            {"moveImageUp", "moveImageUpShown"},
            {"moveImageDown", "moveImageDownShown"},
            {"moveImageRight", "moveImageRightShown"},
            {"moveImageLeft", "moveImageLeftShown"},
            // The slide editor of a slideshow.
            {"editSlideshow", "slideshowEditorShown"},
            {"addSectionBackgroundImage", "tableBackgroundControlShown"},
            {"removeTableBackgroundImage", "tableBackgroundControlShown"},
        };
        QHash<QString, QString> byAction;
        for (const auto& [action, predicate] : table)
            byAction.insert(QString::fromLatin1(action), QString::fromLatin1(predicate));
        return byAction;
    }();
    return rules;
}

// Alignment and size items that a product switch hides; without the switch they need two graphics.
const QHash<QString, bool State::*>& productHiddenRules()
{
    static const QHash<QString, bool State::*> rules = {
        {QStringLiteral("alignLeftEdges"), &State::hideAlignLeftEdges},
        {QStringLiteral("alignRightEdges"), &State::hideAlignRightEdges},
        {QStringLiteral("alignHorizontalCenters"), &State::hideAlignHorizontalCenters},
        {QStringLiteral("alignVerticalCenters"), &State::hideAlignVerticalCenters},
        {QStringLiteral("alignHorizontalSpacing"), &State::hideAlignHorizontalSpacing},
        {QStringLiteral("makeSameSize"), &State::hideMakeSameSize},
        {QStringLiteral("makeSameWidth"), &State::hideMakeSameWidth},
    };
    return rules;
}

CanvasMenuDecision enabledWhen(bool enabled)
{
    CanvasMenuDecision d;
    d.enabled = enabled;
    return d;
}

CanvasMenuDecision shownWhen(bool shown)
{
    CanvasMenuDecision d = enabledWhen(shown);
    d.hidden = !shown;
    return d;
}

CanvasMenuDecision hiddenBy(const QString& predicate, const State& s)
{
    const bool shown = CanvasMenuValidation::answer(predicate, s);
    CanvasMenuDecision d = shownWhen(shown);
    if (shown)
        d.pick = ownPredicates().value(predicate).pick;
    // The code editor works on any text box where the product edits all of them as code.
    if (shown && predicate == u"codeEditorShown")
        d.pick = s.codeEditorForAllTextBoxes ? CanvasMenuPick::Textbox : CanvasMenuPick::Snippet;
    return d;
}

bool isOneOf(const QString& action, std::initializer_list<const char*> actions)
{
    return std::any_of(actions.begin(), actions.end(),
                       [&](const char* a) { return action == QLatin1String(a); });
}

// The rules that are more than hiding by one predicate.
std::optional<CanvasMenuDecision> specialRule(const QString& action, const State& s)
{
    const qsizetype count = s.selection.size();
    if (action == u"makeNaturalSize") {
        return enabledWhen(std::any_of(s.selection.cbegin(), s.selection.cend(),
                                       [](const CanvasMenuGraphic& g) { return g.canMakeNaturalSize; }));
    }
    if (isOneOf(action, {"delete", "bringToFront", "sendToBack"})) {
        CanvasMenuDecision d = shownWhen(count >= 1);
        return d;
    }
    if (action == u"alignWithGrid") {
        CanvasMenuDecision d = enabledWhen(s.gridCanAlign && count >= 1);
        d.hidden = count == 0;
        return d;
    }
    if (const auto rule = productHiddenRules().constFind(action); rule != productHiddenRules().constEnd()) {
        const bool hide = s.*(rule.value());
        CanvasMenuDecision d = enabledWhen(!hide && count >= 2);
        d.hidden = hide;
        return d;
    }
    if (isOneOf(action, {"alignTopEdges", "alignBottomEdges", "makeSameHeight", "alignVerticalSpacing"}))
        return enabledWhen(count >= 2);
    if (isOneOf(action, {"undo", "redo"})) {
        CanvasMenuDecision d;
        d.windowDecides = true;
        return d;
    }
    if (action == u"showOrHideRulers") {
        CanvasMenuDecision d;
        d.title = title(s.rulersShown ? "Hide Ruler" : "Show Ruler");
        return d;
    }
    if (isOneOf(action, {"sendBackward", "bringForward"}))
        return enabledWhen(count == 1);
    if (action == u"showClickToEnlargeOptions") {
        if (s.hideClickToEnlarge)
            return shownWhen(false);
        CanvasMenuDecision d = hiddenBy(QStringLiteral("enlargeShown"), s);
        d.fourthSeparatorHidden = d.hidden;
        return d;
    }
    if (isOneOf(action, {"launchCropImagePanel", "launchReplaceImage", "setClickToEnlarge"})) {
        CanvasMenuDecision d = hiddenBy(QStringLiteral("cropShown"), s);
        d.fourthSeparatorHidden = d.hidden;
        if (action == u"setClickToEnlarge") {
            // The image the item acts on is the one just picked, else the one picked before.
            const int flag = d.enabled ? s.selection.first().imageEnlargeFlag : s.selectedImageEnlargeFlag;
            d.title = title(flag == 1 ? "Remove Click to Enlarge" : "Click to Enlarge");
        }
        return d;
    }
    if (isOneOf(action, {"deleteSlide", "replaceSlide", "linkSlide", "automateSlideShow"})) {
        CanvasMenuDecision d = hiddenBy(QStringLiteral("slideShowImageEditingOptionsShown"), s);
        d.firstSeparatorHidden = d.hidden;
        if (action == u"automateSlideShow")
            d.title = title(s.selectedSlideshowAutomaticFlag == 1 ? "Disable Auto Scrolling"
                                                                  : "Set Auto Scrolling");
        return d;
    }
    if (action == u"addSlideshowImage") {
        CanvasMenuDecision d = hiddenBy(QStringLiteral("slideShowOptionsShown"), s);
        d.firstSeparatorHidden = d.hidden;
        return d;
    }
    if (action == u"deleteTableImage") {
        // A table picture is deleted from the one table selected.
        CanvasMenuDecision d = shownWhen(s.tableImages && one(s, Kind::Table));
        if (d.enabled)
            d.pick = CanvasMenuPick::Table;
        return d;
    }
    if (action == u"configureGalleryImageCaption")
        return shownWhen(!s.hideGalleryCaptionEdit &&
                         CanvasMenuValidation::answer(QStringLiteral("galleryImageEditControlShown"), s));
    if (action == u"matchScreenWidth" || action == u"unMatchScreenWidth") {
        const QString own = action == u"matchScreenWidth" ? QStringLiteral("matchScreenWidthShown")
                                                          : QStringLiteral("unMatchScreenWidthShown");
        return shownWhen(CanvasMenuValidation::answer(own, s) &&
                         CanvasMenuValidation::answer(QStringLiteral("unScrollShown"), s));
    }
    if (action == u"tableEditMenu") {
        CanvasMenuDecision d = hiddenBy(QStringLiteral("tableControlShown"), s);
        if (!d.enabled)
            d = shownWhen(CanvasMenuValidation::answer(QStringLiteral("tableMultiControlShown"), s));
        return d;
    }
    if (action == u"joinTablesVertically" || action == u"joinTablesHorizontally") {
        if (s.responsiveDesign)
            return shownWhen(false);
        return enabledWhen(CanvasMenuValidation::answer(QStringLiteral("tableMultiControlShown"), s));
    }
    return std::nullopt;
}

} // namespace

namespace CanvasMenuValidation {

bool answer(const QString& predicate, const CanvasMenuState& state)
{
    if (const auto own = ownPredicates().constFind(predicate); own != ownPredicates().constEnd())
        return own->answer(state);
    return state.predicates.value(predicate, false);
}

CanvasMenuDecision validate(const QString& action, const CanvasMenuState& state)
{
    if (std::optional<CanvasMenuDecision> special = specialRule(action, state))
        return *special;
    if (const auto rule = hiddenByRules().constFind(action); rule != hiddenByRules().constEnd())
        return hiddenBy(rule.value(), state);
    return {};
}

} // namespace CanvasMenuValidation
