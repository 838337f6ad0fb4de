#pragma once

#include "model/SKTGraphic.h"

#include <QString>

class CodeWidgetHelper;
struct PageCodeContext;

// The web-form half of a text element's code: a form field's Bootstrap markup and its two pieces of the
// page's form mail, the PHP line that reads the posted value into "$form" + tag and the field's line of
// the mail text (a piece of a PHP single-quoted literal).
namespace FormFieldCode {

inline constexpr int kGroupOption = -99;
inline constexpr int kEmailOption = -11;
inline constexpr int kBotCheckOption = -22;

// What prints the bot-check question the page's PHP sets up.
inline constexpr const char* kBotCheckQuestion = "<?php echo \"$questionString\";?>";

// One of the kinds that post a value or send the form: "text", "password", "radio", "checkbox",
// "submit", "textarea".
bool isField(const QString& formType);

// The PHP that reads the posted value of a field of the kind into "$form" + tag, with its tags stripped;
// empty for kinds that post nothing. A check-box group's values are joined with ", ".
QString phpRead(const QString& formType, int formTag);

// The label box of a multiple choice group: a "textLabel" with the group option and the tag of a radio
// button or check box among `boxes`.
bool isThisMultipleChoiceLabel(const SKTGraphic& box, const GraphicList& boxes);
// The label box of the group of a radio button or check box among `boxes`; none when it has none.
std::shared_ptr<SKTGraphic> grabRadioLabel(const SKTGraphic& choice, const GraphicList& boxes);

// Writes the element's form markup into the body of `code` and its mail pieces, and answers true; false
// for an element that is written as plain text (no form element, or the label of a choice group). `n` is
// the element number. A submit button's caption is kept through the page's storeSubmitButtonValue.
bool generate(const SKTGraphic& element, int n, const PageCodeContext& page, CodeWidgetHelper& code);

} // namespace FormFieldCode
