// Times opening a page document (unpacking it, reading the page file back into element records and making
// the graphics) against `unzip` of the same document into a fresh folder. An open leaves its pictures
// decoding on the pool; the second row times the same open until every picture is decoded.
//
//   OpenPageBench [text boxes] [images] [runs]
#include "BenchPage.h"

#include "model/SKTImage.h"

#include <QFileInfo>

int main(int argc, char** argv)
{
    const BenchPage::Process process(argc, argv);
    const BenchPage::Size size = BenchPage::Size::fromArguments(argc, argv);
    ProductProfile& profile = DataCentre::mutableProfile();
    profile.receivedPagesFolderName = QStringLiteral("0000Received_Pages");
    QDir().mkpath(process.filePath(profile.receivedPagesFolderName));

    const QString location = process.filePath(QStringLiteral("bench.velk"));
    {
        SKTDocument source;
        source.setTempSavePathLocal(process.filePath(QStringLiteral("source")));
        QDir().mkpath(source.tempSavePathLocal());
        source.setPageFileExtension(QStringLiteral("html"));
        BenchPage::build(source, size, BenchPage::pictures(size));
        const DocumentResult saved = source.saveThisPage(location, 0);
        if (!saved) {
            std::fprintf(stderr, "save failed: %s\n", qPrintable(saved.error));
            return 1;
        }
    }

    Bench::Times opens;
    Bench::Times decoded;
    Bench::Times unzips;
    qsizetype objects = 0;
    for (int run = 0; run < size.runs; ++run) {
        SKTDocument document;
        document.setFileLocation(location);
        const auto start = std::chrono::steady_clock::now();
        const DocumentResult opened = document.refreshDocument();
        opens.add(Bench::millisecondsSince(start));
        if (!opened) {
            std::fprintf(stderr, "open failed: %s\n", qPrintable(opened.error));
            return 1;
        }
        for (const std::shared_ptr<SKTGraphic>& image : document.images())
            static_cast<const SKTImage&>(*image)._contents();
        decoded.add(Bench::millisecondsSince(start));
        objects = document.graphics().size();

        const QString folder = process.filePath(QStringLiteral("unzipped%1").arg(run));
        unzips.add(Bench::timedTool(QStringLiteral("unzip"),
                                        {QStringLiteral("-q"), QStringLiteral("-o"), location, QStringLiteral("-d"),
                                         folder}));
    }
    std::printf("OpenPageBench: %d text boxes, %d photo-like images of 1200 x 800, %d runs, %lld objects, "
                "package %lld bytes\n",
                size.textBoxes, size.images, size.runs, qlonglong(objects), qlonglong(QFileInfo(location).size()));
    Bench::printRow("open", opens, unzips, "unzip");
    Bench::printRow("open, pictures decoded", decoded, unzips, "unzip");
    return 0;
}
