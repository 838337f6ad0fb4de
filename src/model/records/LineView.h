#pragma once

#include "model/records/ElementRecord.h"

#include <QPointF>
#include <QString>

// The page loader's record of a line read back from a page file. It carries no behaviour: the loader
// fills it and the record conversion turns it into a line's property dictionary. Its tag and alpha value
// (the line's opacity) are those of every element record.
class LineView : public ElementRecord {
    ELEMENT_RECORD_FIELD(QPointF, beginPoint, setBeginPoint)
    ELEMENT_RECORD_FIELD(QPointF, endPoint, setEndPoint)
    ELEMENT_RECORD_FIELD(int, groupNumber, setGroupNumber)
    ELEMENT_RECORD_FIELD(int, moveLock, setMoveLock)
    ELEMENT_RECORD_FIELD(QString, templateName, setTemplateName)
    ELEMENT_RECORD_FIELD(int, scrollFlag, setScrollFlag)
    ELEMENT_RECORD_FIELD(int, manualLayerIndex, setManualLayerIndex)
    ELEMENT_RECORD_FIELD(QString, borderStyle, setBorderStyle)
    ELEMENT_RECORD_FIELD(int, borderWidth, setBorderWidth)
    ELEMENT_RECORD_FIELD(QString, borderHexColorString, setBorderHexColorString)
    ELEMENT_RECORD_FIELD(bool, drawBeginArrow, setDrawBeginArrow)
    ELEMENT_RECORD_FIELD(bool, drawEndArrow, setDrawEndArrow)
};
