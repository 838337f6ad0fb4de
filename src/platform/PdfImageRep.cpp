#include "platform/PdfImageRep.h"

#include <poppler-qt6.h>

namespace {
constexpr double kPointsPerInch = 72.0;
}

PdfImageRep::PdfImageRep(std::unique_ptr<Poppler::Document> document)
    : m_document(std::move(document))
{}

PdfImageRep::~PdfImageRep() = default;

std::unique_ptr<PdfImageRep> PdfImageRep::imageRepWithData(const QByteArray& data)
{
    std::unique_ptr<Poppler::Document> document = Poppler::Document::loadFromData(data);
    if (!document || document->isLocked())
        return nullptr;
    document->setRenderHint(Poppler::Document::Antialiasing);
    document->setRenderHint(Poppler::Document::TextAntialiasing);
    document->setPaperColor(Qt::white);
    return std::unique_ptr<PdfImageRep>(new PdfImageRep(std::move(document)));
}

int PdfImageRep::pageCount() const
{
    return m_document->numPages();
}

void PdfImageRep::setCurrentPage(int page)
{
    if (page >= 0 && page < pageCount())
        m_currentPage = page;
}

QImage PdfImageRep::image() const
{
    const std::unique_ptr<Poppler::Page> page = m_document->page(m_currentPage);
    return page ? page->renderToImage(kPointsPerInch, kPointsPerInch) : QImage();
}
