#pragma once

#include "canvas/drop/LibraryDropCodes.h"

// Runs the action of an object-library table code (tables, strips, tables of contents) at the drop point;
// answers nothing for any other code.
std::optional<DropFlow> runTableDropCode(SKTGraphicView& view, const QString& code, const QPointF& point);
