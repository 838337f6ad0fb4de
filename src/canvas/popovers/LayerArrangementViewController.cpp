#include "canvas/popovers/LayerArrangementViewController.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

LayerArrangementViewController::LayerArrangementViewController(QWidget* parent)
    : QWidget(parent)
    , m_zindexTextbox(new QLineEdit(this))
    , m_saveButton(new QPushButton(tr("Save"), this))
{
    setObjectName(QStringLiteral("LayerArrangementViewController"));
    m_zindexTextbox->setObjectName(QStringLiteral("zindexTextbox"));
    m_zindexTextbox->setPlaceholderText(tr("none"));
    m_saveButton->setObjectName(QStringLiteral("saveButton"));
    m_saveButton->setDefault(true);
    auto* row = new QHBoxLayout(this);
    row->addWidget(new QLabel(tr("Z-index:"), this));
    row->addWidget(m_zindexTextbox, 1);
    row->addWidget(m_saveButton);
}
