#pragma once

#include "model/SKTGraphic.h"

#include <QString>

class SKTDocument;

// The code a form page carries in its head: the PHP handler that mails the posted values (with PHP's
// mail() or, with a server and user name set, through an SMTP server), the script that checks the form
// before it is sent, and the PHP comment block that keeps the form's settings for the page loader.
namespace FormMailCode {

struct Mail {
    // PHP lines reading the posted values.
    QString reads;
    // The mail text as a piece of a PHP double-quoted literal; none when only the single-quoted piece is
    // had, and the SMTP form then takes that one too.
    std::optional<QString> doubleQuoted;
    QString singleQuoted;
};

// The handler, the validation script and the settings block, joined for the head. `fields` are the page's
// text boxes in list order; `pageName` names the form.
QString formCode(const SKTDocument& document, const GraphicList& fields, const QString& pageName,
                 const Mail& mail);

// The name of the form element, which the validation script finds the form by.
QString formName(const QString& pageName);
// The tags the page body stands in on a form page.
QString formOpening(const QString& pageName);
QString formClosing();

} // namespace FormMailCode
