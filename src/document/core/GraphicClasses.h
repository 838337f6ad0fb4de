#pragma once

#include <QString>

class SKTGraphic;

// Graphics asked for by kind: the class names of the kinds and the test of membership.
namespace GraphicClasses {

inline const QString graphic = QStringLiteral("SKTGraphic");
inline const QString rectangle = QStringLiteral("SKTRectangle");
inline const QString circle = QStringLiteral("SKTCircle");
inline const QString line = QStringLiteral("SKTLine");
inline const QString text = QStringLiteral("SKTText");
inline const QString image = QStringLiteral("SKTImage");
inline const QString slideshow = QStringLiteral("SKTSlideshow");
inline const QString gallery = QStringLiteral("SKTGalleryGrid");
inline const QString table = QStringLiteral("SKTTable");

// Whether the graphic is of the named class or of a class derived from it: its kind's own name, or the
// name of a class in its chain of meta-objects.
bool isKindOfClass(const SKTGraphic& graphic, const QString& className);

} // namespace GraphicClasses
