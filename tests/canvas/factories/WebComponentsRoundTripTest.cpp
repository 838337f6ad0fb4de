#include "../media/ImageTestSupport.h"

#include "document/format/PageText.h"
#include "model/SKTSlideshow.h"
#include "model/SKTTable.h"
#include "platform/transfer/ZipArchive.h"

#include <QTemporaryDir>
#include <QTextDocument>

// A responsive page built from the object library's web components and a slideshow, saved as a page
// document, opened again and saved once more.

namespace {

class WebComponentsRoundTripTest : public SavedPageCanvasTest {
protected:
    void SetUp() override
    {
        SavedPageCanvasTest::SetUp();
        ProductProfile& profile = DataCentre::mutableProfile();
        profile.responsiveDesign = true;
        profile.sectionWidth = 1170;
        profile.sectionHeight = 300;
        view->setCanvasSize(QSizeF(1200, 4000));
    }

    // The page file inside a saved page document.
    static QString pageTextIn(const QString& archive)
    {
        QTemporaryDir unpacked;
        ZipArchive zip;
        if (!zip.openZip(archive) || zip.unzip(unpacked.path()) < 0)
            return {};
        return PageText::read(QDir(unpacked.path()).filePath(QStringLiteral("home.html")));
    }

    static QStringList cellTexts(const SKTTable& table)
    {
        QStringList texts;
        for (const std::shared_ptr<myTextView>& cell : table.cellHelperArray())
            texts << (cell->textStorage() ? cell->textStorage()->toPlainText() : QString());
        return texts;
    }

    static QStringList kindsOf(const GraphicList& graphics)
    {
        QStringList kinds;
        for (const std::shared_ptr<SKTGraphic>& graphic : graphics)
            kinds << graphic->className() + u' ' + graphic->gridType();
        return kinds;
    }
};

TEST_F(WebComponentsRoundTripTest, APageOfEveryComponentAndASlideshowWritesTheSamePageAfterOpening)
{
    const char* const codes[] = {"velk_navbar",
                                 "velk_navbar_centered",
                                 "velk_navbar_fixed",
                                 "velk_navbar_fixed_centered",
                                 "velk_dropdownmenu",
                                 "velk_text_carousel",
                                 "velk_collapsible_text_panel",
                                 "velk_collapsible_image_panel",
                                 "velk_photo_hover_caption",
                                 "velk_slideshow"};
    // One section of one column for each, one under the other, the object dropped into its cell.
    int y = 0;
    for (const char* code : codes) {
        view->concludeDragOperation({QStringLiteral("velk_section1")}, QPointF(0, y));
        view->concludeDragOperation({QString::fromLatin1(code)}, QPointF(100, y + 100));
        y += 400;
    }
    ASSERT_EQ(document.graphics().size(), 20);
    auto slideshow = std::dynamic_pointer_cast<SKTSlideshow>(document.graphics().first());
    ASSERT_TRUE(slideshow);
    slideshow->addIntoImageArray(
        view->createNewSlideshowImage(picture(640, 480, Qt::darkRed), QStringLiteral("JPG")));
    slideshow->addIntoImageArray(
        view->createNewSlideshowImage(picture(480, 640, Qt::darkBlue), QStringLiteral("PNG")));

    const QString location = pathInHome(QStringLiteral("documents/home.velk"));
    ASSERT_TRUE(document.saveThisPage(location, 0));
    ASSERT_TRUE(pageTextIn(location).contains(QStringLiteral("Testimony signature")));

    // Opened, every component keeps its kind and its cells' texts, and the slideshow its slides; saved
    // and opened again, the page is written the same.
    SKTDocument opened;
    opened.setFileLocation(location);
    ASSERT_TRUE(opened.refreshDocument());
    QCoreApplication::processEvents();
    EXPECT_EQ(kindsOf(opened.graphics()), kindsOf(document.graphics()));
    for (qsizetype i = 0; i < document.graphics().size(); ++i) {
        const auto before = std::dynamic_pointer_cast<SKTTable>(document.graphics().at(i));
        const auto after = std::dynamic_pointer_cast<SKTTable>(opened.graphics().at(i));
        if (before && after) {
            EXPECT_EQ(cellTexts(*after), cellTexts(*before)) << before->gridType().toStdString();
        }
    }
    const auto reopenedSlideshow = std::dynamic_pointer_cast<SKTSlideshow>(opened.graphics().first());
    ASSERT_TRUE(reopenedSlideshow);
    EXPECT_EQ(reopenedSlideshow->imageArray().size(), 2);

    const QString copy = pathInHome(QStringLiteral("copy/home.velk"));
    ASSERT_TRUE(opened.saveThisPage(copy, 0));
    const QString saved = pageTextIn(copy);
    SKTDocument again;
    again.setFileLocation(copy);
    ASSERT_TRUE(again.refreshDocument());
    QCoreApplication::processEvents();
    const QString last = pathInHome(QStringLiteral("last/home.velk"));
    ASSERT_TRUE(again.saveThisPage(last, 0));
    EXPECT_EQ(pageTextIn(last), saved);
}

} // namespace
