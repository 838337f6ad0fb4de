#pragma once

#include "model/GraphicContext.h"

// A document window without a window: answers with the values it was given, and the section and overlap
// questions over the list of graphics it was given, the way the canvas answers them. Used where graphics
// live without a canvas (headless generation, tests).
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

    // The page's graphics, front-most first, and those of them selected in the window.
    void setGraphics(const GraphicList& graphics) { m_graphics = graphics; }
    const GraphicList& graphics() const { return m_graphics; }
    void setSelectedGraphics(const GraphicList& graphics) { m_selectedGraphics = graphics; }

    SectionLayout sectionLayout() const override;

    void setSelectedTextColor(const QColor& color) override { m_selectedTextColor = color; }
    void setSelectedShapeColor(const QColor& color) override { m_selectedShapeColor = color; }
    void setSelectedHoverColor(const QColor& color) override { m_selectedHoverColor = color; }
    void setSelectedHoverTextColor(const QColor& color) override { m_selectedHoverTextColor = color; }
    void setSelectedBorderColor(const QColor& color) override { m_selectedBorderColor = color; }
    QColor selectedTextColor() const { return m_selectedTextColor; }
    QColor selectedShapeColor() const { return m_selectedShapeColor; }
    QColor selectedHoverColor() const { return m_selectedHoverColor; }
    QColor selectedHoverTextColor() const { return m_selectedHoverTextColor; }
    QColor selectedBorderColor() const { return m_selectedBorderColor; }

private:
    QString m_documentPageName;
    QString m_currentDocPath;
    QString m_nextImageName;
    QPointF m_lastTouchPoint;
    GraphicList m_graphics;
    GraphicList m_selectedGraphics;
    QColor m_selectedTextColor;
    QColor m_selectedShapeColor;
    QColor m_selectedHoverColor;
    QColor m_selectedHoverTextColor;
    QColor m_selectedBorderColor;
};
