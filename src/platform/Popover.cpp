#include "platform/Popover.h"

#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

Popover::Popover(QWidget* parent) : QWidget(parent, Qt::Popup)
{
    new QVBoxLayout(this);
}

void Popover::showContent(QWidget* content, QWidget& anchor, const QRect& anchorRect)
{
    if (m_content != content)
        delete m_content;
    m_content = content;
    layout()->addWidget(content);
    adjustSize();
    const QPoint left = anchor.mapToGlobal(QPoint(anchorRect.left(), anchorRect.center().y()));
    QPoint origin(left.x() - width(), left.y() - height() / 2);
    if (const QScreen* screen = anchor.screen()) {
        const QRect area = screen->availableGeometry();
        origin.setX(std::max(origin.x(), area.left()));
        origin.setY(std::clamp(origin.y(), area.top(), std::max(area.top(), area.bottom() - height())));
    }
    move(origin);
    show();
}
