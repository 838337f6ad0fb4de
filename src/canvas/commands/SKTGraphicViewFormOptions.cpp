#include "canvas/view/SKTGraphicView.h"

#include "document/core/GraphicClasses.h"
#include "profile/DataCentre.h"

#include <algorithm>
#include <optional>

// The form flags of web-form fields, and the rules that keep each option button with its option label.

namespace {

const QString kLabel = QStringLiteral("textLabel");
constexpr int kGroupOption = -99;
constexpr int kEmailOption = -11;

bool isText(const SKTGraphic& graphic)
{
    return GraphicClasses::isKindOfClass(graphic, GraphicClasses::text);
}

// The one selected graphic when it is a text graphic; null otherwise.
std::shared_ptr<SKTGraphic> soleSelectedText(const SKTGraphicView& view)
{
    const GraphicList selected = view.selectedGraphics();
    return selected.size() == 1 && isText(*selected.first()) ? selected.first() : nullptr;
}

bool isInput(const SKTGraphic& graphic)
{
    return graphic.formType() == u"text" || graphic.formType() == u"textarea";
}

bool fieldHasOptionOfType(const GraphicList& graphics, int formTag, const QString& formType)
{
    return std::any_of(graphics.cbegin(), graphics.cend(), [&](const std::shared_ptr<SKTGraphic>& g) {
        return isText(*g) && g->formTag() == formTag && g->formType() == formType;
    });
}

// The required flag of the one selected input, when one input is selected.
std::optional<bool> selectedInputRequired(const SKTGraphicView& view)
{
    const std::shared_ptr<SKTGraphic> text = soleSelectedText(view);
    if (!text || !isInput(*text))
        return std::nullopt;
    return text->formRequiredFlag() == 1;
}

void setRequiredFlag(const SKTGraphicView& view, int flag)
{
    for (const std::shared_ptr<SKTGraphic>& graphic : view.selectedGraphics()) {
        if (isText(*graphic))
            graphic->setFormRequiredFlag(flag);
    }
}

} // namespace

void SKTGraphicView::markAsReplyTo()
{
    const GraphicList page = graphics();
    for (const std::shared_ptr<SKTGraphic>& marked : selectedGraphics()) {
        if (!isText(*marked))
            continue;
        for (const std::shared_ptr<SKTGraphic>& graphic : page) {
            const int flag = graphic == marked ? 1 : 0;
            if (graphic->markAsReplyToEmailFlag() != flag)
                graphic->setMarkAsReplyToEmailFlag(flag);
        }
    }
}

void SKTGraphicView::makeFormMandatory()
{
    setRequiredFlag(*this, 1);
}

void SKTGraphicView::makeFormOptional()
{
    setRequiredFlag(*this, 0);
}

bool SKTGraphicView::showMarkAsReplyTo() const
{
    const std::shared_ptr<SKTGraphic> text = soleSelectedText(*this);
    return text && text->formType() == u"text" && text->formOptionTag() == kEmailOption;
}

bool SKTGraphicView::showMandatory() const
{
    return selectedInputRequired(*this) == false;
}

bool SKTGraphicView::showOptional() const
{
    return selectedInputRequired(*this) == true;
}

bool SKTGraphicView::enableNewMultipleChoiceOption() const
{
    const std::shared_ptr<SKTGraphic> text = soleSelectedText(*this);
    return text && isOriginalTextViewRadio(*text);
}

bool SKTGraphicView::enableNewCheckboxChoiceOption() const
{
    const std::shared_ptr<SKTGraphic> text = soleSelectedText(*this);
    return text && isOriginalTextViewCheckbox(*text);
}

bool SKTGraphicView::isOriginalTextViewRadio(const SKTGraphic& graphic) const
{
    return fieldHasOptionOfType(graphics(), graphic.formTag(), QStringLiteral("radio"));
}

bool SKTGraphicView::isOriginalTextViewCheckbox(const SKTGraphic& graphic) const
{
    return fieldHasOptionOfType(graphics(), graphic.formTag(), QStringLiteral("checkbox"));
}

int SKTGraphicView::findLastOptionTag(int formTag) const
{
    std::optional<int> highest;
    for (const std::shared_ptr<SKTGraphic>& graphic : graphics()) {
        if (isText(*graphic) && graphic->formTag() == formTag)
            highest = std::max(highest.value_or(graphic->formOptionTag()), graphic->formOptionTag());
    }
    // A field without pieces starts its options at 1.
    return highest ? *highest + 1 : 1;
}

std::shared_ptr<SKTGraphic> SKTGraphicView::grabRadioLabel(const SKTGraphic& graphic) const
{
    for (const std::shared_ptr<SKTGraphic>& label : graphics()) {
        if (isText(*label) && label->formTag() == graphic.formTag() &&
            label->formOptionTag() == kGroupOption && label->formType() == kLabel)
            return label;
    }
    return nullptr;
}

bool SKTGraphicView::IsThisMultipleChoiceLabel(const SKTGraphic& graphic) const
{
    return isOriginalTextViewRadio(graphic) || isOriginalTextViewCheckbox(graphic);
}

void SKTGraphicView::reAlignFormOptions()
{
    // Products that keep objects from overlapping set the button level with its label and nearer to it.
    const bool apart = DataCentre::profile().preventOverlap;
    const double indent = apart ? 20 : 30;
    const double drop = apart ? 0 : 8;
    for (const std::shared_ptr<SKTGraphic>& label : graphics()) {
        if (!isText(*label) || label->formType() != kLabel)
            continue;
        const std::shared_ptr<SKTGraphic> button = findMatchingOption(*label);
        if (!button || !isFormOption(*button))
            continue;
        const QRectF at(label->bounds().x() - indent, label->bounds().y() + drop, button->bounds().width(),
                        button->bounds().height());
        if (button->bounds() != at)
            button->setBounds(at);
    }
}
