#include "document/writing/PageAssembly.h"

#include "codegen/CodeText.h"
#include "codegen/ElementCodeParts.h"
#include "codegen/GenerationPreparation.h"
#include "document/core/SKTDocument.h"
#include "profile/DataCentre.h"
#include "profile/ProductSelection.h"
#include "profile/services/HexColor.h"

namespace {

const QString kBlack = QStringLiteral("000000");

} // namespace

PageAssembly::PageAssembly(SKTDocument& doc, const QString& name, bool publishPage)
    : document(doc)
    , pageName(name)
    , publish(publishPage)
    , m_graphics(doc.graphics())
{}

bool PageAssembly::responsiveOutput() const
{
    return publish && DataCentre::profile().responsiveDesign;
}

bool PageAssembly::formPage() const
{
    return document.isFormPage();
}

int PageAssembly::layerOf(const SKTGraphic& graphic) const
{
    if (graphic.manualLayerIndex() != 0)
        return graphic.manualLayerIndex();
    qsizetype index = -1;
    for (qsizetype i = 0; i < m_graphics.size(); ++i) {
        if (m_graphics.at(i).get() == &graphic) {
            index = i;
            break;
        }
    }
    return int(m_graphics.size() - index);
}

int PageAssembly::layerOfRecord(int manualLayerIndex) const
{
    return manualLayerIndex != 0 ? manualLayerIndex : int(m_graphics.size()) + 1;
}

QString PageAssembly::positionOf(int scrollFlag)
{
    return scrollFlag == 1 ? QStringLiteral("fixed") : QStringLiteral("absolute");
}

QString PageAssembly::settleTemplateNameOrMain(SKTGraphic& graphic) const
{
    return ElementCodeParts::settleTemplateNameOrMain(graphic, document.mainTemplateName());
}

QString PageAssembly::imageFolderOf(const QString& templateName) const
{
    return templateName == DataCentre::kBaseTemplateName ? DataCentre::kBaseTemplateName : pageName;
}

PageCodeContext PageAssembly::codeContext() const
{
    PageCodeContext context;
    context.graphics = m_graphics;
    context.mainTemplateName = document.mainTemplateName();
    context.pageName = pageName;
    context.textViewArray = lists.textViewArray;
    SKTDocument* owner = &document;
    context.storeSubmitButtonValue = [owner](const QString& caption) {
        owner->setFormSubmitButtonValue(caption);
    };
    return context;
}

QString PageAssembly::writtenLink(const QString& link)
{
    return CodeText::safeLinkTarget(GenerationPreparation::verifyLink(link));
}

bool PageAssembly::isLink(const QString& link)
{
    return !link.isEmpty() && link != QLatin1String("(null)") && link != QLatin1String("http://");
}

QString PageAssembly::solidColor(const QString& colorString)
{
    return colorString == DataCentre::kClearColorString ? kBlack : CodeText::safeColor(colorString, kBlack);
}

namespace {

// The colour's string, or none when the colour is invalid or fully transparent.
QString stringOfColor(const QColor& color)
{
    return color.isValid() && color.alpha() > 0 ? DataCentre::asHexString(color) : QString();
}

// The stored string, else the colour's; "CLEAR0" and missing ones are stored back as "000000".
QString settleSolidColor(const QString& stored, const QColor& color, void (SKTGraphic::*set)(QString),
                         SKTGraphic& graphic)
{
    if (stored == DataCentre::kClearColorString) {
        (graphic.*set)(kBlack);
        return kBlack;
    }
    if (!stored.isEmpty())
        return CodeText::safeColor(stored, kBlack);
    const QString own = stringOfColor(color);
    return own.isEmpty() ? kBlack : own;
}

} // namespace

QString PageAssembly::backgroundColorOf(const SKTGraphic& graphic)
{
    if (!graphic.backgroundHexColorString().isEmpty())
        return CodeText::safeColor(graphic.backgroundHexColorString(), DataCentre::kClearColorString);
    const QString own = graphic.isDrawingFill() ? stringOfColor(graphic.fillColor()) : QString();
    return own.isEmpty() ? DataCentre::kClearColorString : own;
}

QString PageAssembly::settleTextColor(SKTGraphic& graphic)
{
    return settleSolidColor(graphic.textHexColorString(), graphic.fontColor(),
                            &SKTGraphic::setTextHexColorString, graphic);
}

QString PageAssembly::settleBorderColor(SKTGraphic& graphic)
{
    return settleSolidColor(graphic.borderHexColorString(), graphic.borderColor(),
                            &SKTGraphic::setBorderHexColorString, graphic);
}
