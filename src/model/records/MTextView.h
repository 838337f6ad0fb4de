#pragma once

#include "model/records/ElementRecord.h"

#include <QColor>
#include <QFont>
#include <QString>

// The text-view part of a text record: its plain text, font, text and background colours and paragraph
// alignment.
class TextViewRecord : public ElementRecord {
public:
    using ElementRecord::ElementRecord;

    ELEMENT_RECORD_FIELD(QString, string, setString)
    ELEMENT_RECORD_FIELD(QFont, font, setFont)
    ELEMENT_RECORD_FIELD(QColor, textColor, setTextColor)
    ELEMENT_RECORD_FIELD(QColor, backgroundColor, setBackgroundColor)
    ELEMENT_RECORD_FIELD(Qt::Alignment, alignment, setAlignment)
};

// The companion text view of a text record: it holds the element's text, font and colours, and its border
// line style ("solid", "dotted", "dashed" or "none"), which becomes the border style of the text graphic.
class MTextView : public TextViewRecord {
public:
    using TextViewRecord::TextViewRecord;

    ELEMENT_RECORD_FIELD(QString, borderLine, setBorderLine)
    ELEMENT_RECORD_FIELD(int, borderWidth, setBorderWidth)
};
