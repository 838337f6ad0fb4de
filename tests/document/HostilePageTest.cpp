#include "PageOpeningTestSupport.h"

#include "support/HandMadeZip.h"
#include "model/SKTImage.h"
#include "support/LogCapture.h"

#include <QDirIterator>
#include <QSet>

#include <cmath>

// Page documents made to harm whoever opens them: picture names that lead out of the page folder,
// archives that inflate to gigabytes, numbers at the ends of the integers.

namespace {

QString imageRule(const QString& selector, const QString& name, const QString& type, int z)
{
    return ruleLine(selector, {{"position", "absolute"},
                               {"left", "5px"},
                               {"top", "6px"},
                               {"z-index", QString::number(z)},
                               {"imagename", name},
                               {"imagetype", type},
                               {"width", "40px"},
                               {"height", "30px"}});
}

// Every file below the folder, by absolute path.
QSet<QString> filesBelow(const QString& folder)
{
    QSet<QString> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.insert(QFileInfo(it.next()).absoluteFilePath());
    return files;
}

class HostilePageTest : public PageOpeningTest {};

TEST_F(HostilePageTest, PictureNamesThatCouldLeaveThePageFolderAreLeftOut)
{
    // Each name and type is used by two rules, so that opening would also give one of them a new name and
    // copy its files: the path the copy goes to is made with the same type.
    const struct {
        const char* name;
        const char* type;
    } cases[] = {
        {"s/s/s", "e/../../../x"},
        {"image5", "png/../../x"},
        {"..", "png"},
        {"../../outside", "png"},
        {"/tmp/velk-absolute", "png"},
        {"a\\..\\b", "png"},
        {"image6", "desktop"},
        {"", "png"},
    };
    for (const auto& c : cases) {
        const QString name = QString::fromLatin1(c.name);
        const QString type = QString::fromLatin1(c.type);
        SCOPED_TRACE(c.name + std::string(" . ") + c.type);
        StoredPage page = twoBoxes();
        page.rules << imageRule(".image1", "image1", "png", 3) << imageRule(".image8", name, type, 4)
                   << imageRule(".image9", name, type, 5);
        page.body << "<div class=image1 ><img src=home/image1.png></div>";

        // The package carries what the crafted names would read and copy: a file they reach with "..",
        // and the folders the old and the new name walk through ("image2" is the name opening gives).
        const QString source = pathInHome("source/home");
        QDir(source).removeRecursively();
        writeBytes(source + "/s/s/s.e/keep", "folder");
        writeBytes(source + "/image2.e/keep", "folder");
        writeBytes(source + "/x", "payload");
        writePicture(source + "/image1.png", QSize(4, 4), Qt::red, "PNG");
        PageText::write(source + ".html", page.text());
        const QString archive = pathInHome("docs/home." + kExtension);
        ASSERT_TRUE(UploadFTPS().zipDocument(source, archive));

        const QSet<QString> before = filesBelow(homePath());
        SKTDocument document;
        document.setFileLocation(archive);
        const LogCapture log;
        ASSERT_TRUE(document.refreshDocument());

        // Only the good picture is on the page; the others are told about and left out.
        EXPECT_EQ(document.images().size(), 1);
        if (!document.images().isEmpty()) {
            EXPECT_EQ(document.images().first()->imageName(), QStringLiteral("image1"));
            EXPECT_FALSE(std::dynamic_pointer_cast<SKTImage>(document.images().first())->_contents().isNull());
        }
        EXPECT_EQ(log.linesContaining("is left out").size(), 2) << log.captured().join('\n').toStdString();
        // Everything opening wrote lies in the page's own folder, but for the settings of the folder of
        // received pages it opened into.
        QDir opened(document.tempSavePathLocal());
        const QString pageFolder = opened.absolutePath() + u'/';
        opened.cdUp();
        const QString siteSettings = opened.absoluteFilePath("site.velks");
        for (const QString& file : filesBelow(homePath()) - before)
            EXPECT_TRUE(file.startsWith(pageFolder) || file == siteSettings) << file.toStdString();
        EXPECT_FALSE(QFileInfo::exists("/tmp/velk-absolute.png"));
        EXPECT_TRUE(alerts.records().isEmpty());
    }
}

TEST_F(HostilePageTest, NumbersAtTheEndsOfTheIntegersOpenAsSaneSizes)
{
    StoredPage page;
    page.rules << boxRule(0, 2,
                          "padding:2147483647px;border-width:2147483647px;border-style:solid;"
                          "widthBuffer:-2147483648;heightBuffer:2147483647;")
               << boxRule(1, 1, "padding:-2147483648px;width:99999999999999px;")
               << imageRule(".image1", "image1", "png", 3).replace("height:30px", "height:2147483647px");
    page.body << "<div class=text0>big</div>"
              << "<div class=text1>small</div>";
    SKTDocument document;
    document.setFileLocation(package(page, "home"));
    ASSERT_TRUE(document.refreshDocument());
    ASSERT_EQ(document.graphics().size(), 3);
    for (const auto& graphic : document.graphics()) {
        const QRectF bounds = graphic->bounds();
        for (const double value : {bounds.x(), bounds.y(), bounds.width(), bounds.height()}) {
            EXPECT_TRUE(std::isfinite(value));
            EXPECT_LT(std::abs(value), 1e9);
        }
    }
}

TEST_F(UnreadablePageTest, ABombIsRefusedWithTheOpeningAlertAndLeavesNothing)
{
    const HandMadeZip::DeflatedZeros zeros = HandMadeZip::deflatedZeros(3000);
    const QList<HandMadeZip::Entry> entries = {
        HandMadeZip::stored("home.html", twoBoxes().text().toLatin1()),
        {"home/bomb.png", zeros.stream, true, 3000ULL * 1024 * 1024, zeros.crc}};
    const QString archive = pathInHome("docs/home." + kExtension);
    writeBytes(archive, HandMadeZip::archive(entries));
    expectUnreadable(archive);
    EXPECT_TRUE(filesBelow(DataCentre::profile().workingFolderPath).isEmpty())
        << QStringList(filesBelow(DataCentre::profile().workingFolderPath).values()).join('\n').toStdString();
}

} // namespace
