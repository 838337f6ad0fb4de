#include "ModelTestSupport.h"

#include "model/PlainGraphicContext.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

#include <functional>

namespace {

// How many times each key was announced.
QHash<QString, int> announcedKeys(const QSignalSpy& spy)
{
    QHash<QString, int> counts;
    for (const QList<QVariant>& arguments : spy)
        ++counts[arguments.at(0).toString()];
    return counts;
}

TEST(SKTGraphicTest, StartsFromTheInitialValues)
{
    const SKTGraphic g;
    const struct {
        const char* field;
        QVariant actual, expected;
    } cases[] = {
        {"bounds", g.bounds(), QRectF()},
        {"isDrawingFill", g.isDrawingFill(), false},
        {"fillColor", g.fillColor(), QColor(Qt::transparent)},
        {"isDrawingStroke", g.isDrawingStroke(), true},
        {"strokeColor valid", g.strokeColor().isValid(), false},
        {"strokeWidth", g.strokeWidth(), 1.0},
        {"opacity", g.opacity(), 1.0},
        {"borderStyle", g.borderStyle(), QStringLiteral("none")},
        {"linkOption", g.linkOption(), QStringLiteral("_self")},
        {"linkType", g.linkType(), QStringLiteral("text")},
        {"fillColorIndex", g.fillColorIndex(), -99},
        {"fontAlignment", g.fontAlignment(), 0},
        {"cornerRadius", g.cornerRadius(), 0.0},
        {"shadowFlag", g.shadowFlag(), 0},
        {"fontSize", g.fontSize(), 0},
        {"borderWidth", g.borderWidth(), 0},
        {"groupNumber", g.groupNumber(), 0},
        {"sectionNumber", g.sectionNumber(), 0},
        {"sectionRowSpot", g.sectionRowSpot(), 0},
        {"sectionColumnSpot", g.sectionColumnSpot(), 0},
        {"formOptionTag", g.formOptionTag(), 0},
        {"lineSpacing", g.lineSpacing(), 0.0f},
        {"selectable", g.selectable(), false},
        {"link is none", g.link().isNull(), true},
        {"templateName is none", g.templateName().isNull(), true},
        {"fontColor valid", g.fontColor().isValid(), false},
        {"textString is none", g.textString().isNull(), true},
        {"className", g.className(), QStringLiteral("SKTGraphic")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.actual, c.expected) << c.field;
}

TEST(SKTGraphicTest, SetWidthGoesThroughTheKindsSetBoundsAndNotifiesEachViewOnce)
{
    TestShape g;
    g.setBounds(QRectF(10, 20, 50, 40));
    g.setBoundsCalls = 0;
    QSignalSpy spy(&g, &SKTGraphic::valueChanged);

    g.setWidth(120);

    EXPECT_EQ(g.bounds(), QRectF(10, 20, 120, 40));
    EXPECT_EQ(g.setBoundsCalls, 1);
    const QHash<QString, int> counts = announcedKeys(spy);
    for (const char* key : {"width", "xPosition", "yPosition", "height", "bounds", "drawingBounds"})
        EXPECT_EQ(counts.value(QString::fromLatin1(key)), 1) << key;
    EXPECT_EQ(counts.size(), 6);
}

TEST(SKTGraphicTest, EachViewReplacesOnlyItsOwnMember)
{
    const struct {
        std::function<void(SKTGraphic&)> set;
        QRectF expected;
    } cases[] = {
        {[](SKTGraphic& g) { g.setXPosition(-5); }, QRectF(-5, 20, 50, 40)},
        {[](SKTGraphic& g) { g.setYPosition(7.5); }, QRectF(10, 7.5, 50, 40)},
        {[](SKTGraphic& g) { g.setWidth(0); }, QRectF(10, 20, 0, 40)},
        {[](SKTGraphic& g) { g.setHeight(99); }, QRectF(10, 20, 50, 99)},
    };
    for (const auto& c : cases) {
        TestShape g;
        g.setBounds(QRectF(10, 20, 50, 40));
        c.set(g);
        EXPECT_EQ(g.bounds(), c.expected);
        EXPECT_EQ(g.xPosition(), c.expected.x());
        EXPECT_EQ(g.yPosition(), c.expected.y());
        EXPECT_EQ(g.width(), c.expected.width());
        EXPECT_EQ(g.height(), c.expected.height());
        EXPECT_EQ(g.setBoundsCalls, 2);
    }
}

TEST(SKTGraphicTest, SettersAnnounceTheirKeyAndTheKeysThatDependOnIt)
{
    const struct {
        std::function<void(SKTGraphic&)> set;
        QSet<QString> keys;
    } cases[] = {
        {[](SKTGraphic& g) { g.setStrokeWidth(3); }, {"strokeWidth", "drawingBounds"}},
        {[](SKTGraphic& g) { g.setCornerRadius(4); }, {"cornerRadius", "drawingBounds"}},
        {[](SKTGraphic& g) { g.setDrawingFill(true); }, {"drawingFill", "drawingContents"}},
        {[](SKTGraphic& g) { g.setFillColor(Qt::red); }, {"fillColor", "drawingContents"}},
        {[](SKTGraphic& g) { g.setDrawingStroke(false); }, {"drawingStroke", "drawingContents"}},
        {[](SKTGraphic& g) { g.setStrokeColor(Qt::blue); }, {"strokeColor", "drawingContents"}},
        {[](SKTGraphic& g) { g.setFontColor(Qt::green); }, {"fontColor", "drawingContents"}},
        {[](SKTGraphic& g) { g.setGroupNumber(-98); }, {"groupNumber"}},
        {[](SKTGraphic& g) { g.setOpacity(0.5); }, {"opacity"}},
        {[](SKTGraphic& g) { g.setTopPaddingLevelString("Small"); }, {"topPaddingLevelString"}},
    };
    for (const auto& c : cases) {
        SKTGraphic g;
        QSignalSpy spy(&g, &SKTGraphic::valueChanged);
        c.set(g);
        const QHash<QString, int> counts = announcedKeys(spy);
        EXPECT_EQ(QSet<QString>(counts.keyBegin(), counts.keyEnd()), c.keys) << qPrintable(*c.keys.begin());
        EXPECT_EQ(spy.count(), c.keys.size());
    }
}

TEST(SKTGraphicTest, ASetOfTheValueHeldIsSilentButForTheBounds)
{
    const struct {
        const char* name;
        std::function<void(SKTGraphic&)> set;
        QSet<QString> keys;
    } cases[] = {
        {"same opacity", [](SKTGraphic& g) { g.setOpacity(1.0); }, {}},
        {"same colour", [](SKTGraphic& g) { g.setFillColor(Qt::transparent); }, {}},
        {"still no link", [](SKTGraphic& g) { g.setLink(QString()); }, {}},
        {"an empty link is not none", [](SKTGraphic& g) { g.setLink(QStringLiteral("")); }, {"link"}},
        {"a tiny move is a move", [](SKTGraphic& g) { g.setBeginPoint(QPointF(0, 1e-9)); }, {"beginPoint"}},
        {"the bounds again ask for a redraw",
         [](SKTGraphic& g) { g.setBounds(g.bounds()); },
         {"bounds", "xPosition", "yPosition", "width", "height", "drawingBounds"}},
    };
    for (const auto& c : cases) {
        SKTGraphic g;
        QSignalSpy spy(&g, &SKTGraphic::valueChanged);
        c.set(g);
        const QHash<QString, int> counts = announcedKeys(spy);
        EXPECT_EQ(QSet<QString>(counts.keyBegin(), counts.keyEnd()), c.keys) << c.name;
    }
}

TEST(SKTGraphicTest, KindsExtendWhatRedrawsTheContents)
{
    TestShape g;
    QSignalSpy spy(&g, &SKTGraphic::valueChanged);
    g.setOpacity(0.5);
    EXPECT_EQ(announcedKeys(spy).value(QStringLiteral("drawingContents")), 1);
}

TEST(SKTGraphicTest, CopyKeepsTheKindAndOnlyTheCoreDrawingState)
{
    TestShape source;
    source.setBounds(QRectF(1, 2, 3, 4));
    source.setDrawingFill(true);
    source.setFillColor(QColor(10, 20, 30));
    source.setDrawingStroke(false);
    source.setStrokeColor(QColor(40, 50, 60));
    source.setStrokeWidth(2.5);
    source.setLink("page2.html");
    source.setTopPadding(20);
    source.setGroupNumber(-97);
    source.setOpacity(0.3);

    const std::shared_ptr<SKTGraphic> copy = source.copy();
    ASSERT_NE(dynamic_cast<TestShape*>(copy.get()), nullptr);
    EXPECT_NE(copy.get(), &source);
    EXPECT_EQ(copy->bounds(), source.bounds());
    EXPECT_TRUE(copy->isDrawingFill());
    EXPECT_EQ(copy->fillColor(), QColor(10, 20, 30));
    EXPECT_FALSE(copy->isDrawingStroke());
    EXPECT_EQ(copy->strokeColor(), QColor(40, 50, 60));
    EXPECT_EQ(copy->strokeWidth(), 2.5);
    EXPECT_TRUE(copy->link().isNull());
    EXPECT_EQ(copy->topPadding(), 0);
    EXPECT_EQ(copy->groupNumber(), 0);
    EXPECT_EQ(copy->opacity(), 1.0);

    const SKTGraphic base;
    EXPECT_EQ(base.copy()->className(), QStringLiteral("SKTGraphic"));
}

TEST(SKTGraphicTest, UndoNamesComeFromTheUndoStringsTable)
{
    const SKTGraphic g;
    const struct {
        const char* key;
        const char* name;
    } cases[] = {
        {"drawingFill", "Filling"},      {"fillColor", "Fill Color"},     {"drawingStroke", "Stroking"},
        {"strokeColor", "Stroke Color"}, {"strokeWidth", "Stroke Width"}, {"bounds", "Bounds"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(g.presentablePropertyNameForKey(QString::fromLatin1(c.key)), QString::fromLatin1(c.name))
            << c.key;
    for (const char* key : {"xPosition", "width", "opacity", "groupNumber", ""})
        EXPECT_TRUE(g.presentablePropertyNameForKey(QString::fromLatin1(key)).isNull()) << key;

    ScopedResources resources;
    resources.writeStringsTable(QStringLiteral("UndoStrings"), R"({"Stroke Width": "Strichstärke"})");
    EXPECT_EQ(g.presentablePropertyNameForKey(QStringLiteral("strokeWidth")), QStringLiteral("Strichstärke"));
    EXPECT_EQ(g.presentablePropertyNameForKey(QStringLiteral("bounds")), QStringLiteral("Bounds"));
}

TEST(SKTGraphicTest, QuestionsToTheDocumentWindowGoToTheCurrentContext)
{
    const SKTGraphic g;
    EXPECT_TRUE(g.getNextImageName().isNull());
    EXPECT_TRUE(g.getCurrentDocPath().isNull());
    EXPECT_EQ(g.getLastTouchPoint(), QPointF());

    ScopedContext<PlainGraphicContext> context;
    context.setNextImageName("image7");
    context.setCurrentDocPath("/work/site/index");
    context.setLastTouchPoint(QPointF(12, 34));
    EXPECT_EQ(g.getNextImageName(), QStringLiteral("image7"));
    EXPECT_EQ(g.getCurrentDocPath(), QStringLiteral("/work/site/index"));
    EXPECT_EQ(g.getLastTouchPoint(), QPointF(12, 34));
}

TEST(SKTGraphicTest, DescriptionPrintsThePropertyDictionary)
{
    SKTGraphic g;
    g.setBounds(QRectF(1, 2, 3, 4));
    g.setLink("a b");
    const QString text = g.description();
    EXPECT_TRUE(text.contains(QStringLiteral("bounds = \"{{1, 2}, {3, 4}}\";"))) << qPrintable(text);
    EXPECT_TRUE(text.contains(QStringLiteral("link = \"a b\";"))) << qPrintable(text);
    EXPECT_TRUE(text.contains(QStringLiteral("linkOption = _self;"))) << qPrintable(text);
}

} // namespace
