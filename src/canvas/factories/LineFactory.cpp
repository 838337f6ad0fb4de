#include "canvas/view/SKTGraphicView.h"

#include "document/core/GraphicClasses.h"
#include "model/GraphicPropertyDictionary.h"
#include "model/SKTLine.h"
#include "platform/Format.h"
#include "profile/services/HexColor.h"

#include <algorithm>

// Straight lines made by the program, and the arrow heads of the selected lines.

namespace {

// The ready-made line: a 200 x 200 diagonal down to the right, grey, 10 wide, arrow head at its begin.
constexpr int kReadyLineSpan = 200;
constexpr int kReadyLineWidth = 10;
const QString kReadyLineColor = QStringLiteral("555555");

GraphicList selectedLines(const GraphicList& selection)
{
    GraphicList lines;
    for (const std::shared_ptr<SKTGraphic>& graphic : selection) {
        if (GraphicClasses::isKindOfClass(*graphic, GraphicClasses::line))
            lines.append(graphic);
    }
    return lines;
}

enum class End { Begin, End };

bool hasArrow(const SKTGraphic& line, End end)
{
    return end == End::Begin ? line.drawBeginArrow() : line.drawEndArrow();
}

bool someLine(const GraphicList& selection, End end, bool drawn)
{
    const GraphicList lines = selectedLines(selection);
    return std::any_of(lines.cbegin(), lines.cend(),
                       [&](const std::shared_ptr<SKTGraphic>& line) { return hasArrow(*line, end) == drawn; });
}

void setArrows(const GraphicList& selection, End end, bool drawn)
{
    for (const std::shared_ptr<SKTGraphic>& line : selectedLines(selection)) {
        if (end == End::Begin)
            line->setDrawBeginArrow(drawn);
        else
            line->setDrawEndArrow(drawn);
    }
}

} // namespace

void SKTGraphicView::addTrueLine(const QPointF& begin, const QPointF& end, const QString& colorString,
                                 const QString& style, int width, const QString& beginArrow,
                                 const QString& endArrow, int groupNumber)
{
    const GraphicPropertyDictionary properties = {
        {QStringLiteral("beginPoint"), Format::point(begin)},
        {QStringLiteral("endPoint"), Format::point(end)},
        {QStringLiteral("opacity"), Format::decimal(1.0)},
        {QStringLiteral("borderWidth"), Format::decimal(width)},
        {QStringLiteral("slideShowNumber"), QStringLiteral("-99")},
        {QStringLiteral("groupNumber"), Format::integer(groupNumber)},
        {QStringLiteral("borderColor"),
         GraphicProperties::archivedColor(DataCentre::colorWithHexString(colorString))},
        {QStringLiteral("borderHexColorString"), colorString},
        {QStringLiteral("borderStyle"), style},
        {QStringLiteral("drawBeginArrow"), beginArrow},
        {QStringLiteral("drawEndArrow"), endArrow},
    };
    auto line = std::make_shared<SKTLine>();
    line->initWithProperties(properties);
    mutableGraphics().insertGraphics({line}, {0});
}

namespace {

void addReadyLine(SKTGraphicView& canvas, const QString& style)
{
    const QPointF origin = canvas.calculateOriginPoint();
    const int x = int(origin.x());
    const int y = int(origin.y());
    canvas.addTrueLine(QPointF(x, y), QPointF(x + kReadyLineSpan, y + kReadyLineSpan), kReadyLineColor, style,
                       kReadyLineWidth, QStringLiteral("1"), QStringLiteral("0"), -99);
}

} // namespace

void SKTGraphicView::addLine()
{
    addReadyLine(*this, QStringLiteral("solid"));
}

void SKTGraphicView::addLineDashed()
{
    addReadyLine(*this, QStringLiteral("dashed"));
}

void SKTGraphicView::addLineDotted()
{
    addReadyLine(*this, QStringLiteral("dotted"));
}

bool SKTGraphicView::showDrawStartArrow() const
{
    return someLine(selectedGraphics(), End::Begin, false);
}

bool SKTGraphicView::showHideStartArrow() const
{
    return someLine(selectedGraphics(), End::Begin, true);
}

bool SKTGraphicView::showDrawEndArrow() const
{
    return someLine(selectedGraphics(), End::End, false);
}

bool SKTGraphicView::showHideEndArrow() const
{
    return someLine(selectedGraphics(), End::End, true);
}

bool SKTGraphicView::arrowOptionsShown() const
{
    const GraphicList selection = selectedGraphics();
    return !selection.isEmpty() && selectedLines(selection).size() == selection.size();
}

// The arrow switches change the lines directly: like the other per-object switches they are no undo step.
void SKTGraphicView::drawStartArrow()
{
    setArrows(selectedGraphics(), End::Begin, true);
}

void SKTGraphicView::hideStartArrow()
{
    setArrows(selectedGraphics(), End::Begin, false);
}

void SKTGraphicView::drawEndArrow()
{
    setArrows(selectedGraphics(), End::End, true);
}

void SKTGraphicView::hideEndArrow()
{
    setArrows(selectedGraphics(), End::End, false);
}

void SKTGraphicView::showArrowOptions() {}
