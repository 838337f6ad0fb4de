#include "window/pages/VelkNSButton.h"

#include "profile/services/HexColor.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>

VelkNSButton::VelkNSButton(QWidget* parent)
    : QAbstractButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
}

VelkNSButton::~VelkNSButton()
{
    // The labels and the separator live in the list's cells, not under the tile.
    delete m_pageNameLabel;
    delete m_pageTitleLabel;
    delete m_fileTimeLabel;
    delete m_separatorLine;
}

void VelkNSButton::setImage(const QImage& image)
{
    m_image = image;
    update();
}

QLabel* VelkNSButton::pageNameLabel() const
{
    return m_pageNameLabel;
}

QLabel* VelkNSButton::pageTitleLabel() const
{
    return m_pageTitleLabel;
}

QLabel* VelkNSButton::fileTimeLabel() const
{
    return m_fileTimeLabel;
}

QFrame* VelkNSButton::separatorLine() const
{
    return m_separatorLine;
}

void VelkNSButton::createLabels()
{
    if (m_pageNameLabel)
        return;
    m_pageNameLabel = new QLabel;
    m_pageTitleLabel = new QLabel;
    m_fileTimeLabel = new QLabel;
    m_separatorLine = new QFrame;
    m_separatorLine->setFrameShape(QFrame::HLine);
    m_pageNameLabel->setObjectName(QStringLiteral("pageNameLabel"));
    m_pageTitleLabel->setObjectName(QStringLiteral("pageTitleLabel"));
    m_fileTimeLabel->setObjectName(QStringLiteral("fileTimeLabel"));
}

QSize VelkNSButton::sizeHint() const
{
    return m_image.isNull() ? QSize(100, 100) : m_image.size();
}

void VelkNSButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!m_image.isNull())
        painter.drawImage(rect(), m_image);
    m_editModeFlag = false;
    if (m_borderFlag) {
        // The pen straddles the bounds: half of it shows, as a frame drawn on the bounds would.
        painter.setPen(QPen(DataCentre::colorWithHexString(kBorderColor), kBorderWidth));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect());
    }
    if (m_buttonColor.isValid())
        painter.fillRect(rect(), m_buttonColor);
}
