#pragma once

#include <QRectF>
#include <QString>

#include <memory>

class DrawingView;
class TextViewRecord;

// The half-transparent caption bar that slideshows and gallery grids show over themselves: white centred
// text on black, both at half strength, never editable. The page object keeps it and draws it on top.
namespace CaptionLabel {

std::shared_ptr<TextViewRecord> make(const QRectF& frame, const QString& text);
void draw(DrawingView& view, const TextViewRecord& label);

} // namespace CaptionLabel
