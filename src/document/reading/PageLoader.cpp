#include "codegen/PhpText.h"
#include "document/core/DocumentWindow.h"
#include "document/core/SKTDocument.h"
#include "document/format/PageFileFormat.h"
#include "document/format/PageMarkers.h"
#include "document/format/PageObjectRules.h"
#include "document/format/PageRecords.h"
#include "document/format/PageText.h"
#include "document/reading/PageLoading.h"
#include "platform/Format.h"
#include "profile/DataCentre.h"
#include "profile/ProductSelection.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

// The page loader: a stored page's text back into element records and page settings.

namespace {

using namespace PageFile;

// A block of header code: its opening line counts the lines that follow. Answers none when no line opens
// such a block; otherwise the block's lines, which leave the page's lines.
std::optional<QString> takeCountedBlock(QStringList& lines, const CountedBlock& block)
{
    std::optional<int> count;
    for (const QString& line : lines) {
        if (line.startsWith(block.start)) {
            QString value = line.mid(block.start.size());
            value.chop(block.end.size());
            count = Format::intValue(value);
        }
    }
    if (!count)
        return std::nullopt;
    if (*count <= 0)
        return QStringLiteral("");
    const qsizetype opening = lines.lastIndexOf(block.written(*count));
    if (opening < 0)
        return QStringLiteral("");
    // A block that counts more lines than the page has would swallow the page: the page is unreadable.
    if (opening + *count >= lines.size())
        throw PageReadError("The header code block counts more lines than the page has");
    const qsizetype last = opening + *count;
    const QString code = lines.mid(opening + 1, last - opening).join(u'\n');
    if (opening > 0)
        lines.remove(opening, last - opening + 1);
    return code;
}

// Whether the page takes its canvas-wide settings from its own text rather than from the site's base
// template.
bool takesOwnSettings(const SKTDocument& d, const QString& pageName)
{
    const QString baseTemplate =
        QDir(d.openWebsiteFolderTempPath()).filePath(DataCentre::kBaseTemplateName + QStringLiteral(".html"));
    const bool usesBaseTemplate = pageName != DataCentre::kBaseTemplateName &&
                                  !d.openWebsiteFolderTempPath().isEmpty() &&
                                  QFileInfo::exists(baseTemplate) && d.useBaseTemplateFlag() != 0;
    return !usesBaseTemplate;
}

void readCanvasMarkers(SKTDocument& d, const QString& text)
{
    using DataCentre::grabMiddleString;
    const ProductProfile& profile = DataCentre::profile();
    PageCanvasState& canvas = d.canvasState();
    d.setDocSpecificFixedCanvasFlag(
        grabMiddleString(Trailer::fixedCanvas.start, Trailer::fixedCanvas.end, text) == u"1" ? 1 : 0);
    d.setDocSpecificPageWidth(Format::intValue(
        grabMiddleString(Trailer::pageSpecificWidth.start, Trailer::pageSpecificWidth.end, text)));
    d.setDocSpecificPageHeight(Format::intValue(
        grabMiddleString(Trailer::pageSpecificHeight.start, Trailer::pageSpecificHeight.end, text)));
    DocumentWindow* window = d.windowController();
    if (window) {
        if (d.docSpecificFixedCanvasFlag() == 1)
            window->setConfirmedCanvasSize(d.docSpecificPageWidth(), d.docSpecificPageHeight());
        else
            window->setConfirmedCanvasSize(canvas.canvasWidth, canvas.canvasHeight);
    }
    canvas.mailCanvasType =
        grabMiddleString(Trailer::canvasSizeType.start, Trailer::canvasSizeType.end, text);
    if (profile.mailCanvasPresets) {
        canvas.canvasWidth = canvas.mailCanvasType == u"Standard" ? 700 : 900;
        if (window)
            window->adjustCanvasSizeType();
    }
}

void readLabelMarkers(SKTDocument& d, const QString& text)
{
    using DataCentre::grabMiddleString;
    const ProductProfile& profile = DataCentre::profile();
    if (!profile.printSheetDesign)
        return;
    auto label = std::make_shared<LabelTemplateHelper>();
    label->setBrand(grabMiddleString(Trailer::labelBrand.start, Trailer::labelBrand.end, text));
    label->setTemplateNumber(
        grabMiddleString(Trailer::labelTemplateNumber.start, Trailer::labelTemplateNumber.end, text));
    label->setTemplateDescription(grabMiddleString(Trailer::labelTemplateDescription.start,
                                                   Trailer::labelTemplateDescription.end, text));
    d.setLabelTemplateHelper(label->templateDescription().isEmpty() ? profile.defaultLabelTemplate : label);
    const std::shared_ptr<LabelTemplateHelper> chosen = d.labelTemplateHelper();
    PageCanvasState& canvas = d.canvasState();
    canvas.selectedPrintSheet = chosen ? chosen->templateDescription() : QStringLiteral("");
    if (canvas.selectedPrintSheet.isEmpty())
        return;
    const std::shared_ptr<const LabelHelper> sheet = canvas.grabLabelHelper(canvas.selectedPrintSheet);
    if (sheet && chosen)
        chosen->setPaperSize(sheet->paperSize());
    canvas.resetPrintCanvas(sheet);
    if (d.windowController())
        d.windowController()->setCurrentTemplateSelectionValue();
}

// The text between the end of the first start word and the first end word after it; none without the
// start word.
std::optional<QString> formValue(const QString& text, const ValueMarker& marker)
{
    if (!text.contains(marker.start))
        return std::nullopt;
    return DataCentre::grabMiddleString(marker.start, marker.end, text);
}

// A value the validation script keeps escaped as a script literal.
std::optional<QString> scriptValue(const QString& text, const ValueMarker& marker)
{
    const std::optional<QString> value = formValue(text, marker);
    return value ? std::optional(PhpText::unescapedScriptText(*value)) : std::nullopt;
}

void readFormSettings(SKTDocument& d, const QString& stylePart)
{
    using DataCentre::grabMiddleString;
    d.setFormRedirectURL(scriptValue(stylePart, Form::redirectUrl).value_or(QStringLiteral("")));
    d.setFormEmailServer(grabMiddleString(Form::smtpServer.start, Form::smtpServer.end, stylePart));
    d.setFormEmailUsername(grabMiddleString(Form::smtpUsername.start, Form::smtpUsername.end, stylePart));
    d.setFormEmailPassword(grabMiddleString(Form::smtpPassword.start, Form::smtpPassword.end, stylePart));
    d.setGrabIPFlag(
        Format::intValue(grabMiddleString(Form::responseIp.start, Form::responseIp.end, stylePart)));
    d.setFormOrderLayoutOption(
        Format::intValue(grabMiddleString(Form::displayOption.start, Form::displayOption.end, stylePart)));
    d.setSiteFeedbackEmail(formValue(stylePart, Form::responseEmail).value_or(QStringLiteral("")));
    d.setSiteCCFeedbackEmail(formValue(stylePart, Form::responseEmailCc).value_or(QStringLiteral("")));
    d.setFormSubmitButtonValue(
        scriptValue(stylePart, Form::submitCaption).value_or(QString(Form::defaultSubmitCaption)));
    // The messages only where the page names both words.
    const struct {
        const ValueMarker& marker;
        void (SKTDocument::*set)(QString);
    } messages[] = {
        {Form::responseMessage, &SKTDocument::setFormSentResponse},
        {Form::missingMessage, &SKTDocument::setFormRequiredResponse},
        {Form::emailVerification, &SKTDocument::setFormEmailVerificationMsg},
        {Form::botCheckerMessage, &SKTDocument::setFormBotCheckerResponse},
    };
    for (const auto& message : messages) {
        if (stylePart.contains(message.marker.start) && stylePart.contains(message.marker.end))
            (d.*message.set)(PhpText::unescapedScriptText(
                grabMiddleString(message.marker.start, message.marker.end, stylePart)));
    }
}

void settleFormDefaults(SKTDocument& d)
{
    d.syncAllOptionForms();
    const struct {
        QString (SKTDocument::*get)() const;
        void (SKTDocument::*set)(QString);
        const char* fallback;
    } defaults[] = {
        {&SKTDocument::formSentResponse, &SKTDocument::setFormSentResponse,
         "Thank you for submitting this form."},
        {&SKTDocument::formRequiredResponse, &SKTDocument::setFormRequiredResponse,
         "Missing required form fields, please complete and submit again."},
        {&SKTDocument::formEmailVerificationMsg, &SKTDocument::setFormEmailVerificationMsg,
         "Email address entered is invalid, please check and submit again."},
        {&SKTDocument::formBotCheckerResponse, &SKTDocument::setFormBotCheckerResponse,
         "Bot checker answer incorrect, please try again."},
        {&SKTDocument::formSubmitButtonValue, &SKTDocument::setFormSubmitButtonValue, ""},
        {&SKTDocument::formRedirectURL, &SKTDocument::setFormRedirectURL, ""},
        {&SKTDocument::siteFeedbackEmail, &SKTDocument::setSiteFeedbackEmail, ""},
        {&SKTDocument::siteCCFeedbackEmail, &SKTDocument::setSiteCCFeedbackEmail, ""},
    };
    for (const auto& field : defaults) {
        if ((d.*field.get)().isEmpty())
            (d.*field.set)(QString::fromUtf8(field.fallback));
    }
}

// The records of one kind that belong to the page: an object of the site's base template only when the
// base template itself is read.
template <class Record>
QList<std::shared_ptr<Record>> pageOwnRecords(const QList<std::shared_ptr<Record>>& records,
                                              const QString& pageName, bool duplicatedBaseTemplate)
{
    QList<std::shared_ptr<Record>> kept;
    for (const std::shared_ptr<Record>& record : records) {
        // A page made as a copy of the base template owns every object it holds.
        if (duplicatedBaseTemplate)
            record->setTemplateName(pageName);
        if (record->templateName() != DataCentre::kBaseTemplateName ||
            pageName == DataCentre::kBaseTemplateName)
            kept.append(record);
    }
    return kept;
}

template <class Record>
void appendRecords(ElementRecordList& all, const QList<std::shared_ptr<Record>>& records)
{
    for (const std::shared_ptr<Record>& record : records)
        all.append(record);
}

} // namespace

QStringList SKTDocument::replacedFontFamilies() const
{
    QStringList families(m_notSupportedFontSet.begin(), m_notSupportedFontSet.end());
    // The default family is the replacement itself: telling that it replaces itself helps nobody.
    families.removeAll(QStringLiteral("Helvetica Neue"));
    families.sort();
    return families;
}

ElementRecordList SKTDocument::presentObjects(const QString& source, const QString& pageName,
                                              const QString& folderPath, const QString& templateName,
                                              const QString& pagePath)
{
    Q_UNUSED(folderPath);
    Q_UNUSED(templateName);
    PageLoad load{*this, pageName, pagePath};
    load.formPage = isFormPage();

    // Reset.
    setDocumentChangedCounter(0);
    setIgnoreImageSaveErrorFlag(false);
    const DataCentre::PageMarkerFlags markers = DataCentre::grabMarkerFlags(source);
    setUsingBootStrapFlag(markers.bootstrapUsed);
    PageRecords& records = pageRecords();
    records.clearKindLists();
    load.ownSettings = takesOwnSettings(*this, pageName);

    // Header code, taken out of the page before its rules are read.
    QStringList lines = PageLoading::pageLines(source);
    setCustomHeaderCode(takeCountedBlock(lines, Head::customHeaderCode).value_or(QStringLiteral("")));
    if (pageName == DataCentre::kBaseTemplateName)
        setBaseTemplateCustomHeaderCode(customHeaderCode());
    if (baseTemplateCustomHeaderCode() == customHeaderCode() && pageName != DataCentre::kBaseTemplateName)
        setCustomHeaderCode(QStringLiteral(""));
    QString text = lines.join(u'\n');
    setCustomHeaderCode(PageText::trimmedOfBlanksAndTabs(customHeaderCode()));

    readCanvasMarkers(*this, text);
    readLabelMarkers(*this, text);
    if (load.formPage) {
        if (const std::optional<QString> formHeader = takeCountedBlock(lines, Head::quarnelCustomHeaderCode))
            setCustomHeaderCode(*formHeader);
        text = lines.join(u'\n');
        setCustomHeaderCode(PageText::trimmedOfBlanksAndTabs(customHeaderCode()));
    }

    // Style and body parts.
    const qsizetype split = text.indexOf(Frame::styleAndHeadClose);
    const QString stylePart = split < 0 ? text : text.left(split);
    const QString bodyPart = split < 0 ? QString() : text.mid(split);

    myTextViewList oldCells;
    const QString extension = DataCentre::profile().documentExtension;
    if (extension == u"dovrinprofile" || extension == u"profile")
        PageLoading::readOldTables(load, stylePart, oldCells);
    if (load.formPage)
        readFormSettings(*this, stylePart);
    setNotSupportedFontSet({});
    if (load.ownSettings) {
        setCentreFlag(DataCentre::grabCenterFlag(stylePart) ? 1 : 0);
        setWebPageWidthManualFlag(DataCentre::grabManualPageWidthFlag(stylePart));
    }
    PageLoading::readStylePart(load, stylePart);
    if (encodingType().isEmpty())
        setEncodingType(QStringLiteral("UTF-8"));
    PageLoading::readBodyPart(load, bodyPart, oldCells);

    // The page's own objects.
    const bool duplicated = markers.baseTemplateDuplicated;
    const auto texts = pageOwnRecords(records.textViewArray, pageName, duplicated);
    const auto images = pageOwnRecords(records.imageViewArray, pageName, duplicated);
    const auto snippets = pageOwnRecords(records.htmlSnippetArray, pageName, duplicated);
    const auto slideshows = pageOwnRecords(records.slideshowArray, pageName, duplicated);
    const auto galleries = pageOwnRecords(records.galleryArray, pageName, duplicated);
    const auto tables = pageOwnRecords(records.tableArray, pageName, duplicated);
    const auto drawnLines = pageOwnRecords(records.lineArray, pageName, duplicated);
    if (load.formPage)
        settleFormDefaults(*this);
    settleImageNames(images);

    ElementRecordList all;
    appendRecords(all, texts);
    appendRecords(all, images);
    appendRecords(all, snippets);
    appendRecords(all, slideshows);
    appendRecords(all, galleries);
    appendRecords(all, tables);
    appendRecords(all, drawnLines);
    std::stable_sort(all.begin(), all.end(),
                     [](const std::shared_ptr<ElementRecord>& a, const std::shared_ptr<ElementRecord>& b) {
                         return a->tag() > b->tag();
                     });
    return all;
}
