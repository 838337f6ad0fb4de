#include "codegen/ImageElementCode.h"
#include "codegen/PageCodeContext.h"
#include "model/SKTImage.h"
#include "model/records/TransformView.h"
#include "profile/DataCentre.h"

#include <gtest/gtest.h>

namespace {

// The product profile each test sets up; the previous one comes back afterwards.
class ImageElementCodeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_saved = DataCentre::profile();
        DataCentre::resetProfile();
        page.pageName = QStringLiteral("home");
    }
    void TearDown() override { DataCentre::mutableProfile() = m_saved; }

    // A picture of the page with a pixel box around it, as the inspector leaves one.
    std::shared_ptr<SKTImage> pageImage()
    {
        auto image = std::make_shared<SKTImage>();
        image->setImageName(QStringLiteral("image3"));
        image->setImageType(QStringLiteral("png"));
        image->setSelectable(true);
        image->setSlideShowNumber(-99);
        image->setAltText(QStringLiteral("A cat"));
        image->setBorderHexColorString(QStringLiteral("112233"));
        image->setBorderStyle(QStringLiteral("solid"));
        image->setBorderWidth(2);
        image->setBounds(QRectF(10, 20, 300, 200));
        image->setTopPadding(5);
        image->setTopPaddingType(QStringLiteral("pixel"));
        image->setLeftPadding(10);
        image->setLeftPaddingType(QStringLiteral("%"));
        image->setBottomMargin(20);
        image->setBottomMarginType(QStringLiteral("pixel"));
        page.graphics = {image};
        return image;
    }

    CodeWidgetHelper generate(SKTGraphic& image, bool responsiveOutput = false)
    {
        return ImageElementCode::generateImageCode(image, responsiveOutput, page);
    }

    PageCodeContext page;

private:
    ProductProfile m_saved;
};

const QString kBox =
    QStringLiteral("padding-top:5px;padding-bottom:0%;padding-left:10%;padding-right:0%;margin-top:0%;"
                   "margin-bottom:20px;margin-left:0%;margin-right:0%;");
const QString kClassRule = QStringLiteral(".image3{border-width:2px;border-style:solid;border-color:#112233;"
                                          "opacity:1.000000;filter:alpha(opacity=100.000000);") +
                           kBox + QStringLiteral("}\n\n");
const QString kModalRules = QStringLiteral(
    ".modal img {\ntext-align:center;\nmargin:0 auto;\nbox-shadow: 0 5px 15px rgba(0, 0, 0, .5);\n}\n"
    ".modal{\noverflow-y: auto;\npadding:20px;\n}\n.close{\nposition:absolute;\ntop:0px;\nright:0px;\n"
    "color:white;\nwidth:44px;\nheight:44px;\nfont-size: 28px;\nfont-family: Arial, Baskerville, "
    "monospace;\n}\n");

} // namespace

TEST_F(ImageElementCodeTest, APlainImageWritesItsClassRuleBodyAndScript)
{
    const auto image = pageImage();
    const CodeWidgetHelper code = generate(*image);
    EXPECT_EQ(code.headerString(), kClassRule);
    EXPECT_EQ(code.bodyString(), QStringLiteral("<div class=image3><center><img src=\"home/image3@2x.png\" "
                                                "class=\"img-responsive\" alt=\"A cat\"></center></div>\n"));
    EXPECT_EQ(code.javaScriptString(),
              QStringLiteral(
                  "<script>\n$( document ).ready(function() {\nvar maxHeight = $(window).height() - 60 + "
                  "\"px\";\n$(\".modal img\").css(\"max-height\", maxHeight);\n});\n$(window).on(\"resize\", "
                  "function() {\nvar maxHeight = $(window).height() - 60 + \"px\";\n$(\".modal img\").css("
                  "\"max-height\", maxHeight);\n});\n$(window).trigger('resize');\n</script>\n"));
    EXPECT_EQ(code.rect(), QRectF()) << "the image generator leaves the frame to the assembler";
    EXPECT_EQ(image->rightMarginType(), QStringLiteral("%")) << "unset units are written back";
}

TEST_F(ImageElementCodeTest, ALinkedImageWrapsThePictureInItsLink)
{
    const auto image = pageImage();
    image->setLink(QStringLiteral("http://example.com/a"));
    image->setLinkOption(QString());
    const CodeWidgetHelper code = generate(*image);
    EXPECT_EQ(code.bodyString(),
              QStringLiteral(
                  "<div class=image3><a href=http://example.com/a target=_self><center><img "
                  "src=\"home/image3@2x.png\" class=\"img-responsive\" alt=\"A cat\"></center></a></div>\n"));
    EXPECT_EQ(image->linkOption(), QStringLiteral("_self"));

    for (const QString& noLink : {QStringLiteral("http://"), QStringLiteral(""), QString()}) {
        image->setLink(noLink);
        EXPECT_TRUE(generate(*image).bodyString().startsWith(QStringLiteral("<div class=image3><center>")))
            << noLink.toStdString();
    }
}

TEST_F(ImageElementCodeTest, APopUpImageOpensItsFullPictureInAModal)
{
    const auto image = pageImage();
    image->setImageEnlargeFlag(1);
    image->setBackdropLightingFlag(0);
    CodeWidgetHelper code = generate(*image);
    const QString modal = kModalRules + QStringLiteral(".modal-backdrop{\nbackground-color: white;\n}");
    EXPECT_EQ(code.headerString(), modal) << "no class rule outside responsive output";
    EXPECT_EQ(
        code.bodyString(),
        QStringLiteral(
            "<a class=image3 href=\"#popup_image3\" title=\"A cat\" data-toggle=\"modal\" "
            "data-target=\"#popup_image3\"><img class=\"img-responsive\" src=\"home/image3o.png\"></a>\n"
            "<div class=\"modal fade\" id=\"popup_image3\" tabindex=\"-1\" role=\"dialog\" "
            "aria-labelledby=\"#popUpLabel_image3\" aria-hidden=\"true\">\n<button type=\"button\" "
            "class=\"close\" data-dismiss=\"modal\">x</button>\n<img class=\"img-responsive\" "
            "src=\"home/image3o.png\">\n<p align=center><span style=\"background-color:#ffffff; "
            "padding-right:10px;padding-left:10px;\">A cat</span></p>\n</div>\n"));

    DataCentre::mutableProfile().responsiveDesign = true;
    image->setBackdropLightingFlag(1);
    EXPECT_EQ(generate(*image, false).headerString(), kModalRules);
    EXPECT_EQ(generate(*image, true).headerString(), kClassRule + QStringLiteral("\n") + kModalRules);
    image->setBackdropLightingFlag(2);
    EXPECT_TRUE(generate(*image).headerString().endsWith(
        QStringLiteral(".modal-backdrop{\nbackground-color: transparent;\n}")));
}

TEST_F(ImageElementCodeTest, APopUpImageWithALinkCarriesItTwice)
{
    const auto image = pageImage();
    image->setImageEnlargeFlag(1);
    image->setLink(QStringLiteral("http://example.com"));
    const QString body = generate(*image).bodyString();
    EXPECT_TRUE(
        body.startsWith(QStringLiteral("<a class=image3 href=\"#popup_image3\" href=http://example.com "
                                       "title=\"A cat\" data-toggle")));
    EXPECT_TRUE(body.contains(
        QStringLiteral("padding-left:10px;\"><a href=\"http://example.com\">A cat</a></span></p>")));

    image->setLink(QStringLiteral("(null)"));
    image->setAltText(QString());
    const QString plain = generate(*image).bodyString();
    EXPECT_TRUE(plain.contains(QStringLiteral(" title=\"\" data-toggle"))) << "the title stays, empty";
    EXPECT_TRUE(plain.endsWith(QStringLiteral("src=\"home/image3o.png\">\n\n</div>\n"))) << "no caption";
}

TEST_F(ImageElementCodeTest, TheShadowSizeAndAlignmentDeclarations)
{
    const auto image = pageImage();
    image->setShadowHorizontalOffset(2.7f);
    image->setShadowVerticalOffset(3.2f);
    EXPECT_FALSE(generate(*image).headerString().contains(QStringLiteral("box-shadow"))) << "radius 0";
    image->setShadowRadius(4.9f);
    image->setResponsiveResizeFlag(1);
    image->setResponsiveAlignment(1);
    const QString rule = generate(*image).headerString();
    EXPECT_TRUE(rule.startsWith(
        QStringLiteral(".image3{width:300px;height:200px;text-align:center;border-width:2px;")));
    EXPECT_TRUE(rule.contains(
        QStringLiteral("filter:alpha(opacity=100.000000);box-shadow: 2px -3px 4px #5B5B5B;padding")));
    image->setResponsiveAlignment(2);
    EXPECT_TRUE(generate(*image).headerString().contains(QStringLiteral("text-align:right;")));
}

TEST_F(ImageElementCodeTest, EmptyBorderValuesGetDefaultsWrittenBack)
{
    const auto image = pageImage();
    image->setBorderHexColorString(QString());
    image->setBorderStyle(QStringLiteral(""));
    const QString rule = generate(*image).headerString();
    EXPECT_TRUE(rule.contains(QStringLiteral("border-style:none;border-color:#transparent;")));
    EXPECT_EQ(image->borderHexColorString(), QStringLiteral("transparent"));
    EXPECT_EQ(image->borderStyle(), QStringLiteral("none"));
}

TEST_F(ImageElementCodeTest, BaseTemplatePicturesLiveInTheirOwnFolder)
{
    const auto image = pageImage();
    image->setSelectable(false);
    EXPECT_TRUE(generate(*image).bodyString().contains(QStringLiteral("src=\"basetemplate/image3@2x.png\"")));
    image->setImageEnlargeFlag(1);
    EXPECT_TRUE(generate(*image).bodyString().contains(QStringLiteral("src=\"basetemplate/image3o.png\"")));
}

TEST_F(ImageElementCodeTest, ASlideWritesOnlyItsRuleUnlessItOpensAPopUp)
{
    const auto image = pageImage();
    image->setSlideShowNumber(2);
    CodeWidgetHelper code = generate(*image);
    EXPECT_TRUE(code.bodyString().isEmpty());
    EXPECT_EQ(code.headerString(), kClassRule);
    EXPECT_FALSE(code.javaScriptString().isEmpty());
    image->setImageEnlargeFlag(1);
    EXPECT_TRUE(
        generate(*image).bodyString().startsWith(QStringLiteral("<a class=image3 href=\"#popup_image3\"")));
}

TEST_F(ImageElementCodeTest, InlineStyleProductsCarryTheBoxOnTheDivAndNoScript)
{
    DataCentre::mutableProfile().inlineStyleCode = true;
    const auto image = pageImage();
    CodeWidgetHelper code = generate(*image);
    EXPECT_TRUE(code.javaScriptString().isEmpty());
    EXPECT_EQ(code.bodyString(),
              QStringLiteral("<div class=image3 style='") + kBox +
                  QStringLiteral("'><img src=\"home/image3@2x.png\" alt=\"A cat\" width=100%></div>\n"));
    image->setLink(QStringLiteral("http://example.com"));
    image->setLinkOption(QStringLiteral("_blank"));
    EXPECT_EQ(generate(*image).bodyString(),
              QStringLiteral("<div class=image3 style='") + kBox +
                  QStringLiteral("'><a href=http://example.com target=_blank><img src=\"home/image3@2x.png\" "
                                 "alt=\"A cat\" width=100%></a></div>\n"));
}

TEST_F(ImageElementCodeTest, LinkTargetsAndInlineStylesCannotBreakTheirMarkup)
{
    const auto image = pageImage();
    image->setLink(QStringLiteral("my page.html\" onclick=\"x"));
    EXPECT_TRUE(generate(*image).bodyString().contains(
        QStringLiteral("<a href=my%20page.html%22%20onclick=%22x target=_self>")));

    DataCentre::mutableProfile().inlineStyleCode = true;
    image->setBorderStyle(QStringLiteral("dotted'"));
    const QString body = generate(*image).bodyString();
    EXPECT_FALSE(body.contains(QStringLiteral("dotted'")));
}

TEST_F(ImageElementCodeTest, AlternativeTextsAreEscapedWherePeopleReadThem)
{
    const auto image = pageImage();
    image->setAltText(QStringLiteral("Tom & \"Jerry\" <b>"));
    const QString escaped = QStringLiteral("Tom &amp; &quot;Jerry&quot; &lt;b&gt;");
    EXPECT_TRUE(
        generate(*image).bodyString().contains(QStringLiteral("alt=\"") + escaped + QStringLiteral("\"")));
    image->setImageEnlargeFlag(1);
    const QString popUp = generate(*image).bodyString();
    EXPECT_TRUE(popUp.contains(QStringLiteral("title=\"") + escaped + QStringLiteral("\"")));
    EXPECT_TRUE(
        popUp.contains(QStringLiteral("padding-left:10px;\">") + escaped + QStringLiteral("</span>")));
    EXPECT_FALSE(popUp.contains(QStringLiteral("<b>")));
}

TEST_F(ImageElementCodeTest, TheImageOfATableCellIsARecord)
{
    auto record = TransformView::initWithFrame(QRectF(0, 0, 80, 60));
    record->setImageName(QStringLiteral("image9"));
    record->setImageType(QStringLiteral("jpg"));
    record->setSelectable(1);
    record->setSlideShowNumber(-99);
    record->setOpacity(1.0f);
    record->setAltText(QStringLiteral(""));
    record->setLeftMarginType(QStringLiteral("(null)"));
    record->setTopPaddingType(QStringLiteral("pixel"));
    record->setResponsiveResizeFlag(1);
    const CodeWidgetHelper code = ImageElementCode::generateImageCode(*record, false, page);
    EXPECT_TRUE(
        code.headerString().startsWith(QStringLiteral(".image9{width:80px;height:60px;border-width:0px;"
                                                      "border-style:none;border-color:#transparent;")));
    EXPECT_EQ(code.bodyString(), QStringLiteral("<div class=image9><center><img src=\"home/image9@2x.jpg\" "
                                                "class=\"img-responsive\" alt=\"\"></center></div>\n"));
    EXPECT_EQ(record->leftMarginType(), QStringLiteral("%"));
    EXPECT_EQ(record->topPaddingType(), QStringLiteral("pixel"));
}
