#include "codegen/FormFieldCode.h"

#include "codegen/CodeTemplate.h"
#include "codegen/CodeWidgetHelper.h"
#include "codegen/PageCodeContext.h"
#include "codegen/PhpText.h"

using CodeTemplate::format;

namespace {

const QString kLabel = QStringLiteral("textLabel");

QString plainTextOf(const SKTGraphic& box)
{
    QString text = box.textString().isNull() ? QStringLiteral("") : box.textString();
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

bool isChoice(const QString& formType)
{
    return formType == u"radio" || formType == u"checkbox";
}

// The label text (escaped for the page) and the element number of the label's class.
struct Label {
    QString text;
    int number = 0;
};

Label labelOf(const SKTGraphic& e, const PageCodeContext& page)
{
    Label label{PhpText::labelText(plainTextOf(e)), int(page.textViewArray.size())};
    for (const std::shared_ptr<SKTGraphic>& box : page.textViewArray) {
        if (box->formType() == kLabel && box->formTag() == e.formTag() &&
            box->formOptionTag() == e.formOptionTag())
            label = {PhpText::labelText(plainTextOf(*box)), page.layerOf(box.get())};
    }
    // The page's own PHP prints the question; it is the system's code, not typed text.
    if (e.formOptionTag() == FormFieldCode::kBotCheckOption)
        label.text = QString::fromLatin1(FormFieldCode::kBotCheckQuestion);
    return label;
}

// The field's value in the mail text.
QString valuePiece(int formTag)
{
    return format("'.$form%d.'<p>", {formTag});
}

QString labelledPiece(const QString& label, int formTag)
{
    return format("<b>%@</b><p>%@", {PhpText::singleQuoted(label), valuePiece(formTag)});
}

QString groupMessage(const SKTGraphic& e, const PageCodeContext& page)
{
    const std::shared_ptr<SKTGraphic> label = FormFieldCode::grabRadioLabel(e, page.textViewArray);
    if (!label)
        return valuePiece(e.formTag());
    return labelledPiece(PhpText::labelText(plainTextOf(*label)), e.formTag());
}

QString labelledGroup(int tag, int labelNumber, const QString& label, const QString& control)
{
    return format(
        "<div class=\"form-group\"><label for=\"form%d\"><div class=text%d>%@</div></label>\n%@\n</div>",
        {tag, labelNumber, label, control});
}

QString submitMarkup(const SKTGraphic& e, int n, const PageCodeContext& page)
{
    const QString caption = plainTextOf(e);
    if (page.storeSubmitButtonValue)
        page.storeSubmitButtonValue(caption);
    const QString value = PhpText::labelText(caption);
    const int tag = e.formTag();
    if (e.responsiveAlignment() == 1)
        return format("<p align=center><input class=text%d type=\"%@\" value=\"%@\" name=form%d></p>\n",
                      {n, e.formType(), value, tag});
    if (e.responsiveAlignment() == 2)
        return format("<p align=right><input class=text%d type=\"%@\" value=\"%@\" name=form%d></p>\n",
                      {n, e.formType(), value, tag});
    return format("<input class=text%d type=\"%@\" value=\"%@\" name=form%d>\n",
                  {n, e.formType(), value, tag});
}

} // namespace

namespace FormFieldCode {

bool isField(const QString& formType)
{
    static const QStringList fields{QStringLiteral("text"),   QStringLiteral("password"),
                                    QStringLiteral("radio"),  QStringLiteral("checkbox"),
                                    QStringLiteral("submit"), QStringLiteral("textarea")};
    return fields.contains(formType);
}

QString phpRead(const QString& formType, int formTag)
{
    if (formType == u"text" || formType == u"password")
        return format("$form%d = strip_tags($_REQUEST['form%d']);\n", {formTag, formTag});
    if (formType == u"textarea")
        return format("$form%d = nl2br(strip_tags($_REQUEST['form%d']));\n", {formTag, formTag});
    // An unanswered choice posts nothing.
    if (formType == u"radio")
        return format("$form%d = strip_tags($_REQUEST['form%d'] ?? '');\n", {formTag, formTag});
    if (formType == u"checkbox")
        return format("if($_SERVER[\"REQUEST_METHOD\"] == \"POST\") { foreach($_POST as $key => $val) "
                      "{if(is_array($_POST[$key])) $_POST[$key] = implode(\", \", $_POST[$key]);}}\n"
                      "$form%d=strip_tags($_POST['form%d'] ?? '');\n",
                      {formTag, formTag});
    return QStringLiteral("");
}

bool isThisMultipleChoiceLabel(const SKTGraphic& box, const GraphicList& boxes)
{
    if (box.formType() != kLabel || box.formOptionTag() != kGroupOption)
        return false;
    for (const std::shared_ptr<SKTGraphic>& other : boxes) {
        if (isChoice(other->formType()) && other->formTag() == box.formTag())
            return true;
    }
    return false;
}

std::shared_ptr<SKTGraphic> grabRadioLabel(const SKTGraphic& choice, const GraphicList& boxes)
{
    for (const std::shared_ptr<SKTGraphic>& box : boxes) {
        if (box->formType() == kLabel && box->formOptionTag() == kGroupOption &&
            box->formTag() == choice.formTag())
            return box;
    }
    return nullptr;
}

bool generate(const SKTGraphic& e, int n, const PageCodeContext& page, CodeWidgetHelper& code)
{
    const QString& type = e.formType();
    const int tag = e.formTag();
    QString body = QStringLiteral("");
    QString message = QStringLiteral("");
    bool marginAddOff = true;
    if (type == kLabel) {
        // A choice group's label is plain text; every other label stands in its field's markup.
        if (isThisMultipleChoiceLabel(e, page.textViewArray))
            return false;
    } else if (type == u"text") {
        const Label label = labelOf(e, page);
        const QString input =
            e.formRequiredFlag() == 1
                ? format("<input class=\"form-control text%d\" type=\"%@\" name=form%d required>\n",
                         {n, type, tag})
                : format("<input class=\"form-control text%d\" type=\"%@\" name=form%d>\n", {n, type, tag});
        body = labelledGroup(tag, label.number, label.text, input);
        message = labelledPiece(label.text, tag);
    } else if (type == u"password") {
        body = format("<input class=text%d type=\"%@\" name=form%d>\n", {n, type, tag});
        message = valuePiece(tag);
    } else if (type == u"radio") {
        const Label label = labelOf(e, page);
        body =
            format("<div class=radio>\n<label>\n<input class=text%d type=\"%@\" value=\"%@\" name=form%d>\n"
                   "<div class=text%d>%@</div>\n</label>\n</div>",
                   {n, type, label.text, tag, label.number, label.text});
        message = groupMessage(e, page);
    } else if (type == u"checkbox") {
        const Label label = labelOf(e, page);
        const QString input = format("<input class=text%d type=\"%@\" value=\"%@\" name=\"%@\">\n",
                                     {n, type, label.text, format("form%d[]", {tag})});
        body = format("<div class=checkbox>\n<label>\n%@\n<div class=text%d>%@</div>\n</label>\n</div>",
                      {input, label.number, label.text});
        message = groupMessage(e, page);
    } else if (type == u"submit") {
        body = submitMarkup(e, n, page);
        marginAddOff = false;
    } else if (type == u"textarea") {
        const Label label = labelOf(e, page);
        const int rows = int(int(e.bounds().height()) / 15.0);
        const QString area =
            e.formRequiredFlag() == 1
                ? format("<textarea class=\"form-control text%d\" rows=%d name=form%d required></textarea>\n",
                         {n, rows, tag})
                : format("<textarea class=\"form-control text%d\" rows=%d name=form%d></textarea>\n",
                         {n, rows, tag});
        body = labelledGroup(tag, label.number, label.text, area);
        message = labelledPiece(label.text, tag);
    } else {
        return false;
    }
    code.setBodyString(body);
    code.setFormResponseBody(phpRead(type, tag));
    code.setFormMessageBody(message);
    code.setNoMarginAddOnFlag(marginAddOff);
    return true;
}

} // namespace FormFieldCode
