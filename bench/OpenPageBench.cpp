// Times opening the page of 500 text boxes and 50 images that the save benchmark writes: unpacking the
// page document, reading the page file back into element records and making the graphics. Prints the
// time per open.
#include "BenchPage.h"

#include <QFileInfo>

#include <cstdio>

using BenchPage::kRuns;

int main(int argc, char** argv)
{
    const BenchPage::Process process(argc, argv);
    ProductProfile& profile = DataCentre::mutableProfile();
    profile.receivedPagesFolderName = QStringLiteral("0000Received_Pages");
    QDir().mkpath(process.filePath(profile.receivedPagesFolderName));

    const QString location = process.filePath(QStringLiteral("bench.velk"));
    {
        SKTDocument source;
        source.setTempSavePathLocal(process.filePath(QStringLiteral("source")));
        QDir().mkpath(source.tempSavePathLocal());
        source.setPageFileExtension(QStringLiteral("html"));
        BenchPage::build(source);
        const DocumentResult saved = source.saveThisPage(location, 0);
        if (!saved) {
            std::fprintf(stderr, "save failed: %s\n", qPrintable(saved.error));
            return 1;
        }
    }

    double total = 0;
    qsizetype objects = 0;
    for (int run = 0; run < kRuns; ++run) {
        SKTDocument document;
        document.setFileLocation(location);
        const auto start = std::chrono::steady_clock::now();
        const DocumentResult opened = document.refreshDocument();
        total += BenchPage::millisecondsSince(start);
        if (!opened) {
            std::fprintf(stderr, "open failed: %s\n", qPrintable(opened.error));
            return 1;
        }
        objects = document.graphics().size();
    }
    std::printf(
        "OpenPageBench: %d text boxes, %d images: %.1f ms per open (%d opens, %lld objects, package %lld "
        "bytes)\n",
        BenchPage::kTextBoxes, BenchPage::kImages, total / kRuns, kRuns, qlonglong(objects),
        qlonglong(QFileInfo(location).size()));
    return 0;
}
