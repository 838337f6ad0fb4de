#include "inspector/bindings/InspectorBindingTable.h"

namespace {

using B = BindingName;
using O = BindingOptions;

QList<InspectorBindingRow> makeTable()
{
    QList<InspectorBindingRow> rows = {
        {"initialStateSegmentedControl", B::SelectedIndex, "initialLaunchStateFlag", O::None},
        {"originXTextField", B::Value, "xPosition", O::P},
        {"originYTextField", B::Value, "yPosition", O::P},
        {"widthTextField", B::Value, "width", O::P},
        {"heightTextField", B::Value, "height", O::P},
        {"sectionIDTextField", B::Value, "sectionIDString", O::P},
        {"onClickHideTextField", B::Value, "onClickHideString", O::P},
        {"onClickShowTextField", B::Value, "onClickShowString", O::P},
    };
    // The box model: values of the four sides, their units and their levels; the pop-ups of the units and
    // the levels go top, bottom, right, left.
    for (const char* kind : {"Padding", "Margin"}) {
        for (const char* side : {"top", "bottom", "left", "right"}) {
            const QString key = QString::fromLatin1(side) + QString::fromLatin1(kind);
            rows.append({key + QLatin1String("TextField"), B::Value, key, O::P});
        }
    }
    for (const char* suffix : {"Type", "LevelString"}) {
        const QString control = QString::fromLatin1(suffix) == u"Type" ? QStringLiteral("PopupButton")
                                                                       : QStringLiteral("LevelPopupButton");
        for (const char* kind : {"Padding", "Margin"}) {
            for (const char* side : {"top", "bottom", "right", "left"}) {
                const QString key = QString::fromLatin1(side) + QString::fromLatin1(kind);
                rows.append({key + control, B::SelectedValue, key + QString::fromLatin1(suffix), O::P});
            }
        }
    }
    rows += QList<InspectorBindingRow>{
        {"fontPopupButton", B::SelectedValue, "fontFamily", O::None},
        {"fontSizeStepper", B::Value, "fontSize", O::S},
        {"fontSizeTextbox", B::Value, "fontSize", O::P},
        {"textAlignmentSegmentedControl", B::SelectedIndex, "fontAlignment", O::None},
        {"verticalAlignmentSegmentedControl", B::SelectedIndex, "verticalAlignment", O::None},
        {"borderSegmentedControl", B::SelectedLabel, "borderStyle", O::None},
        {"borderWidthSlider", B::Value, "borderWidth", O::None},
        {"borderWidthTextField", B::Value, "borderWidth", O::P},
        {"lineWidthSlider", B::Value, "borderWidth", O::None},
        {"lineWidthTextField", B::Value, "borderWidth", O::P},
        {"lineSegmentedControl", B::SelectedLabel, "borderStyle", O::None},
        {"cornerRadiusSlider", B::Value, "cornerRadius", O::None},
        {"cornerRadiusTextField", B::Value, "cornerRadius", O::P},
        {"opacitySlider", B::Value, "opacity", O::None},
        {"opacityTextField", B::Value, "opacity", O::P},
        {"reflectionSizeSlider", B::Value, "reflection", O::None},
        {"reflectionSizeTextField", B::Value, "reflection", O::P},
        {"lineSpacingSlider", B::Value, "lineSpacing", O::None},
        {"shadowSegmentedControl", B::SelectedIndex, "shadowFlag", O::None},
        {"hyperLinkTextField", B::Value, "link", O::L},
        {"linkOptionSegmentedControl", B::SelectedLabel, "linkOption", O::None},
        {"altTextField", B::Value, "altText", O::A},
        {"scrollSegmentedControl", B::SelectedIndex, "scrollFlag", O::None},
        {"lockSegmentedControl", B::SelectedIndex, "moveLock", O::None},
        {"shadowBlurSlider", B::Value, "shadowRadius", O::None},
        {"shadowBlurTextField", B::Value, "shadowRadius", O::None},
        {"shadowHorizontalOffsetSlider", B::Value, "shadowHorizontalOffset", O::None},
        {"shadowHorizontalOffsetTextField", B::Value, "shadowHorizontalOffset", O::None},
        {"shadowVerticalOffsetSlider", B::Value, "shadowVerticalOffset", O::None},
        {"shadowVerticalOffsetTextField", B::Value, "shadowVerticalOffset", O::None},
        {"imageMaskApplyCheckmark", B::Value, "maskFlag", O::None},
        {"rotationSlider", B::Value, "rotationAngle", O::None},
        {"rotationAngleTextField", B::Value, "rotationAngle", O::None},
        {"rotationApplyCheckmark", B::Value, "rotationAngle", O::None},
        {"responsiveAlignmentControl", B::SelectedIndex, "responsiveAlignment", O::None},
        {"responsiveSizeSegmentedControl", B::SelectedIndex, "responsiveResizeFlag", O::None},
    };
    return rows;
}

} // namespace

const QList<InspectorBindingRow>& inspectorBindingTable()
{
    static const QList<InspectorBindingRow> table = makeTable();
    return table;
}
