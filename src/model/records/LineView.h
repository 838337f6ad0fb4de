#pragma once

#include "model/records/ElementRecord.h"

#include <QPointF>
#include <QString>

// The page loader's record of a line read back from a page file. It carries no behaviour: the loader
// fills it and the record conversion turns it into a line's property dictionary. Its tag and alpha value
// (the line's opacity) are those of every element record.
class LineView : public ElementRecord {
public:
    QPointF beginPoint() const { return m_beginPoint; }
    void setBeginPoint(const QPointF& point) { m_beginPoint = point; }
    QPointF endPoint() const { return m_endPoint; }
    void setEndPoint(const QPointF& point) { m_endPoint = point; }
    int groupNumber() const { return m_groupNumber; }
    void setGroupNumber(int number) { m_groupNumber = number; }
    int moveLock() const { return m_moveLock; }
    void setMoveLock(int lock) { m_moveLock = lock; }
    QString templateName() const { return m_templateName; }
    void setTemplateName(const QString& name) { m_templateName = name; }
    int scrollFlag() const { return m_scrollFlag; }
    void setScrollFlag(int flag) { m_scrollFlag = flag; }
    int manualLayerIndex() const { return m_manualLayerIndex; }
    void setManualLayerIndex(int index) { m_manualLayerIndex = index; }
    QString borderStyle() const { return m_borderStyle; }
    void setBorderStyle(const QString& style) { m_borderStyle = style; }
    int borderWidth() const { return m_borderWidth; }
    void setBorderWidth(int width) { m_borderWidth = width; }
    QString borderHexColorString() const { return m_borderHexColorString; }
    void setBorderHexColorString(const QString& color) { m_borderHexColorString = color; }
    bool drawBeginArrow() const { return m_drawBeginArrow; }
    void setDrawBeginArrow(bool flag) { m_drawBeginArrow = flag; }
    bool drawEndArrow() const { return m_drawEndArrow; }
    void setDrawEndArrow(bool flag) { m_drawEndArrow = flag; }

private:
    QPointF m_beginPoint;
    QPointF m_endPoint;
    int m_groupNumber = 0;
    int m_moveLock = 0;
    QString m_templateName;
    int m_scrollFlag = 0;
    int m_manualLayerIndex = 0;
    QString m_borderStyle;
    int m_borderWidth = 0;
    QString m_borderHexColorString;
    bool m_drawBeginArrow = false;
    bool m_drawEndArrow = false;
};
