#pragma once

#include <QLatin1StringView>

// The words of generated element code that the page loader reads back when a page is opened again: the
// class prefixes, the body markup of text, and the property names of element rules, among them the
// properties no browser reads, which carry the editor state of an element. Every literal lives here once;
// the page file format takes the names it shares with generated code from here.
namespace CodeVocabulary {

using Text = QLatin1StringView;

// Class prefixes of element selectors and divs: prefix + element number ("text12").
namespace Prefix {
inline constexpr Text text{"text"};
inline constexpr Text snippet{"snippet"};
} // namespace Prefix

// Markup that text bodies carry in place of line breaks.
namespace Markup {
inline constexpr Text lineBreak{"<br>"};
inline constexpr Text tabParagraph{"<p class=\"tab\">"};
} // namespace Markup

// Property names of element rules, standard CSS and editor state alike.
namespace Css {
// Standard CSS.
inline constexpr Text position{"position"};
inline constexpr Text backgroundColor{"background-color"};
inline constexpr Text color{"color"};
inline constexpr Text left{"left"};
inline constexpr Text top{"top"};
inline constexpr Text height{"height"};
inline constexpr Text width{"width"};
inline constexpr Text zIndex{"z-index"};
inline constexpr Text fontSize{"font-size"};
inline constexpr Text fontFamily{"font-family"};
inline constexpr Text fontWeight{"font-weight"};
inline constexpr Text padding{"padding"};
inline constexpr Text borderStyle{"border-style"};
inline constexpr Text borderWidth{"border-width"};
inline constexpr Text borderColor{"border-color"};
inline constexpr Text borderRadius{"border-radius"};
inline constexpr Text mozBorderRadius{"-moz-border-radius"};
inline constexpr Text textAlign{"text-align"};
inline constexpr Text textDecoration{"text-decoration"};
inline constexpr Text textIndent{"text-indent"};
inline constexpr Text opacity{"opacity"};
inline constexpr Text filter{"filter"};
inline constexpr Text lineHeight{"line-height"};
inline constexpr Text boxShadow{"box-shadow"};

// Editor state: read back by the page loader, ignored by browsers.
inline constexpr Text snippetFormattingFlag{"snippetFormattingFlag"};
inline constexpr Text verticalAlignment{"verticalAlignment"};
inline constexpr Text fixed{"fixed"}; // the move lock
inline constexpr Text shadowOpacity{"shadow-opacity"};
inline constexpr Text shadowRadius{"shadow-radius"};
inline constexpr Text textAlpha{"textAlpha"};
inline constexpr Text indentFlag{"indent-flag"};
inline constexpr Text shapeFlag{"shapeFlag"};
inline constexpr Text groupNumber{"groupNumber"};
inline constexpr Text tableNumber{"tableNumber"};
inline constexpr Text tableRowSpot{"tableRowSpot"};
inline constexpr Text tableColumnSpot{"tableColumnSpot"};
inline constexpr Text templateName{"templateName"};
inline constexpr Text manualLayerIndex{"manualLayerIndex"};
inline constexpr Text linkType{"linkType"};
inline constexpr Text shapeBackgroundColor{"shapeBackgroundColor"};
inline constexpr Text nlines{"nlines"};
inline constexpr Text fixedWidthFlag{"fixedWidthFlag"};
inline constexpr Text fixedHeightFlag{"fixedHeightFlag"};
inline constexpr Text widthBuffer{"widthBuffer"};
inline constexpr Text heightBuffer{"heightBuffer"};
inline constexpr Text zoomBubbleFlag{"zoomBubbleFlag"};
inline constexpr Text bubbleShape{"bubbleShape"};
inline constexpr Text xsColumnGrid{"xsColumnGrid"};
inline constexpr Text smallColumnGrid{"smallColumnGrid"};
inline constexpr Text mediumColumnGrid{"mediumColumnGrid"};
inline constexpr Text largeColumnGrid{"largeColumnGrid"};
inline constexpr Text shadowBlurRadius{"shadowBlurRadius"};
inline constexpr Text shadowDistanceX{"shadowDistanceX"};
inline constexpr Text shadowDistanceY{"shadowDistanceY"};
inline constexpr Text rotationAngle{"rotationAngle"};
inline constexpr Text responsiveResizeFlag{"responsiveResizeFlag"};
inline constexpr Text responsiveAlignmentFlag{"responsiveAlignmentFlag"};
inline constexpr Text sectionNumber{"sectionNumber"};
inline constexpr Text sectionRowSpot{"sectionRowSpot"};
inline constexpr Text sectionColumnSpot{"sectionColumnSpot"};
inline constexpr Text markAsReplyFlag{"markAsReplyFlag"};
inline constexpr Text onClickShow{"onClickShow"};
inline constexpr Text onClickHide{"onClickHide"};
inline constexpr Text topMarginStr{"topMarginStr"};
inline constexpr Text bottomMarginStr{"bottomMarginStr"};
inline constexpr Text leftMarginStr{"leftMarginStr"};
inline constexpr Text rightMarginStr{"rightMarginStr"};
inline constexpr Text topPaddingStr{"topPaddingStr"};
inline constexpr Text bottomPaddingStr{"bottomPaddingStr"};
inline constexpr Text leftPaddingStr{"leftPaddingStr"};
inline constexpr Text rightPaddingStr{"rightPaddingStr"};
inline constexpr Text topPaddingTypeStr{"topPaddingTypeStr"};
inline constexpr Text bottomPaddingTypeStr{"bottomPaddingTypeStr"};
inline constexpr Text leftPaddingTypeStr{"leftPaddingTypeStr"};
inline constexpr Text rightPaddingTypeStr{"rightPaddingTypeStr"};
inline constexpr Text topMarginTypeStr{"topMarginTypeStr"};
inline constexpr Text bottomMarginTypeStr{"bottomMarginTypeStr"};
inline constexpr Text leftMarginTypeStr{"leftMarginTypeStr"};
inline constexpr Text rightMarginTypeStr{"rightMarginTypeStr"};
inline constexpr Text topPaddingLevelStr{"topPaddingLevelStr"};
inline constexpr Text bottomPaddingLevelStr{"bottomPaddingLevelStr"};
inline constexpr Text leftPaddingLevelStr{"leftPaddingLevelStr"};
inline constexpr Text rightPaddingLevelStr{"rightPaddingLevelStr"};
inline constexpr Text topMarginLevelStr{"topMarginLevelStr"};
inline constexpr Text bottomMarginLevelStr{"bottomMarginLevelStr"};
inline constexpr Text leftMarginLevelStr{"leftMarginLevelStr"};
inline constexpr Text rightMarginLevelStr{"rightMarginLevelStr"};
inline constexpr Text containsLinkFlag{"containsLinkFlag"};
inline constexpr Text hoverColor{"hoverColor"};
inline constexpr Text hoverTextColor{"hoverTextColor"};
inline constexpr Text lineMultiple{"line-multiple"};
// Form field state, carried by the a:visited rule.
inline constexpr Text formType{"formType"};
inline constexpr Text formTag{"formTag"};
inline constexpr Text formOptionTag{"formOptionTag"};
inline constexpr Text formRequiredFlag{"formRequiredFlag"};
} // namespace Css

} // namespace CodeVocabulary
