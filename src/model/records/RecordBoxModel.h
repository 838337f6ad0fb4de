#pragma once

#include "model/records/ElementRecord.h"

#include <QString>

// The padding and margin values of a record with their units ("pixel" or "%").
class RecordBoxModel {
    ELEMENT_RECORD_FIELD(int, topPadding, setTopPadding)
    ELEMENT_RECORD_FIELD(int, bottomPadding, setBottomPadding)
    ELEMENT_RECORD_FIELD(int, leftPadding, setLeftPadding)
    ELEMENT_RECORD_FIELD(int, rightPadding, setRightPadding)
    ELEMENT_RECORD_FIELD(int, topMargin, setTopMargin)
    ELEMENT_RECORD_FIELD(int, bottomMargin, setBottomMargin)
    ELEMENT_RECORD_FIELD(int, leftMargin, setLeftMargin)
    ELEMENT_RECORD_FIELD(int, rightMargin, setRightMargin)
    ELEMENT_RECORD_FIELD(QString, topPaddingType, setTopPaddingType)
    ELEMENT_RECORD_FIELD(QString, bottomPaddingType, setBottomPaddingType)
    ELEMENT_RECORD_FIELD(QString, leftPaddingType, setLeftPaddingType)
    ELEMENT_RECORD_FIELD(QString, rightPaddingType, setRightPaddingType)
    ELEMENT_RECORD_FIELD(QString, topMarginType, setTopMarginType)
    ELEMENT_RECORD_FIELD(QString, bottomMarginType, setBottomMarginType)
    ELEMENT_RECORD_FIELD(QString, leftMarginType, setLeftMarginType)
    ELEMENT_RECORD_FIELD(QString, rightMarginType, setRightMarginType)
};

// The named level of each padding and margin ("None", "Tiny", "Small", "Medium", "Large", "XL", "XXL").
class RecordBoxLevels {
    ELEMENT_RECORD_FIELD(QString, topPaddingLevelString, setTopPaddingLevelString)
    ELEMENT_RECORD_FIELD(QString, bottomPaddingLevelString, setBottomPaddingLevelString)
    ELEMENT_RECORD_FIELD(QString, leftPaddingLevelString, setLeftPaddingLevelString)
    ELEMENT_RECORD_FIELD(QString, rightPaddingLevelString, setRightPaddingLevelString)
    ELEMENT_RECORD_FIELD(QString, topMarginLevelString, setTopMarginLevelString)
    ELEMENT_RECORD_FIELD(QString, bottomMarginLevelString, setBottomMarginLevelString)
    ELEMENT_RECORD_FIELD(QString, leftMarginLevelString, setLeftMarginLevelString)
    ELEMENT_RECORD_FIELD(QString, rightMarginLevelString, setRightMarginLevelString)
};
