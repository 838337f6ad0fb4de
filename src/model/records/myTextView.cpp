#include "model/records/myTextView.h"

#include <QTextDocument>

myTextView::myTextView()
    : myTextView(QRectF())
{}

myTextView::myTextView(const QRectF& frame)
    : TextViewRecord(frame)
{
    setColorString(QStringLiteral(""));
    setTextColorString(QStringLiteral(""));
    setTextView(std::make_shared<MTextView>(frame));
    setCoverView(std::make_shared<ElementRecord>());
}

myTextView::~myTextView() = default;

void myTextView::drawRect(const QRectF& rect)
{
    if (m_textView)
        m_textView->setFrame(rect);
    if (m_coverView)
        m_coverView->setFrame(rect);
}
