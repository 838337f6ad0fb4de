#pragma once

#include <QFont>
#include <QList>
#include <QString>

#include <memory>

class QLineEdit;
class ShapeSelectionView;

namespace DataCentre {

// One preset shape preview: "large", "rectangle", "long", "line", any other kind a horizontal line.
std::shared_ptr<ShapeSelectionView> createDefaultShape(const QString& kind, const QString& color,
                                                       int cornerRadius);

// Seven previews in one colour: square, rounded square, circle, wide and tall rounded rectangles,
// horizontal and vertical lines.
QList<std::shared_ptr<ShapeSelectionView>> createBatchOfShapes(const QString& color);

// One text style preview, 400 x 42 whatever its font.
std::shared_ptr<ShapeSelectionView> createDefaultTextView(const QString& fillColor, const QString& textColor,
                                                          const QFont& font, const QString& text);

// Switches a text field between its editable and read-only looks.
void enableTextView(bool enabled, QLineEdit* field);

} // namespace DataCentre
