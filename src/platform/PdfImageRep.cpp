#include "platform/PdfImageRep.h"

#include "platform/PdfPages.h"

#include <QLibrary>

namespace {

// Loaded once, on the first PDF, and kept for the rest of the run.
PdfPagesOpener pdfPagesOpener()
{
    static const PdfPagesOpener opener = [] {
        QLibrary module(QStringLiteral(VELK_PDF_MODULE));
        const auto found = reinterpret_cast<PdfPagesOpener>(module.resolve(kPdfPagesOpener));
        if (!found)
            qWarning("The PDF module could not be loaded: %s", qPrintable(module.errorString()));
        return found;
    }();
    return opener;
}

} // namespace

PdfImageRep::PdfImageRep(std::unique_ptr<PdfPages> pages)
    : m_pages(std::move(pages))
{}

PdfImageRep::~PdfImageRep() = default;

std::unique_ptr<PdfImageRep> PdfImageRep::imageRepWithData(const QByteArray& data)
{
    const PdfPagesOpener open = pdfPagesOpener();
    std::unique_ptr<PdfPages> pages(open ? open(data) : nullptr);
    if (!pages)
        return nullptr;
    return std::unique_ptr<PdfImageRep>(new PdfImageRep(std::move(pages)));
}

int PdfImageRep::pageCount() const
{
    return m_pages->pageCount();
}

void PdfImageRep::setCurrentPage(int page)
{
    if (page >= 0 && page < pageCount())
        m_currentPage = page;
}

QImage PdfImageRep::image() const
{
    return m_pages->renderPage(m_currentPage);
}
