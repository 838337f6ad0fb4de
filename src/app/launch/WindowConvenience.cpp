#include "app/launch/WindowConvenience.h"

#include <QWidget>

namespace WindowConvenience {

bool isWindowShown(const QWidget* window)
{
    return window && window->isVisible();
}

void showOrHideWindow(QWidget* window)
{
    if (!window)
        return;
    if (window->isVisible()) {
        window->hide();
        return;
    }
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace WindowConvenience
