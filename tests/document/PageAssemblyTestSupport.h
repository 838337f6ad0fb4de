#pragma once

#include "DocumentTestSupport.h"
#include "PageFileTestSupport.h"
#include "document/format/PageText.h"
#include "model/SKTImage.h"
#include "model/SKTLine.h"
#include "model/SKTTable.h"
#include "model/SKTText.h"
#include "platform/Bundle.h"
#include "platform/Format.h"
#include "profile/ProductSelection.h"
#include "profile/print/PrintSheetCatalogue.h"
#include "platform/transfer/ZipArchive.h"

#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QTemporaryDir>

// Page objects made the way opened pages make them: from property dictionaries.
namespace PageObjects {

inline GraphicPropertyDictionary placed(const QRectF& bounds)
{
    return {{QStringLiteral("bounds"), Format::rect(bounds)},
            {QStringLiteral("slideShowNumber"), QStringLiteral("-99")},
            {QStringLiteral("opacity"), QStringLiteral("1.0")}};
}

inline std::shared_ptr<SKTText> textBox(const QString& text, const QRectF& bounds,
                                        const QString& type = QStringLiteral("Text"))
{
    GraphicPropertyDictionary properties = placed(bounds);
    properties.insert(QStringLiteral("textString"), text);
    properties.insert(QStringLiteral("textType"), type);
    properties.insert(QStringLiteral("fontFamily"), QStringLiteral("Lato"));
    properties.insert(QStringLiteral("fontSize"), QStringLiteral("18"));
    auto box = std::make_shared<SKTText>();
    box->initWithProperties(properties);
    return box;
}

// A red-and-blue picture of the bounds' size, so every copy of it has content.
inline std::shared_ptr<SKTImage> image(const QString& name, const QRectF& bounds)
{
    GraphicPropertyDictionary properties = placed(bounds);
    properties.insert(QStringLiteral("imageName"), name);
    properties.insert(QStringLiteral("imageType"), QStringLiteral("PNG"));
    auto picture = std::make_shared<SKTImage>();
    picture->initWithProperties(properties);
    QImage content(bounds.size().toSize(), QImage::Format_ARGB32);
    content.fill(Qt::red);
    for (int y = 0; y < content.height() / 2; ++y)
        for (int x = 0; x < content.width(); ++x)
            content.setPixelColor(x, y, Qt::blue);
    picture->set_contents(content);
    return picture;
}

inline std::shared_ptr<SKTLine> line(const QPointF& begin, const QPointF& end)
{
    GraphicPropertyDictionary properties = placed(SKTLine::boundsWithBeginPoint(begin, end));
    properties.insert(QStringLiteral("beginPoint"), Format::point(begin));
    properties.insert(QStringLiteral("endPoint"), Format::point(end));
    auto made = std::make_shared<SKTLine>();
    made->initWithProperties(properties);
    made->setBeginPoint(begin);
    made->setEndPoint(end);
    return made;
}

// A column of a section: its place on the canvas and its Bootstrap counts (xs, sm, md, lg).
inline std::shared_ptr<myTextView> sectionColumn(const QRectF& r, int xs, int sm, int md, int lg,
                                                 const QString& color)
{
    auto column = myTextView::initWithFrame(r);
    column->setOriginX(int(r.x()));
    column->setOriginY(int(r.y()));
    column->setWidth(int(r.width()));
    column->setHeight(int(r.height()));
    column->setXsGridColumns(xs);
    column->setSmallGridColumns(sm);
    column->setMediumGridColumns(md);
    column->setLargeGridColumns(lg);
    column->setBackgroundHexColorString(color);
    column->setTextHexColorString(QStringLiteral("000000"));
    column->setTextColorString(QStringLiteral("000000"));
    return column;
}

// A section of one row of the columns, left to right.
inline std::shared_ptr<SKTTable> section(const QRectF& bounds, const myTextViewList& columns)
{
    auto made = std::make_shared<SKTTable>();
    made->setGridType(QStringLiteral("section"));
    made->setBackgroundHexColorString(QStringLiteral("FFFFFF"));
    // The box-model levels a section starts with on the canvas.
    for (void (SKTGraphic::*setLevel)(QString) :
         {&SKTGraphic::setTopPaddingLevelString, &SKTGraphic::setBottomPaddingLevelString,
          &SKTGraphic::setLeftPaddingLevelString, &SKTGraphic::setRightPaddingLevelString,
          &SKTGraphic::setTopMarginLevelString, &SKTGraphic::setBottomMarginLevelString,
          &SKTGraphic::setLeftMarginLevelString, &SKTGraphic::setRightMarginLevelString})
        (made.get()->*setLevel)(QStringLiteral("None"));
    for (qsizetype i = 0; i < columns.size(); ++i) {
        columns.at(i)->setRowSpot(0);
        columns.at(i)->setColumnSpot(int(i));
    }
    made->setNumOfRows(1);
    made->setNumOfColumns(int(columns.size()));
    made->setCellHelperArray(columns);
    // With its cells in place the resize rule keeps bounds that equal the cells' total.
    made->setBounds(bounds);
    return made;
}

} // namespace PageObjects

// The text of a page file inside a page document; empty when the package cannot be unpacked.
inline QString pageTextIn(const QString& archive, const QString& pageFile)
{
    QTemporaryDir unpacked;
    ZipArchive zip;
    if (!zip.openZip(archive) || zip.unzip(unpacked.path()) < 0)
        return {};
    return PageText::read(QDir(unpacked.path()).filePath(pageFile));
}

// A page document with a working folder of its own in the test's home.
class PageDocumentTest : public DocumentTest {
protected:
    void SetUp() override
    {
        DocumentTest::SetUp();
        ProductProfile& profile = DataCentre::mutableProfile();
        profile.productDisplayName = QStringLiteral("HTML Velk Pro");
        profile.appVersion = QStringLiteral("1.0");
        profile.documentExtension = QStringLiteral("velk");
        profile.screenshotSize = 100;
        profile.workingFolderPath = pathInHome(QStringLiteral("work/x")).chopped(2);
        profile.tempSaveFolder = QDir(profile.workingFolderPath).filePath(QStringLiteral("tempSave000000"));
        workFolder = pathInHome(QStringLiteral("work/page/x")).chopped(2);
        // The document was made before the profile above: it takes the canvas a new one would have.
        document.canvasState() = PageCanvasState::ofLaunchProfile();
        document.setTempSavePathLocal(workFolder);
        document.setPageFileExtension(QStringLiteral("html"));
        document.setPageOfficialName(QStringLiteral("Welcome"));
    }

    void add(const std::shared_ptr<SKTGraphic>& graphic)
    {
        document.insertGraphics({graphic}, {int(document.graphics().size())});
    }

    // The page as the stored page file writes it.
    QString storedPage(const QString& pageName = QStringLiteral("home"))
    {
        return document.generateSourceCode(pageName, 0);
    }

    // The first line of the page that begins with the text.
    static QString lineStartingWith(const QString& page, const QString& start)
    {
        for (const QString& line : page.split(QLatin1Char('\n'))) {
            if (line.startsWith(start))
                return line;
        }
        return {};
    }

    static QStringList zipEntries(const QString& archivePath)
    {
        QTemporaryDir unpacked;
        ZipArchive archive;
        if (!archive.openZip(archivePath) || archive.unzip(unpacked.path()) < 0)
            return {};
        QStringList entries;
        const QDir root(unpacked.path());
        QDirIterator it(unpacked.path(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            entries.append(root.relativeFilePath(it.next()));
        entries.sort();
        return entries;
    }

    SKTDocument document;
    QString workFolder;
};

// A page named "home" that is saved as a page document and opened again: pages open into the received-pages
// folder of the working root, and objects without a template of their own are the page's.
class ReopenedPageTest : public PageDocumentTest {
protected:
    void SetUp() override
    {
        PageDocumentTest::SetUp();
        ProductProfile& profile = DataCentre::mutableProfile();
        profile.receivedPagesFolderName = QStringLiteral("0000Received_Pages");
        profile.pageTitlesEnabled = true;
        QDir().mkpath(QDir(profile.workingFolderPath).filePath(profile.receivedPagesFolderName));
        location = pathInHome(QStringLiteral("documents/home.velk"));
        document.setMainTemplateName(QStringLiteral("home"));
    }

    QString location; // the page document
};

// A page of one of the responsive designers (the website designer unless the test launches another), with
// the test's working folders; the profile and print sheets of the default product come back afterwards.
class ResponsiveDesignerTest : public ReopenedPageTest {
protected:
    void SetUp() override
    {
        ReopenedPageTest::SetUp();
        launchAs(QStringLiteral("Brevold Responsive Website Designer"));
        document.setEncodingType(QStringLiteral("UTF-8"));
    }
    void TearDown() override
    {
        Bundle::main().load(Bundle::defaultResourcesPath());
        DataCentre::loadPrintLabels();
        ReopenedPageTest::TearDown();
    }

    void launchAs(const QString& displayName)
    {
        const ProductProfile before = DataCentre::profile();
        Bundle::main().setInfoValue(QStringLiteral("CFBundleDisplayName"), displayName);
        DataCentre::runAppSpecificSetups();
        ProductProfile& profile = DataCentre::mutableProfile();
        profile.workingFolderPath = before.workingFolderPath;
        profile.tempSaveFolder = before.tempSaveFolder;
        profile.receivedPagesFolderName = before.receivedPagesFolderName;
        profile.screenshotSize = before.screenshotSize;
    }

    // The published page as publishing writes it, at `path` in the test's home.
    QByteArray publishedPage(const QString& path = QStringLiteral("published/home.html"))
    {
        const QString file = pathInHome(path);
        QDir().mkpath(QFileInfo(file).path());
        EXPECT_TRUE(document.exportPublishVersion(file));
        QFile read(file);
        return read.open(QIODevice::ReadOnly) ? read.readAll() : QByteArray();
    }
};

