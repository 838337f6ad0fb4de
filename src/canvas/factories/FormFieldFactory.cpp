#include "canvas/view/SKTGraphicView.h"

#include "model/records/myTextView.h"
#include "profile/DataCentre.h"

#include <functional>

// The fields of a web form, built from the page document's form records. Every piece of one field shares
// the field's form tag and group number, so the pieces move as one group and the page writes them as one
// input; on responsive pages each piece takes the width of the section cell under it.

namespace {

const QString kLabel = QStringLiteral("textLabel");
const QString kText = QStringLiteral("text");
const QString kRadio = QStringLiteral("radio");
const QString kCheckbox = QStringLiteral("checkbox");
constexpr int kGroupOption = -99;
constexpr int kEmailOption = -11;
constexpr int kBotCheckOption = -22;
constexpr int kOptionCount = 4;
// Option buttons stand this far left of their labels, which sit a little higher than the buttons.
constexpr int kButtonIndent = 30;
constexpr int kLabelRaise = 8;
constexpr int kFieldWidth = 300;
constexpr int kFieldLabelHeight = 40;
constexpr int kParagraphHeight = 150;

// The height of inputs and the distance between option rows: the product's text-box height when it sets
// one.
int inputHeight()
{
    const ProductProfile& profile = DataCentre::profile();
    return profile.customTextBoxHeight ? profile.textBoxDefaultHeight : 40;
}

int optionStep()
{
    const ProductProfile& profile = DataCentre::profile();
    return profile.customTextBoxHeight ? profile.textBoxDefaultHeight : 45;
}

bool responsive()
{
    return DataCentre::profile().responsiveDesign;
}

QFont fontOf(const QString& family, int size)
{
    QFont font;
    font.setFamilies({family});
    font.setPixelSize(size);
    return font;
}

void setPiece(myTextView& record, const QString& text, const QString& formType, int formTag, int optionTag,
              int groupNumber)
{
    record.textView()->setString(text);
    record.setFormType(formType);
    record.setFormTag(formTag);
    record.setFormOptionTag(optionTag);
    record.setGroupNumber(groupNumber);
}

// What makes a choice group a multiple choice or a checkbox group.
struct ChoiceKind {
    std::shared_ptr<myTextView> (SKTDocument::*button)(int x, int y);
    QString formType;
    QString groupLabel;
    QString optionText; // "%1" is the option's number
    QString newOptionText;
};

const ChoiceKind kMultipleChoice = {
    &SKTDocument::createRadioButton, kRadio, QStringLiteral("Multiple Choice Label"),
    QStringLiteral("Multiple Choice Option %1"), QStringLiteral("New Multiple Choice Option")};
const ChoiceKind kCheckboxes = {&SKTDocument::createCheckbox, kCheckbox, QStringLiteral("Checkboxes Label"),
                                QStringLiteral("Checkbox Option %1"), QStringLiteral("New Checkbox Option")};

// A label over one input: its texts, the input's form type and option tag, and how the input is made.
struct LabelledField {
    QString label;
    QString placeholder;
    QString formType;
    int optionTag;
    int height;
    // The input's height in a section cell.
    int cellHeight;
    std::function<std::shared_ptr<myTextView>(SKTDocument&, int x, int y, int height)> input;
};

std::shared_ptr<myTextView> textInput(SKTDocument& document, int x, int y, int height)
{
    return document.createNewTextField(x, y, kFieldWidth, height);
}

} // namespace

// ---- Fields of a label over an input

namespace {

void addLabelledField(SKTGraphicView& view, const QPointF& point, const LabelledField& field)
{
    SKTDocument& document = view.mutableGraphics();
    const int tag = document.findNextFormTag();
    const int group = document.findNextGroupNumber();
    const int ix = int(point.x());
    const int iy = int(point.y());
    auto label = document.createNewTextLabel(ix, iy);
    setPiece(*label, field.label, kLabel, tag, field.optionTag, group);
    auto input = field.input(document, ix, int(point.y() + label->frame().height()), field.height);
    setPiece(*input, field.placeholder, field.formType, tag, field.optionTag, group);
    if (responsive()) {
        label->setFrame(view.grabSectionRect(point, QRectF(point, QSizeF(kFieldWidth, kFieldLabelHeight))));
        input->setFrame(view.grabSectionRect(point, QRectF(point, QSizeF(kFieldWidth, field.cellHeight)))
                            .translated(0, kFieldLabelHeight));
    }
    view.convertTextViewToSKTGraphic(*label);
    view.convertTextViewToSKTGraphic(*input);
}

// A group label over four options, each a button left of its own label.
void addChoiceGroup(SKTGraphicView& view, const QPointF& point, const ChoiceKind& kind)
{
    SKTDocument& document = view.mutableGraphics();
    const int tag = document.findNextFormTag();
    const int group = document.findNextGroupNumber();
    const int ix = int(point.x());
    const int iy = int(point.y());
    auto groupLabel = document.createNewTextLabel(ix, iy);
    setPiece(*groupLabel, kind.groupLabel, kLabel, tag, kGroupOption, group);
    if (responsive())
        groupLabel->setFrame(
            view.grabSectionRect(point, QRectF(point, QSizeF(kFieldWidth, kFieldLabelHeight))));
    view.convertTextViewToSKTGraphic(*groupLabel);

    for (int n = 1; n <= kOptionCount; ++n) {
        const int row = iy + 10 + n * optionStep();
        const QString text = kind.optionText.arg(n);
        auto button = (document.*kind.button)(ix - kButtonIndent, row);
        setPiece(*button, text, kind.formType, tag, n, group);
        auto label = document.createNewTextLabel(ix, row - kLabelRaise);
        setPiece(*label, text, kLabel, tag, n, group);
        if (responsive()) {
            // Both pieces of the row ask for the cell under the button; the label takes the cell's width
            // beside the button.
            const QPointF at(ix - kButtonIndent, row);
            const QRectF buttonCell = view.grabSectionRect(at, QRectF(at, button->frame().size()));
            button->setFrame(QRectF(buttonCell.topLeft(), button->frame().size()));
            const QRectF labelCell = view.grabSectionRect(at, QRectF(at, label->frame().size()));
            label->setFrame(labelCell.adjusted(kButtonIndent, 0, 0, 0));
        }
        view.convertTextViewToSKTGraphic(*button);
        view.convertTextViewToSKTGraphic(*label);
    }
}

QPointF menuPoint(const SKTGraphicView& view)
{
    const QPointF origin = view.calculateOriginPoint();
    return QPointF(int(origin.x()), int(origin.y()));
}

} // namespace

void SKTGraphicView::addTextField_drag(const QPointF& point)
{
    addLabelledField(*this, point,
                     {QStringLiteral("Text Field Label"), QStringLiteral("Text Field Placeholder"), kText,
                      kGroupOption, inputHeight(), kFieldLabelHeight, textInput});
}

void SKTGraphicView::addEmailTextField_drag(const QPointF& point)
{
    addLabelledField(*this, point,
                     {QStringLiteral("Email Address Text Field Label"),
                      QStringLiteral("yourname@example.com"), kText, kEmailOption, inputHeight(),
                      kFieldLabelHeight, textInput});
}

void SKTGraphicView::addParagraph_drag(const QPointF& point)
{
    addLabelledField(*this, point,
                     {QStringLiteral("Paragraph Label"), QStringLiteral("Paragraph Placeholder"),
                      QStringLiteral("textarea"), kGroupOption, kParagraphHeight, kParagraphHeight,
                      [](SKTDocument& document, int x, int y, int height) {
                          return document.createNewParagraph(x, y, kFieldWidth, height);
                      }});
}

void SKTGraphicView::addMultipleChoice_drag(const QPointF& point)
{
    addChoiceGroup(*this, point, kMultipleChoice);
}

void SKTGraphicView::addCheckboxes_drag(const QPointF& point)
{
    addChoiceGroup(*this, point, kCheckboxes);
}

void SKTGraphicView::addBotCheckerTextField_drag(const QPointF& point)
{
    SKTDocument& document = mutableGraphics();
    const int group = document.findNextGroupNumber();
    const int ix = int(point.x());
    const int iy = int(point.y());
    const int below = int(point.y() + 30);
    // The caption and the question post nothing: they carry no form tag.
    auto caption = document.createNewTextLabel(ix, iy);
    setPiece(*caption, QStringLiteral("Bot check to make sure you're a human :)"), QStringLiteral(""), 0,
             kGroupOption, group);
    caption->textView()->setFont(fontOf(QStringLiteral("Cabin"), 15));
    auto question = document.createNewBotCheckerTextLabel(ix, below);
    setPiece(*question, QStringLiteral("1+2="), kLabel, 0, kBotCheckOption, group);
    question->textView()->setFont(fontOf(QStringLiteral("Cabin"), 25));
    const int tag = document.findNextFormTag();
    auto answer = document.createNewTextField(int(point.x() + 110), below, 100, 40);
    setPiece(*answer, QStringLiteral("3"), kText, tag, kBotCheckOption, group);
    convertTextViewToSKTGraphic(*caption);
    convertTextViewToSKTGraphic(*question);
    convertTextViewToSKTGraphic(*answer);
}

void SKTGraphicView::addSubmitButton_drag(const QPointF& point)
{
    auto button = mutableGraphics().createSubmitButton(int(point.x()), int(point.y()));
    // The page's own submit text, when it has one, stays.
    if (button->textView()->string().isEmpty())
        button->textView()->setString(QStringLiteral("Submit"));
    button->setFormOptionTag(0);
    button->setResponsiveResizeFlag(1);
    convertTextViewToSKTGraphic(*button);
}

void SKTGraphicView::addTextField()
{
    addTextField_drag(menuPoint(*this));
}

void SKTGraphicView::addEmailTextField()
{
    addEmailTextField_drag(menuPoint(*this));
}

void SKTGraphicView::addParagraph()
{
    addParagraph_drag(menuPoint(*this));
}

void SKTGraphicView::addMultipleChoice()
{
    addMultipleChoice_drag(menuPoint(*this));
}

void SKTGraphicView::addCheckboxes()
{
    addCheckboxes_drag(menuPoint(*this));
}

void SKTGraphicView::addBotCheckerTextField()
{
    addBotCheckerTextField_drag(menuPoint(*this));
}

void SKTGraphicView::addSubmitButton()
{
    addSubmitButton_drag(menuPoint(*this));
}

// ---- One more option of a choice group

namespace {

// Below each selected label: a button and its label, in the label's colour and font.
void addOption(SKTGraphicView& view, const ChoiceKind& kind)
{
    SKTDocument& document = view.mutableGraphics();
    for (const std::shared_ptr<SKTGraphic>& label : view.selectedGraphics()) {
        if (label->formType() != kLabel)
            continue;
        const int option = view.findLastOptionTag(label->formTag());
        const QRectF at = label->bounds();
        auto button = (document.*kind.button)(int(at.x() - kButtonIndent), int(at.y() + 38));
        setPiece(*button, kind.newOptionText, kind.formType, label->formTag(), option, label->groupNumber());
        auto optionLabel = document.createNewTextLabel(int(at.x()), int(at.y() + 30));
        setPiece(*optionLabel, kind.newOptionText, kLabel, label->formTag(), option, label->groupNumber());
        optionLabel->setTextColorString(label->textHexColorString());
        optionLabel->setFontSize(label->fontSize());
        optionLabel->textView()->setFont(fontOf(label->fontFamily(), label->fontSize()));
        optionLabel->setFamilyName(label->fontFamily());
        view.convertTextViewToSKTGraphic(*button);
        view.convertTextViewToSKTGraphic(*optionLabel);
    }
}

} // namespace

void SKTGraphicView::addNewMultipleChoiceOption()
{
    addOption(*this, kMultipleChoice);
}

void SKTGraphicView::addNewCheckboxChoiceOption()
{
    addOption(*this, kCheckboxes);
}
