#pragma once

#include "model/records/MTextView.h"
#include "model/records/RecordBoxModel.h"

#include <QColor>
#include <QMetaType>
#include <QString>

class QTextDocument;
class myTextView;

using myTextViewList = QList<std::shared_ptr<myTextView>>;

// The record of one text element outside the graphic model: a text box read back from a page file, a cell
// of a table, grid or section, or a web-form item. The page loader, the table and form factories and the
// code generators exchange text elements through it without building a graphic. Its own frame is the
// element's frame and its alpha value the element's opacity as loaded.
class myTextView : public TextViewRecord, public RecordBoxModel, public RecordBoxLevels {
public:
    // A record with empty colour strings, a companion text view of the same frame and a cover view; every
    // number is 0, so a maker that means "none" sets -99 itself.
    myTextView();
    explicit myTextView(const QRectF& frame);
    ~myTextView() override;
    Q_DISABLE_COPY(myTextView)

    static std::shared_ptr<myTextView> initWithFrame(const QRectF& frame)
    {
        return std::make_shared<myTextView>(frame);
    }

    // Paints nothing; keeps the companion text view and the cover view at the rectangle being drawn.
    void drawRect(const QRectF& rect);

    // ---- Companions
    ELEMENT_RECORD_FIELD(std::shared_ptr<MTextView>, textView, setTextView)
    ELEMENT_RECORD_FIELD(std::shared_ptr<ElementRecord>, coverView, setCoverView)

    // ---- Identity, link and layering
    // "Text" for a text box; the generators also know "HTMLSnippet".
    ELEMENT_RECORD_FIELD(QString, textType, setTextType)
    ELEMENT_RECORD_FIELD(QString, link, setLink)
    ELEMENT_RECORD_FIELD(QString, linkOption, setLinkOption)
    // "text" (loaded text boxes) or "shape" (new table cells).
    ELEMENT_RECORD_FIELD(QString, linkType, setLinkType)
    // Body lines of the page file that hold the text; -99 when not given.
    ELEMENT_RECORD_FIELD(int, nlines, setNlines)
    ELEMENT_RECORD_FIELD(RecordFlag, selected, setSelected)
    ELEMENT_RECORD_FIELD(RecordFlag, moveLock, setMoveLock)

    // ---- Colours and geometry
    ELEMENT_RECORD_FIELD(QString, colorString, setColorString)
    ELEMENT_RECORD_FIELD(QString, textColorString, setTextColorString)
    ELEMENT_RECORD_FIELD(int, originX, setOriginX)
    ELEMENT_RECORD_FIELD(int, originY, setOriginY)
    ELEMENT_RECORD_FIELD(int, width, setWidth)
    ELEMENT_RECORD_FIELD(int, height, setHeight)
    ELEMENT_RECORD_FIELD(RecordFlag, shadowFlag, setShadowFlag)
    // 0 positioned absolutely on the page, 1 fixed to the browser window.
    ELEMENT_RECORD_FIELD(int, scrollFlag, setScrollFlag)
    ELEMENT_RECORD_FIELD(int, indentFlag, setIndentFlag)
    // Not read by the conversion into graphics, which takes the border colour string.
    ELEMENT_RECORD_FIELD(QColor, borderColor, setBorderColor)
    ELEMENT_RECORD_FIELD(float, cornerRadius, setCornerRadius)
    ELEMENT_RECORD_FIELD(float, tableCellCornerRadius, setTableCellCornerRadius)
    ELEMENT_RECORD_FIELD(int, shapeFlag, setShapeFlag)
    ELEMENT_RECORD_FIELD(QString, familyName, setFamilyName)
    ELEMENT_RECORD_FIELD(int, fontSize, setFontSize)
    ELEMENT_RECORD_FIELD(int, groupNumber, setGroupNumber)
    // "basetemplate" for elements of the site's base template, empty for the page's own.
    ELEMENT_RECORD_FIELD(QString, templateName, setTemplateName)

    // ---- Table and section cell (-99 is none)
    ELEMENT_RECORD_FIELD(int, rowSpot, setRowSpot)
    ELEMENT_RECORD_FIELD(int, columnSpot, setColumnSpot)
    ELEMENT_RECORD_FIELD(RecordFlag, toRemoveFlag, setToRemoveFlag)
    ELEMENT_RECORD_FIELD(int, tableNumber, setTableNumber)
    ELEMENT_RECORD_FIELD(float, strokeWidth, setStrokeWidth)
    ELEMENT_RECORD_FIELD(RecordFlag, partOfTableFlag, setPartOfTableFlag)

    // ---- Text style
    // "left", "center", "right" or "justify".
    ELEMENT_RECORD_FIELD(QString, textAlignment, setTextAlignment)
    ELEMENT_RECORD_FIELD(QString, backgroundHexColorString, setBackgroundHexColorString)
    ELEMENT_RECORD_FIELD(QString, textHexColorString, setTextHexColorString)
    // The styled text of a table, widget or section cell; the record's own, not the companion's.
    ELEMENT_RECORD_FIELD(std::shared_ptr<QTextDocument>, textStorage, setTextStorage)
    ELEMENT_RECORD_FIELD(QString, hoverColorString, setHoverColorString)
    ELEMENT_RECORD_FIELD(QString, hoverTextColorString, setHoverTextColorString)
    ELEMENT_RECORD_FIELD(RecordFlag, selectable, setSelectable)

    // ---- Web form (-99 is none)
    // "text", "password", "textarea", "radio", "checkbox", "submit" or "textLabel"; empty or none otherwise.
    ELEMENT_RECORD_FIELD(QString, formType, setFormType)
    ELEMENT_RECORD_FIELD(int, formTag, setFormTag)
    ELEMENT_RECORD_FIELD(int, formOptionTag, setFormOptionTag)
    ELEMENT_RECORD_FIELD(int, formRequiredFlag, setFormRequiredFlag)
    // The label record of a checkbox or radio option.
    ELEMENT_RECORD_FIELD(std::shared_ptr<myTextView>, optionTextView, setOptionTextView)

    // ---- Box, responsive layout and behaviour
    ELEMENT_RECORD_FIELD(RecordFlag, matchScreenFlag, setMatchScreenFlag)
    ELEMENT_RECORD_FIELD(int, manualLayerIndex, setManualLayerIndex)
    ELEMENT_RECORD_FIELD(int, borderWidth, setBorderWidth)
    ELEMENT_RECORD_FIELD(QString, borderHexColorString, setBorderHexColorString)
    ELEMENT_RECORD_FIELD(RecordFlag, snippetFormatFlag, setSnippetFormatFlag)
    ELEMENT_RECORD_FIELD(int, fixedWidthFlag, setFixedWidthFlag)
    ELEMENT_RECORD_FIELD(int, fixedHeightFlag, setFixedHeightFlag)
    ELEMENT_RECORD_FIELD(int, zoomBubbleFlag, setZoomBubbleFlag)
    ELEMENT_RECORD_FIELD(QString, bubbleShape, setBubbleShape)
    ELEMENT_RECORD_FIELD(int, xsGridColumns, setXsGridColumns)
    ELEMENT_RECORD_FIELD(int, smallGridColumns, setSmallGridColumns)
    ELEMENT_RECORD_FIELD(int, mediumGridColumns, setMediumGridColumns)
    ELEMENT_RECORD_FIELD(int, largeGridColumns, setLargeGridColumns)
    ELEMENT_RECORD_FIELD(float, lineSpacing, setLineSpacing)
    ELEMENT_RECORD_FIELD(float, shadowRadius, setShadowRadius)
    ELEMENT_RECORD_FIELD(float, shadowHorizontalOffset, setShadowHorizontalOffset)
    ELEMENT_RECORD_FIELD(float, shadowVerticalOffset, setShadowVerticalOffset)
    ELEMENT_RECORD_FIELD(float, rotationAngle, setRotationAngle)
    ELEMENT_RECORD_FIELD(int, responsiveResizeFlag, setResponsiveResizeFlag)
    // 1 centred, 2 right, any other value left.
    ELEMENT_RECORD_FIELD(int, responsiveAlignment, setResponsiveAlignment)
    ELEMENT_RECORD_FIELD(int, sectionNumber, setSectionNumber)
    ELEMENT_RECORD_FIELD(int, sectionRowSpot, setSectionRowSpot)
    ELEMENT_RECORD_FIELD(int, sectionColumnSpot, setSectionColumnSpot)
    ELEMENT_RECORD_FIELD(int, markAsReplyToEmailFlag, setMarkAsReplyToEmailFlag)
    // Element ids separated by ",".
    ELEMENT_RECORD_FIELD(QString, onClickHideString, setOnClickHideString)
    ELEMENT_RECORD_FIELD(QString, onClickShowString, setOnClickShowString)
    // 1 when the first of the element's body lines is its link, not text.
    ELEMENT_RECORD_FIELD(int, containsLinkFlag, setContainsLinkFlag)
    ELEMENT_RECORD_FIELD(float, opacity, setOpacity)
    ELEMENT_RECORD_FIELD(QString, borderStyle, setBorderStyle)
    // 0 top, 1 middle, 2 bottom.
    ELEMENT_RECORD_FIELD(int, verticalAlignment, setVerticalAlignment)
    ELEMENT_RECORD_FIELD(int, textHeight, setTextHeight)
};

Q_DECLARE_METATYPE(myTextViewList)
