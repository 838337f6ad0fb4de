#pragma once

#include <QPointF>
#include <QString>
#include <QStringList>

#include <optional>

class SKTGraphicView;

// After a code's action the drop either ends or goes on with the next dropped name.
enum class DropFlow { Ends, GoesOn };

// The codes that have an action, in the order a dropped name is compared with them.
QStringList libraryDropCodes();
// Runs the action of an object-library code at the drop point (canvas points, whole numbers) on the canvas,
// at the canvas's zoom; answers the flow, or nothing when the canvas has no action for the code.
std::optional<DropFlow> runLibraryDropCode(SKTGraphicView& view, const QString& code, const QPointF& point);
