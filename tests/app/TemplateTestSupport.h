#pragma once

#include "AppTestSupport.h"

#include "app/launch/ApplicationLaunch.h"
#include "app/templates/PageListing.h"
#include "app/templates/TemplateChooser.h"
#include "app/templates/TemplateIconButton.h"
#include "app/templates/TemplateWindowController.h"
#include "platform/transfer/ZipArchive.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

// The application launched as a product on a bundle of the test's own: the shipped resources, with a
// templates folder the test fills.
class TemplateAppTest : public AppTest {
protected:
    void TearDown() override
    {
        delegate.reset();
        Bundle::main().load(Bundle::defaultResourcesPath());
        AppTest::TearDown();
    }

    // A bundle whose entries are the shipped ones except the named template folder, which starts empty.
    void useBundleWithOwnTemplates(const QString& templateFolder)
    {
        bundle = pathInHome(QStringLiteral("bundle/x")).chopped(2);
        const QDir shipped(Bundle::defaultResourcesPath());
        for (const QString& entry : shipped.entryList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
            if (entry != templateFolder)
                QFile::link(shipped.filePath(entry), QDir(bundle).filePath(entry));
        }
        QDir().mkpath(QDir(bundle).filePath(templateFolder));
        Bundle::main().load(bundle);
    }

    void launchAs(const QString& product)
    {
        runAs(product);
        delegate = std::make_unique<SKTAppDelegate>();
        launchApplication(*delegate, {});
    }

    // A template document of a page file and its previews, the larger one of the size given.
    static void writeTemplate(const QString& path, const QSize& preview)
    {
        QTemporaryDir parts;
        const QString name = QFileInfo(path).completeBaseName();
        QFile page(QDir(parts.path()).filePath(name + QStringLiteral(".html")));
        ASSERT_TRUE(page.open(QIODevice::WriteOnly));
        page.write("<html><body></body></html>");
        page.close();
        QImage image(preview, QImage::Format_ARGB32);
        image.fill(Qt::white);
        image.setPixelColor(0, 0, Qt::blue);
        ASSERT_TRUE(image.save(QDir(parts.path()).filePath(name + QStringLiteral("@2x.png"))));
        ASSERT_TRUE(
            image.scaled(preview / 2).save(QDir(parts.path()).filePath(name + QStringLiteral(".png"))));
        QDir().mkpath(QFileInfo(path).path());
        ZipArchive zip;
        ASSERT_TRUE(zip.newZip(path));
        zip.setAppendFromDir(parts.path());
        ASSERT_TRUE(zip.appendFiles(parts.path() + QStringLiteral("/*"), true));
        ASSERT_TRUE(zip.writeZipAndClose());
    }

    // Opens the chooser through the action and waits until it shows its thumbnails.
    void openChooser(const char* action = "showTemplateWebsite")
    {
        QSignalSpy displayed(&delegate->templateChooser(), &TemplateChooser::templatesDisplayed);
        delegate->sendActionNamed(QString::fromLatin1(action));
        ASSERT_TRUE(displayed.wait(20000));
    }

    TemplateChooser& chooser() const { return delegate->templateChooser(); }
    TemplateWindowController& chooserWindow() const { return *chooser().window(); }

    TemplateIconButton* thumbnailNamed(const QString& fileName) const
    {
        for (TemplateIconButton* thumbnail : chooser().thumbnails()) {
            if (thumbnail->fileName() == fileName)
                return thumbnail;
        }
        return nullptr;
    }

    QString receivedPagesFolder() const
    {
        const ProductProfile& profile = DataCentre::profile();
        return QDir(profile.workingFolderPath).filePath(profile.receivedPagesFolderName);
    }

    QString bundle;
    std::unique_ptr<SKTAppDelegate> delegate;
};
