#include "inspector/color/ColorModel.h"

#include "canvas/view/SKTGraphicView.h"
#include "document/core/SKTDocument.h"
#include "inspector/color/ColorApplication.h"
#include "inspector/color/ColorSwatchPanel.h"
#include "model/ColorTarget.h"
#include "platform/Bundle.h"
#include "profile/DataCentre.h"
#include "profile/services/HexColor.h"
#include "window/SKTWindowController.h"
#include "window/pages/VelkNSButton.h"

#include <QPushButton>

namespace {

constexpr QRect kButtonFrameInset{20, 55, 40, 30};
constexpr QLatin1StringView kClearTitle{"Clear"};

QString cssColor(const QColor& color)
{
    return QStringLiteral("#") + DataCentre::asHexString(color);
}

bool isClearColor(const QColor& color)
{
    return !color.isValid() || color.alpha() == 0;
}

} // namespace

const QList<ColorTargetRow>& colorTargetTable()
{
    static const QList<ColorTargetRow> table = {
        {ColorTarget::ShapeFill, "Shape", "selectedShapeColorButton", "Shape"},
        {ColorTarget::Text, "Text", "selectedTextColorButton", "Text"},
        {ColorTarget::HoverBackground, "Hover Background", "selectedHoverColorButton", "Hover Shape"},
        {ColorTarget::HoverText, "Hover Text", "selectedHoverTextColorButton", "Hover Text"},
        {ColorTarget::Canvas, "Canvas", "canvasColorButton", "Background"},
        {ColorTarget::Border, "Border", "selectedBorderColorButton", "Border"},
    };
    return table;
}

ColorModel::ColorModel(SKTWindowController& window, PopoverHost popover)
    : QObject(&window)
    , m_window(window)
    , m_popover(std::move(popover))
{
    setObjectName(QStringLiteral("colorModel"));
    for (const ColorTargetRow& row : colorTargetTable()) {
        auto* button = new QPushButton(window.inspectorView());
        button->setObjectName(QString::fromLatin1(row.buttonName));
        button->setFlat(true);
        button->hide();
        connect(button, &QPushButton::clicked, this, [this, button] { showColorSelectorPopOver(button); });
        m_buttons.append(button);
    }
    connect(&window, &SKTWindowController::colorButtonsRefreshed, this, &ColorModel::refreshColorButtons);
    refreshColorButtons();
}

int ColorModel::selectedColorType()
{
    return ColorTarget::selectedColorType();
}

void ColorModel::setSelectedColorType(int target)
{
    ColorTarget::setSelectedColorType(target);
}

void ColorModel::setTypeOfColorFlag(const QString& popupTitle)
{
    for (const ColorTargetRow& row : colorTargetTable()) {
        if (popupTitle == QLatin1String(row.popupTitle))
            setSelectedColorType(row.target);
    }
}

bool ColorModel::clearSwatchDisabled(int target)
{
    return target == ColorTarget::Text || target == ColorTarget::Border;
}

QPushButton* ColorModel::colorButton(int target) const
{
    for (qsizetype i = 0; i < colorTargetTable().size(); ++i) {
        if (colorTargetTable().at(i).target == target)
            return m_buttons.at(i);
    }
    return nullptr;
}

std::optional<int> ColorModel::targetOfButton(const QAbstractButton* button) const
{
    for (qsizetype i = 0; i < m_buttons.size(); ++i) {
        if (m_buttons.at(i) == button)
            return colorTargetTable().at(i).target;
    }
    return std::nullopt;
}

QColor ColorModel::currentColor(int target) const
{
    if (target != ColorTarget::Canvas)
        return m_window.selectedColor(target);
    const QString page = m_window.getDocumentColorHexString();
    if (page.isEmpty() || page == DataCentre::kClearColorString)
        return QColor(Qt::transparent);
    return DataCentre::colorWithHexString(page);
}

QColor ColorModel::returnInvertedColor(const QColor& color)
{
    const QColor rgb = color.toRgb();
    return QColor::fromRgbF(1 - rgb.redF(), 1 - rgb.greenF(), 1 - rgb.blueF(), rgb.alphaF());
}

void ColorModel::createColorButton(const QColor& color, QPushButton& button, int panelWidth)
{
    const bool clear = isClearColor(color);
    button.setText(clear ? QString(kClearTitle) : DataCentre::asHexString(color));
    QString background;
    if (clear) {
        const QString grid =
            Bundle::main().pathForResource(QStringLiteral("clearGrid"), QStringLiteral("png"));
        background = QStringLiteral("background-color: white; background-image: url(%1);").arg(grid);
    } else {
        background = QStringLiteral("background-color: %1;").arg(cssColor(color));
    }
    const QColor title = clear ? QColor(Qt::black) : returnInvertedColor(color);
    button.setStyleSheet(QStringLiteral("QPushButton { %1 color: %2; border: 2px solid #000000; }")
                             .arg(background, cssColor(title)));
    button.setGeometry(kButtonFrameInset.x(), kButtonFrameInset.y(), panelWidth - kButtonFrameInset.width(),
                       kButtonFrameInset.height());
}

void ColorModel::refreshColorButtons()
{
    const int width = m_window.inspectorView()->width();
    for (const ColorTargetRow& row : colorTargetTable()) {
        QPushButton* button = colorButton(row.target);
        const QRect placed = button->geometry();
        createColorButton(currentColor(row.target), *button, width);
        // A button already placed keeps the place its row or page gave it, also on a page not in view.
        if (!button->isHidden())
            button->setGeometry(placed);
    }
}

void ColorModel::showColorSelectorPopOver(QAbstractButton* sender)
{
    if (!sender)
        return;
    if (const std::optional<int> target = targetOfButton(sender)) {
        setSelectedColorType(*target);
        auto* panel = new ColorSwatchPanel(DataCentre::profile().colorPalette, clearSwatchDisabled(*target),
                                           sender->text());
        connect(panel, &ColorSwatchPanel::colorPicked, this,
                [this](VelkNSButton* swatch) { pickedAColor(*swatch); });
        m_colorPanelSelectorView = panel;
    }
    if (m_colorPanelSelectorView && sender->parentWidget())
        m_popover(m_colorPanelSelectorView, *sender->parentWidget(), sender->geometry());
}

void ColorModel::pickedAColor(VelkNSButton& swatch)
{
    if (m_colorPanelSelectorView)
        m_colorPanelSelectorView->resetAllColorButtons();
    swatch.setBorderFlag(true);
    const QString colorString = swatch.buttonColorString();
    const QColor color = ColorApplication::colorOfSwatch(colorString);
    const int target = selectedColorType();
    SKTDocument* document = m_window.document();
    if (target == ColorTarget::Canvas) {
        m_window.updateDocumentColor(color, colorString);
        // The page colour is saved from the canvas: the page counts as changed, or closing would lose it.
        if (document)
            document->setDocumentEdited(true);
    } else if (document) {
        DocumentUndoManager& undo = document->undoManager();
        undo.beginUndoGrouping();
        const GraphicList changed =
            ColorApplication::applyPickedColor(target, colorString, m_window.graphicView()->selectedGraphics());
        for (const std::shared_ptr<SKTGraphic>& graphic : changed)
            graphic->refreshSelectedColors();
        undo.endUndoGrouping();
        undo.checkpoint();
        if (!changed.isEmpty())
            document->setDocumentEdited(true);
    }
    refreshColorButtons();
    Q_EMIT colorPicked(target, colorString);
}
