#pragma once

#include "model/SKTGraphic.h"

#include <QImage>
#include <QLatin1StringView>
#include <QStringList>

class QMimeData;

// The flavours graphics travel in on the clipboard and what the canvas reads back from it.
namespace GraphicsPasteboard {

// "Velk Graphics pasteboard type": the graphics' own pasteboard form, the one flavour paste reads back.
inline constexpr QLatin1StringView kGraphicsMimeType{"application/x-velk-graphics"};
// The same form under its older name, written for readers that still ask for it.
inline constexpr QLatin1StringView kTextBoxMimeType{"application/x-quillmark-text-box"};
inline constexpr QLatin1StringView kPdfMimeType{"application/pdf"};
inline constexpr QLatin1StringView kTiffMimeType{"image/tiff"};

// New clipboard data of the graphics (front-most first): the pasteboard form under both types, a PDF and
// a TIFF rendering, and the text of the text graphics, one per line, for programs that take plain text.
// Renderings that cannot be made are left out.
QMimeData* newMimeDataWithGraphics(const GraphicList& graphics);

// What a paste finds, in the order of preference.
enum class Contents { Graphics, FileNames, Other };
Contents contentsOf(const QMimeData& data);
// The graphics' pasteboard form; empty when the data holds none.
QByteArray graphicsData(const QMimeData& data);
// The local files among the data's URLs, in order.
QStringList fileNames(const QMimeData& data);
// The picture the data holds, as the platform's image flavour or as an image file type; null for none.
QImage image(const QMimeData& data);
// Whether the data offers an image flavour, without decoding it.
bool offersImage(const QMimeData& data);

} // namespace GraphicsPasteboard
