#include "model/records/OuterSlideShow.h"

OuterSlideShow::OuterSlideShow(const QRectF& frame)
    : ElementRecord(frame)
{
    setArrowWidth(40);
    setArrowHeight(50);
    const double arrowTop = frame.height() * 0.5;
    setNextButton(std::make_shared<ElementRecord>(
        QRectF(frame.width() - arrowWidth(), arrowTop, arrowWidth(), arrowHeight())));
    setPreviousButton(std::make_shared<ElementRecord>(QRectF(0, arrowTop, arrowWidth(), arrowHeight())));
}
