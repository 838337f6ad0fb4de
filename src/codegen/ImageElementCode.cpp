#include "codegen/ImageElementCode.h"

#include "codegen/CodeTemplate.h"
#include "codegen/CodeText.h"
#include "codegen/ElementCodeParts.h"
#include "codegen/GenerationPreparation.h"
#include "codegen/PageCodeContext.h"
#include "model/NoNumber.h"
#include "model/SKTGraphic.h"
#include "model/records/TransformView.h"
#include "profile/DataCentre.h"
#include "profile/ProductSelection.h"

#include <cmath>

using CodeTemplate::format;

namespace {

const QString kFullWidth = QStringLiteral("100%");

// Keeps pop-up pictures 60 pixels shorter than the window.
const char* const kModalHeightScript =
    "<script>\n$( document ).ready(function() {\nvar maxHeight = $(window).height() - 60 + \"px\";\n"
    "$(\".modal img\").css(\"max-height\", maxHeight);\n});\n$(window).on(\"resize\", function() {\n"
    "var maxHeight = $(window).height() - 60 + \"px\";\n$(\".modal img\").css(\"max-height\", maxHeight);\n"
    "});\n$(window).trigger('resize');\n</script>\n";

const char* const kModalRules =
    ".modal img {\ntext-align:center;\nmargin:0 auto;\nbox-shadow: 0 5px 15px rgba(0, 0, 0, .5);\n}\n"
    ".modal{\noverflow-y: auto;\npadding:20px;\n}\n.close{\nposition:absolute;\ntop:0px;\nright:0px;\n"
    "color:white;\nwidth:44px;\nheight:44px;\nfont-size: 28px;\nfont-family: Arial, Baskerville, "
    "monospace;\n}\n";

// The backdrop behind a pop-up by the image's backdrop lighting; other values keep the framework's dark one.
QString backdropRule(int lighting)
{
    switch (lighting) {
    case 0:
        return QStringLiteral(".modal-backdrop{\nbackground-color: white;\n}");
    case 2:
        return QStringLiteral(".modal-backdrop{\nbackground-color: transparent;\n}");
    default:
        return QStringLiteral("");
    }
}

QString alignmentDeclaration(int alignment)
{
    switch (alignment) {
    case 1:
        return QStringLiteral("text-align:center;");
    case 2:
        return QStringLiteral("text-align:right;");
    default:
        return QStringLiteral("");
    }
}

// The user's texts stand inside attributes and captions; markup typed into them must stay text. No text is
// the empty text.
QString escaped(const QString& text)
{
    return text.isNull() ? QStringLiteral("") : CodeText::escapedLine(text);
}

template <class Image> QString boxDeclaration(const Image& image)
{
    using CodeText::safeRuleText;
    QString box = format(
        "padding-top:%d%@;padding-bottom:%d%@;padding-left:%d%@;padding-right:%d%@;margin-top:%d%@;"
        "margin-bottom:%d%@;margin-left:%d%@;margin-right:%d%@;",
        {image.topPadding(), safeRuleText(image.topPaddingType()), image.bottomPadding(),
         safeRuleText(image.bottomPaddingType()), image.leftPadding(), safeRuleText(image.leftPaddingType()),
         image.rightPadding(), safeRuleText(image.rightPaddingType()), image.topMargin(),
         safeRuleText(image.topMarginType()), image.bottomMargin(), safeRuleText(image.bottomMarginType()),
         image.leftMargin(), safeRuleText(image.leftMarginType()), image.rightMargin(),
         safeRuleText(image.rightMarginType())});
    return box.replace(QStringLiteral("pixel"), QStringLiteral("px"));
}

template <class Image> QString classRule(Image& image, const QString& box)
{
    const QString shadow = image.shadowRadius() == 0
                               ? QStringLiteral("")
                               : format("box-shadow: %dpx %dpx %dpx #5B5B5B;",
                                        {int(image.shadowHorizontalOffset()),
                                         -int(image.shadowVerticalOffset()), int(image.shadowRadius())});
    const QString size =
        image.responsiveResizeFlag() == 1
            ? format("width:%dpx;height:%dpx;", {int(image.bounds().width()), int(image.bounds().height())})
            : QStringLiteral("");
    if (image.borderHexColorString().isEmpty())
        image.setBorderHexColorString(QStringLiteral("transparent"));
    if (image.borderStyle().isEmpty())
        image.setBorderStyle(QStringLiteral("none"));
    return format(".%@{%@%@border-width:%dpx;border-style:%@;border-color:#%@;opacity:%f;filter:alpha("
                  "opacity=%f);%@%@}\n\n",
                  {image.imageName(), size, alignmentDeclaration(image.responsiveAlignment()),
                   int(image.borderWidth()), CodeText::safeRuleText(image.borderStyle()),
                   CodeText::safeColor(image.borderHexColorString(), QStringLiteral("transparent")),
                   double(image.opacity()), double(image.opacity()) * 100, shadow, box});
}

// The body and header of an image that opens its full picture in a pop-up.
template <class Image>
void writePopUp(const Image& image, const QString& folder, const QString& rule, bool withClassRule,
                CodeWidgetHelper& code)
{
    const QString large = ElementCodeParts::imageSource(folder, image.imageName(), "o", image.imageType());
    const QString modal = QString::fromUtf8(kModalRules) + backdropRule(image.backdropLightingFlag());
    code.setHeaderString(withClassRule ? format("%@\n%@", {rule, modal}) : modal);

    const QString link = CodeText::safeLinkTarget(image.link());
    const bool linked = !link.isEmpty() && link != QLatin1String("(null)");
    const QString alt = escaped(image.altText());
    const QString title =
        linked ? format("href=%@ title=\"%@\"", {link, alt}) : format("title=\"%@\"", {alt});
    QString caption = QStringLiteral("");
    if (!alt.isEmpty()) {
        caption = linked ? format("<p align=center><span style=\"background-color:#ffffff; "
                                  "padding-right:10px;padding-left:10px;\"><a href=\"%@\">%@</a></span></p>",
                                  {link, alt})
                         : format("<p align=center><span style=\"background-color:#ffffff; "
                                  "padding-right:10px;padding-left:10px;\">%@</span></p>",
                                  {alt});
    }
    const QString name = image.imageName();
    code.setBodyString(format(
        "<a class=%@ href=\"#popup_%@\" %@ data-toggle=\"modal\" data-target=\"#popup_%@\"><img "
        "class=\"img-responsive\" src=\"%@\"></a>\n<div class=\"modal fade\" id=\"popup_%@\" tabindex=\"-1\" "
        "role=\"dialog\" aria-labelledby=\"#popUpLabel_%@\" aria-hidden=\"true\">\n<button type=\"button\" "
        "class=\"close\" data-dismiss=\"modal\">x</button>\n<img class=\"img-responsive\" "
        "src=\"%@\">\n%@\n</div>\n",
        {name, name, title, name, large, name, name, large, caption}));
}

template <class Image>
QString plainBody(const Image& image, const QString& folder, const QString& box, bool inlineStyle)
{
    const QString alt = escaped(image.altText());
    const QString source = ElementCodeParts::imageSource(folder, image.imageName(), "@2x", image.imageType());
    if (inlineStyle) {
        return format("<div class=%@ style='%@'><img src=\"%@\" alt=\"%@\" width=%@></div>\n",
                      {image.imageName(), CodeText::singleQuotedAttribute(box), source, alt, kFullWidth});
    }
    return format(
        "<div class=%@><center><img src=\"%@\" class=\"img-responsive\" alt=\"%@\"></center></div>\n",
        {image.imageName(), source, alt});
}

template <class Image>
QString linkedBody(Image& image, const QString& folder, const QString& box, bool inlineStyle)
{
    if (image.linkOption().isEmpty())
        image.setLinkOption(QStringLiteral("_self"));
    const QString alt = escaped(image.altText());
    const QString link = CodeText::safeLinkTarget(image.link());
    const QString target = CodeText::safeWindowTarget(image.linkOption());
    const QString source = ElementCodeParts::imageSource(folder, image.imageName(), "@2x", image.imageType());
    if (inlineStyle) {
        return format(
            "<div class=%@ style='%@'><a href=%@ target=%@><img src=\"%@\" alt=\"%@\" "
            "width=%@></a></div>\n",
            {image.imageName(), CodeText::singleQuotedAttribute(box), link, target, source, alt, kFullWidth});
    }
    return format("<div class=%@><a href=%@ target=%@><center><img src=\"%@\" class=\"img-responsive\" "
                  "alt=\"%@\"></center></a></div>\n",
                  {image.imageName(), link, target, source, alt});
}

} // namespace

namespace {

template <class Image>
CodeWidgetHelper generate(Image& element, bool responsiveOutput, const PageCodeContext& page)
{
    Image& image = GenerationPreparation::populateTextViewMarginType(element);
    const bool inlineStyle = DataCentre::profile().inlineStyleCode;
    // Pictures of the site's base template live in its own folder.
    const QString folder = image.selectable() ? page.pageName : DataCentre::kBaseTemplateName;
    const QString box = boxDeclaration(image);
    const QString rule = classRule(image, box);

    CodeWidgetHelper code;
    code.setJavaScriptString(inlineStyle ? QStringLiteral("") : QString::fromUtf8(kModalHeightScript));
    code.setHeaderString(rule);
    const QString link = image.link();
    if (image.imageEnlargeFlag() == 1) {
        writePopUp(image, folder, rule, responsiveOutput && DataCentre::profile().responsiveDesign, code);
    } else if (image.slideShowNumber() != kNoNumber) {
        // The slideshow writes its slides itself.
        code.setBodyString(QStringLiteral(""));
    } else if (link.isEmpty() || link == QLatin1String("http://")) {
        code.setBodyString(plainBody(image, folder, box, inlineStyle));
    } else {
        code.setBodyString(linkedBody(image, folder, box, inlineStyle));
    }
    return code;
}

} // namespace

CodeWidgetHelper ImageElementCode::generateImageCode(SKTGraphic& image, bool responsiveOutput,
                                                     const PageCodeContext& page)
{
    return generate(image, responsiveOutput, page);
}

CodeWidgetHelper ImageElementCode::generateImageCode(TransformView& image, bool responsiveOutput,
                                                     const PageCodeContext& page)
{
    return generate(image, responsiveOutput, page);
}
