#include "canvas/media/HyperLinkWindowController.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

HyperLinkWindowController::HyperLinkWindowController(QWidget* parent)
    : QDialog(parent)
    , m_linkTextbox(new QLineEdit(this))
    , m_saveLinkButton(new QPushButton(tr("Save"), this))
{
    setObjectName(QStringLiteral("HyperLinkWindowController"));
    m_linkTextbox->setObjectName(QStringLiteral("linkTextbox"));
    m_linkTextbox->setPlaceholderText(QStringLiteral("http://"));
    m_linkTextbox->setMinimumWidth(320);
    m_saveLinkButton->setObjectName(QStringLiteral("saveLinkButton"));
    m_saveLinkButton->setDefault(true);
    auto* row = new QHBoxLayout(this);
    row->addWidget(new QLabel(tr("Link:"), this));
    row->addWidget(m_linkTextbox, 1);
    row->addWidget(m_saveLinkButton);
}
