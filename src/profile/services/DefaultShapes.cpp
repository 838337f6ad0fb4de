#include "profile/services/DefaultShapes.h"

#include "profile/ShapeSelectionView.h"
#include "profile/services/HexColor.h"

#include <QLineEdit>
#include <QPalette>

namespace DataCentre {

namespace {

QSizeF previewSize(const QString& kind)
{
    if (kind == QLatin1String("large"))
        return {70, 70};
    if (kind == QLatin1String("rectangle"))
        return {70, 52.5};
    if (kind == QLatin1String("long"))
        return {52.5, 70};
    if (kind == QLatin1String("line"))
        return {7, 70};
    return {70, 7};
}

struct BatchEntry {
    const char* kind;
    int cornerRadius;
};

constexpr BatchEntry kBatch[] = {
    {"large", 0}, {"large", 10}, {"large", 100}, {"rectangle", 20}, {"long", 20}, {"hline", 0}, {"line", 0},
};

} // namespace

std::shared_ptr<ShapeSelectionView> createDefaultShape(const QString& kind, const QString& color,
                                                       int cornerRadius)
{
    auto preview = std::make_shared<ShapeSelectionView>(QRectF(QPointF(0, 0), previewSize(kind)));
    preview->setFillColor(colorWithHexString(color));
    preview->setCornerRadius(cornerRadius);
    return preview;
}

QList<std::shared_ptr<ShapeSelectionView>> createBatchOfShapes(const QString& color)
{
    QList<std::shared_ptr<ShapeSelectionView>> batch;
    for (const BatchEntry& entry : kBatch)
        batch.append(createDefaultShape(QString::fromLatin1(entry.kind), color, entry.cornerRadius));
    return batch;
}

std::shared_ptr<ShapeSelectionView> createDefaultTextView(const QString& fillColor, const QString& textColor,
                                                          const QFont& font, const QString& text)
{
    auto preview = std::make_shared<ShapeSelectionView>(QRectF(0, 0, 400, 42));
    preview->setFillColor(colorWithHexString(fillColor));
    preview->setFont(font);
    preview->setTextColor(colorWithHexString(textColor));
    preview->setTextString(text);
    return preview;
}

void enableTextView(bool enabled, QLineEdit* field)
{
    if (!field)
        return;
    field->setReadOnly(!enabled);
    field->setFocusPolicy(enabled ? Qt::StrongFocus : Qt::NoFocus); // read-only fields take no selection
    QPalette palette = field->palette();
    palette.setColor(QPalette::Text,
                     palette.color(enabled ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    field->setPalette(palette);
}

} // namespace DataCentre
