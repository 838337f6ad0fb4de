// The PDF module: PdfPages over poppler.
#include "platform/PdfPages.h"

#include <poppler-qt6.h>

#include <memory>

namespace {

constexpr double kPointsPerInch = 72.0;

class PopplerPages final : public PdfPages {
public:
    explicit PopplerPages(std::unique_ptr<Poppler::Document> document)
        : m_document(std::move(document))
    {}

    int pageCount() const override { return m_document->numPages(); }

    QImage renderPage(int page) const override
    {
        const std::unique_ptr<Poppler::Page> drawn = m_document->page(page);
        return drawn ? drawn->renderToImage(kPointsPerInch, kPointsPerInch) : QImage();
    }

private:
    std::unique_ptr<Poppler::Document> m_document;
};

} // namespace

extern "C" Q_DECL_EXPORT PdfPages* velkOpenPdfPages(const QByteArray& data)
{
    std::unique_ptr<Poppler::Document> document = Poppler::Document::loadFromData(data);
    if (!document || document->isLocked())
        return nullptr;
    document->setRenderHint(Poppler::Document::Antialiasing);
    document->setRenderHint(Poppler::Document::TextAntialiasing);
    document->setPaperColor(Qt::white);
    return new PopplerPages(std::move(document));
}

static_assert(std::is_same_v<decltype(&velkOpenPdfPages), PdfPagesOpener>);
