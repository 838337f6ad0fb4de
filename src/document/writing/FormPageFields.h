#pragma once

#include <QString>

class PageAssembly;
class SKTGraphic;

// The form fields of a form page's stored (absolute) page: each field's input markup in place of its text
// body, its PHP read and its lines of the form mail, kept in the run's form parts.
namespace FormPageFields {

// The markup of the text box as element `number` on a form page, when it is a form field or a form label;
// none for every other text box, which is written as text. Fields and labels join the form's records.
std::optional<QString> body(PageAssembly& page, SKTGraphic& box, int number, bool escape);

// The mail text of the fields in mail order (top to bottom, or the order of the text boxes when the page
// keeps it): for a PHP double-quoted literal, and for a single-quoted one.
struct MailText {
    QString doubleQuoted;
    QString singleQuoted;
};
MailText mailText(const PageAssembly& page);

} // namespace FormPageFields
