#include "canvas/media/SlideShowWindow.h"

#include "document/core/SKTDocument.h"
#include "model/SKTSlideshow.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

SlideShowWindow::SlideShowWindow(SKTDocument& document, std::shared_ptr<SKTSlideshow> slideshow, QWidget* parent)
    : QDialog(parent)
    , m_document(&document)
    , m_slideshow(std::move(slideshow))
    , m_slideShow(new SlideShow(m_slideshow->bounds().size(), *this, this))
{
    setObjectName(QStringLiteral("SlideShowWindow"));
    setWindowTitle(tr("Edit Slideshow"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_slideShow, 0, Qt::AlignCenter);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(tr("Done"));
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("doneButton"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    layout->addWidget(buttons);
    m_slideShow->setImageArray(m_slideshow->imageArray());
}

QString SlideShowWindow::getNextImageName(const TransformViewList& slides) const
{
    return m_document ? m_document->getNextImageName(slides) : QStringLiteral("image0");
}

QString SlideShowWindow::getCurrentDocPath() const
{
    return m_document ? m_document->grabCurrentDocPath() : QString();
}

int SlideShowWindow::slideShowAutomaticFlag() const
{
    return m_slideshow->slideShowAutomaticFlag();
}

void SlideShowWindow::setSlideShowAutomaticFlag(int flag)
{
    m_slideshow->setSlideShowAutomaticFlag(flag);
}

void SlideShowWindow::slidesChanged(const TransformViewList& slides, int slideNumber)
{
    m_slideshow->setImageArray(slides);
    m_slideshow->setCurrentImageIndex(std::clamp(slideNumber, 0, std::max(0, int(slides.size()) - 1)));
    // The canvas redraws the slideshow with its new slides.
    m_slideshow->setBounds(m_slideshow->bounds());
    if (m_document)
        m_document->setDocumentEdited(true);
}
