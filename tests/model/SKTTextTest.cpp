#include "GeometryTestSupport.h"

#include "model/ColorTarget.h"
#include "model/GraphicKinds.h"
#include "model/SKTText.h"
#include "model/drawing/BezierPath.h"
#include "model/drawing/DrawingView.h"
#include "model/text/SharedTextLayout.h"
#include "model/text/TextEditorFactory.h"
#include "model/text/TextStorage.h"
#include "platform/Format.h"
#include "profile/Palettes.h"
#include "profile/services/HexColor.h"
#include "profile/services/ShapeOutlines.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QWidget>

#include <functional>

namespace {

std::shared_ptr<SKTText> textFrom(GraphicPropertyDictionary properties)
{
    auto text = std::make_shared<SKTText>();
    EXPECT_TRUE(text->initWithProperties(properties));
    return text;
}

GraphicPropertyDictionary boxProperties(const QString& string,
                                        const QRectF& bounds = QRectF(10, 10, 200, 100))
{
    return {{QStringLiteral("textString"), string},
            {QStringLiteral("bounds"), Format::rect(bounds)},
            {QStringLiteral("fontFamily"), QStringLiteral("DejaVu Sans")},
            {QStringLiteral("fontSize"), QStringLiteral("20")},
            {QStringLiteral("fontColor"), QStringLiteral("000000")},
            {QStringLiteral("opacity"), QStringLiteral("1.0")},
            {QStringLiteral("lineSpacing"), QStringLiteral("1.25")}};
}

QImage drawn(SKTText& text, int width = 240, int height = 140, bool beingEdited = false)
{
    QImage image = whiteImage(width, height);
    QPainter painter(&image);
    DrawingView view(painter);
    text.drawContentsInView(view, beingEdited);
    return image;
}

bool isDark(QRgb p)
{
    return qRed(p) < 100 && qGreen(p) < 100 && qBlue(p) < 100;
}

// The rows of the area that hold dark pixels: first and last, -1 when none does.
std::pair<int, int> darkRows(const QImage& image, const QRect& area)
{
    int first = -1, last = -1;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (isDark(image.pixel(x, y))) {
                if (first < 0)
                    first = y;
                last = y;
                break;
            }
        }
    }
    return {first, last};
}

class SKTTextTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        profile->colorPalette = Palettes::standardPalette();
        ColorTarget::setSelectedColorType(ColorTarget::ShapeFill);
    }
    void TearDown() override { ColorTarget::setSelectedColorType(ColorTarget::ShapeFill); }

    ScopedProfile profile;
};

TEST_F(SKTTextTest, IsAKindOfGraphicNamedSKTText)
{
    const auto graphic = GraphicKinds::make(QStringLiteral("SKTText"));
    ASSERT_TRUE(graphic);
    EXPECT_EQ(graphic->className(), QStringLiteral("SKTText"));
    EXPECT_TRUE(graphic->canSetDrawingStroke());
}

TEST_F(SKTTextTest, EmptyTextWritesTheFallbackFontAndDrawsNoGlyphs)
{
    auto text = textFrom(boxProperties(QString()));
    const GraphicPropertyDictionary properties = text->properties();
    EXPECT_EQ(properties.value(QStringLiteral("textString")), QStringLiteral(""));
    EXPECT_EQ(properties.value(QStringLiteral("fontFamily")), QStringLiteral("Helvetica Neue"));
    EXPECT_EQ(properties.value(QStringLiteral("fontAlignment")), QStringLiteral("0"));
    EXPECT_EQ(properties.value(QStringLiteral("fontSize")), QStringLiteral("0.000000"));
    EXPECT_EQ(properties.value(QStringLiteral("slideShowNumber")), QStringLiteral("-99"));

    text->setTextHeight(-1);
    const QImage image = drawn(*text);
    EXPECT_EQ(darkRows(image, QRect(0, 0, 240, 140)).first, -1);
    EXPECT_EQ(text->textHeight(), -1) << "nothing measured";
}

TEST_F(SKTTextTest, TheRequestedFontFamilyIsKeptWhereTheMachineLacksIt)
{
    auto properties = boxProperties(QStringLiteral("Hello"));
    properties.insert(QStringLiteral("fontFamily"), QStringLiteral("Helvetica Neue"));
    properties.insert(QStringLiteral("fontSize"), QStringLiteral("18"));
    auto text = textFrom(properties);
    EXPECT_EQ(text->properties().value(QStringLiteral("fontFamily")), QStringLiteral("Helvetica Neue"));
    EXPECT_EQ(text->properties().value(QStringLiteral("fontSize")), QStringLiteral("18.000000"));
    // It is still drawn, in a font the machine has.
    EXPECT_NE(darkRows(drawn(*text), QRect(0, 0, 240, 140)).first, -1);
}

TEST_F(SKTTextTest, AlignmentTravelsAsTheDictionaryWritesItAndJustifiedReadsBackAsLeft)
{
    const struct {
        const char* loaded;
        Qt::Alignment stored;
        const char* written;
    } cases[] = {{"0", Qt::AlignLeft, "0"},
                 {"1", Qt::AlignHCenter, "1"},
                 {"2", Qt::AlignRight, "2"},
                 {"3", Qt::AlignJustify, "0"},
                 {"7", Qt::AlignJustify, "0"}};
    for (const auto& c : cases) {
        auto properties = boxProperties(QStringLiteral("Some words"));
        properties.insert(QStringLiteral("fontAlignment"), QString::fromLatin1(c.loaded));
        auto text = textFrom(properties);
        EXPECT_EQ(TextStorage::alignmentOfFirstParagraph(text->contents().document()), c.stored) << c.loaded;
        EXPECT_EQ(text->properties().value(QStringLiteral("fontAlignment")), QString::fromLatin1(c.written))
            << c.loaded;
    }
}

TEST_F(SKTTextTest, OwnKeysReadWithDefaultsAndTravelOnThePasteboard)
{
    auto plain = textFrom(boxProperties(QStringLiteral("x")));
    EXPECT_EQ(plain->bubbleShape(), QStringLiteral(""));
    EXPECT_EQ(plain->zoomBubbleFlag(), 0);

    auto properties = boxProperties(QStringLiteral("Line one\nLine two"));
    properties.insert(QStringLiteral("bubbleShape"), QStringLiteral("star"));
    properties.insert(QStringLiteral("zoomBubbleFlag"), QStringLiteral("1"));
    auto text = textFrom(properties);
    const auto pasted =
        SKTGraphic::graphicsWithPasteboardData(SKTGraphic::pasteboardDataWithGraphics({text}));
    ASSERT_TRUE(pasted && pasted->size() == 1);
    auto* copy = qobject_cast<SKTText*>(pasted->first().get());
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->textString(), QStringLiteral("Line one\nLine two"));
    EXPECT_EQ(copy->bubbleShape(), QStringLiteral("star"));
    EXPECT_EQ(copy->zoomBubbleFlag(), 1);
    EXPECT_EQ(copy->properties().value(QStringLiteral("fontSize")), QStringLiteral("20.000000"));
}

TEST_F(SKTTextTest, ADictionaryWithoutTextMakesAnEmptyTextBox)
{
    auto properties = boxProperties(QString());
    properties.remove(QStringLiteral("textString"));
    auto text = textFrom(properties);
    EXPECT_TRUE(text->contents().isEmpty());
}

TEST_F(SKTTextTest, WritingPropertiesGivesATextWithoutLinkTypeTheTypeText)
{
    auto text = textFrom(boxProperties(QStringLiteral("x")));
    text->setLinkType(QString());
    EXPECT_EQ(text->properties().value(QStringLiteral("linkType")), QStringLiteral("text"));
    EXPECT_EQ(text->linkType(), QStringLiteral("text"));
}

TEST_F(SKTTextTest, TheStorageCarriesTheStyleOfTheProperties)
{
    auto properties = boxProperties(QStringLiteral("ab\ncd"));
    properties.insert(QStringLiteral("fontColor"), QStringLiteral("FF0000"));
    properties.insert(QStringLiteral("opacity"), QStringLiteral("0.5"));
    properties.insert(QStringLiteral("lineSpacing"), QStringLiteral("1.5"));
    auto text = textFrom(properties);
    const QTextDocument& document = text->contents().document();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        EXPECT_EQ(block.blockFormat().lineHeightType(), int(QTextBlockFormat::FixedHeight));
        EXPECT_DOUBLE_EQ(block.blockFormat().lineHeight(), 30.0);
        const QColor color = block.begin().fragment().charFormat().foreground().color();
        EXPECT_EQ(color.red(), 255);
        EXPECT_NEAR(color.alphaF(), 0.5, 0.01);
    }

    // No spacing at all leaves each line its natural height.
    text->setLineSpacing(0);
    text->refreshStyle();
    EXPECT_NE(document.begin().blockFormat().lineHeightType(), int(QTextBlockFormat::FixedHeight));
}

TEST_F(SKTTextTest, TheStorageKeepsTheStyleItWasReadInUntilTheStyleIsRefreshed)
{
    auto text = textFrom(boxProperties(QStringLiteral("Read\ntext")));
    // Changed before anything asks for the characters, without a refresh of the style.
    text->setFontSize(31);
    EXPECT_EQ(text->textString(), QStringLiteral("Read\ntext"));
    EXPECT_EQ(TextStorage::fontSize(*TextStorage::fontOfFirstCharacter(text->contents().document())), 20.0);

    // A second dictionary replaces the characters.
    EXPECT_TRUE(text->initWithProperties(boxProperties(QStringLiteral("Again"))));
    EXPECT_EQ(text->textString(), QStringLiteral("Again"));
}

TEST_F(SKTTextTest, RefreshStyleRestylesTheTextAndRedraws)
{
    auto text = textFrom(boxProperties(QStringLiteral("abc")));
    QStringList keys;
    QObject::connect(text.get(), &SKTGraphic::valueChanged, [&](const QString& key) { keys << key; });
    text->setFontSize(31);
    text->setFontFamily(QStringLiteral("PT Sans"));
    keys.clear();
    text->refreshStyle();
    EXPECT_TRUE(keys.contains(QStringLiteral("bounds")));
    EXPECT_EQ(text->properties().value(QStringLiteral("fontSize")), QStringLiteral("31.000000"));
    EXPECT_EQ(text->properties().value(QStringLiteral("fontFamily")), QStringLiteral("PT Sans"));
}

TEST_F(SKTTextTest, UpdateTextStringReplacesTheStorageInTheGraphicsStyle)
{
    auto text = textFrom(boxProperties(QStringLiteral("Dear NAME")));
    const TextStorage* before = &text->contents();
    text->updateTextString(QStringLiteral("Dear Ann"));
    EXPECT_NE(&text->contents(), before);
    EXPECT_EQ(text->textString(), QStringLiteral("Dear Ann"));
    EXPECT_EQ(text->properties().value(QStringLiteral("fontSize")), QStringLiteral("20.000000"));
}

TEST_F(SKTTextTest, ACopyHasTheSameFormattedCharacters)
{
    auto properties = boxProperties(QStringLiteral("Copied\ntext"));
    properties.insert(QStringLiteral("fontAlignment"), QStringLiteral("2"));
    auto text = textFrom(properties);
    const auto copy = std::static_pointer_cast<SKTText>(text->copy());
    EXPECT_EQ(copy->textString(), QStringLiteral("Copied\ntext"));
    EXPECT_EQ(copy->bounds(), text->bounds());
    EXPECT_EQ(TextStorage::alignmentOfFirstParagraph(copy->contents().document()), Qt::AlignRight);
    EXPECT_EQ(TextStorage::fontSize(*TextStorage::fontOfFirstCharacter(copy->contents().document())), 20.0);
    EXPECT_NE(&copy->contents().document(), &text->contents().document());
}

TEST_F(SKTTextTest, EditsRedrawTheBoundsUnseenByTheUndo)
{
    auto text = textFrom(boxProperties(QStringLiteral("abc")));
    QStringList boundsChanges;
    QObject::connect(text.get(), &SKTGraphic::valueChanged, [&](const QString& key) {
        if (key == QLatin1String("bounds"))
            boundsChanges << (text->keysForValuesToObserveForUndo().contains(key) ? "watched" : "unwatched");
    });
    QTextCursor cursor(&text->contents().document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QStringLiteral("def"));
    EXPECT_TRUE(boundsChanges.isEmpty()) << "scheduled, not done at once";
    QCoreApplication::processEvents();
    EXPECT_EQ(boundsChanges, QStringList{QStringLiteral("unwatched")});
    EXPECT_TRUE(text->keysForValuesToObserveForUndo().contains(QStringLiteral("bounds")));
}

TEST_F(SKTTextTest, ScriptedTextChangesAreUndoableUnderTheNameText)
{
    auto text = textFrom(boxProperties(QStringLiteral("before")));
    QStringList seen;
    QObject::connect(text.get(), &SKTGraphic::valueChanged, [&](const QString& key) {
        if (key == SKTGraphic::kUndoKeysKey || key == QLatin1String("undoContents"))
            seen << key + (text->keysForValuesToObserveForUndo().contains(QStringLiteral("undoContents"))
                               ? QStringLiteral("+")
                               : QStringLiteral("-"));
    });
    text->setValueForKey(QStringLiteral("undoContents"), QStringLiteral("after"));
    EXPECT_EQ(text->textString(), QStringLiteral("after"));
    EXPECT_EQ(text->valueForKey(QStringLiteral("undoContents")), QVariant(QStringLiteral("after")));
    EXPECT_EQ(seen, (QStringList{SKTGraphic::kUndoKeysKey + "+", QStringLiteral("undoContents+"),
                                 SKTGraphic::kUndoKeysKey + "-"}));
    EXPECT_EQ(text->presentablePropertyNameForKey(QStringLiteral("undoContents")), QStringLiteral("Text"));
    EXPECT_EQ(text->properties().value(QStringLiteral("fontSize")), QStringLiteral("20.000000"))
        << "style kept";

    // Asking for the contents to script them opens the change until the event loop runs.
    text->scriptingContents();
    EXPECT_TRUE(text->keysForValuesToObserveForUndo().contains(QStringLiteral("undoContents")));
    QCoreApplication::processEvents();
    EXPECT_FALSE(text->keysForValuesToObserveForUndo().contains(QStringLiteral("undoContents")));
    EXPECT_EQ(SKTText::coerceValueForScriptingContents(42), QVariant(QStringLiteral("42")));
}

TEST_F(SKTTextTest, PaletteRuleOnLoadColoursTheTextOnlyForTheTextTarget)
{
    const QColor entry5 = DataCentre::colorWithHexString(profile->colorPalette.at(5));
    const struct {
        int target, index;
        bool recoloured;
    } cases[] = {{ColorTarget::Text, 5, true},
                 {ColorTarget::ShapeFill, 5, false},
                 {ColorTarget::Text, -99, false},
                 {ColorTarget::Text, 0, false},
                 {ColorTarget::Text, 100000, false}};
    for (const auto& c : cases) {
        ColorTarget::setSelectedColorType(c.target);
        // The palette index is no dictionary key: the object carries it when the dictionary is read.
        auto text = std::make_shared<SKTText>();
        text->setFillColorIndex(c.index);
        text->initWithProperties(boxProperties(QStringLiteral("x")));
        EXPECT_EQ(text->fontColor() == entry5, c.recoloured) << c.target << " " << c.index;
    }
}

TEST_F(SKTTextTest, PaletteRuleOnDrawingFillsWithThePickedColour)
{
    auto text = textFrom(boxProperties(QStringLiteral("x")));
    text->setFillColorIndex(5);
    text->bezierPathForDrawing();
    EXPECT_EQ(text->fillColor(), DataCentre::colorWithHexString(profile->colorPalette.at(5)));
    text->setFillColorIndex(0);
    text->bezierPathForDrawing();
    EXPECT_TRUE(GraphicProperties::isClearColor(text->fillColor()));

    ColorTarget::setSelectedColorType(ColorTarget::Text);
    text->setFillColorIndex(5);
    text->bezierPathForDrawing();
    EXPECT_TRUE(GraphicProperties::isClearColor(text->fillColor())) << "not the fill's turn";
}

TEST_F(SKTTextTest, AZoomCalloutTakesTheShapeItsCornersSuggest)
{
    auto text = textFrom(boxProperties(QStringLiteral("x"), QRectF(0, 0, 100, 60)));
    text->setZoomBubbleFlag(1);
    BezierPath outline = text->bezierPathForDrawing();
    EXPECT_EQ(text->bubbleShape(), QStringLiteral("rectangle"));
    EXPECT_EQ(outline.path.boundingRect(), text->drawRect());
    EXPECT_TRUE(outline.path.contains(QPointF(1, 1))) << "square corners";

    auto rounded = textFrom(boxProperties(QStringLiteral("x"), QRectF(0, 0, 100, 60)));
    rounded->setZoomBubbleFlag(1);
    rounded->setCornerRadius(8);
    outline = rounded->bezierPathForDrawing();
    EXPECT_EQ(rounded->bubbleShape(), QStringLiteral("circle"));
    EXPECT_FALSE(outline.path.contains(QPointF(8, 8))) << "an ellipse misses the corner";
    EXPECT_TRUE(outline.path.contains(QPointF(50, 30)));
}

TEST_F(SKTTextTest, ANamedShapeBecomesTheOutlineOverTheBox)
{
    auto text = textFrom(boxProperties(QStringLiteral("x"), QRectF(20, 40, 200, 100)));
    text->setBubbleShape(QStringLiteral("square"));
    const BezierPath outline = text->bezierPathForDrawing();
    EXPECT_EQ(text->bubbleShapeBezierPath(), DataCentre::grabShapeBezierPath(QStringLiteral("square")))
        << "kept in the shape's own square";
    const QRectF box = outline.path.boundingRect();
    const QRectF unitBox = text->bubbleShapeBezierPath().boundingRect();
    // From the corner of the drawing rectangle, at the size of the bounds.
    EXPECT_NEAR(box.left(), text->drawRect().left() + unitBox.left() * 2, 0.01);
    EXPECT_NEAR(box.top(), text->drawRect().top() + unitBox.top(), 0.01);
    EXPECT_NEAR(box.width(), unitBox.width() * 2, 0.01);
    EXPECT_NEAR(box.height(), unitBox.height(), 0.01);

    text->setRotationAngle(90);
    const QRectF turned = text->bezierPathForDrawing().path.boundingRect();
    EXPECT_NEAR(turned.width(), unitBox.height(), 0.01) << "turned about the centre of the bounds";
    EXPECT_NEAR(turned.center().x(), box.center().x(), 1);
}

TEST_F(SKTTextTest, ADashedBorderOfWidthZeroIsDrawnOneWideInDashesOfThree)
{
    auto text = textFrom(boxProperties(QString(), QRectF(20, 20, 120, 60)));
    text->setBorderStyle(QStringLiteral("dashed"));
    text->setBorderWidth(0);
    text->setBorderColor(Qt::black);
    const QImage image = drawn(*text, 200, 120);
    EXPECT_EQ(text->borderWidth(), 1);
    // Along the top edge, dark and light alternate in runs of about three pixels.
    const int y = int(text->drawRect().top());
    int changes = 0;
    bool dark = isDark(image.pixel(40, y)) || isDark(image.pixel(40, y + 1));
    for (int x = 41; x < 120; ++x) {
        const bool now = qGray(image.pixel(x, y)) < 200 || qGray(image.pixel(x, y + 1)) < 200;
        if (now != dark)
            ++changes;
        dark = now;
    }
    EXPECT_GE(changes, 20);
    EXPECT_LE(changes, 60);
}

TEST_F(SKTTextTest, AShadowNeedsAllThreeValuesUnlessTheShadowFlagIsSet)
{
    const auto shadowBelow = [](float dx, float dy, int flag) {
        auto text = textFrom(boxProperties(QString(), QRectF(20, 20, 80, 40)));
        text->setFillColor(Qt::blue);
        text->setShadowFlag(flag);
        text->setShadowRadius(4);
        text->setShadowHorizontalOffset(dx);
        text->setShadowVerticalOffset(dy);
        const QImage image = drawn(*text, 160, 120);
        // Just below the box, where a shadow falls.
        return image.pixel(60, 62) != qRgb(255, 255, 255);
    };
    EXPECT_FALSE(shadowBelow(0, 5, 0));
    EXPECT_TRUE(shadowBelow(3, -5, 0));
    EXPECT_TRUE(shadowBelow(0, 0, 1));
}

TEST_F(SKTTextTest, RadioButtonsAndCheckBoxesAreFilledWhite)
{
    auto text = textFrom(boxProperties(QString(), QRectF(20, 20, 60, 40)));
    text->setFillColor(Qt::blue);
    text->setSelectable(true);
    EXPECT_EQ(drawn(*text, 120, 100).pixel(50, 40), qRgb(0, 0, 255));
    text->setFormType(QStringLiteral("radio"));
    EXPECT_EQ(drawn(*text, 120, 100).pixel(50, 40), qRgb(255, 255, 255));
}

TEST_F(SKTTextTest, CanvasOutlinesAndGuidesFollowTheProfile)
{
    auto text = textFrom(boxProperties(QString(), QRectF(20, 20, 80, 40)));
    text->setSelectable(false);
    // The pixels along the top edge of the outline that the test picks.
    const auto edgePixels = [&](const std::function<bool(QRgb)>& wanted) {
        const QImage image = drawn(*text, 140, 100);
        const int y = int(text->noMarginNoBorderRect().top());
        int count = 0;
        for (int x = 30; x < 90; ++x)
            count += wanted(image.pixel(x, y)) || wanted(image.pixel(x, y - 1)) ? 1 : 0;
        return count;
    };
    const auto blue = [](QRgb p) { return qBlue(p) > 200 && qRed(p) < 150; };
    const auto grey = [](QRgb p) { return qRed(p) == qGreen(p) && qGreen(p) == qBlue(p) && qRed(p) < 200; };
    EXPECT_GT(edgePixels(blue), 20) << "blue outline of a text that cannot be selected";
    profile->dashedTextOutline = true;
    EXPECT_EQ(edgePixels(blue), 0);
    EXPECT_EQ(edgePixels(grey), 0);
    profile->responsiveDesign = true;
    EXPECT_GT(edgePixels(grey), 20) << "box-model guides";
}

TEST_F(SKTTextTest, GlyphsAreDrawnAtTheVerticalAlignmentAndMeasured)
{
    int previousTop = -1;
    for (int alignment : {0, 1, 2}) {
        auto text = textFrom(boxProperties(QStringLiteral("Hello"), QRectF(10, 10, 200, 120)));
        text->setVerticalAlignment(alignment);
        const QImage image = drawn(*text);
        const auto [top, bottom] = darkRows(image, QRect(10, 10, 200, 120));
        ASSERT_NE(top, -1) << alignment;
        EXPECT_GT(top, previousTop) << "lower with each alignment";
        previousTop = top;
        // One line of 20-point text at 1.25 spacing.
        EXPECT_EQ(text->textHeight(), 25) << alignment;
    }
}

TEST_F(SKTTextTest, OnlyLinesThatFitTheBoxAreDrawn)
{
    auto text = textFrom(boxProperties(QStringLiteral("one\ntwo\nthree\nfour"), QRectF(10, 10, 200, 60)));
    drawn(*text);
    EXPECT_EQ(text->textHeight(), 50) << "two lines of 25 fit 60";

    auto tiny = textFrom(boxProperties(QStringLiteral("one"), QRectF(10, 10, 200, 12)));
    tiny->setTextHeight(-1);
    const QImage image = drawn(*tiny);
    EXPECT_EQ(tiny->textHeight(), -1);
    EXPECT_EQ(darkRows(image, QRect(0, 0, 240, 140)).first, -1);
}

TEST_F(SKTTextTest, ATextBeingEditedDrawsItsBoxButNotItsGlyphs)
{
    auto text = textFrom(boxProperties(QStringLiteral("Hello")));
    text->setFillColor(Qt::yellow);
    const QImage image = drawn(*text, 240, 140, true);
    EXPECT_EQ(image.pixel(100, 100), qRgb(255, 255, 0));
    EXPECT_EQ(darkRows(image, QRect(0, 0, 240, 140)).first, -1);
}

TEST_F(SKTTextTest, NaturalSizeMeasuresWithoutTouchingTheDocument)
{
    auto text = textFrom(boxProperties(QStringLiteral("one\ntwo"), QRectF(0, 0, 300, 10)));
    QTextDocument& document = text->contents().document();
    document.setTextWidth(77);
    const QSizeF size = text->naturalSize();
    EXPECT_EQ(size.height(), 50);
    EXPECT_GT(size.width(), 10);
    EXPECT_LT(size.width(), 300);
    EXPECT_EQ(document.textWidth(), 77) << "an editor's layout stays as it was";
    EXPECT_FALSE(SKTText::sharedLayoutManager().isAttached());

    const QRectF before = text->bounds();
    text->makeNaturalSize();
    EXPECT_EQ(text->bounds(), before);
}

TEST_F(SKTTextTest, DrawingBoundsReachOnePointPastTheBounds)
{
    auto text = textFrom(boxProperties(QStringLiteral("x"), QRectF(10, 10, 100, 50)));
    EXPECT_TRUE(text->drawingBounds().contains(QRectF(9, 9, 102, 52)));
}

class RecordingEditorFactory : public TextEditorFactory {
public:
    QWidget* newEditor(QTextDocument& document, const TextEditorGeometry& geometry) override
    {
        edited = &document;
        lastGeometry = geometry;
        return &editor;
    }
    void finalizeEditor(QWidget* widget) override { finalized = widget; }

    QWidget editor;
    QTextDocument* edited = nullptr;
    TextEditorGeometry lastGeometry;
    QWidget* finalized = nullptr;
};

TEST_F(SKTTextTest, OnlyEditableTextsGetAnEditorOverTheirOwnDocument)
{
    RecordingEditorFactory factory;
    TextEditorFactory::setCurrent(&factory);
    const struct {
        const char* formType;
        int optionTag, zoom;
        bool selectable, editable;
    } cases[] = {
        {"", -99, 0, true, true},           {"", -99, 0, false, false},        {"text", -99, 0, true, false},
        {"textarea", -99, 0, true, false},  {"checkbox", -99, 0, true, false}, {"radio", -99, 0, true, false},
        {"textLabel", -22, 0, true, false}, {"textLabel", 3, 0, true, true},   {"submit", -99, 0, true, true},
        {"", -99, 1, true, false},
    };
    for (const auto& c : cases) {
        auto text = textFrom(boxProperties(QStringLiteral("x")));
        text->setSelectable(c.selectable);
        text->setFormType(QString::fromLatin1(c.formType));
        text->setFormOptionTag(c.optionTag);
        text->setZoomBubbleFlag(c.zoom);
        QWidget* editor = text->newEditingViewWithSuperviewBounds(QRectF(0, 0, 800, 600));
        EXPECT_EQ(editor != nullptr, c.editable) << c.formType << " " << c.optionTag << " " << c.zoom;
        if (editor) {
            EXPECT_EQ(factory.edited, &text->contents().document());
            text->finalizeEditingView(editor);
            EXPECT_EQ(factory.finalized, editor);
        }
    }
    TextEditorFactory::setCurrent(nullptr);
    auto text = textFrom(boxProperties(QStringLiteral("x")));
    text->setSelectable(true);
    EXPECT_EQ(text->newEditingViewWithSuperviewBounds(QRectF(0, 0, 800, 600)), nullptr) << "no canvas";
}

TEST_F(SKTTextTest, TheEditorStandsOnTheContentAndMayGrowToTheCanvasBottom)
{
    auto text = textFrom(boxProperties(QStringLiteral("x"), QRectF(40, 100, 200, 80)));
    text->setBorderWidth(2);
    text->setCornerRadius(20);
    TextEditorGeometry geometry = text->editingGeometry(QRectF(0, 0, 800, 600));
    EXPECT_EQ(geometry.frame, text->contentRect());
    EXPECT_EQ(geometry.containerWidth, text->contentRect().width());
    EXPECT_EQ(geometry.minSize, QSizeF(text->contentRect().width(), 0));
    EXPECT_EQ(geometry.maxSize, QSizeF(text->contentRect().width(), 500));

    profile->cornerTextInset = true;
    geometry = text->editingGeometry(QRectF(0, 0, 800, 600));
    EXPECT_EQ(geometry.frame, QRectF(45, 105, 190, 70)) << "inset by a quarter of the corner radius";
}

} // namespace
