#include "codegen/CodeTemplate.h"
#include "codegen/CodeText.h"
#include "document/core/DocumentWindow.h"
#include "document/core/SKTDocument.h"
#include "document/format/PageEntities.h"
#include "document/format/PageFileFormat.h"
#include "document/writing/FormMailCode.h"
#include "document/writing/FormPageFields.h"
#include "document/writing/PageAssembly.h"
#include "document/writing/PageHead.h"
#include "document/writing/PageKinds.h"
#include "document/writing/PageLibraries.h"
#include "document/writing/PageTrailer.h"
#include "document/writing/ResponsivePage.h"
#include "model/SKTGalleryGrid.h"
#include "model/SKTSlideshow.h"
#include "platform/Format.h"
#include "profile/DataCentre.h"
#include "profile/ProductSelection.h"
#include "profile/services/HexColor.h"
#include "profile/services/WebFonts.h"

using CodeTemplate::format;

namespace {

const QString kWhite = QStringLiteral("FFFFFF");
const QString kTextType = QStringLiteral("Text");
const QString kSnippetType = QStringLiteral("HTMLSnippet");

// The kinds in the order they are written; the numbers of each kind follow this order. Tables hand their
// cells on to the snippet and text box passes that follow them.
using KindPass = void (*)(PageAssembly&);
constexpr KindPass kKindPasses[] = {
    PageKinds::writeSlideshows, PageKinds::writeGalleryGrids, PageKinds::writeTables,
    PageKinds::writeSnippets,   PageKinds::writeLines,        PageKinds::writeImages,
    PageKinds::writeTextBoxes,
};

void sortIntoLists(PageAssembly& page)
{
    SKTDocument& document = page.document;
    PageWorkLists& lists = page.lists;
    for (const std::shared_ptr<SKTGraphic>& text : document.textAreas()) {
        if (text->textType() == kTextType)
            lists.textViewArray.append(text);
        else if (text->textType() == kSnippetType)
            lists.htmlSnippetArray.append(text);
    }
    for (const std::shared_ptr<SKTGraphic>& image : document.images())
        lists.imageViewArray.append(PageImage(image));
    lists.slideshowArray = document.slideshows();
    lists.galleryArray = document.galleries();
    lists.tableArray = document.tables();
    lists.lineArray = document.lines();
}

// The page colour as a colour string. A page whose background picture cannot be had loses its background
// picture flag and shows its colour.
QString pageColorOf(SKTDocument& document)
{
    QString color;
    if (DocumentWindow* window = document.windowController()) {
        const QBrush brush = window->getDocumentColor();
        if (document.backgroundImageFlag() > 0 && brush.textureImage().isNull())
            document.setBackgroundImageFlag(0);
        if (document.backgroundImageFlag() == 0)
            color = brush.color().alpha() == 0 ? DataCentre::kClearColorString
                                               : DataCentre::asHexString(brush.color());
    } else {
        if (document.backgroundImageFlag() > 0 && document.backgroundImage().isNull())
            document.setBackgroundImageFlag(0);
        color = document.pageColorHexString().isEmpty() ? DataCentre::asHexString(document.pageColor())
                                                        : document.pageColorHexString();
    }
    if (color == DataCentre::kClearColorString && !DataCentre::profile().transparentBackgroundAllowed)
        color = kWhite;
    return CodeText::safeColor(color, kWhite);
}

QString backgroundRule(const SKTDocument& document, const QString& pageName, const QString& pageColor)
{
    if (document.backgroundImageFlag() == 0)
        return format("body{background-color:#%@;}", {pageColor});
    const QString folder = document.useBaseTemplateFlag() != 0 ? DataCentre::kBaseTemplateName : pageName;
    const QString file = document.backgroundImageType() == QLatin1String("JPG")
                             ? QStringLiteral("background.JPG")
                             : QStringLiteral("background.PNG");
    const QString source = CodeText::safeUrlPath(folder + QLatin1Char('/') + file);
    if (document.centreFlag() != 0)
        return PageFile::Style::backgroundImageRule + source +
               QLatin1String("');\ntext-align:center;\nbackground-attachment:scroll !important;}\n");
    return PageFile::Style::backgroundImageRule + source +
           QLatin1String("');\nbackground-attachment:scroll !important;}\n");
}

// The sixteen pieces of the style block; `retina` is left out of the inline block.
QStringList stylePieces(const PageAssembly& page, const QString& centring, const QString& background,
                        bool retina)
{
    const PagePieces& p = page.pieces;
    const QString galleryCaptions =
        page.document.needImagePopupScript()
            ? QStringLiteral(
                  ".galleryImageCaption{font-size:12px; text-decoration: none; color: #4f4c4c;"
                  "font-weight:normal;} .galleryImageCaption a:link{font-size:12px; text-decoration: "
                  "none; color: #4f4c4c;font-weight:normal;}\n.galleryImageCaption span "
                  "{display:block;word-wrap:break-word;}\n")
            : QString();
    return {centring,
            background,
            QString(PageFile::Style::tabRule) + QLatin1Char('\n'),
            p.textCss,
            p.slideshowCss,
            p.slideshowButtonCss,
            p.imageCss,
            QString(PageFile::Style::tableCellRule) + QLatin1Char('\n'),
            galleryCaptions,
            p.snippetCss,
            retina ? p.retinaCss : QString(),
            p.galleryCss,
            p.tableCss,
            p.lineCss,
            QString(),
            QString()};
}

// Record products name their pages after the profile.
void applyProfileTitle(SKTDocument& document)
{
    const QStringList& keys = DataCentre::profile().pageTitleProfileKeys;
    if (keys.isEmpty())
        return;
    QStringList parts;
    for (const QString& key : keys)
        parts.append(document.profileDictionary().value(key));
    document.setPageOfficialName(parts.join(QLatin1Char(' ')));
}

} // namespace

QString SKTDocument::generateSourceCode(const QString& pageName, int publishFlag)
{
    const ProductProfile& profile = DataCentre::profile();
    // Only the low byte of the flag counts, as callers have always passed it.
    PageAssembly page(*this, pageName, quint8(publishFlag) != 0);

    populateGalleryImageDimensions();
    populateTableNumbers();
    DataCentre::prepCustomFont();
    if (!m_webPageWidthManualFlag)
        m_webPageWidth = findMaxScreenWidth();
    const QString centring = m_centreFlag != 0
                                 ? PageFile::Style::centringRule + Format::integer(m_webPageWidth) +
                                       QLatin1String("px;margin-left:auto;margin-right:auto;}\n")
                                 : QString();
    sortIntoLists(page);
    // The slides' files are cropped to their own slideshow, found by the number the slideshow pass gives
    // them: the last slideshow of the list is number 0.
    m_slideshowArray = GraphicList(page.lists.slideshowArray.crbegin(), page.lists.slideshowArray.crend());
    if (profile.pagesWithoutBaseTemplate)
        m_useBaseTemplateFlag = 0;
    const QString pageColor = pageColorOf(*this);

    for (const KindPass pass : kKindPasses)
        pass(page);

    const QString background = backgroundRule(*this, pageName, pageColor);
    if (profile.separateStyleSheet)
        m_fullCSSString = PageHead::styleSheet(stylePieces(page, centring, background, true));
    QString formCode;
    if (page.formPage()) {
        const FormPageFields::MailText mail = FormPageFields::mailText(page);
        formCode = FormMailCode::formCode(*this, page.lists.textViewArray, pageName,
                                          {page.form.reads, mail.doubleQuoted, mail.singleQuoted});
    }
    const QString head = PageHead::head(page, stylePieces(page, centring, background, false),
                                        m_backgroundImageFlag > 0, formCode);

    const bool html5 = profile.responsiveDesign && !profile.inlineStyleCode;
    const QString doctype =
        QString(html5 ? PageFile::Frame::html5Doctype : PageFile::Frame::html4Doctype) + QLatin1Char('\n');
    applyProfileTitle(*this);
    const QString body = PageFile::Frame::bodyOpenStart + pageColor + PageFile::Frame::bodyOpenEnd;

    // Form pages wrap the fields, images and slideshows in their form; the published responsive page is
    // rebuilt from the section rows.
    using namespace PageFile::Frame;
    const PagePieces& p = page.pieces;
    QString source = page.formPage()
                         ? doctype + htmlOpen + head + u'\n' + body + u'\n' + contentOpen +
                               FormMailCode::formOpening(pageName) + QLatin1String("\n\n") + p.textBody +
                               u'\n' + p.imageBody + u'\n' + p.slideshowBody + u'\n' +
                               FormMailCode::formClosing() + u'\n' + p.snippetBody + u'\n' + documentClose +
                               u'\n' + PageTrailer::trailer(*this)
                         : doctype + htmlOpen + head + u'\n' + body + u'\n' + contentOpen + u'\n' +
                               p.textBody + u'\n' + p.imageBody + u'\n' + p.snippetBody + u'\n' +
                               p.slideshowBody + documentClose + u'\n' + PageTrailer::trailer(*this);
    if (page.responsiveOutput())
        source = ResponsivePage::page(page, pageColor);
    source = PageTrailer::withKeyedBlocks(source, *this);
    m_generatedLists = std::make_shared<PageWorkLists>(std::move(page.lists));
    return PageEntities::withEntities(source);
}

const PageWorkLists& SKTDocument::generatedLists() const
{
    static const PageWorkLists none;
    return m_generatedLists ? *m_generatedLists : none;
}
