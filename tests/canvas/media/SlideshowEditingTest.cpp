#include "ImageTestSupport.h"

#include "canvas/media/HyperLinkWindowController.h"
#include "model/SKTSlideshow.h"
#include "support/LogCapture.h"

#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

// The context menu's commands on the slide a selected slideshow shows, and the slide factory.

namespace {

class SlideshowEditingTest : public ImageCanvasTest {
protected:
    void SetUp() override
    {
        ImageCanvasTest::SetUp();
        UserDefaults::standard().setInteger(2000, QStringLiteral("SorrelMaxImageSize"));
    }

    // A slideshow of `count` slides on the page, the only graphic selected, its first slide on show.
    std::shared_ptr<SKTSlideshow> selectedSlideshow(int count)
    {
        view->addSlideshow_drag(QPointF(10, 10));
        auto slideshow = std::dynamic_pointer_cast<SKTSlideshow>(document.graphics().first());
        for (int i = 0; i < count; ++i)
            slideshow->addIntoImageArray(
                view->createNewSlideshowImage(picture(800, 600), QStringLiteral("JPG")));
        slideshow->setCurrentImageIndex(0);
        selection.setSelectedGraphics({slideshow});
        return slideshow;
    }

    // The canvas's context menu as it opens over the slideshow.
    void openedMenu() { view->menuForEvent(QPointF(50, 50)); }
    QAction* item(const char* name) const { return view->menu()->findChild<QAction*>(QLatin1String(name)); }
};

TEST_F(SlideshowEditingTest, ASlideKeepsItsOriginalNoWiderThanTheMaximum)
{
    const struct {
        QSize picture;
        const char* type;
        QSize stored;
        QSize file;
        QSizeF frame;
    } cases[] = {
        // 2000 x 1333.33, drawn on whole pixels.
        {{3000, 2000}, "JPG", {2000, 1333}, {2000, 1334}, {400, 266}},
        {{1200, 800}, "PNG", {1200, 800}, {1200, 800}, {400, 266}},
        {{300, 600}, "JPG", {300, 600}, {300, 600}, {200, 400}},
    };
    UserDefaults::standard().setInteger(1, QStringLiteral("SorrelRetinaFlag"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        const QString name = view->getNextImageName();
        const std::shared_ptr<TransformView> slide = view->createNewSlideshowImage(
            picture(c.picture.width(), c.picture.height()), QLatin1String(c.type));
        EXPECT_EQ(slide->imageName(), name);
        EXPECT_EQ(slide->imageType(), QLatin1String(c.type));
        EXPECT_EQ(QSize(slide->originalWidth(), slide->originalHeight()), c.stored);
        EXPECT_EQ(slide->frame(), QRectF(QPointF(), c.frame)) << "fitted to the canvas's width, 400";
        EXPECT_EQ(slide->image().size(), c.picture) << "the slide shows the picture itself";
        EXPECT_EQ(slide->galleryNumber(), -99);
        EXPECT_EQ(slide->borderStyle(), QStringLiteral("none"));
        EXPECT_EQ(slide->retinaFlag(), 1);
        const QImage kept =
            readFile(QDir(pageFolder).filePath(name + QStringLiteral("o.") + QLatin1String(c.type)));
        EXPECT_EQ(kept.size(), c.file);
    }
}

TEST_F(SlideshowEditingTest, ReplacingTheThirdOfFiveSlidesPutsANewPictureInItsPlace)
{
    const std::shared_ptr<SKTSlideshow> slideshow = selectedSlideshow(5);
    const TransformViewList before = slideshow->imageArray();
    openedMenu();
    slideshow->setCurrentImageIndex(2);

    panels.choose({pictureFile(QStringLiteral("new.PNG"), 640, 480, Qt::yellow)});
    item("replaceSlide")->trigger();
    EXPECT_EQ(panels.lastRequest().prompt, QStringLiteral("Add New"));
    EXPECT_EQ(panels.lastAllowedTypes(), (QStringList{"jpg", "JPG", "png", "PNG", "jpeg", "JPEG"}));
    const TransformViewList after = slideshow->imageArray();
    ASSERT_EQ(after.size(), 5);
    for (int i : {0, 1, 3, 4})
        EXPECT_EQ(after[i], before[i]) << i;
    EXPECT_NE(after[2], before[2]);
    EXPECT_EQ(after[2]->slideNumber(), 2);
    EXPECT_EQ(after[2]->imageName(), QStringLiteral("image5"));
    EXPECT_EQ(after[2]->imageType(), QStringLiteral("PNG"));
    EXPECT_TRUE(samePixels(after[2]->image(), picture(640, 480, Qt::yellow)));
    EXPECT_TRUE(document.isDocumentEdited());

    // The extension names the type; a cancelled panel or a picture that does not load changes nothing.
    for (const auto& [file, type] :
         {std::pair{"b.jpeg", "JPG"}, std::pair{"c.JPG", "JPG"}, std::pair{"d.png", "PNG"}}) {
        panels.choose({pictureFile(QLatin1String(file), 64, 48)});
        view->replaceSlide();
        EXPECT_EQ(slideshow->imageArray()[2]->imageType(), QLatin1String(type)) << file;
    }
    const std::shared_ptr<TransformView> kept = slideshow->imageArray()[2];
    panels.cancel();
    view->replaceSlide();
    const QString broken = pathInHome(QStringLiteral("pictures/broken.png"));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a picture");
    file.close();
    LogCapture log;
    panels.choose({broken});
    view->replaceSlide();
    EXPECT_EQ(slideshow->imageArray()[2], kept);
    EXPECT_EQ(log.linesContaining(broken).size(), 1);
}

TEST_F(SlideshowEditingTest, DeletingTheLastSlideKeepsTheIndexOnASlide)
{
    const std::shared_ptr<SKTSlideshow> slideshow = selectedSlideshow(3);
    const TransformViewList before = slideshow->imageArray();
    openedMenu();
    slideshow->setCurrentImageIndex(2);
    item("deleteSlide")->trigger();
    EXPECT_EQ(slideshow->imageArray(), before.mid(0, 2));
    EXPECT_EQ(slideshow->currentImageIndex(), 1);

    slideshow->setCurrentImageIndex(0);
    view->deleteSlide();
    EXPECT_EQ(slideshow->imageArray(), TransformViewList{before[1]});
    EXPECT_EQ(slideshow->currentImageIndex(), 0);
    view->deleteSlide();
    EXPECT_TRUE(slideshow->imageArray().isEmpty());
    EXPECT_EQ(slideshow->currentImageIndex(), 0);
    view->deleteSlide();
    EXPECT_TRUE(slideshow->imageArray().isEmpty()) << "nothing left to delete";
}

TEST_F(SlideshowEditingTest, TheSlideCommandsShowForOneSlideshowWithSlides)
{
    const std::shared_ptr<SKTSlideshow> slideshow = selectedSlideshow(0);
    const char* const slideItems[] = {"deleteSlide", "replaceSlide", "linkSlide", "automateSlideShow"};
    openedMenu();
    for (const char* name : slideItems)
        EXPECT_FALSE(item(name)->isVisible()) << name << ": a slideshow without slides";
    EXPECT_TRUE(view->slideShowOptionsShown()) << "slides can be added";
    EXPECT_TRUE(item("firstSeparatorItem")->isVisible()) << "the add-slides item shows, and its separator with it";

    slideshow->addIntoImageArray(view->createNewSlideshowImage(picture(80, 60), QStringLiteral("JPG")));
    openedMenu();
    for (const char* name : slideItems)
        EXPECT_TRUE(item(name)->isVisible() && item(name)->isEnabled()) << name;
    EXPECT_TRUE(item("firstSeparatorItem")->isVisible());
    EXPECT_EQ(view->selectedSlideshow(), slideshow);

    view->addSnippet_drag(QStringLiteral("other"), QRectF(300, 10, 50, 20));
    selection.setSelectedGraphics(document.graphics());
    openedMenu();
    for (const char* name : slideItems)
        EXPECT_FALSE(item(name)->isVisible()) << name << ": two graphics selected";
    EXPECT_FALSE(view->slideShowOptionsShown());
}

TEST_F(SlideshowEditingTest, AutomaticScrollingSwitchesAndItsItemSaysWhichWay)
{
    const std::shared_ptr<SKTSlideshow> slideshow = selectedSlideshow(2);
    openedMenu();
    EXPECT_EQ(item("automateSlideShow")->text(), QStringLiteral("Set Auto Scrolling"));
    item("automateSlideShow")->trigger();
    EXPECT_EQ(slideshow->slideShowAutomaticFlag(), 1);
    openedMenu();
    EXPECT_EQ(item("automateSlideShow")->text(), QStringLiteral("Disable Auto Scrolling"));
    item("automateSlideShow")->trigger();
    EXPECT_EQ(slideshow->slideShowAutomaticFlag(), 0) << "twice in a row restores the first state";
    slideshow->setSlideShowAutomaticFlag(5);
    view->automateSlideShow();
    EXPECT_EQ(slideshow->slideShowAutomaticFlag(), 0);
}

TEST_F(SlideshowEditingTest, TheLinkOfTheSlideOnShowIsEditedInTheCanvasPopover)
{
    const std::shared_ptr<SKTSlideshow> slideshow = selectedSlideshow(2);
    slideshow->imageArray()[1]->setLink(QStringLiteral("old.html"));
    slideshow->setCurrentImageIndex(1);
    openedMenu();
    item("linkSlide")->trigger();
    Popover* popover = view->velkPopOver();
    ASSERT_TRUE(popover);
    EXPECT_TRUE(popover->isVisible());
    auto* field = popover->findChild<QLineEdit*>(QStringLiteral("linkTextbox"));
    ASSERT_TRUE(field);
    EXPECT_EQ(field->text(), QStringLiteral("old.html"));
    field->setText(QStringLiteral("https://example.org/new"));
    popover->findChild<QPushButton*>(QStringLiteral("saveLinkButton"))->click();
    EXPECT_EQ(slideshow->imageArray()[1]->link(), QStringLiteral("https://example.org/new"));
    EXPECT_EQ(slideshow->imageArray()[0]->link(), QStringLiteral(""));
    EXPECT_FALSE(popover->isVisible());
}

} // namespace
