#include "ModelTestSupport.h"

#include "model/GraphicError.h"

#include <gtest/gtest.h>

#include <QCborArray>
#include <QCborMap>
#include <QCborValue>

namespace {

// A kind whose dictionary holds a value no pasteboard can carry.
class UnserialisableShape : public TestShape {
public:
    GraphicPropertyDictionary properties() override
    {
        GraphicPropertyDictionary d = TestShape::properties();
        d.insert("badColor", QColor(Qt::red));
        return d;
    }
};

// A kind whose initialiser refuses dictionaries marked "refuse".
class RefusingShape : public TestShape {
public:
    bool initWithProperties(const GraphicPropertyDictionary& properties) override
    {
        return TestShape::initWithProperties(properties) && !properties.contains("refuse");
    }
};

class GraphicPasteboardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestShape::registerKind();
        GraphicKinds::registerKind("RefusingShape", [] { return std::make_shared<RefusingShape>(); });
    }

    // A shape as the object factories make them: from a dictionary.
    static std::shared_ptr<TestShape> shape(const QRectF& bounds)
    {
        auto g = std::make_shared<TestShape>();
        g->initWithProperties({});
        g->setBounds(bounds);
        return g;
    }

    static QByteArray cbor(const QVariant& root) { return QCborValue::fromVariant(root).toCbor(); }
};

TEST_F(GraphicPasteboardTest, AListOfGraphicsComesBackInOrderWithItsProperties)
{
    GraphicList graphics{shape({0, 0, 10, 10}), shape({5, 6, 70, 80}), shape({-3, 2, 1, 1})};
    graphics[1]->setFillColor(QColor(200, 100, 0));
    graphics[1]->setLink("next.html");
    graphics[2]->setOpacity(0.25);
    graphics[2]->setSectionNumber(4);

    const QByteArray data = SKTGraphic::pasteboardDataWithGraphics(graphics);
    ASSERT_FALSE(data.isEmpty());
    GraphicError error;
    const std::optional<GraphicList> pasted = SKTGraphic::graphicsWithPasteboardData(data, &error);
    ASSERT_TRUE(pasted.has_value());
    EXPECT_EQ(error.code, 0);
    ASSERT_EQ(pasted->size(), graphics.size());
    for (qsizetype i = 0; i < graphics.size(); ++i) {
        EXPECT_EQ(pasted->at(i)->className(), TestShape::kindName());
        EXPECT_NE(pasted->at(i), graphics[i]);
        const GraphicPropertyDictionary expected = graphics[i]->properties();
        const GraphicPropertyDictionary actual = pasted->at(i)->properties();
        EXPECT_EQ(actual.keys(), expected.keys());
        for (auto it = expected.begin(); it != expected.end(); ++it)
            EXPECT_EQ(actual.value(it.key()), it.value()) << i << " " << qPrintable(it.key());
    }
    EXPECT_EQ(pasted->at(1)->fillColor(), QColor(200, 100, 0));
    EXPECT_EQ(pasted->at(2)->sectionNumber(), 4);
}

TEST_F(GraphicPasteboardTest, EachDictionaryCarriesTheClassName)
{
    const QVariantList list = SKTGraphic::propertiesWithGraphics({shape({1, 1, 1, 1})});
    ASSERT_EQ(list.size(), 1);
    EXPECT_EQ(list[0].toMap().value("className"), QVariant(TestShape::kindName()));
    EXPECT_FALSE(std::make_shared<TestShape>()->properties().contains("className"));
}

TEST_F(GraphicPasteboardTest, AnEmptyListGivesAnEmptyListAndNoError)
{
    const QByteArray data = SKTGraphic::pasteboardDataWithGraphics({});
    EXPECT_EQ(QCborValue::fromCbor(data), QCborValue(QCborArray()));
    GraphicError error;
    const auto pasted = SKTGraphic::graphicsWithPasteboardData(data, &error);
    ASSERT_TRUE(pasted.has_value());
    EXPECT_TRUE(pasted->isEmpty());
    EXPECT_EQ(error.code, 0);
    EXPECT_TRUE(error.domain.isEmpty());
}

TEST_F(GraphicPasteboardTest, DataThatIsNotAListGivesNoGraphicsAndErrorCodeTwo)
{
    GraphicPropertyDictionary single = shape({1, 2, 3, 4})->properties();
    single.insert("className", TestShape::kindName());
    const QByteArray cases[] = {
        cbor(single), cbor(QStringLiteral("text")),        QByteArray("not a property list"),
        QByteArray(), cbor(QVariantList{single}).left(20), cbor(QVariantList{single}) + "junk"};
    for (const QByteArray& data : cases) {
        GraphicError error;
        EXPECT_FALSE(SKTGraphic::graphicsWithPasteboardData(data, &error).has_value())
            << data.toHex().constData();
        EXPECT_EQ(error.code, 2) << data.toHex().constData();
        EXPECT_EQ(error.domain, QStringLiteral("VelkGraphicErrorDomain"));
        EXPECT_FALSE(SKTGraphic::graphicsWithPasteboardData(data).has_value());
    }
}

TEST_F(GraphicPasteboardTest, EntriesThatNameNoKindAreSkippedSilently)
{
    GraphicError error;
    const auto unknown = SKTGraphic::graphicsWithPasteboardData(
        cbor(QVariantList{QVariantMap{{"className", "SKTNoSuchKind"}}}), &error);
    ASSERT_TRUE(unknown.has_value());
    EXPECT_TRUE(unknown->isEmpty());
    EXPECT_EQ(error.code, 0);

    const QVariantList entries{
        QStringLiteral("not a dictionary"),
        QVariantMap{{"className", TestShape::kindName()}, {"bounds", "{{1, 1}, {1, 1}}"}},
        QVariantMap{{"bounds", "{{9, 9}, {9, 9}}"}},
        QVariantMap{{"className", 5}},
        QVariantMap{{"className", "SKTGraphic"}},
        QVariantMap{{"className", "RefusingShape"}, {"refuse", "1"}},
        QVariantMap{{"className", "RefusingShape"}, {"bounds", "{{2, 2}, {2, 2}}"}},
        QVariantMap{{"className", TestShape::kindName()}, {"bounds", "{{3, 3}, {3, 3}}"}},
    };
    const auto pasted = SKTGraphic::graphicsWithPasteboardData(cbor(entries), &error);
    ASSERT_TRUE(pasted.has_value());
    ASSERT_EQ(pasted->size(), 3);
    EXPECT_EQ(pasted->at(0)->bounds(), QRectF(1, 1, 1, 1));
    EXPECT_EQ(pasted->at(1)->bounds(), QRectF(2, 2, 2, 2));
    EXPECT_EQ(pasted->at(2)->bounds(), QRectF(3, 3, 3, 3));
    EXPECT_EQ(error.code, 0);
}

TEST_F(GraphicPasteboardTest, APastedGraphicLeavesItsGroupLockAndSectionIdBehind)
{
    auto source = shape({10, 10, 100, 50});
    source->setGroupNumber(-98);
    source->setMoveLock(1);
    source->setSectionIDString("section-2");
    source->setSectionNumber(2);

    const auto pasted =
        SKTGraphic::graphicsWithPasteboardData(SKTGraphic::pasteboardDataWithGraphics({source}));
    ASSERT_TRUE(pasted.has_value());
    ASSERT_EQ(pasted->size(), 1);
    EXPECT_EQ(pasted->at(0)->groupNumber(), -99);
    EXPECT_EQ(pasted->at(0)->moveLock(), 0);
    EXPECT_EQ(pasted->at(0)->sectionIDString(), QStringLiteral(""));
    EXPECT_EQ(pasted->at(0)->sectionNumber(), 2);
    EXPECT_EQ(source->groupNumber(), -98);
}

TEST_F(GraphicPasteboardTest, ValuesNoPasteboardCanCarryGiveNoData)
{
    EXPECT_TRUE(SKTGraphic::pasteboardDataWithGraphics({std::make_shared<UnserialisableShape>()}).isEmpty());
}

TEST_F(GraphicPasteboardTest, ErrorTextsComeFromTheErrorTableOrTheGeneralTexts)
{
    const QString unknownDescription =
        QStringLiteral("The designer could not complete the operation because an unknown error occurred.");
    const QString unknownReason = QStringLiteral("An unknown error occurred.");

    for (int code : {2, 3}) {
        const GraphicError error = errorForGraphicCode(code);
        EXPECT_EQ(error.code, code);
        EXPECT_EQ(error.domain, kGraphicErrorDomain);
        EXPECT_FALSE(error.localizedDescription.isEmpty());
        EXPECT_NE(error.localizedDescription, unknownDescription) << code;
        EXPECT_NE(error.localizedFailureReason, unknownReason) << code;
    }
    const GraphicError unknown = errorForGraphicCode(7);
    EXPECT_EQ(unknown.localizedDescription, unknownDescription);
    EXPECT_EQ(unknown.localizedFailureReason, unknownReason);

    ScopedResources resources;
    resources.writeStringsTable("SKTError",
                                R"({"description2": "Nothing to paste.", "failureReason3": "Empty."})");
    EXPECT_EQ(errorForGraphicCode(2).localizedDescription, QStringLiteral("Nothing to paste."));
    EXPECT_EQ(errorForGraphicCode(2).localizedFailureReason, unknownReason);
    EXPECT_EQ(errorForGraphicCode(3).localizedDescription, unknownDescription);
    EXPECT_EQ(errorForGraphicCode(3).localizedFailureReason, QStringLiteral("Empty."));
}

} // namespace
