#include "canvas/popovers/TooltipViewController.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TooltipViewController::TooltipViewController(QWidget* parent)
    : QWidget(parent)
    , m_tooltipTextbox(new QLineEdit(this))
    , m_saveButton(new QPushButton(tr("Save"), this))
{
    setObjectName(QStringLiteral("TooltipViewController"));
    m_tooltipTextbox->setObjectName(QStringLiteral("tooltipTextbox"));
    m_saveButton->setObjectName(QStringLiteral("saveButton"));
    m_saveButton->setDefault(true);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(8, 6, 8, 6);
    row->addWidget(new QLabel(tr("Tooltip:"), this));
    row->addWidget(m_tooltipTextbox, 1);
    row->addWidget(m_saveButton);
}
