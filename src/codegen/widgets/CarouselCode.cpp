#include "codegen/widgets/CarouselCode.h"

#include "codegen/CodeTemplate.h"
#include "codegen/CodeText.h"
#include "codegen/ElementCodeParts.h"
#include "codegen/PageCodeContext.h"
#include "model/SKTSlideshow.h"
#include "profile/ProductSelection.h"

using CodeTemplate::format;

namespace {

// Values: the source, the alternative text, the caption.
constexpr const char* kFirstSlide = R"~(<div class="item active">
<img src="%@" class="image_fullWidth center-block" alt="%@">
<div class="carousel-caption">
%@
</div>
</div>
)~";
constexpr const char* kOtherSlide = R"~(<div class="item">
<img src="%@" class="image_fullWidth center-block" alt="%@">
<div class="carousel-caption">
%@
</div>
</div>
)~";

// Values: the carousel's id twice.
constexpr const char* kControls =
    R"~(<a class="left carousel-control" href="#%@" role="button" data-slide="prev">
<span style="font-size:3em;" class="glyphicon glyphicon-chevron-left" aria-hidden="true"></span>
<span class="sr-only">Previous</span>
</a>
<a class="right carousel-control" href="#%@" role="button" data-slide="next">
<span style="font-size:3em;" class="glyphicon glyphicon-chevron-right" aria-hidden="true"></span>
<span class="sr-only">Next</span>
</a>
)~";

// Values: the id, the start marker, indicators, slides, controls, the end marker.
constexpr const char* kBody =
    R"~(<div id="%@" class="carousel slide" data-ride="carousel" data-interval="50000">
%@
%@
%@
%@
%@
</div>
)~";

constexpr const char* kCss = R"~(.carousel-indicators li{
background-color:transparent;
}
.carousel-indicators .active{
background-color:#fff;
}
.carousel-control.left, .carousel-control.right {
background: none !important;
filter: progid: none !important;
outline: 0;
}
.carousel .carousel-control {
visibility: visible;
color:#FFF;
}
.carousel:hover .carousel-control {
visibility: visible;
}
.image_fullWidth {
width:100%;
}
)~";

// "%@\n%@": what came so far and the next piece.
QString joined(const QString& soFar, const QString& next)
{
    return soFar + QLatin1Char('\n') + next;
}

} // namespace

std::optional<CodeWidgetHelper> CarouselCode::generateCarousel(const SKTSlideshow& slideshow,
                                                               const PageCodeContext& page)
{
    const TransformViewList slides = slideshow.imageArray();
    if (slides.isEmpty())
        return std::nullopt;
    const QString id = format("carousel%d", {page.layerOf(&slideshow)});
    const QString folder = slideshow.selectable() ? page.pageName : QString(DataCentre::kBaseTemplateName);

    QString indicators = QStringLiteral("<ol class=\"carousel-indicators\">\n");
    QString items = QStringLiteral("<div class=\"carousel-inner\" role=\"listbox\">\n");
    for (qsizetype i = 0; i < slides.size(); ++i) {
        const TransformView& slide = *slides.at(i);
        indicators = joined(
            indicators,
            i == 0 ? format("<li data-target=\"#%@\" data-slide-to=\"%d\" class=\"active\"></li>\n", {id, 0})
                   : format("<li data-target=\"#%@\" data-slide-to=\"%d\"></li>\n", {id, int(i)}));
        const QString source =
            ElementCodeParts::imageSource(folder, slide.imageName(), "@2x", slide.imageType());
        const QString alt = slide.altText().isNull() ? QStringLiteral("") : slide.altText();
        items = joined(items, format(i == 0 ? kFirstSlide : kOtherSlide,
                                     {source, CodeText::escapedLine(alt), CodeText::escapedText(alt)}));
    }
    indicators += QStringLiteral("\n</ol>\n");
    items += QStringLiteral("\n</div>\n");

    CodeWidgetHelper code;
    const QRectF b = slideshow.bounds();
    code.setRect(b.x(), b.y(), b.width(), b.height());
    code.setOriginY(int(b.y()));
    code.setHeaderString(QString::fromUtf8(kCss));
    code.setBodyString(format(kBody, {id, "<!--START CAROUSEL-->", indicators, items,
                                      format(kControls, {id, id}), "<!--END CAROUSEL-->"}));
    code.setJavaScriptString(QStringLiteral(""));
    return code;
}
