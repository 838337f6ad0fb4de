#include "DocumentTestSupport.h"
#include "document/writing/PageImage.h"
#include "model/SKTGalleryGrid.h"
#include "model/SKTLine.h"
#include "model/SKTSlideshow.h"
#include "model/SKTTable.h"
#include "model/SKTText.h"

namespace {

std::shared_ptr<TransformView> picture(int tableNumber = -99)
{
    auto made = TransformView::initWithFrame(QRectF());
    made->setTableNumber(tableNumber);
    return made;
}

class GenerationNumberingTest : public DocumentTest {
protected:
    void add(const std::shared_ptr<SKTGraphic>& graphic)
    {
        document.insertGraphics({graphic}, {int(document.graphics().size())});
    }

    SKTDocument document;
};

} // namespace

TEST_F(GenerationNumberingTest, GalleriesAreNumberedFromTheLast)
{
    QList<std::shared_ptr<SKTGalleryGrid>> galleries;
    for (int i = 0; i < 3; ++i) {
        auto gallery = std::make_shared<SKTGalleryGrid>();
        gallery->setShadowFlag(i == 1 ? 1 : 0);
        gallery->setBackdropLightingFlag(i);
        gallery->setImageArray({picture(), picture()});
        add(std::make_shared<SKTText>());
        add(gallery);
        galleries << gallery;
    }
    document.populateGalleryImageDimensions();
    for (int i = 0; i < 3; ++i) {
        for (const std::shared_ptr<TransformView>& p : galleries.at(i)->imageArray()) {
            EXPECT_EQ(p->galleryNumber(), 2 - i);
            EXPECT_EQ(int(p->shadowFlag()), i == 1 ? 1 : 0);
            EXPECT_EQ(p->backdropLightingFlag(), i);
        }
    }
}

TEST_F(GenerationNumberingTest, TablesNumberTheirBackgroundsCellsAndUnderTableImagesTheirPictures)
{
    auto first = std::make_shared<SKTTable>();
    const auto background = picture();
    first->setTableBackgroundArray({background});
    first->setTableBackgroundImage(background);
    first->setCellHelperArray({myTextView::initWithFrame(QRectF())});
    first->setImageArray({picture(7)});
    auto last = std::make_shared<SKTTable>();
    last->setCellHelperArray({myTextView::initWithFrame(QRectF()), myTextView::initWithFrame(QRectF())});
    last->setImageArray({picture(7)});
    add(first);
    add(std::make_shared<SKTText>());
    add(last);

    document.populateTableNumbers();
    EXPECT_EQ(first->tableBackgroundImage()->tableNumber(), 1);
    EXPECT_EQ(first->cellHelperArray().first()->tableNumber(), 1);
    for (const std::shared_ptr<myTextView>& cell : last->cellHelperArray())
        EXPECT_EQ(cell->tableNumber(), 0) << "a table without a background still numbers its cells";
    EXPECT_EQ(first->imageArray().first()->tableNumber(), 7) << "pictures keep theirs without table images";

    DataCentre::mutableProfile().tableImages = true;
    document.populateTableNumbers();
    EXPECT_EQ(first->imageArray().first()->tableNumber(), 1);
    EXPECT_EQ(last->imageArray().first()->tableNumber(), 0);
}

TEST_F(GenerationNumberingTest, TheTemplateNameIsStampedOnEveryKindButTableMembers)
{
    auto text = std::make_shared<SKTText>();
    auto slideshow = std::make_shared<SKTSlideshow>();
    slideshow->setImageArray({picture()});
    auto gallery = std::make_shared<SKTGalleryGrid>();
    gallery->setImageArray({picture()});
    auto table = std::make_shared<SKTTable>();
    table->setCellHelperArray({myTextView::initWithFrame(QRectF())});
    table->setImageArray({picture()});
    auto line = std::make_shared<SKTLine>();
    for (const auto& graphic : GraphicList{text, slideshow, gallery, table, line})
        add(graphic);

    document.resetTemplateName(QStringLiteral("about"));
    for (const std::shared_ptr<SKTGraphic>& graphic : document.graphics())
        EXPECT_EQ(graphic->templateName(), QStringLiteral("about")) << graphic->className().toStdString();
    EXPECT_EQ(slideshow->imageArray().first()->templateName(), QStringLiteral("about"));
    EXPECT_EQ(gallery->imageArray().first()->templateName(), QStringLiteral("about"));
    EXPECT_TRUE(table->cellHelperArray().first()->templateName().isEmpty());
    EXPECT_TRUE(table->imageArray().first()->templateName().isEmpty());
}

TEST_F(GenerationNumberingTest, OnlyASlideshowNeedsTheScripts)
{
    add(std::make_shared<SKTText>());
    EXPECT_FALSE(document.needJqueryScripts());
    add(std::make_shared<SKTSlideshow>());
    EXPECT_TRUE(document.needJqueryScripts());
}

TEST_F(GenerationNumberingTest, AFileIsInUseWhileAnImageOfThePageNamesIt)
{
    document.setPageName(QStringLiteral("home"));
    const auto named = [](const QString& name, const QString& templateName, bool masked = false) {
        auto record = TransformView::initWithFrame(QRectF());
        record->setImageName(name);
        record->setImageType(QStringLiteral("png"));
        record->setTemplateName(templateName);
        if (masked) {
            QImage mask(2, 2, QImage::Format_ARGB32);
            mask.fill(Qt::black);
            record->setMaskImage(mask);
        }
        return PageImage(record);
    };
    const PageImageList images = {named(QStringLiteral("image1"), QStringLiteral("home")),
                                  named(QStringLiteral("image2"), QStringLiteral("basetemplate"), true)};
    struct Case {
        const char* file;
        const char* extension;
        bool inUse;
    };
    const Case cases[] = {
        {"image1", "png", true},         {"image1@2x", "png", true}, {"image1o", "png", true},
        {"image1", "jpg", false},        {"image1x", "png", false},  {"image2", "png", false},
        {"image2_mask", "png", true},    {"background", "png", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(document.isImageInUse(QString::fromLatin1(c.file), QString::fromLatin1(c.extension), images),
                  c.inUse)
            << c.file << "." << c.extension;
    }
    document.setBackgroundImageFlag(1);
    EXPECT_TRUE(document.isImageInUse(QStringLiteral("backgroundo"), QStringLiteral("JPG"), images));
    document.setUseBaseTemplateFlag(1);
    EXPECT_FALSE(document.isImageInUse(QStringLiteral("background"), QStringLiteral("PNG"), images))
        << "a page on the base template shows the template's background";
}
