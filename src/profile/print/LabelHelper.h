#pragma once

#include <QString>

// The fields of one print sheet, in declaration order: X(type, name, setter). Lengths are inches, the
// canvas size is pixels for one label at canvasPixelFactor pixels per inch.
#define VELK_LABEL_HELPER_FIELDS(X)                                                                          \
    X(int, printNumOfRowsPerSheet, setPrintNumOfRowsPerSheet)                                                \
    X(int, printNumOfColumnsPerSheet, setPrintNumOfColumnsPerSheet)                                          \
    X(float, printSingleLabelWidthInch, setPrintSingleLabelWidthInch)                                        \
    X(float, printSingleLabelHeightInch, setPrintSingleLabelHeightInch)                                      \
    X(float, printLabelColumnSpacingInch, setPrintLabelColumnSpacingInch)                                    \
    X(float, printLabelRowSpacingInch, setPrintLabelRowSpacingInch)                                          \
    X(float, printSheetTopMarginInch, setPrintSheetTopMarginInch)                                            \
    X(float, printSheetBottomMarginInch, setPrintSheetBottomMarginInch)                                      \
    X(float, printSheetLeftMarginInch, setPrintSheetLeftMarginInch)                                          \
    X(float, printSheetRightMarginInch, setPrintSheetRightMarginInch)                                        \
    X(QString, printObjectType, setPrintObjectType)                                                          \
    X(QString, printDescription, setPrintDescription)                                                        \
    X(int, canvasHeight, setCanvasHeight)                                                                    \
    X(int, canvasWidth, setCanvasWidth)                                                                      \
    X(QString, paperSize, setPaperSize)                                                                      \
    X(float, canvasPixelFactor, setCanvasPixelFactor)

// One physical sheet of labels, cards, a flyer or an envelope: how the labels tile the paper and the
// canvas on which one label is designed. The sheet is identified by its printDescription.
class LabelHelper {
public:
#define VELK_LABEL_HELPER_ACCESSORS(type, name, setter)                                                      \
    type name() const                                                                                        \
    {                                                                                                        \
        return m_##name;                                                                                     \
    }                                                                                                        \
    void setter(const type& value)                                                                           \
    {                                                                                                        \
        m_##name = value;                                                                                    \
    }
    VELK_LABEL_HELPER_FIELDS(VELK_LABEL_HELPER_ACCESSORS)
#undef VELK_LABEL_HELPER_ACCESSORS

private:
#define VELK_LABEL_HELPER_MEMBER(type, name, setter) type m_##name{};
    VELK_LABEL_HELPER_FIELDS(VELK_LABEL_HELPER_MEMBER)
#undef VELK_LABEL_HELPER_MEMBER
};
