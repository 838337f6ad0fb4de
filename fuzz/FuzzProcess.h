#pragma once

// What the fuzz targets share: an offscreen application (fonts and pictures need one), numbers in the C
// locale, alerts answered at once, and a product profile whose folders lie in a temporary folder.
#include "platform/Alert.h"
#include "profile/DataCentre.h"

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <clocale>

namespace FuzzProcess {

inline QString workFolder()
{
    static QTemporaryDir work;
    return work.path();
}

inline void start()
{
    static int argc = 1;
    static char name[] = "velk-fuzz";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    // Messages would flood the fuzzer's output at every execution.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    Alert::setResponder([](const Alert&) { return int(Alert::FirstButton); });
    ProductProfile& profile = DataCentre::mutableProfile();
    profile.productDisplayName = QStringLiteral("HTML Velk Pro");
    profile.documentExtension = QStringLiteral("velk");
    profile.workingFolderPath = workFolder();
    profile.tempSaveFolder = QDir(workFolder()).filePath(QStringLiteral("tempSave000000"));
    profile.receivedPagesFolderName = QStringLiteral("0000Received_Pages");
    QDir().mkpath(QDir(workFolder()).filePath(profile.receivedPagesFolderName));
}

} // namespace FuzzProcess
