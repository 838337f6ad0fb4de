#pragma once

#include <QString>

class PageAssembly;

// The head of the stored page: title, meta lines, the script and style includes, the slideshow scripts,
// the base-template and custom header code blocks, the web-font link, the pop-up script and the inline
// style block.
namespace PageHead {

// `style` holds the sixteen pieces of the style block in order; `backgroundImage` chooses the framing
// that carries the page's background picture rule.
// `formCode` (the form page's mail handler, validation script and settings) follows the custom header code.
QString head(PageAssembly& page, const QStringList& style, bool backgroundImage, const QString& formCode);

// The style block as the separate style sheet holds it.
QString styleSheet(const QStringList& style);

// jQuery and Bootstrap from public copies, or from the files beside the page for the web preview and the
// HTML e-mail of products that are not responsive; html5shiv and respond for old browsers either way.
QString includeBlock();

// One style-sheet link to the web-font service for every web font the page uses; empty when it uses none.
QString webFontLink();

} // namespace PageHead
