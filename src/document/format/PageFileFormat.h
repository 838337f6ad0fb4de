#pragma once

#include "codegen/CodeVocabulary.h"

#include <QLatin1StringView>
#include <QString>

// The vocabulary of a stored page file: the comment markers, head lines, rule selectors and keyed blocks
// that the writer of a page and all its readers share. Every literal of the format lives here once, or in
// the code vocabulary where generated element code writes it too.
namespace PageFile {

using Text = QLatin1StringView;

// A value carried between two names, written as lead + start + value + end + trail. Readers take the
// text between the first `start` and the first `end` that follows it; lead and trail are written only.
struct ValueMarker {
    Text start;
    Text end;
    Text lead{};
    Text trail{};

    QString written(const QString& value) const { return QString(lead) + start + value + end + trail; }
};

// Blocks whose opening line carries the number of lines that follow it: start + count + end.
struct CountedBlock {
    Text start;
    Text end;

    QString written(int lineCount) const { return QString(start) + QString::number(lineCount) + end; }
};

// Document frame and the split between style and body.
namespace Frame {
inline constexpr Text html5Doctype{"<!DOCTYPE html>"};
inline constexpr Text html4Doctype{"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\" "
                                   "\"http://www.w3.org/TR/html4/loose.dtd\">"};
inline constexpr Text htmlOpen{"<html>"};
inline constexpr Text headOpen{"<head>"};
inline constexpr Text titleOpen{"<title>"};
inline constexpr Text titleClose{"</title>"};
inline constexpr Text styleOpen{"<style type=text/css>"};
// The page loader's split: the text before the first occurrence is the style part.
inline constexpr Text styleAndHeadClose{"</style></head>"};
inline constexpr Text bodyOpenStart{"<body bgcolor=#"};
inline constexpr Text bodyOpenEnd{" leftmargin=0 topmargin=0>"};
inline constexpr Text contentOpen{"<div id=content>"};
inline constexpr Text documentClose{"</div></body></html>"};
} // namespace Frame

// Head lines that readers look for.
namespace Head {
inline constexpr Text keywordsMeta{"<meta name=\"keywords\" content=\""};
inline constexpr Text descriptionMeta{"<meta name=\"description\" content=\""};
// Both metas end their value with this.
inline constexpr Text metaContentClose{"\">"};
inline constexpr Text contentTypeMeta{"<meta http-equiv=\"Content-Type\" content=\"text/html; charset="};
// Follows the charset value, a blank included; readers cut these 4 characters off the line.
inline constexpr Text contentTypeMetaClose{"\"/> "};
inline constexpr Text compatibilityMeta{"<meta http-equiv=\"X-UA-Compatible\" content=\"IE=edge\"/>"};
inline constexpr ValueMarker viewportMeta{Text{"<meta name='viewport' content='width="}, Text{"'>"}};
inline constexpr Text manualViewport{"<!---manual view port calculation--->"};
// "<meta name='Generator' content='" + product + " for Mac " + version + "'>".
inline constexpr Text generatorMetaStart{"<meta name='Generator' content='"};
inline constexpr Text generatorMetaJoin{" for Mac "};
inline constexpr Text generatorMetaEnd{"'>"};
// A downloaded page is taken as one of ours when it carries one of these.
inline constexpr Text acceptedGenerators[] = {Text{"<meta name='Generator' content='HTML Velk"},
                                              Text{"<meta name='Generator' content='Quarnel"}};
inline constexpr CountedBlock baseTemplateHeaderCode{Text{"<!--Base Template Header Code:"}, Text{"-->"}};
inline constexpr CountedBlock customHeaderCode{Text{"<!--Custom Header Code:"}, Text{"-->"}};
// Older form pages only; read, never written.
inline constexpr CountedBlock quarnelCustomHeaderCode{Text{"<!--Quarnel Custom Header Code:"}, Text{"-->"}};
inline constexpr Text bootstrapStyleSheet{"bootstrap.min.css"};
// The script and style files a page can load from beside itself instead of a public copy.
inline constexpr Text localJquery{"jquery-2.2.2.min.js"};
inline constexpr Text localBootstrapScript{"bootstrap.min.js"};
inline constexpr Text localBootstrapStyleSheet{"bootstrap.min.css"};
} // namespace Head

// Style-block rules other than element rules.
namespace Style {
// The centring rule begins so; the page width and "px;margin-left:auto;margin-right:auto;}" follow.
inline constexpr Text centringRule{"#content{position:relative;width:"};
inline constexpr Text backgroundImageRule{"body{background-image:url("};
inline constexpr Text tabRule{".tab {text-indent:40px;}"};
inline constexpr Text tableCellRule{
    "table, td, th{border:0px solid black; padding:0px;text-align:left;vertical-align:top;}"};
// Retina background rules stand on one line that begins so, which no element-rule prefix matches.
inline constexpr Text retinaMediaQuery{"@media(-webkit-min-device-pixel-ratio: 2) {"};
} // namespace Style

// Element-rule selectors (a rule line begins with one) and the mark of a positioned rule.
namespace Rule {
inline constexpr Text text{".text"};
inline constexpr Text snippet{".snippet"};
inline constexpr Text image{".image"};
inline constexpr Text line{".line"};
inline constexpr Text tableGrid{".tableGrid"};
inline constexpr Text galleryGrid{".galleryGrid"};
inline constexpr Text slideshow{".slideshow"};
// Legacy kinds of the profile products, read but never written: an old table is a ".table" line without
// "tableGrid", an old table cell a ".ttext" line.
inline constexpr Text oldTable{".table"};
inline constexpr Text oldTableExclusion{"tableGrid"};
inline constexpr Text oldTableCell{".ttext"};
inline constexpr Text positioned{"{position:"};
} // namespace Rule

// Property names of element rules: the CSS a browser reads and the editor state it ignores. The names that
// generated element code writes too are the code vocabulary's own; only the page file's other names are
// defined here.
namespace Property {
namespace Css = CodeVocabulary::Css;
// Placement and box.
using Css::position, Css::left, Css::top, Css::zIndex, Css::width, Css::height, Css::fixed, Css::padding;
inline constexpr Text margin{"margin"};
inline constexpr Text overflow{"overflow"};
inline constexpr Text border{"border"};
inline constexpr Text display{"display"};
// Look.
using Css::backgroundColor, Css::color, Css::fontSize, Css::fontFamily, Css::borderStyle, Css::borderWidth,
    Css::borderColor, Css::borderRadius, Css::mozBorderRadius, Css::textAlign, Css::textIndent,
    Css::lineHeight, Css::opacity, Css::filter, Css::boxShadow;
// Editor state shared by several kinds.
using Css::groupNumber, Css::templateName, Css::manualLayerIndex, Css::sectionNumber, Css::sectionRowSpot,
    Css::sectionColumnSpot, Css::tableNumber, Css::shadowBlurRadius, Css::shadowDistanceX,
    Css::shadowDistanceY, Css::rotationAngle, Css::responsiveResizeFlag, Css::responsiveAlignmentFlag,
    Css::bubbleShape;
inline constexpr Text shadowFlag{"shadowFlag"};
// The page file's own spellings; generated element code writes "shadow-opacity" and "shadow-radius".
inline constexpr Text shadowOpacity{"shadowOpacity"};
inline constexpr Text shadowRadius{"shadowRadius"};
inline constexpr Text shadowOffSetY{"shadowOffSetY"};
inline constexpr Text backdrop{"backdrop"};
// Text and snippet boxes.
using Css::textAlpha, Css::shapeFlag, Css::tableRowSpot, Css::tableColumnSpot, Css::linkType,
    Css::shapeBackgroundColor, Css::nlines, Css::fixedWidthFlag, Css::fixedHeightFlag, Css::widthBuffer,
    Css::heightBuffer, Css::zoomBubbleFlag, Css::xsColumnGrid, Css::smallColumnGrid, Css::mediumColumnGrid,
    Css::largeColumnGrid, Css::markAsReplyFlag, Css::onClickShow, Css::onClickHide, Css::verticalAlignment,
    Css::snippetFormattingFlag, Css::containsLinkFlag;
// Generated element code writes "indent-flag" and "line-multiple" instead.
inline constexpr Text indentFlag{"indentFlag"};
inline constexpr Text lineSpacingMultiple{"lineSpacingMultiple"};
// Companion rules of text and snippet boxes.
using Css::hoverColor, Css::hoverTextColor, Css::formType, Css::formTag, Css::formOptionTag,
    Css::formRequiredFlag;
// Images.
inline constexpr Text imageName{"imagename"};
inline constexpr Text imageType{"imagetype"};
inline constexpr Text reflection{"reflection"};
inline constexpr Text reflectionFraction{"reflection-fraction"};
inline constexpr Text imageAlpha{"imageAlpha"};
inline constexpr Text retina{"retina"};
inline constexpr Text slideShowNumber{"slideShowNumber"};
inline constexpr Text enlarge{"enlarge"};
inline constexpr Text galleryNumber{"galleryNumber"};
inline constexpr Text galleryRowSpot{"galleryRowSpot"};
inline constexpr Text galleryColumnSpot{"galleryColumnSpot"};
inline constexpr Text originalHeight{"originalHeight"};
inline constexpr Text bubbleFlag{"bubbleFlag"};
inline constexpr Text imageMaskFlag{"imageMaskFlag"};
// Lines.
inline constexpr Text lineOriginX{"lineOriginX"};
inline constexpr Text lineOriginY{"lineOriginY"};
inline constexpr Text lineEndX{"lineEndX"};
inline constexpr Text lineEndY{"lineEndY"};
inline constexpr Text lineAlpha{"lineAlpha"};
inline constexpr Text drawBeginArrow{"drawBeginArrow"};
inline constexpr Text drawEndArrow{"drawEndArrow"};
// Tables, galleries and slideshows.
inline constexpr Text numOfRows{"numOfRows"};
inline constexpr Text numOfColumns{"numOfColumns"};
inline constexpr Text gridType{"gridType"};
inline constexpr Text sectionTopPadding{"sectionTopPadding"};
inline constexpr Text sectionBottomPadding{"sectionBottomPadding"};
inline constexpr Text sectionLeftPadding{"sectionLeftPadding"};
inline constexpr Text sectionRightPadding{"sectionRightPadding"};
inline constexpr Text sectionID{"sectionID"};
inline constexpr Text initialLaunchState{"initialLaunchState"};
inline constexpr Text autoStart{"autoStart"};

// The box model, side by side in the order rules carry them: values, then units ("pixel" or "%"), then
// level names ("None" ... "XXL"); within each, top, bottom, left and right padding, then the margins.
inline constexpr Text boxValues[] = {Css::topPaddingStr,   Css::bottomPaddingStr, Css::leftPaddingStr,
                                     Css::rightPaddingStr, Css::topMarginStr,     Css::bottomMarginStr,
                                     Css::leftMarginStr,   Css::rightMarginStr};
inline constexpr Text boxUnits[] = {
    Css::topPaddingTypeStr, Css::bottomPaddingTypeStr, Css::leftPaddingTypeStr, Css::rightPaddingTypeStr,
    Css::topMarginTypeStr,  Css::bottomMarginTypeStr,  Css::leftMarginTypeStr,  Css::rightMarginTypeStr};
inline constexpr Text boxLevels[] = {
    Css::topPaddingLevelStr, Css::bottomPaddingLevelStr, Css::leftPaddingLevelStr, Css::rightPaddingLevelStr,
    Css::topMarginLevelStr,  Css::bottomMarginLevelStr,  Css::leftMarginLevelStr,  Css::rightMarginLevelStr};
} // namespace Property

// Body markup the readers find on a line.
namespace Body {
inline constexpr Text textDiv{"<div class=text"};
inline constexpr Text snippetDiv{"<div class=snippet"};
inline constexpr Text divWithClass{"<div class="};
inline constexpr Text linkWithClass{"<a class="};
inline constexpr Text linkOpen{"<a href="};
inline constexpr Text href{"href="};
inline constexpr Text target{"target="};
inline constexpr Text title{"title="};
inline constexpr Text enlargePopup{"#popup_image"};
// The markup that generated text bodies carry in place of line breaks.
using CodeVocabulary::Markup::tabParagraph, CodeVocabulary::Markup::lineBreak;
} // namespace Body

// Form pages: the form settings block, the SMTP lines and the message names of the validation script.
namespace Form {
inline constexpr Text settingsOpen{"<?"};
inline constexpr Text settingsClose{"?>"};
inline constexpr ValueMarker responseIp{Text{"FORMRESPONSEIPSTART=="}, Text{"==FORMRESPONSEIPEND"},
                                        Text{"//"}};
inline constexpr ValueMarker displayOption{Text{"FORMDISPLAYOPTIONSTART=="}, Text{"==FORMDISPLAYOPTIONEND"},
                                           Text{"//"}};
inline constexpr ValueMarker responseEmail{Text{"FORMRESPONSEEMAILSTART=="}, Text{"==FORMRESPONSEEMAILEND"},
                                           Text{"//"}};
inline constexpr ValueMarker responseEmailCc{Text{"//FORMRESPONSEEMAILCCSTART=="},
                                             Text{"==FORMRESPONSEEMAILCCEND"}};
inline constexpr ValueMarker smtpServer{Text{"//====SMTP_EMAIL_SERVER_START=="},
                                        Text{"==SMTP_EMAIL_SERVER_END"}};
inline constexpr ValueMarker smtpUsername{Text{"//====SMTP_EMAIL_USERNAME_START=="},
                                          Text{"==SMTP_EMAIL_USERNAME_END"}};
inline constexpr ValueMarker smtpPassword{Text{"//====SMTP_EMAIL_PASSWORD_START=="},
                                          Text{"==SMTP_EMAIL_PASSWORD_END"}};
inline constexpr ValueMarker redirectUrl{Text{"FORMREDIRECTURL"}, Text{"FORMREDIRECTURLEND"}, Text{"//"}};
inline constexpr ValueMarker submitCaption{Text{"FORMSUBMIT"}, Text{"FORMSUBMITEND"}, Text{"//"}};
inline constexpr ValueMarker emailVerification{Text{"FORMEMAILVERIFICATION"},
                                               Text{"FORMEMAILVERIFICATIONEND"}, Text{"//"}};
inline constexpr ValueMarker botCheckerMessage{Text{"FORMBOTCHECKERMSG"}, Text{"FORMBOTCHECKERMSGEND"},
                                               Text{"//"}};
inline constexpr ValueMarker missingMessage{Text{"FORMMISSINGMSG"}, Text{"FORMMISSINGMSGEND"}, Text{"//"}};
inline constexpr ValueMarker responseMessage{Text{"FORMRESPONSEMSG"}, Text{"FORMRESPONSEMSGEND"}, Text{"//"}};
inline constexpr Text defaultSubmitCaption{"Submit"};
inline constexpr Text hiddenEmailValue{"email"};
} // namespace Form

// Markers after the end of the document, one slot per line in this order.
namespace Trailer {
inline constexpr Text rotateCanvas90{"<!--ROTATE CANVAS:90-->"};
inline constexpr Text useBaseTemplate{"<!--USE BASE TEMPLATE-->"};
inline constexpr Text inheritCustomHeader{"<!--INHERIT CUSTOM HEADER-->"};
inline constexpr Text inheritMetadata{"<!--INHERIT METADATA-->"};
inline constexpr ValueMarker publishExt{Text{"<!--PUBLISHEXTSTART=="}, Text{"==PUBLISHEXTEND-->"}};
inline constexpr ValueMarker backgroundImage{Text{"<!--BACKGROUNDIMAGESTART=="},
                                             Text{"==BACKGROUNDIMAGEEND-->"}};
inline constexpr ValueMarker pageTitle{Text{"<!--PAGETITLESTART=="}, Text{"==PAGETITLEEND-->"}};
inline constexpr ValueMarker fixedCanvas{Text{"<!--FIXEDCANVASSTART=="}, Text{"==FIXEDCANVASEND-->"}};
inline constexpr ValueMarker pageSpecificWidth{Text{"<!--DOCSPECIFIC_WIDTH=="},
                                               Text{"==DOCSPECIFIC_WIDTH_END-->"}};
inline constexpr ValueMarker pageSpecificHeight{Text{"<!--DOCSPECIFIC_HEIGHT=="},
                                                Text{"==DOCSPECIFIC_HEIGHT_END-->"}};
inline constexpr Text baseTemplateDuplicated{"<!--BASE TEMPLATE DUPLICATED-->"};
inline constexpr ValueMarker canvasSizeType{Text{"CANVAS_SIZE_TYPE=="}, Text{"==CANVAS_SIZE_TYPE_END"},
                                            Text{"<!--"}, Text{"-->"}};
// Label sheet of a label page, each line followed by a line feed after the background marker.
inline constexpr ValueMarker labelBrand{Text{"//====LABEL_BRAND_START=="}, Text{"==LABEL_BRAND_END"}};
inline constexpr ValueMarker labelTemplateNumber{Text{"//====LABEL_TEMPLATENUMBER_START=="},
                                                 Text{"==LABEL_TEMPLATENUMBER_END"}};
inline constexpr ValueMarker labelTemplateDescription{Text{"//====LABEL_TEMPLATEDESCRIPTION_START=="},
                                                      Text{"==LABEL_TEMPLATEDESCRIPTION_END"}};
} // namespace Trailer

// One profile field after the trailer: "<!====" + key + "STARTSTRING--" + value + "--" + key +
// "ENDSTRING====>". Build the markers only through DataCentre::generateStartString and its siblings below.
namespace KeyedBlock {
inline constexpr Text startOpen{"<!===="};
inline constexpr Text startClose{"STARTSTRING--"};
inline constexpr Text endOpen{"--"};
inline constexpr Text endClose{"ENDSTRING====>"};
// Written for a missing value.
inline constexpr Text missingValue{"(null)"};
} // namespace KeyedBlock

// The comment block at the top of pages that old profile products wrote, one value per line.
namespace OldProfileBlock {
inline constexpr Text open{"<!--"};
inline constexpr Text close{"-->"};
} // namespace OldProfileBlock

} // namespace PageFile

namespace DataCentre {

// The keyed-block markers of a profile field.
QString generateStartString(const QString& key);
QString generateEndString(const QString& key);
// The whole block; a null value is written as "(null)".
QString generateFullString(const QString& value, const QString& key);

} // namespace DataCentre
