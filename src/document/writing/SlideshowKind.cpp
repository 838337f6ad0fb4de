#include "codegen/CodeTemplate.h"
#include "codegen/CodeText.h"
#include "codegen/ElementCodeParts.h"
#include "codegen/widgets/CarouselCode.h"
#include "codegen/RuleWriter.h"
#include "document/core/SKTDocument.h"
#include "document/format/PageFileFormat.h"
#include "document/writing/PageAssembly.h"
#include "document/writing/PageKinds.h"
#include "model/SKTSlideshow.h"

using CodeTemplate::format;
namespace Property = PageFile::Property;

namespace {

// The arrows over a slideshow, half way down its height.
QString buttonRule(int n, double top)
{
    return format(
        "\n #previousButton%d, #nextButton%d{\n padding:0px;\n vertical-align:middle;\n "
        "opacity:0.60;filter:alpha(opacity=60);\ntext-align:center;\nfont-size:40px;color:#FFFFFF;"
        "font-family:\"Trebuchet MS\";width: 40px;\n height: 50px;\n border: 0px solid #000;\n"
        "position: absolute;\n background-color:#000;\n top: %fpx;\n cursor: hand;\n z-index:9999;\n }\n"
        "#nextButton%d{\n right: 0;\n }\n\n",
        {n, n, top, n});
}

// The script that scrolls the slides one width at a time, every five seconds for automatic slideshows.
QString script(int n, int slides, double width, bool automatic)
{
    const QString variables =
        format("\n<script type=\"text/javascript\">\n var numOfSlides%d = %d;\n "
               "var currentSlide%d = 0;\n var totalWidth%d = %f;\nvar slideWidth%d=%f;\n\n",
               {n, slides, n, n, slides * width, n, width});
    const QString ready =
        format("$(document).ready(function(){\n $(\"#previousButton%d\").click(showPreviousSlide%d);"
               "\n $(\"#nextButton%d\").click(showNextSlide%d);\nupdateButtons%d();\n\n });\n\n",
               {n, n, n, n, n});
    const QString movers = format(
        "function showPreviousSlide%d()\n{\n currentSlide%d--;\n$(\"#slideshow_all%d\").animate({scrollLeft:"
        "currentSlide%d*slideWidth%d}, 1000);\nupdateButtons%d();\n%@\n }\n \nfunction "
        "showNextSlide%d()\n{\n "
        "if(currentSlide%d < numOfSlides%d-1) {currentSlide%d++;\n "
        "\n$(\"#slideshow_all%d\").animate({scrollLeft: "
        "currentSlide%d*slideWidth%d}, 1000);\nupdateButtons%d();\n }}\n\n",
        {n, n, n, n, n, n, automatic ? QStringLiteral("clearInterval(autoStart);") : QString(""), n, n, n, n,
         n, n, n, n});
    QString update = format("function updateButtons%d()\n {\n if(currentSlide%d < numOfSlides%d-1) {\n "
                            "$(\"#nextButton%d\").show();\n } else {\n $(\"#nextButton%d\").hide();\n }\n "
                            "if(currentSlide%d > 0) {\n $(\"#previousButton%d\").show();\n } else {\n "
                            "$(\"#previousButton%d\").hide();\n }\n }\n",
                            {n, n, n, n, n, n, n, n});
    update += automatic ? format("\n%@\n</script>",
                                 {format("var autoStart = setInterval(showNextSlide%d, 5000);", {n})})
                        : QStringLiteral("</script>");
    return format("%@\n%@\n%@\n%@\n", {variables, ready, movers, update});
}

// One slide: its picture, linked when it has a link. The slide's own name, alt text, link option and
// slideshow number are settled on the way.
QString slideBody(PageAssembly& page, TransformView& slide, int n)
{
    if (slide.imageName().isEmpty() || slide.imageName() == QLatin1String("(null)"))
        slide.setImageName(page.document.grabNextImageName());
    if (slide.altText().isNull())
        slide.setAltText(QStringLiteral(""));
    if (slide.linkOption().isEmpty())
        slide.setLinkOption(QStringLiteral("_self"));
    const QString source = ElementCodeParts::imageSource(page.imageFolderOf(slide.templateName()),
                                                         slide.imageName(), "@2x", slide.imageType());
    if (PageAssembly::isLink(slide.link()))
        return format("<div class=\"slide%d\"><a href=%@ target=%@ title=\"%@\"><img src=%@ class=\"%@\" "
                      "class=\"img-responsive\"></a></div>\n",
                      {n, PageAssembly::writtenLink(slide.link()),
                       CodeText::safeWindowTarget(slide.linkOption()), CodeText::escapedLine(slide.altText()),
                       source, slide.imageName()});
    return format("<div class=\"slide%d\"><img src=%@ class=\"%@\" class=\"img-responsive\"></div>\n",
                  {n, source, slide.imageName()});
}

} // namespace

namespace PageKinds {

void writeSlideshows(PageAssembly& page)
{
    const GraphicList& slideshows = page.lists.slideshowArray;
    const int count = int(slideshows.size());
    int number = 0;
    for (int index = count - 1; index >= 0; --index, ++number) {
        SKTGraphic& slideshow = *slideshows.at(index);
        const auto* show = qobject_cast<const SKTSlideshow*>(&slideshow);
        const TransformViewList slides = show ? show->imageArray() : TransformViewList();
        const QRectF b = slideshow.bounds();
        const int n = number;
        const int width = int(b.width());
        const int height = int(b.height());
        const QString templateName = page.settleTemplateNameOrMain(slideshow);

        page.pieces.slideshowCss += QLatin1Char('\n') +
                                    RuleWriter(PageFile::Rule::slideshow + QString::number(n))
                                        .text(Property::position, QStringLiteral("absolute"))
                                        .pixels(Property::left, int(b.x()))
                                        .pixels(Property::top, int(b.y()))
                                        .integer(Property::zIndex, page.layerOf(slideshow))
                                        .pixels(Property::width, width)
                                        .pixels(Property::height, height)
                                        .text(Property::border, QStringLiteral("0px solid 000"))
                                        .text(Property::overflow, QStringLiteral("hidden"))
                                        .text(Property::margin, QStringLiteral("0 auto"))
                                        .integer(Property::fixed, slideshow.moveLock())
                                        .integer(Property::groupNumber, slideshow.groupNumber())
                                        .integer(Property::autoStart, slideshow.slideShowAutomaticFlag())
                                        .freeText(Property::templateName, templateName)
                                        .integer(Property::manualLayerIndex, slideshow.manualLayerIndex())
                                        .integer(Property::sectionNumber, slideshow.sectionNumber())
                                        .integer(Property::sectionRowSpot, slideshow.sectionRowSpot())
                                        .integer(Property::sectionColumnSpot, slideshow.sectionColumnSpot())
                                        .closed() +
                                    QStringLiteral("\n\n") +
                                    format("#slideshow_all%d{width:%dpx;height:%dpx;position:absolute;"
                                           "overflow: hidden;margin: 0 auto;}\n"
                                           ".slide%d{width: %dpx;float: left;}\n\n",
                                           {n, width, height, n, width});
        page.pieces.slideshowButtonCss += buttonRule(n, b.height() / 2);
        page.pieces.slideshowScript +=
            script(n, show ? show->totalNumofSlides() : 0, width, slideshow.slideShowAutomaticFlag() == 1);

        QString slideDivs;
        for (const std::shared_ptr<TransformView>& slide : slides) {
            slide->setSlideShowNumber(count - 1 - index);
            slideDivs += slideBody(page, *slide, n);
            page.lists.imageViewArray.append(PageImage(slide));
        }
        // The arrows are written as entities, so the markup stays well formed.
        page.pieces.slideshowBody += format("<div class=slideshow%d>\n<div id=slideshow_all%d>\n", {n, n}) +
                                     format("%@</div><div id=\"previousButton%d\">&lt;</div>\n<div "
                                            "id=\"nextButton%d\">&gt;</div></div>\n",
                                            {slideDivs, n, n});
        // The published responsive page shows the slideshow as a carousel.
        if (show && page.responsiveOutput()) {
            if (std::optional<CodeWidgetHelper> carousel =
                    CarouselCode::generateCarousel(*show, page.codeContext()))
                page.lists.sourceCodeArray.append(*carousel);
        }
    }
}

} // namespace PageKinds
