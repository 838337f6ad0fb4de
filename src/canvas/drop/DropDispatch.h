#pragma once

#include "canvas/drop/LibraryDropCodes.h"

#include <QLatin1StringView>
#include <QPointF>
#include <QStringList>

#include <functional>
#include <optional>

class QMimeData;
struct ProductProfile;

// The rules of drops on the canvas as plain functions of what is dropped, where, at which zoom and in which
// product: the kind of drag, the operation offered, where the drop lands and the order its names are
// handled in. The canvas supplies what they need of the page and the actions that make objects.
namespace DropDispatch {

// A list of promised files (one entry a line), dragged out of the object and page icons of products with
// the inspector panel; each entry dropped becomes a badge link.
inline constexpr QLatin1StringView kFilePromiseMimeType{"application/x-velk-file-promises"};

// The first of the accepted kinds the data holds: a colour, file names (an object-library code or files),
// then file promises where the product has the inspector panel; Other when it holds none of them.
enum class DragKind { Colour, FileNames, FilePromises, Other };
DragKind dragKindOf(const QMimeData& data, const ProductProfile& profile);

// The dropped names: the object-library code, or else the local files in order.
QStringList droppedNames(const QMimeData& data);
int filePromiseCount(const QMimeData& data);

// Whether the name is a section code: longer than "velk_section" and starting with it.
bool isSectionCode(const QString& name);

// What the page holds at the drop point.
struct PageAtPoint {
    bool graphicUnderPoint = false;
    // Whether a section lies under the point and its content rectangle holds the point.
    bool insideSectionContent = false;
    // Whether a graphic other than a section holds the point.
    bool graphicAtPoint = false;
};

// The operation offered: copy, none (IgnoreAction), or, for a colour over a graphic, the generic operation
// (LinkAction, which the canvas answers by taking the operation the source proposes). On a responsive page
// names other than section codes are offered only over empty space inside a section.
Qt::DropAction dragOperation(const QMimeData& data, const PageAtPoint& page, const ProductProfile& profile);

// The drop point snapped to the square lattice of the text-box height where the product asks for it, in
// whole points.
QPointF dropPoint(const QPointF& point, const ProductProfile& profile);

// A line or border width that stays visible when zoomed out: 2 / zoom, at least 1, in whole points.
int zoomStep(double zoom);

// What handling a dropped name does: run the action of an object-library code (nothing when the name is no
// code), or add the image in a file (false when it is no image).
struct NameActions {
    std::function<std::optional<DropFlow>(const QString& name, const QPointF& point)> runLibraryCode;
    std::function<bool(const QString& path, const QPointF& point)> addImageFile;
};

// Handles the names in order at the drop point: a code runs its action, and the drop ends after it unless
// the code goes on; any other name is taken as an image file, the k-th name 50 × k points right of the
// drop point.
void dispatchNames(const QStringList& names, const QPointF& point, const ProductProfile& profile,
                   const NameActions& actions);

} // namespace DropDispatch
