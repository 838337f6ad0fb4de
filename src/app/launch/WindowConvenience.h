#pragma once

class QWidget;

// Toggling of the application's panels from their menu items.
namespace WindowConvenience {

bool isWindowShown(const QWidget* window);
// Hides a visible window, shows and raises a hidden one.
void showOrHideWindow(QWidget* window);

} // namespace WindowConvenience
