#include "window/SKTWindowController.h"

#include "canvas/view/SKTZoomingScrollView.h"
#include "document/core/DocumentAlerts.h"
#include "document/core/SKTDocument.h"
#include "platform/Alert.h"
#include "profile/DataCentre.h"
#include "profile/LabelTemplateHelper.h"
#include "profile/print/PrintCanvas.h"
#include "profile/services/ProgressWindow.h"
#include "window/pages/VelkNSButton.h"

#include <QComboBox>

// The print-template pop-ups of the label, card, envelope, flyer, manual and folding-card products: all
// seven list the product's templates; choosing another template sets the open page up for its sheet and,
// on request, every page of the project.

namespace {

struct TemplatePopupRow {
    const char* name;
    void (SKTWindowController::*action)();
};

// The seven pop-ups in the order the window lists them.
const TemplatePopupRow kTemplatePopups[] = {
    {"templateSelectionPopupButton", &SKTWindowController::templateSelectionUpdated},
    {"flyerTemplateSelectionPopupButton", &SKTWindowController::flyerTemplateSelectionUpdated},
    {"manualTemplateSelectionPopupButton", &SKTWindowController::manualTemplateSelectionUpdated},
    {"foldingCardTemplateSelectionPopupButton", &SKTWindowController::foldingCardTemplateSelectionUpdated},
    {"quorvikBusinessCardDesignerPopupButton", &SKTWindowController::quorvikCardTemplateSelectionUpdated},
    {"quorvikEcardDesignerPopupButton", &SKTWindowController::quorvikEcardTemplateSelectionUpdated},
    {"blueSkellowEnvelopePopupButton", &SKTWindowController::blueSkellowEnvelopeTemplateSelectionUpdated},
};

const QString kChangedMessage = QStringLiteral("Template Selection Changed");
const QString kChangedInformative = QStringLiteral(
    "New template selected: %1\nExisting template: %2\n\nAre you sure you wish to make this change?"
    "\n\nIn order to meet size requirements for the newly selected template, your current canvas "
    "size may change.");

// The question a flow asks after the open page took the new template.
struct RefreshQuestion {
    const char* message;
    const char* informative;
};
const RefreshQuestion kRefreshDesigns = {
    "Would you like to refresh all designs?",
    "Would you like to refresh canvas dimensions for other designs saved in this project?"};
const RefreshQuestion kRefreshPages = {
    "Would you like to refresh all pages?",
    "Would you like to refresh canvas dimensions for other pages in this project?"};
const RefreshQuestion kRefreshFoldingTabs = {
    "Would you like to refresh other folding tabs?",
    "Would you like to auto adjust canvas dimensions for other designs (folding tabs) in this project?"};

bool askYes(const RefreshQuestion& question, QWidget* parent)
{
    const Alert alert(QString::fromUtf8(question.message), QString::fromUtf8(question.informative),
                      {QStringLiteral("Yes"), QStringLiteral("No")});
    return alert.runModal(parent) == Alert::FirstButton;
}

} // namespace

QString SKTWindowController::templateTitle(const LabelTemplateHelper& entry)
{
    return QStringLiteral("%1 %2 %3")
        .arg(entry.brand(), entry.templateNumber(), entry.templateDescription())
        .trimmed();
}

QList<QComboBox*> SKTWindowController::templatePopups() const
{
    return m_templatePopups;
}

void SKTWindowController::buildTemplatePopups()
{
    for (const TemplatePopupRow& row : kTemplatePopups) {
        auto* popup = new QComboBox(this);
        popup->setObjectName(QString::fromLatin1(row.name));
        popup->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        popup->hide();
        m_templatePopups.append(popup);
    }
}

void SKTWindowController::fillTemplatePopups()
{
    QStringList titles;
    for (const std::shared_ptr<LabelTemplateHelper>& entry : DataCentre::profile().printTemplateList)
        titles << (entry ? templateTitle(*entry) : QString());
    for (qsizetype i = 0; i < m_templatePopups.size(); ++i) {
        QComboBox* popup = m_templatePopups.at(i);
        popup->clear();
        popup->addItems(titles);
        connect(popup, &QComboBox::activated, this, kTemplatePopups[i].action);
    }
}

void SKTWindowController::setCurrentTemplateSelectionValue()
{
    if (!m_document || !m_document->labelTemplateHelper())
        return;
    LabelTemplateHelper& entry = *m_document->labelTemplateHelper();
    PageCanvasState& canvas = m_document->canvasState();
    const std::shared_ptr<const LabelHelper> sheet = canvas.grabLabelHelper(entry.templateDescription());
    if (sheet)
        entry.setPaperSize(sheet->paperSize());
    canvas.resetPrintCanvas(sheet);
    selectTemplateTitle(templateTitle(entry), m_templatePopups);
}

void SKTWindowController::selectTemplateTitle(const QString& title, const QList<QComboBox*>& popups)
{
    // A title the list does not hold leaves the pop-up without a choice.
    for (QComboBox* popup : popups)
        popup->setCurrentIndex(popup->findText(title, Qt::MatchExactly));
}

void SKTWindowController::templateSelectionUpdated()
{
    changePrintTemplate(*m_templatePopups.at(0), TemplateFlow::Labels);
}

void SKTWindowController::flyerTemplateSelectionUpdated()
{
    changePrintTemplate(*m_templatePopups.at(1), TemplateFlow::Flyers);
}

void SKTWindowController::manualTemplateSelectionUpdated()
{
    changePrintTemplate(*m_templatePopups.at(2), TemplateFlow::Manuals);
}

void SKTWindowController::foldingCardTemplateSelectionUpdated()
{
    changePrintTemplate(*m_templatePopups.at(3), TemplateFlow::FoldingCards);
}

void SKTWindowController::quorvikCardTemplateSelectionUpdated()
{
    changePrintTemplate(*m_templatePopups.at(4), TemplateFlow::Plain);
}

void SKTWindowController::quorvikEcardTemplateSelectionUpdated()
{
    changePrintTemplate(*m_templatePopups.at(5), TemplateFlow::Plain);
}

void SKTWindowController::blueSkellowEnvelopeTemplateSelectionUpdated()
{
    changePrintTemplate(*m_templatePopups.at(6), TemplateFlow::Plain);
}

void SKTWindowController::changePrintTemplate(const QComboBox& popup, TemplateFlow flow)
{
    if (!m_document)
        return;
    const LabelTemplateList& list = DataCentre::profile().printTemplateList;
    const int index = popup.currentIndex();
    const std::shared_ptr<LabelTemplateHelper> entry =
        index >= 0 && index < list.size() ? list.at(index) : nullptr;
    PageCanvasState& canvas = m_document->canvasState();
    // A label title is brand, stock number and sheet: the sheet is the entry's own description, whatever
    // words the title holds.
    const QString chosen = flow == TemplateFlow::Labels && entry ? entry->templateDescription().trimmed()
                                                                 : popup.currentText().trimmed();
    if (chosen == canvas.selectedPrintSheet)
        return;
    const Alert alert(kChangedMessage, kChangedInformative.arg(chosen, canvas.selectedPrintSheet),
                      {QStringLiteral("Change"), QStringLiteral("Cancel")});
    const bool change = alert.runModal(this) == Alert::FirstButton;
    if (change) {
        const std::shared_ptr<const LabelHelper> sheet = canvas.grabLabelHelper(chosen);
        canvas.resetPrintCanvas(sheet);
        setConfirmedCanvasSize(canvas.canvasWidth, canvas.canvasHeight);
        if (flow == TemplateFlow::Labels) {
            m_zoomingScrollView->updateScale(QStringLiteral("%1%").arg(int(canvas.canvasScale * 100)),
                                             canvas.canvasScale);
        }
        // The page keeps its own copy: the product's list is not the page's to change.
        const std::shared_ptr<LabelTemplateHelper> chosenEntry =
            entry ? std::make_shared<LabelTemplateHelper>(*entry) : nullptr;
        if (chosenEntry)
            m_document->setLabelTemplateHelper(chosenEntry);
        savePageForTemplate();
        askToRefreshOtherPages(flow, chosenEntry, sheet);
    }
    if (change || flow != TemplateFlow::Flyers)
        refreshPageListingDisplay();
}

void SKTWindowController::askToRefreshOtherPages(TemplateFlow flow,
                                                 const std::shared_ptr<LabelTemplateHelper>& entry,
                                                 const std::shared_ptr<const LabelHelper>& sheet)
{
    switch (flow) {
    case TemplateFlow::Labels:
        if (siteIconArray().size() >= 2 && askYes(kRefreshDesigns, this)) {
            refreshAllPagesForTemplate(entry, sheet);
            DocumentAlerts::showOpenResult(m_document->refreshDocument());
            setCurrentTemplateSelectionValue();
        }
        break;
    case TemplateFlow::Manuals:
        if (askYes(kRefreshPages, this))
            refreshAllPagesForTemplate(entry, sheet);
        break;
    case TemplateFlow::FoldingCards:
        if (askYes(kRefreshFoldingTabs, this))
            refreshTabs(entry, sheet);
        break;
    case TemplateFlow::Plain:
    case TemplateFlow::Flyers:
        break;
    }
}

void SKTWindowController::savePageForTemplate()
{
    // A page that was never saved has no file to save into.
    if (m_document->fileLocation().isEmpty())
        return;
    DocumentAlerts::showSaveResult(*m_document, m_document->askPageToSaveItself());
}

void SKTWindowController::applyTemplateToOpenPage(const std::shared_ptr<LabelTemplateHelper>& entry,
                                                  const std::shared_ptr<const LabelHelper>& sheet)
{
    if (!m_document)
        return;
    PageCanvasState& canvas = m_document->canvasState();
    if (entry) {
        m_document->setLabelTemplateHelper(std::make_shared<LabelTemplateHelper>(*entry));
        canvas.selectedPrintSheet = entry->templateDescription();
    }
    m_document->setLoopThroughFlag(true);
    m_document->setDocumentEdited(true);
    canvas.resetPrintCanvas(sheet);
    setConfirmedCanvasSize(canvas.canvasWidth, canvas.canvasHeight);
    savePageForTemplate();
}

void SKTWindowController::refreshAllPagesForTemplate(const std::shared_ptr<LabelTemplateHelper>& entry,
                                                     const std::shared_ptr<const LabelHelper>& sheet)
{
    const QStringList pages = pageNamesOfTiles();
    const int count = int(pages.size());
    DataCentre::showProgressIndicator();
    setWindowOpacity(0);
    for (int i = 0; i < count; ++i) {
        openPageForTemplate(pages.at(i), entry, sheet);
        DataCentre::updateProgressBar(i, count, pages.at(i));
    }
    DataCentre::updateProgressBar(count, count, QString());
    // The window comes back even where the progress window knows no main window.
    setWindowOpacity(1);
}

void SKTWindowController::refreshTabs(const std::shared_ptr<LabelTemplateHelper>& entry,
                                      const std::shared_ptr<const LabelHelper>& sheet)
{
    const QStringList pages = pageNamesOfTiles();
    for (const QString& page : pages)
        openPageForTemplate(page, entry, sheet);
    if (entry)
        selectTemplateTitle(templateTitle(*entry), {m_templatePopups.at(3)});
    if (!pages.isEmpty())
        launchSelected(tileOfPage(pages.first()));
}

QStringList SKTWindowController::pageNamesOfTiles() const
{
    QStringList pages;
    for (const VelkNSButton* tile : siteIconArray())
        pages << tile->pageName();
    return pages;
}

VelkNSButton* SKTWindowController::tileOfPage(const QString& pageName) const
{
    // Saving a page rebuilds the tiles: the page's tile is looked up afresh each time.
    for (VelkNSButton* tile : siteIconArray()) {
        if (tile->pageName() == pageName)
            return tile;
    }
    return nullptr;
}

void SKTWindowController::openPageForTemplate(const QString& pageName,
                                              const std::shared_ptr<LabelTemplateHelper>& entry,
                                              const std::shared_ptr<const LabelHelper>& sheet)
{
    VelkNSButton* tile = tileOfPage(pageName);
    if (!tile)
        return;
    launchSelected(tile);
    applyTemplateToOpenPage(entry, sheet);
}

void SKTWindowController::callRefreshTabs()
{
    if (!m_document || !m_document->labelTemplateHelper())
        return;
    const std::shared_ptr<LabelTemplateHelper> entry = m_document->labelTemplateHelper();
    refreshTabs(entry, DataCentre::grabLabelHelper(entry->templateDescription()));
}
