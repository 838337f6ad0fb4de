#include "model/drawing/CaptionLabel.h"

#include "model/drawing/DrawingView.h"
#include "model/records/MTextView.h"

#include <QFont>
#include <QPainter>

namespace CaptionLabel {

namespace {
const QString kFontFamily = QStringLiteral("Heiti TC");
constexpr int kFontSize = 15;
constexpr double kAlpha = 0.5;
} // namespace

std::shared_ptr<TextViewRecord> make(const QRectF& frame, const QString& text)
{
    auto label = std::make_shared<TextViewRecord>(frame);
    label->setString(text);
    QFont font(kFontFamily);
    // Canvas points, whatever the resolution of the device drawn on.
    font.setPixelSize(kFontSize);
    label->setFont(font);
    label->setTextColor(Qt::white);
    label->setBackgroundColor(Qt::black);
    label->setAlignment(Qt::AlignHCenter);
    label->setAlphaValue(kAlpha);
    return label;
}

void draw(DrawingView& view, const TextViewRecord& label)
{
    QPainter& painter = view.painter();
    painter.save();
    painter.setOpacity(painter.opacity() * label.alphaValue());
    painter.fillRect(label.frame(), label.backgroundColor());
    painter.setFont(label.font());
    painter.setPen(label.textColor());
    painter.drawText(label.frame(), int(label.alignment() | Qt::AlignTop | Qt::TextWordWrap), label.string());
    painter.restore();
}

} // namespace CaptionLabel
