#include "../view/CanvasTestSupport.h"

#include "canvas/media/HyperLinkWindowController.h"
#include "canvas/media/SlideShow.h"
#include "canvas/media/SlideShowWindow.h"
#include "model/SKTSlideshow.h"
#include "platform/Format.h"
#include "platform/UserDefaults.h"
#include "support/LogCapture.h"

#include <QDir>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>

namespace {

// The window a slideshow editor stands in: names images "image0", "image1", ... and keeps what it is told.
class TestHost : public SlideShowHost {
public:
    QString getNextImageName(const TransformViewList&) const override
    {
        return QStringLiteral("image%1").arg(names++);
    }
    QString getCurrentDocPath() const override { return docPath; }
    int slideShowAutomaticFlag() const override { return automatic; }
    void setSlideShowAutomaticFlag(int flag) override { automatic = flag; }
    void slidesChanged(const TransformViewList& slides, int) override
    {
        changed = slides;
        ++changes;
    }

    mutable int names = 0;
    QString docPath;
    int automatic = 0;
    TransformViewList changed;
    int changes = 0;
};

QImage picture(int width, int height, const QColor& color = Qt::darkCyan)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

class SlideShowTest : public VelkTest {
protected:
    void SetUp() override
    {
        VelkTest::SetUp();
        UserDefaults::standard().setInteger(2000, QStringLiteral("SorrelMaxImageSize"));
        host.docPath = pathInHome(QStringLiteral("page"));
        slideShow = std::make_unique<SlideShow>(QSizeF(400, 300), host);
    }
    void TearDown() override
    {
        slideShow.reset();
        VelkTest::TearDown();
    }

    // Picture files in the test's home, chosen in the next open panel.
    QStringList pictureFiles(const QStringList& names)
    {
        QStringList paths;
        for (const QString& name : names) {
            paths << pathInHome(name);
            picture(600, 300).save(paths.last());
        }
        return paths;
    }
    void addSlides(int count)
    {
        QStringList names;
        for (int i = 0; i < count; ++i)
            names << QStringLiteral("slide%1.png").arg(i);
        panels.choose(pictureFiles(names));
        slideShow->addNewSlide();
    }
    QString caption() const { return slideShow->textView()->text(); }

    TestHost host;
    std::unique_ptr<SlideShow> slideShow;
};

} // namespace

TEST_F(SlideShowTest, TheCaptionCountsTheSlideOnShow)
{
    EXPECT_EQ(caption(), QStringLiteral("Right click to edit slideshow (0/0)"));
    addSlides(1);
    EXPECT_EQ(caption(), QStringLiteral("Right click to edit slideshow (1/1)"));
    EXPECT_TRUE(slideShow->nextButton()->isHidden());
    EXPECT_TRUE(slideShow->previousButton()->isHidden());
}

TEST_F(SlideShowTest, AddingSlidesThroughThePanelNamesAndFitsThemAndTellsTheWindow)
{
    LogCapture log;
    panels.choose(pictureFiles({QStringLiteral("a.png"), QStringLiteral("b.jpg")}));
    slideShow->addNewSlide();
    EXPECT_EQ(panels.lastAllowedTypes(), (QStringList{"jpg", "JPG", "png", "PNG", "jpeg", "JPEG"}));
    const TransformViewList slides = slideShow->imageArray();
    ASSERT_EQ(slides.size(), 2);
    EXPECT_EQ(slides[0]->imageName(), QStringLiteral("image0"));
    EXPECT_EQ(slides[0]->imageType(), QStringLiteral("PNG"));
    EXPECT_EQ(slides[1]->imageType(), QStringLiteral("JPG"));
    EXPECT_EQ(slides[1]->slideNumber(), 1);
    // 600 x 300 fitted to the width 400, each centred in its own cell of the strip.
    EXPECT_EQ(slides[1]->frame(), QRectF(400, 50, 400, 200));
    EXPECT_EQ(log.linesContaining(QStringLiteral("it's slidenumber=0, do not slide")).size(), 2);
    EXPECT_EQ(host.changes, 1);
    EXPECT_EQ(host.changed, slides);
    EXPECT_TRUE(QFile::exists(QDir(host.docPath).filePath(QStringLiteral("image1o.JPG"))));
}

TEST_F(SlideShowTest, AWidePictureIsKeptAtTheMaximumWidth)
{
    const auto slide = slideShow->createNewSlideshowImage(picture(3000, 1500), QStringLiteral("JPG"));
    const QImage kept(QDir(host.docPath).filePath(slide->imageName() + QStringLiteral("o.JPG")));
    EXPECT_EQ(kept.size(), QSize(2000, 1000)) << "2000 wide, the height divided by 1.5";
    EXPECT_EQ(slide->frame().size(), QSizeF(400, 200));
    EXPECT_EQ(slide->image().width(), 3000) << "the slide keeps the picture itself";
}

TEST_F(SlideShowTest, StepsStayOnTheSlides)
{
    addSlides(3);
    EXPECT_EQ(slideShow->slideNumber(), 0);
    EXPECT_FALSE(slideShow->nextButton()->isHidden());
    EXPECT_TRUE(slideShow->previousButton()->isHidden());
    slideShow->nextButton()->click();
    EXPECT_EQ(slideShow->slideNumber(), 1);
    EXPECT_EQ(slideShow->horizontalScrollBar()->value(), 400);
    EXPECT_FALSE(slideShow->previousButton()->isHidden());
    slideShow->showNext();
    slideShow->showNext();
    EXPECT_EQ(slideShow->slideNumber(), 2) << "showNext at the last slide keeps it";
    EXPECT_TRUE(slideShow->nextButton()->isHidden());
    EXPECT_EQ(caption(), QStringLiteral("Right click to edit slideshow (3/3)"));
    slideShow->showPrevious();
    slideShow->showPrevious();
    slideShow->showPrevious();
    EXPECT_EQ(slideShow->slideNumber(), 0);
}

TEST_F(SlideShowTest, TheMenuDeletesReplacesLinksAndAutomates)
{
    addSlides(2);
    QMenu* menu = slideShow->slideshowMenu();
    EXPECT_EQ(menu->title(), QStringLiteral("Menu"));
    const auto item = [&](const char* name) { return menu->findChild<QAction*>(QLatin1String(name)); };
    EXPECT_EQ(item("addNewSlide")->text(), QStringLiteral("Add Image"));

    slideShow->showNext();
    panels.choose(pictureFiles({QStringLiteral("new.jpg")}));
    item("replaceCurrentSlide")->trigger();
    EXPECT_EQ(slideShow->imageArray()[1]->imageType(), QStringLiteral("JPG"));
    EXPECT_EQ(slideShow->imageArray()[1]->slideNumber(), 1);

    item("linkCurrentSlide")->trigger();
    HyperLinkWindowController* link = slideShow->hyperLinkWindowController();
    ASSERT_TRUE(link);
    EXPECT_EQ(link->windowTitle(), QStringLiteral("Apply Hyper Link"));
    link->linkTextbox()->setText(QStringLiteral("https://example.org/"));
    link->saveLinkButton()->click();
    EXPECT_EQ(slideShow->imageArray()[1]->link(), QStringLiteral("https://example.org/"));
    EXPECT_FALSE(link->isVisible());

    item("switchSlideshowAsAutomatic")->trigger();
    EXPECT_EQ(host.automatic, 1);
    item("switchSlideshowAsAutomatic")->trigger();
    EXPECT_EQ(host.automatic, 0);

    item("deleteCurrentSlide")->trigger();
    EXPECT_EQ(slideShow->imageArray().size(), 1);
    EXPECT_EQ(slideShow->slideNumber(), 0);
    item("deleteCurrentSlide")->trigger();
    EXPECT_TRUE(slideShow->imageArray().isEmpty());
    EXPECT_EQ(slideShow->slideNumber(), 0);
    EXPECT_EQ(caption(), QStringLiteral("Right click to edit slideshow (0/0)"));
    EXPECT_TRUE(host.changed.isEmpty());
}

TEST_F(SlideShowTest, ACancelledPanelOrAnUnreadableFileAddsNothing)
{
    panels.cancel();
    slideShow->addNewSlide();
    const QString broken = pathInHome(QStringLiteral("broken.png"));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a picture");
    file.close();
    panels.choose({broken});
    slideShow->addNewSlide();
    EXPECT_TRUE(slideShow->imageArray().isEmpty());
    EXPECT_EQ(host.changes, 0);
}

// ---- The editor as the user reaches it: from the canvas's context menu on a selected slideshow.

class SlideShowWindowTest : public CanvasTest {};

TEST_F(SlideShowWindowTest, TheCanvasMenuOpensTheEditorWhoseSlidesGoIntoThePage)
{
    auto slideshow = std::make_shared<SKTSlideshow>();
    slideshow->initWithProperties({{QStringLiteral("bounds"), Format::rect(QRectF(10, 10, 300, 200))}});
    slideshow->setSelectable(true);
    document.insertGraphics({slideshow}, {0});
    document.setDocumentEdited(false);

    view->menuForEvent(QPointF(1, 1));
    EXPECT_FALSE(view->menu()->findChild<QAction*>(QStringLiteral("editSlideshow"))->isVisible());
    selection.setSelectedGraphics({slideshow});
    view->menuForEvent(QPointF(50, 50));
    QAction* edit = view->menu()->findChild<QAction*>(QStringLiteral("editSlideshow"));
    ASSERT_TRUE(edit->isVisible());
    edit->trigger();
    SlideShowWindow* window = view->slideShowWindow();
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->slideShow()->size(), QSize(300, 200));

    const QString file = pathInHome(QStringLiteral("photo.png"));
    picture(600, 400).save(file);
    panels.choose({file});
    window->slideShow()->slideshowMenu()->findChild<QAction*>(QStringLiteral("addNewSlide"))->trigger();
    ASSERT_EQ(slideshow->imageArray().size(), 1);
    EXPECT_EQ(slideshow->imageArray().first()->imageName(), QStringLiteral("image0"));
    EXPECT_TRUE(document.isDocumentEdited());

    window->slideShow()->slideshowMenu()->findChild<QAction*>(QStringLiteral("switchSlideshowAsAutomatic"))->trigger();
    EXPECT_EQ(slideshow->slideShowAutomaticFlag(), 1);
}
