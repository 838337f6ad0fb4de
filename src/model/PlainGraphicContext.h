#pragma once

#include "model/GraphicContext.h"

// A document window without a window: answers with the values it was given. Used where graphics live
// without a canvas (headless generation, tests).
class PlainGraphicContext : public GraphicContext {
public:
    QString getDocumentPageName() const override { return m_documentPageName; }
    QString grabCurrentDocPath() const override { return m_currentDocPath; }
    QString grabNextImageName() const override { return m_nextImageName; }
    QPointF grabLastTouchPoint() const override { return m_lastTouchPoint; }

    void setDocumentPageName(const QString& name) { m_documentPageName = name; }
    void setCurrentDocPath(const QString& path) { m_currentDocPath = path; }
    void setNextImageName(const QString& name) { m_nextImageName = name; }
    void setLastTouchPoint(const QPointF& point) { m_lastTouchPoint = point; }

private:
    QString m_documentPageName;
    QString m_currentDocPath;
    QString m_nextImageName;
    QPointF m_lastTouchPoint;
};
