// Times opening the page of 500 text boxes and 50 images that the save benchmark writes: unpacking the
// page document, reading the page file back into element records and making the graphics. Prints the
// time per open.
#include "BenchPage.h"

#include "profile/DataCentre.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <chrono>
#include <clocale>
#include <cstdio>

namespace {

constexpr int kRuns = 5;

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    QTemporaryDir work;
    ProductProfile& profile = DataCentre::profile();
    profile.productDisplayName = QStringLiteral("HTML Velk Pro");
    profile.documentExtension = QStringLiteral("velk");
    profile.workingFolderPath = work.path();
    profile.receivedPagesFolderName = QStringLiteral("0000Received_Pages");
    profile.tempSaveFolder = QDir(work.path()).filePath(QStringLiteral("tempSave000000"));
    QDir().mkpath(QDir(work.path()).filePath(profile.receivedPagesFolderName));

    const QString location = QDir(work.path()).filePath(QStringLiteral("bench.velk"));
    {
        SKTDocument source;
        source.setTempSavePathLocal(QDir(work.path()).filePath(QStringLiteral("source")));
        QDir().mkpath(source.tempSavePathLocal());
        source.setPageFileExtension(QStringLiteral("html"));
        BenchPage::build(source);
        if (!source.saveThisPage(location, 0)) {
            std::fprintf(stderr, "save failed: %s\n", qPrintable(source.lastSaveError()));
            return 1;
        }
    }

    double total = 0;
    qsizetype objects = 0;
    for (int run = 0; run < kRuns; ++run) {
        SKTDocument document;
        document.setFileLocation(location);
        const auto start = std::chrono::steady_clock::now();
        const bool opened = document.refreshDocument();
        total += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        if (!opened) {
            std::fprintf(stderr, "open failed\n");
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
