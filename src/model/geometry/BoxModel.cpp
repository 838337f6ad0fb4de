#include "model/geometry/BoxModel.h"

#include "model/GraphicContext.h"
#include "model/SKTGraphic.h"

#include <array>

namespace BoxModel {

namespace {

struct Level {
    const char* name;
    int topOrBottom; // points
    int leftOrRight; // percent
};

constexpr std::array<Level, 7> kLevels{{
    {"None", 0, 0},
    {"Tiny", 10, 2},
    {"Small", 20, 5},
    {"Medium", 30, 10},
    {"Large", 50, 15},
    {"XL", 75, 20},
    {"XXL", 100, 30},
}};

} // namespace

const QStringList& levelNames()
{
    static const QStringList names = [] {
        QStringList list;
        for (const Level& level : kLevels)
            list << QString::fromLatin1(level.name);
        return list;
    }();
    return names;
}

std::optional<int> levelValue(const QString& level, bool topOrBottomSide)
{
    for (const Level& entry : kLevels) {
        if (level == QLatin1String(entry.name))
            return topOrBottomSide ? entry.topOrBottom : entry.leftOrRight;
    }
    return std::nullopt;
}

} // namespace BoxModel

namespace {

using G = SKTGraphic;

// One of the eight padding and margin values with its unit, level and value in points.
struct Side {
    int (G::*value)() const;
    void (G::*setValue)(int);
    QString (G::*unit)() const;
    void (G::*setUnit)(QString);
    QString (G::*level)() const;
    float (G::*inPx)() const;
    void (G::*setInPx)(float);
    bool topOrBottom;
};

// In the order the levels are applied: margins before paddings; top, bottom, right, left.
const std::array<Side, 8>& sides()
{
    static const std::array<Side, 8> table{{
        {&G::topMargin, &G::setTopMargin, &G::topMarginType, &G::setTopMarginType, &G::topMarginLevelString,
         &G::topMarginInPx, &G::setTopMarginInPx, true},
        {&G::bottomMargin, &G::setBottomMargin, &G::bottomMarginType, &G::setBottomMarginType,
         &G::bottomMarginLevelString, &G::bottomMarginInPx, &G::setBottomMarginInPx, true},
        {&G::rightMargin, &G::setRightMargin, &G::rightMarginType, &G::setRightMarginType,
         &G::rightMarginLevelString, &G::rightMarginInPx, &G::setRightMarginInPx, false},
        {&G::leftMargin, &G::setLeftMargin, &G::leftMarginType, &G::setLeftMarginType,
         &G::leftMarginLevelString, &G::leftMarginInPx, &G::setLeftMarginInPx, false},
        {&G::topPadding, &G::setTopPadding, &G::topPaddingType, &G::setTopPaddingType,
         &G::topPaddingLevelString, &G::topPaddingInPx, &G::setTopPaddingInPx, true},
        {&G::bottomPadding, &G::setBottomPadding, &G::bottomPaddingType, &G::setBottomPaddingType,
         &G::bottomPaddingLevelString, &G::bottomPaddingInPx, &G::setBottomPaddingInPx, true},
        {&G::rightPadding, &G::setRightPadding, &G::rightPaddingType, &G::setRightPaddingType,
         &G::rightPaddingLevelString, &G::rightPaddingInPx, &G::setRightPaddingInPx, false},
        {&G::leftPadding, &G::setLeftPadding, &G::leftPaddingType, &G::setLeftPaddingType,
         &G::leftPaddingLevelString, &G::leftPaddingInPx, &G::setLeftPaddingInPx, false},
    }};
    return table;
}

// The box values are caches rewritten at every drawing; observers hear only of real changes.
template <class T> void store(G& g, T (G::*get)() const, void (G::*set)(T), const T& value)
{
    if ((g.*get)() != value)
        (g.*set)(value);
}

// Each value in points: a percentage is of the height for the top and bottom, of the width for the sides.
void storePointValues(G& g)
{
    const QRectF b = g.bounds();
    for (const Side& side : sides()) {
        const int value = (g.*side.value)();
        double points = value;
        if ((g.*side.unit)() == BoxModel::kPercentUnit)
            points = value / 100.0 * (side.topOrBottom ? b.height() : b.width());
        store(g, side.inPx, side.setInPx, float(points));
    }
}

} // namespace

void SKTGraphic::drawBoxModel()
{
    storePointValues(*this);
    const QRectF b = bounds();
    const double bw = borderWidth();
    const double halfBorder = borderWidth() / 2; // whole points, as the border is drawn
    const double lm = leftMarginInPx(), rm = rightMarginInPx(), tm = topMarginInPx(), bm = bottomMarginInPx();
    const double lp = leftPaddingInPx(), rp = rightPaddingInPx(), tp = topPaddingInPx(),
                 bp = bottomPaddingInPx();

    store<QRectF>(*this, &G::drawRect, &G::setDrawRect,
                  QRectF(b.x() + halfBorder, b.y() + halfBorder, b.width() - bw, b.height() - bw));
    store<QRectF>(*this, &G::noMarginRect, &G::setNoMarginRect,
                  QRectF(b.x() + lm, b.y() + tm, b.width() - rm - lm, b.height() - tm - bm));
    store<QRectF>(*this, &G::noMarginNoBorderRect, &G::setNoMarginNoBorderRect,
                  QRectF(b.x() + lm + bw, b.y() + tm + bw, b.width() - rm - lm - 2 * bw,
                         b.height() - tm - bm - 2 * bw));
    store<QRectF>(*this, &G::noPaddingNoMarginRect, &G::setNoPaddingNoMarginRect,
                  QRectF(b.x() + lm + lp, b.y() + tm + tp, b.width() - rm - lm - rp - lp,
                         b.height() - tm - bm - tp - bp));
    store<QRectF>(*this, &G::contentRect, &G::setContentRect,
                  QRectF(b.x() + lm + lp + bw, b.y() + tm + tp + bw, b.width() - lm - lp - rm - rp - 2 * bw,
                         b.height() - tm - tp - bm - bp - 2 * bw));
}

void SKTGraphic::applyPaddingAndMargin()
{
    // The content height is what the new levels are built around; take it from the box as it stands now,
    // not from whatever was drawn last.
    drawBoxModel();
    const double contentHeight = contentRect().height();

    for (const Side& side : sides()) {
        const std::optional<int> value = BoxModel::levelValue((this->*side.level)(), side.topOrBottom);
        if (!value)
            continue;
        (this->*side.setValue)(*value);
        (this->*side.setUnit)(side.topOrBottom ? BoxModel::kPixelUnit : BoxModel::kPercentUnit);
    }
    storePointValues(*this);

    // The border is part of the box: leaving it out would shrink the box at every application of the same
    // levels.
    const QRectF b = bounds();
    const double height = topMarginInPx() + topPaddingInPx() + contentHeight + bottomMarginInPx() +
                          bottomPaddingInPx() + 2.0 * borderWidth();
    const int growth = int((b.y() + height) - (b.y() + b.height()));
    GraphicContext* context = graphicContext();
    if (growth > 0 && isSectionContainer() && context)
        context->identifyAndPushSectionsDownwardByDifference(QRectF(b.x(), b.bottom(), b.width(), growth));
    setBounds(QRectF(b.x(), b.y(), b.width(), height));
}
