#include "model/SKTTable.h"

#include "model/GraphicPropertyDictionary.h"
#include "model/text/TextStorage.h"
#include "profile/DataCentre.h"
#include "profile/services/HexColor.h"

#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

// The inspector styles a table as one object; these copy the table's style into its cells, which the
// generators write, and take a marked cell's style back into the table.

namespace {

struct AlignmentName {
    int code;
    const char* word;
    Qt::Alignment alignment;
};

// The table's `fontAlignment` codes with the words of a cell's `textAlignment`; any other code justifies.
constexpr AlignmentName kAlignments[] = {
    {0, "left", Qt::AlignLeft},
    {1, "center", Qt::AlignHCenter},
    {2, "right", Qt::AlignRight},
    {3, "justify", Qt::AlignJustify},
};

const AlignmentName& alignmentOfCode(int code)
{
    for (const AlignmentName& entry : kAlignments) {
        if (entry.code == code)
            return entry;
    }
    return kAlignments[3];
}

// Any word but these three reads as left.
int codeOfWord(const QString& word)
{
    for (const AlignmentName& entry : kAlignments) {
        if (entry.code != 0 && word == QLatin1String(entry.word))
            return entry.code;
    }
    return 0;
}

QFont fontOf(const QString& family, int size)
{
    QFont font(family);
    if (size > 0)
        font.setPixelSize(size);
    return font;
}

bool isClearString(const QString& color)
{
    return color.isEmpty() || color == DataCentre::kClearColorString;
}

QColor withAlpha(QColor color, double alpha)
{
    color.setAlphaF(float(std::clamp(alpha, 0.0, 1.0)));
    return color;
}

// Changes the characters of the whole text, keeping what the change does not name.
void mergeIntoText(const std::shared_ptr<QTextDocument>& storage, const QTextCharFormat& characters)
{
    if (!storage)
        return;
    QTextCursor cursor(storage.get());
    cursor.select(QTextCursor::Document);
    cursor.mergeCharFormat(characters);
    cursor.mergeBlockCharFormat(characters);
}

void alignText(const std::shared_ptr<QTextDocument>& storage, Qt::Alignment alignment)
{
    if (!storage)
        return;
    QTextCursor cursor(storage.get());
    cursor.select(QTextCursor::Document);
    QTextBlockFormat paragraph;
    paragraph.setAlignment(alignment);
    cursor.mergeBlockFormat(paragraph);
}

void setCellFont(myTextView& cell, const QFont& font)
{
    if (cell.textView())
        cell.textView()->setFont(font);
    QTextCharFormat characters;
    characters.setFont(font, QTextCharFormat::FontPropertiesAll);
    mergeIntoText(cell.textStorage(), characters);
    if (cell.textStorage())
        cell.textStorage()->setDefaultFont(font);
}

} // namespace

myTextViewList SKTTable::cellsInScope() const
{
    myTextViewList cells;
    for (const std::shared_ptr<myTextView>& cell : m_cellHelperArray) {
        if (cell)
            cells.append(cell);
    }
    if (!DataCentre::profile().tableCellSelection)
        return cells;
    myTextViewList marked;
    for (const std::shared_ptr<myTextView>& cell : cells) {
        if (cell->selected())
            marked.append(cell);
    }
    return marked.isEmpty() ? cells : marked;
}

// The resize rule shares out what the cells changed, and setting the bounds redraws the table.
void SKTTable::refreshAfterStyleChange()
{
    setBounds(bounds());
}

void SKTTable::refreshLayout()
{
    refreshAfterStyleChange();
}

void SKTTable::updateHoverTextColor()
{
    for (const std::shared_ptr<myTextView>& cell : cellsInScope())
        cell->setHoverTextColorString(hoverTextColorString());
    refreshAfterStyleChange();
}

void SKTTable::updateHoverBackgroundColor()
{
    for (const std::shared_ptr<myTextView>& cell : cellsInScope())
        cell->setHoverColorString(hoverColorString());
    refreshAfterStyleChange();
}

void SKTTable::updateTextColor()
{
    QTextCharFormat characters;
    characters.setForeground(withAlpha(fontColor(), opacity()));
    for (const std::shared_ptr<myTextView>& cell : cellsInScope()) {
        mergeIntoText(cell->textStorage(), characters);
        cell->setTextColor(fontColor());
        cell->setTextColorString(textHexColorString());
        cell->setTextHexColorString(textHexColorString());
    }
    refreshAfterStyleChange();
}

void SKTTable::updateLineSpacing()
{
    for (const std::shared_ptr<myTextView>& cell : cellsInScope())
        cell->setLineSpacing(lineSpacing());
    refreshAfterStyleChange();
}

void SKTTable::updateBorderColor()
{
    for (const std::shared_ptr<myTextView>& cell : cellsInScope())
        cell->setBorderHexColorString(borderHexColorString());
    refreshAfterStyleChange();
}

void SKTTable::updateBackgroundColor()
{
    const QString background = GraphicProperties::isClearColor(fillColor())
                                   ? QString(DataCentre::kClearColorString)
                                   : backgroundHexColorString();
    for (const std::shared_ptr<myTextView>& cell : cellsInScope()) {
        cell->setBackgroundHexColorString(background);
        cell->setColorString(background);
    }
    refreshAfterStyleChange();
}

void SKTTable::updateFontSize()
{
    for (const std::shared_ptr<myTextView>& cell : cellsInScope()) {
        setCellFont(*cell, fontOf(cell->familyName(), fontSize()));
        cell->setFontSize(fontSize());
    }
    refreshAfterStyleChange();
}

void SKTTable::updateFontFamily()
{
    for (const std::shared_ptr<myTextView>& cell : cellsInScope()) {
        setCellFont(*cell, fontOf(fontFamily(), cell->fontSize()));
        cell->setFamilyName(fontFamily());
    }
    refreshAfterStyleChange();
}

void SKTTable::updateTextAlignment()
{
    const AlignmentName& alignment = alignmentOfCode(fontAlignment());
    for (const std::shared_ptr<myTextView>& cell : cellsInScope()) {
        alignText(cell->textStorage(), alignment.alignment);
        cell->setTextAlignment(QString::fromLatin1(alignment.word));
    }
    refreshAfterStyleChange();
}

void SKTTable::updateOpacity()
{
    for (const std::shared_ptr<myTextView>& cell : cellsInScope()) {
        cell->setAlphaValue(opacity());
        cell->setOpacity(float(opacity()));
    }
    refreshAfterStyleChange();
}

void SKTTable::updateShadow()
{
    for (const std::shared_ptr<myTextView>& cell : cellsInScope())
        cell->setShadowFlag(RecordFlag(shadowFlag()));
    refreshAfterStyleChange();
}

void SKTTable::refreshStyle()
{
    const AlignmentName& alignment = alignmentOfCode(fontAlignment());
    const QFont font = fontOf(fontFamily(), fontSize());
    TextStyle style;
    style.font = font;
    style.alignment = alignment.alignment;
    style.color = withAlpha(fontColor(), opacity());
    style.lineHeight = double(float(fontSize()) * lineSpacing());
    const QString background = GraphicProperties::isClearColor(fillColor())
                                   ? QString(DataCentre::kClearColorString)
                                   : backgroundHexColorString();

    for (const std::shared_ptr<myTextView>& cell : cellsInScope()) {
        myTextView& c = *cell;
        if (c.textStorage())
            TextStorage::applyStyle(*c.textStorage(), style);
        c.setTextAlignment(QString::fromLatin1(alignment.word));
        c.setAlphaValue(opacity());
        c.setOpacity(float(opacity()));
        c.setShapeFlag(shapeFlag());
        c.setShadowFlag(RecordFlag(shadowFlag()));
        c.setTextColor(fontColor());
        c.setBackgroundHexColorString(background);
        c.setColorString(background);
        c.setTextColorString(textHexColorString());
        c.setTextHexColorString(textHexColorString());
        c.setHoverTextColorString(hoverTextColorString());
        c.setHoverColorString(hoverColorString());
        if (c.textView()) {
            c.textView()->setBorderLine(borderStyle());
            c.textView()->setFont(font);
        }
        c.setBorderStyle(borderStyle());
        c.setBorderWidth(borderWidth());
        c.setBorderHexColorString(borderHexColorString());
        c.setTemplateName(templateName());
        c.setCornerRadius(float(cornerRadius()));
        c.setFamilyName(fontFamily());
        c.setFontSize(fontSize());
        // A cell is never a form field nor in a group.
        c.setGroupNumber(kNoNumber);
        c.setFormType(QStringLiteral(""));
        c.setFormRequiredFlag(0);
        c.setFormOptionTag(kNoNumber);
        c.setFormTag(kNoNumber);
        c.setScrollFlag(scrollFlag());
        c.setStrokeWidth(float(strokeWidth()));
    }
    refreshAfterStyleChange();
}

void SKTTable::reflectSelectedCellProperties(const myTextView& cell)
{
    const QString background = cell.backgroundHexColorString();
    setFillColor(isClearString(background) ? QColor(Qt::transparent)
                                           : DataCentre::colorWithHexString(background));
    setBackgroundHexColorString(background);
    setOpacity(cell.alphaValue());
    setFontColor(DataCentre::colorWithHexString(cell.textColorString()));
    if (cell.textView()) {
        setFontFamily(cell.textView()->font().family());
        setFontSize(int(TextStorage::fontSize(cell.textView()->font())));
    }
    setShadowFlag(cell.shadowFlag());
    setHoverTextColorString(cell.hoverTextColorString());
    setHoverColorString(cell.hoverColorString());
    setTextHexColorString(cell.textColorString());
    setBorderHexColorString(cell.borderHexColorString());
    setBorderColor(DataCentre::colorWithHexString(cell.borderHexColorString()));
    setFontAlignment(codeOfWord(cell.textAlignment()));
    setLineSpacing(cell.lineSpacing());
}

void SKTTable::takeStyleOfCell(const myTextView& cell)
{
    reflectSelectedCellProperties(cell);
    setCornerRadius(cell.cornerRadius());
    if (cell.textView())
        setBorderStyle(cell.textView()->borderLine());
    setBorderWidth(cell.borderWidth());
    setResponsiveResizeFlag(cell.responsiveResizeFlag());
    setResponsiveAlignment(cell.responsiveAlignment());
    setSectionNumber(cell.sectionNumber());
    setSectionRowSpot(cell.sectionRowSpot());
    setSectionColumnSpot(cell.sectionColumnSpot());
    setVerticalAlignment(cell.verticalAlignment());
}
