#include "ExpectedValues.h"
#include "ModelTestSupport.h"
#include "RecordTestSupport.h"

#include "model/ArchivedImage.h"
#include "model/PlainGraphicContext.h"
#include "model/SKTImage.h"
#include "model/records/LineView.h"
#include "platform/Format.h"
#include "profile/DataCentre.h"

#include <gtest/gtest.h>

#include <QPromise>
#include <QSemaphore>
#include <QTimeZone>

#include <thread>

namespace {

using namespace GraphicProperties;

const QString kClear = QStringLiteral("CLEAR0");

class RecordConversionTest : public ::testing::Test {
protected:
    void SetUp() override { DataCentre::resetProfile(); }
};

TEST_F(RecordConversionTest, EmptyRecordListConvertsToEmptyList)
{
    EXPECT_TRUE(converted({}).isEmpty());
}

TEST_F(RecordConversionTest, TextAlignmentWordsAreComparedExactly)
{
    const struct {
        QString word;
        const char* fontAlignment;
    } cases[] = {
        {QStringLiteral("left"), "0"},    {QStringLiteral("center"), "1"},
        {QStringLiteral("Center"), "0"},  {QStringLiteral("right"), "2"},
        {QStringLiteral("justify"), "3"}, {QStringLiteral("JUSTIFY"), "0"},
        {QStringLiteral("middle"), "0"},  {QString(), "0"},
    };
    for (const auto& c : cases) {
        auto record = loadedTextRecord();
        record->setTextAlignment(c.word);
        EXPECT_EQ(convertedOne(record).value("fontAlignment"), QString::fromLatin1(c.fontAlignment))
            << qPrintable(c.word);
    }
}

TEST_F(RecordConversionTest, ClearTextBackgroundsBecomeClear0InDictionaryAndRecord)
{
    for (const QString& background :
         {QString(), QStringLiteral(""), kClear, QStringLiteral("(null)"), QStringLiteral("FF0000")}) {
        auto record = loadedTextRecord();
        record->setBackgroundHexColorString(background);
        const GraphicPropertyDictionary d = convertedOne(record);
        const bool red = background == QLatin1String("FF0000");
        const QString expected = red ? background : kClear;
        EXPECT_EQ(d.value("backgroundHexColorString"), expected) << qPrintable(background);
        EXPECT_EQ(record->backgroundHexColorString(), expected) << qPrintable(background);
        EXPECT_EQ(unarchivedColor(d.value("fillColor")), red ? QColor(Qt::red) : QColor(Qt::transparent))
            << qPrintable(background);
        EXPECT_TRUE(isDataBlock(d.value("fillColor")));
    }
}

TEST_F(RecordConversionTest, TextRecordFieldsBecomeTextKeys)
{
    auto record = loadedTextRecord(QStringLiteral("Two\nlines"));
    record->setFrame(QRectF(12, 34, 250, 60));
    record->setAlphaValue(0.5);
    QFont font(QStringLiteral("Courier"));
    font.setPointSizeF(17);
    record->textView()->setFont(font);
    record->setTextColorString(QStringLiteral("112233"));
    record->setVerticalAlignment(2);
    record->setCornerRadius(4.5f);
    record->setBorderWidth(3);
    record->setBorderHexColorString(QStringLiteral("0000FF"));
    record->setShadowFlag(2);
    record->setMatchScreenFlag(2);
    record->setScrollFlag(1);
    record->setMoveLock(2);
    record->setManualLayerIndex(7);
    record->setGroupNumber(-97);
    record->setLineSpacing(1.5f);
    record->setLinkOption(QStringLiteral("_blank"));
    record->setFormType(QStringLiteral("text"));
    record->setFormTag(4);
    record->setTopPadding(8);
    record->setTopPaddingType(QStringLiteral("%"));

    const GraphicPropertyDictionary d = convertedOne(record);
    const std::vector<KeyCase> cases = {
        {"className", QStringLiteral("SKTText")},
        {"templateName", QStringLiteral("index")},
        {"bounds", QStringLiteral("{{12, 34}, {250, 60}}")},
        {"textString", QStringLiteral("Two\nlines")},
        {"textType", QStringLiteral("Text")},
        {"fontSize", QStringLiteral("17.000000")},
        {"fontFamily", QStringLiteral("Courier")},
        {"fontColor", QStringLiteral("112233")},
        {"textHexColorString", QStringLiteral("112233")},
        {"verticalAlignment", QStringLiteral("2")},
        {"cornerRadius", QStringLiteral("4.500000")},
        {"borderWidth", QStringLiteral("3")},
        {"borderHexColorString", QStringLiteral("0000FF")},
        {"borderStyle", QStringLiteral("solid")},
        {"opacity", QStringLiteral("0.500000")},
        {"shadowFlag", QStringLiteral("1")},
        {"matchScreenFlag", QStringLiteral("0")},
        {"scrollFlag", QStringLiteral("1")},
        {"moveLock", QStringLiteral("2")},
        {"manualLayerIndex", QStringLiteral("7")},
        {"groupNumber", QStringLiteral("-97")},
        {"lineSpacing", QStringLiteral("1.500000")},
        {"linkOption", QStringLiteral("_blank")},
        {"formType", QStringLiteral("text")},
        {"formTag", QStringLiteral("4")},
        {"formOptionTag", QStringLiteral("-99")},
        {"sectionNumber", QStringLiteral("-99")},
        {"topPadding", QStringLiteral("8")},
        {"topPaddingType", QStringLiteral("%")},
        {"imageLastModDate", QStringLiteral("")},
        {"slideShowNumber", QStringLiteral("-99")},
        {"altText", QStringLiteral("")},
    };
    expectKeys(d, cases);
    EXPECT_EQ(unarchivedColor(d.value("borderColor")), QColor(Qt::blue));
    // The family name, when the loader read one, wins over the companion's font.
    record->setFamilyName(QStringLiteral("Anton"));
    EXPECT_EQ(convertedOne(record).value("fontFamily"), QStringLiteral("Anton"));
}

TEST_F(RecordConversionTest, TextDefaultsAreWrittenBackIntoTheRecord)
{
    auto record = loadedTextRecord();
    record->setBubbleShape(QStringLiteral(""));
    record->setLeftMarginType(QStringLiteral(""));
    record->setRightPaddingLevelString(QStringLiteral(""));
    record->setOnClickShowString(QStringLiteral(""));
    const GraphicPropertyDictionary d = convertedOne(record);

    const struct {
        const char* key;
        QString (myTextView::*field)() const;
        const char* expected;
    } cases[] = {
        {"link", &myTextView::link, ""},
        {"linkOption", &myTextView::linkOption, "_self"},
        {"linkType", &myTextView::linkType, "text"},
        {"hoverColorString", &myTextView::hoverColorString, ""},
        {"hoverTextColorString", &myTextView::hoverTextColorString, ""},
        {"formType", &myTextView::formType, ""},
        {"bubbleShape", &myTextView::bubbleShape, ""},
        {"borderHexColorString", &myTextView::borderHexColorString, "000000"},
        {"onClickShowString", &myTextView::onClickShowString, ""},
        {"onClickHideString", &myTextView::onClickHideString, ""},
        {"topPaddingType", &myTextView::topPaddingType, "pixel"},
        {"leftMarginType", &myTextView::leftMarginType, "pixel"},
        {"rightPaddingLevelString", &myTextView::rightPaddingLevelString, "None"},
        {"bottomMarginLevelString", &myTextView::bottomMarginLevelString, "None"},
    };
    for (const auto& c : cases) {
        const QString expected = QString::fromLatin1(c.expected);
        EXPECT_EQ(d.value(c.key), expected) << c.key;
        EXPECT_EQ(((*record).*c.field)(), expected) << c.key;
        EXPECT_FALSE(((*record).*c.field)().isNull()) << c.key;
    }
    EXPECT_EQ(unarchivedColor(d.value("borderColor")), QColor(Qt::black));
}

TEST_F(RecordConversionTest, TextRecordMissingAPlainTextStillConverts)
{
    auto bare = std::make_shared<myTextView>();
    bare->setTableNumber(-99);
    bare->textView()->setBorderLine(QString());
    auto noCompanion = loadedTextRecord(QStringLiteral("no companion"));
    noCompanion->setTextView(nullptr);
    noCompanion->setTextColorString(QString());

    const QList<GraphicPropertyDictionary> dictionaries =
        converted({loadedTextRecord(QStringLiteral("first")), bare, noCompanion, loadedImageRecord()});
    ASSERT_EQ(classNames(dictionaries), QStringList({"SKTText", "SKTText", "SKTText", "SKTImage"}));
    for (const char* key : {"textType", "textString", "borderStyle", "fontColor", "textHexColorString"})
        EXPECT_EQ(dictionaries[1].value(key), QStringLiteral("")) << key;
    for (const char* key : {"textString", "borderStyle", "fontColor", "textHexColorString", "fontFamily"})
        EXPECT_EQ(dictionaries[2].value(key), QStringLiteral("")) << key;
    EXPECT_EQ(dictionaries[0].value("textString"), QStringLiteral("first"));
    EXPECT_EQ(dictionaries[2].value("textType"), QStringLiteral("Text"));
    EXPECT_EQ(dictionaries[2].value("fontSize"), QStringLiteral("0.000000"));
}

TEST_F(RecordConversionTest, ImageBoundsGrowByTheReflectionUpToTheFullHeight)
{
    const struct {
        double frameHeight;
        float reflection;
        double boundsHeight;
        const char* reflectionText;
    } cases[] = {
        {80, 0.25f, 100, "0.250000"}, {100, 0.5f, 150, "0.500000"}, {100, 0.0f, 100, "0.000000"},
        {80, 1.0f, 160, "1.000000"},  {80, 1.75f, 160, "1.000000"}, {80, -0.5f, 80, "0.000000"},
    };
    for (const auto& c : cases) {
        auto record = loadedImageRecord();
        record->setFrame(QRectF(5, 6, 100, c.frameHeight));
        record->setReflection(c.reflection);
        const GraphicPropertyDictionary d = convertedOne(record);
        EXPECT_EQ(Format::rectFromString(d.value("bounds").toString()), QRectF(5, 6, 100, c.boundsHeight))
            << c.reflection;
        EXPECT_EQ(d.value("reflection"), QString::fromLatin1(c.reflectionText));
    }
}

// An opened page's pictures decode on the pool while the rest of the page is read: the conversion into
// graphics passes a picture still decoding along, and the graphic settles it when it is first asked for.
TEST_F(RecordConversionTest, APictureStillDecodingReachesTheGraphicWithoutWaitingForIt)
{
    QPromise<QImage> decoding;
    decoding.start();
    // Should the conversion wait, this ends the wait with no picture, so the test fails rather than hangs.
    QSemaphore converted;
    std::thread watchdog([&] {
        if (!converted.tryAcquire(1, 5000)) {
            decoding.addResult(QImage());
            decoding.finish();
        }
    });
    auto record = loadedImageRecord();
    record->setFrame(QRectF(0, 0, 40, 20));
    record->setReflection(0.5f);
    record->setPendingImage(PendingImage(decoding.future()));
    const GraphicList graphics = SKTGraphic::graphicsWithProperties({record}, QStringLiteral("index"));
    const bool waited = decoding.future().isFinished();
    QImage picture(40, 20, QImage::Format_ARGB32);
    picture.fill(Qt::red);
    if (!waited) {
        decoding.addResult(picture);
        decoding.finish();
    }
    converted.release();
    watchdog.join();

    EXPECT_FALSE(waited);
    ASSERT_EQ(graphics.size(), 1);
    const auto& image = static_cast<const SKTImage&>(*graphics.first());
    EXPECT_EQ(image.inputImage(), picture);
    // The drawn picture follows: the picture and half of it again as its reflection.
    EXPECT_EQ(image._contents().size(), QSize(40, 30));
    // The record reads the same decoded picture.
    EXPECT_EQ(record->image(), picture);
}

TEST_F(RecordConversionTest, MoveLockOfTwoLocksTextButNotImages)
{
    auto text = loadedTextRecord();
    auto image = loadedImageRecord();
    const struct {
        int lock;
        const char *text, *image;
    } cases[] = {{0, "0", "0"}, {1, "1", "1"}, {2, "2", "0"}};
    for (const auto& c : cases) {
        text->setMoveLock(RecordFlag(c.lock));
        image->setMoveLock(RecordFlag(c.lock));
        EXPECT_EQ(convertedOne(text).value("moveLock"), QString::fromLatin1(c.text)) << c.lock;
        EXPECT_EQ(convertedOne(image).value("moveLock"), QString::fromLatin1(c.image)) << c.lock;
    }
}

TEST_F(RecordConversionTest, ImageRecordFieldsBecomeImageKeys)
{
    QImage picture(4, 3, QImage::Format_ARGB32);
    picture.fill(Qt::green);
    QImage mask(4, 3, QImage::Format_ARGB32);
    mask.fill(Qt::white);
    const QDateTime modified(QDate(2024, 3, 5), QTime(10, 30), QTimeZone::utc());

    auto record = loadedImageRecord(QStringLiteral("image7.jpg"));
    record->setImage(picture);
    record->setMaskImage(mask);
    record->setImageLastModDate(modified);
    record->setAlpha(0.75f);
    record->setShadowFlag(3);
    record->setScrollFlag(2);
    record->setRetinaFlag(1);
    record->setBubbleFlag(1);
    record->setBorderWidth(2);
    record->setGalleryNumber(1);
    record->setRotationAngle(90);

    const GraphicPropertyDictionary d = convertedOne(record);
    const std::vector<KeyCase> cases = {
        {"className", QStringLiteral("SKTImage")},
        {"templateName", QStringLiteral("index")},
        {"imageName", QStringLiteral("image7.jpg")},
        {"imageType", QStringLiteral("png")},
        {"opacity", QStringLiteral("0.750000")},
        {"shadowFlag", QStringLiteral("1")},
        {"scrollFlag", QStringLiteral("0")},
        {"retinaFlag", QStringLiteral("1")},
        {"bubbleFlag", QStringLiteral("1")},
        {"borderWidth", QStringLiteral("2")},
        {"slideShowNumber", QStringLiteral("-99")},
        {"rotationAngle", QStringLiteral("90.000000")},
        {"imageLastModDate", modified},
        {"altText", QStringLiteral("")},
        {"link", QStringLiteral("")},
        {"linkOption", QStringLiteral("_self")},
        {"linkType", QStringLiteral("text")},
        {"borderHexColorString", QStringLiteral("000000")},
        {"borderStyle", QStringLiteral("none")},
        {"textHexColorString", QStringLiteral("000000")},
        {"backgroundHexColorString", QStringLiteral("FFFFFF")},
        {"leftMarginType", QStringLiteral("pixel")},
    };
    expectKeys(d, cases);
    EXPECT_EQ(unarchivedImage(d.value("contents")).convertToFormat(QImage::Format_ARGB32), picture);
    EXPECT_EQ(unarchivedImage(d.value("maskImage")).convertToFormat(QImage::Format_ARGB32), mask);
    EXPECT_EQ(record->linkOption(), QStringLiteral("_self"));
    EXPECT_EQ(record->borderHexColorString(), QStringLiteral("000000"));
    for (const char* absent :
         {"topPaddingLevelString", "textString", "textType", "fontAlignment", "formType"})
        EXPECT_FALSE(d.contains(absent)) << absent;

    record->setImageLastModDate(QDateTime());
    EXPECT_EQ(convertedOne(record).value("imageLastModDate"), QStringLiteral(""));
}

TEST_F(RecordConversionTest, OnlyFreeRecordsBecomeObjectsOfTheirOwn)
{
    auto cell = loadedTextRecord(QStringLiteral("cell"));
    cell->setTableNumber(2);
    auto field = loadedTextRecord(QStringLiteral("field"));
    field->setTableNumber(2);
    field->setFormType(QStringLiteral("checkbox"));
    auto slide = loadedImageRecord();
    slide->setSlideShowNumber(4);
    auto tableImage = loadedImageRecord();
    tableImage->setTableNumber(3);
    auto galleryImage = loadedImageRecord(QStringLiteral("image5.png"));
    galleryImage->setGalleryNumber(1);
    auto plainView = std::make_shared<ElementRecord>(QRectF(0, 0, 10, 10));

    const QList<GraphicPropertyDictionary> dictionaries =
        converted({cell, field, slide, loadedTextRecord(QStringLiteral("a")), plainView,
                   loadedTextRecord(QStringLiteral("b")), tableImage, galleryImage, nullptr});
    ASSERT_EQ(classNames(dictionaries), QStringList({"SKTText", "SKTText", "SKTText", "SKTImage"}));
    EXPECT_EQ(dictionaries[0].value("textString"), QStringLiteral("field"));
    EXPECT_EQ(dictionaries[1].value("textString"), QStringLiteral("a"));
    EXPECT_EQ(dictionaries[2].value("textString"), QStringLiteral("b"));
    EXPECT_EQ(dictionaries[3].value("imageName"), QStringLiteral("image5.png"));
    EXPECT_EQ(field->tableNumber(), -99);
    EXPECT_EQ(cell->tableNumber(), 2);
    // A cell gets its defaults like any text record.
    EXPECT_EQ(cell->linkOption(), QStringLiteral("_self"));
}

TEST_F(RecordConversionTest, EveryDictionaryCarriesTheTemplateName)
{
    auto line = std::make_shared<LineView>();
    line->setBorderStyle(QStringLiteral("solid"));
    line->setBorderHexColorString(QStringLiteral("000000"));
    for (const QString& name : {QStringLiteral("basetemplate"), QStringLiteral("contact")}) {
        const QList<GraphicPropertyDictionary> dictionaries =
            converted({loadedTextRecord(), loadedImageRecord(), line}, name);
        ASSERT_EQ(dictionaries.size(), 3);
        for (const GraphicPropertyDictionary& d : dictionaries)
            EXPECT_EQ(d.value("templateName"), name) << qPrintable(d.value("className").toString());
    }
}

TEST_F(RecordConversionTest, GraphicsOfTheBaseTemplateAreNotSelectableOnOtherPages)
{
    if (!GraphicKinds::isKind(QStringLiteral("SKTText")))
        GraphicKinds::registerKind(QStringLiteral("SKTText"), [] { return std::make_shared<TestShape>(); });
    ScopedContext<PlainGraphicContext> context;
    context.setDocumentPageName(QStringLiteral("index"));

    const GraphicList base =
        SKTGraphic::graphicsWithProperties({loadedTextRecord()}, QStringLiteral("basetemplate"));
    ASSERT_EQ(base.size(), 1);
    EXPECT_EQ(base.first()->templateName(), QStringLiteral("basetemplate"));
    EXPECT_FALSE(base.first()->selectable());

    const GraphicList own = SKTGraphic::graphicsWithProperties({loadedTextRecord()}, QStringLiteral("index"));
    ASSERT_EQ(own.size(), 1);
    EXPECT_TRUE(own.first()->selectable());
}

} // namespace
