#include "codegen/PageCodeContext.h"
#include "codegen/widgets/CarouselCode.h"
#include "codegen/widgets/PhotoGalleryCode.h"
#include "model/SKTGalleryGrid.h"
#include "model/SKTSlideshow.h"

#include <gtest/gtest.h>

namespace {

std::shared_ptr<TransformView> picture(const QString& name, int row = -99, int column = -99)
{
    auto made = std::make_shared<TransformView>(QRectF(0, 0, 50, 50));
    made->setImageName(name);
    made->setImageType(QStringLiteral("jpg"));
    made->setSelectable(1);
    made->setRowSpot(row);
    made->setColumnSpot(column);
    return made;
}

// A page of the graphics, the last of them number 1.
PageCodeContext pageOf(const GraphicList& graphics)
{
    PageCodeContext page;
    page.graphics = graphics;
    page.pageName = QStringLiteral("home");
    return page;
}

std::shared_ptr<SKTGalleryGrid> gallery(int rows, int columns, const TransformViewList& pictures)
{
    auto grid = std::make_shared<SKTGalleryGrid>();
    grid->setBounds(QRectF(20, 300.5, 600, 400));
    grid->setNumOfRows(rows);
    grid->setNumOfColumns(columns);
    grid->setImageArray(pictures);
    return grid;
}

TEST(PhotoGalleryCodeTest, ColumnsShareTheTwelveBootstrapColumns)
{
    struct Case {
        int columns;
        const char* item;
    };
    const Case cases[] = {{3, "col-sm-4 col-xs-4"}, {5, "col-sm-2 col-xs-2"}, {1, "col-sm-12 col-xs-12"}};
    for (const Case& c : cases) {
        auto grid = gallery(1, c.columns, {picture(QStringLiteral("image1"), 0, 0)});
        const QString body = PhotoGalleryCode::grabPhotoGalleryCode(*grid, pageOf({grid})).bodyString();
        EXPECT_TRUE(
            body.contains(QStringLiteral("<li class=\"galleryGrid1 %1\">").arg(QLatin1String(c.item))))
            << body.toStdString();
    }
}

TEST(PhotoGalleryCodeTest, ListsThePicturesOfItsCellsInReadingOrder)
{
    auto other = std::make_shared<SKTGalleryGrid>();
    auto template_ = picture(QStringLiteral("image9"), 1, 0);
    template_->setSelectable(0);
    template_->setTemplateName(QStringLiteral("basetemplate"));
    // Cell (0, 1) is empty and one picture lies outside the grid.
    auto grid = gallery(2, 2,
                        {picture(QStringLiteral("image3"), 1, 1), picture(QStringLiteral("image1"), 0, 0),
                         template_, picture(QStringLiteral("image7"), 5, 5)});
    const CodeWidgetHelper code = PhotoGalleryCode::grabPhotoGalleryCode(*grid, pageOf({other, grid}));
    EXPECT_EQ(code.bodyString(),
              QStringLiteral(
                  "\n<ul class=\"galleryGrid1 row\">\n\n"
                  "<li class=\"galleryGrid1 col-sm-6 col-xs-6\"><img class=\"img-responsive thumbnail\" "
                  "src=\"home/image1o.jpg\">\n</li>\n"
                  "<li class=\"galleryGrid1 col-sm-6 col-xs-6\"><img class=\"img-responsive thumbnail\" "
                  "src=\"basetemplate/image9o.jpg\">\n</li>\n"
                  "<li class=\"galleryGrid1 col-sm-6 col-xs-6\"><img class=\"img-responsive thumbnail\" "
                  "src=\"home/image3o.jpg\">\n</li>\n</ul>\n"
                  "<div class=\"modal fade\" id=\"myModal1\" tabindex=\"-1\" role=\"dialog\" "
                  "aria-labelledby=\"myModalLabel\" aria-hidden=\"true\">\n<div class=\"modal-dialog\">\n"
                  "<div class=\"modal-content\">\n<div class=\"modal-body\">\n</div>\n</div>\n</div>\n"
                  "</div>\n\n"));
    EXPECT_EQ(code.rect(), QRectF(20, 300.5, 600, 400));
    EXPECT_EQ(code.originY(), 300);
    EXPECT_TRUE(code.headerString().startsWith(QStringLiteral(".galleryGrid1{\nlist-style:none;")));
    EXPECT_TRUE(code.headerString().contains(QStringLiteral("top:45%;")));
    EXPECT_EQ(code.javaScriptString().count(QStringLiteral("galleryGrid1")), 7);
    EXPECT_EQ(code.javaScriptString().count(QStringLiteral("myModal1")), 6);
    EXPECT_FALSE(code.javaScriptString().contains(QStringLiteral("%d")));
}

TEST(PhotoGalleryCodeTest, NoRowsOrColumnsGiveAnEmptyList)
{
    for (const auto& [rows, columns] : {std::pair{0, 3}, std::pair{2, 0}}) {
        auto grid = gallery(rows, columns, {picture(QStringLiteral("image1"), 0, 0)});
        EXPECT_TRUE(PhotoGalleryCode::grabPhotoGalleryCode(*grid, pageOf({grid}))
                        .bodyString()
                        .startsWith(QStringLiteral("\n<ul class=\"galleryGrid1 row\">\n\n</ul>\n")));
    }
}

std::shared_ptr<SKTSlideshow> slideshow(const TransformViewList& slides)
{
    auto show = std::make_shared<SKTSlideshow>();
    show->setBounds(QRectF(0, 40.9, 800, 300));
    show->setSelectable(true);
    show->setImageArray(slides);
    return show;
}

TEST(CarouselCodeTest, ThreeSlidesHaveThreeIndicatorsTheFirstActive)
{
    auto show = slideshow({picture(QStringLiteral("image1")), picture(QStringLiteral("image2")),
                           picture(QStringLiteral("image3"))});
    auto other = std::make_shared<SKTSlideshow>();
    const std::optional<CodeWidgetHelper> code = CarouselCode::generateCarousel(*show, pageOf({show, other}));
    ASSERT_TRUE(code);
    const QString body = code->bodyString();
    EXPECT_TRUE(body.startsWith(QStringLiteral(
        "<div id=\"carousel2\" class=\"carousel slide\" data-ride=\"carousel\" data-interval=\"50000\">\n"
        "<!--START CAROUSEL-->\n<ol class=\"carousel-indicators\">\n\n"
        "<li data-target=\"#carousel2\" data-slide-to=\"0\" class=\"active\"></li>\n\n"
        "<li data-target=\"#carousel2\" data-slide-to=\"1\"></li>\n\n"
        "<li data-target=\"#carousel2\" data-slide-to=\"2\"></li>\n\n</ol>\n\n")))
        << body.toStdString();
    EXPECT_EQ(body.count(QStringLiteral("<div class=\"item active\">\n<img src=\"home/image1@2x.jpg\"")), 1);
    EXPECT_EQ(body.count(QStringLiteral("<div class=\"item\">")), 2);
    EXPECT_TRUE(body.endsWith(QStringLiteral("</a>\n\n<!--END CAROUSEL-->\n</div>\n")));
    EXPECT_EQ(code->originY(), 40);
    EXPECT_FALSE(code->partOfTableFlag());
    EXPECT_TRUE(code->headerString().contains(QStringLiteral(".image_fullWidth {\nwidth:100%;\n}")));
}

TEST(CarouselCodeTest, BaseTemplateSlidesComeFromItsFolderAndCaptionsAreEscaped)
{
    auto slide = picture(QStringLiteral("image4"));
    slide->setAltText(QStringLiteral("Tom \"&\" <Jerry>"));
    auto show = slideshow({slide});
    show->setSelectable(false);
    const QString body = CarouselCode::generateCarousel(*show, pageOf({show}))->bodyString();
    EXPECT_TRUE(body.contains(
        QStringLiteral("<img src=\"basetemplate/image4@2x.jpg\" class=\"image_fullWidth "
                       "center-block\" alt=\"Tom &quot;&amp;&quot; &lt;Jerry&gt;\">\n"
                       "<div class=\"carousel-caption\">\nTom \"&amp;\" &lt;Jerry&gt;\n</div>")))
        << body.toStdString();
}

TEST(CarouselCodeTest, ASlideshowWithoutSlidesGivesNoCarousel)
{
    auto show = slideshow({});
    EXPECT_FALSE(CarouselCode::generateCarousel(*show, pageOf({show})).has_value());
}

} // namespace
