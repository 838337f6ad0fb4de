#include "codegen/PageCodeContext.h"
#include "codegen/ResponsiveArrangement.h"
#include "codegen/ResponsiveTextCode.h"
#include "document/core/SKTDocument.h"
#include "model/SKTGalleryGrid.h"
#include "model/SKTSlideshow.h"
#include "model/SKTTable.h"
#include "model/SKTText.h"
#include "profile/DataCentre.h"

namespace {

template <class Kind> Kind* kindOf(const std::shared_ptr<SKTGraphic>& graphic)
{
    return qobject_cast<Kind*>(graphic.get());
}

} // namespace

void SKTDocument::resetTemplateName(const QString& templateName)
{
    for (const std::shared_ptr<SKTGraphic>& text : textAreas())
        text->setTemplateName(templateName);
    for (const std::shared_ptr<SKTGraphic>& image : images())
        image->setTemplateName(templateName);
    for (const std::shared_ptr<SKTGraphic>& slideshow : slideshows()) {
        slideshow->setTemplateName(templateName);
        if (const auto* show = kindOf<SKTSlideshow>(slideshow)) {
            for (const std::shared_ptr<TransformView>& picture : show->imageArray())
                picture->setTemplateName(templateName);
        }
    }
    for (const std::shared_ptr<SKTGraphic>& gallery : galleries()) {
        gallery->setTemplateName(templateName);
        if (const auto* grid = kindOf<SKTGalleryGrid>(gallery)) {
            for (const std::shared_ptr<TransformView>& picture : grid->imageArray())
                picture->setTemplateName(templateName);
        }
    }
    for (const std::shared_ptr<SKTGraphic>& table : tables())
        table->setTemplateName(templateName);
    for (const std::shared_ptr<SKTGraphic>& line : lines())
        line->setTemplateName(templateName);
}

bool SKTDocument::needJqueryScripts() const
{
    return !slideshows().isEmpty();
}

CodeWidgetHelper SKTDocument::arrangeResponsiveElements(const SKTTable& section,
                                                        QList<CodeWidgetHelper>& sourceCodeArray)
{
    return ResponsiveArrangement::arrangeResponsiveElements(section, sourceCodeArray, pageCodeContext());
}

CodeWidgetHelper SKTDocument::generateTextViewCode(SKTText& text)
{
    return ResponsiveTextCode::generateTextViewCode(text, pageCodeContext());
}

CodeWidgetHelper SKTDocument::generateTextViewCode(myTextView& cell, const SKTTable& table)
{
    return ResponsiveTextCode::generateTextViewCode(cell, table, pageCodeContext());
}
