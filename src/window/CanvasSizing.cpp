#include "window/SKTWindowController.h"

#include "canvas/view/CanvasRuler.h"
#include "canvas/view/SKTGraphicView.h"
#include "canvas/view/SKTZoomingScrollView.h"
#include "document/core/SKTDocument.h"
#include "platform/SegmentedControl.h"
#include "platform/UserDefaults.h"
#include "profile/DataCentre.h"

namespace {

// The canvas presets, width by height.
constexpr QSize kMobileCanvas(450, 5000);
constexpr QSize kFullCanvas(1250, 10000);
constexpr QSize kWideCanvas(2500, 50000);

constexpr int kStandardMailWidth = 700;
constexpr int kWideMailWidth = 900;
const QString kStandardMail = QStringLiteral("Standard");
const QString kExtraWideMail = QStringLiteral("Extra Wide");
const QString kFlexMail = QStringLiteral("Flex");

const QString kPointsUnit = QStringLiteral("Points");
const QString kCentimetersUnit = QStringLiteral("Centimeters");
const QString kInchesUnit = QStringLiteral("Inches");
const QString kRulerUnitsDefault = QStringLiteral("RulerUnits");
const QString kColumnListingsDefault = QStringLiteral("numOfColumnListings");

const QString kA4Paper = QStringLiteral("A4");
const QString kLetterPaper = QStringLiteral("na-letter");

} // namespace

// ---- Presets: the canvas only; the page and the product keep their sizes.

void SKTWindowController::setCanvasSize()
{
    switch (m_canvasSizeToolbarItem->selectedSegment()) {
    case 0:
        setMobileCanvasSize();
        break;
    case 1:
        setFullCanvasSize();
        break;
    default:
        setWideCanvasSize();
        break;
    }
}

void SKTWindowController::setMobileCanvasSize()
{
    showCanvasSize(kMobileCanvas);
}

void SKTWindowController::setFullCanvasSize()
{
    showCanvasSize(kFullCanvas);
}

void SKTWindowController::setWideCanvasSize()
{
    showCanvasSize(kWideCanvas);
}

void SKTWindowController::setMailCanvasSize(const SegmentedControl& sender)
{
    switch (sender.selectedSegment()) {
    case 0:
        setStandardMailCanvasSize();
        break;
    case 1:
        setExtraWideMailCanvasSize();
        break;
    case 2:
        setFlexMailCanvasSize();
        break;
    default:
        break;
    }
}

void SKTWindowController::setStandardMailCanvasSize()
{
    setMailCanvas(kStandardMailWidth, kStandardMail);
}

void SKTWindowController::setExtraWideMailCanvasSize()
{
    setMailCanvas(kWideMailWidth, kExtraWideMail);
}

void SKTWindowController::setFlexMailCanvasSize()
{
    setMailCanvas(kWideMailWidth, kFlexMail);
}

void SKTWindowController::setMailCanvas(int width, const QString& type)
{
    if (!m_document)
        return;
    PageCanvasState& canvas = m_document->canvasState();
    canvas.canvasWidth = width;
    canvas.mailCanvasType = type;
    showCanvasSize(QSizeF(width, canvas.canvasHeight));
}

void SKTWindowController::adjustCanvasSizeType()
{
    if (!m_document)
        return;
    PageCanvasState& canvas = m_document->canvasState();
    canvas.canvasWidth = canvas.mailCanvasType == kStandardMail ? kStandardMailWidth : kWideMailWidth;
    showCanvasSize(QSizeF(canvas.canvasWidth, canvas.canvasHeight));
}

void SKTWindowController::setConfirmedCanvasSize(int width, int height)
{
    showCanvasSize(QSizeF(width, height));
}

void SKTWindowController::resetCanvasSize()
{
    if (!m_document)
        return;
    const SKTDocument& d = *m_document;
    if (d.docSpecificFixedCanvasFlag() == 1 && d.docSpecificPageWidth() > 0 && d.docSpecificPageHeight() > 0)
        showCanvasSize(QSizeF(d.docSpecificPageWidth(), d.docSpecificPageHeight()));
    else
        showCanvasSize(QSizeF(d.canvasState().canvasWidth, d.canvasState().canvasHeight));
}

// ---- Print canvases: the page's sheet sets its canvas up.

void SKTWindowController::adjustPageSize()
{
    if (!m_document)
        return;
    PageCanvasState& canvas = m_document->canvasState();
    if (DataCentre::profile().paperSizeChoice) {
        const QString paper = m_paperSizeSegmentedControl->selectedSegment() == 1 ? kA4Paper : kLetterPaper;
        const int cards = m_numOfCardsPerSheetSegmentedControl->selectedSegment() == 1 ? 8 : 10;
        canvas.resetPrintCanvas(DataCentre::grabLabelHelperBasedOnSelection(cards, paper));
    } else {
        canvas.resetPrintCanvas(canvas.grabLabelHelper(canvas.selectedPrintSheet));
    }
    showCanvasSize(QSizeF(canvas.canvasWidth, canvas.canvasHeight));
}

void SKTWindowController::rotateCanvas90Right()
{
    turnPrintCanvas(90);
}

void SKTWindowController::rotateCanvas0()
{
    turnPrintCanvas(0);
}

void SKTWindowController::turnPrintCanvas(int rotation)
{
    if (!m_document)
        return;
    PageCanvasState& canvas = m_document->canvasState();
    canvas.canvasRotation = rotation;
    canvas.resetPrintCanvas(canvas.grabLabelHelper(canvas.selectedPrintSheet));
    showCanvasSize(QSizeF(canvas.canvasWidth, canvas.canvasHeight));
}

// ---- Rulers and page-list columns: the choice is also the next window's.

void SKTWindowController::updateRulers_points()
{
    applyRulerUnits(kPointsUnit);
}

void SKTWindowController::updateRulers_centimeters()
{
    applyRulerUnits(kCentimetersUnit);
}

void SKTWindowController::updateRulers_inches()
{
    applyRulerUnits(kInchesUnit);
}

void SKTWindowController::applyRulerUnits(const QString& units)
{
    m_zoomingScrollView->horizontalRuler()->setMeasurementUnits(units);
    m_zoomingScrollView->verticalRuler()->setMeasurementUnits(units);
    UserDefaults::standard().setObject(units, kRulerUnitsDefault);
}

void SKTWindowController::adjustViewColumn(int columns)
{
    UserDefaults::standard().setInteger(columns, kColumnListingsDefault);
    refreshPageIcons(QString());
}
