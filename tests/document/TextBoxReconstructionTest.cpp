#include "DocumentTestSupport.h"
#include "PageLoaderTestSupport.h"

#include "model/records/myTextView.h"

namespace {

class TextBoxReconstructionTest : public DocumentTest {
protected:
    std::shared_ptr<myTextView> read(const QList<std::pair<QString, QString>>& extra,
                                     const QString& companions = {},
                                     const QString& pageName = QStringLiteral("home"))
    {
        auto properties = textBoxProperties(10, 20, 3);
        properties << extra;
        return document.generateATextView(PageObjectRule(ruleLine(".text0", properties, companions)),
                                          pageName);
    }

    SKTDocument document;
};

TEST_F(TextBoxReconstructionTest, PlacesTheBoxAndGrowsItByPaddingAndBorder)
{
    const QList<std::pair<QString, QString>> box = {{"width", "200px"},      {"height", "50px"},
                                                    {"padding", "10px"},     {"border-style", "solid"},
                                                    {"border-width", "2px"}, {"border-color", "#00FF00"}};
    auto record = read(box);
    EXPECT_EQ(record->frame(), QRectF(10, 20, 224, 74));
    EXPECT_EQ(record->width(), 224);
    EXPECT_EQ(record->height(), 74);
    EXPECT_EQ(record->originX(), 10);
    EXPECT_EQ(record->originY(), 20);
    EXPECT_EQ(record->tag(), 3);
    EXPECT_EQ(record->borderWidth(), 2);
    EXPECT_EQ(record->borderHexColorString(), QStringLiteral("00FF00"));
    EXPECT_EQ(record->textView()->borderLine(), QStringLiteral("solid"));
    EXPECT_EQ(record->scrollFlag(), 0);
    EXPECT_EQ(record->textType(), QStringLiteral("Text"));

    // The Bootstrap box model counts padding and border inside the size.
    document.setUsingBootStrapFlag(true);
    EXPECT_EQ(read(box)->frame(), QRectF(10, 20, 200, 50));
}

TEST_F(TextBoxReconstructionTest, OnlyDrawnBorderStylesKeepTheirWidth)
{
    struct Case {
        const char* style;
        QRectF frame;
        int borderWidth;
        const char* borderLine;
    };
    const Case cases[] = {
        {"none", QRectF(10, 20, 120, 70), 0, "none"},
        {"dotted", QRectF(10, 20, 126, 76), 3, "dotted"},
        {"dashed", QRectF(10, 20, 126, 76), 3, "dashed"},
        // Browsers ignore the capital S: no line, no width and no padding either.
        {"Solid", QRectF(10, 20, 100, 50), 0, "none"},
    };
    for (const Case& c : cases) {
        auto record = read({{"width", "100px"},
                            {"height", "50px"},
                            {"padding", "10px"},
                            {"border-style", c.style},
                            {"border-width", "3px"}});
        EXPECT_EQ(record->frame(), c.frame) << c.style;
        EXPECT_EQ(record->borderWidth(), c.borderWidth) << c.style;
        EXPECT_EQ(record->textView()->borderLine(), QString::fromLatin1(c.borderLine)) << c.style;
    }
}

TEST_F(TextBoxReconstructionTest, FullWidthAndBuffers)
{
    auto record = read({{"width", "100%"},
                        {"height", "40px"},
                        {"padding", "5px"},
                        {"widthBuffer", "9"},
                        {"heightBuffer", "4"}});
    EXPECT_EQ(record->matchScreenFlag(), 1);
    EXPECT_EQ(record->width(), 9990);
    EXPECT_EQ(record->height(), 46);
    // Missing sizes are 0 and are not grown.
    auto bare = read({{"padding", "5px"}});
    EXPECT_EQ(bare->frame().size(), QSizeF(0, 0));
    EXPECT_EQ(bare->matchScreenFlag(), 0);
}

TEST_F(TextBoxReconstructionTest, ValuesAreReadAfterTheirOwnNamesOnly)
{
    // The alignment value "left" stands before the property "left"; and "fixed" is the position's value.
    auto record = document.generateATextView(PageObjectRule(ruleLine(".text0", {{"text-align", "left"},
                                                                                {"position", "fixed"},
                                                                                {"left", "33px"},
                                                                                {"top", "44px"},
                                                                                {"z-index", "5"},
                                                                                {"fixed", "1"}})),
                                             QStringLiteral("home"));
    EXPECT_EQ(record->originX(), 33);
    EXPECT_EQ(record->scrollFlag(), 1);
    EXPECT_EQ(record->moveLock(), 1);
    EXPECT_EQ(record->textAlignment(), QStringLiteral("left"));
}

TEST_F(TextBoxReconstructionTest, DefaultsOfMissingKeys)
{
    auto record = read({});
    EXPECT_EQ(record->alphaValue(), 1.0);
    EXPECT_EQ(record->moveLock(), 0);
    EXPECT_EQ(record->shadowFlag(), 0);
    EXPECT_EQ(record->borderHexColorString(), QStringLiteral("000000"));
    EXPECT_EQ(record->tableNumber(), -99);
    EXPECT_EQ(record->rowSpot(), -99);
    EXPECT_EQ(record->linkType(), QStringLiteral("text"));
    EXPECT_EQ(record->fontSize(), 0);
    EXPECT_EQ(record->familyName(), QStringLiteral("Helvetica Neue"));
    EXPECT_EQ(record->textColorString(), QStringLiteral("000000"));
    EXPECT_EQ(record->textHexColorString(), QStringLiteral("000000"));
    EXPECT_EQ(record->colorString(), QStringLiteral("CLEAR0"));
    EXPECT_EQ(record->backgroundHexColorString(), QStringLiteral("CLEAR0"));
    EXPECT_TRUE(record->formType().isNull());
    EXPECT_EQ(record->formTag(), -99);
    EXPECT_EQ(record->formOptionTag(), -99);
    EXPECT_EQ(record->nlines(), -99);
    EXPECT_FLOAT_EQ(record->lineSpacing(), -0.1f);
    EXPECT_EQ(record->sectionNumber(), -99);
    EXPECT_EQ(record->groupNumber(), -99);
    EXPECT_EQ(record->topPaddingType(), QStringLiteral("pixel"));
    EXPECT_EQ(record->topMarginLevelString(), QStringLiteral("None"));
    EXPECT_EQ(record->templateName(), QStringLiteral(""));
    EXPECT_TRUE(record->textAlignment().isNull());
}

TEST_F(TextBoxReconstructionTest, EditorStateOfTheRule)
{
    auto record = read({{"font-size", "18px"},
                        {"color", "#112233"},
                        {"font-family", "\"" + installedFamily() + "\""},
                        {"text-align", "justify"},
                        {"border-radius", "6.7px"},
                        {"textAlpha", "0.500000"},
                        {"shadowRadius", "1.000000"},
                        {"indentFlag", "2"},
                        {"shapeFlag", "1"},
                        {"groupNumber", "-97"},
                        {"tableNumber", "4"},
                        {"tableRowSpot", "1"},
                        {"tableColumnSpot", "2"},
                        {"templateName", "home"},
                        {"manualLayerIndex", "12"},
                        {"linkType", "shape"},
                        {"shapeBackgroundColor", "ABCDEF"},
                        {"background-color", "#FEDCBA"},
                        {"nlines", "3"},
                        {"bubbleShape", "Cloud"},
                        {"shadowBlurRadius", "4.000000"},
                        {"rotationAngle", "15.000000"},
                        {"responsiveAlignmentFlag", "2"},
                        {"sectionRowSpot", "1"},
                        {"topPaddingStr", "8"},
                        {"topPaddingTypeStr", "%"},
                        {"leftMarginLevelStr", "Large"},
                        {"verticalAlignment", "1"},
                        {"onClickShow", "row2"},
                        {"line-height", "1.200000"},
                        {"lineSpacingMultiple", "1.200000"}},
                       ".text0{hoverColor:FF0000;hoverTextColor:00FF00;}"
                       ".text0 a:visited {text-decoration: none;formType:(null);formTag:7;formOptionTag:-11;"
                       "formRequiredFlag:1;}");
    EXPECT_EQ(record->fontSize(), 18);
    EXPECT_EQ(record->textView()->font().pixelSize(), 18);
    EXPECT_EQ(record->textView()->font().family(), installedFamily());
    EXPECT_EQ(record->textColorString(), QStringLiteral("112233"));
    EXPECT_EQ(record->textAlignment(), QStringLiteral("justify"));
    EXPECT_EQ(record->textView()->alignment(), Qt::AlignRight);
    EXPECT_EQ(record->cornerRadius(), 6.0f);
    EXPECT_EQ(record->alphaValue(), 0.5);
    EXPECT_EQ(record->shadowFlag(), 1);
    EXPECT_EQ(record->indentFlag(), 2);
    EXPECT_EQ(record->shapeFlag(), 1);
    EXPECT_EQ(record->groupNumber(), -97);
    EXPECT_EQ(record->tableNumber(), 4);
    EXPECT_EQ(record->rowSpot(), 1);
    EXPECT_EQ(record->columnSpot(), 2);
    EXPECT_EQ(record->manualLayerIndex(), 12);
    EXPECT_EQ(record->linkType(), QStringLiteral("shape"));
    // A shape's fill wins over the background declaration.
    EXPECT_EQ(record->backgroundHexColorString(), QStringLiteral("ABCDEF"));
    EXPECT_EQ(record->nlines(), 3);
    EXPECT_EQ(record->bubbleShape(), QStringLiteral("Cloud"));
    EXPECT_EQ(record->shadowRadius(), 4.0f);
    EXPECT_EQ(record->rotationAngle(), 15.0f);
    EXPECT_EQ(record->responsiveAlignment(), 2);
    EXPECT_EQ(record->sectionRowSpot(), 1);
    EXPECT_EQ(record->topPadding(), 8);
    EXPECT_EQ(record->topPaddingType(), QStringLiteral("%"));
    EXPECT_EQ(record->leftMarginLevelString(), QStringLiteral("Large"));
    EXPECT_EQ(record->verticalAlignment(), 1);
    EXPECT_EQ(record->onClickShowString(), QStringLiteral("row2"));
    EXPECT_FLOAT_EQ(record->lineSpacing(), 1.2f);
    EXPECT_EQ(record->hoverColorString(), QStringLiteral("FF0000"));
    EXPECT_EQ(record->hoverTextColorString(), QStringLiteral("00FF00"));
    EXPECT_EQ(record->formType(), QStringLiteral(""));
    EXPECT_EQ(record->formTag(), 7);
    EXPECT_EQ(record->formOptionTag(), -11);
    EXPECT_EQ(record->formRequiredFlag(), 1);
}

TEST_F(TextBoxReconstructionTest, ReadsTheResponsiveSnippetNames)
{
    auto record = read({{"indent-flag", "1"}, {"shadow-radius", "1.00"}, {"line-multiple", "1.50"}});
    EXPECT_EQ(record->indentFlag(), 1);
    EXPECT_EQ(record->shadowFlag(), 1);
    EXPECT_FLOAT_EQ(record->lineSpacing(), 1.5f);
}

TEST_F(TextBoxReconstructionTest, ATransparentBoxIgnoresTheHoverBackground)
{
    auto record = read({{"width", "100px"}}, ".text0:hover{background-color:#FF0000;color:#00FF00;}");
    EXPECT_EQ(record->backgroundHexColorString(), QStringLiteral("CLEAR0"));
    EXPECT_EQ(record->textColorString(), QStringLiteral("000000"));
}

TEST_F(TextBoxReconstructionTest, AMissingFontIsShownInTheDefaultButKeepsItsName)
{
    const QString missing = QStringLiteral("No Such Family Anywhere");
    auto first = read({{"font-family", "\"" + missing + "\""}, {"font-size", "12px"}});
    auto second = read({{"font-family", "\"" + missing + "\""}});
    EXPECT_EQ(first->familyName(), missing);
    EXPECT_EQ(second->familyName(), missing);
    EXPECT_EQ(first->textView()->font().family(), QStringLiteral("Helvetica Neue"));
    EXPECT_EQ(document.notSupportedFontSet(), QSet<QString>{missing});
}

TEST_F(TextBoxReconstructionTest, BaseTemplateBoxesAreLockedOnOtherPages)
{
    const QList<std::pair<QString, QString>> box = {{"fixed", "0"}, {"templateName", "basetemplate"}};
    EXPECT_EQ(read(box, {}, QStringLiteral("home"))->moveLock(), 1);
    EXPECT_EQ(read(box, {}, QStringLiteral("basetemplate"))->moveLock(), 0);
    // The lock keeps the low 8 bits of what is stored.
    EXPECT_EQ(read({{"fixed", "258"}})->moveLock(), 2);
}

TEST_F(TextBoxReconstructionTest, ARuleWithoutItsPlaceCannotBeRead)
{
    for (const char* missing : {"position", "left", "top", "z-index"}) {
        auto properties = textBoxProperties(1, 2, 3);
        properties.removeIf([&](const auto& p) { return p.first == QLatin1String(missing); });
        EXPECT_THROW(document.generateATextView(PageObjectRule(ruleLine(".text0", properties)), "home"),
                     PageReadError)
            << missing;
    }
}

TEST_F(TextBoxReconstructionTest, TheKeyReadersAnswerDefaultsForMissingKeys)
{
    const PageObjectRule rule(ruleLine(".text0", {{"width", "12px"}, {"background-color", "#ABCDEF"}}));
    EXPECT_EQ(SKTDocument::parseForItemTypeString(rule, "color", "000000"), QStringLiteral("000000"));
    EXPECT_EQ(SKTDocument::parseForItemTypeInt(rule, "width", 0), 12);
    EXPECT_EQ(SKTDocument::parseForItemTypeInt(rule, "height", -4), -4);
    EXPECT_EQ(SKTDocument::parseForItemTypeFloat(rule, "color", 2.5f), 2.5f);
}

} // namespace
