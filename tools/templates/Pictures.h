#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QString>

// The pictures of the bundled templates, drawn here so every template is made of our own content:
// "landscape" (sky, sun, hills), "bubbles" (soft overlapping circles), "stripes" (diagonal bands),
// "gift" (a wrapped box), "leaf" (a stylised leaf) and "skyline" (a city at dusk).
namespace Pictures {

QImage draw(const QString& kind, const QSize& size, const QList<QColor>& palette);

} // namespace Pictures
