#include "codegen/CodeTemplate.h"
#include "codegen/CodeText.h"
#include "codegen/ElementCodeParts.h"
#include "codegen/ImageElementCode.h"
#include "codegen/RuleWriter.h"
#include "document/core/SKTDocument.h"
#include "document/format/PageFileFormat.h"
#include "document/writing/PageAssembly.h"
#include "document/writing/PageKinds.h"
#include "model/NoNumber.h"
#include "platform/Format.h"
#include "profile/DataCentre.h"
#include "profile/ProductSelection.h"
#include "profile/services/HexColor.h"

#include <algorithm>

using CodeTemplate::format;
namespace Property = PageFile::Property;

namespace {

// The number in an image's name: "image12" is 12.
int imageNumber(const PageImage& image)
{
    return Format::intValue(image.imageName().mid(5));
}

QString ruleOf(PageImage& image, int layer, const QString& templateName)
{
    const QRectF b = image.frame();
    const double opacity = image.opacity();
    // The pictures of galleries and tables keep their cell.
    const bool inGrid = image.galleryNumber() != kNoNumber || image.tableNumber() != kNoNumber;
    const bool shadow = image.shadowFlag() == 1;
    QString border = image.borderHexColorString();
    if (border == DataCentre::kClearColorString)
        image.setBorderHexColorString(QStringLiteral("000000"));
    RuleWriter rule(QLatin1Char('.') + image.imageName());
    rule.text(Property::position, PageAssembly::positionOf(image.scrollFlag()))
        .pixels(Property::left, int(b.x()))
        .pixels(Property::top, int(b.y()))
        .integer(Property::zIndex, layer)
        .freeText(Property::imageName, image.imageName())
        .freeText(Property::imageType, image.imageType())
        .pixels(Property::width, int(b.width()))
        .pixels(Property::height, int(b.height()))
        .integer(Property::reflection, image.reflection() > 0 ? 1 : 0)
        .real(Property::reflectionFraction, image.reflection())
        .pixels(Property::borderWidth, image.borderWidth())
        .freeText(Property::borderStyle,
                  image.borderStyle().isEmpty() ? QStringLiteral("none") : image.borderStyle())
        .color(Property::borderColor, PageAssembly::solidColor(border))
        .integer(Property::fixed, image.moveLock());
    if (opacity < 1.0)
        rule.real(Property::opacity, opacity)
            .text(Property::filter, format("alpha(opacity=%f)", {100 * opacity}));
    rule.text(Property::boxShadow, shadow ? format("%dpx %dpx %fpx #000000",
                                                   {int(image.shadowHorizontalOffset()),
                                                    int(image.shadowVerticalOffset()), image.shadowRadius()})
                                          : format("%dpx %dpx %fpx #000000", {0, 0, 0.0}))
        .real(Property::shadowOpacity, shadow ? 1.0 : 0.0)
        .real(Property::shadowRadius, shadow ? image.shadowRadius() : 0.0)
        .integer(Property::shadowOffSetY, shadow ? int(image.shadowVerticalOffset()) : 0)
        .real(Property::imageAlpha, opacity)
        .text(Property::display, QStringLiteral("inline"))
        .integer(Property::retina, image.retinaFlag() ? 1 : 0)
        .integer(Property::slideShowNumber, image.slideShowNumber())
        .integer(Property::groupNumber, image.groupNumber())
        .integer(Property::enlarge, image.imageEnlargeFlag())
        .integer(Property::galleryNumber, image.galleryNumber())
        .integer(Property::galleryRowSpot, inGrid ? image.rowSpot() : kNoNumber)
        .integer(Property::galleryColumnSpot, inGrid ? image.columnSpot() : kNoNumber)
        .integer(Property::tableNumber, image.tableNumber())
        .freeText(Property::templateName, templateName)
        .integer(Property::backdrop, image.backdropLightingFlag())
        .integer(Property::manualLayerIndex, image.manualLayerIndex())
        .integer(Property::originalHeight, image.originalHeight())
        .integer(Property::bubbleFlag, image.bubbleFlag())
        .freeText(Property::bubbleShape, image.bubbleShape())
        .integer(Property::imageMaskFlag, image.hasMask() ? 1 : 0)
        .real(Property::shadowBlurRadius, image.shadowRadius())
        .real(Property::shadowDistanceX, image.shadowHorizontalOffset())
        .real(Property::shadowDistanceY, image.shadowVerticalOffset())
        .real(Property::rotationAngle, image.rotationAngle())
        .integer(Property::responsiveResizeFlag, image.responsiveResizeFlag())
        .integer(Property::responsiveAlignmentFlag, image.responsiveAlignment())
        .integer(Property::sectionNumber, image.sectionNumber())
        .integer(Property::sectionRowSpot, image.sectionRowSpot())
        .integer(Property::sectionColumnSpot, image.sectionColumnSpot());
    const QList<int> values = image.boxValues();
    const QStringList units = image.boxUnits();
    for (int i = 0; i < 8; ++i)
        rule.integer(Property::boxValues[i], values.at(i));
    for (int i = 0; i < 8; ++i)
        rule.freeText(Property::boxUnits[i], units.at(i));
    return rule.closed() + QStringLiteral("\n\n");
}

QString retinaRule(const PageImage& image, int layer, const QString& folder)
{
    const QRectF b = image.frame();
    return format(".%@{position:%@;background-size:%dpx %dpx !important;z-index:%d;background:transparent "
                  "url(\"%@\");}",
                  {image.imageName(), PageAssembly::positionOf(image.scrollFlag()), int(b.width()),
                   int(b.height()), layer,
                   ElementCodeParts::imageSource(folder, image.imageName(), "@2x", image.imageType())});
}

// A thumbnail that opens the unscaled picture in a pop-up, with the alternative text as its caption.
QString enlargeBody(const PageImage& image, const QString& folder)
{
    const QString name = image.imageName();
    const QString type = image.imageType();
    const QString alt = CodeText::escapedLine(image.altText());
    const bool linked = PageAssembly::isLink(image.link());
    const QString link = PageAssembly::writtenLink(image.link());
    const QString picture = ElementCodeParts::imageSource(folder, name, "o", type);
    const QString caption =
        linked
            ? format("<div class=galleryImageCaption title=\"%@\">\n<span>\n<a href=%@ data-ajax=\"false\">"
                     "<center>%@</center></a>\n</span>\n</div>",
                     {alt, link, alt})
            : format("<div class=galleryImageCaption "
                     "title=\"%@\">\n<span>\n<center>%@</center>\n</span>\n</div>",
                     {alt, alt});
    const QString anchor =
        linked
            ? format("<a class=%@ href=\"#popup_%@\" href=%@ data-rel=\"popup\" data-position-to=\"window\" "
                     "title=\"%@\"><img src=%@ class=\"img-responsive\"></a>\n",
                     {name, name, link, alt, picture})
            : format("<a class=%@ href=\"#popup_%@\" data-rel=\"popup\" data-position-to=\"window\" "
                     "title=\"%@\"><img src=%@ class=\"img-responsive\"></a>\n",
                     {name, name, alt, picture});
    const QString theme = image.backdropLightingFlag() == 1 ? QStringLiteral("data-overlay-theme=\"b\"")
                                                            : QStringLiteral("data-overlay-theme=\"a\"");
    return format(
        "%@<div data-role=\"popup\" id=\"popup_%@\" class=\"photopopup\" %@ data-corners=\"true\" "
        "data-tolerance=\"30,15\">\n<a href=\"#\" data-rel=\"back\" class=\"ui-btn ui-corner-all "
        "ui-shadow ui-btn-a ui-icon-delete ui-btn-icon-notext ui-btn-right\">Close</a>\n<img src=%@>\n%@\n"
        "</div>\n",
        {anchor, name, theme, picture, caption});
}

QString plainBody(const PageImage& image, const QString& folder)
{
    const QString name = image.imageName();
    const QString type = image.imageType();
    const QString alt = CodeText::escapedLine(image.altText());
    const QString source = ElementCodeParts::imageSource(folder, name, "@2x", type);
    const QRectF b = image.frame();
    // The responsive designer keeps images that do not resize at their own size.
    const bool fixedSize = DataCentre::profile().responsiveDesign && image.responsiveResizeFlag() != 1;
    if (PageAssembly::isLink(image.link())) {
        const QString link = PageAssembly::writtenLink(image.link());
        const QString target = CodeText::safeWindowTarget(image.linkOption());
        if (fixedSize)
            return format("<div class=%@><a href=%@ target=%@><img src=\"%@\" width=%d height=%d "
                          "class=\"img-responsive\" alt=\"%@\"></a></div>\n",
                          {name, link, target, source, int(b.width()), int(b.height()), alt});
        return format("<div class=%@><a href=%@ target=%@><img src=\"%@\" class=\"img-responsive\" "
                      "alt=\"%@\"></a></div>\n",
                      {name, link, target, source, alt});
    }
    if (fixedSize)
        return format("<div class=%@><img src=\"%@\" width=%d height=%d alt=\"%@\"></div>\n",
                      {name, source, int(b.width()), int(b.height()), alt});
    return format("<div class=%@><img src=\"%@\" class=\"img-responsive\" alt=\"%@\"></div>\n",
                  {name, source, alt});
}

// The template name without its extension; an image of the page (not of the base template) takes the
// page's name.
QString settleTemplateNamePageOrBase(PageImage& image, const QString& pageName)
{
    QString name = ElementCodeParts::withoutPathExtension(image.templateName());
    if (name != DataCentre::kBaseTemplateName)
        name = pageName;
    if (name != image.templateName())
        image.setTemplateName(name);
    return name;
}

} // namespace

namespace PageKinds {

void writeImages(PageAssembly& page)
{
    PageImageList images = page.lists.imageViewArray;
    std::stable_sort(images.begin(), images.end(),
                     [](const PageImage& a, const PageImage& b) { return imageNumber(a) < imageNumber(b); });
    page.document.setStoreImageNowFlag(true);
    const bool responsive = DataCentre::profile().responsiveDesign;
    QString retinaRules;
    for (PageImage& image : images) {
        if (image.altText().isNull())
            image.setAltText(QStringLiteral(""));
        if (image.linkOption().isEmpty() || image.linkOption() == QLatin1String("(null)"))
            image.setLinkOption(QStringLiteral("_self"));
        const QString templateName = settleTemplateNamePageOrBase(image, page.pageName);
        const QString folder = page.imageFolderOf(templateName);
        const int layer =
            image.graphic() ? page.layerOf(*image.graphic()) : page.layerOfRecord(image.manualLayerIndex());
        page.pieces.imageCss += ruleOf(image, layer, templateName);
        if (image.retinaFlag())
            retinaRules += retinaRule(image, layer, folder);
        // Slides and gallery pictures are shown by their slideshow or gallery.
        if (image.slideShowNumber() != kNoNumber || image.galleryNumber() != kNoNumber)
            continue;
        page.pieces.imageBody +=
            image.imageEnlargeFlag() == 1 ? enlargeBody(image, folder) : plainBody(image, folder);
        if (responsive && image.graphic()) {
            CodeWidgetHelper record =
                ImageElementCode::generateImageCode(*image.graphic(), page.publish, page.codeContext());
            const QRectF b = image.frame();
            record.setRect(b.x(), b.y(), b.width(), b.height());
            record.setResponsiveResizeFlag(image.responsiveResizeFlag());
            page.lists.sourceCodeArray.append(record);
        }
    }
    if (!retinaRules.isEmpty())
        page.pieces.retinaCss = PageFile::Style::retinaMediaQuery + retinaRules + QStringLiteral("}");
}

} // namespace PageKinds
