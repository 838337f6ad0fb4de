#include "inspector/panel/InspectorControls.h"

#include "inspector/controls/ValueSlider.h"
#include "inspector/panel/InspectorFontList.h"
#include "platform/SegmentedControl.h"
#include "profile/DataCentre.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <optional>

namespace {

// The number a text field takes: any text, whole numbers, or decimal numbers.
enum class Formatter { None, Integer, Decimal };

// The x of the four fields of one position, padding or margin row.
constexpr int kRowFieldX[] = {10, 70, 140, 200};
constexpr int kRowFieldY = 25;
constexpr QSize kRowFieldSize(60, 25);
// The widest border and line the sliders offer, and under the profile's wide range.
constexpr int kBorderWidthMaximum = 10;
constexpr int kWideBorderWidthMaximum = 30;
constexpr int kSliderTicks = 10;
constexpr int kRotationSettleMilliseconds = 100;

class Maker {
public:
    explicit Maker(QWidget& panel)
        : m_panel(panel)
    {
    }

    template <class Control> Control* place(Control* control, const char* name, std::optional<QRect> frame)
    {
        control->setObjectName(QString::fromLatin1(name));
        if (frame)
            control->setGeometry(*frame);
        control->hide();
        return control;
    }

    QLineEdit* field(const char* name, std::optional<QRect> frame = {}, Formatter formatter = Formatter::None)
    {
        auto* field = place(new QLineEdit(&m_panel), name, frame);
        if (formatter == Formatter::Integer) {
            auto* validator = new QIntValidator(field);
            validator->setLocale(QLocale::c());
            field->setValidator(validator);
        } else if (formatter == Formatter::Decimal) {
            auto* validator = new QDoubleValidator(field);
            validator->setLocale(QLocale::c());
            validator->setNotation(QDoubleValidator::StandardNotation);
            field->setValidator(validator);
        }
        if (formatter != Formatter::None)
            field->setAlignment(Qt::AlignCenter);
        return field;
    }

    // One of the four fields of a row: the position, padding and margin rows share their frames.
    QLineEdit* rowField(const char* name, int column)
    {
        return field(name, QRect(QPoint(kRowFieldX[column], kRowFieldY), kRowFieldSize));
    }

    SegmentedControl* segments(const char* name, const QStringList& labels, std::optional<QRect> frame)
    {
        return place(new SegmentedControl(labels, &m_panel), name, frame);
    }

    QComboBox* popup(const char* name, const QStringList& items, std::optional<QRect> frame = {})
    {
        auto* popup = place(new QComboBox(&m_panel), name, frame);
        popup->addItems(items);
        return popup;
    }

    ValueSlider* slider(const char* name, std::optional<QRect> frame, double minimum, double maximum,
                        double step, int ticks = kSliderTicks)
    {
        auto* slider = place(new ValueSlider(&m_panel), name, frame);
        slider->setValueRange(minimum, maximum, step, ticks);
        return slider;
    }

    QLabel* label(const char* name, const QString& text, std::optional<QRect> frame = {})
    {
        return place(new QLabel(text, &m_panel), name, frame);
    }

    QCheckBox* checkbox(const char* name, const QString& text)
    {
        return place(new QCheckBox(text, &m_panel), name, {});
    }

private:
    QWidget& m_panel;
};

} // namespace

InspectorControls InspectorControls::initializeInspectorElements(QWidget& panel)
{
    const ProductProfile& profile = DataCentre::profile();
    const QStringList units = {QStringLiteral("pixel"), QStringLiteral("%")};
    const QStringList borderStyles = {QStringLiteral("solid"), QStringLiteral("dashed"), QStringLiteral("dotted"),
                                      QStringLiteral("none")};
    const int borderMaximum = profile.wideBorderRange ? kWideBorderWidthMaximum : kBorderWidthMaximum;
    const QRect sliderFrame(10, 90, 205, 20);
    const QRect shadowSliderFrame(5, 200, 205, 20);
    Maker make(panel);
    InspectorControls c;

    c.inspectorPanelSegmentedControl = make.segments(
        "inspectorPanelSegmentedControl", {QObject::tr("Style"), QObject::tr("Color"), QObject::tr("Effects")},
        QRect(0, 90, 255, 30));
    c.lockSegmentedControl = make.segments("lockSegmentedControl", {QObject::tr("Unlock"), QObject::tr("Lock")},
                                           QRect(0, 50, 255, 40));
    c.initialStateSegmentedControl = make.segments(
        "initialStateSegmentedControl", {QObject::tr("Shown"), QObject::tr("Hidden")}, QRect(0, 50, 255, 40));
    c.originXTextField = make.rowField("originXTextField", 0);
    c.originYTextField = make.rowField("originYTextField", 1);
    c.widthTextField = make.rowField("widthTextField", 2);
    c.heightTextField = make.rowField("heightTextField", 3);
    c.topPaddingTextField = make.rowField("topPaddingTextField", 0);
    c.bottomPaddingTextField = make.rowField("bottomPaddingTextField", 1);
    c.leftPaddingTextField = make.rowField("leftPaddingTextField", 2);
    c.rightPaddingTextField = make.rowField("rightPaddingTextField", 3);
    c.topMarginTextField = make.rowField("topMarginTextField", 0);
    c.bottomMarginTextField = make.rowField("bottomMarginTextField", 1);
    c.leftMarginTextField = make.rowField("leftMarginTextField", 2);
    c.rightMarginTextField = make.rowField("rightMarginTextField", 3);
    c.topMarginPopupButton = make.popup("topMarginPopupButton", units);
    c.bottomMarginPopupButton = make.popup("bottomMarginPopupButton", units);
    c.leftMarginPopupButton = make.popup("leftMarginPopupButton", units);
    c.rightMarginPopupButton = make.popup("rightMarginPopupButton", units);
    c.topPaddingPopupButton = make.popup("topPaddingPopupButton", units);
    c.bottomPaddingPopupButton = make.popup("bottomPaddingPopupButton", units);
    c.leftPaddingPopupButton = make.popup("leftPaddingPopupButton", units);
    c.rightPaddingPopupButton = make.popup("rightPaddingPopupButton", units);
    c.sectionIDTextField = make.field("sectionIDTextField");
    c.onClickShowTextField = make.field("onClickShowTextField");
    c.onClickHideTextField = make.field("onClickHideTextField");
    c.fontPopupButton = make.popup("fontPopupButton", {}, QRect(0, 10, 255, 30));
    c.gridTypePopupButton = make.popup("gridTypePopupButton",
                                       {QObject::tr("Section"), QObject::tr("Section Template")},
                                       QRect(40, 60, 200, 30));
    c.fontSizeTextbox = make.field("fontSizeTextbox");
    c.fontSizeTextbox->setAlignment(Qt::AlignCenter);
    c.fontSizeStepper = make.place(new QSpinBox(&panel), "fontSizeStepper", {});
    c.fontSizeStepper->setRange(5, 295);
    c.textAlignmentSegmentedControl = make.segments(
        "textAlignmentSegmentedControl",
        {QObject::tr("Left"), QObject::tr("Center"), QObject::tr("Right"), QObject::tr("Justify")},
        QRect(10, 40, 170, 40));
    c.verticalAlignmentSegmentedControl =
        make.segments("verticalAlignmentSegmentedControl",
                      {QObject::tr("Top"), QObject::tr("Middle"), QObject::tr("Bottom")}, QRect(10, 40, 170, 40));
    c.borderSegmentedControl = make.segments("borderSegmentedControl", borderStyles, QRect(5, 100, 255, 25));
    c.borderWidthSlider = make.slider("borderWidthSlider", QRect(5, 140, 205, 20), 0, borderMaximum, 1);
    c.borderWidthTextField = make.field("borderWidthTextField", {}, Formatter::Integer);
    c.opacitySlider = make.slider("opacitySlider", QRect(5, 200, 205, 20), 0, 1, 0.01);
    c.opacityTextField = make.field("opacityTextField", {}, Formatter::Decimal);
    c.cornerRadiusSlider = make.slider("cornerRadiusSlider", QRect(5, 250, 205, 20), 0, 100, 1);
    c.cornerRadiusTextField = make.field("cornerRadiusTextField", {}, Formatter::Integer);
    c.linkTextFieldLabel = make.label("linkTextFieldLabel", QObject::tr("Hyperlink"), QRect(5, 290, 100, 20));
    c.hyperLinkTextField = make.field("hyperLinkTextField", QRect(5, 310, 255, 30));
    c.linkOptionSegmentedControl =
        make.segments("linkOptionSegmentedControl",
                      {QStringLiteral("_self"), QStringLiteral("_blank"), QStringLiteral("_parent")},
                      QRect(5, 340, 255, 40));
    c.colorSegmentedControl = make.segments("colorSegmentedControl", {}, QRect(5, 350, 300, 60));
    c.shadowSegmentedControl = make.segments(
        "shadowSegmentedControl", {QObject::tr("No Shadow"), QObject::tr("Shadow")}, QRect(5, 25, 255, 25));
    c.reflectionSizeSlider = make.slider("reflectionSizeSlider", sliderFrame, 0, 1, 0.01);
    c.lineSpacingSlider = make.slider("lineSpacingSlider", sliderFrame, -0.1, 3.0, 0.05);
    c.lineWidthSlider = make.slider("lineWidthSlider", sliderFrame, 0, borderMaximum, 1);
    c.reflectionSizeTextField = make.field("reflectionSizeTextField", {}, Formatter::Decimal);
    c.lineSpacingTextField = make.field("lineSpacingTextField", {}, Formatter::Decimal);
    c.lineWidthTextField = make.field("lineWidthTextField", {}, Formatter::Integer);
    c.lineSegmentedControl = make.segments("lineSegmentedControl", borderStyles, QRect(5, 100, 255, 25));
    c.altTextField = make.field("altTextField", QRect(5, 150, 255, 30));
    c.scrollSegmentedControl = make.segments(
        "scrollSegmentedControl", {QObject::tr("Scrolling"), QObject::tr("Non Scrolling")}, QRect(5, 210, 255, 25));
    c.scrollTextFieldLabel =
        make.label("scrollTextFieldLabel", QObject::tr("*Preview to see scroll effects"));
    c.shadowVerticalOffsetSlider = make.slider("shadowVerticalOffsetSlider", shadowSliderFrame, -10, 10, 1, 1);
    c.shadowHorizontalOffsetSlider =
        make.slider("shadowHorizontalOffsetSlider", shadowSliderFrame, -10, 10, 1, 1);
    c.shadowBlurSlider = make.slider("shadowBlurSlider", shadowSliderFrame, 0, 10, 1);
    c.shadowVerticalOffsetTextField = make.field("shadowVerticalOffsetTextField", {}, Formatter::Integer);
    c.shadowHorizontalOffsetTextField = make.field("shadowHorizontalOffsetTextField", {}, Formatter::Integer);
    c.shadowBlurTextField = make.field("shadowBlurTextField", {}, Formatter::Integer);
    c.imageMaskButton = make.place(new QPushButton(&panel), "imageMaskButton", {});
    c.imageMaskApplyCheckmark = make.checkbox("imageMaskApplyCheckmark", QString());
    c.rotationSlider = make.slider("rotationSlider", {}, 0, 360, 1);
    // A drag turns the selection once it pauses, not at every step.
    c.rotationSlider->setSettleDelay(kRotationSettleMilliseconds);
    c.rotationAngleTextField = make.field("rotationAngleTextField");
    c.rotationApplyCheckmark = make.checkbox("rotationApplyCheckmark", QObject::tr("Apply Rotation"));
    c.responsiveAlignmentControl = make.segments(
        "responsiveAlignmentControl", {QObject::tr("Left"), QObject::tr("Center"), QObject::tr("Right")}, {});

    fillFontPopup(*c.fontPopupButton, inspectorFontList(profile.hideStandardFonts, QFontDatabase::families()),
                  profile.fontMenuPreview);
    return c;
}
