#include "window/SKTWindowController.h"

#include "document/core/DocumentAlerts.h"
#include "document/core/SKTDocument.h"
#include "platform/Alert.h"
#include "platform/SegmentedControl.h"
#include "profile/DataCentre.h"
#include "window/sheets/AdjustCanvasSizeWindowController.h"
#include "window/sheets/PageNumberWindowController.h"

#include <QLineEdit>
#include <QPushButton>

#include <optional>

namespace {

// Room around the objects that the proposed automatic size leaves.
constexpr int kSnapshotMargin = 50;
constexpr int kFixedSizeSegment = 1;
// The answer that ends a sheet, whichever button closed it.
constexpr int kSheetReturnCode = 1;

const QString kInvalidSizeMessage = QStringLiteral("Invalid canvas size");
const QString kInvalidSizeInformative = QStringLiteral("Width and height must be whole numbers above 0.");

// The whole number of the field, or none when it holds no number above 0.
std::optional<int> positiveSize(const QLineEdit& field)
{
    bool ok = false;
    const int value = field.text().trimmed().toInt(&ok);
    if (!ok || value <= 0)
        return std::nullopt;
    return value;
}

// The sheet last opened goes when the next one opens.
template <typename Sheet> Sheet* replaceSheet(QPointer<Sheet>& kept, QWidget* window)
{
    if (kept)
        kept->deleteLater();
    kept = new Sheet(window);
    return kept;
}

} // namespace

void SKTWindowController::closeSheet(QDialog* sheet)
{
    if (sheet)
        sheet->done(kSheetReturnCode);
}

// ---- Canvas size

void SKTWindowController::showAdjustCanvasSheet()
{
    if (!m_document)
        return;
    AdjustCanvasSizeWindowController* sheet = replaceSheet(m_adjustCanvasSheet, this);
    connect(sheet->cancelButton(), &QPushButton::clicked, this,
            &SKTWindowController::cancelAdjustCanvasWindowControllerSheet);
    connect(sheet->saveButton(), &QPushButton::clicked, this,
            &SKTWindowController::saveAdjustCanvasWindowControllerSheet);

    const SKTDocument& d = *m_document;
    const bool fixed = d.docSpecificFixedCanvasFlag() == 1;
    int width = d.docSpecificPageWidth();
    int height = d.docSpecificPageHeight();
    if (!fixed) {
        const int margin = DataCentre::profile().noSnapshotMargin ? 0 : kSnapshotMargin;
        width = d.findMaxScreenWidth() + margin;
        height = d.findMaxScreenHeight() + margin;
    }
    sheet->widthTextField()->setText(QString::number(width));
    sheet->heightTextField()->setText(QString::number(height));
    sheet->adjustmentSegmentedControl()->setSelectedSegment(fixed ? kFixedSizeSegment : 0);
    sheet->updateTypeOfCanvasSize();
    sheet->open();
}

void SKTWindowController::saveAdjustCanvasWindowControllerSheet()
{
    AdjustCanvasSizeWindowController* sheet = m_adjustCanvasSheet;
    if (!sheet || !m_document)
        return;
    const int segment = sheet->adjustmentSegmentedControl()->selectedSegment();
    const std::optional<int> width = positiveSize(*sheet->widthTextField());
    const std::optional<int> height = positiveSize(*sheet->heightTextField());
    // A page of no size would show nothing and be written so: the sheet stays open for a better one.
    if (segment == kFixedSizeSegment && (!width || !height)) {
        Alert(kInvalidSizeMessage, kInvalidSizeInformative).runModal(sheet);
        return;
    }
    closeSheet(sheet);
    SKTDocument& d = *m_document;
    d.setDocSpecificFixedCanvasFlag(segment);
    if (segment != kFixedSizeSegment) {
        d.setDocSpecificPageHeight(0);
        d.setDocSpecificPageWidth(0);
        showCanvasSize(QSizeF(d.canvasState().canvasWidth, d.canvasState().canvasHeight));
    } else {
        d.setDocSpecificPageHeight(*height);
        d.setDocSpecificPageWidth(*width);
        showCanvasSize(QSizeF(*width, *height));
    }
    // The size is part of the page file: closing must offer to save it.
    d.setDocumentEdited(true);
}

void SKTWindowController::cancelAdjustCanvasWindowControllerSheet()
{
    closeSheet(m_adjustCanvasSheet);
}

// ---- Page title

void SKTWindowController::showAdjustPageNumberSheet()
{
    if (!m_document)
        return;
    PageNumberWindowController* sheet = replaceSheet(m_pageNumberSheet, this);
    connect(sheet->cancelButton(), &QPushButton::clicked, this,
            &SKTWindowController::cancelAdjustPageNumberWindowControllerSheet);
    connect(sheet->saveButton(), &QPushButton::clicked, this,
            &SKTWindowController::saveAdjustPageNumberWindowControllerSheet);
    sheet->pageTitleTextField()->setText(m_document->pageOfficialName());
    sheet->pageFileNameTextField()->setText(m_document->pageName());
    sheet->open();
}

void SKTWindowController::saveAdjustPageNumberWindowControllerSheet()
{
    PageNumberWindowController* sheet = m_pageNumberSheet;
    if (!sheet || !m_document)
        return;
    closeSheet(sheet);
    const QString title = sheet->pageTitleTextField()->text();
    if (title == m_document->pageOfficialName())
        return;
    m_document->setPageOfficialName(title);
    DocumentAlerts::showSaveResult(*m_document, m_document->askPageToSaveItself());
}

void SKTWindowController::cancelAdjustPageNumberWindowControllerSheet()
{
    closeSheet(m_pageNumberSheet);
}
