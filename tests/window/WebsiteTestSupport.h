#pragma once

#include "WindowTestSupport.h"

#include "document/format/PageMarkers.h"
#include "document/format/PageText.h"
#include "platform/Bundle.h"
#include "platform/transfer/UploadFTPS.h"
#include "window/pages/ListingIconView.h"
#include "window/pages/ProjectFolder.h"
#include "window/pages/VelkNSButton.h"
#include "window/views/FlippedNSView.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSplitter>
#include <QTemporaryDir>

// Website folders of real page documents on disk, and the document window that shows them. The product
// keeps its pages in order.index and ships a blank starter page of its own in the test's bundle.
class WebsiteTest : public WindowTest {
protected:
    static inline const QString kExtension = QStringLiteral("velkpage");

    void SetUp() override
    {
        WindowTest::SetUp();
        ProductProfile& profile = DataCentre::mutableProfile();
        profile.documentExtension = kExtension;
        profile.baseTemplateFile = QStringLiteral("basetemplate.") + kExtension;
        profile.workingFolderPath = pathInHome(QStringLiteral("working"));
        profile.receivedPagesFolderName = QStringLiteral("0000Received_Pages");
        profile.templateFolder = QStringLiteral("templates");
        profile.pageNoun = QStringLiteral("page");
        profile.pageTitlesEnabled = true;
        profile.usePageOrderIndex = true;
        profile.pageIconColumns = 1;
        QDir().mkpath(QDir(profile.workingFolderPath).filePath(profile.receivedPagesFolderName));
        site = pathInHome(QStringLiteral("My Site"));
        QDir().mkpath(site);
        bundle = pathInHome(QStringLiteral("bundle"));
        QDir().mkpath(bundle);
        Bundle::main().load(bundle);
        makePageDocument(
            QDir(bundle).filePath(QStringLiteral("templates/blank")), QStringLiteral("Blank"),
            QStringLiteral("Starter"),
            {QStringLiteral("<!--INHERIT METADATA-->"), QStringLiteral("<!--INHERIT CUSTOM HEADER-->")});
    }

    void TearDown() override
    {
        SKTWindowController::setDocumentOpener({});
        Bundle::main().load(Bundle::defaultResourcesPath());
        WindowTest::TearDown();
    }

    // The text of a page file with its title marker and the given lines after the page.
    static QString pageText(const QString& title, const QStringList& extra = {})
    {
        QStringList lines = {QStringLiteral("<!DOCTYPE html>"),
                             QStringLiteral("<html><head>"),
                             QStringLiteral("<title>") + title + QStringLiteral("</title>"),
                             QStringLiteral("<style type=text/css>"),
                             QStringLiteral("body{background-color:#FFFFFF;}"),
                             QStringLiteral("</style></head>"),
                             QStringLiteral("<body bgcolor=#FFFFFF leftmargin=0 topmargin=0>"),
                             QStringLiteral("<div id=content>"),
                             QStringLiteral("</div></body></html>"),
                             QStringLiteral("<!--PAGETITLESTART==") + title +
                                 QStringLiteral("==PAGETITLEEND-->")};
        return (lines + extra).join(u'\n');
    }

    // A page document "name.extension" in the folder, packed from a page file, a picture in its page folder
    // and its thumbnails.
    QString makePageDocument(const QString& folder, const QString& name, const QString& title,
                             const QStringList& extra = {}, const QString& extension = kExtension,
                             const QColor& colour = Qt::blue)
    {
        QTemporaryDir source;
        const QString page = QDir(source.path()).filePath(name);
        QDir().mkpath(page);
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(colour);
        picture.save(QDir(page).filePath(QStringLiteral("image1o.png")));
        const QString pageExtension =
            extension == QLatin1String("quarnel") ? QStringLiteral("php") : QStringLiteral("html");
        PageText::write(page + u'.' + pageExtension, pageText(title, extra));
        picture.save(page + QStringLiteral(".png"));
        picture.scaled(80, 60).save(page + QStringLiteral("@2x.png"));
        QDir().mkpath(folder);
        const QString document = QDir(folder).filePath(name + u'.' + extension);
        EXPECT_TRUE(UploadFTPS().zipDocument(page, document));
        return document;
    }

    QString page(const QString& name, const QString& title, const QStringList& extra = {})
    {
        return makePageDocument(site, name, title, extra);
    }

    // The page file inside a page document.
    static QString pageFileOf(const QString& document)
    {
        QTemporaryDir unpacked;
        UploadFTPS().unzipDocument(document, unpacked.path());
        const QFileInfo info(document);
        const QString extension =
            info.suffix() == QLatin1String("quarnel") ? QStringLiteral("php") : QStringLiteral("html");
        const QStringList files =
            QDir(unpacked.path()).entryList({QStringLiteral("*.") + extension}, QDir::Files);
        return files.isEmpty() ? QString() : PageText::read(QDir(unpacked.path()).filePath(files.first()));
    }

    // A window whose document came from the window maker, so that reading a page asks this window, showing
    // the website folder.
    SKTWindowController& openWebsite()
    {
        SKTWindowController::installAsWindowMaker();
        SKTDocument& document = newDocument();
        document.makeWindowControllers();
        auto* window = dynamic_cast<SKTWindowController*>(document.windowController());
        EXPECT_NE(window, nullptr);
        window->setOpenWebsiteFolderPath(site);
        window->resize(1200, 800);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        window->refreshWebsite();
        return *window;
    }

    static QStringList tileNames(const SKTWindowController& window)
    {
        QStringList names;
        for (const VelkNSButton* tile : window.siteIconArray())
            names.append(tile->documentName());
        return names;
    }

    static QString orderFile(const QString& folder)
    {
        QFile file(QDir(folder).filePath(QStringLiteral("order.index")));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    // Right-clicks the page list over the tile at the position.
    static void contextClickTile(SKTWindowController& window, int position)
    {
        const ListingIconView* cell = window.pageListingIconViews().at(position);
        window.pageListingClipView()->setLastTouchPoint(QRectF(cell->geometry()).center());
    }

    QString site;
    QString bundle;
};
