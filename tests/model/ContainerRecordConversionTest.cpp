#include "ExpectedValues.h"
#include "RecordTestSupport.h"

#include "model/RecordConversion.h"
#include "model/records/GalleryGridView.h"
#include "model/records/LineView.h"
#include "model/records/OuterSlideShow.h"
#include "model/records/TableGridView.h"
#include "profile/DataCentre.h"

#include <gtest/gtest.h>

#include <QTextDocument>

namespace {

using namespace GraphicProperties;

class ContainerRecordConversionTest : public ::testing::Test {
protected:
    void SetUp() override { DataCentre::resetProfile(); }
    void TearDown() override { DataCentre::resetProfile(); }
};

std::shared_ptr<TransformView> slideOf(int slideshow, const QString& name)
{
    auto image = loadedImageRecord(name);
    image->setSlideShowNumber(slideshow);
    return image;
}

std::shared_ptr<OuterSlideShow> slideshowRecord(int number)
{
    auto slideshow = OuterSlideShow::initWithFrame(QRectF(20, 30, 400, 300));
    slideshow->setSlideShowNumber(number);
    slideshow->setGroupNumber(-99);
    return slideshow;
}

std::shared_ptr<TableGridView> tableRecord(int number)
{
    auto table = std::make_shared<TableGridView>(QRectF(0, 100, 300, 200));
    table->setTableNumber(number);
    table->setGridType(QStringLiteral("navbar"));
    table->setNumOfRows(1);
    table->setNumOfColumns(3);
    table->setSectionIDString(QStringLiteral(""));
    for (auto set : {&TableGridView::setTopPaddingType, &TableGridView::setBottomPaddingType,
                     &TableGridView::setLeftPaddingType, &TableGridView::setRightPaddingType,
                     &TableGridView::setTopMarginType, &TableGridView::setBottomMarginType,
                     &TableGridView::setLeftMarginType, &TableGridView::setRightMarginType})
        ((*table).*set)(QStringLiteral("%"));
    return table;
}

std::shared_ptr<myTextView> cellOf(int table, const QString& text)
{
    auto cell = loadedTextRecord(text);
    cell->setTableNumber(table);
    return cell;
}

template <class List> QStringList imageNames(const QVariant& value)
{
    QStringList names;
    for (const auto& record : value.value<List>())
        names << record->imageName();
    return names;
}

QStringList cellTexts(const QVariant& value)
{
    QStringList texts;
    for (const auto& cell : value.value<myTextViewList>())
        texts << cell->textView()->string();
    return texts;
}

GraphicPropertyDictionary dictionaryOf(const QList<GraphicPropertyDictionary>& dictionaries,
                                       const char* className)
{
    for (const GraphicPropertyDictionary& dictionary : dictionaries) {
        if (dictionary.value("className") == QLatin1String(className))
            return dictionary;
    }
    return {};
}

TEST_F(ContainerRecordConversionTest, ImageNameIndexReadsTheNumberAfterImage)
{
    const struct {
        const char* name;
        int index;
    } cases[] = {
        {"image12.png", 12}, {"image9.jpg", 9},  {"image", 0},        {"img.png", 0},
        {"imagex.png", 0},   {"image 7.png", 7}, {"image-3.png", -3}, {"", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RecordConversion::imageNameIndex(QString::fromLatin1(c.name)), c.index) << c.name;
}

TEST_F(ContainerRecordConversionTest, SlideshowListsItsImagesInFileNumberOrderKeepingListPositions)
{
    auto slideshow = slideshowRecord(3);
    const auto image10 = slideOf(3, QStringLiteral("image10.png"));
    const auto image9 = slideOf(3, QStringLiteral("image9.png"));
    const auto image2 = slideOf(3, QStringLiteral("image2.png"));
    const auto unnumbered = slideOf(3, QStringLiteral("picture.png"));

    const QList<GraphicPropertyDictionary> dictionaries =
        converted({image10, loadedTextRecord(), slideshow, image9, image2, unnumbered});
    ASSERT_EQ(classNames(dictionaries), QStringList({"SKTText", "SKTSlideshow"}));
    const GraphicPropertyDictionary& d = dictionaries[1];
    EXPECT_EQ(imageNames<TransformViewList>(d.value("imageArray")),
              QStringList({"picture.png", "image2.png", "image9.png", "image10.png"}));
    EXPECT_EQ(d.value("totalNumofSlide"), QStringLiteral("4"));
    EXPECT_EQ(image10->slideNumber(), 0);
    EXPECT_EQ(image9->slideNumber(), 3);
    EXPECT_EQ(image2->slideNumber(), 4);
    EXPECT_EQ(unnumbered->slideNumber(), 5);
}

TEST_F(ContainerRecordConversionTest, SlideshowDictionaryHasItsFixedLook)
{
    auto slideshow = slideshowRecord(1);
    slideshow->setMoveLock(2);
    slideshow->setManualLayerIndex(5);
    slideshow->setSlideShowAutomaticFlag(1);
    const GraphicPropertyDictionary d = convertedOne(slideshow);
    const std::vector<KeyCase> cases = {
        {"className", "SKTSlideshow"},
        {"templateName", "index"},
        {"bounds", "{{20, 30}, {400, 300}}"},
        {"totalNumofSlide", "0"},
        {"groupNumber", "-99"},
        {"slideShowAutomaticFlag", "1"},
        {"manualLayerIndex", "5"},
        {"moveLock", "1"},
        {"slideShowNumber", "-99"},
        {"fontAlignment", "1"},
        {"cornerRadius", "0.000000"},
        {"fontSize", "25.000000"},
        {"opacity", "1.000000"},
        {"shadowFlag", "0"},
        {"fontColor", "DC143C"},
        {"fillColor", "ffffff"},
        {"fontFamily", "Helvetica Neue"},
        {"borderStyle", "dashed"},
        {"textString", "Right click to edit slideshow"},
        {"textHexColorString", "000000"},
        {"backgroundHexColorString", "FFFFFF"},
        {"link", ""},
        {"textType", ""},
        {"imageLastModDate", ""},
        {"altText", ""},
        {"linkOption", "_self"},
        {"linkType", "text"},
    };
    expectKeys(d, cases);
    EXPECT_TRUE(d.value("imageArray").value<TransformViewList>().isEmpty());
}

TEST_F(ContainerRecordConversionTest, SlideshowsListOnlyTheirOwnImages)
{
    const auto free = loadedImageRecord(QStringLiteral("image1.png"));
    const QList<GraphicPropertyDictionary> dictionaries =
        converted({slideshowRecord(1), slideOf(1, QStringLiteral("image3.png")),
                   slideOf(2, QStringLiteral("image4.png")), free, slideshowRecord(2),
                   slideOf(1, QStringLiteral("image5.png"))});
    ASSERT_EQ(classNames(dictionaries), QStringList({"SKTSlideshow", "SKTImage", "SKTSlideshow"}));
    EXPECT_EQ(imageNames<TransformViewList>(dictionaries[0].value("imageArray")),
              QStringList({"image3.png", "image5.png"}));
    EXPECT_EQ(imageNames<TransformViewList>(dictionaries[2].value("imageArray")),
              QStringList({"image4.png"}));
    EXPECT_EQ(dictionaries[1].value("imageName"), QStringLiteral("image1.png"));
}

TEST_F(ContainerRecordConversionTest, ContainersNumberedNoneGatherNothing)
{
    const auto free = loadedImageRecord(QStringLiteral("image8.png"));
    free->setSlideNumber(6);
    const auto freeText = loadedTextRecord(QStringLiteral("free"));
    auto gallery = std::make_shared<GalleryGridView>();
    gallery->setGalleryNumber(-99);
    DataCentre::mutableProfile().tableImages = true;

    const QList<GraphicPropertyDictionary> dictionaries =
        converted({slideshowRecord(-99), tableRecord(-99), gallery, free, freeText});
    ASSERT_EQ(classNames(dictionaries),
              QStringList({"SKTSlideshow", "SKTTable", "SKTGalleryGrid", "SKTImage", "SKTText"}));
    EXPECT_TRUE(dictionaries[0].value("imageArray").value<TransformViewList>().isEmpty());
    EXPECT_TRUE(dictionaries[1].value("cellArray").value<myTextViewList>().isEmpty());
    EXPECT_TRUE(dictionaries[1].value("imageArray").value<TransformViewList>().isEmpty());
    EXPECT_TRUE(dictionaries[2].value("imageArray").value<TransformViewList>().isEmpty());
    EXPECT_EQ(free->slideNumber(), 6);
    EXPECT_FALSE(freeText->textStorage());
}

TEST_F(ContainerRecordConversionTest, GalleryListsItsImagesInListOrder)
{
    auto gallery = std::make_shared<GalleryGridView>(QRectF(0, 0, 300, 200));
    gallery->setGalleryNumber(2);
    gallery->setNumOfRows(2);
    gallery->setNumOfColumns(3);
    gallery->setPadding(10);
    gallery->setGroupNumber(-99);
    gallery->setScrollFlag(2);
    gallery->setShadowFlag(1);
    QList<std::shared_ptr<TransformView>> pictures;
    for (const char* name : {"image9.png", "image1.png", "image30.png", "image4.png"}) {
        pictures << loadedImageRecord(QString::fromLatin1(name));
        pictures.last()->setGalleryNumber(2);
    }
    const QList<GraphicPropertyDictionary> dictionaries =
        converted({pictures[0], gallery, pictures[1], pictures[2], pictures[3]});
    // Gallery pictures belong to no slideshow or table, so they are objects of their own too.
    ASSERT_EQ(classNames(dictionaries),
              QStringList({"SKTImage", "SKTGalleryGrid", "SKTImage", "SKTImage", "SKTImage"}));
    const GraphicPropertyDictionary& d = dictionaries[1];
    EXPECT_EQ(imageNames<TransformViewList>(d.value("imageArray")),
              QStringList({"image9.png", "image1.png", "image30.png", "image4.png"}));
    const std::vector<KeyCase> cases = {
        {"bounds", "{{0, 0}, {300, 200}}"},
        {"numOfRows", "2"},
        {"numOfColumns", "3"},
        {"padding", "10"},
        {"groupNumber", "-99"},
        {"moveLock", "0"},
        {"shadowFlag", "1"},
        {"scrollFlag", "0"},
        {"manualLayerIndex", "0"},
        {"backdropLightingFlag", "0"},
        {"linkType", "text"},
        {"templateName", "index"},
    };
    expectKeys(d, cases);
}

TEST_F(ContainerRecordConversionTest, TableGathersItsCellsWithPlainText)
{
    auto table = tableRecord(5);
    auto before = cellOf(5, QStringLiteral("Home"));
    auto after = cellOf(5, QStringLiteral("About"));
    auto other = cellOf(6, QStringLiteral("Elsewhere"));
    const QList<GraphicPropertyDictionary> dictionaries = converted({before, other, table, after});
    ASSERT_EQ(classNames(dictionaries), QStringList({"SKTTable"}));
    const QVariant cells = dictionaries[0].value("cellArray");
    EXPECT_EQ(cellTexts(cells), QStringList({"Home", "About"}));
    for (const auto& cell : cells.value<myTextViewList>()) {
        ASSERT_TRUE(cell->textStorage());
        EXPECT_EQ(cell->textStorage()->toPlainText(), cell->textView()->string());
    }
    EXPECT_FALSE(other->textStorage());
}

TEST_F(ContainerRecordConversionTest, FormFieldWithATablesNumberIsConvertedOnceWhateverItsPlace)
{
    for (const bool fieldFirst : {true, false}) {
        auto table = tableRecord(5);
        auto field = cellOf(5, QStringLiteral("Your e-mail"));
        field->setFormType(QStringLiteral("text"));
        auto cell = cellOf(5, QStringLiteral("Cell"));
        const ElementRecordList records =
            fieldFirst ? ElementRecordList{field, table, cell} : ElementRecordList{table, cell, field};

        const QList<GraphicPropertyDictionary> dictionaries = converted(records);
        const QStringList expectedKinds =
            fieldFirst ? QStringList({"SKTText", "SKTTable"}) : QStringList({"SKTTable", "SKTText"});
        ASSERT_EQ(classNames(dictionaries), expectedKinds) << fieldFirst;
        const GraphicPropertyDictionary tableDictionary = dictionaryOf(dictionaries, "SKTTable");
        EXPECT_EQ(cellTexts(tableDictionary.value("cellArray")), QStringList({"Cell"})) << fieldFirst;
        EXPECT_EQ(dictionaryOf(dictionaries, "SKTText").value("textString"), QStringLiteral("Your e-mail"));
        EXPECT_EQ(field->tableNumber(), -99);
    }
}

TEST_F(ContainerRecordConversionTest, TableImagesDependOnTheProduct)
{
    for (const bool tableImages : {false, true}) {
        DataCentre::mutableProfile().tableImages = tableImages;
        auto background = loadedImageRecord(QStringLiteral("image1.png"));
        background->setTableNumber(5);
        auto cellImage = loadedImageRecord(QStringLiteral("image2.png"));
        cellImage->setTableNumber(5);
        cellImage->setRowSpot(0);
        cellImage->setColumnSpot(1);

        const QList<GraphicPropertyDictionary> dictionaries =
            converted({background, tableRecord(5), cellImage});
        ASSERT_EQ(classNames(dictionaries), QStringList({"SKTTable"})) << tableImages;
        const GraphicPropertyDictionary& d = dictionaries[0];
        if (tableImages) {
            EXPECT_EQ(imageNames<TransformViewList>(d.value("imageArray")), QStringList({"image2.png"}));
            EXPECT_EQ(imageNames<TransformViewList>(d.value("tableBackgroundArray")),
                      QStringList({"image1.png"}));
            EXPECT_EQ(background->forceNonRetinaFlag(), 1);
            EXPECT_EQ(cellImage->forceNonRetinaFlag(), 0);
        } else {
            EXPECT_TRUE(d.value("imageArray").value<TransformViewList>().isEmpty());
            EXPECT_TRUE(d.contains("imageArray"));
            EXPECT_FALSE(d.contains("tableBackgroundArray"));
            EXPECT_EQ(background->forceNonRetinaFlag(), 0);
        }
    }
}

TEST_F(ContainerRecordConversionTest, TableDictionaryHasItsFixedLookAndLevelDefaults)
{
    auto table = tableRecord(5);
    table->setGridType(QString());
    table->setSectionIDString(QStringLiteral("about"));
    table->setInitialLaunchStateFlag(1);
    table->setScrollFlag(1);
    table->setTopMarginLevelString(QStringLiteral("XL"));
    table->setLeftPaddingLevelString(QStringLiteral(""));
    table->setBorderStyle(QStringLiteral("solid"));
    table->setShadowFlag(1);
    table->setTopPadding(12);

    const GraphicPropertyDictionary d = convertedOne(table);
    const std::vector<KeyCase> cases = {
        {"className", "SKTTable"},
        {"bounds", "{{0, 100}, {300, 200}}"},
        {"gridType", ""},
        {"numOfRows", "1"},
        {"numOfColumns", "3"},
        {"initialLaunchStateFlag", "1"},
        {"scrollFlag", "1"},
        {"sectionIDString", "about"},
        {"topPadding", "12"},
        {"topPaddingType", "%"},
        {"topMarginLevelString", "XL"},
        {"leftPaddingLevelString", "None"},
        {"bottomMarginLevelString", "None"},
        {"fontSize", "28"},
        {"fontFamily", "Anton"},
        {"textHexColorString", "4f4c4c"},
        {"borderStyle", "dashed"},
        {"opacity", "1.0"},
        {"shadowFlag", "0"},
        {"reflection", "0"},
        {"linkType", "text"},
    };
    expectKeys(d, cases);
    EXPECT_EQ(table->leftPaddingLevelString(), QStringLiteral("None"));
    EXPECT_EQ(table->rightMarginLevelString(), QStringLiteral("None"));
    EXPECT_EQ(table->topMarginLevelString(), QStringLiteral("XL"));
}

TEST_F(ContainerRecordConversionTest, LineDictionaryHoldsItsWidthAsANumber)
{
    auto line = std::make_shared<LineView>();
    line->setBeginPoint(QPointF(10, 40));
    line->setEndPoint(QPointF(60, 20));
    line->setBorderWidth(2);
    line->setBorderStyle(QStringLiteral("dotted"));
    line->setBorderHexColorString(QStringLiteral("00FF00"));
    line->setGroupNumber(-98);
    line->setAlphaValue(0.25);
    line->setDrawEndArrow(true);

    const GraphicPropertyDictionary d = convertedOne(line);
    EXPECT_EQ(d.value("borderWidth").typeId(), QMetaType::Double);
    EXPECT_EQ(d.value("borderWidth").toDouble(), 2.0);
    const std::vector<KeyCase> cases = {
        {"className", "SKTLine"},   {"beginPoint", "{10, 40}"}, {"endPoint", "{60, 20}"},
        {"opacity", "0.250000"},    {"groupNumber", "-98"},     {"borderHexColorString", "00FF00"},
        {"borderStyle", "dotted"},  {"drawBeginArrow", "0"},    {"drawEndArrow", "1"},
        {"slideShowNumber", "-99"}, {"templateName", "index"},
    };
    expectKeys(d, cases);
    EXPECT_EQ(unarchivedColor(d.value("borderColor")), QColor(Qt::green));
    EXPECT_FALSE(d.contains("bounds"));
}

} // namespace
