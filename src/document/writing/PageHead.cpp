#include "document/writing/PageHead.h"

#include "codegen/CodeTemplate.h"
#include "codegen/CodeText.h"
#include "codegen/TextElementCode.h"
#include "document/writing/PageAssembly.h"
#include "document/format/PageFileFormat.h"
#include "document/core/SKTDocument.h"
#include "profile/DataCentre.h"
#include "profile/services/WebFonts.h"

#include <QStringList>

using CodeTemplate::format;

namespace {

const char* const kPublicIncludes =
    "<script src=\"https://code.jquery.com/jquery-2.2.2.min.js\"></script>\n"
    "<link rel=\"stylesheet\" href=\"https://maxcdn.bootstrapcdn.com/bootstrap/3.3.4/css/bootstrap.min.css\" "
    "charset=\"UTF-8\">\n"
    "<script src=\"https://maxcdn.bootstrapcdn.com/bootstrap/3.3.4/js/bootstrap.min.js\" charset=\"UTF-8\">"
    "</script>\n";
const char* const kLocalIncludes = "<script src=\"jquery-2.2.2.min.js\" charset=\"UTF-8\"></script>\n"
                                   "<link rel=\"stylesheet\" href=\"bootstrap.min.css\" charset=\"UTF-8\">\n"
                                   "<script src=\"bootstrap.min.js\" charset=\"UTF-8\"></script>\n";
// Only the old browsers that need them load these.
const char* const kOldBrowserIncludes =
    "<!--[if lt IE 9]>\n"
    "<script src=\"https://oss.maxcdn.com/html5shiv/3.7.2/html5shiv.min.js\"></script>\n"
    "<script src=\"https://oss.maxcdn.com/respond/1.4.2/respond.min.js\"></script>\n"
    "<![endif]-->\n";

// The ampersand of the address is written as an entity so that the page parses as HTML without errors;
// browsers request the same address. No reader looks at this link.
const char* const kWebFontLinkOpen = "<link href='https://fonts.googleapis.com/css?family=";
const char* const kWebFontLinkClose = "&amp;subset=latin,latin-ext' rel='stylesheet' type='text/css'>";

// Keeps pop-up pictures 60 pixels lower than the window.
const char* const kImagePopupScript =
    "<script>\n$( document ).ready(function() {\nvar maxHeight = $(window).height() - 60 + \"px\";\n"
    "$(\".modal img\").css(\"max-height\", maxHeight);\n});\n$(window).on(\"resize\", function() {\n"
    "var maxHeight = $(window).height() - 60 + \"px\";\n$(\".modal img\").css(\"max-height\", "
    "maxHeight);\n});\n"
    "$(window).trigger('resize');\n</script>\n";

const char* const kHeadTemplate =
    "<head>\n<title>%@</title>\n%@\n%@\n%@\n%@\n%@\n%@\n%@\n<!--Base Template Header Code:%d-->\n%@\n"
    "<!--Custom Header Code:%d-->\n%@\n\n%@\n%@\n";
// Sixteen pieces; the page without a background picture has a line feed more after the first.
const char* const kInlineStyleWithBackground =
    "<style type=text/css>\n%@\n%@%@%@%@%@%@%@%@\n\n%@\n%@\n%@\n%@\n%@\n%@\n%@\n</style></head>\n";
const char* const kInlineStyle =
    "<style type=text/css>\n%@\n\n%@%@%@%@%@%@%@%@\n\n%@\n%@\n%@\n%@\n%@\n%@\n%@\n</style></head>\n";
const char* const kStyleSheet =
    "<style type=text/css>\n%@\n%@%@%@%@%@%@%@%@\n\n%@\n%@\n%@\n%@\n%@\n%@\n%@\n</style>\n";

// Text that is not there is written as nothing, never as "(null)".
QString orEmpty(const QString& text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

QString filled(const char* tmpl, const QStringList& pieces)
{
    const auto p = [&](int i) { return orEmpty(pieces.value(i)); };
    return format(tmpl, {p(0), p(1), p(2), p(3), p(4), p(5), p(6), p(7), p(8), p(9), p(10), p(11), p(12),
                         p(13), p(14), p(15)});
}

// Header code with single line feeds, so its stored line count is the number of lines readers take.
QString withLineFeeds(QString code)
{
    code.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    code.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return code;
}

} // namespace

namespace PageHead {

QString includeBlock()
{
    const ProductProfile& profile = DataCentre::profile();
    const bool local = profile.presentationExportFlag && !profile.responsiveDesign;
    return QString::fromUtf8(local ? kLocalIncludes : kPublicIncludes) +
           QString::fromUtf8(kOldBrowserIncludes);
}

QString webFontLink()
{
    QString families;
    for (const std::shared_ptr<CustomFont>& font : DataCentre::webFontList()) {
        if (font && font->isUsed())
            families += font->sourceCodeName() + QLatin1Char('|');
    }
    if (families.isEmpty())
        return {};
    return QString::fromLatin1(kWebFontLinkOpen) + families + QString::fromLatin1(kWebFontLinkClose);
}

QString styleSheet(const QStringList& style)
{
    return filled(kStyleSheet, style);
}

QString head(PageAssembly& page, const QStringList& style, bool backgroundImage)
{
    SKTDocument& document = page.document;
    const ProductProfile& profile = DataCentre::profile();

    using CodeText::escapedLine;
    QString metas = format(
        "<meta name=\"keywords\" content=\"%@\">\n<meta name=\"description\" content=\"%@\">",
        {escapedLine(orEmpty(document.metaKeywords())), escapedLine(orEmpty(document.metaDescription()))});
    if (document.webPageWidthManualFlag())
        metas += QLatin1Char('\n') + PageFile::Head::manualViewport;
    const QString contentType =
        format("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=%@\"/> \n"
               "<meta http-equiv=\"X-UA-Compatible\" content=\"IE=edge\"/>\n",
               {document.encodingType().isEmpty() ? QStringLiteral("UTF-8") : document.encodingType()});
    const QString metaBlock = format("%@\n%@\n%@", {metas, contentType, includeBlock()});
    const QString viewport =
        document.webPageWidth() > 0
            ? PageFile::Head::viewportMeta.written(QString::number(document.webPageWidth()))
            : QString();
    const QString generator = format("<meta name='Generator' content='%@ for Mac %@'>",
                                     {orEmpty(profile.productDisplayName), orEmpty(profile.appVersion)});

    document.setCustomHeaderCode(withLineFeeds(document.customHeaderCode().trimmed()));
    if (document.inheritCustomHeaderCodeFlag() == 0)
        document.setBaseTemplateCustomHeaderCode(QString());
    const QString baseCode = withLineFeeds(document.baseTemplateCustomHeaderCode());
    const QString ownCode = document.customHeaderCode();
    // The form page's PHP and validation code joins the custom header code with the form page.
    const QString popupScript =
        document.needImagePopupScript() ? QString::fromLatin1(kImagePopupScript) : QString();

    const QString opening = format(
        kHeadTemplate, {escapedLine(orEmpty(document.pageOfficialName())), orEmpty(viewport), generator,
                        metaBlock, QString(""), QString(""), QString(""),
                        orEmpty(page.pieces.slideshowScript), TextElementCode::calculateNumOfLines(baseCode),
                        orEmpty(baseCode), TextElementCode::calculateNumOfLines(ownCode), orEmpty(ownCode),
                        orEmpty(webFontLink()), orEmpty(popupScript)});
    return opening + filled(backgroundImage ? kInlineStyleWithBackground : kInlineStyle, style);
}

} // namespace PageHead
