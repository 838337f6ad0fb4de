#pragma once

#include <QByteArray>
#include <QImage>

// The pages of a PDF document as the PDF module reads them. The module is a library of its own, loaded on
// the first PDF the user adds, so starting the application does not load the PDF library and the many
// libraries it needs.
class PdfPages {
public:
    virtual ~PdfPages() = default;
    virtual int pageCount() const = 0;
    // The page drawn at one pixel per point on white; null when the page cannot be drawn.
    virtual QImage renderPage(int page) const = 0;
};

// What the module exports under kPdfPagesOpener: the pages of the data, or null when the data is no PDF
// that can be read, or one that is locked.
using PdfPagesOpener = PdfPages* (*)(const QByteArray& data);
inline constexpr char kPdfPagesOpener[] = "velkOpenPdfPages";
