#pragma once

#include <QByteArray>
#include <QImage>

#include <memory>

class PdfPages;

// The pages of a PDF document as pictures, one current page at a time, drawn at one pixel per point
// (72 dots per inch) on white, so a page's picture has the page's size in points.
class PdfImageRep {
public:
    ~PdfImageRep();

    // Null when the data is no PDF that can be read, or one that is locked.
    static std::unique_ptr<PdfImageRep> imageRepWithData(const QByteArray& data);

    int pageCount() const;
    int currentPage() const { return m_currentPage; }
    // Pages count from 0; a page outside the document is not taken.
    void setCurrentPage(int page);
    // The current page drawn; null when the page cannot be drawn.
    QImage image() const;

private:
    explicit PdfImageRep(std::unique_ptr<PdfPages> pages);

    std::unique_ptr<PdfPages> m_pages;
    int m_currentPage = 0;
};
