#include "inspector/actions/FormattingActions.h"

#include "canvas/view/SKTGraphicView.h"
#include "document/core/SKTDocument.h"
#include "inspector/controls/ValueSlider.h"
#include "inspector/panel/InspectorControls.h"
#include "model/SKTImage.h"
#include "model/SKTTable.h"
#include "model/SKTText.h"
#include "platform/SegmentedControl.h"
#include "window/SKTWindowController.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

constexpr int kNoBorderSegment = 3;
constexpr int kDefaultBorderWidth = 2;
// The stepper value that stands for "take the first selected font size".
constexpr int kFirstSelectedFontSizeMarker = 31;

bool isText(const SKTGraphic& graphic)
{
    return dynamic_cast<const SKTText*>(&graphic);
}

bool isImageOrText(const SKTGraphic& graphic)
{
    return isText(graphic) || dynamic_cast<const SKTImage*>(&graphic);
}

bool isFormField(const SKTGraphic& graphic)
{
    return graphic.formTag() != kNoNumber || graphic.formOptionTag() != kNoNumber;
}

// Text boxes re-apply their style; tables run the operation that copies the value into their cells.
void refreshStyles(const GraphicList& graphics, void (SKTTable::*tableOperation)())
{
    for (const std::shared_ptr<SKTGraphic>& graphic : graphics) {
        if (auto* text = dynamic_cast<SKTText*>(graphic.get()))
            text->refreshStyle();
        else if (auto* table = dynamic_cast<SKTTable*>(graphic.get()))
            (table->*tableOperation)();
    }
}

} // namespace

FormattingActions::FormattingActions(SKTWindowController& window, const InspectorControls& controls)
    : QObject(&window)
    , m_window(window)
    , m_controls(controls)
{
    setObjectName(QStringLiteral("formattingActions"));
    connectActions();
}

void FormattingActions::connectActions()
{
    for (const QMetaObject::Connection& connection : std::as_const(m_connections))
        disconnect(connection);
    m_connections.clear();
    const InspectorControls& c = m_controls;
    const auto onSegment = [this](SegmentedControl* control, auto action) {
        m_connections.append(connect(control, &SegmentedControl::activated, this, action));
    };
    // Sliders act once their bound value is stored, that is when they settle.
    const auto onSlider = [this](ValueSlider* slider, auto action) {
        m_connections.append(connect(slider, &ValueSlider::valueSettled, this, action));
    };
    // A field left empty (a mixed selection shows nothing) has nothing to apply.
    const auto onField = [this](QLineEdit* field, auto action) {
        m_connections.append(connect(field, &QLineEdit::editingFinished, this, [this, field, action] {
            if (!field->text().trimmed().isEmpty())
                std::invoke(action, this);
        }));
    };

    onSegment(c.shadowSegmentedControl, &FormattingActions::updateShadow);
    onSlider(c.opacitySlider, &FormattingActions::updateOpacity);
    onField(c.opacityTextField, &FormattingActions::updateOpacity);
    onSegment(c.textAlignmentSegmentedControl, &FormattingActions::updateTextAlignment);
    onSegment(c.verticalAlignmentSegmentedControl, &FormattingActions::updateTextAlignment);
    onSlider(c.lineSpacingSlider, &FormattingActions::updateLineSpacing);
    m_connections.append(
        connect(c.fontPopupButton, &QComboBox::activated, this, &FormattingActions::updateFontFamily));
    onField(c.fontSizeTextbox,
            [](FormattingActions* self) { self->updateTextViewFontSize(self->m_controls.fontSizeTextbox->text()); });
    m_connections.append(
        connect(c.fontSizeStepper, &QSpinBox::valueChanged, this, &FormattingActions::updateFontSize));
    onSegment(c.borderSegmentedControl, &FormattingActions::updateBorder);
    onSegment(c.lineSegmentedControl, &FormattingActions::updateBorder);
    onSlider(c.reflectionSizeSlider, &FormattingActions::updateReflection);
    for (ValueSlider* slider : {c.shadowBlurSlider, c.shadowHorizontalOffsetSlider, c.shadowVerticalOffsetSlider})
        onSlider(slider, &FormattingActions::updateDetailedShadow);
    // The angle shows while the knob moves; the selection turns when it rests.
    m_connections.append(
        connect(c.rotationSlider, &ValueSlider::valueMoved, this, &FormattingActions::updateRotation));
    onSlider(c.rotationSlider, &FormattingActions::proceedToUpdateRotation);
    m_connections.append(
        connect(c.rotationApplyCheckmark, &QCheckBox::clicked, this, &FormattingActions::resetRotation));
    onSegment(c.responsiveAlignmentControl, &FormattingActions::updateResponsiveAlignment);
    onField(c.topPaddingTextField, &FormattingActions::updateSectionPadding);
    onField(c.topMarginTextField, &FormattingActions::updateSectionPadding);
    for (QComboBox* unit : {c.topMarginPopupButton, c.bottomMarginPopupButton, c.leftMarginPopupButton,
                            c.rightMarginPopupButton})
        m_connections.append(connect(unit, &QComboBox::activated, this, &FormattingActions::updatedMarginType));
    // The level pop-ups are made anew by every showing of the Format tab: they are found by name.
    for (const char* kind : {"Padding", "Margin"}) {
        for (const char* side : {"top", "bottom", "left", "right"}) {
            const QString name = QStringLiteral("%1%2LevelPopupButton").arg(QLatin1String(side), QLatin1String(kind));
            if (auto* level = m_window.findChild<QComboBox*>(name))
                m_connections.append(
                    connect(level, &QComboBox::activated, this, &FormattingActions::updateMarginAndPadding));
        }
    }
}

GraphicList FormattingActions::selectedGraphics() const
{
    return m_window.graphicView()->selectedGraphics();
}

void FormattingActions::editSelection(const std::function<bool(const GraphicList&)>& change)
{
    SKTDocument* document = m_window.document();
    const GraphicList graphics = selectedGraphics();
    if (!document || graphics.isEmpty())
        return;
    DocumentUndoManager& undo = document->undoManager();
    undo.beginUndoGrouping();
    const bool changed = change(graphics);
    undo.endUndoGrouping();
    undo.checkpoint();
    if (changed)
        document->setDocumentEdited(true);
}

void FormattingActions::redraw(SKTGraphic& graphic)
{
    graphic.setBounds(graphic.bounds());
}

// ---- Refresh-only

void FormattingActions::updateShadow()
{
    refreshStyles(selectedGraphics(), &SKTTable::updateShadow);
}

void FormattingActions::updateOpacity()
{
    refreshStyles(selectedGraphics(), &SKTTable::updateOpacity);
}

void FormattingActions::updateTextAlignment()
{
    refreshStyles(selectedGraphics(), &SKTTable::updateTextAlignment);
}

void FormattingActions::updateLineSpacing()
{
    m_controls.lineSpacingTextField->setText(lineSpacingText(m_controls.lineSpacingSlider->doubleValue()));
    refreshStyles(selectedGraphics(), &SKTTable::updateLineSpacing);
}

QString FormattingActions::lineSpacingText(double spacing)
{
    return spacing > 0 ? QString::asprintf("%0.2f", spacing) : tr("Default");
}

// ---- Fonts

void FormattingActions::updateFontFamily()
{
    const QString family = m_controls.fontPopupButton->currentText();
    editSelection([&](const GraphicList& graphics) {
        bool changed = false;
        for (const std::shared_ptr<SKTGraphic>& graphic : graphics) {
            auto* table = dynamic_cast<SKTTable*>(graphic.get());
            if (!isText(*graphic) && !table)
                continue;
            graphic->setFontFamily(family);
            changed = true;
        }
        refreshStyles(graphics, &SKTTable::updateFontFamily);
        return changed;
    });
}

void FormattingActions::updateTextViewFontSize(const QString& text)
{
    const int size = text.trimmed().toInt();
    editSelection([&](const GraphicList& graphics) {
        bool changed = false;
        for (const std::shared_ptr<SKTGraphic>& graphic : graphics) {
            if (!isText(*graphic) && !dynamic_cast<SKTTable*>(graphic.get()))
                continue;
            graphic->setFontSize(size);
            changed = true;
        }
        refreshStyles(graphics, &SKTTable::updateFontSize);
        return changed;
    });
}

void FormattingActions::updateFontSize()
{
    QSpinBox& stepper = *m_controls.fontSizeStepper;
    if (stepper.value() == kFirstSelectedFontSizeMarker) {
        const QSignalBlocker quiet(&stepper);
        stepper.setValue(grabFirstSelectedFontSize());
    }
    const QString family = m_controls.fontPopupButton->currentText();
    editSelection([&](const GraphicList& graphics) {
        for (const std::shared_ptr<SKTGraphic>& graphic : graphics) {
            if (auto* table = dynamic_cast<SKTTable*>(graphic.get()))
                table->setFontFamily(family);
        }
        refreshStyles(graphics, &SKTTable::updateFontSize);
        return false;
    });
}

int FormattingActions::grabFirstSelectedFontSize() const
{
    const GraphicList graphics = selectedGraphics();
    if (graphics.isEmpty())
        return 0;
    const SKTGraphic& first = *graphics.first();
    return isText(first) || dynamic_cast<const SKTTable*>(&first) ? first.fontSize() : 0;
}

bool FormattingActions::differentFontSizeSelected() const
{
    const GraphicList graphics = selectedGraphics();
    if (graphics.size() <= 1)
        return false;
    const int first = grabFirstSelectedFontSize();
    return std::any_of(graphics.begin(), graphics.end(), [first](const std::shared_ptr<SKTGraphic>& graphic) {
        return (isText(*graphic) || dynamic_cast<const SKTTable*>(graphic.get())) && graphic->fontSize() != first;
    });
}

// ---- Border, reflection, shadow, rotation

void FormattingActions::updateBorder(int segment)
{
    editSelection([segment](const GraphicList& graphics) {
        bool changed = false;
        for (const std::shared_ptr<SKTGraphic>& graphic : graphics) {
            const int width = segment == kNoBorderSegment ? 0
                              : graphic->borderWidth() == 0 ? kDefaultBorderWidth
                                                            : graphic->borderWidth();
            changed |= width != graphic->borderWidth();
            graphic->setBorderWidth(width);
        }
        return changed;
    });
}

void FormattingActions::updateReflection()
{
    for (const std::shared_ptr<SKTGraphic>& graphic : selectedGraphics()) {
        if (auto* image = dynamic_cast<SKTImage*>(graphic.get()))
            image->applyReflection();
    }
}

void FormattingActions::updateDetailedShadow()
{
    const InspectorControls& c = m_controls;
    const auto whole = [](const ValueSlider* slider) { return QString::number(int(slider->doubleValue())); };
    c.shadowBlurTextField->setText(whole(c.shadowBlurSlider));
    c.shadowHorizontalOffsetTextField->setText(whole(c.shadowHorizontalOffsetSlider));
    c.shadowVerticalOffsetTextField->setText(whole(c.shadowVerticalOffsetSlider));
    editSelection([&](const GraphicList& graphics) {
        bool changed = false;
        for (const std::shared_ptr<SKTGraphic>& graphic : graphics) {
            if (!isImageOrText(*graphic))
                continue;
            graphic->setShadowFlag(0);
            graphic->setShadowRadius(float(c.shadowBlurSlider->doubleValue()));
            graphic->setShadowHorizontalOffset(float(c.shadowHorizontalOffsetSlider->doubleValue()));
            graphic->setShadowVerticalOffset(float(c.shadowVerticalOffsetSlider->doubleValue()));
            redraw(*graphic);
            changed = true;
        }
        return changed;
    });
}

void FormattingActions::updateRotation()
{
    m_controls.rotationAngleTextField->setText(QString::number(int(m_controls.rotationSlider->doubleValue())));
}

void FormattingActions::proceedToUpdateRotation()
{
    const float angle = float(int(m_controls.rotationSlider->doubleValue()));
    editSelection([&](const GraphicList& graphics) {
        bool changed = false;
        for (const std::shared_ptr<SKTGraphic>& graphic : graphics) {
            if (!isImageOrText(*graphic))
                continue;
            graphic->setRotationAngle(angle);
            m_window.graphicView()->setNeedsDisplayInRect(graphic->drawingBounds());
            redraw(*graphic);
            changed = true;
        }
        return changed;
    });
}

void FormattingActions::resetRotation()
{
    if (m_controls.rotationApplyCheckmark->isChecked())
        return;
    editSelection([this](const GraphicList& graphics) {
        for (const std::shared_ptr<SKTGraphic>& graphic : graphics) {
            const QRectF before = graphic->drawingBounds();
            graphic->setRotationAngle(0);
            m_window.graphicView()->setNeedsDisplayInRect(before.united(graphic->drawingBounds()));
            redraw(*graphic);
        }
        return true;
    });
}

// ---- Alignment inside section cells

std::optional<double> FormattingActions::alignedX(const QRectF& bounds, const QRect& cell, int alignment)
{
    const double cx = cell.x();
    const double cw = cell.width();
    switch (alignment) {
    case 0:
        return cx;
    case 2:
        return std::trunc(cx + cw) - bounds.width();
    case 1: {
        const int right = int(cx + cw);
        const int left = int(cx);
        const int boundsLeft = int(bounds.x());
        const int boundsRight = int(bounds.x() + bounds.width());
        return bounds.x() + (left - boundsLeft + (right - left) / 2 - (boundsRight - boundsLeft) / 2);
    }
    default:
        return std::nullopt;
    }
}

void FormattingActions::align(SKTGraphic& graphic, int alignment)
{
    const QRectF b = graphic.bounds();
    const QRect cell = SKTTable::grabOverLappingSectionCell(m_window.graphicView()->graphics(), b.topLeft());
    if (cell.isNull())
        return;
    if (const std::optional<double> x = alignedX(b, cell, alignment))
        graphic.setBounds(QRectF(*x, b.y(), b.width(), b.height()));
}

void FormattingActions::updateResponsiveAlignment()
{
    const int alignment = m_controls.responsiveAlignmentControl->selectedSegment();
    editSelection([&](const GraphicList& graphics) {
        for (const std::shared_ptr<SKTGraphic>& graphic : graphics) {
            if (isImageOrText(*graphic) || dynamic_cast<SKTTable*>(graphic.get()))
                align(*graphic, alignment);
        }
        return true;
    });
}

void FormattingActions::refocusResponsiveAlignment(const SKTGraphic& section)
{
    for (const std::shared_ptr<SKTGraphic>& graphic : m_window.graphicView()->findObjectsInSection(section)) {
        if ((isText(*graphic) && !isFormField(*graphic)) || dynamic_cast<SKTImage*>(graphic.get()) ||
            dynamic_cast<SKTTable*>(graphic.get()))
            align(*graphic, graphic->responsiveAlignment());
    }
}

// ---- Padding and margin levels

void FormattingActions::updateMarginAndPadding()
{
    editSelection([](const GraphicList& graphics) {
        for (const std::shared_ptr<SKTGraphic>& graphic : graphics) {
            graphic->applyPaddingAndMargin();
            GraphicContext* context = graphic->graphicContext();
            if (context && graphic->gridType() == QLatin1String("section"))
                context->reAlignSectionObjects(*graphic);
        }
        return true;
    });
}

void FormattingActions::updatedMarginType()
{
    for (const std::shared_ptr<SKTGraphic>& graphic : selectedGraphics())
        graphic->autoConvertLeftMargins();
}
