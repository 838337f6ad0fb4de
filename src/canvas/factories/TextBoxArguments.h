#pragma once

#include <QFont>
#include <QRectF>
#include <QString>

// What a text box made by the program is made of, in the order the factory takes it. Colours are six
// hexadecimal digits without "#"; "CLEAR0" is understood only as the fill. The defaults are the common
// preset every caller starts from; every member has one, so callers may name only the members they set.
struct TextBoxArguments {
    QString text{};
    QString link{};
    QRectF frame{};
    int groupNumber = -99;
    QString fillColor = QStringLiteral("CLEAR0");
    QString textColor = QStringLiteral("555555");
    QFont font{};
    int cornerRadius = 0;
    float opacity = 1.0f;
    QString hoverColor{};
    QString hoverTextColor{};
    // "text" or "shape"; the presets pass none.
    QString linkType{};
    // "none", "solid", "dashed" or "dotted"
    QString borderStyle = QStringLiteral("none");
    int borderWidth = 0;
    QString borderColor = QStringLiteral("000000");
    // "left", "center" or "right"; any other word is left.
    QString alignment = QStringLiteral("left");
    // "Text", or "HTMLSnippet" for text written as HTML markup.
    QString textType = QStringLiteral("Text");
    // A library button (its box model differs on responsive products).
    bool button = false;
};
