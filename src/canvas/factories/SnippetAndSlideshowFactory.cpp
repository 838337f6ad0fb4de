#include "canvas/view/SKTGraphicView.h"

#include "canvas/factories/HtmlSnippets.h"
#include "model/GraphicPropertyDictionary.h"
#include "model/SKTSlideshow.h"
#include "model/SKTText.h"
#include "platform/Format.h"
#include "profile/DataCentre.h"
#include "profile/services/HexColor.h"

// Snippet boxes of raw HTML (free, video, buy button) and empty slideshows, from the menus at the
// insertion point and from the object library at the drop point.

namespace {

const QString kSnippetFill = QStringLiteral("DCDCDC");
const QString kSnippetText = QStringLiteral("4F4C4C");
const QString kHelveticaNeue = QStringLiteral("Helvetica Neue");

GraphicPropertyDictionary snippetProperties(const QString& html, const QRectF& rect)
{
    return {
        {QStringLiteral("bounds"), Format::rect(rect)},
        {QStringLiteral("fontAlignment"), QStringLiteral("0")},
        {QStringLiteral("cornerRadius"), Format::decimal(0)},
        {QStringLiteral("fontColor"), kSnippetText},
        {QStringLiteral("fillColor"),
         GraphicProperties::archivedColor(DataCentre::colorWithHexString(kSnippetFill))},
        {QStringLiteral("fontSize"), Format::decimal(14)},
        {QStringLiteral("fontFamily"), kHelveticaNeue},
        {QStringLiteral("borderStyle"), QStringLiteral("dashed")},
        {QStringLiteral("opacity"), Format::decimal(0.9)},
        {QStringLiteral("shadowFlag"), QStringLiteral("0")},
        {QStringLiteral("link"), QStringLiteral("")},
        {QStringLiteral("textString"), html},
        {QStringLiteral("textType"), QStringLiteral("HTMLSnippet")},
        {QStringLiteral("textHexColorString"), kSnippetText},
        {QStringLiteral("backgroundHexColorString"), kSnippetFill},
        {QStringLiteral("slideShowNumber"), QStringLiteral("-99")},
    };
}

GraphicPropertyDictionary slideshowProperties(const QRectF& rect)
{
    return {
        {QStringLiteral("bounds"), Format::rect(rect)},
        {QStringLiteral("fontAlignment"), QStringLiteral("1")},
        {QStringLiteral("cornerRadius"), Format::decimal(0)},
        {QStringLiteral("fontColor"), QStringLiteral("DC143C")},
        {QStringLiteral("fillColor"), QString(DataCentre::kClearColorString)},
        {QStringLiteral("fontSize"), Format::decimal(25)},
        {QStringLiteral("fontFamily"), kHelveticaNeue},
        {QStringLiteral("borderStyle"), QStringLiteral("dashed")},
        {QStringLiteral("opacity"), Format::decimal(1)},
        {QStringLiteral("shadowFlag"), QStringLiteral("0")},
        {QStringLiteral("link"), QStringLiteral("")},
        {QStringLiteral("textString"), QStringLiteral("Right click to edit slideshow")},
        {QStringLiteral("textType"), QStringLiteral("")},
        {QStringLiteral("slideShowNumber"), QStringLiteral("-99")},
        {QStringLiteral("moveLock"), QStringLiteral("0")},
        {QStringLiteral("textHexColorString"), QStringLiteral("000000")},
        {QStringLiteral("backgroundHexColorString"), QString(DataCentre::kClearColorString)},
        {QStringLiteral("linkOption"), QStringLiteral("_self")},
    };
}

QPointF whole(const QPointF& point)
{
    return QPointF(int(point.x()), int(point.y()));
}

void addSnippetAtInsertionPoint(SKTGraphicView& view, const HtmlSnippets::Snippet& snippet)
{
    view.addSnippet_drag(snippet.html, QRectF(whole(view.calculateOriginPoint()), snippet.size));
    if (snippet.buyButtonNotice)
        HtmlSnippets::showBuyButtonNotice(view.window());
}

} // namespace

void SKTGraphicView::addSnippet_drag(const QString& html, const QRectF& rect)
{
    auto snippet = std::make_shared<SKTText>();
    snippet->initWithProperties(snippetProperties(html, rect));
    mutableGraphics().insertGraphics({snippet}, {0});
}

void SKTGraphicView::addNewHTMLSnippet()
{
    addSnippetAtInsertionPoint(*this, HtmlSnippets::freeSnippet());
}

void SKTGraphicView::addYouTubeHTMLSnippet()
{
    addSnippetAtInsertionPoint(*this, HtmlSnippets::video());
}

void SKTGraphicView::addPaypalSnippet()
{
    addSnippetAtInsertionPoint(*this, HtmlSnippets::buyButton());
}

void SKTGraphicView::addSlideshow_drag(const QPointF& point)
{
    const bool responsive = DataCentre::profile().responsiveDesign;
    const QRectF rect = responsive ? grabSectionRect(point, QRectF(point, QSizeF(300, 200)))
                                   : QRectF(whole(point), QSizeF(500, 300));
    auto slideshow = std::make_shared<SKTSlideshow>();
    slideshow->initWithProperties(slideshowProperties(rect));
    std::shared_ptr<SKTGraphic> placed = slideshow;
    // Outside every section it goes in as it is.
    if (responsive) {
        if (std::shared_ptr<SKTGraphic> inSection = applySection(slideshow, rect.topLeft()))
            placed = inSection;
    }
    mutableGraphics().insertGraphics({placed}, {0});
}

void SKTGraphicView::addSlideshow()
{
    addSlideshow_drag(whole(calculateOriginPoint()));
}
