#include "document/writing/FormPageFields.h"

#include "codegen/CodeTemplate.h"
#include "codegen/CodeText.h"
#include "codegen/FormFieldCode.h"
#include "codegen/PhpText.h"
#include "document/core/SKTDocument.h"
#include "document/writing/PageAssembly.h"
#include "document/writing/TextBoxCode.h"
#include "profile/DataCentre.h"

#include <algorithm>

using CodeTemplate::format;

namespace {

const QString kLabel = QStringLiteral("textLabel");

QString inputMarkup(const SKTGraphic& box, int n, const SKTDocument& document)
{
    const QString& type = box.formType();
    const int tag = box.formTag();
    if (type == u"text")
        return box.formRequiredFlag() == 1
                   ? format("<input class=text%d type=\"%@\" name=form%d required>\n", {n, type, tag})
                   : format("<input class=text%d type=\"%@\" name=form%d>\n", {n, type, tag});
    if (type == u"password")
        return format("<input class=text%d type=\"%@\" name=form%d>\n", {n, type, tag});
    if (type == u"radio")
        return format("<input class=text%d type=\"%@\" value=\"%@\" name=form%d>\n\n",
                      {n, type, PhpText::labelText(TextBoxCode::plainText(box)), tag});
    if (type == u"checkbox")
        return format("<input class=text%d type=\"%@\" value=\"%@\" name=\"%@\">\n",
                      {n, type, PhpText::labelText(TextBoxCode::plainText(box)), format("form%d[]", {tag})});
    if (type == u"submit")
        return format("<input class=text%d type=\"%@\" value=\"%@\" name=form%d>\n",
                      {n, type, PhpText::labelText(document.formSubmitButtonValue()), tag});
    const QRectF b = box.bounds();
    const int cols = int(b.width()) / 10;
    const int rows = int(b.height()) / 10;
    return box.formRequiredFlag() == 1
               ? format("<textarea class=text%d cols=%d rows=%d name=form%d required></textarea>\n",
                        {n, cols, rows, tag})
               : format("<textarea class=text%d cols=%d rows=%d name=form%d></textarea>\n",
                        {n, cols, rows, tag});
}

// A choice group's value goes into the mail once.
bool groupAlreadyMailed(const PageAssembly& page, const QString& quotedPiece)
{
    return std::any_of(page.form.fields.cbegin(), page.form.fields.cend(), [&](const FormSortHelper& field) {
        return field.formMessageBody_quote() == quotedPiece;
    });
}

FormSortHelper record(const SKTGraphic& box, const QString& body)
{
    FormSortHelper field;
    field.setFormXPosition(int(box.bounds().x()));
    field.setFormYPosition(int(box.bounds().y()));
    field.setFormBodyString(body);
    return field;
}

} // namespace

namespace FormPageFields {

std::optional<QString> body(PageAssembly& page, SKTGraphic& box, int number, bool escape)
{
    const QString& type = box.formType();
    if (type == kLabel) {
        const QString text =
            box.formOptionTag() == FormFieldCode::kBotCheckOption
                ? QString::fromLatin1(FormFieldCode::kBotCheckQuestion)
                : CodeText::bodyMarkup(TextBoxCode::plainText(box), box.indentFlag(), escape);
        const QString markup = format("<div class=text%d>%@</div>\n", {number, text});
        FormSortHelper field = record(box, markup);
        if (box.formOptionTag() == FormFieldCode::kGroupOption) {
            const QString label = PhpText::labelText(TextBoxCode::plainText(box));
            field.setFormMessageBody(format("<b>%@</b><p>", {PhpText::doubleQuoted(label)}));
            field.setFormMessageBody_quote(format("<b>%@</b><p>", {PhpText::singleQuoted(label)}));
        }
        page.form.fields.append(field);
        return markup;
    }
    if (!FormFieldCode::isField(type))
        return std::nullopt;

    const QString markup = inputMarkup(box, number, page.document);
    FormSortHelper field = record(box, markup);
    if (type != u"submit") {
        const QString quoted = format("'.$form%d.'<p>", {box.formTag()});
        const bool choice = type == u"radio" || type == u"checkbox";
        if (!choice || !groupAlreadyMailed(page, quoted)) {
            field.setFormMessageBody(format("$form%d<p>", {box.formTag()}));
            field.setFormMessageBody_quote(quoted);
        }
        const QString read = FormFieldCode::phpRead(type, box.formTag());
        if (!page.form.reads.contains(read))
            page.form.reads += read;
    }
    page.form.fields.append(field);
    return markup;
}

MailText mailText(const PageAssembly& page)
{
    // The fields were recorded from the last text box to the first.
    QList<FormSortHelper> fields(page.form.fields.crbegin(), page.form.fields.crend());
    if (page.document.formOrderLayoutOption() != 1)
        std::stable_sort(fields.begin(), fields.end(), [](const FormSortHelper& a, const FormSortHelper& b) {
            return a.formYPosition() < b.formYPosition();
        });
    MailText text{QStringLiteral(""), QStringLiteral("")};
    for (const FormSortHelper& field : fields) {
        text.doubleQuoted += field.formMessageBody();
        text.singleQuoted += field.formMessageBody_quote();
    }
    return text;
}

} // namespace FormPageFields
