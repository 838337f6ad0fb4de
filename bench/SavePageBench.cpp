// Times saving a page into its page document against `zip -r` of the page folder and page file the save
// wrote: the first save of a new page (every picture encoded) and a save after changing one text box, each
// on a page of its own per run. Without a window the page has no screenshots.
//
//   SavePageBench [text boxes] [images] [runs]
#include "BenchPage.h"

#include "model/text/TextStorage.h"

#include <QFile>

int main(int argc, char** argv)
{
    const BenchPage::Process process(argc, argv);
    const BenchPage::Size size = BenchPage::Size::fromArguments(argc, argv);
    const std::vector<QImage> pictures = BenchPage::pictures(size);
    Bench::Times firstSaves;
    Bench::Times editedSaves;
    Bench::Times zips;
    for (int run = 0; run < size.runs; ++run) {
        const QString folder = process.filePath(QStringLiteral("run%1").arg(run));
        QDir().mkpath(folder);
        SKTDocument document;
        document.setTempSavePathLocal(folder);
        document.setPageFileExtension(QStringLiteral("html"));
        BenchPage::build(document, size, pictures);
        const QString location = QDir(folder).filePath(QStringLiteral("bench.velk"));

        auto start = std::chrono::steady_clock::now();
        DocumentResult saved = document.saveThisPage(location, 0);
        firstSaves.add(Bench::millisecondsSince(start));

        for (const auto& graphic : document.graphics()) {
            if (auto* box = qobject_cast<SKTText*>(graphic.get())) {
                box->contents().setString(QStringLiteral("Changed in run %1").arg(run));
                break;
            }
        }
        document.setDocumentChangedCounter(1);
        start = std::chrono::steady_clock::now();
        saved = saved ? document.saveThisPage(location, 0) : saved;
        editedSaves.add(Bench::millisecondsSince(start));
        if (!saved) {
            std::fprintf(stderr, "save failed: %s\n", qPrintable(saved.error));
            return 1;
        }

        const QString archive = QDir(folder).filePath(QStringLiteral("tool.zip"));
        QFile::remove(archive);
        // The same content as the page document: the page folder and the page file beside it.
        const QString page = document.pageName();
        zips.add(Bench::timedTool(QStringLiteral("zip"),
                                  {QStringLiteral("-r"), QStringLiteral("-q"), archive, page,
                                   page + QStringLiteral(".html")},
                                  folder));
    }
    std::printf("SavePageBench: %d text boxes, %d photo-like images of 1200 x 800, %d runs\n", size.textBoxes,
                size.images, size.runs);
    Bench::printRow("first save", firstSaves, zips, "zip -r");
    Bench::printRow("save after one text edit", editedSaves, zips, "zip -r");
    return 0;
}
