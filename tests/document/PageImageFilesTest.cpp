#include "DocumentTestSupport.h"
#include "PageFileTestSupport.h"
#include "PageLoaderTestSupport.h"

#include "model/SKTGalleryGrid.h"
#include "model/SKTImage.h"
#include "model/records/TransformView.h"
#include "model/records/myTextView.h"

#include <QFile>

namespace {

std::shared_ptr<TransformView> imageRecord(const QString& name)
{
    auto record = std::make_shared<TransformView>();
    record->setImageName(name);
    return record;
}

std::shared_ptr<SKTGraphic> imageGraphic(const QString& name)
{
    auto image = std::make_shared<SKTImage>();
    image->setImageName(name);
    return image;
}

class PageImageFilesTest : public DocumentTest {
protected:
    QString pagePath() const { return pathInHome(QStringLiteral("work/home.html")); }
    QString inFolder(const QString& name) const { return pathInHome(QStringLiteral("work/home/") + name); }

    SKTDocument document;
};

TEST_F(PageImageFilesTest, NextImageNameFollowsTheHighestNumber)
{
    EXPECT_EQ(document.getNextImageName({}), QStringLiteral("image0"));
    document.insertGraphics({imageGraphic("image1"), imageGraphic("image7")}, {0, 1});
    EXPECT_EQ(document.getNextImageName({imageRecord("image3")}), QStringLiteral("image8"));
    // Pictures of galleries count too.
    auto gallery = std::make_shared<SKTGalleryGrid>();
    gallery->setImageArray({imageRecord("image12")});
    document.insertGraphics({gallery}, {2});
    EXPECT_EQ(document.getNextImageName({}), QStringLiteral("image13"));
}

TEST_F(PageImageFilesTest, NameClashesLeaveTheImageItselfOut)
{
    auto first = imageRecord("image2");
    auto second = imageRecord("image2");
    auto other = imageRecord("image5");
    EXPECT_TRUE(document.isImageNameAlreadyInUse(*first, {first, second, other}));
    EXPECT_FALSE(document.isImageNameAlreadyInUse(*other, {first, second, other}));
    EXPECT_FALSE(document.isImageNameAlreadyInUse(*first, {first, other}));
    document.insertGraphics({imageGraphic("image5")}, {0});
    EXPECT_TRUE(document.isImageNameAlreadyInUse(*other, {other}));
}

TEST_F(PageImageFilesTest, RetrievesTheBestFileOfAnImage)
{
    writePicture(inFolder("image1.png"), QSize(10, 10), Qt::red, "PNG");
    EXPECT_EQ(SKTDocument::retrieveImageFile(pagePath(), "image1", "png").size(), QSize(10, 10));
    writePicture(inFolder("image1@2x.png"), QSize(20, 20), Qt::red, "PNG");
    EXPECT_EQ(SKTDocument::retrieveImageFile(pagePath(), "image1", "png").size(), QSize(20, 20));
    // An empty original is passed over; a real one wins.
    writeBytes(inFolder("image1o.PNG"), QByteArray());
    EXPECT_EQ(SKTDocument::retrieveImageFile(pagePath(), "image1", "png").size(), QSize(20, 20));
    writePicture(inFolder("image1o.JPG"), QSize(40, 30), Qt::blue, "JPG");
    EXPECT_EQ(SKTDocument::retrieveImageFile(pagePath(), "image1", "png").size(), QSize(40, 30));
    EXPECT_TRUE(SKTDocument::retrieveImageFile(pagePath(), "image9", "png").isNull());
}

TEST_F(PageImageFilesTest, RenamingCopiesTheFilesThatExist)
{
    document.setPagePath(pagePath());
    writeBytes(inFolder("image1.png"), "plain");
    writeBytes(inFolder("image1@2x.png"), "double");
    document.transferImageFilesForNewName("image1", "image4", "png");
    EXPECT_EQ(readBytes(inFolder("image4.png")), QByteArray("plain"));
    EXPECT_EQ(readBytes(inFolder("image4@2x.png")), QByteArray("double"));
    EXPECT_FALSE(QFile::exists(inFolder("image4o.png")));
    EXPECT_TRUE(QFile::exists(inFolder("image1.png")));
}

std::shared_ptr<myTextView> snippetRecord(int nlines, int containsLink = 0, int formatted = 0)
{
    auto record = std::make_shared<myTextView>();
    record->setNlines(nlines);
    record->setContainsLinkFlag(containsLink);
    record->setSnippetFormatFlag(RecordFlag(formatted));
    return record;
}

TEST(SnippetTextTest, EachSnippetTakesItsLinesAfterItsOwnMarker)
{
    const QStringList body = {"<div id=content>",
                              "<div class=snippet1>",
                              "<b>one</b>",
                              "</div>",
                              "<div class=snippet0>",
                              "http://example.com",
                              "line a",
                              "line<br>b",
                              "</div>",
                              "<div class=text0>Hi</div>"};
    const myTextViewList records = {snippetRecord(3, 1, 1), snippetRecord(1), snippetRecord(2)};
    const SnippetTextContent content = SKTDocument::grabTextContent(body, records, "snippet");
    EXPECT_EQ(records[0]->link(), QStringLiteral("http://example.com"));
    EXPECT_EQ(records[0]->textView()->string(), QStringLiteral("line a\nline\nb"));
    EXPECT_EQ(records[1]->textView()->string(), QStringLiteral("<b>one</b>"));
    // The block of the third snippet is missing: only it keeps no text.
    EXPECT_TRUE(records[2]->textView()->string().isEmpty());
    EXPECT_EQ(content.inputObjectArray, records);
    EXPECT_EQ(content.bodyStringArray,
              (QStringList{"<div id=content>", "<div class=snippet1>", "</div>", "<div class=snippet0>",
                           "</div>", "<div class=text0>Hi</div>"}));
}

TEST(SnippetTextTest, ABlockCutShortTakesWhatThereIs)
{
    const myTextViewList records = {snippetRecord(5)};
    const SnippetTextContent content =
        SKTDocument::grabTextContent({"<div class=snippet0>", "only line"}, records, "snippet");
    EXPECT_EQ(records[0]->textView()->string(), QStringLiteral("only line"));
    EXPECT_EQ(content.bodyStringArray, QStringList{"<div class=snippet0>"});
}

} // namespace
