#include "ModelTestSupport.h"

#include "model/RecordConversion.h"
#include "model/records/GalleryGridView.h"
#include "model/records/LineView.h"
#include "model/records/OuterSlideShow.h"
#include "model/records/TableGridView.h"
#include "model/records/TransformView.h"
#include "model/records/myTextView.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

#include <stdexcept>

namespace {

// A value of the same type that differs from `value`.
QVariant otherValue(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Bool:
        return !value.toBool();
    case QMetaType::Int:
        return value.toInt() + 1;
    case QMetaType::Float:
        return value.toFloat() + 1.5f;
    case QMetaType::Double:
        return value.toDouble() + 1.5;
    case QMetaType::QString:
        return value.toString() + QStringLiteral("x");
    case QMetaType::QColor:
        return value.value<QColor>() == QColor(Qt::red) ? QColor(Qt::blue) : QColor(Qt::red);
    case QMetaType::QRectF:
        return value.toRectF().adjusted(3, 4, 10, 12);
    case QMetaType::QPointF:
        return value.toPointF() + QPointF(3, 4);
    default:
        break;
    }
    if (value.metaType() == QMetaType::fromType<TransformViewList>())
        return QVariant::fromValue(value.value<TransformViewList>() << std::make_shared<TransformView>());
    return {};
}

QStringList announcedKeys(const QSignalSpy& spy)
{
    QStringList keys;
    for (const QList<QVariant>& arguments : spy)
        keys << arguments.at(0).toString();
    return keys;
}

// Every kind of the page model, each made fresh.
GraphicList everyKind()
{
    GraphicList graphics;
    for (const QString& name : GraphicKinds::names())
        graphics << GraphicKinds::make(name);
    return graphics;
}

TEST(GraphicPropertyTableTest, EveryUndoableKeyOfEveryKindHasAValueAndAName)
{
    for (const std::shared_ptr<SKTGraphic>& graphic : everyKind()) {
        const QString kind = graphic->className();
        for (const GraphicProperty& row : graphic->propertyTable().rows()) {
            if (!row.undoName && !row.watchedForUndo)
                continue;
            EXPECT_TRUE(row.get && row.set) << qPrintable(kind) << " " << qPrintable(row.key);
            EXPECT_FALSE(graphic->presentablePropertyNameForKey(row.key).isEmpty())
                << qPrintable(kind) << " " << qPrintable(row.key);
        }
        for (const QString& key : graphic->keysForValuesToObserveForUndo()) {
            const GraphicProperty* row = graphic->propertyTable().find(key);
            ASSERT_NE(row, nullptr) << qPrintable(kind) << " " << qPrintable(key);
            EXPECT_TRUE(row->undoName && row->get && row->set) << qPrintable(kind) << " " << qPrintable(key);
        }
    }
}

TEST(GraphicPropertyTableTest, EveryKeyThatRedrawsIsAnnouncedByItsSetterWithWhatItRedraws)
{
    for (const std::shared_ptr<SKTGraphic>& graphic : everyKind()) {
        for (const GraphicProperty& row : graphic->propertyTable().rows()) {
            if (row.redraw == Redraw::None)
                continue;
            const QString where = graphic->className() + u' ' + row.key;
            ASSERT_TRUE(row.get && row.set) << qPrintable(where);
            const QVariant changed = otherValue(row.get(*graphic));
            ASSERT_TRUE(changed.isValid()) << qPrintable(where) << " has a type this test cannot change";

            QSignalSpy spy(graphic.get(), &SKTGraphic::valueChanged);
            row.set(*graphic, changed);
            const QStringList keys = announcedKeys(spy);
            EXPECT_TRUE(keys.contains(row.key)) << qPrintable(where);
            const QString redraw = row.redraw == Redraw::Bounds ? QStringLiteral("drawingBounds")
                                                                : QStringLiteral("drawingContents");
            EXPECT_TRUE(keys.contains(redraw)) << qPrintable(where);
        }
    }
}

TEST(GraphicPropertyTableTest, SettingAnyKeyOfAnyKindToTheValueItHoldsIsSilentButForTheBounds)
{
    for (const std::shared_ptr<SKTGraphic>& graphic : everyKind()) {
        for (const GraphicProperty& row : graphic->propertyTable().rows()) {
            if (!row.set)
                continue;
            QSignalSpy spy(graphic.get(), &SKTGraphic::valueChanged);
            row.set(*graphic, row.get(*graphic));
            // Setting the bounds to themselves is the request for a redraw.
            EXPECT_EQ(spy.isEmpty(), row.key != QLatin1String("bounds"))
                << qPrintable(graphic->className()) << " " << qPrintable(row.key) << " "
                << qPrintable(announcedKeys(spy).join(u','));
        }
    }
}

TEST(GraphicPropertyTableTest, EveryKeyARecordConvertsIntoIsReadByItsKind)
{
    myTextView text;
    TransformView image;
    LineView line;
    OuterSlideShow slideshow;
    GalleryGridView gallery;
    TableGridView table;
    const struct {
        GraphicPropertyDictionary converted;
        // Keys the conversion writes though the kind keeps nothing of them.
        QSet<QString> unread;
    } cases[] = {
        {RecordConversion::textProperties(text, {}), {"imageLastModDate"}},
        {RecordConversion::imageProperties(image, {}), {}},
        {RecordConversion::lineProperties(line, {}), {}},
        {RecordConversion::slideshowProperties(slideshow, {}, {}),
         {"imageLastModDate", "textString", "totalNumofSlide"}},
        {RecordConversion::galleryProperties(gallery, {}, {}), {}},
        {RecordConversion::tableProperties(table, {}, {}), {"reflection"}},
    };
    for (const auto& c : cases) {
        const QString kind = c.converted.value(QStringLiteral("className")).toString();
        const auto graphic = GraphicKinds::make(kind);
        ASSERT_TRUE(graphic) << qPrintable(kind);
        for (auto it = c.converted.constBegin(); it != c.converted.constEnd(); ++it) {
            const GraphicProperty* row = graphic->propertyTable().find(it.key());
            const bool read = row && row->read;
            EXPECT_TRUE(read || c.unread.contains(it.key()) || it.key() == QLatin1String("className"))
                << qPrintable(kind) << " " << qPrintable(it.key());
        }
    }
}

TEST(GraphicPropertyTableTest, KindsChangeTheBaseRowsTheyShareAndAddTheirOwn)
{
    const GraphicPropertyTable& base = SKTGraphic::basePropertyTable();
    const auto line = GraphicKinds::make(QStringLiteral("SKTLine"));
    const GraphicPropertyTable& lines = line->propertyTable();
    EXPECT_EQ(lines.rows().first().key, base.rows().first().key) << "the base keys are read first";
    EXPECT_TRUE(base.find(QStringLiteral("bounds"))->watchedForUndo);
    EXPECT_FALSE(lines.find(QStringLiteral("bounds"))->watchedForUndo);
    EXPECT_EQ(base.find(QStringLiteral("opacity"))->redraw, Redraw::None);
    EXPECT_EQ(lines.find(QStringLiteral("opacity"))->redraw, Redraw::Contents);
    EXPECT_EQ(base.find(QStringLiteral("beginPoint")), nullptr);
    EXPECT_EQ(lines.rows().size(), base.rows().size() + 4);
}

TEST(GraphicPropertyTableTest, AKeyIsDescribedOncePerKindAndAMisspeltKeyFailsLoudly)
{
    GraphicPropertyTable table{PropertyRows::value("opacity", &SKTGraphic::opacity, &SKTGraphic::setOpacity)};
    EXPECT_THROW(table << PropertyRows::value("opacity", &SKTGraphic::opacity, &SKTGraphic::setOpacity),
                 std::logic_error);
    EXPECT_THROW(table.row(QStringLiteral("opacty")), std::logic_error);
    EXPECT_THROW(table.redraw(Redraw::Contents, {"opacty"}), std::logic_error);
    EXPECT_EQ(table.rows().size(), 1);
}

TEST(GraphicPropertyTableTest, ValuesGoThroughTheKindsGetterAndSetter)
{
    TestShape shape;
    shape.setValueForKey(QStringLiteral("bounds"), QRectF(1, 2, 3, 4));
    EXPECT_EQ(shape.setBoundsCalls, 1) << "the kind's own setter";
    shape.setValuesForKeysWithDictionary(
        {{QStringLiteral("fillColor"), QColor(Qt::green)}, {QStringLiteral("noSuchKey"), 5}});
    EXPECT_EQ(shape.fillColor(), QColor(Qt::green));
    EXPECT_EQ(shape.valueForKey(QStringLiteral("bounds")), QVariant(QRectF(1, 2, 3, 4)));
    EXPECT_FALSE(shape.valueForKey(QStringLiteral("noSuchKey")).isValid());
}

} // namespace
