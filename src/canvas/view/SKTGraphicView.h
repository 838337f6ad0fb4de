#pragma once

#include "canvas/factories/MultiplyViewController.h"
#include "canvas/media/ZoomBubble.h"
#include "canvas/view/CanvasWorkingState.h"
#include "canvas/view/DrawingCache.h"
#include "document/core/GraphicSelection.h"
#include "document/core/SKTDocument.h"
#include "document/core/SitePage.h"
#include "model/SKTGrid.h"
#include "platform/Popover.h"

#include <QBrush>
#include <QHash>
#include <QImage>
#include <QMenu>
#include <QPointer>
#include <QRectF>
#include <QSet>
#include <QSizeF>
#include <QTransform>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class CanvasGesture;
class DrawingView;
class QMimeData;
class QDropEvent;
class ElementRecord;
class SectionLayout;
class myTextView;
class PrintSettingsWindowController;
class SectionEditorWindowController;
class QAction;
class QTimer;
struct TextBoxArguments;
class SlideShowWindow;
class SavedTextWindowController;
class CropImageWindowController;
class TableGridEditor;
class CodeEditorWindowController;
class SKTZoomingScrollView;
struct CanvasMenuState;
enum class CanvasMenuPick;
class SKTTable;
class TooltipViewController;
class LayerArrangementViewController;
class HyperLinkViewController;
class TransformView;
class GalleryGridEditor;
class GalleryGridCaptionViewController;

// The page canvas of one document window. It holds no copy of the page: it is bound to the document's
// graphics (z-order, index 0 frontmost), to the window's selection and to the window's grid, follows
// their changes, and repaints only the areas that changed. It draws the page colour, the grid, the
// graphics back to front with the handles of the selected ones, and the marquee, all at its canvas scale;
// geometry is in canvas points, y growing downward. Changes the canvas makes go back through the same
// bindings: graphics through the document's list operations (which record undo), the selection through
// changeSelectionIndexes (which the inspector and the layer list follow).
class SKTGraphicView : public QWidget {
    Q_OBJECT

public:
    // Starts at the product's canvas size and scale.
    explicit SKTGraphicView(QWidget* parent = nullptr);
    ~SKTGraphicView() override;

    // ---- Bindings. Binding again first unbinds; each bind and unbind repaints the whole canvas.
    void bindGraphics(SKTDocument* document);
    void unbindGraphics();
    void bindSelectionIndexes(GraphicSelection* selection);
    void unbindSelectionIndexes();
    SKTGrid* grid() const { return m_grid; }
    void setGrid(SKTGrid* grid);

    // ---- The bound page. Unbound, the readers answer nothing and the writers throw
    // InternalInconsistencyError.
    GraphicList graphics() const;
    // The document every insertion and removal of graphics goes through.
    SKTDocument& mutableGraphics() const;
    IndexSet selectionIndexes() const;
    GraphicList selectedGraphics() const;
    // Sets the window's selection, then tells graphicTouched.
    void changeSelectionIndexes(const IndexSet& indexes);

    // ---- Page look. Plain setters: the caller repaints.
    QBrush pageColor() const { return m_pageColor; }
    void setPageColor(const QBrush& color) { m_pageColor = color; }
    QString pageColorHexString() const { return m_pageColorHexString; }
    void setPageColorHexString(const QString& hexString) { m_pageColorHexString = hexString; }
    bool clearBackground() const { return m_clearBackground; }
    void setClearBackground(bool clear) { m_clearBackground = clear; }
    // Background and grid only: no graphics and no handles.
    bool pauseDrawGraphicFlag() const { return m_pauseDrawGraphicFlag; }
    void setPauseDrawGraphicFlag(bool pause) { m_pauseDrawGraphicFlag = pause; }

    // ---- Size and scale. The widget is the page at the canvas scale. Setting a scale makes it the
    // product's canvas scale too, which keeps the handles at their screen size.
    QSizeF canvasSize() const { return m_canvasSize; }
    void setCanvasSize(const QSizeF& size);
    double canvasScale() const { return m_canvasScale; }
    void setCanvasScale(double scale);
    // From canvas points to the widget's pixels.
    QTransform canvasTransform() const { return QTransform::fromScale(m_canvasScale, m_canvasScale); }
    // From the widget's pixels to canvas points.
    QPointF canvasPointAt(const QPointF& widgetPoint) const;

    // ---- Repainting by area, in canvas points
    void setNeedsDisplayInRect(const QRectF& rect);

    // ---- What the drawing shows while a gesture runs
    bool isHidingHandles() const { return m_hidingHandles; }
    // Repaints the selected graphics.
    void setHidingHandles(bool hiding);
    // The zero rectangle when no marquee is shown.
    QRectF marqueeSelectionBounds() const { return m_marqueeSelectionBounds; }
    // Repaints the old and the new marquee.
    void setMarqueeSelectionBounds(const QRectF& bounds);

    // ---- Ruler echo: the rulers mark the edges and middle of the rectangle (canvas points)
    QRectF rulerEchoedBounds() const { return m_rulerEchoedBounds; }
    void beginEchoingMoveToRulers(const QRectF& rect);
    void continueEchoingMoveToRulers(const QRectF& rect);
    void stopEchoingMoveToRulers();

    // ---- In-place editing. A graphic without an editor is not edited; starting while one is edited throws
    // InternalInconsistencyError. Editing ends by itself when the edited graphic leaves the page.
    void startEditingGraphic(const std::shared_ptr<SKTGraphic>& graphic);
    void stopEditing();
    std::shared_ptr<SKTGraphic> editingGraphic() const { return m_editingGraphic; }
    QWidget* editingView() const { return m_editingView; }

    // ---- Mouse (canvas points). A press ends in-place editing; a double click on a graphic edits it in
    // place; otherwise a click selects and the drag that follows moves the selection with its groups, resizes
    // by a handle, or draws a marquee. Each gesture that changes the page is one undo step of its own name.
    // The canvas point of the last press, context click or drag-move end; the window answers it to the page.
    QPointF lastTouchPoint() const { return m_lastTouchPoint; }
    void setLastTouchPoint(const QPointF& point) { m_lastTouchPoint = point; }
    // How far the selection has been dragged since the paste cascade last started over; pasting reads and
    // resets it.
    QPointF pasteCascadeDelta() const { return m_pasteCascadeDelta; }
    void setPasteCascadeDelta(const QPointF& delta) { m_pasteCascadeDelta = delta; }
    // A click into an inactive window acts on the canvas only while nothing is selected.
    bool acceptsFirstMouse() const { return selectionIndexes().empty(); }
    // The menu of a context click; the canvas keeps no ownership.
    QMenu* menu() const { return m_menu; }
    void setMenu(QMenu* menu) { m_menu = menu; }
    // Sets lastTouchPoint, then answers the menu, so its commands see where the click was. The canvas's own
    // menu shows only the commands that apply to the selection.
    QMenu* menuForEvent(const QPointF& point);
    // Shows and hides the items of the canvas's own menu for the selection.
    void validateMenuItems();
    void mouseDown(const QPointF& point, int clickCount, bool shift);
    // The frontmost graphic whose drawing bounds hold the point and whose handle (selected graphics only) or
    // contents are under it; null for none. The out arguments are written only for a result.
    std::shared_ptr<SKTGraphic> graphicUnderPoint(const QPointF& point, int* index = nullptr,
                                                  bool* isSelected = nullptr, int* handle = nullptr) const;
    // Selectable graphics other than radio and checkbox options whose drawing bounds meet the rectangle.
    IndexSet indexesOfGraphicsIntersectingRect(const QRectF& rect) const;
    // Whether the enclosing scroll view shows its rulers, which then echo a moving or resizing rectangle.
    bool rulersShown() const;
    // Names the undo step of the current gesture by its key in the strings table "UndoStrings".
    void nameUndoStep(const char* key);

    // ---- Working references the commands share (see CanvasWorkingState)
    CanvasWorkingState& workingState() { return m_workingState; }
    const CanvasWorkingState& workingState() const { return m_workingState; }
    std::shared_ptr<SKTGraphic> selectedTable() const { return m_workingState.selectedTable; }

    // ---- Menu validation: an item is enabled unless the rule of its action says otherwise; most rules also
    // hide the items of commands that do not fit the selection or the product.
    Q_INVOKABLE bool validateMenuItem(QAction* item);

    // ---- Print settings of the label products: the sheet is made on first use and kept for the canvas's
    // life; its save button stores the start row and column for the run of the program.
    PrintSettingsWindowController* printSettingsWindowController() const;

    // ---- Groups: graphics of groupable kinds that share a group number other than -99
    // The graphics of groupable kinds, other than the graphic, that carry its group number.
    GraphicList findMatchingGroupObjects(const SKTGraphic& graphic) const;
    // The graphics followed by the other members of their groups, each once.
    GraphicList graphicsWithGroupMembers(const GraphicList& graphics) const;
    // Whether an element of the list of decimal texts has the number as its integer value.
    static bool existInArray(int number, const QStringList& array);
    // What the context menu offers for the selection.
    bool groupShown() const;
    bool ungroupShown() const;
    bool lockShown() const;
    bool unLockShown() const;
    bool scrollShown() const;
    bool unScrollShown() const;
    bool positionSettingsShown() const;
    bool matchScreenWidthShown() const;
    bool unMatchScreenWidthShown() const;
    bool centerGroupShown() const;
    bool addBranchShown() const;

    // ---- Section rules of responsive pages, over the bound page (see SectionLayout for each rule). The
    // lookups of a cell record the section they find as selectedTable.
    SectionLayout sectionLayout() const;
    std::shared_ptr<SKTGraphic> grabOverLappingSection(const QRectF& rect) const;
    QRect grabOverLappingSectionCell(const QPointF& point);
    std::shared_ptr<myTextView> grabOverLappingSectionCellView(const QPointF& point);
    QRectF grabSectionRect(const QPointF& point, const QRectF& rect);
    std::shared_ptr<SKTGraphic> grabMySection(int sectionNumber) const;
    std::shared_ptr<SKTGraphic> grabBottomMostObjectInSection(int sectionNumber) const;
    std::shared_ptr<SKTGraphic> grabTopMostObjectInSection(int sectionNumber) const;
    int findNextSectionNumber() const;
    bool doesSelectedTableContainBackgroundPattern() const;
    // Members in page order (sections themselves never count as members). The members of a section
    // container, each marked as moving with its section unless it is selected; none for any other graphic.
    GraphicList findObjectsInSection(const SKTGraphic& section) const;
    // The graphics in the section cell of a cell record; none for a record of another kind.
    GraphicList findObjectsInSectionCell(const ElementRecord* record) const;
    bool isThereGraphicAtRect_includingSection(const QRectF& rect) const;
    bool isThereGraphicAtRect(const QRectF& rect) const;
    bool isThereGraphicAtPoint(const QPointF& point) const;
    bool isThereGraphicAtNewLocation(const SKTGraphic& graphic, const QRectF& rect) const;
    std::shared_ptr<SKTGraphic> applySection(const std::shared_ptr<SKTGraphic>& graphic,
                                             const QPointF& point) const;
    void isObjectStillInSameSectionGrid(SKTGraphic& graphic, const QPointF& point) const;
    void reAlignSectionObjects(SKTGraphic& section) const;
    void shiftObjectsInSection(const QPointF& point, const QRectF& rect);
    void identifyAndPushSectionsDownward(const QRectF& rect) const;
    void identifyAndPushSectionsDownwardByDifference(const QRectF& rect) const;
    void identifyAndPushSectionsDownwardByOnePixel(const QRectF& rect) const;
    void pushSectionObjectsDown(int sectionNumber, int amount) const;

    // ---- Table cells, in products whose clicks mark them
    // Whether the selection is one table that is no section; that table becomes selectedTable.
    bool tableControlShown();
    GraphicList tables() const;
    // Run on a single click before it selects: on the selected table it toggles the mark of the cell under
    // the last touch point (a newly marked cell lends the table its style); otherwise it clears every mark
    // of the page.
    void markSelectedTableCell();
    // Opens the table grid window on the selected table (see tableControlShown).
    Q_INVOKABLE void configureTableGrid();
    TableGridEditor& tableGridEditor();

    // ---- The section grid window, made on first use and kept for the canvas's life
    // Whether the selection is one section; it becomes selectedTable.
    bool showSectionEditorFlag();
    // Fills the window from the selected section and opens it window-modal; Save writes the column count,
    // the widths and the responsive counts back into the section and fits its objects into their cells.
    Q_INVOKABLE void configureSectionWindowController();
    void saveSectionEditorWindowController();
    void hideSectionEditorWindowController();
    SectionEditorWindowController* sectionEditorWindowController() const;

    // ---- Slideshows
    // Whether the selection is one slideshow; it becomes selectedSlideshow.
    bool slideshowEditorShown();
    std::shared_ptr<SKTGraphic> selectedSlideshow() const { return m_workingState.selectedSlideshow; }
    // Opens the slide editor on the selected slideshow; one editor window at a time.
    Q_INVOKABLE void editSlideshow();
    SlideShowWindow* slideShowWindow() const;

    // ---- Web components, snippet boxes, new slideshows and the slide commands of the context menu
    // Web components: tables whose grid type names the widget, in front of every other graphic. The bars
    // and the drop-down menu are numbered like sections and start at x 0 at the point's height; the
    // carousel too. The panels and the hover caption lie at the page's origin, or on a responsive page
    // fill the width of the section cell under the point and join it.
    void addNavbar(const QPointF& point);
    void addNavbar_centered(const QPointF& point);
    void addNavbar_Fixed(const QPointF& point);
    void addNavbar_Fixed_Centered(const QPointF& point);
    void addDropdownmenu(const QPointF& point);
    void addTextCarousel(const QPointF& point);
    void addCollapsibleTextPanel(const QPointF& point);
    void addCollapsibleImagePanel(const QPointF& point);
    void addPhoto_Hover_Caption(const QPointF& point);
    // A box of raw HTML (light grey, dashed, 90% opaque) in the rectangle, in front of the others and in no
    // section cell.
    void addSnippet_drag(const QString& html, const QRectF& rect);
    // An empty slideshow at the point, 500 x 300; on a responsive page as wide as the section cell under
    // the point, 200 high, and in that cell.
    void addSlideshow_drag(const QPointF& point);
    // The menu's snippets (free, video, buy button with its notice afterwards) and slideshow, at the
    // insertion point.
    Q_INVOKABLE void addNewHTMLSnippet();
    Q_INVOKABLE void addYouTubeHTMLSnippet();
    Q_INVOKABLE void addPaypalSnippet();
    Q_INVOKABLE void addSlideshow();
    // Whether the selection is one slideshow (with a slide, for the second); it becomes selectedSlideshow.
    bool slideShowOptionsShown();
    bool slideShowImageEditingOptionsShown();
    // A slide of the picture ("JPG" or "PNG") named by the page and fitted to the canvas's width; its kept
    // original, no wider than "SorrelMaxImageSize", is written into the page folder. Inserted nowhere.
    std::shared_ptr<TransformView> createNewSlideshowImage(const QImage& picture, const QString& type);
    // On the current slide of selectedSlideshow: delete it (the index stays on a slide), replace its
    // picture from a file, edit its link in the canvas's popover, and switch automatic scrolling.
    Q_INVOKABLE void deleteSlide();
    Q_INVOKABLE void replaceSlide();
    Q_INVOKABLE void linkSlide();
    Q_INVOKABLE void saveSlideLink();
    Q_INVOKABLE void automateSlideShow();

    // ---- Keyboard: the arrow keys nudge the selection and its groups by one point; the delete keys delete.
    void moveLeft();
    void moveRight();
    void moveUp();
    void moveDown();
    void deleteBackward();
    void deleteForward();
    // The delete command: the selection with the partner buttons of its option labels (and, on responsive
    // pages, as the user answers, the objects of its sections) leaves the page in one undo step "Delete".
    Q_INVOKABLE void delete_();
    // Asks for each selected section that holds objects whether they go too ("Delete All": they join the
    // selection) or the section stays ("Skip Sections": it leaves the selection).
    void checkForSelectedSections();
    // Adds the graphic at the index (a row of the layer list) to the selection; nothing leaves it.
    void manuallySelectObject(int objectIndex);
    // Adds to the selection the option button of every selected option label.
    void fetchAllPartnerViews();
    // The first other text graphic with the same form tag and option tag; null for none.
    std::shared_ptr<SKTGraphic> findMatchingOption(const SKTGraphic& graphic) const;
    void moveSelectedGraphicsByX(double dx, double dy);
    // Hides the handles until half a second after the last call.
    void hideHandlesMomentarily();
    void unhideHandlesForTimer();
    QTimer* handleShowingTimer() const { return m_handleShowingTimer; }

    // ---- Drag and drop: colours recolour the graphic under the pointer, names are object-library codes or
    // image files, file promises become badge links, and any other picture becomes an image (see DropDispatch).
    // The operation offered at the canvas point: copy, none (IgnoreAction), or the generic one (LinkAction)
    // for a colour over a graphic.
    Qt::DropAction dragOperationForDraggingInfo(const QMimeData& data, const QPointF& point) const;
    // Carries out a drop.
    void concludeDragOperation(const QDropEvent& drop);
    // Handles dropped names in turn at the drop point (snapped to the text-box lattice where the product asks
    // for it): a code runs its action until an action ends the drop; another name is added as an image file,
    // each 50 points right of the one before.
    void concludeDragOperation(const QStringList& names, const QPointF& point);

    // ---- Copy, cut and paste. Copy puts the selection on the clipboard (refusing slideshows with an alert)
    // and keeps the tables and sections it holds for the whole program; paste re-creates those as deep copies
    // while the clipboard still holds that copy, cascades repeated pastes of the same contents by the paste
    // delta, places pasted objects into the section grid under the last touch point where the product pastes
    // in place, and takes one image file or a picture from other programs. Each paste and cut is one undo
    // step; a paste selects what it inserted.
public Q_SLOTS:
    void copy();
    void cut();
    void paste();
    // A table first in the selection is duplicated alone; anything else is copied and pasted.
    void duplicate();

public:
    // The image in a file of an image type at the point, limited to the product's width; false when the
    // file is no readable image.
    bool makeNewImageFromContentsOfFile(const QString& path, const QPointF& point);
    // The picture the data holds, framed at the point and limited to the product's width; false for none.
    bool makeNewImageFromPasteboard(const QMimeData& pasteboard, const QPointF& point);
    // The tables and sections of the last copy, for the whole program.
    static QList<std::shared_ptr<SKTTable>> copiedTablesArray();
    static void entireArrayTablesCheck(const GraphicList& graphics);
    static GraphicList removeTablesFromArray(const GraphicList& graphics);
    // How far the re-created copy of the copied section of that number moved; 0 for none.
    static int checkForInterimSectionTranslateY(int sectionNumber);
    // The clipboard change count this canvas last wrote or first pasted, and how often it pasted it since.
    qint64 pasteboardChangeCount() const { return m_pasteboardChangeCount; }
    qint64 pasteCascadeNumber() const { return m_pasteCascadeNumber; }

    // ---- Object factories
    // Where an object added from a menu or a sheet goes, in whole canvas points: 100 right of and 30 below
    // the top left of the part of the page in view, or, when the user chose to add at the end, 30 below the
    // lowest object of the page at that x. Changes nothing.
    QPointF calculateOriginPoint() const;
    // The top left of the part of the page in view, in canvas points; (0, 0) outside a scroll view.
    QPointF visiblePageOrigin() const;
    // A text box made of the arguments goes in front of every other graphic, as one undo step of the
    // document; on a responsive page it joins the section cell under its corner. The selection stays as it
    // is. Called from another thread, the box is added on the canvas's thread once its loop gets to it.
    void addTextBox(const TextBoxArguments& arguments);
    // From the palettes: a text box of the text-box preset at the index (half as wide again and three times
    // as high, "New text box" or the preset's text dated, white fill made transparent), or a shape of the
    // shape preset (twice its size, one blank of text, in no section), at the insertion point.
    void addNewSelectedTextView(int tag);
    void addNewShape(int tag);
    // A text graphic of the element record (a web-form field), in front of the others; on a responsive page
    // it joins the section cell under the record's corner. Fills the record's missing link, family name and
    // form type first.
    void convertTextViewToSKTGraphic(myTextView& element);
    // Whether the selection is one HTML snippet box on a page that is not responsive; it becomes
    // selectedSnippet.
    bool showAutoAdjustSnippetSize();
    // Sets the first standalone width and height attributes of the snippet's markup (and their other
    // occurrences) to the box's size in whole points.
    Q_INVOKABLE void autoAdjustSnippetSize();
    // An empty 100 x 100 box at the point, outlined solid 2 in the named shape ("rectangle", "circle",
    // "star" ...), in front of the others: a zoom bubble (red) for a zoom flag other than 0, else a grey
    // shape. It joins no section.
    void addZoomBubbleTextbox_drag(const QPointF& point, int cornerRadius, const QString& bubbleShape,
                                   int zoomFlag);
    // A section of `count` columns (as many as `spans` has at most), each spanning its number of the 12
    // grid columns, across the top of the page at the point's height; it goes behind every other graphic
    // and the sections it lands on move down below it, as one undo step.
    void addSection(const QStringList& spans, int count, const QPointF& point);
    // A section template of `count` items "Item 0" ... at the point's height, in front of the others.
    void addSectionTemplate(int count, const QPointF& point);

    // ---- Lines, arrows and branches
    // A line from `begin` to `end` in front of every other graphic, as one undo step; style "solid",
    // "dashed" or "dotted", arrow flags "1" or "0", group -99 for none. The selection stays as it is.
    void addTrueLine(const QPointF& begin, const QPointF& end, const QString& colorString,
                     const QString& style, int width, const QString& beginArrow, const QString& endArrow,
                     int groupNumber);
    // Whether some selected line lacks (draw...) or has (showHide...) the arrow head; whether the selection
    // holds lines only.
    bool showDrawStartArrow() const;
    bool showHideStartArrow() const;
    bool showDrawEndArrow() const;
    bool showHideEndArrow() const;
    bool arrowOptionsShown() const;
    // The branch generator's source, hub and popover: the hub is twice the rectangle, on the same centre,
    // in whole points.
    static QRectF generateNewRect(const QRectF& rect);
    MultiplyViewController* multiplyViewController() const { return m_multiplyViewController; }
    // The canvas's one transient popover; opening another closes it.
    Popover* velkPopOver() const { return m_velkPopOver; }

    // ---- Personalisation tags: a text box holding the tag, its own group, 55 right of and 10 below the point.
    void addPersonalizationTag(const QString& tag, const QPointF& point);
    // The five-line address block at the point, three quarters of the canvas wide and six tenths high, its
    // text sized to the canvas width (18 points on a 500-wide canvas).
    void addFullAddress_drag(const QPointF& point);
    // Badges: a picture and a text linked to the maker's site, in a group of their own, the picture's top
    // left at the point. The profile card: a background, four lines of profile text and a contact picture.
    void addVelkLink_drag(const QPointF& point);
    void addIndividual_drag(const QPointF& point);

    // ---- Web-form builder. A field is a set of text graphics (labels, inputs, option buttons) that share a
    // new form tag and group number, each inserted in front as it is built. The _drag builders place the
    // field at the point; the menu actions at the insertion point.
    void addTextField_drag(const QPointF& point);
    void addEmailTextField_drag(const QPointF& point);
    void addParagraph_drag(const QPointF& point);
    void addMultipleChoice_drag(const QPointF& point);
    void addCheckboxes_drag(const QPointF& point);
    void addBotCheckerTextField_drag(const QPointF& point);
    void addSubmitButton_drag(const QPointF& point);
    Q_INVOKABLE void addTextField();
    Q_INVOKABLE void addEmailTextField();
    Q_INVOKABLE void addParagraph();
    Q_INVOKABLE void addMultipleChoice();
    Q_INVOKABLE void addCheckboxes();
    Q_INVOKABLE void addBotCheckerTextField();
    Q_INVOKABLE void addSubmitButton();
    // One more option, button and label, below each selected label of a choice group.
    Q_INVOKABLE void addNewMultipleChoiceOption();
    Q_INVOKABLE void addNewCheckboxChoiceOption();
    // The selected e-mail input becomes the one whose value the form mail replies to; the flag leaves every
    // other graphic of the page.
    Q_INVOKABLE void markAsReplyTo();
    Q_INVOKABLE void makeFormMandatory();
    Q_INVOKABLE void makeFormOptional();
    bool showMarkAsReplyTo() const;
    bool showMandatory() const;
    bool showOptional() const;
    bool enableNewMultipleChoiceOption() const;
    bool enableNewCheckboxChoiceOption() const;
    // Whether a text graphic of the page with the graphic's form tag is a radio button / a check box.
    bool isOriginalTextViewRadio(const SKTGraphic& graphic) const;
    bool isOriginalTextViewCheckbox(const SKTGraphic& graphic) const;
    // One more than the highest option tag among the page's text graphics of the form tag.
    int findLastOptionTag(int formTag) const;
    // The group label of the graphic's field; null for none.
    std::shared_ptr<SKTGraphic> grabRadioLabel(const SKTGraphic& graphic) const;
    // Whether the graphic's field is a multiple-choice or checkbox group.
    bool IsThisMultipleChoiceLabel(const SKTGraphic& graphic) const;
    // Moves every option button to its option label, after anything moved.
    void reAlignFormOptions();

    // ---- Saved text: a collection of texts kept in the user defaults for all documents, in a window made
    // on first use and kept for the canvas's life.
    // Whether the selection is one plain text box (no form field); it becomes selectedTextbox.
    bool savedTextShown();
    // The heading item of the saved-text submenu: nothing to do.
    Q_INVOKABLE void savedTextOptions();
    // Opens the collection, showing its first record.
    Q_INVOKABLE void launchSavedTextWindow();
    // Adds the selected box's text to the collection as a new, dated record and shows it.
    Q_INVOKABLE void addToSavedTextWindow();
    // Appends the text the window shows to the selected box, on a line of its own, and hides the window.
    Q_INVOKABLE void pullFromSavedText();
    SavedTextWindowController* savedTextWindowController() const;

    // ---- Tables: the library's variants, tables of contents and site maps, structure commands and
    // duplication. Each new table goes in front of every other graphic as one undo step of the document;
    // structure commands change the table in place and record no undo of their own.
    // A cell in the default table style ("Helvetica Neue" 15, "4f4c4c" on clear, solid black border of 1,
    // left-aligned, spacings in pixels); its spot and size are the caller's.
    static std::shared_ptr<myTextView> createNewTableCell();
    // Four cells 200 x 100 at the point (on a responsive page in the section cell under it).
    void addTable_drag(const QPointF& point);
    // One row of `count` columns sharing the page width (at most 1000) by their spans.
    void addTable_Responsive(const QStringList& spans, int count, const QPointF& point);
    // A tear-off strip of twelve contact lines: dark text on clear, or white on dark grey.
    void addTable_Strip(const QPointF& point);
    void addTable_Strip2(const QPointF& point);
    // Five rows of a free column 300 wide and a fixed column 100 wide.
    void addTable_multiColumnWidth_drag(const QPointF& point);
    // The titled pages of the website with their page numbers, each linked to its page; nothing when no
    // page has a title.
    void addTableOfContents(const QPointF& point);
    // Every page of the list as a button linked to it, in one row or one column, near the top left of the
    // part of the page in view.
    void addTableOfSitemap(bool horizontal, const SitePageList& pages);
    // The website's pages as the window lists them; none without a window.
    SitePageList sitePages() const;
    // Brings the cells of the selected table in line with its counts and sizes it to them.
    void refreshTable();
    // A copy of the table with new cell and picture records, new picture files and a new section number, in
    // front of every other graphic; a section of a product that pastes in place goes to `y`, and the source
    // remembers how far as its interim offset. The selection stays.
    std::shared_ptr<SKTTable> duplicateTable(const std::shared_ptr<SKTTable>& table, int y);

public Q_SLOTS:
    // ---- Table commands of the menus, on the insertion point, the selected table(s) and the cell under
    // the last touch point. With no current cell the row and column commands do nothing.
    void addTable();
    void addTableOfSitemapHorizontal();
    void addTableOfSitemapVertical();
    // The parent item of the table submenu: nothing to do.
    void tableEditMenu();
    // The first selected table goes under (to the right of) the second and leaves the page; tables whose
    // column (row) counts differ are refused with an alert.
    void joinTablesVertically();
    void joinTablesHorizontally();
    // Rows become columns.
    void transformTable();
    void moveTableRowUp();
    void moveTableRowDown();
    void moveTableRowLeft();
    void moveTableRowRight();
    void insertTableRow();
    void insertTableColumn();
    // The last row or column of a table stays.
    void deleteTableRow();
    void deleteTableColumn();
    void refreshTableOfContents();

public:
    // ---- Images: the one image factory, picture files and the commands on images (see ImageFactory).
    // Called from another thread, the factory adds the image on the canvas's thread once its loop gets to it.
    void addImageIntoArray(const QImage& image, const QString& type, const QPointF& point, bool copySourceFile,
                           const QString& link, const QSizeF& pixelSize, int groupNumber,
                           const QSizeF& sectionFitSize, int imageEnlargeFlag, const QString& borderStyle,
                           const QString& borderHexColorString, int borderWidth, int shadowRadius,
                           int bubbleFlag, const QString& bubbleShape, const QRectF& frame);
    QString getNextImageName() const;
    void saveOriginalImage(const QImage& image, const QString& imageName, const QString& imageType,
                           bool copySourceFile, const QSizeF& pixelSize);
    void makeCopyOfOriginalImage(const QString& newFileName, const QString& oldFileName);
    // The page's graphics of a kind or its subkinds, in page order.
    GraphicList graphicsWithClass(const QString& className) const;
    GraphicList textAreas() const;
    GraphicList images() const;
    GraphicList slideshows() const;
    GraphicList galleries() const;
    // The page file's path without its extension; empty while the page has no file.
    QString getCurrentDocPath() const;
    bool shouldDisplayFocus() const { return true; }
    // Open panels for pictures at a drop point: one image per chosen file, each 20 points right of the one
    // before; the pages of one PDF file, the last at the point and each earlier one 50 points further
    // right and in front.
    void addNewImage_drag(const QPointF& point);
    void addNewPDF_drag(const QPointF& point);
    // The picture of selectedImage becomes the picture: the image keeps its place and width and takes the
    // picture's proportion, and its kept original is rewritten.
    void replaceImage(const QImage& picture);
    // Every selected image opens enlarged on a click, over a backdrop: 0 light, 1 dark, 2 clear.
    void setClickToEnlarge(int lighting);
    // Whether the selection is one image; it becomes selectedImage.
    bool cropShown();
    // The end of the crop dialog: code 1 replaces the picture of selectedImage by the cropped one.
    void pictureTakerValidated(CropImageWindowController* pictureTaker, int returnCode);
    CropImageWindowController* cropImageWindowController() const;

    // ---- Gallery grids, and the pictures of galleries, tables and slideshows. Pictures are records held by
    // their object, in cells counted from 0; the commands act on the gallery, table or slideshow the menu
    // validation picked and on the cell under the last touch point. They change the objects in place and
    // record no undo of their own; the page notes the change, so closing it asks to save.
    GalleryGridEditor& galleryGridEditor();
    GalleryGridCaptionViewController* galleryGridCaptionViewController() const;
    // The files, in order, go into consecutive cells of selectedGalleryGrid (selectedTable) from the cell
    // under the last touch point, or from the first cell when no cell is under it, replacing the pictures
    // there; files beyond the last cell are ignored, unreadable ones skipped.
    void proceedsToAddGalleryImages(const QStringList& paths);
    void proceedsToAddGalleryImagesToTable(const QStringList& paths);
    // Whether the picture under the last touch point in selectedGalleryGrid has a cell on that side.
    bool moveImageUpShown() const;
    bool moveImageDownShown() const;
    bool moveImageLeftShown() const;
    bool moveImageRightShown() const;
    // A new gallery of four cells in a row (500 x 200, dark backdrop), or a one-cell photo that enlarges
    // on a click (100 x 150, shadow, clear backdrop), at the point; on a responsive page it fills the
    // section cell under the point. It goes in front as one undo step; the selection stays.
    void addImageGallery_drag(const QPointF& point);
    void addEnlargeablePhoto_drag(const QPointF& point);
    // The page notes a change made in place, outside its undo.
    void noteInPlaceChange();

public Q_SLOTS:
    void configureGalleryGrid();
    // The caption popover of the gallery picture under the last touch point; its Save stores caption and
    // link as typed.
    void configureGalleryImageCaption();
    void saveGalleryCaptions();
    // The picture under the last touch point trades cells with its neighbour on that side.
    void moveImageUp();
    void moveImageDown();
    void moveImageLeft();
    void moveImageRight();
    // The parent item of the gallery picture submenu: nothing to do.
    void galleryEditMenu() {}
    // Open panels whose chosen files go to proceedsToAddGalleryImages(ToTable); the replacement takes one
    // file into the clicked cell.
    void addGalleryImage();
    void addGalleryImageToTable();
    void replaceGalleryImage();
    // The picture files stay in the page folder.
    void deleteGalleryImage();
    void deleteTableImage();
    // The chosen picture, scaled to the width of selectedTable, becomes its background; or the table
    // loses its background.
    void addSectionBackgroundImage();
    void removeTableBackgroundImage();
    // The context menu's background items: the one table or section selected becomes selectedTable first.
    void addBackgroundImageToSelectedTable();
    void removeBackgroundImageFromSelectedTable();
    // Each chosen file becomes a slide of selectedSlideshow, named in the order chosen.
    void addSlideshowImage();
    // A new gallery at the insertion point.
    void addImageGallery();

private:
    void moveGalleryImage(int rowStep, int columnStep);
    bool pickSelectedTable();
    GalleryGridEditor* m_galleryGridEditor = nullptr;
    QPointer<GalleryGridCaptionViewController> m_galleryGridCaptionViewController;

public:
    // ---- Undo and redo of the bound document that select what they touched: the graphics they insert,
    // move or change. Touching no graphic leaves the selection as it was.
    void undo();
    void redo();

public Q_SLOTS:
    // ---- Commands of the context menu and the menu bar, sent by their action names. With nothing selected
    // the selection commands change nothing; none of them names an undo step of its own.
    void launchPrintSettings();
    void savePrintSettings();
    // The selected graphics of groupable kinds join a new group, or leave theirs.
    void groupObjects();
    void unGroupObjects();
    // Locks act on the selection widened to whole groups.
    void lockObjects();
    void unLockObjects();
    void scrollLockObjects();
    void unScrollLockObjects();
    // The parent item of the position submenu: nothing to do.
    void positionSettingActions();
    // Selected text boxes span the browser window's width (x 0, width 9999), or stop doing so (x 200,
    // width 200).
    void matchScreenWidth();
    void unMatchScreenWidth();
    // Horizontal centring of the selection: on the page's content, within the rest of the first selected
    // graphic's group, or on the canvas.
    void centerGroup();
    void centerWithinGroup();
    void centerOnCanvas();
    // Image commands: new images at the insertion point, and on the selected image: replace, crop, and
    // click-to-enlarge on and off.
    void addNewImage();
    void launchReplaceImage();
    void launchCropImagePanel();
    void setClickToEnlargeLight() { setClickToEnlarge(0); }
    void setClickToEnlargeDark() { setClickToEnlarge(1); }
    void setClickToEnlargeClear() { setClickToEnlarge(2); }
    void disableClickToEnlarge();

    // Lines: a 200 x 200 diagonal from the insertion point, arrow head at its begin. Arrows: on or off for
    // every selected line; the options item only shows. Branches: the popover over the selected text box,
    // then a hub, lines and scaled copies of the box around it.
    void addLine();
    void addLineDashed();
    void addLineDotted();
    void drawStartArrow();
    void hideStartArrow();
    void drawEndArrow();
    void hideEndArrow();
    void showArrowOptions();
    void multiplyNewShapes();
    void showMultipleNewShapeWindow();
    void addMultipleShapesSelected();
    // Tags 100 right of and 100 below the top left of the part of the page in view; the address block at
    // 10, 10 from it.
    void addPerson_FirstName();
    void addPerson_LastName();
    void addPerson_CompanyName();
    void addPerson_Title();
    void addPerson_JobTitle();
    void addPerson_Email();
    void addPerson_Phone();
    void addPerson_Address_Street();
    void addPerson_Address_Country();
    void addPerson_Address_City();
    void addPerson_Address_Zipcode();
    void addPerson_Address_State();
    void addPerson_FullAddress();
    // The four badge wordings at the insertion point.
    void addVelkLink();
    void addVelkLink2();
    void addVelkLink3();
    void addVelkLink4();

    // ---- Alignment, arrangement, code editor and menu validation
    // Parent items of the layer, align and enlarge submenus: nothing to do.
    void layerOptionsShown() {}
    void alignOptionsShown() {}
    void showClickToEnlargeOptions() {}
    // Edges and sizes follow the selected graphic under the last click (the zero rectangle when none is),
    // centres the first selected graphic; each needs two selected graphics and is one named undo step.
    void alignLeftEdges();
    void alignRightEdges();
    void alignTopEdges();
    void alignBottomEdges();
    void alignHorizontalCenters();
    void alignVerticalCenters();
    void makeSameWidth();
    void makeSameHeight();
    void makeSameSize();
    // The first two graphics in order of position keep their places and their gap; the others follow at
    // that gap.
    void alignHorizontalSpacing();
    void alignVerticalSpacing();
    void alignWithGrid();
    void makeNaturalSize();
    // Z-order: the whole selection to the front or the back (never behind graphics that cannot be
    // selected), or the first selected graphic one step past the nearest graphic it overlaps.
    void bringToFront();
    void sendToBack();
    void bringForward();
    void sendBackward();
    // Selects the selectable graphics, or nothing.
    void selectAll();
    void deselectAll();
    void showOrHideRulers();
    // The code editor of the snippet box (any text box where the product edits all as code) that the last
    // menu validation chose; saving replaces the whole text of the box it was opened for, while that box
    // is on the page.
    void showCodeEditor();
    void saveCodeEditor();
    // Selected HTML snippet boxes get, or lose, the snippet formatting of the generated page.
    void applyHTMLSnippetFormattingOption();
    void removeHTMLSnippetFormattingOption();

public:
    // ---- Zoom bubble, object popovers (tooltip, layer index, link) and style copy and paste
    // The picture a zoom bubble box shows enlarged: the first image behind the box (from its own place in
    // the page toward the back) that meets it, or the picture of a gallery behind it in the cell under the
    // last touch point when that picture meets it; none otherwise.
    std::optional<ZoomBubble::Picture> grabImageUnderneath(const SKTGraphic& box) const;
    // Whether the selection is one zoom bubble box with a picture behind it.
    bool shouldShowCreateZoomBubble() const;
    // The part of the picture under the first selected box, three times enlarged and no wider than the
    // product's limit, becomes a new image with a white border at the box's place, in front of the others.
    void generateZoomBubble(int bubbleFlag, const QString& bubbleShape);
    // What the popovers edit, collected for the next popover: the tooltip of one selected image, the manual
    // layer index of the first selected graphic, the link of one text box, image or table cell.
    bool tooltipShown();
    bool manualLayerIndexShown();
    bool removeManualLayerIndexShown() const;
    bool linkShown();
    // Style sources: one selected text box or table can be the source; pasting needs a source for a kind in
    // the selection.
    bool grabCopyStyleShown() const;
    bool applyPasteStyleShown() const;
    // The content of the last popover of each kind.
    TooltipViewController* tooltipViewController() const;
    LayerArrangementViewController* layerArrangementViewController() const;
    HyperLinkViewController* hyperLinkViewController() const;

public Q_SLOTS:
    void createZoomBubble();
    // Each opens its popover beside the first selected graphic with what its predicate collected; the save
    // operations write into the selected graphics of the kinds that take the value and close it. None
    // records an undo step.
    void applyTooltip();
    void saveTooltip();
    void applyLayerIndex();
    void saveLayerIndex();
    void removeManualLayerIndex();
    void applyLinkPopOver();
    void saveLink();
    // The page chosen in the link popover's pop-up becomes the link.
    void updateHyperLink();
    // The selected text box and table become the style sources (kept as the live objects); pasting copies
    // their font, colours, border and spacing onto the selected text boxes and tables, cell by cell for a
    // table.
    void grabCopyStyle();
    void applyPasteStyle();

private:
    // Closes the popover shown and shows the content in a new one beside the first selected graphic.
    void showInVelkPopOver(QWidget* content);
    std::shared_ptr<myTextView> tableCellUnderTouch(const SKTGraphic& table) const;
    QPointer<TooltipViewController> m_tooltipViewController;
    QPointer<LayerArrangementViewController> m_layerArrangementViewController;
    QPointer<HyperLinkViewController> m_hyperLinkViewController;

public:
    // Every selected graphic takes the colour.
    void changeColor(const QColor& color);
    // The selected graphic under lastTouchPoint (left and top edges inside); null for none.
    std::shared_ptr<SKTGraphic> lastSelectedGraphic() const;
    GraphicList selectableGraphics() const;
    static GraphicList grabSelectableArray(const GraphicList& graphics);
    SKTZoomingScrollView* enclosingScrollView() const;
    CodeEditorWindowController* codeEditorWindowController() const;
    // What the menu rules read; asking the predicates of other areas records the objects they pick.
    CanvasMenuState menuState();
    using BoundsPlacement = QRectF (*)(const QRectF& reference, const QRectF& bounds);

private:
    void runSelectionChange(const char* undoKey, const std::function<void(const GraphicList&)>& change);
    void alignOnLastSelected(const char* undoKey, BoundsPlacement place);
    void moveSelectionTo(const IndexSet& newIndexes, const char* undoKey);
    void moveGraphic(int from, int to);
    void recordPick(CanvasMenuPick pick);
    std::shared_ptr<SKTGraphic> codeEditorBox() const;
    QPointer<CodeEditorWindowController> m_codeEditorWindowController;
    std::weak_ptr<SKTGraphic> m_codeEditorBox;

Q_SIGNALS:
    // The canvas changed the selection; the window refreshes its layer list and inspector.
    void graphicTouched();
    // The rectangle the rulers echo changed; the zero rectangle erases the echo.
    void rulerEchoChanged(const QRectF& bounds);
    // Graphics left the page by the delete command; the window lists the layers again.
    void refreshLayerListing();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // What the canvas keeps of each graphic it observes: the connection, and the drawing bounds it was last
    // known to draw in, which a change of drawing bounds repaints as the old area.
    struct Observation {
        std::shared_ptr<SKTGraphic> graphic;
        QMetaObject::Connection connection;
        QRectF drawingBounds;
    };

    void startObservingGraphics(const GraphicList& graphics);
    void stopObservingGraphics(const GraphicList& graphics);
    void graphicChanged(SKTGraphic* graphic, const QString& key);
    // The graphic's drawing bounds now, which are also remembered as those it was last drawn in.
    QRectF refreshedDrawingBounds(SKTGraphic& graphic);
    void graphicsInserted(const IndexSet& indexes);
    void graphicsRemoved(const GraphicList& removed);
    void graphicsMoved(const IndexSet& to);
    void selectionChanged();
    // Adds to the graphics an undo or redo has touched, while one runs.
    void noteTouchedByUndo(const std::shared_ptr<SKTGraphic>& graphic);
    void reselectAfter(void (DocumentUndoManager::*perform)());
    void setNeedsDisplayInGraphicBounds(const QSet<const SKTGraphic*>& graphics);
    void echoToRulers(const QRectF& rect);
    void resizeToCanvas();

    // Option buttons of a web-form choice sit with their labels: a click or a marquee never picks them.
    static bool isFormOption(const SKTGraphic& graphic);
    // Mouse gestures: one runs from a press to its release, as one undo grouping.
    QPointF canvasPoint(const QMouseEvent& event) const;
    void selectAndTrackMouseWithEvent(const QPointF& point, bool shift);
    void startGesture(std::unique_ptr<CanvasGesture> gesture);
    void endGesture();
    void autoscroll(const QPointF& point);

    // Drawing, in paint order.
    void drawBackground(QPainter& painter, const QRegion& dirty);
    void drawGraphics(DrawingView& view, const QRegion& dirty);
    void drawMarquee(QPainter& painter);
    // The canvas's own context menu, of the commands of the selected object.

    QPointer<SKTDocument> m_document;
    QPointer<GraphicSelection> m_selection;
    QPointer<SKTGrid> m_grid;
    QList<QMetaObject::Connection> m_documentConnections;
    QMetaObject::Connection m_selectionConnection;
    QMetaObject::Connection m_gridConnection;
    QHash<const SKTGraphic*, Observation> m_observations;
    // Enough for the pictures of a page of a thousand graphics at full size.
    DrawingCache m_drawingCache{qsizetype(128) << 20};
    // The graphics last painted as selected, so a selection change repaints only those that changed.
    QSet<const SKTGraphic*> m_selectionOnScreen;
    std::optional<GraphicList> m_undoTouchedGraphics;

    QBrush m_pageColor = QBrush(Qt::white);
    QString m_pageColorHexString;
    bool m_clearBackground = false;
    bool m_pauseDrawGraphicFlag = false;
    QSizeF m_canvasSize;
    double m_canvasScale = 1.0;
    bool m_hidingHandles = false;
    QRectF m_marqueeSelectionBounds;
    QRectF m_rulerEchoedBounds;

    QPointF m_lastTouchPoint;
    // Copy and paste
    bool copySelection();
    // Inserts the graphics read from the clipboard (and copies of the copied tables) in front, cascaded or
    // placed in the section grid, and selects them.
    void pasteGraphics(GraphicList pasted, bool sectionsRecreated);
    qint64 m_pasteboardChangeCount = -1;
    qint64 m_pasteCascadeNumber = 0;
    QPointF m_pasteCascadeDelta{10, 10};
    QPointer<QMenu> m_menu;
    CanvasWorkingState m_workingState;
    QPointer<PrintSettingsWindowController> m_printSettingsWindowController;
    TableGridEditor* m_tableGridEditor = nullptr;
    QPointer<SectionEditorWindowController> m_sectionEditorWindowController;
    QPointer<SlideShowWindow> m_slideShowWindow;
    QPointer<Popover> m_velkPopOver;
    QPointer<MultiplyViewController> m_multiplyViewController;

    QPointer<SavedTextWindowController> m_savedTextWindowController;
    QPointer<CropImageWindowController> m_cropImageWindowController;
    std::unique_ptr<CanvasGesture> m_gesture;
    QTimer* m_handleShowingTimer = nullptr;

    std::shared_ptr<SKTGraphic> m_editingGraphic;
    QPointer<QWidget> m_editingView;
    // In the canvas widget's pixels.
    QRect m_editingViewFrame;
};
