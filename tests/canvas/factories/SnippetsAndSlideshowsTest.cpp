#include "../input/CanvasInputTestSupport.h"

#include "model/SKTSlideshow.h"
#include "platform/Alert.h"

// HTML snippet boxes (free, video, buy button) and empty slideshows, from the menus and the object library.

namespace {

const QString kNotice = QStringLiteral("Looking for more Buy Button styles?");

class SnippetsAndSlideshowsTest : public CanvasInputTest {
protected:
    void SetUp() override
    {
        CanvasInputTest::SetUp();
        view->setCanvasSize(QSizeF(2200, 1000));
    }

    std::shared_ptr<SKTText> frontText() const
    {
        return std::dynamic_pointer_cast<SKTText>(document.graphics().first());
    }
    std::shared_ptr<SKTSlideshow> frontSlideshow() const
    {
        return std::dynamic_pointer_cast<SKTSlideshow>(document.graphics().first());
    }
};

TEST_F(SnippetsAndSlideshowsTest, ASnippetIsALightGreyDashedBoxOfRawHtmlAtWholePoints)
{
    view->concludeDragOperation({QStringLiteral("velk_htmlsnippet")}, QPointF(120.7, 340.2));
    const std::shared_ptr<SKTText> snippet = frontText();
    ASSERT_TRUE(snippet);
    EXPECT_EQ(snippet->bounds(), QRectF(120, 340, 250, 100));
    EXPECT_EQ(snippet->textString(), QStringLiteral("<b>Enter HTML code here</b>"));
    EXPECT_EQ(snippet->textType(), QStringLiteral("HTMLSnippet"));
    EXPECT_EQ(snippet->fillColor(), QColor(0xDC, 0xDC, 0xDC));
    EXPECT_EQ(snippet->backgroundHexColorString(), QStringLiteral("DCDCDC"));
    EXPECT_EQ(snippet->textHexColorString(), QStringLiteral("4F4C4C"));
    EXPECT_EQ(snippet->borderStyle(), QStringLiteral("dashed"));
    EXPECT_FLOAT_EQ(float(snippet->opacity()), 0.9f);
    EXPECT_EQ(snippet->fontFamily(), QStringLiteral("Helvetica Neue"));
    EXPECT_EQ(snippet->slideShowNumber(), -99);
    EXPECT_TRUE(alerts.records().isEmpty());
}

TEST_F(SnippetsAndSlideshowsTest, TheMenuSnippetsLandAtTheInsertionPointWithTheirSizes)
{
    const QPointF origin = view->calculateOriginPoint();
    const struct {
        void (SKTGraphicView::*action)();
        QSizeF size;
        const char* marker;
    } cases[] = {
        {&SKTGraphicView::addNewHTMLSnippet, {250, 100}, "<b>Enter HTML code here</b>"},
        {&SKTGraphicView::addYouTubeHTMLSnippet, {640, 480}, "src=\"REPLACE_WITH_VIDEO_URL\""},
        {&SKTGraphicView::addPaypalSnippet,
         {700, 200},
         "<input type=\"hidden\" name=\"amount\" value=\"0.99\">"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.marker);
        (view.get()->*c.action)();
        const std::shared_ptr<SKTText> snippet = frontText();
        ASSERT_TRUE(snippet);
        EXPECT_EQ(snippet->bounds(), QRectF(origin, c.size));
        EXPECT_TRUE(snippet->textString().contains(QLatin1String(c.marker)))
            << snippet->textString().toStdString();
    }
    EXPECT_EQ(alerts.messages(), QStringList{kNotice}) << "only the buy button brings the notice";
}

TEST_F(SnippetsAndSlideshowsTest, TheVideoIsAResponsiveEmbedAndTheBuyButtonASingleItemForm)
{
    view->concludeDragOperation({QStringLiteral("velk_video")}, QPointF(10, 20));
    EXPECT_EQ(frontText()->bounds(), QRectF(10, 20, 640, 480));
    EXPECT_EQ(
        frontText()->textString(),
        QStringLiteral("<div class=\"embed-responsive embed-responsive-4by3\">\n"
                       "<iframe class=\"embed-responsive-item\" src=\"REPLACE_WITH_VIDEO_URL\"></iframe>\n"
                       "</div>"));

    view->concludeDragOperation({QStringLiteral("velk_buynowbutton")}, QPointF(10, 20));
    const QStringList lines = frontText()->textString().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 8) << "one element per line";
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("<form name=\"_xclick\" action=\"https://")));
    EXPECT_TRUE(lines[0].contains(QStringLiteral("/ca/cgi-bin/webscr\" method=\"post\">")));
    const QStringList hidden[] = {{"cmd", "_xclick"},
                                  {"business", "@"},
                                  {"currency_code", "USD"},
                                  {"item_name", "Product Name"},
                                  {"amount", "0.99"}};
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(lines[i + 1].startsWith(
            QStringLiteral("<input type=\"hidden\" name=\"%1\" value=\"").arg(hidden[i][0])))
            << lines[i + 1].toStdString();
        EXPECT_TRUE(lines[i + 1].contains(hidden[i][1]));
    }
    EXPECT_TRUE(
        lines[6].contains(QStringLiteral("/en_US/i/btn/x-click-but01.gif\" border=\"0\" name=\"submit\">")));
    EXPECT_TRUE(lines[6].startsWith(QStringLiteral("<input type=\"image\" src=\"http://")));
    EXPECT_EQ(lines[7], QStringLiteral("</form>"));
}

TEST_F(SnippetsAndSlideshowsTest, TheBuyButtonNoticeComesAfterTheInsertionAndTheDropGoesOn)
{
    qsizetype onPageWhenAsked = -1;
    QStringList texts;
    Alert::setResponder([&](const Alert& alert) {
        onPageWhenAsked = document.graphics().size();
        texts << alert.messageText << alert.informativeText << alert.effectiveButtons();
        return 0;
    });
    view->concludeDragOperation({QStringLiteral("velk_buynowbutton"), QStringLiteral("velk_htmlsnippet"),
                                 QStringLiteral("velk_video")},
                                QPointF(40, 50));
    EXPECT_EQ(onPageWhenAsked, 1) << "the form is on the page when the notice shows";
    EXPECT_EQ(texts, (QStringList{
                         kNotice,
                         QStringLiteral("The generic snippet here will help you quickly set up a simple Buy "
                                        "Button.\n\nFor more advanced styles, please visit PayPal's website "
                                        "and use the button generator."),
                         QStringLiteral("OK")}));
    EXPECT_EQ(document.graphics().size(), 2) << "the free snippet ends the drop";
    EXPECT_EQ(frontText()->textString(), QStringLiteral("<b>Enter HTML code here</b>"));
}

TEST_F(SnippetsAndSlideshowsTest, AnEmptySlideshowInvitesEditingAndFillsASectionCellOnAResponsivePage)
{
    view->concludeDragOperation({QStringLiteral("velk_slideshow")}, QPointF(33.9, 44.2));
    std::shared_ptr<SKTSlideshow> slideshow = frontSlideshow();
    ASSERT_TRUE(slideshow);
    EXPECT_EQ(slideshow->bounds(), QRectF(33, 44, 500, 300));
    EXPECT_TRUE(slideshow->imageArray().isEmpty());
    EXPECT_EQ(slideshow->borderStyle(), QStringLiteral("dashed"));
    EXPECT_EQ(slideshow->linkOption(), QStringLiteral("_self"));
    EXPECT_EQ(slideshow->fillColor(), QColor(Qt::transparent));

    ProductProfile& profile = DataCentre::mutableProfile();
    profile.responsiveDesign = true;
    // Inside the section's side paddings of 5% each of its three columns is 600 wide.
    profile.sectionWidth = 2000;
    profile.sectionHeight = 300;
    view->addSection({QStringLiteral("4"), QStringLiteral("4"), QStringLiteral("4")}, 3, QPointF(0, 400));
    const QPointF point(1000, 480);
    const QRect cell = view->grabOverLappingSectionCell(point);
    ASSERT_EQ(cell.width(), 600);
    ASSERT_TRUE(drop(QStringLiteral("velk_slideshow"), point));
    slideshow = frontSlideshow();
    ASSERT_TRUE(slideshow);
    EXPECT_EQ(slideshow->bounds(), QRectF(cell.x(), 480, 600, 200));
    EXPECT_EQ(slideshow->sectionNumber(), document.graphics().last()->sectionNumber()) << "it joins the cell";
    EXPECT_EQ(slideshow->sectionColumnSpot(), 1);

    // From the menu: at the insertion point.
    profile.responsiveDesign = false;
    view->addSlideshow();
    EXPECT_EQ(frontSlideshow()->bounds(), QRectF(view->calculateOriginPoint(), QSizeF(500, 300)));
}

} // namespace
