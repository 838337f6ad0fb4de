#include "canvas/popovers/LayerArrangementViewController.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

LayerArrangementViewController::LayerArrangementViewController(QWidget* parent)
    : QWidget(parent)
    , m_zindexTextbox(new QLineEdit(this))
    , m_saveButton(new QPushButton(tr("Save"), this))
{
    setObjectName(QStringLiteral("LayerArrangementViewController"));
    m_zindexTextbox->setObjectName(QStringLiteral("zindexTextbox"));
    m_zindexTextbox->setPlaceholderText(tr("Z-index"));
    m_saveButton->setObjectName(QStringLiteral("saveButton"));
    m_saveButton->setDefault(true);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(8, 6, 8, 6);
    row->addWidget(m_zindexTextbox, 1);
    row->addWidget(m_saveButton);
}
