#pragma once

#include "model/SKTGraphic.h"

class MTextView;

// A rectangle with optional rounded corners. It supplies only its outline: handles, resizing and the box
// model are the base class's, and its own fields do not travel in the property dictionary.
class SKTRectangle : public SKTGraphic {
    Q_OBJECT

public:
    QString className() const override;
    // The rounded rectangle of the bounds with corner radius cornerRadius; stroked strokeWidth wide when
    // that is above 0.
    BezierPath bezierPathForDrawing(DrawingView* view = nullptr) override;

    QString borderLine() const { return m_borderLine; }
    void setBorderLine(const QString& borderLine) { m_borderLine = borderLine; }
    float BorderRed() const { return m_BorderRed; }
    void setBorderRed(float red) { m_BorderRed = red; }
    float BorderBlue() const { return m_BorderBlue; }
    void setBorderBlue(float blue) { m_BorderBlue = blue; }
    float BorderGreen() const { return m_BorderGreen; }
    void setBorderGreen(float green) { m_BorderGreen = green; }
    QString textLink() const { return m_textLink; }
    void setTextLink(const QString& link) { m_textLink = link; }
    std::shared_ptr<MTextView> textView() const { return m_textView; }
    void setTextView(std::shared_ptr<MTextView> textView) { m_textView = std::move(textView); }

protected:
    std::shared_ptr<SKTGraphic> newGraphicOfSameKind() const override;

private:
    QString m_borderLine;
    float m_BorderRed = 0;
    float m_BorderBlue = 0;
    float m_BorderGreen = 0;
    QString m_textLink;
    std::shared_ptr<MTextView> m_textView;
};
