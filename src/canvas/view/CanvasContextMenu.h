#pragma once

class QMenu;
class QWidget;
class SKTGraphicView;

// The canvas's context menu of per-object commands. Each item is named after the canvas action it sends;
// as the menu opens, the canvas validates every item, its submenus' included, so that only the commands
// that fit the selection and the product show.
namespace CanvasContextMenu {

// A menu owned by `owner` that sends its actions to the canvas.
QMenu* build(SKTGraphicView& canvas, QWidget* owner);
// Shows and enables each item of the menu and its submenus as the canvas decides for its selection.
void validate(const QMenu& menu, SKTGraphicView& canvas);

} // namespace CanvasContextMenu
