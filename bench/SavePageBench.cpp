// Times saving a page of 500 text boxes and 50 images into its page document, and prints the time per
// page. Every timed save writes the page file, the image files and the package, as a save after an edit
// does; without a window the page has no screenshots.
#include "BenchPage.h"

#include <QFileInfo>

#include <cstdio>

using BenchPage::kRuns;

int main(int argc, char** argv)
{
    const BenchPage::Process process(argc, argv);
    SKTDocument document;
    document.setTempSavePathLocal(process.workPath());
    document.setPageFileExtension(QStringLiteral("html"));
    BenchPage::build(document);
    const QString location = process.filePath(QStringLiteral("bench.velk"));

    // The first save also writes every original picture once; the runs after it are the ones timed.
    document.saveThisPage(location, 0);
    double total = 0;
    for (int run = 0; run < kRuns; ++run) {
        document.setDocumentChangedCounter(1);
        const auto start = std::chrono::steady_clock::now();
        const DocumentResult saved = document.saveThisPage(location, 0);
        total += BenchPage::millisecondsSince(start);
        if (!saved) {
            std::fprintf(stderr, "save failed: %s\n", qPrintable(saved.error));
            return 1;
        }
    }
    std::printf(
        "SavePageBench: %d text boxes, %d images: %.1f ms per page (%d saves, page file %lld bytes)\n",
        BenchPage::kTextBoxes, BenchPage::kImages, total / kRuns, kRuns,
        qlonglong(QFileInfo(process.filePath(QStringLiteral("bench.html"))).size()));
    return 0;
}
