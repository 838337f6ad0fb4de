#include "document/core/SKTDocument.h"
#include "document/format/PageRecords.h"
#include "model/NoNumber.h"
#include "model/records/myTextView.h"
#include "profile/DataCentre.h"
#include "profile/services/HexColor.h"

#include <algorithm>

// The records that stand for form controls on a form page, each with its kind's fixed look, and the
// numbering of form fields and choice options.

namespace {

const QString kDarkText = QStringLiteral("4f4c4c");
const QString kWhite = QStringLiteral("FFFFFF");
const QString kButtonText = QStringLiteral("808080");
constexpr int kChoiceSize = 15;
constexpr int kLabelWidth = 300;
constexpr int kLabelHeight = 40;
constexpr int kQuestionWidth = 110;

QColor darkGrey()
{
    return QColor(85, 85, 85);
}

QFont fontOf(const char* family, int size)
{
    QFont font;
    font.setFamilies({QString::fromLatin1(family)});
    font.setPixelSize(size);
    return font;
}

// What every form record shares: a plain text record in dark text, without shadow or background.
std::shared_ptr<myTextView> plainRecord(const QRectF& frame)
{
    auto record = myTextView::initWithFrame(frame);
    record->setTextType(QStringLiteral("Text"));
    record->setShadowFlag(0);
    record->setShadowRadius(0);
    record->setBackgroundColor(Qt::transparent);
    record->textView()->setTextColor(darkGrey());
    record->setTextColorString(kDarkText);
    record->setBorderHexColorString(kDarkText);
    return record;
}

// A form control: white inside a solid border.
std::shared_ptr<myTextView> formRecord(const QRectF& frame, const QString& formType)
{
    auto record = plainRecord(frame);
    record->setFormType(formType);
    MTextView& view = *record->textView();
    view.setBackgroundColor(Qt::white);
    view.setBorderLine(QStringLiteral("solid"));
    record->setColorString(kWhite);
    return record;
}

std::shared_ptr<myTextView> choiceRecord(int x, int y, const QString& formType)
{
    auto record = formRecord(QRectF(x, y, kChoiceSize, kChoiceSize), formType);
    record->textView()->setFont(fontOf("Actor", 1));
    record->textView()->setHidden(true);
    record->setBorderWidth(1);
    return record;
}

// A caption over a field: no background, no border.
std::shared_ptr<myTextView> labelRecord(const QRectF& frame)
{
    auto record = plainRecord(frame);
    MTextView& view = *record->textView();
    view.setBackgroundColor(Qt::transparent);
    view.setFont(fontOf("Actor", 14));
    view.setBorderLine(QStringLiteral("none"));
    return record;
}

} // namespace

std::shared_ptr<myTextView> SKTDocument::createNewTextField(int x, int y, int width, int height)
{
    auto record = formRecord(QRectF(x, y, width, height), QStringLiteral("text"));
    record->setFormOptionTag(kNoNumber);
    record->textView()->setFont(fontOf("Actor", 14));
    record->setTextHexColorString(kDarkText);
    record->setCornerRadius(0);
    return record;
}

std::shared_ptr<myTextView> SKTDocument::createNewParagraph(int x, int y, int width, int height)
{
    auto record = formRecord(QRectF(x, y, width, height), QStringLiteral("textarea"));
    record->setFormOptionTag(kNoNumber);
    return record;
}

std::shared_ptr<myTextView> SKTDocument::createCheckbox(int x, int y)
{
    auto record = choiceRecord(x, y, QStringLiteral("checkbox"));
    record->setBackgroundColor(Qt::white);
    record->setCornerRadius(0);
    return record;
}

std::shared_ptr<myTextView> SKTDocument::createRadioButton(int x, int y)
{
    auto record = choiceRecord(x, y, QStringLiteral("radio"));
    record->setCornerRadius(7);
    return record;
}

std::shared_ptr<myTextView> SKTDocument::createSubmitButton(int x, int y)
{
    auto record = formRecord(QRectF(x, y, 120, 45), QStringLiteral("submit"));
    record->setFormTag(findNextFormTag());
    record->setGroupNumber(findNextGroupNumber());
    record->setBackgroundColor(Qt::white);
    MTextView& view = *record->textView();
    view.setBackgroundColor(DataCentre::colorWithHexString(kWhite));
    view.setTextColor(DataCentre::colorWithHexString(kButtonText));
    view.setFont(fontOf("Anton", 18));
    view.setAlignment(Qt::AlignHCenter);
    record->setTextColorString(kButtonText);
    record->setBorderHexColorString(kButtonText);
    if (!formSubmitButtonValue().isEmpty())
        view.setString(formSubmitButtonValue());
    return record;
}

std::shared_ptr<myTextView> SKTDocument::createNewTextLabel(int x, int y)
{
    const ProductProfile& profile = DataCentre::profile();
    const int height = profile.customTextBoxHeight ? profile.textBoxDefaultHeight : kLabelHeight;
    return labelRecord(QRectF(x, y, kLabelWidth, height));
}

std::shared_ptr<myTextView> SKTDocument::createNewBotCheckerTextLabel(int x, int y)
{
    auto record = labelRecord(QRectF(x, y, kQuestionWidth, kLabelHeight));
    record->textView()->setAlignment(Qt::AlignRight);
    return record;
}

int SKTDocument::findNextFormTag() const
{
    int highest = 0;
    bool any = false;
    for (const std::shared_ptr<SKTGraphic>& text : textAreas()) {
        if (text->textType() != u"Text")
            continue;
        highest = any ? std::max(highest, text->formTag()) : text->formTag();
        any = true;
    }
    return any && highest >= 0 ? highest + 1 : 1;
}

int SKTDocument::findNextGroupNumber() const
{
    if (graphics().isEmpty())
        return 1;
    int highest = graphics().first()->groupNumber();
    for (const std::shared_ptr<SKTGraphic>& graphic : graphics())
        highest = std::max(highest, graphic->groupNumber());
    return highest + 1;
}

void SKTDocument::syncAllOptionForms()
{
    const myTextViewList records = pageRecords().textViewArray;
    for (const std::shared_ptr<myTextView>& record : records) {
        const int option = record->formOptionTag();
        if (record->formType() == u"textLabel" && option != -22 && option != -11)
            updateFormOption2(record);
    }
}

void SKTDocument::updateFormOption2(const std::shared_ptr<myTextView>& label)
{
    if (!label || label->formOptionTag() <= 0)
        return;
    for (const std::shared_ptr<myTextView>& option : pageRecords().textViewArray) {
        if (option->formTag() == label->formTag() && option->formOptionTag() == label->formOptionTag() &&
            option->formType() != u"textLabel") {
            option->textView()->setString(label->textView()->string());
            label->setOptionTextView(option);
        }
    }
}
