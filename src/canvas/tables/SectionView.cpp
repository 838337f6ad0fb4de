#include "canvas/tables/SectionView.h"

#include "profile/services/HexColor.h"

#include <QPaintEvent>
#include <QPainter>

namespace {

const QString kTileColor = QStringLiteral("FFD700");
constexpr int kFrameWidth = 5;

} // namespace

SectionView::SectionView(const QRect& frame, QWidget* parent)
    : QWidget(parent)
{
    setGeometry(frame);
}

void SectionView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect area = event->rect();
    painter.fillRect(area, DataCentre::colorWithHexString(kTileColor));
    painter.setPen(QPen(Qt::black, kFrameWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area);
}
