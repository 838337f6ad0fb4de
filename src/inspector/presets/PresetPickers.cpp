#include "inspector/presets/PresetPickers.h"

#include "canvas/view/SKTGraphicView.h"
#include "inspector/panel/FloatWindowController.h"
#include "inspector/panel/InspectorPanel.h"
#include "profile/DataCentre.h"
#include "profile/ShapeSelectionView.h"
#include "profile/services/HexColor.h"
#include "window/SKTWindowController.h"
#include "window/views/FlippedNSView.h"

#include <QComboBox>
#include <QPainter>
#include <QPushButton>

namespace {

constexpr QSize kShapePickerSize(500, 500);
constexpr QSize kTextViewPickerSize(400, 480);
constexpr QSize kPrintLayoutSize(300, 200);
constexpr QRect kPrintLayoutPopupFrame(10, 0, 280, 50);
constexpr int kFirstShapeX = 5;
// A row of shapes ends where an eighth would start.
constexpr int kShapeRowEnd = kFirstShapeX + PresetPickers::kShapesPerRow * PresetPickers::kShapeColumnStep;
constexpr int kTextViewGap = 5;
const char* const kTagProperty = "tag";

QPushButton* presetButton(FlippedNSView& picker, int tag, const QRect& frame)
{
    auto* button = new QPushButton(&picker);
    button->setObjectName(QStringLiteral("preset%1").arg(tag));
    button->setProperty(kTagProperty, tag);
    button->setFlat(true);
    button->setGeometry(frame);
    return button;
}

// The preset's picture at its own size: its outline filled with its colour.
QPixmap shapeImage(const ShapeSelectionView& preset, const QSize& size)
{
    QPixmap image(size);
    image.fill(Qt::transparent);
    ShapeSelectionView filled = preset;
    filled.setIsDrawingFill(true);
    filled.setOpacity(1);
    QPainter painter(&image);
    filled.bezierPathForDrawing(painter);
    return image;
}

QString cssColor(const QColor& color)
{
    if (!color.isValid() || color.alpha() == 0)
        return QStringLiteral("transparent");
    return QStringLiteral("#") + DataCentre::asHexString(color);
}

// The print-layout pop-up of the running product; the business-card one for any other.
QString printLayoutPopupName()
{
    const QString product = DataCentre::profile().productDisplayName;
    if (product == u"Blue Skellow eCard Designer")
        return QStringLiteral("quorvikEcardDesignerPopupButton");
    if (product == u"Blue Skellow Envelope Designer")
        return QStringLiteral("blueSkellowEnvelopePopupButton");
    return QStringLiteral("quorvikBusinessCardDesignerPopupButton");
}

const char* const kPrintLayoutPopups[] = {"quorvikBusinessCardDesignerPopupButton",
                                          "quorvikEcardDesignerPopupButton",
                                          "blueSkellowEnvelopePopupButton"};

} // namespace

PresetPickers::PresetPickers(SKTWindowController& window, InspectorPanel& inspector)
    : QObject(&window)
    , m_window(window)
    , m_inspector(inspector)
{
    setObjectName(QStringLiteral("presetPickers"));
    connect(&window, &SKTWindowController::showShapePopOver, this, &PresetPickers::selectDefaultShapes);
    connect(&window, &SKTWindowController::showTextViewPopOver, this, &PresetPickers::selectDefaultTextViews);
    connect(&window, &SKTWindowController::setupPrintLayoutView, this, &PresetPickers::setupPrintLayoutView);
}

FlippedNSView* PresetPickers::createShapePicker()
{
    auto* picker = new FlippedNSView;
    picker->setObjectName(QStringLiteral("shapePickerView"));
    picker->setFixedSize(kShapePickerSize);
    const ShapePresetList& presets = DataCentre::profile().defaultShapePresets;
    int tag = 0;
    // Whole rows of seven: the presets come in batches of seven, one per colour.
    for (int y = 0; tag < presets.size(); y += kShapeRowStep) {
        for (int x = kFirstShapeX; x < kShapeRowEnd && tag < presets.size(); x += kShapeColumnStep, ++tag) {
            const ShapeSelectionView& preset = *presets.at(tag);
            const QSize size(int(preset.frame().width()), int(preset.frame().height()));
            QPushButton* button = presetButton(*picker, tag, QRect(QPoint(x, y), size));
            button->setIcon(shapeImage(preset, size));
            button->setIconSize(size);
        }
    }
    return picker;
}

FlippedNSView* PresetPickers::createTextViewPicker()
{
    auto* picker = new FlippedNSView;
    picker->setObjectName(QStringLiteral("textViewPickerView"));
    picker->setFixedSize(kTextViewPickerSize);
    const ShapePresetList& presets = DataCentre::profile().defaultTextViewPresets;
    for (int tag = 0; tag < presets.size(); ++tag) {
        const ShapeSelectionView& preset = *presets.at(tag);
        const QSize size(int(preset.frame().width()), int(preset.frame().height()));
        QPushButton* button = presetButton(
            *picker, tag, QRect(QPoint(0, tag * (size.height() + kTextViewGap) + kTextViewGap), size));
        button->setFont(preset.font());
        button->setText(preset.textString());
        button->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: %2; border: none; }")
                                  .arg(cssColor(preset.fillColor()), cssColor(preset.textColor())));
    }
    return picker;
}

void PresetPickers::selectDefaultShapes()
{
    runPicker(createShapePicker(), &PresetPickers::addShapeSelected);
}

void PresetPickers::selectDefaultTextViews()
{
    runPicker(createTextViewPicker(), &PresetPickers::addTextViewSelected);
}

void PresetPickers::runPicker(FlippedNSView* picker, void (PresetPickers::*choice)(const QAbstractButton&))
{
    for (QPushButton* button : picker->findChildren<QPushButton*>())
        connect(button, &QPushButton::clicked, this, [this, button, choice] { (this->*choice)(*button); });
    m_inspector.runFloatSheet(picker);
}

void PresetPickers::cancelFloatWindowControllerSheet()
{
    if (FloatWindowController* sheet = m_inspector.floatWindowController())
        sheet->accept();
}

void PresetPickers::addShapeSelected(const QAbstractButton& button)
{
    const int tag = button.property(kTagProperty).toInt();
    cancelFloatWindowControllerSheet();
    m_window.graphicView()->addNewShape(tag);
}

void PresetPickers::addTextViewSelected(const QAbstractButton& button)
{
    const int tag = button.property(kTagProperty).toInt();
    cancelFloatWindowControllerSheet();
    m_window.graphicView()->addNewSelectedTextView(tag);
}

void PresetPickers::setupPrintLayoutView()
{
    auto* picker = new FlippedNSView;
    picker->setObjectName(QStringLiteral("printLayoutView"));
    picker->setFixedSize(kPrintLayoutSize);
    const QString shown = printLayoutPopupName();
    QList<QComboBox*> popups;
    for (const char* name : kPrintLayoutPopups) {
        auto* popup = m_window.findChild<QComboBox*>(QString::fromLatin1(name));
        if (!popup)
            continue;
        popup->setParent(picker);
        // Its size is the sheet's, whatever its titles would ask for.
        popup->setFixedSize(kPrintLayoutPopupFrame.size());
        popup->move(kPrintLayoutPopupFrame.topLeft());
        popup->setVisible(popup->objectName() == shown);
        popups.append(popup);
    }
    FloatWindowController* sheet = m_inspector.runFloatSheet(picker);
    // The pop-ups are the window's: they go back to it when the sheet ends.
    connect(sheet, &QDialog::finished, &m_window, [this, popups] {
        for (QComboBox* popup : popups) {
            popup->hide();
            popup->setParent(&m_window);
        }
    });
    m_window.setCurrentTemplateSelectionValue();
}
