#pragma once

#include <QList>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QWidget;
class SegmentedControl;
class ValueSlider;

// The controls every tab and page of a window's inspector shares, made once per window. Each carries its
// field name as object name. They start hidden inside the panel, at their first frame where they have one:
// the tab or page that shows one places it into its row.
struct InspectorControls {
    // Makes the controls in the panel and fills the font pop-up for the running product.
    static InspectorControls initializeInspectorElements(QWidget& panel);

    SegmentedControl* inspectorPanelSegmentedControl;
    SegmentedControl* lockSegmentedControl;
    SegmentedControl* initialStateSegmentedControl;
    QLineEdit *originXTextField, *originYTextField, *widthTextField, *heightTextField;
    QLineEdit *topPaddingTextField, *bottomPaddingTextField, *leftPaddingTextField, *rightPaddingTextField;
    QLineEdit *topMarginTextField, *bottomMarginTextField, *leftMarginTextField, *rightMarginTextField;
    QComboBox *topMarginPopupButton, *bottomMarginPopupButton, *leftMarginPopupButton, *rightMarginPopupButton;
    QComboBox *topPaddingPopupButton, *bottomPaddingPopupButton, *leftPaddingPopupButton,
        *rightPaddingPopupButton;
    QLineEdit *sectionIDTextField, *onClickShowTextField, *onClickHideTextField;
    QComboBox* fontPopupButton;
    QComboBox* gridTypePopupButton;
    QLineEdit* fontSizeTextbox;
    QSpinBox* fontSizeStepper;
    SegmentedControl *textAlignmentSegmentedControl, *verticalAlignmentSegmentedControl;
    SegmentedControl* borderSegmentedControl;
    ValueSlider* borderWidthSlider;
    QLineEdit* borderWidthTextField;
    ValueSlider* opacitySlider;
    QLineEdit* opacityTextField;
    ValueSlider* cornerRadiusSlider;
    QLineEdit* cornerRadiusTextField;
    QLabel* linkTextFieldLabel;
    QLineEdit* hyperLinkTextField;
    SegmentedControl* linkOptionSegmentedControl;
    SegmentedControl* colorSegmentedControl;
    SegmentedControl* shadowSegmentedControl;
    ValueSlider *reflectionSizeSlider, *lineSpacingSlider, *lineWidthSlider;
    QLineEdit *reflectionSizeTextField, *lineSpacingTextField, *lineWidthTextField;
    SegmentedControl* lineSegmentedControl;
    QLineEdit* altTextField;
    SegmentedControl* scrollSegmentedControl;
    QLabel* scrollTextFieldLabel;
    ValueSlider *shadowVerticalOffsetSlider, *shadowHorizontalOffsetSlider, *shadowBlurSlider;
    QLineEdit *shadowVerticalOffsetTextField, *shadowHorizontalOffsetTextField, *shadowBlurTextField;
    QPushButton* imageMaskButton;
    QCheckBox* imageMaskApplyCheckmark;
    ValueSlider* rotationSlider;
    QLineEdit* rotationAngleTextField;
    QCheckBox* rotationApplyCheckmark;
    // Where a selected object sits in its section cell: left, centre, right.
    SegmentedControl* responsiveAlignmentControl;
};
