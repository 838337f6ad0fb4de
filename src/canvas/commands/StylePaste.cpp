#include "canvas/commands/StylePaste.h"

#include "canvas/factories/TableProperties.h"
#include "model/SKTTable.h"
#include "model/text/TextStorage.h"
#include "profile/services/HexColor.h"

#include <QTextDocument>

#include <algorithm>

namespace StylePaste {

namespace {

template <class Graphic, auto get, auto set> void copyValue(Graphic& target, const Graphic& source)
{
    (target.*set)((source.*get)());
}

template <class Graphic> using Copy = void (*)(Graphic&, const Graphic&);
using G = SKTGraphic;
using T = SKTTable;

// clang-format off
const Copy<G> kTextBoxStyle[] = {
    copyValue<G, &G::fontColor, &G::setFontColor>,
    copyValue<G, &G::fontFamily, &G::setFontFamily>,
    copyValue<G, &G::fontSize, &G::setFontSize>,
    copyValue<G, &G::fontAlignment, &G::setFontAlignment>,
    copyValue<G, &G::fillColor, &G::setFillColor>,
    copyValue<G, &G::backgroundHexColorString, &G::setBackgroundHexColorString>,
    copyValue<G, &G::textHexColorString, &G::setTextHexColorString>,
    copyValue<G, &G::borderStyle, &G::setBorderStyle>,
    copyValue<G, &G::borderWidth, &G::setBorderWidth>,
    copyValue<G, &G::borderHexColorString, &G::setBorderHexColorString>,
    copyValue<G, &G::borderColor, &G::setBorderColor>,
    copyValue<G, &G::lineSpacing, &G::setLineSpacing>,
};

const Copy<T> kTableStyle[] = {
    copyValue<T, &T::fontColor, &T::setFontColor>,
    copyValue<T, &T::fontFamily, &T::setFontFamily>,
    copyValue<T, &T::fontSize, &T::setFontSize>,
    copyValue<T, &T::fontAlignment, &T::setFontAlignment>,
    copyValue<T, &T::fillColor, &T::setFillColor>,
    copyValue<T, &T::backgroundHexColorString, &T::setBackgroundHexColorString>,
    copyValue<T, &T::textHexColorString, &T::setTextHexColorString>,
    copyValue<T, &T::borderWidth, &T::setBorderWidth>,
    copyValue<T, &T::padding, &T::setPadding>,
    copyValue<T, &T::borderStyle, &T::setBorderStyle>,
    copyValue<T, &T::borderHexColorString, &T::setBorderHexColorString>,
    copyValue<T, &T::borderColor, &T::setBorderColor>,
    copyValue<T, &T::lineSpacing, &T::setLineSpacing>,
};
// clang-format on

struct Alignment {
    const char* word;
    Qt::Alignment paragraph;
};

// A cell's alignment word as a pasted cell takes it; any word but these justifies.
constexpr Alignment kAlignments[] = {
    {"left", Qt::AlignLeft},
    {"center", Qt::AlignHCenter},
    {"right", Qt::AlignRight},
};
constexpr Alignment kJustified = {"justify", Qt::AlignJustify};

const Alignment& alignmentOf(const QString& word)
{
    const auto* found = std::find_if(std::begin(kAlignments), std::end(kAlignments),
                                     [&word](const Alignment& a) { return word == QLatin1String(a.word); });
    return found != std::end(kAlignments) ? *found : kJustified;
}

} // namespace

void copyTextBoxStyle(SKTGraphic& target, const SKTGraphic& source)
{
    for (const Copy<G> copy : kTextBoxStyle)
        copy(target, source);
}

void copyTableStyle(SKTTable& target, const SKTTable& source)
{
    for (const Copy<T> copy : kTableStyle)
        copy(target, source);
    for (int row = 0; row < source.numOfRows(); ++row) {
        for (int column = 0; column < source.numOfColumns(); ++column) {
            const std::shared_ptr<myTextView> from = source.grabSelectedTableCellHelper(row, column);
            if (row >= target.numOfRows() || column >= target.numOfColumns() || !from)
                continue;
            if (const std::shared_ptr<myTextView> to = target.grabSelectedTableCellHelper(row, column))
                copyCellStyle(*to, *from);
        }
    }
}

void copyCellStyle(myTextView& target, const myTextView& source)
{
    const Alignment& alignment = alignmentOf(source.textAlignment());
    const QColor textColor = DataCentre::colorWithHexString(source.textHexColorString());
    if (const std::shared_ptr<QTextDocument> storage = target.textStorage()) {
        TextStyle style;
        style.font = QFont(source.familyName());
        if (source.fontSize() > 0)
            style.font.setPixelSize(source.fontSize());
        style.alignment = alignment.paragraph;
        style.color = textColor;
        style.color.setAlphaF(float(std::clamp(source.alphaValue(), 0.0, 1.0)));
        style.lineHeight = double(float(source.fontSize()) * source.lineSpacing());
        TextStorage::applyStyle(*storage, style);
    }
    target.setTextAlignment(QString::fromLatin1(alignment.word));
    target.setAlphaValue(source.alphaValue());
    target.setShapeFlag(source.shapeFlag());
    target.setShadowFlag(source.shadowFlag());
    target.setTextColor(textColor);
    target.setBackgroundHexColorString(source.backgroundHexColorString());
    target.setColorString(source.backgroundHexColorString());
    target.setTextColorString(source.textHexColorString());
    target.setTextHexColorString(source.textHexColorString());
    target.setHoverTextColorString(source.hoverTextColorString());
    target.setHoverColorString(source.hoverColorString());
    if (target.textView() && source.textView())
        target.textView()->setBorderLine(source.textView()->borderLine());
    target.setBorderWidth(source.borderWidth());
    target.setBorderHexColorString(source.borderHexColorString());
    // The family and size go to the record and its border companion alike.
    TableProperties::setCellFont(target, source.familyName(), source.fontSize());
    target.setCornerRadius(source.cornerRadius());
    target.setLineSpacing(source.lineSpacing());
}

} // namespace StylePaste
