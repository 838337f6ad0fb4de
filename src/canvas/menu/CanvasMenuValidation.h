#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include <optional>

// One selected graphic as the canvas's menu rules see it.
struct CanvasMenuGraphic {
    enum class Kind { Text, Image, Table, GalleryGrid, Slideshow, Other };
    Kind kind = Kind::Other;
    QString gridType;
    QString formType;
    QString textType;
    int snippetFormatFlag = 0;
    int imageEnlargeFlag = 0;
    bool canMakeNaturalSize = false;
};

// What the validation of the canvas's menu items reads of the canvas, its selection and the product.
struct CanvasMenuState {
    // In the order of the page's list.
    QList<CanvasMenuGraphic> selection;

    // Product switches
    bool hideLayerArrangement = false;
    bool hideAlignLeftEdges = false;
    bool hideAlignRightEdges = false;
    bool hideAlignHorizontalCenters = false;
    bool hideAlignVerticalCenters = false;
    bool hideAlignHorizontalSpacing = false;
    bool hideMakeSameSize = false;
    bool hideMakeSameWidth = false;
    bool hideClickToEnlarge = false;
    bool hideGalleryCaptionEdit = false;
    bool hideDuplicate = false;
    bool tableImages = false;
    bool responsiveDesign = false;
    bool snippetFormattingEnabled = false;
    bool codeEditorForAllTextBoxes = false;

    bool gridCanAlign = false;
    bool rulersShown = false;

    // The objects earlier commands of the menu picked to act on: the grid type of the picked table (null for
    // none), the picked image's enlarge flag, whether the picked gallery holds a picture under the last
    // click, and the picked slideshow's automatic flag.
    QString selectedTableGridType;
    int selectedImageEnlargeFlag = 0;
    bool galleryImageAtTouchPoint = false;
    int selectedSlideshowAutomaticFlag = 0;

    // Answers of the predicates that the commands of other areas define (lock, link, group, style, form,
    // arrow ...), by predicate name; a predicate not answered here answers no.
    QHash<QString, bool> predicates;
};

// The object a command will act on, which the validation records on the canvas: the one selected graphic.
enum class CanvasMenuPick { None, Image, GalleryGrid, Table, Textbox, Snippet };

// The answer for one item.
struct CanvasMenuDecision {
    bool enabled = true;
    std::optional<bool> hidden;
    std::optional<QString> title;
    // The context menu's first and fourth separators come and go with the slideshow and image items.
    std::optional<bool> firstSeparatorHidden;
    std::optional<bool> fourthSeparatorHidden;
    CanvasMenuPick pick = CanvasMenuPick::None;
    // Undo and redo: the window's own validation decides.
    bool windowDecides = false;
};

namespace CanvasMenuValidation {

// Names of the context menu's two separators that some items show and hide.
inline constexpr const char* kFirstSeparatorItem = "firstSeparatorItem";
inline constexpr const char* kFourthSeparatorItem = "fourthSeparatorItem";

// The rule of the item's action; an action no rule names is enabled, its visibility and title untouched.
CanvasMenuDecision validate(const QString& action, const CanvasMenuState& state);

// The answer of one of the canvas's selection predicates (cropShown, tableControlShown ...), or of a
// predicate of another area as the state carries it.
bool answer(const QString& predicate, const CanvasMenuState& state);

} // namespace CanvasMenuValidation
