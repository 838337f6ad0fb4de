#include "GeometryTestSupport.h"
#include "ModelTestSupport.h"

#include "model/GraphicKinds.h"
#include "model/SKTLine.h"
#include "model/drawing/BezierPath.h"
#include "model/drawing/DrawingView.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QSignalSpy>

namespace {

std::shared_ptr<SKTLine> lineFrom(const QPointF& begin, const QPointF& end, int width = 1,
                                  const QString& style = QStringLiteral("solid"))
{
    auto line = std::make_shared<SKTLine>();
    bool right = false, down = false;
    line->setBounds(SKTLine::boundsWithBeginPoint(begin, end, &right, &down));
    line->setPointsRight(right);
    line->setPointsDown(down);
    line->setBorderWidth(width);
    line->setBorderStyle(style);
    line->setBorderColor(Qt::blue);
    line->setSelectable(true);
    return line;
}

TEST(SKTLineTest, EndPointsAreDerivedFromTheBoundsAndTwoFlags)
{
    bool right = false, down = true;
    EXPECT_EQ(SKTLine::boundsWithBeginPoint({10, 40}, {60, 20}, &right, &down), QRectF(10, 20, 50, 20));
    EXPECT_TRUE(right);
    EXPECT_FALSE(down);
    EXPECT_EQ(SKTLine::boundsWithBeginPoint({10, 40}, {60, 20}), QRectF(10, 20, 50, 20));

    auto line = lineFrom({10, 40}, {60, 20});
    EXPECT_EQ(line->beginPoint(), QPointF(10, 40));
    EXPECT_EQ(line->endPoint(), QPointF(60, 20));

    line->setEndPoint({0, 50});
    EXPECT_EQ(line->bounds(), QRectF(0, 40, 10, 10));
    EXPECT_FALSE(line->pointsRight());
    EXPECT_TRUE(line->pointsDown());
    EXPECT_EQ(line->beginPoint(), QPointF(10, 40));
    EXPECT_EQ(line->endPoint(), QPointF(0, 50));

    line->setBeginPoint({-5, 70});
    EXPECT_EQ(line->bounds(), QRectF(-5, 50, 5, 20));
    EXPECT_EQ(line->beginPoint(), QPointF(-5, 70));
    EXPECT_EQ(line->endPoint(), QPointF(0, 50));
}

TEST(SKTLineTest, AChangeOfBoundsAnnouncesBothEndPoints)
{
    auto line = lineFrom({0, 0}, {10, 10});
    QSignalSpy spy(line.get(), &SKTGraphic::valueChanged);
    line->setEndPoint({20, 20});
    QStringList keys;
    for (const QList<QVariant>& arguments : spy)
        keys << arguments.at(0).toString();
    for (const char* key : {"bounds", "beginPoint", "endPoint", "drawingBounds"})
        EXPECT_TRUE(keys.contains(QString::fromLatin1(key))) << key;
}

TEST(SKTLineTest, HandlesAreTheTwoEndPoints)
{
    ScopedProfile profile;
    auto line = lineFrom({10, 40}, {60, 20});
    EXPECT_EQ(line->handleUnderPoint({12, 38}), 1);
    EXPECT_EQ(line->handleUnderPoint({58, 22}), 2);
    EXPECT_EQ(line->handleUnderPoint({35, 30}), 0);
    EXPECT_EQ(line->handleUnderPoint({10, 20}), 0) << "a corner of the bounds is no handle";

    EXPECT_EQ(line->resizeByMovingHandle(2, {0, 50}), 2);
    EXPECT_EQ(line->bounds(), QRectF(0, 40, 10, 10));
    EXPECT_EQ(line->resizeByMovingHandle(1, {30, 30}), 1);
    EXPECT_EQ(line->beginPoint(), QPointF(30, 30));
    EXPECT_EQ(line->resizeByMovingHandle(8, {99, 99}), 8);
    EXPECT_EQ(line->beginPoint(), QPointF(30, 30));
    EXPECT_EQ(line->endPoint(), QPointF(0, 50));
    EXPECT_FALSE(line->canMakeNaturalSize());
    EXPECT_EQ(SKTLine::creationSizingHandle(), 2);
    EXPECT_EQ(SKTGraphic::creationSizingHandle(), 8);
}

TEST(SKTLineTest, HitTestMeasuresTheVerticalDistanceWithinTheGrownBounds)
{
    const struct {
        const char* name;
        QPointF begin, end;
        int width;
        QPointF click;
        bool hit;
    } cases[] = {
        {"diagonal, 9 off", {0, 0}, {100, 100}, 1, {50, 59}, true},
        {"diagonal, 11 off", {0, 0}, {100, 100}, 1, {50, 61}, false},
        {"horizontal, within the width", {0, 100}, {200, 100}, 1, {100, 100.5}, true},
        {"horizontal, past the width", {0, 100}, {200, 100}, 1, {100, 101.5}, false},
        {"vertical", {50, 0}, {50, 100}, 2, {51, 50}, true},
        {"vertical, past the width", {50, 0}, {50, 100}, 2, {53, 50}, false},
        {"thick line, 10.9 off", {0, 0}, {100, 100}, 10, {50, 60.9}, true},
        {"thick line, 11.1 off", {0, 0}, {100, 100}, 10, {50, 61.1}, false},
        {"outside the bounds", {0, 0}, {100, 100}, 1, {102, 102}, false},
    };
    for (const auto& c : cases) {
        auto line = lineFrom(c.begin, c.end, c.width);
        EXPECT_EQ(line->isContentsUnderPoint(c.click), c.hit) << c.name;
    }
}

TEST(SKTLineTest, AClickHandsTheColoursToTheInspectorButTheHitTestAloneDoesNot)
{
    RecordingContext context;
    auto line = lineFrom({0, 0}, {100, 100});
    line->setBorderHexColorString(QStringLiteral("FF0000"));
    line->setTextHexColorString(QStringLiteral("CLEAR0"));
    const QString background = line->backgroundHexColorString();
    EXPECT_TRUE(line->isContentsUnderPoint({50, 50}));
    EXPECT_TRUE(context.requests.isEmpty());
    EXPECT_EQ(context.selectedBorderColor(), QColor());
    EXPECT_EQ(line->backgroundHexColorString(), background);

    line->contentsClickedAtPoint({50, 50});
    EXPECT_EQ(context.selectedBorderColor(), QColor(255, 0, 0));
    EXPECT_EQ(context.selectedTextColor(), QColor(Qt::transparent));
    EXPECT_EQ(line->backgroundHexColorString(), QStringLiteral("CLEAR0"));
    EXPECT_EQ(context.requests,
              (QStringList{QStringLiteral("refreshColorButtons"), QStringLiteral("refreshInspectorPanel")}));
}

TEST(SKTLineTest, ADashedOrDottedLineOfNoWidthBecomesOneWide)
{
    const struct {
        const char* style;
        int width;
        int widthAfter;
        double lineWidth;
    } cases[] = {
        {"dotted", 0, 1, 1},
        {"dashed", 0, 1, 1},
        {"solid", 0, 0, 0},
        {"dashed", 3, 3, 3},
        {"none", 0, 0, BezierPath::kDefaultLineWidth},
    };
    for (const auto& c : cases) {
        auto line = lineFrom({0, 0}, {50, 0}, c.width, QString::fromLatin1(c.style));
        const BezierPath path = line->bezierPathForDrawing();
        EXPECT_EQ(line->borderWidth(), c.widthAfter) << c.style;
        EXPECT_EQ(path.lineWidth, c.lineWidth) << c.style;
    }
}

TEST(SKTLineTest, PropertiesCarryPointsInsteadOfBoundsAndSurviveThePasteboard)
{
    auto line = lineFrom({10, 40}, {60, 20}, 3, QStringLiteral("dotted"));
    line->setDrawEndArrow(true);
    const GraphicPropertyDictionary properties = line->properties();
    EXPECT_FALSE(properties.contains(QStringLiteral("bounds")));
    EXPECT_EQ(properties.value(QStringLiteral("beginPoint")), QStringLiteral("{10, 40}"));
    EXPECT_EQ(properties.value(QStringLiteral("endPoint")), QStringLiteral("{60, 20}"));
    EXPECT_EQ(properties.value(QStringLiteral("drawBeginArrow")), QStringLiteral("0"));
    EXPECT_EQ(properties.value(QStringLiteral("drawEndArrow")), QStringLiteral("1"));

    const auto pasted =
        SKTGraphic::graphicsWithPasteboardData(SKTGraphic::pasteboardDataWithGraphics({line}));
    ASSERT_TRUE(pasted.has_value());
    ASSERT_EQ(pasted->size(), 1);
    auto* copy = dynamic_cast<SKTLine*>(pasted->first().get());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->bounds(), QRectF(10, 20, 50, 20));
    EXPECT_EQ(copy->beginPoint(), QPointF(10, 40));
    EXPECT_EQ(copy->endPoint(), QPointF(60, 20));
    EXPECT_FALSE(copy->drawBeginArrow());
    EXPECT_TRUE(copy->drawEndArrow());
    EXPECT_EQ(copy->borderWidth(), 3);
    EXPECT_EQ(copy->borderStyle(), QStringLiteral("dotted"));
}

TEST(SKTLineTest, ADictionaryWithoutPointsGivesALineOfNoLengthAtTheOrigin)
{
    const struct {
        const char* name;
        GraphicPropertyDictionary properties;
        QRectF bounds;
        int width;
    } cases[] = {
        {"nothing", {}, QRectF(), 0},
        {"points that are not text",
         {{QStringLiteral("beginPoint"), 5}, {QStringLiteral("endPoint"), QVariantList{1, 2}}},
         QRectF(),
         0},
        // A dashed line read from a page gets its width at once.
        {"dashed of no width",
         {{QStringLiteral("beginPoint"), QStringLiteral("{1, 2}")},
          {QStringLiteral("endPoint"), QStringLiteral("{11, 2}")},
          {QStringLiteral("borderStyle"), QStringLiteral("dashed")}},
         QRectF(1, 2, 10, 0),
         1},
    };
    for (const auto& c : cases) {
        auto line = GraphicKinds::make(QStringLiteral("SKTLine"));
        ASSERT_TRUE(line->initWithProperties(c.properties)) << c.name;
        EXPECT_EQ(line->bounds(), c.bounds) << c.name;
        EXPECT_EQ(line->borderWidth(), c.width) << c.name;
        EXPECT_FALSE(line->drawBeginArrow()) << c.name;
    }
}

TEST(SKTLineTest, ACopyKeepsTheDirection)
{
    auto line = lineFrom({60, 20}, {10, 40});
    const auto copy = std::dynamic_pointer_cast<SKTLine>(line->copy());
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->beginPoint(), QPointF(60, 20));
    EXPECT_EQ(copy->endPoint(), QPointF(10, 40));
}

TEST(SKTLineTest, UndoWatchesTheEndPointsAndNamesThemFromTheStringsTable)
{
    const SKTLine line;
    const QSet<QString> undoKeys = line.keysForValuesToObserveForUndo();
    EXPECT_FALSE(undoKeys.contains(QStringLiteral("bounds")));
    EXPECT_TRUE(undoKeys.contains(QStringLiteral("beginPoint")));
    EXPECT_TRUE(undoKeys.contains(QStringLiteral("endPoint")));
    EXPECT_TRUE(undoKeys.contains(QStringLiteral("strokeWidth")));
    for (const char* key :
         {"opacity", "borderWidth", "borderStyle", "borderColor", "drawEndArrow", "fillColor"})
        EXPECT_TRUE(line.keyPathsForValuesAffectingDrawingContents().contains(QString::fromLatin1(key)))
            << key;

    ScopedResources resources;
    resources.writeStringsTable(QStringLiteral("UndoStrings"), R"({"Beginpoint": "Start"})");
    EXPECT_EQ(line.presentablePropertyNameForKey(QStringLiteral("beginPoint")), QStringLiteral("Start"));
    EXPECT_EQ(line.presentablePropertyNameForKey(QStringLiteral("endPoint")), QStringLiteral("Endpoint"));
    EXPECT_EQ(line.presentablePropertyNameForKey(QStringLiteral("bounds")), QStringLiteral("Bounds"));
    EXPECT_TRUE(line.presentablePropertyNameForKey(QStringLiteral("opacity")).isNull());
}

TEST(SKTLineTest, DistanceAndAngles)
{
    EXPECT_FLOAT_EQ(SKTLine::distance({0, 0}, {3, 4}), 5.0f);
    EXPECT_DOUBLE_EQ(SKTLine::DegreesToRadians(180), M_PI);
    EXPECT_DOUBLE_EQ(SKTLine::RadiansToDegrees(M_PI / 2), 90);
}

// Draws the line into a white image and answers it.
QImage drawnLine(SKTLine& line, bool beingEdited = false)
{
    QImage image = whiteImage(100, 100);
    QPainter painter(&image);
    DrawingView view(painter);
    line.drawContentsInView(view, beingEdited);
    return image;
}

TEST(SKTLineTest, TheStrokeStopsShortOfAnArrowHeadWhichIsFilled)
{
    auto line = lineFrom({10, 50}, {90, 50}, 6);
    line->setBorderColor(Qt::black);
    line->setDrawEndArrow(true);
    const QImage withArrow = drawnLine(*line);
    EXPECT_EQ(withArrow.pixel(50, 50), qRgb(0, 0, 0)) << "the stroke";
    EXPECT_EQ(withArrow.pixel(88, 50), qRgb(0, 0, 0)) << "inside the arrow head near its tip";
    // The head is 2 x 6 on each side at 45 degrees: it reaches about 8.5 above and below the line.
    EXPECT_EQ(withArrow.pixel(84, 46), qRgb(0, 0, 0)) << "a wing of the arrow head";
    EXPECT_TRUE(isWhite(withArrow, 92, 50)) << "past the tip";

    // A style of no name strokes nothing but still fills its heads.
    line->setBorderStyle(QStringLiteral("double"));
    const QImage headsOnly = drawnLine(*line);
    EXPECT_TRUE(isWhite(headsOnly, 50, 50));
    EXPECT_EQ(headsOnly.pixel(88, 50), qRgb(0, 0, 0));
}

TEST(SKTLineTest, OpacityAndDashesShowInTheDrawing)
{
    auto line = lineFrom({0, 50}, {100, 50}, 4, QStringLiteral("dashed"));
    line->setBorderColor(Qt::black);
    line->setOpacity(0.5);
    const QImage image = drawnLine(*line);
    // Dashes of 12 on and 12 off, starting one point in.
    int inked = 0, clear = 0;
    for (int x = 0; x < 100; ++x) {
        const int grey = qRed(image.pixel(x, 50));
        if (grey == 255)
            ++clear;
        else if (grey > 100 && grey < 160)
            ++inked;
    }
    EXPECT_GT(inked, 35);
    EXPECT_GT(clear, 35);
}

} // namespace
