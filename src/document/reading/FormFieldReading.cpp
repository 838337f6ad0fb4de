#include "document/reading/ObjectRuleReaders.h"
#include "document/format/PageFileFormat.h"
#include "document/reading/RuleReading.h"
#include "document/core/SKTDocument.h"
#include "model/NoNumber.h"
#include "model/records/myTextView.h"
#include "profile/ProductSelection.h"
#include "profile/services/HexColor.h"

// Text rules of form pages: each field is rebuilt by the form factory of its form type and given what
// its rule stores. Rules of any other form type are text boxes.

namespace {

namespace P = PageFile::Property;
using Scope = PageObjectRule::Scope;

constexpr int kEmailOption = -11;
constexpr int kBotCheckerOption = -22;

// Everything a form rule says about its field.
struct FormRule {
    int left = 0;
    int top = 0;
    int tag = 0;
    int cornerRadius = 0;
    int width = 0;
    int height = 0;
    QString hoverColor;
    QString hoverTextColor;
    bool moveLock = false;
    QFont font;
    QString color;
    std::optional<QString> background;
    std::optional<QString> formType;
    int formTag = kNoNumber;
    int formOptionTag = kNoNumber;
    int formRequiredFlag = 0;
    int groupNumber = kNoNumber;
    int markAsReply = 0;
    // The field's own border, as stored.
    QString borderLine;
    int borderWidth = 0;
    QString borderColor;
};

int extentOf(const std::optional<QString>& value, int growth)
{
    if (!value)
        return 0;
    if (*value == u"100%")
        return 9999;
    return PageObjectRules::intOf(*value) + growth;
}

FormRule readFormRule(SKTDocument& document, const PageObjectRule& rule)
{
    FormRule f;
    rule.requiredString(P::position);
    f.cornerRadius = rule.truncated(P::borderRadius, 0);
    int borderWidth = rule.integer(P::borderWidth, 0);
    int padding = rule.integer(P::padding, 0);
    const QString borderStyle = rule.string(P::borderStyle, QStringLiteral("none"));
    if (!RuleReading::isDrawnBorderStyle(borderStyle))
        borderWidth = 0;
    if (borderStyle == u"Solid")
        padding = 0;
    const int growth = document.usingBootStrapFlag() ? 0 : 2 * (padding + borderWidth);
    f.width = extentOf(rule.value(P::width), growth);
    f.height = extentOf(rule.value(P::height), growth);
    f.left = rule.requiredInt(P::left);
    f.top = rule.requiredInt(P::top);
    f.tag = rule.requiredInt(P::zIndex);
    f.hoverColor = rule.string(P::hoverColor, QStringLiteral(""), Scope::WholeLine);
    f.hoverTextColor = rule.string(P::hoverTextColor, QStringLiteral(""), Scope::WholeLine);
    f.moveLock = rule.truncated(P::fixed, 0) == 1;
    const QString family = rule.string(P::fontFamily, RuleReading::defaultFontFamily());
    f.font = RuleReading::displayFont(document, family, rule.integer(P::fontSize, 0));
    f.color = rule.string(P::color, QStringLiteral("000000"));
    f.background = rule.value(P::backgroundColor);
    f.formType = rule.value(P::formType, Scope::WholeLine);
    // A rule without form tags has none; it never takes another field's.
    f.formTag = rule.integer(P::formTag, kNoNumber, Scope::WholeLine);
    f.formOptionTag = rule.integer(P::formOptionTag, kNoNumber, Scope::WholeLine);
    f.formRequiredFlag = rule.integer(P::formRequiredFlag, 0, Scope::WholeLine);
    f.groupNumber = rule.truncated(P::groupNumber, kNoNumber);
    f.markAsReply = rule.integer(P::markAsReplyFlag, 0);
    f.borderLine = borderStyle;
    f.borderWidth = rule.integer(P::borderWidth, 0);
    f.borderColor =
        rule.string(P::borderColor, rule.string(QStringLiteral("bordercolor"), QStringLiteral("000000")));
    return f;
}

void applyText(myTextView& field, const QString& text)
{
    field.textView()->setString(text);
}

void applyTextColor(myTextView& field, const FormRule& f)
{
    field.textView()->setTextColor(DataCentre::colorWithHexString(f.color));
    field.setTextColorString(f.color);
}

void applyBackground(myTextView& field, const FormRule& f)
{
    if (!f.background)
        return;
    field.textView()->setBackgroundColor(DataCentre::colorWithHexString(*f.background));
    field.setColorString(*f.background);
    field.setBackgroundHexColorString(*f.background);
}

void applyBorder(myTextView& field, const FormRule& f)
{
    field.textView()->setBorderLine(f.borderLine);
    field.setBorderWidth(f.borderWidth);
    field.setBorderHexColorString(f.borderColor);
    field.setCornerRadius(float(f.cornerRadius));
}

// A check box or radio button: the factory's look with the rule's form and place.
void applyChoice(myTextView& field, const PageObjectRule& rule, const FormRule& f)
{
    field.setFormType(*f.formType);
    field.setFormTag(f.formTag);
    field.setFormOptionTag(f.formOptionTag);
    field.setTag(f.tag);
    field.setGroupNumber(f.groupNumber);
    RuleReading::readResponsivePlace(rule, field);
}

// A text field or paragraph.
void applyEntry(myTextView& field, const PageObjectRule& rule, const FormRule& f, const QString& text)
{
    RuleReading::readBoxModel(rule, field, QStringLiteral("%"));
    applyText(field, text);
    field.setFormTag(f.formTag);
    field.setTag(f.tag);
    field.setFormRequiredFlag(f.formRequiredFlag);
    field.textView()->setFont(f.font);
    applyTextColor(field, f);
    field.setGroupNumber(f.groupNumber);
    applyBackground(field, f);
    field.setMoveLock(f.moveLock ? 1 : 0);
    applyBorder(field, f);
    RuleReading::readResponsivePlace(rule, field);
}

QString textFieldPlaceholder(int formOptionTag)
{
    if (formOptionTag == kBotCheckerOption)
        return QStringLiteral("3");
    if (formOptionTag == kEmailOption)
        return QStringLiteral("name@example.com");
    return QStringLiteral("Text Field Placeholder");
}

std::shared_ptr<myTextView> readFormField(SKTDocument& document, const PageObjectRule& rule,
                                          const QString& pageName)
{
    const FormRule f = readFormRule(document, rule);
    const QString type = f.formType.value_or(QString());
    std::shared_ptr<myTextView> field;
    if (type == u"radio" || type == u"checkbox") {
        field = type == u"radio" ? document.createRadioButton(f.left, f.top)
                                 : document.createCheckbox(f.left, f.top);
        applyChoice(*field, rule, f);
    } else if (type == u"submit") {
        field = document.createSubmitButton(f.left, f.top);
        field->setTag(f.tag);
        field->setFormTag(f.formTag);
        field->setFormOptionTag(f.formOptionTag);
        field->setTextAlignment(QStringLiteral("center"));
        field->textView()->setFont(f.font);
        applyTextColor(*field, f);
        field->setGroupNumber(f.groupNumber);
        field->setHoverColorString(f.hoverColor);
        field->setHoverTextColorString(f.hoverTextColor);
        RuleReading::readResponsivePlace(rule, *field);
        applyBackground(*field, f);
        const QPointF origin = field->frame().topLeft();
        field->setFrame(QRectF(origin, QSizeF(f.width > 0 ? f.width : 70, f.height > 0 ? f.height : 25)));
        field->setMoveLock(f.moveLock ? 1 : 0);
        applyBorder(*field, f);
    } else if (type == u"textarea") {
        field = document.createNewParagraph(f.left, f.top, f.width, f.height);
        applyEntry(*field, rule, f, QStringLiteral("Paragraph Placeholder"));
    } else if (type == u"text") {
        field = document.createNewTextField(f.left, f.top, f.width, f.height);
        applyEntry(*field, rule, f, textFieldPlaceholder(f.formOptionTag));
        field->setMarkAsReplyToEmailFlag(f.markAsReply);
        field->setFormOptionTag(f.formOptionTag);
    } else {
        return document.generateATextView(rule, pageName);
    }
    field->setTableNumber(kNoNumber);
    return field;
}

} // namespace

namespace ObjectRuleReaders {

std::shared_ptr<myTextView> readText(SKTDocument& document, const PageObjectRule& rule,
                                     const QString& pageName, bool formPage)
{
    if (!formPage || pageName == DataCentre::kBaseTemplateName)
        return document.generateATextView(rule, pageName);
    return readFormField(document, rule, pageName);
}

} // namespace ObjectRuleReaders
