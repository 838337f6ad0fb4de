#include "canvas/drop/LibraryTextBoxes.h"

#include "profile/DataCentre.h"

#include <QDateTime>
#include <QLocale>

namespace {

const QString kHelveticaNeue = QStringLiteral("Helvetica Neue");
const QString kLato = QStringLiteral("Lato");
const QString kSnippet = QStringLiteral("HTMLSnippet");

QFont fontOf(const QString& family, int size)
{
    QFont font(family);
    font.setPointSizeF(size);
    return font;
}

// The moment of the drop in the user's language. The year is the calendar year (the week-based year
// would date the last days of December into the next year) and the clock shows 12 hours beside AM/PM.
QString now(const QString& format)
{
    return QLocale().toString(QDateTime::currentDateTime(), format);
}

} // namespace

namespace LibraryTextBoxes {

TextBoxArguments box(const DropSpot& at, const QString& text, int width, int height, const QString& family,
                     int fontSize)
{
    TextBoxArguments a;
    a.text = text;
    a.frame = QRectF(at.point, QSizeF(width, height));
    a.font = fontOf(family, fontSize);
    return a;
}

TextBoxArguments plainTextBox(const DropSpot& at, const QString& textColor)
{
    TextBoxArguments a = box(at, QStringLiteral("New text box"), 300, 150, kHelveticaNeue, 20);
    a.textColor = textColor;
    return a;
}

TextBoxArguments list(const DropSpot& at, const QString& text)
{
    return box(at, text, at.zs(300), at.zs(150), kHelveticaNeue, at.zs(25));
}

TextBoxArguments htmlList(const DropSpot& at, const QString& tag)
{
    const QString markup = QStringLiteral("<%1>\n<li>First item\n<li>Second item\n<li>Third item\n"
                                          "<li>Fourth item\n<li>More...\n</%1>")
                               .arg(tag);
    TextBoxArguments a = box(at, markup, 350, 150, kLato, 15);
    a.textType = kSnippet;
    return a;
}

TextBoxArguments divider(const DropSpot& at, const QString& text, int height, int fontSize)
{
    TextBoxArguments a = box(at, text, 0, height, kHelveticaNeue, fontSize);
    a.frame = QRectF(0, at.point.y(), DataCentre::profile().canvasWidth, height);
    a.fillColor = QStringLiteral("555555");
    a.textColor = QStringLiteral("FFFFFF");
    return a;
}

TextBoxArguments body(const DropSpot& at)
{
    QString text =
        QStringLiteral("Placeholder paragraph body text\n\nLorem ipsum dolor sit amet, consectetur "
                       "adipiscing elit. Phasellus at tincidunt dolor.\n\nDouble click me to edit.");
    if (DataCentre::profile().dateStampNewText)
        text = now(QStringLiteral("MMM dd yyyy,  dddd h:mm AP")) + u'\n' + text;
    return box(at, text, 500, 350, kHelveticaNeue, 18);
}

TextBoxArguments label(const DropSpot& at)
{
    const ProductProfile& profile = DataCentre::profile();
    return box(at, QStringLiteral("New text box.  Double click me to edit."), int(profile.canvasWidth * 0.75),
               int(profile.canvasHeight * 0.75), kHelveticaNeue, 30 * (profile.canvasWidth / 500));
}

TextBoxArguments richSample(const DropSpot& at)
{
    TextBoxArguments a = box(
        at,
        QStringLiteral("This text box supports simple HTML markups such as <i>italics</i>, <b>bold</b> and "
                       "<u>underline</u>. Links work too, for example "
                       "<a href=\"https://www.example.com\">a link to example.com</a>."),
        350, 100, kLato, 15);
    a.textType = kSnippet;
    return a;
}

TextBoxArguments dashedOutline(const DropSpot& at, int width, int height, const QString& colour, bool round)
{
    TextBoxArguments a = box(at, QStringLiteral(" "), at.zs(width), at.zs(height), kHelveticaNeue, at.zs(20));
    a.borderStyle = QStringLiteral("dashed");
    a.borderWidth = at.zoomStep();
    a.borderColor = colour;
    if (round)
        a.cornerRadius = at.zs(100);
    return a;
}

TextBoxArguments cover(const DropSpot& at, int width, int height, const char* fill, const char* text,
                       float opacity, bool round)
{
    TextBoxArguments a = box(at, QStringLiteral(" "), at.zs(width), at.zs(height), kHelveticaNeue, at.zs(40));
    a.fillColor = QString::fromLatin1(fill);
    a.textColor = QString::fromLatin1(text);
    a.opacity = opacity;
    if (round)
        a.cornerRadius = at.zs(100);
    return a;
}

TextBoxArguments shape(const DropSpot& at, int width, int height, int cornerRadius)
{
    TextBoxArguments a = box(at, QStringLiteral(" "), at.zs(width), at.zs(height), kHelveticaNeue, at.zs(20));
    a.borderStyle = QStringLiteral("solid");
    a.borderColor = QStringLiteral("555555");
    a.cornerRadius = cornerRadius;
    return a;
}

TextBoxArguments numberTag(const DropSpot& at, int digit)
{
    TextBoxArguments a = box(at, QString::number(digit), 40, 50, QStringLiteral("Arial Black"), 30);
    a.fillColor = QStringLiteral("4F94CD");
    a.textColor = QStringLiteral("FFFFFF");
    a.cornerRadius = 5;
    return a;
}

TextBoxArguments dateStamp(const DropSpot& at)
{
    TextBoxArguments a = box(at, now(QStringLiteral("MMM dd yyyy")), 270, 50, kHelveticaNeue, 30);
    a.cornerRadius = 15;
    return a;
}

TextBoxArguments timeStamp(const DropSpot& at)
{
    TextBoxArguments a = box(at, now(QStringLiteral("MMM dd yyyy hh:mm AP")), 300, 50, kHelveticaNeue, 20);
    a.cornerRadius = 15;
    return a;
}

TextBoxArguments button(const DropSpot& at, const QString& text, const QString& fill)
{
    TextBoxArguments a = box(at, text, 240, 50, kHelveticaNeue, 25);
    a.fillColor = fill;
    a.textColor = QStringLiteral("FFFFFF");
    a.cornerRadius = 10;
    a.alignment = QStringLiteral("center");
    a.textType = kSnippet;
    a.button = true;
    return a;
}

} // namespace LibraryTextBoxes
