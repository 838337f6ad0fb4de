#include "DocumentTestSupport.h"
#include "PageLoaderTestSupport.h"

#include "document/reading/ObjectRuleReaders.h"
#include "model/records/GalleryGridView.h"
#include "model/records/LineView.h"
#include "model/records/OuterSlideShow.h"
#include "model/records/TableGridView.h"
#include "model/records/TransformView.h"
#include "model/records/myTextView.h"

namespace {

using namespace ObjectRuleReaders;
using Properties = QList<std::pair<QString, QString>>;

PageObjectRule rule(const QString& selector, const Properties& properties, const QString& companions = {})
{
    return PageObjectRule(ruleLine(selector, properties, companions));
}

Properties placed(int left, int top, int width, int height, int z)
{
    return {{"position", "absolute"},
            {"left", QString::number(left) + "px"},
            {"top", QString::number(top) + "px"},
            {"z-index", QString::number(z)},
            {"width", QString::number(width) + "px"},
            {"height", QString::number(height) + "px"}};
}

class ObjectRuleReadersTest : public DocumentTest {
protected:
    SKTDocument document;
};

TEST_F(ObjectRuleReadersTest, SlideshowsNumberThemselvesInFileOrder)
{
    auto first = readSlideshow(rule(".slideshow4", placed(1, 2, 300, 200, 9)), 0);
    auto second = readSlideshow(
        rule(".slideshow7", placed(1, 2, 300, 200, 8) << Properties{{"autoStart", "1"}, {"fixed", "1"}}), 1);
    EXPECT_EQ(first->slideShowNumber(), 0);
    EXPECT_EQ(second->slideShowNumber(), 1);
    EXPECT_EQ(first->frame(), QRectF(1, 2, 300, 200));
    EXPECT_EQ(first->tag(), 9);
    EXPECT_EQ(first->slideShowAutomaticFlag(), -99);
    EXPECT_EQ(second->slideShowAutomaticFlag(), 1);
    EXPECT_EQ(first->groupNumber(), -99);
    EXPECT_EQ(second->moveLock(), 1);
    EXPECT_EQ(first->textType(), QStringLiteral("Slideshow"));
}

TEST_F(ObjectRuleReadersTest, GalleriesAndTablesTakeMinus99WhereTheyStoreNothing)
{
    auto gallery = readGalleryGrid(rule(".galleryGrid0", placed(5, 6, 400, 300, 2)), 3);
    EXPECT_EQ(gallery->galleryNumber(), 3);
    EXPECT_EQ(gallery->shadowFlag(), -99);
    EXPECT_EQ(gallery->numOfRows(), -99);
    EXPECT_EQ(gallery->numOfColumns(), -99);
    EXPECT_EQ(gallery->bounds(), QRectF(0, 0, 400, 300));

    auto table = readTableGrid(
        rule(".tableGrid0", placed(5, 6, 400, 300, 2) << Properties{{"sectionTopPadding", "5"},
                                                                    {"topPaddingStr", "8"},
                                                                    {"sectionBottomPadding", "6"},
                                                                    {"gridType", "navbar"},
                                                                    {"sectionID", "intro"},
                                                                    {"numOfRows", "2"}}),
        1);
    EXPECT_EQ(table->tableNumber(), 1);
    EXPECT_EQ(table->shadowFlag(), -99);
    EXPECT_EQ(table->numOfRows(), 2);
    EXPECT_EQ(table->numOfColumns(), -99);
    // The box-model values replace the section paddings.
    EXPECT_EQ(table->topPadding(), 8);
    EXPECT_EQ(table->bottomPadding(), 0);
    EXPECT_EQ(table->topPaddingType(), QStringLiteral("%"));
    EXPECT_EQ(table->topPaddingLevelString(), QStringLiteral("None"));
    EXPECT_EQ(table->gridType(), QStringLiteral("navbar"));
    EXPECT_EQ(table->sectionIDString(), QStringLiteral("intro"));
    EXPECT_EQ(readTableGrid(rule(".tableGrid0", placed(5, 6, 4, 3, 2)), 0)->gridType(),
              QStringLiteral("table"));
}

TEST_F(ObjectRuleReadersTest, Lines)
{
    auto line = readLine(rule(".line0", {{"position", "fixed"},
                                         {"lineOriginX", "10"},
                                         {"lineOriginY", "20"},
                                         {"lineEndX", "110"},
                                         {"lineEndY", "20"},
                                         {"z-index", "4"},
                                         {"fixed", "1"},
                                         {"lineAlpha", "0.500000"},
                                         {"border-style", "solid"},
                                         {"border-width", "3px"},
                                         {"border-color", "#FF0000"},
                                         {"groupNumber", "-98"},
                                         {"drawEndArrow", "1"}}));
    EXPECT_EQ(line->beginPoint(), QPointF(10, 20));
    EXPECT_EQ(line->endPoint(), QPointF(110, 20));
    EXPECT_EQ(line->tag(), 4);
    EXPECT_EQ(line->scrollFlag(), 1);
    EXPECT_EQ(line->moveLock(), 1);
    EXPECT_EQ(line->alphaValue(), 0.5);
    EXPECT_EQ(line->borderWidth(), 3);
    EXPECT_EQ(line->borderHexColorString(), QStringLiteral("FF0000"));
    EXPECT_EQ(line->groupNumber(), -98);
    EXPECT_FALSE(line->drawBeginArrow());
    EXPECT_TRUE(line->drawEndArrow());

    auto bare = readLine(rule(".line1", {{"position", "absolute"},
                                         {"lineOriginX", "1"},
                                         {"lineOriginY", "2"},
                                         {"lineEndX", "3"},
                                         {"lineEndY", "4"},
                                         {"z-index", "1"}}));
    EXPECT_EQ(bare->borderStyle(), QStringLiteral("none"));
    EXPECT_EQ(bare->borderHexColorString(), QStringLiteral("000000"));
    EXPECT_EQ(bare->alphaValue(), 1.0);
    EXPECT_EQ(bare->groupNumber(), -99);
    EXPECT_THROW(readLine(rule(".line2", {{"position", "absolute"}, {"lineOriginX", "1"}})), PageReadError);
}

class ImageRuleTest : public ObjectRuleReadersTest {
protected:
    QString pagePath() const { return pathInHome(QStringLiteral("site/home.html")); }
    QString pageFolder() const { return pathInHome(QStringLiteral("site/home")); }

    Properties image(int height, const Properties& extra = {})
    {
        Properties properties = {{"position", "absolute"}, {"left", "10px"},
                                 {"top", "20px"},          {"z-index", "6"},
                                 {"imagename", "image3"},  {"imagetype", "png"},
                                 {"width", "150px"},       {"height", QString::number(height) + "px"}};
        return properties << extra;
    }
};

TEST_F(ImageRuleTest, TheStoredHeightIncludesTheReflection)
{
    auto record = readImage(rule(".image3", image(150, {{"reflection-fraction", "0.500000"}})), pagePath());
    EXPECT_EQ(record->frame(), QRectF(10, 20, 150, 100));
    EXPECT_EQ(record->originalHeight(), 150);
    EXPECT_EQ(record->originalWidth(), 150);
    EXPECT_FLOAT_EQ(record->reflection(), 0.5f);

    auto bordered = readImage(
        rule(".image3",
             image(130, {{"border-width", "2px"}, {"border-style", "solid"}, {"originalHeight", "120"}})),
        pagePath());
    EXPECT_EQ(bordered->frame().height(), 120);
    EXPECT_EQ(bordered->borderWidth(), 2);
    EXPECT_EQ(bordered->border(), 2);
}

TEST_F(ImageRuleTest, ReflectionsOutsideNoneToTheFullHeightAreClamped)
{
    const struct {
        const char* stored;
        float reflection;
        double frameHeight;
    } cases[] = {{"-1", 0.0f, 150}, {"-0.5", 0.0f, 150}, {"3", 1.0f, 75}, {"nan", 0.0f, 150}};
    for (const auto& c : cases) {
        auto record = readImage(rule(".image3", image(150, {{"reflection-fraction", c.stored}})), pagePath());
        EXPECT_EQ(record->reflection(), c.reflection) << c.stored;
        EXPECT_EQ(record->frame().height(), c.frameHeight) << c.stored;
    }
}

TEST_F(ImageRuleTest, DefaultsAndStoredState)
{
    auto record = readImage(rule(".image3", image(50)), pagePath());
    EXPECT_EQ(record->imageName(), QStringLiteral("image3"));
    EXPECT_EQ(record->imageType(), QStringLiteral("png"));
    EXPECT_EQ(record->alpha(), 1.0f);
    EXPECT_EQ(record->slideShowNumber(), -99);
    EXPECT_EQ(record->tableNumber(), -99);
    EXPECT_EQ(record->galleryNumber(), -99);
    EXPECT_EQ(record->rowSpot(), -99);
    EXPECT_EQ(record->imageEnlargeFlag(), -99);
    EXPECT_EQ(record->groupNumber(), -99);
    EXPECT_EQ(record->borderStyle(), QStringLiteral("none"));
    EXPECT_EQ(record->borderHexColorString(), QStringLiteral("000000"));
    EXPECT_EQ(record->topPaddingType(), QStringLiteral("%"));
    EXPECT_EQ(record->retinaFlag(), 0);
    EXPECT_TRUE(record->image().isNull());

    auto stored = readImage(rule(".image3", image(50, {{"border-width", "4px"},
                                                       {"border-style", "dashed"},
                                                       {"bordercolor", "#111111"},
                                                       {"border-color", "#00FF00"},
                                                       {"fixed", "1"},
                                                       {"imageAlpha", "0.250000"},
                                                       {"shadowRadius", "1.000000"},
                                                       {"retina", "1"},
                                                       {"slideShowNumber", "2"},
                                                       {"galleryNumber", "1"},
                                                       {"galleryRowSpot", "0"},
                                                       {"enlarge", "1"},
                                                       {"manualLayerIndex", "44"},
                                                       {"backdrop", "1"},
                                                       {"rightMarginStr", "3"}})),
                            pagePath());
    EXPECT_EQ(stored->borderWidth(), 4);
    EXPECT_EQ(stored->borderHexColorString(), QStringLiteral("00FF00"));
    EXPECT_EQ(stored->moveLock(), 1);
    EXPECT_EQ(stored->alpha(), 0.25f);
    EXPECT_EQ(stored->shadowFlag(), 1);
    EXPECT_EQ(stored->retinaFlag(), 1);
    EXPECT_EQ(stored->slideShowNumber(), 2);
    EXPECT_EQ(stored->galleryNumber(), 1);
    EXPECT_EQ(stored->rowSpot(), 0);
    EXPECT_EQ(stored->imageEnlargeFlag(), 1);
    EXPECT_EQ(stored->manualLayerIndex(), 44);
    EXPECT_EQ(stored->backdropLightingFlag(), 1);
    EXPECT_EQ(stored->rightMargin(), 3);
    // The older spelling of the border colour serves when the newer one is missing.
    auto older = readImage(rule(".image3", image(50, {{"bordercolor", "#111111"}})), pagePath());
    EXPECT_EQ(older->borderHexColorString(), QStringLiteral("111111"));
}

TEST_F(ImageRuleTest, PictureAndMaskComeFromThePageFolder)
{
    writePicture(pageFolder() + "/image3.png", QSize(4, 3), Qt::red, "PNG");
    writePicture(pageFolder() + "/image3_mask.png", QSize(2, 2), Qt::black, "PNG");
    auto record = readImage(rule(".image3", image(50, {{"imageMaskFlag", "1"}})), pagePath());
    EXPECT_EQ(record->image().size(), QSize(4, 3));
    EXPECT_EQ(record->maskImage().size(), QSize(2, 2));
    EXPECT_THROW(readImage(rule(".image3", {{"position", "absolute"}, {"left", "1px"}}), pagePath()),
                 PageReadError);
}

TEST_F(ObjectRuleReadersTest, PlainSnippetsAreGreyBoxesOfCode)
{
    auto snippet = readSnippet(document,
                               rule(".snippet0", {{"position", "absolute"},
                                                  {"left", "10px"},
                                                  {"top", "20px"},
                                                  {"z-index", "7"},
                                                  {"width", "300px"},
                                                  {"height", "80px"},
                                                  {"nlines", "2"},
                                                  {"fixed", "1"},
                                                  {"groupNumber", "-98"},
                                                  {"templateName", "home"},
                                                  {"manualLayerIndex", "3"},
                                                  {"snippetFormattingFlag", "0"}}),
                               QStringLiteral("home"));
    EXPECT_EQ(snippet->frame(), QRectF(10, 20, 300, 80));
    EXPECT_EQ(snippet->textType(), QStringLiteral("HTMLSnippet"));
    EXPECT_EQ(snippet->nlines(), 2);
    EXPECT_EQ(snippet->tag(), 7);
    EXPECT_EQ(snippet->moveLock(), 1);
    EXPECT_EQ(snippet->groupNumber(), -98);
    EXPECT_EQ(snippet->templateName(), QStringLiteral("home"));
    EXPECT_EQ(snippet->manualLayerIndex(), 3);
    EXPECT_EQ(snippet->tableNumber(), -99);
    EXPECT_EQ(snippet->backgroundHexColorString(), QStringLiteral("DCDCDC"));
    EXPECT_EQ(snippet->textColorString(), QStringLiteral("4F4C4C"));
    EXPECT_EQ(snippet->textView()->borderLine(), QStringLiteral("dashed"));
    EXPECT_DOUBLE_EQ(snippet->alphaValue(), 0.9);
    EXPECT_EQ(snippet->snippetFormatFlag(), 0);
}

TEST_F(ObjectRuleReadersTest, FormattedSnippetsAreReadAsTextBoxes)
{
    auto snippet =
        readSnippet(document,
                    rule(".snippet1", placed(10, 20, 200, 50, 4) << Properties{{"nlines", "3"},
                                                                               {"snippetFormattingFlag", "1"},
                                                                               {"padding", "5px"},
                                                                               {"color", "#123456"},
                                                                               {"containsLinkFlag", "1"}}),
                    QStringLiteral("home"));
    EXPECT_EQ(snippet->textType(), QStringLiteral("HTMLSnippet"));
    EXPECT_EQ(snippet->snippetFormatFlag(), 1);
    EXPECT_EQ(snippet->containsLinkFlag(), 1);
    EXPECT_EQ(snippet->frame(), QRectF(10, 20, 210, 60));
    EXPECT_EQ(snippet->textColorString(), QStringLiteral("123456"));
    EXPECT_EQ(snippet->nlines(), 3);
}

TEST_F(ObjectRuleReadersTest, PlainPagesReadTextRulesAsTextBoxes)
{
    auto properties = placed(10, 20, 100, 40, 2) << Properties{{"formType", "text"}};
    auto box = readText(document, rule(".text0", properties), QStringLiteral("home"), false);
    EXPECT_EQ(box->formType(), QStringLiteral("text"));
    EXPECT_EQ(box->textType(), QStringLiteral("Text"));
    // The base template is never a form page.
    auto base = readText(document, rule(".text0", properties), QStringLiteral("basetemplate"), true);
    EXPECT_EQ(base->frame(), box->frame());
}

class FormFieldTest : public ObjectRuleReadersTest {
protected:
    std::shared_ptr<myTextView> field(const QString& formType, const Properties& extra = {},
                                      const QString& formCompanion = {})
    {
        Properties properties = {
            {"position", "absolute"}, {"left", "30px"}, {"top", "40px"}, {"z-index", "5"}};
        properties << extra;
        QString companions = formCompanion;
        if (!formType.isEmpty() && companions.isEmpty())
            companions = QStringLiteral(".text0 a:visited {color: #000000;formType:") + formType +
                         QStringLiteral(";formTag:3;formOptionTag:2;formRequiredFlag:1;}");
        return readText(document, rule(".text0", properties, companions), QStringLiteral("contact"), true);
    }
};

TEST_F(FormFieldTest, ChoicesKeepTheFactoryLookWithTheRulesPlace)
{
    for (const char* type : {"radio", "checkbox"}) {
        auto choice = field(QString::fromLatin1(type), {{"groupNumber", "-97"}, {"sectionNumber", "2"}});
        EXPECT_EQ(choice->formType(), QString::fromLatin1(type));
        EXPECT_EQ(choice->frame(), QRectF(30, 40, 15, 15)) << type;
        EXPECT_EQ(choice->formTag(), 3);
        EXPECT_EQ(choice->formOptionTag(), 2);
        EXPECT_EQ(choice->tag(), 5);
        EXPECT_EQ(choice->groupNumber(), -97);
        EXPECT_EQ(choice->sectionNumber(), 2);
        EXPECT_EQ(choice->tableNumber(), -99);
        EXPECT_TRUE(choice->textView()->hidden());
    }
    EXPECT_EQ(field("radio")->cornerRadius(), 7.0f);
}

TEST_F(FormFieldTest, SubmitButtonsTakeTheRulesSizeOr70By25)
{
    auto bare = field("submit");
    EXPECT_EQ(bare->frame(), QRectF(30, 40, 70, 25));
    EXPECT_EQ(bare->textAlignment(), QStringLiteral("center"));
    auto styled = field("submit",
                        {{"width", "90px"},
                         {"height", "30px"},
                         {"background-color", "#FF0000"},
                         {"color", "#00FF00"},
                         {"border-style", "solid"},
                         {"border-width", "2px"},
                         {"border-radius", "4.5px"}},
                        ".text0{hoverColor:0000FF;}.text0 a:visited {formType:submit;formTag:9;}");
    // 90 + 2 * 2 of border on a page without the Bootstrap box model.
    EXPECT_EQ(styled->frame(), QRectF(30, 40, 94, 34));
    EXPECT_EQ(styled->colorString(), QStringLiteral("FF0000"));
    EXPECT_EQ(styled->backgroundHexColorString(), QStringLiteral("FF0000"));
    EXPECT_EQ(styled->textColorString(), QStringLiteral("00FF00"));
    EXPECT_EQ(styled->hoverColorString(), QStringLiteral("0000FF"));
    EXPECT_EQ(styled->formTag(), 9);
    EXPECT_EQ(styled->borderWidth(), 2);
    EXPECT_EQ(styled->cornerRadius(), 4.0f);
}

TEST_F(FormFieldTest, EntryFieldsAndTheirPlaceholders)
{
    document.setUsingBootStrapFlag(false);
    auto paragraph = field("textarea", {{"width", "200px"},
                                        {"height", "100px"},
                                        {"padding", "5px"},
                                        {"border-style", "solid"},
                                        {"border-width", "1px"}});
    EXPECT_EQ(paragraph->formType(), QStringLiteral("textarea"));
    EXPECT_EQ(paragraph->frame(), QRectF(30, 40, 212, 112));
    EXPECT_EQ(paragraph->textView()->string(), QStringLiteral("Paragraph Placeholder"));
    EXPECT_EQ(paragraph->formRequiredFlag(), 1);
    EXPECT_EQ(paragraph->textView()->borderLine(), QStringLiteral("solid"));
    document.setUsingBootStrapFlag(true);
    EXPECT_EQ(field("textarea", {{"width", "200px"}, {"height", "100px"}, {"padding", "5px"}})->frame(),
              QRectF(30, 40, 200, 100));
    EXPECT_EQ(field("text", {{"width", "100%"}})->frame().width(), 9999);

    struct Case {
        int option;
        const char* text;
    };
    for (const Case c : {Case{-22, "3"}, Case{-11, "name@example.com"}, Case{1, "Text Field Placeholder"}}) {
        auto entry = field(
            "text", {{"markAsReplyFlag", "1"}},
            QStringLiteral(".text0 a:visited {formType:text;formTag:4;formOptionTag:%1;}").arg(c.option));
        EXPECT_EQ(entry->textView()->string(), QString::fromLatin1(c.text));
        EXPECT_EQ(entry->formOptionTag(), c.option);
        EXPECT_EQ(entry->markAsReplyToEmailFlag(), 1);
    }
}

TEST_F(FormFieldTest, RulesWithoutFormTagsHaveNone)
{
    field("radio");
    auto next = field("radio", {}, QStringLiteral(".text0 a:visited {formType:radio;}"));
    EXPECT_EQ(next->formTag(), -99);
    EXPECT_EQ(next->formOptionTag(), -99);
}

TEST_F(FormFieldTest, OtherFormTypesAreTextBoxes)
{
    auto label = field("textLabel", {{"width", "100px"}, {"height", "20px"}});
    EXPECT_EQ(label->formType(), QStringLiteral("textLabel"));
    EXPECT_EQ(label->frame(), QRectF(30, 40, 100, 20));
    EXPECT_EQ(field({}, {{"width", "50px"}})->formType(), QString());
}

TEST_F(ObjectRuleReadersTest, OldTablesAndCells)
{
    auto table = readOldTable(rule(".table2", placed(1, 2, 300, 100, 3) << Properties{{"fixed", "1.000000"},
                                                                                      {"numOfRows", "2"},
                                                                                      {"numOfColumns", "3"},
                                                                                      {"tableNumber", "2"}}));
    EXPECT_EQ(table->frame(), QRectF(1, 2, 300, 100));
    EXPECT_EQ(table->moveLock(), 1);
    EXPECT_EQ(table->numOfColumns(), 3);
    EXPECT_EQ(table->tableNumber(), 2);
    EXPECT_THROW(readOldTable(rule(".table2", placed(1, 2, 3, 4, 5))), PageReadError);

    auto cell = readOldTableCell(rule(".ttext0", {{"position", "absolute"},
                                                  {"font-size", "12px"},
                                                  {"font-family", "Lato"},
                                                  {"color", "#FF0000"},
                                                  {"border-style", "solid"},
                                                  {"tableNumber", "2"},
                                                  {"rowNumber", "1"},
                                                  {"columnNumber", "4"}}));
    EXPECT_EQ(cell->partOfTableFlag(), 1);
    EXPECT_EQ(cell->tableNumber(), 2);
    EXPECT_EQ(cell->rowSpot(), 4);
    EXPECT_EQ(cell->columnSpot(), 1);
    EXPECT_EQ(cell->textColorString(), QStringLiteral("FF0000"));
    EXPECT_EQ(cell->textView()->backgroundColor().alpha(), 0);
    EXPECT_EQ(cell->textType(), QStringLiteral("Text"));
}

} // namespace
