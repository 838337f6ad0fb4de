#include "ExpectedValues.h"
#include "ModelTestSupport.h"

#include "model/PlainGraphicContext.h"
#include "profile/DataCentre.h"

#include <gtest/gtest.h>

namespace {

std::shared_ptr<TestShape> fromProperties(const GraphicPropertyDictionary& properties)
{
    auto graphic = std::make_shared<TestShape>();
    EXPECT_TRUE(graphic->initWithProperties(properties));
    return graphic;
}

class GraphicPropertiesTest : public ::testing::Test {
protected:
    void SetUp() override { DataCentre::resetProfile(); }
};

TEST_F(GraphicPropertiesTest, MissingKeysTakeTheirDefaults)
{
    const auto g = fromProperties({});
    expectFields({
        {"bounds", g->bounds(), QRectF()},
        {"isDrawingFill", g->isDrawingFill(), true},
        {"isDrawingStroke", g->isDrawingStroke(), true},
        {"strokeWidth", g->strokeWidth(), 1.0},
        {"borderStyle", g->borderStyle(), QStringLiteral("none")},
        {"fillColor", g->fillColor(), QColor(Qt::transparent)},
        {"cornerRadius", g->cornerRadius(), 0.0},
        {"fontFamily is none", g->fontFamily().isNull(), true},
        {"fontColor", g->fontColor(), QColor(Qt::black)},
        {"strokeColor", g->strokeColor(), QColor(Qt::black)},
        {"opacity", g->opacity(), 0.0},
        {"link", g->link(), QStringLiteral("")},
        {"textType", g->textType(), QStringLiteral("")},
        {"backgroundHexColorString", g->backgroundHexColorString(), QStringLiteral("CLEAR0")},
        {"textHexColorString", g->textHexColorString(), QStringLiteral("000000")},
        {"linkOption", g->linkOption(), QStringLiteral("_self")},
        {"altText", g->altText(), QStringLiteral("")},
        {"groupNumber", g->groupNumber(), -99},
        {"imageEnlargeFlag", g->imageEnlargeFlag(), -99},
        {"slideShowAutomaticFlag", g->slideShowAutomaticFlag(), 0},
        {"galleryNumber", g->galleryNumber(), -99},
        {"templateName is none", g->templateName().isNull(), true},
        {"selectable", g->selectable(), true},
        {"hoverColorString", g->hoverColorString(), QStringLiteral("")},
        {"linkType", g->linkType(), QStringLiteral("text")},
        {"formType", g->formType(), QStringLiteral("")},
        {"formOptionTag", g->formOptionTag(), -99},
        {"scrollFlag", g->scrollFlag(), 0},
        {"matchScreenFlag", g->matchScreenFlag(), false},
        {"borderHexColorString", g->borderHexColorString(), QStringLiteral("000000")},
        {"borderColor", g->borderColor(), QColor(Qt::transparent)},
        {"borderWidth", g->borderWidth(), 0},
        {"lineSpacing", g->lineSpacing(), 1.25f},
        {"sectionNumber", g->sectionNumber(), -99},
        {"sectionRowSpot", g->sectionRowSpot(), -99},
        {"sectionColumnSpot", g->sectionColumnSpot(), -99},
        {"leftMarginType", g->leftMarginType(), QStringLiteral("%")},
        {"topPaddingType", g->topPaddingType(), QStringLiteral("%")},
        {"rightPaddingLevelString", g->rightPaddingLevelString(), QStringLiteral("None")},
        {"bottomMarginLevelString", g->bottomMarginLevelString(), QStringLiteral("None")},
        {"sectionIDString", g->sectionIDString(), QStringLiteral("")},
        {"onClickShowString", g->onClickShowString(), QStringLiteral("")},
        {"moveLock", g->moveLock(), 0},
    });
}

// The keys the base object writes, and nothing else.
TEST_F(GraphicPropertiesTest, WritesExactlyTheBaseKeys)
{
    SKTGraphic g;
    const QStringList sides{"top", "bottom", "right", "left"};
    QStringList expected{"bounds",
                         "drawingFill",
                         "drawingStroke",
                         "strokeWidth",
                         "cornerRadius",
                         "fontColor",
                         "fillColor",
                         "borderStyle",
                         "opacity",
                         "shadowFlag",
                         "link",
                         "textType",
                         "textHexColorString",
                         "altText",
                         "retinaFlag",
                         "linkOption",
                         "scrollFlag",
                         "galleryNumber",
                         "templateName",
                         "hoverColorString",
                         "hoverTextColorString",
                         "linkType",
                         "formType",
                         "formTag",
                         "formRequiredFlag",
                         "formOptionTag",
                         "backdropLightingFlag",
                         "matchScreenFlag",
                         "snippetFormatFlag",
                         "borderColor",
                         "borderHexColorString",
                         "borderWidth",
                         "lineSpacing",
                         "shadowRadius",
                         "shadowHorizontalOffset",
                         "shadowVerticalOffset",
                         "rotationAngle",
                         "responsiveResizeFlag",
                         "responsiveAlignment",
                         "markAsReplyToEmailFlag",
                         "sectionNumber",
                         "sectionRowSpot",
                         "sectionColumnSpot",
                         "verticalAlignment"};
    for (const QString& box : {QStringLiteral("Padding"), QStringLiteral("Margin")}) {
        for (const QString& side : sides)
            expected << side + box << side + box + "Type" << side + box + "LevelString";
    }
    expected.sort();
    EXPECT_EQ(g.properties().keys(), expected);

    g.setBackgroundHexColorString("FF0000");
    EXPECT_EQ(g.properties().value("backgroundHexColorString"), QVariant(QStringLiteral("FF0000")));
}

TEST_F(GraphicPropertiesTest, WritesEachKeyInItsEncoding)
{
    SKTGraphic g;
    g.setBounds(QRectF(10, 20, 50, 40));
    g.setCornerRadius(12.5);
    g.setOpacity(0.5);
    g.setBorderWidth(3);
    g.setScrollFlag(2);
    g.setRetinaFlag(true);
    g.setMatchScreenFlag(true);
    g.setGroupNumber(-98);
    g.setFillColor(QColor(1, 2, 3));
    const GraphicPropertyDictionary d = g.properties();
    const struct {
        const char* key;
        QVariant expected;
    } cases[] = {
        {"bounds", QStringLiteral("{{10, 20}, {50, 40}}")},
        {"cornerRadius", QStringLiteral("12.500000")},
        {"opacity", QStringLiteral("0.500000")},
        {"drawingFill", false},
        {"drawingStroke", true},
        {"strokeWidth", 1.0},
        {"borderWidth", 3.0},
        {"scrollFlag", QStringLiteral("0")},
        {"retinaFlag", QStringLiteral("1")},
        {"matchScreenFlag", QStringLiteral("1")},
        {"snippetFormatFlag", QStringLiteral("0")},
        {"galleryNumber", QStringLiteral("0")},
        {"lineSpacing", QStringLiteral("0.000000")},
        {"borderStyle", QStringLiteral("none")},
        {"topPaddingType", QStringLiteral("")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(d.value(QString::fromLatin1(c.key)), c.expected) << c.key;
        EXPECT_EQ(d.value(QString::fromLatin1(c.key)).typeId(), c.expected.typeId()) << c.key;
    }
    EXPECT_EQ(d.value("fillColor").typeId(), QMetaType::QByteArray);
    EXPECT_EQ(d.value("borderColor").typeId(), QMetaType::QByteArray);
}

TEST_F(GraphicPropertiesTest, RoundTripKeepsWhatTheDictionaryCarries)
{
    TestShape source;
    source.setBounds(QRectF(10.5, 20, 50, 40));
    source.setDrawingStroke(false);
    source.setStrokeWidth(2.75);
    source.setCornerRadius(12.5);
    source.setFontColor(QColor(255, 0, 0));
    source.setFillColor(QColor(0, 128, 255, 100));
    source.setBorderColor(QColor(0, 0, 255));
    source.setBorderWidth(4);
    source.setBorderStyle("dashed");
    source.setOpacity(0.123456789);
    source.setLineSpacing(1.5f);
    source.setShadowRadius(2.5f);
    source.setRotationAngle(-45.0f);
    source.setLink("");
    source.setLinkOption("_blank");
    source.setTextHexColorString("112233");
    source.setGalleryNumber(3);
    source.setFormTag(9);
    source.setFormOptionTag(2);
    source.setScrollFlag(1);
    source.setMatchScreenFlag(true);
    source.setSectionNumber(1);
    source.setSectionRowSpot(0);
    source.setLeftPadding(5);
    source.setLeftPaddingType("pixel");
    source.setLeftPaddingLevelString("Small");
    source.setBottomMargin(30);
    source.setBottomMarginLevelString("Medium");
    // Not carried by the dictionary.
    source.setGroupNumber(-97);
    source.setMoveLock(1);
    source.setShapeFlag(1);
    source.setSectionIDString("intro");

    const auto g = fromProperties(source.properties());
    expectFields({
        {"bounds", g->bounds(), QRectF(10.5, 20, 50, 40)},
        {"isDrawingFill", g->isDrawingFill(), true},
        {"isDrawingStroke", g->isDrawingStroke(), false},
        {"strokeWidth", g->strokeWidth(), 2.75},
        {"cornerRadius", g->cornerRadius(), 12.0},
        {"fontColor", g->fontColor(), QColor(255, 0, 0)},
        {"strokeColor", g->strokeColor(), QColor(255, 0, 0)},
        {"fillColor", g->fillColor(), QColor(0, 128, 255, 100)},
        {"borderColor", g->borderColor(), QColor(0, 0, 255)},
        {"borderHexColorString", g->borderHexColorString(), QStringLiteral("0000FF")},
        {"borderWidth", g->borderWidth(), 4},
        {"borderStyle", g->borderStyle(), QStringLiteral("dashed")},
        {"opacity", QString::asprintf("%.6f", g->opacity()), QStringLiteral("0.123457")},
        {"lineSpacing", g->lineSpacing(), 1.5f},
        {"shadowRadius", g->shadowRadius(), 2.5f},
        {"rotationAngle", g->rotationAngle(), -45.0f},
        {"link", g->link(), QStringLiteral("")},
        {"link is empty, not none", g->link().isNull(), false},
        {"linkOption", g->linkOption(), QStringLiteral("_blank")},
        {"textHexColorString", g->textHexColorString(), QStringLiteral("112233")},
        {"galleryNumber", g->galleryNumber(), 3},
        {"formTag", g->formTag(), 9},
        {"formOptionTag", g->formOptionTag(), 2},
        {"scrollFlag", g->scrollFlag(), 1},
        {"matchScreenFlag", g->matchScreenFlag(), true},
        {"sectionNumber", g->sectionNumber(), 1},
        {"sectionRowSpot", g->sectionRowSpot(), 0},
        {"sectionColumnSpot", g->sectionColumnSpot(), 0},
        {"leftPadding", g->leftPadding(), 5},
        {"leftPaddingType", g->leftPaddingType(), QStringLiteral("pixel")},
        {"leftPaddingLevelString", g->leftPaddingLevelString(), QStringLiteral("Small")},
        {"bottomMargin", g->bottomMargin(), 30},
        {"bottomMarginLevelString", g->bottomMarginLevelString(), QStringLiteral("Medium")},
        {"groupNumber", g->groupNumber(), -99},
        {"moveLock", g->moveLock(), 0},
        {"shapeFlag", g->shapeFlag(), 0},
        {"sectionIDString", g->sectionIDString(), QStringLiteral("")},
    });
    // A second trip changes nothing more.
    EXPECT_EQ(fromProperties(g->properties())->properties(), g->properties());
}

TEST_F(GraphicPropertiesTest, ClearFontColourIsWrittenEmptyAndReadsBackBlack)
{
    SKTGraphic g;
    g.setFontColor(Qt::transparent);
    const GraphicPropertyDictionary d = g.properties();
    EXPECT_EQ(d.value("fontColor"), QVariant(QStringLiteral("")));
    const auto back = fromProperties(d);
    EXPECT_EQ(back->fontColor(), QColor(Qt::black));
    EXPECT_EQ(back->strokeColor(), QColor(Qt::black));
    // A colour that is merely transparent is not the clear colour and keeps its digits.
    g.setFontColor(QColor(255, 255, 255, 0));
    EXPECT_EQ(g.properties().value("fontColor"), QVariant(QStringLiteral("FFFFFF")));
}

TEST_F(GraphicPropertiesTest, WritingCorrectsFieldsThatAreNone)
{
    SKTGraphic g;
    g.setLinkType(QString());
    g.setFormType("(null)");
    const GraphicPropertyDictionary d = g.properties();
    const struct {
        const char* key;
        QString written, field;
    } cases[] = {
        {"linkType", "shape", g.linkType()},
        {"formType", "", g.formType()},
        {"link", "", g.link()},
        {"templateName", "", g.templateName()},
        {"hoverColorString", "", g.hoverColorString()},
        {"hoverTextColorString", "", g.hoverTextColorString()},
        {"borderHexColorString", "000000", g.borderHexColorString()},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(d.value(QString::fromLatin1(c.key)), QVariant(c.written)) << c.key;
        EXPECT_EQ(c.field, c.written) << c.key;
        EXPECT_FALSE(c.field.isNull()) << c.key;
    }
    EXPECT_FALSE(d.contains("backgroundHexColorString"));
}

TEST_F(GraphicPropertiesTest, TheBorderColourStringFollowsTheBorderColour)
{
    SKTGraphic g;
    g.setBorderHexColorString("123456");
    g.setBorderColor(QColor(0xAB, 0xCD, 0xEF));
    EXPECT_EQ(g.properties().value("borderHexColorString"), QVariant(QStringLiteral("ABCDEF")));
    EXPECT_EQ(g.borderHexColorString(), QStringLiteral("ABCDEF"));
}

TEST_F(GraphicPropertiesTest, ValuesOfAnUnexpectedClassFollowTheReadingRules)
{
    const QByteArray data("\x01\x02");
    const struct {
        const char* key;
        QVariant value;
        std::function<QVariant(const SKTGraphic&)> read;
        QVariant expected;
    } cases[] = {
        {"strokeWidth", QStringLiteral("3"), [](const SKTGraphic& g) { return g.strokeWidth(); }, 1.0},
        {"strokeWidth", 3, [](const SKTGraphic& g) { return g.strokeWidth(); }, 3.0},
        {"drawingStroke", QStringLiteral("0"), [](const SKTGraphic& g) { return g.isDrawingStroke(); }, true},
        {"drawingStroke", false, [](const SKTGraphic& g) { return g.isDrawingStroke(); }, false},
        {"drawingFill", false, [](const SKTGraphic& g) { return g.isDrawingFill(); }, true},
        {"bounds", 5, [](const SKTGraphic& g) { return g.bounds(); }, QRectF()},
        {"bounds", QStringLiteral("{{1, 2}, {3"), [](const SKTGraphic& g) { return g.bounds(); },
         QRectF(1, 2, 3, 0)},
        {"fillColor", QStringLiteral("FF0000"), [](const SKTGraphic& g) { return g.fillColor(); },
         QColor(Qt::transparent)},
        {"fillColor", data, [](const SKTGraphic& g) { return g.fillColor(); }, QColor(Qt::transparent)},
        {"groupNumber", data, [](const SKTGraphic& g) { return g.groupNumber(); }, 0},
        {"groupNumber", QStringLiteral("12.5"), [](const SKTGraphic& g) { return g.groupNumber(); }, 12},
        {"groupNumber", 7.9, [](const SKTGraphic& g) { return g.groupNumber(); }, 7},
        {"groupNumber", QStringLiteral("abc"), [](const SKTGraphic& g) { return g.groupNumber(); }, 0},
        {"cornerRadius", 12.9, [](const SKTGraphic& g) { return g.cornerRadius(); }, 12.0},
        {"borderWidth", QStringLiteral(" 4px"), [](const SKTGraphic& g) { return g.borderWidth(); }, 4},
        {"opacity", QStringLiteral("0.25abc"), [](const SKTGraphic& g) { return g.opacity(); }, 0.25},
        {"opacity", data, [](const SKTGraphic& g) { return g.opacity(); }, 0.0},
        {"matchScreenFlag", QStringLiteral("2"), [](const SKTGraphic& g) { return g.matchScreenFlag(); },
         true},
        {"link", 5, [](const SKTGraphic& g) { return g.link(); }, QStringLiteral("")},
        {"fontColor", QStringLiteral(" 00ff00\n"), [](const SKTGraphic& g) { return g.strokeColor(); },
         QColor(0, 255, 0)},
    };
    for (const auto& c : cases) {
        const auto g = fromProperties({{QString::fromLatin1(c.key), c.value}});
        EXPECT_EQ(c.read(*g), c.expected) << c.key << " = " << qPrintable(c.value.toString());
    }
}

TEST_F(GraphicPropertiesTest, BaseTemplateObjectsAreSelectableOnlyOnTheBaseTemplatePage)
{
    const struct {
        QVariant templateName;
        const char* pageName; // null: no document window
        bool selectable;
    } cases[] = {
        {QStringLiteral("basetemplate"), nullptr, true},
        {QStringLiteral("basetemplate"), "index", false},
        {QStringLiteral("basetemplate"), "basetemplate", true},
        {QStringLiteral("index"), "index", true},
        {QStringLiteral(""), "index", true},
        {QVariant(), "index", true},
    };
    for (const auto& c : cases) {
        GraphicPropertyDictionary d;
        if (c.templateName.isValid())
            d.insert("templateName", c.templateName);
        std::optional<ScopedContext<PlainGraphicContext>> context;
        if (c.pageName) {
            context.emplace();
            context->setDocumentPageName(QString::fromLatin1(c.pageName));
        }
        EXPECT_EQ(fromProperties(d)->selectable(), c.selectable)
            << qPrintable(c.templateName.toString()) << " on " << (c.pageName ? c.pageName : "no window");
    }
}

} // namespace
