#pragma once

#include <QString>

// An error of the graphic model, with texts from the strings table "SKTError".
struct GraphicError {
    QString domain;
    int code = 0;
    QString localizedDescription;
    QString localizedFailureReason;
};

inline const QString kGraphicErrorDomain = QStringLiteral("VelkGraphicErrorDomain");

enum GraphicErrorCode {
    GraphicErrorPasteboardDataNotGraphics = 2, // the data is not a list of property dictionaries
    GraphicErrorNothingToRender = 3,           // the graphics to render cover no area
};

// The error of the given code: description and failure reason from the entries "description<code>" and
// "failureReason<code>" of "SKTError", with general texts where the table has no entry.
GraphicError errorForGraphicCode(int code);
