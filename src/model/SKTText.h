#pragma once

#include "model/SKTGraphic.h"

#include <QPainterPath>

class QTextDocument;
class SharedTextLayout;
class TextStorage;
struct TextEditorGeometry;
struct TextStyle;

// The page object that holds text: text boxes, the text of buttons and the web-form fields (text field,
// text area, check box, radio button, label). Its characters live in a text storage with one style over
// the whole text, taken from the graphic's font, alignment, colour and line spacing; it paints its own
// background, border, shadow and callout outline and hands the canvas an in-place editor.
class SKTText : public SKTGraphic {
    Q_OBJECT

public:
    SKTText();
    ~SKTText() override;

    QString className() const override;
    // The base object's copy with the same formatted characters.
    std::shared_ptr<SKTGraphic> copy() const override;
    // The plain characters.
    QString textString() const override;

    // ---- Text storage
    // The storage, made empty on first use; edits of it schedule setHeightToMatchContents.
    TextStorage& contents();
    // The style the graphic's properties give its text.
    TextStyle textStyle() const;
    // Gives the whole text the graphic's style again, then sets the bounds to themselves so observers redraw.
    void refreshStyle();
    // Replaces the storage by a new one holding the string; edits of the new one schedule nothing.
    void updateTextString(const QString& string);

    // ---- Property table: the base keys, the font of the first character, "textString", "bubbleShape",
    // "zoomBubbleFlag", and the text's undo under "undoContents"
    const GraphicPropertyTable& propertyTable() const override;

    // ---- Geometry and measuring
    // The base drawing bounds joined with the bounds grown by 1 on every side.
    QRectF drawingBounds() override;
    void setBounds(const QRectF& bounds) override;
    bool canSetDrawingStroke() const override { return true; }
    // A text box never resizes itself to its text.
    void makeNaturalSize() override {}
    // The size the text takes laid out at the width of the bounds without a height limit.
    QSizeF naturalSize();
    // Sets the bounds to themselves, unseen by the undo: the canvas redraws the text after an edit.
    void setHeightToMatchContents();
    // The layout that measures and draws every text graphic.
    static SharedTextLayout& sharedLayoutManager();

    // ---- Drawing
    // Paints the background, border, shadow, canvas outline, form-field fill and box-model guides into the
    // view when one is given, and answers the outline. Choosing a callout outline may set `bubbleShape`.
    BezierPath bezierPathForDrawing(DrawingView* view = nullptr) override;
    // The outline as above, then the glyphs; `textHeight` becomes the height they take.
    void drawContentsInView(DrawingView& view, bool beingCreatedOrEdited) override;

    // ---- In-place editing
    // Whether the canvas may open an editor on the text: not for texts that cannot be selected, form fields,
    // the bot checker's question and zoom callouts.
    bool isEditableInPlace() const;
    // Where the editor stands and how far it may grow on a canvas of the bounds given.
    TextEditorGeometry editingGeometry(const QRectF& superviewBounds);
    // A plain-text editor of the storage made by the installed editor factory; null when the text is not
    // edited in place or no factory is installed.
    QWidget* newEditingViewWithSuperviewBounds(const QRectF& superviewBounds) override;
    void finalizeEditingView(QWidget* editingView) override;

    // ---- Scripting and undo of the text
    // Announces a change of the text, to be closed as soon as control returns to the event loop.
    TextStorage& scriptingContents();
    // A string stays as it is; any other value becomes its text.
    static QVariant coerceValueForScriptingContents(const QVariant& value);
    // Replaces the whole text: a plain string takes the style of the text, a document brings its formats.
    void setScriptingContents(const QString& text);
    void setScriptingContents(const QTextDocument& formattedText);
    // The text as the page document's undo records and restores it.
    QString undoContents() const;
    void setUndoContents(const QString& text);
    QSet<QString> keysForValuesToObserveForUndo() const override;

    // ---- Own fields
    // The text is a cell of a table on the page; never stored in the dictionary.
    SKT_GRAPHIC_PROPERTY(bool, partOfTableFlag, setPartOfTableFlag)
    // 1: a zoom callout, drawn with a shadow and never edited in place.
    SKT_GRAPHIC_PROPERTY(int, zoomBubbleFlag, setZoomBubbleFlag)
    // The outline of the current `bubbleShape` name as last fetched, in the shape's own 100 x 100 square.
    SKT_GRAPHIC_PROPERTY(QPainterPath, bubbleShapeBezierPath, setBubbleShapeBezierPath)

protected:
    std::shared_ptr<SKTGraphic> newGraphicOfSameKind() const override;

private:
    void willChangeScriptingContents();
    void didChangeScriptingContents();
    void textStorageDidProcessEditing();
    void observeEdits(TextStorage& storage);
    // Palette rules: the colour picked for the text on load, for the fill on drawing.
    void applyTextPaletteRule();
    void applyFillPaletteRule();
    // The callout outline the bubble shape and zoom flag ask for; none to keep the box outline.
    std::optional<QPainterPath> calloutOutline(const QTransform& rotation);
    // The inset of text from the corners of rounded boxes, on products that inset it.
    int textCornerInset() const;
    QPointF glyphOrigin(int inset) const;

    // The storage, made on first use: from the text read from a dictionary when that still waits, else
    // empty. Const because the plain characters are read through it.
    TextStorage& storage() const;

    // Text read from a dictionary, with the style it was read in. An opened page holds thousands of text
    // boxes, most of them neither measured nor edited before they are drawn, so their storage waits.
    struct PendingText;
    mutable std::unique_ptr<PendingText> m_pendingText;
    mutable std::unique_ptr<TextStorage> m_contents;
    bool m_boundsBeingChangedToMatchContents = false;
    bool m_contentsBeingChangedByScripting = false;
};
