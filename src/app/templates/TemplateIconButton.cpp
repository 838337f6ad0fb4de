#include "app/templates/TemplateIconButton.h"

#include "profile/services/HexColor.h"

#include <QPainter>

namespace {
const QString kSelectionColor = QStringLiteral("33A1C9");
constexpr int kSelectionLineWidth = 10;
} // namespace

TemplateIconButton::TemplateIconButton(QWidget* parent)
    : QPushButton(parent)
{
    setFlat(true);
    setCursor(Qt::PointingHandCursor);
    setStyleSheet(QStringLiteral("QPushButton { background-color: white; border: none; padding: 0; }"));
}

void TemplateIconButton::setBorderFlag(bool flag)
{
    if (m_borderFlag == flag)
        return;
    m_borderFlag = flag;
    update();
}

QColor TemplateIconButton::colorWithHexString(const QString& text)
{
    return DataCentre::colorWithHexString(text);
}

void TemplateIconButton::paintEvent(QPaintEvent* event)
{
    QPushButton::paintEvent(event);
    if (!m_borderFlag)
        return;
    QPainter painter(this);
    painter.setPen(QPen(colorWithHexString(kSelectionColor), kSelectionLineWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect());
}

void TemplateIconButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    QPushButton::mouseDoubleClickEvent(event);
    Q_EMIT doubleClicked();
}
