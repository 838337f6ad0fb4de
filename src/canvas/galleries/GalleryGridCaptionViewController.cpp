#include "canvas/galleries/GalleryGridCaptionViewController.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

GalleryGridCaptionViewController::GalleryGridCaptionViewController(QWidget* parent)
    : QWidget(parent)
    , m_saveButton(new QPushButton(tr("Save"), this))
    , m_captionTextField(new QLineEdit(this))
    , m_linkTextField(new QLineEdit(this))
{
    setObjectName(QStringLiteral("GalleryGridCaptionViewController"));
    m_saveButton->setObjectName(QStringLiteral("saveButton"));
    m_captionTextField->setObjectName(QStringLiteral("captionTextField"));
    m_linkTextField->setObjectName(QStringLiteral("linkTextField"));
    m_captionTextField->setPlaceholderText(tr("Caption shown with the picture"));
    m_linkTextField->setPlaceholderText(tr("Page or web address opened on a click"));
    m_saveButton->setDefault(true);

    auto* form = new QFormLayout(this);
    form->addRow(tr("Caption:"), m_captionTextField);
    form->addRow(tr("Link:"), m_linkTextField);
    form->addRow(QString(), m_saveButton);
}
