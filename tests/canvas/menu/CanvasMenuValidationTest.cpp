#include "canvas/menu/CanvasMenuValidation.h"

#include <gtest/gtest.h>

#include <functional>

// The decision of the canvas's menu items over the selection and the product, case by case.

namespace {

using Kind = CanvasMenuGraphic::Kind;

CanvasMenuGraphic graphic(Kind kind, const QString& gridType = {})
{
    CanvasMenuGraphic g;
    g.kind = kind;
    g.gridType = gridType;
    return g;
}

CanvasMenuGraphic snippet(int formatFlag)
{
    CanvasMenuGraphic g = graphic(Kind::Text);
    g.textType = QStringLiteral("HTMLSnippet");
    g.snippetFormatFlag = formatFlag;
    return g;
}

CanvasMenuGraphic formField()
{
    CanvasMenuGraphic g = graphic(Kind::Text);
    g.formType = QStringLiteral("text");
    return g;
}

CanvasMenuGraphic image(int enlargeFlag)
{
    CanvasMenuGraphic g = graphic(Kind::Image);
    g.imageEnlargeFlag = enlargeFlag;
    return g;
}

struct Case {
    const char* name;
    const char* action;
    std::function<void(CanvasMenuState&)> setUp;
    bool enabled;
    std::optional<bool> hidden;
    std::optional<QString> title = std::nullopt;
    CanvasMenuPick pick = CanvasMenuPick::None;
};

const auto nothing = [](CanvasMenuState&) {};
auto selecting(QList<CanvasMenuGraphic> selection)
{
    return [selection](CanvasMenuState& s) { s.selection = selection; };
}
const auto oneShape = selecting({graphic(Kind::Other)});
const auto twoShapes = selecting({graphic(Kind::Other), graphic(Kind::Other)});

// clang-format off
const Case kCases[] = {
    // Nothing selected
    {"NothingDelete", "delete", nothing, false, true},
    {"NothingFront", "bringToFront", nothing, false, true},
    {"NothingBack", "sendToBack", nothing, false, true},
    {"NothingGrid", "alignWithGrid", [](CanvasMenuState& s) { s.gridCanAlign = true; }, false, true},
    {"NothingAlignTop", "alignTopEdges", nothing, false, std::nullopt},
    {"NothingAlignLeft", "alignLeftEdges", nothing, false, false},
    {"NothingAlignSubmenu", "alignOptionsShown", nothing, false, true},
    // Counts
    {"OneDelete", "delete", oneShape, true, false},
    {"OneGridUnusable", "alignWithGrid", oneShape, false, false},
    {"OneGridUsable", "alignWithGrid", [](CanvasMenuState& s) { s.selection = {graphic(Kind::Other)}; s.gridCanAlign = true; }, true, false},
    {"OneForward", "bringForward", oneShape, true, std::nullopt},
    {"TwoForward", "bringForward", twoShapes, false, std::nullopt},
    {"OneBackward", "sendBackward", oneShape, true, std::nullopt},
    {"TwoBackward", "sendBackward", twoShapes, false, std::nullopt},
    {"TwoAlignTop", "alignTopEdges", twoShapes, true, std::nullopt},
    {"TwoSameHeight", "makeSameHeight", twoShapes, true, std::nullopt},
    {"OneAlignLeft", "alignLeftEdges", oneShape, false, false},
    {"TwoAlignLeft", "alignLeftEdges", twoShapes, true, false},
    {"HiddenAlignLeft", "alignLeftEdges", [](CanvasMenuState& s) { twoShapes(s); s.hideAlignLeftEdges = true; }, false, true},
    {"HiddenSameSize", "makeSameSize", [](CanvasMenuState& s) { twoShapes(s); s.hideMakeSameSize = true; }, false, true},
    {"NaturalSizeNone", "makeNaturalSize", twoShapes, false, std::nullopt},
    {"NaturalSizeSome", "makeNaturalSize", [](CanvasMenuState& s) { twoShapes(s); s.selection[1].canMakeNaturalSize = true; }, true, std::nullopt},
    // Layers and slideshows
    {"LayerSubmenu", "layerOptionsShown", oneShape, true, false},
    {"LayerSubmenuSwitchedOff", "layerOptionsShown", [](CanvasMenuState& s) { oneShape(s); s.hideLayerArrangement = true; }, false, true},
    {"LayerSubmenuSlideshow", "layerOptionsShown", selecting({graphic(Kind::Other), graphic(Kind::Slideshow)}), false, true},
    {"AlignSubmenuSlideshow", "alignOptionsShown", selecting({graphic(Kind::Slideshow)}), false, true},
    // Tables
    {"TwoTablesJoin", "joinTablesVertically", selecting({graphic(Kind::Table), graphic(Kind::Table)}), true, std::nullopt},
    {"TwoTablesJoinResponsive", "joinTablesHorizontally", [](CanvasMenuState& s) { s.selection = {graphic(Kind::Table), graphic(Kind::Table)}; s.responsiveDesign = true; }, false, true},
    {"TableAndShapeJoin", "joinTablesVertically", selecting({graphic(Kind::Table), graphic(Kind::Other)}), false, std::nullopt},
    {"SectionNoTableCommands", "insertTableRow", selecting({graphic(Kind::Table, QStringLiteral("section"))}), false, true},
    {"SectionTemplateTableCommands", "insertTableRow", selecting({graphic(Kind::Table, QStringLiteral("sectionTemplate"))}), true, false, std::nullopt, CanvasMenuPick::Table},
    {"TableGrid", "configureTableGrid", selecting({graphic(Kind::Table)}), true, false, std::nullopt, CanvasMenuPick::Table},
    {"TableEditMenuTwoTables", "tableEditMenu", selecting({graphic(Kind::Table), graphic(Kind::Table)}), true, false},
    {"TableEditMenuShape", "tableEditMenu", oneShape, false, true},
    {"TableImagesOff", "deleteTableImage", selecting({graphic(Kind::Table)}), false, true},
    {"TableImagesNoTable", "deleteTableImage", [](CanvasMenuState& s) { s.tableImages = true; }, false, true},
    {"TableImagesTwoTables", "deleteTableImage", [](CanvasMenuState& s) { s.selection = {graphic(Kind::Table), graphic(Kind::Table)}; s.tableImages = true; }, false, true},
    {"TableImagesOneTable", "deleteTableImage", [](CanvasMenuState& s) { s.selection = {graphic(Kind::Table)}; s.tableImages = true; }, true, false, std::nullopt, CanvasMenuPick::Table},
    {"TableImagePicks", "addGalleryImageToTable", [](CanvasMenuState& s) { s.selection = {graphic(Kind::Table)}; s.tableImages = true; }, true, false, std::nullopt, CanvasMenuPick::Table},
    {"TableOfContents", "refreshTableOfContents", [](CanvasMenuState& s) { s.selectedTableGridType = QStringLiteral("TableOfContents"); }, true, false},
    {"NoTableOfContents", "refreshTableOfContents", [](CanvasMenuState& s) { s.selectedTableGridType = QStringLiteral("table"); }, false, true},
    // The section grid window is never offered
    {"SectionGrid", "configureSectionWindowController", selecting({graphic(Kind::Table, QStringLiteral("section"))}), false, true},
    // Copying
    {"CopyShapes", "copy", twoShapes, true, false},
    {"CopySlideshow", "cut", selecting({graphic(Kind::Other), graphic(Kind::Slideshow)}), false, true},
    {"CopyGallery", "copy", selecting({graphic(Kind::GalleryGrid)}), false, true},
    {"CopyFormField", "copy", selecting({graphic(Kind::Other), formField()}), false, true},
    {"DuplicateSwitchedOff", "duplicate", [](CanvasMenuState& s) { oneShape(s); s.hideDuplicate = true; }, false, true},
    // Images
    {"EnlargeTitle", "setClickToEnlarge", selecting({image(1)}), true, false, QStringLiteral("Remove Click to Enlarge"), CanvasMenuPick::Image},
    {"EnlargeTitleOff", "setClickToEnlarge", selecting({image(0)}), true, false, QStringLiteral("Click to Enlarge"), CanvasMenuPick::Image},
    {"CropTwoImages", "launchCropImagePanel", selecting({image(0), image(0)}), false, true},
    {"EnlargeSubmenuImages", "showClickToEnlargeOptions", selecting({image(0), image(1)}), true, false},
    {"EnlargeSubmenuMixed", "showClickToEnlargeOptions", selecting({image(0), graphic(Kind::Other)}), false, true},
    {"EnlargeSubmenuSwitchedOff", "showClickToEnlargeOptions", [](CanvasMenuState& s) { s.selection = {image(0)}; s.hideClickToEnlarge = true; }, false, true},
    // Galleries
    {"GalleryGrid", "configureGalleryGrid", selecting({graphic(Kind::GalleryGrid)}), true, false, std::nullopt, CanvasMenuPick::GalleryGrid},
    {"GalleryCaption", "configureGalleryImageCaption", [](CanvasMenuState& s) { s.selection = {graphic(Kind::GalleryGrid)}; s.galleryImageAtTouchPoint = true; }, true, false},
    {"GalleryCaptionSwitchedOff", "configureGalleryImageCaption", [](CanvasMenuState& s) { s.selection = {graphic(Kind::GalleryGrid)}; s.galleryImageAtTouchPoint = true; s.hideGalleryCaptionEdit = true; }, false, true},
    {"GalleryImageMissed", "deleteGalleryImage", selecting({graphic(Kind::GalleryGrid)}), false, true},
    {"GalleryImageMovesRight", "moveImageRight", [](CanvasMenuState& s) { s.selection = {graphic(Kind::GalleryGrid)}; s.predicates.insert(QStringLiteral("moveImageRightShown"), true); }, true, false},
    {"GalleryImageStaysLeft", "moveImageLeft", selecting({graphic(Kind::GalleryGrid)}), false, true},
    // Backgrounds of one table or section
    {"SectionBackground", "addSectionBackgroundImage", selecting({graphic(Kind::Table, QStringLiteral("section"))}), true, false},
    {"BackgroundRemovedFromTable", "removeTableBackgroundImage", selecting({graphic(Kind::Table)}), true, false},
    {"BackgroundNeedsOneTable", "addSectionBackgroundImage", selecting({graphic(Kind::Table), graphic(Kind::Table)}), false, true},
    // Slideshows
    {"AutoScrollingOn", "automateSlideShow", [](CanvasMenuState& s) { s.predicates.insert(QStringLiteral("slideShowImageEditingOptionsShown"), true); s.selectedSlideshowAutomaticFlag = 1; }, true, false, QStringLiteral("Disable Auto Scrolling")},
    {"AutoScrollingOff", "automateSlideShow", [](CanvasMenuState& s) { s.predicates.insert(QStringLiteral("slideShowImageEditingOptionsShown"), true); }, true, false, QStringLiteral("Set Auto Scrolling")},
    {"AddSlideNotOffered", "addSlideshowImage", nothing, false, true},
    // Text boxes and snippets
    {"SavedText", "savedTextOptions", selecting({graphic(Kind::Text)}), true, false, std::nullopt, CanvasMenuPick::Textbox},
    {"SavedTextFormField", "savedTextOptions", selecting({formField()}), false, true},
    {"CodeEditorSnippet", "showCodeEditor", selecting({snippet(0)}), true, false, std::nullopt, CanvasMenuPick::Snippet},
    {"CodeEditorPlainText", "showCodeEditor", selecting({graphic(Kind::Text)}), false, true},
    {"CodeEditorAllText", "showCodeEditor", [](CanvasMenuState& s) { s.selection = {graphic(Kind::Text)}; s.codeEditorForAllTextBoxes = true; }, true, false, std::nullopt, CanvasMenuPick::Textbox},
    {"FormattingOff", "applyHTMLSnippetFormattingOption", [](CanvasMenuState& s) { s.selection = {snippet(0)}; }, false, true},
    {"FormattingApply", "applyHTMLSnippetFormattingOption", [](CanvasMenuState& s) { s.selection = {graphic(Kind::Text), snippet(0)}; s.snippetFormattingEnabled = true; }, true, false},
    {"FormattingApplyDone", "applyHTMLSnippetFormattingOption", [](CanvasMenuState& s) { s.selection = {snippet(1)}; s.snippetFormattingEnabled = true; }, false, true},
    {"FormattingRemove", "removeHTMLSnippetFormattingOption", [](CanvasMenuState& s) { s.selection = {snippet(1)}; s.snippetFormattingEnabled = true; }, true, false},
    {"FormattingRemoveResponsive", "removeHTMLSnippetFormattingOption", [](CanvasMenuState& s) { s.selection = {snippet(1)}; s.snippetFormattingEnabled = true; s.responsiveDesign = true; }, false, true},
    // Predicates of other commands, answered by the canvas
    {"LockOffered", "lockObjects", [](CanvasMenuState& s) { s.predicates.insert(QStringLiteral("lockShown"), true); }, true, false},
    {"LinkNotAnswered", "applyLinkPopOver", oneShape, false, true},
    {"MatchScreenWidthNeedsScrollLock", "matchScreenWidth", [](CanvasMenuState& s) { s.predicates.insert(QStringLiteral("matchScreenWidthShown"), true); }, false, true},
    {"MatchScreenWidth", "matchScreenWidth", [](CanvasMenuState& s) { s.predicates.insert(QStringLiteral("matchScreenWidthShown"), true); s.predicates.insert(QStringLiteral("unScrollShown"), true); }, true, false},
    // Fixed answers
    {"RulersShown", "showOrHideRulers", [](CanvasMenuState& s) { s.rulersShown = true; }, true, std::nullopt, QStringLiteral("Hide Ruler")},
    {"RulersHidden", "showOrHideRulers", nothing, true, std::nullopt, QStringLiteral("Show Ruler")},
    {"AddTable", "addTable", nothing, true, std::nullopt},
    {"Paste", "paste", nothing, true, std::nullopt},
};
// clang-format on

class CanvasMenuValidationTest : public testing::TestWithParam<Case> {};

} // namespace

TEST_P(CanvasMenuValidationTest, DecidesAsTheRuleSays)
{
    const Case& c = GetParam();
    CanvasMenuState state;
    c.setUp(state);
    const CanvasMenuDecision d = CanvasMenuValidation::validate(QString::fromLatin1(c.action), state);
    EXPECT_EQ(d.enabled, c.enabled);
    EXPECT_EQ(d.hidden, c.hidden);
    EXPECT_EQ(d.title, c.title);
    EXPECT_EQ(d.pick, c.pick);
}

INSTANTIATE_TEST_SUITE_P(Items, CanvasMenuValidationTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& info) { return info.param.name; });

TEST(CanvasMenuSeparators, FollowTheSlideshowAndImageItems)
{
    CanvasMenuState state;
    state.selection = {image(0)};
    const CanvasMenuDecision crop =
        CanvasMenuValidation::validate(QStringLiteral("launchReplaceImage"), state);
    EXPECT_EQ(crop.fourthSeparatorHidden, false);
    EXPECT_EQ(CanvasMenuValidation::validate(QStringLiteral("deleteSlide"), state).firstSeparatorHidden,
              true);
    EXPECT_EQ(CanvasMenuValidation::validate(QStringLiteral("alignTopEdges"), state).fourthSeparatorHidden,
              std::nullopt);
}

TEST(CanvasMenuUndo, LeavesUndoAndRedoToTheWindow)
{
    EXPECT_TRUE(CanvasMenuValidation::validate(QStringLiteral("undo"), {}).windowDecides);
    EXPECT_TRUE(CanvasMenuValidation::validate(QStringLiteral("redo"), {}).windowDecides);
    EXPECT_FALSE(CanvasMenuValidation::validate(QStringLiteral("delete"), {}).windowDecides);
}
