#include "document/writing/PageHead.h"

#include "codegen/CodeText.h"
#include "codegen/TextElementCode.h"
#include "document/core/SKTDocument.h"
#include "document/format/PageFileFormat.h"
#include "document/writing/PageAssembly.h"
#include "profile/DataCentre.h"
#include "profile/services/WebFonts.h"

#include <QStringList>

namespace {

const char* const kPublicIncludes =
    "<script src=\"https://code.jquery.com/jquery-2.2.2.min.js\"></script>\n"
    "<link rel=\"stylesheet\" href=\"https://maxcdn.bootstrapcdn.com/bootstrap/3.3.4/css/bootstrap.min.css\" "
    "charset=\"UTF-8\">\n"
    "<script src=\"https://maxcdn.bootstrapcdn.com/bootstrap/3.3.4/js/bootstrap.min.js\" charset=\"UTF-8\">"
    "</script>\n";
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

// Where the separate style sheet ends; the inline block closes the head as well.
const QLatin1StringView kStyleClose{"</style>"};

// Text that is not there is written as nothing, never as "(null)".
QString orEmpty(const QString& text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

// The style block of sixteen pieces: the first on its own (with a line feed more when `spaced`), the next
// eight run together, then a blank line and the last seven a line each.
QString styleBlock(const QStringList& pieces, bool spaced, QLatin1StringView close)
{
    QString block = PageFile::Frame::styleOpen + u'\n' + pieces.value(0) + u'\n';
    if (spaced)
        block += u'\n';
    for (int i = 1; i <= 8; ++i)
        block += pieces.value(i);
    block += u'\n';
    for (int i = 9; i <= 15; ++i)
        block += u'\n' + pieces.value(i);
    return block + u'\n' + close + u'\n';
}

// A script or style sheet the page loads from beside itself.
QString localScript(QLatin1StringView file)
{
    return QLatin1String("<script src=\"") + file + QLatin1String("\" charset=\"UTF-8\"></script>\n");
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
    using namespace PageFile::Head;
    const QString includes = local ? localScript(localJquery) +
                                         QLatin1String("<link rel=\"stylesheet\" href=\"") +
                                         localBootstrapStyleSheet + QLatin1String("\" charset=\"UTF-8\">\n") +
                                         localScript(localBootstrapScript)
                                   : QString::fromUtf8(kPublicIncludes);
    return includes + QString::fromUtf8(kOldBrowserIncludes);
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
    return styleBlock(style, false, kStyleClose);
}

QString head(PageAssembly& page, const QStringList& style, bool backgroundImage, const QString& formCode)
{
    SKTDocument& document = page.document;
    const ProductProfile& profile = DataCentre::profile();

    using CodeText::escapedLine;
    using namespace PageFile::Head;
    QString metas = keywordsMeta + escapedLine(orEmpty(document.metaKeywords())) + metaContentClose + u'\n' +
                    descriptionMeta + escapedLine(orEmpty(document.metaDescription())) + metaContentClose;
    if (document.webPageWidthManualFlag())
        metas += QLatin1Char('\n') + PageFile::Head::manualViewport;
    const QString contentType =
        contentTypeMeta +
        (document.encodingType().isEmpty() ? QStringLiteral("UTF-8") : document.encodingType()) +
        contentTypeMetaClose + u'\n' + compatibilityMeta + u'\n';
    const QString metaBlock = metas + u'\n' + contentType + u'\n' + includeBlock();
    const QString viewport = document.webPageWidth() > 0
                                 ? viewportMeta.written(QString::number(document.webPageWidth()))
                                 : QString();
    const QString generator = generatorMetaStart + orEmpty(profile.productDisplayName) + generatorMetaJoin +
                              orEmpty(profile.appVersion) + generatorMetaEnd;

    document.setCustomHeaderCode(withLineFeeds(document.customHeaderCode().trimmed()));
    if (document.inheritCustomHeaderCodeFlag() == 0)
        document.setBaseTemplateCustomHeaderCode(QString());
    const QString baseCode = withLineFeeds(document.baseTemplateCustomHeaderCode());
    const QString ownCode = document.customHeaderCode();
    // The custom header block counts only the user's own lines; the form code follows them.
    const QString headerCode = formCode.isEmpty() ? ownCode : ownCode + u'\n' + formCode;
    const QString popupScript =
        document.needImagePopupScript() ? QString::fromLatin1(kImagePopupScript) : QString();

    using namespace PageFile::Frame;
    const QString opening = headOpen + u'\n' + titleOpen + escapedLine(orEmpty(document.pageOfficialName())) +
                            titleClose + u'\n' + viewport + u'\n' + generator + u'\n' + metaBlock +
                            QLatin1String("\n\n\n\n") + page.pieces.slideshowScript + u'\n' +
                            baseTemplateHeaderCode.written(TextElementCode::calculateNumOfLines(baseCode)) +
                            u'\n' + baseCode + u'\n' +
                            customHeaderCode.written(TextElementCode::calculateNumOfLines(ownCode)) + u'\n' +
                            headerCode + QLatin1String("\n\n") + webFontLink() + u'\n' + popupScript + u'\n';
    // The page without a background picture has a line feed more after the first piece.
    return opening + styleBlock(style, !backgroundImage, styleAndHeadClose);
}

} // namespace PageHead
