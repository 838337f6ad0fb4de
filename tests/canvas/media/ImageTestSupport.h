#pragma once

#include "../view/CanvasTestSupport.h"

#include "document/core/PageCanvasState.h"
#include "model/SKTImage.h"
#include "platform/UserDefaults.h"

#include <QDir>
#include <QImageReader>

// A canvas on a page that has a file, so pictures keep their originals in its folder.
class ImageCanvasTest : public CanvasTest {
protected:
    void SetUp() override
    {
        CanvasTest::SetUp();
        ProductProfile& profile = DataCentre::mutableProfile();
        profile.workingFolderPath = pathInHome(QStringLiteral("work/x")).chopped(2);
        setPage(QStringLiteral("home"));
    }

    // The page file is "<name>.html" in the site folder; its folder is made.
    void setPage(const QString& name)
    {
        pageFolder = pathInHome(QStringLiteral("site/") + name + QStringLiteral("/x")).chopped(2);
        document.setPagePath(pageFolder + QStringLiteral(".html"));
    }

    // A picture of one colour, with a mark in its top left pixel so that pixels can be told apart.
    static QImage picture(int width, int height, const QColor& color = Qt::darkCyan)
    {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(color);
        image.setPixel(0, 0, qRgb(250, 10, 10));
        return image;
    }

    // The picture written to a file in the test's home; answers its path.
    QString pictureFile(const QString& name, int width, int height, const QColor& color = Qt::darkCyan) const
    {
        const QString path = pathInHome(QStringLiteral("pictures/") + name);
        // No GIF writer here: a PNG under a GIF name is read by its content.
        picture(width, height, color).save(path, name.endsWith(QLatin1String(".gif")) ? "PNG" : nullptr);
        return path;
    }

    std::shared_ptr<SKTImage> imageAt(int index) const
    {
        return std::dynamic_pointer_cast<SKTImage>(document.graphics().value(index));
    }

    static QImage readFile(const QString& path)
    {
        QImageReader reader(path);
        return reader.read();
    }

    static bool samePixels(const QImage& a, const QImage& b)
    {
        return !a.isNull() &&
               a.convertToFormat(QImage::Format_ARGB32) == b.convertToFormat(QImage::Format_ARGB32);
    }

    QString pageFolder;
};

// The page named "home" can be saved as a page document and opened again.
class SavedPageCanvasTest : public ImageCanvasTest {
protected:
    void SetUp() override
    {
        ImageCanvasTest::SetUp();
        ProductProfile& profile = DataCentre::mutableProfile();
        profile.productDisplayName = QStringLiteral("HTML Velk Pro");
        profile.appVersion = QStringLiteral("1.0");
        profile.documentExtension = QStringLiteral("velk");
        profile.screenshotSize = 100;
        profile.tempSaveFolder = QDir(profile.workingFolderPath).filePath(QStringLiteral("tempSave000000"));
        profile.receivedPagesFolderName = QStringLiteral("0000Received_Pages");
        QDir().mkpath(QDir(profile.workingFolderPath).filePath(profile.receivedPagesFolderName));
        document.canvasState() = PageCanvasState::ofLaunchProfile();
        document.setTempSavePathLocal(QFileInfo(pageFolder).path());
        document.setPageFileExtension(QStringLiteral("html"));
        document.setPageName(QStringLiteral("home"));
        document.setPageOfficialName(QStringLiteral("Welcome"));
    }
};
