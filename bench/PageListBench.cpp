// Times showing a website folder in a document window (the working copy of every page, the tiles with their
// thumbnails and labels, the order file, and the first page opened) against `unzip` of the same page
// documents, each into a folder of its own, in one shell loop.
//
//   PageListBench [pages] [runs] [screenshot.png]
//
// The pages are copies of one saved page of 20 text boxes and 2 photo-like images, each with its own name.
#include "BenchPage.h"

#include "platform/Bundle.h"
#include "profile/ProductSelection.h"
#include "window/SKTWindowController.h"
#include "window/pages/VelkNSButton.h"

#include <QApplication>
#include <QFile>

namespace {

// Offscreen unless a platform is named; chosen before the application is made.
struct Platform {
    Platform()
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
    }
};

} // namespace

int main(int argc, char** argv)
{
    const Platform platform;
    QApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const int pages = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 7;
    const QString screenshot = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();

    Bundle::main().setInfoValue(QStringLiteral("CFBundleDisplayName"), QStringLiteral("HTML Velk Pro"));
    DataCentre::runAppSpecificSetups();
    QTemporaryDir work;
    ProductProfile& profile = DataCentre::mutableProfile();
    profile.workingFolderPath = work.path();
    profile.tempSaveFolder = QDir(work.path()).filePath(QStringLiteral("tempSave000000"));
    profile.receivedPagesFolderName = QStringLiteral("0000Received_Pages");
    QDir().mkpath(QDir(work.path()).filePath(profile.receivedPagesFolderName));
    SKTWindowController::installAsWindowMaker();

    const QString site = QDir(work.path()).filePath(QStringLiteral("Bench Site"));
    QDir().mkpath(site);
    const QString first = QDir(site).filePath(QStringLiteral("page1.") + profile.documentExtension);
    {
        SKTDocument source;
        source.makeWindowControllers();
        source.setTempSavePathLocal(QDir(work.path()).filePath(QStringLiteral("source")));
        QDir().mkpath(source.tempSavePathLocal());
        source.setPageFileExtension(QStringLiteral("html"));
        source.setPageOfficialName(QStringLiteral("Bench Page"));
        BenchPage::Size size;
        size.textBoxes = 20;
        size.images = 2;
        BenchPage::build(source, size, BenchPage::pictures(size));
        const DocumentResult saved = source.saveThisPage(first, 0);
        if (!saved) {
            std::fprintf(stderr, "save failed: %s\n", qPrintable(saved.error));
            return 1;
        }
    }
    for (int i = 2; i <= pages; ++i)
        QFile::copy(first, QDir(site).filePath(QStringLiteral("page%1.").arg(i) + profile.documentExtension));

    SKTDocument document;
    document.makeWindowControllers();
    auto* window = dynamic_cast<SKTWindowController*>(document.windowController());
    window->resize(1280, 800);
    window->show();
    window->setOpenWebsiteFolderPath(site);

    Bench::Times shows;
    Bench::Times unzips;
    const QString loop = QStringLiteral("mkdir -p \"$0\" && for f in *.%1; do unzip -q -o \"$f\" -d \"$0/$f\" || exit 1; done")
                             .arg(profile.documentExtension);
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        window->refreshWebsite();
        QApplication::processEvents();
        shows.add(Bench::millisecondsSince(start));
        if (window->siteIconArray().size() != pages || document.pageLoadFailed()) {
            std::fprintf(stderr, "the page list shows %lld of %d pages\n",
                         qlonglong(window->siteIconArray().size()), pages);
            return 1;
        }
        const QString out = QDir(work.path()).filePath(QStringLiteral("unzipped%1").arg(run));
        unzips.add(Bench::timedTool(QStringLiteral("sh"), {QStringLiteral("-c"), loop, out}, site));
    }
    std::printf(
        "PageListBench: %d pages of 20 text boxes and 2 photo-like images, %d runs, page document %lld "
        "bytes\n",
        pages, runs, qlonglong(QFileInfo(first).size()));
    Bench::printRow("scan and show", shows, unzips, "unzip");
    if (!screenshot.isEmpty())
        window->grab().save(screenshot);
    return 0;
}
