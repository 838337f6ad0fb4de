#pragma once

#include <QString>

class PageAssembly;

// The published page of the responsive designers: rebuilt from the section rows into which the element
// records are arranged, as Bootstrap rows and columns, or as tables of inline styles for e-mail. It carries
// no element rules and no trailer markers.
namespace ResponsivePage {

// The whole page, from the records the kinds left in the assembly, with the page colour `pageColor`.
// On a form page the form code follows the custom header code and the form wraps the content.
QString page(PageAssembly& page, const QString& pageColor);

// The rules that start a new line of columns where a screen class's columns fill a row of twelve.
QString columnClearingCss();

} // namespace ResponsivePage
