#include "canvas/view/PageBackground.h"

#include "platform/Bundle.h"
#include "profile/DataCentre.h"
#include "profile/services/HexColor.h"

#include <QPixmap>
#include <QWidget>

namespace PageBackground {

QBrush pageBrush(const QString& hexString, const QBrush& pageColor, bool clearBackground)
{
    if (hexString != DataCentre::kClearColorString)
        return pageColor;
    if (!DataCentre::profile().transparentBackgroundAllowed)
        return QBrush(Qt::white);
    return clearBackground ? QBrush(Qt::transparent) : checkerboard();
}

QBrush checkerboard()
{
    // Read once per resource folder: the page is filled with it at every redraw.
    static QString loadedPath;
    static QPixmap tile;
    const QString path = Bundle::main().pathForResource(QStringLiteral("clearGrid"), QStringLiteral("png"));
    if (path != loadedPath) {
        loadedPath = path;
        tile = QPixmap(path).scaled(kCheckerboardTile, kCheckerboardTile);
    }
    return QBrush(tile);
}

QPoint patternOrigin(const QWidget& canvas)
{
    if (DataCentre::profile().productDisplayName == QLatin1String("HTML Velk Pro"))
        return {};
    const QWidget* window = canvas.window();
    return canvas.mapFrom(window, QPoint(0, window->height() - DataCentre::profile().canvasHeight));
}

} // namespace PageBackground
