#include "model/SKTGraphic.h"

#include "model/GraphicError.h"
#include "model/GraphicKinds.h"

#include <QCborArray>
#include <QCborParserError>
#include <QCborValue>

// The pasteboard form is CBOR whose root is a list holding one property dictionary per graphic.

QVariantList SKTGraphic::propertiesWithGraphics(const GraphicList& graphics)
{
    QVariantList list;
    list.reserve(graphics.size());
    for (const std::shared_ptr<SKTGraphic>& graphic : graphics) {
        GraphicPropertyDictionary properties = graphic->properties();
        properties.insert(QStringLiteral("className"), graphic->className());
        list.append(properties);
    }
    return list;
}

QByteArray SKTGraphic::pasteboardDataWithGraphics(const GraphicList& graphics)
{
    const QVariant list = propertiesWithGraphics(graphics);
    // A value CBOR would only approximate (a colour object, say) makes no data rather than wrong data.
    if (!GraphicProperties::isPropertyListValue(list))
        return {};
    return QCborValue::fromVariant(list).toCbor();
}

std::optional<GraphicList> SKTGraphic::graphicsWithPasteboardData(const QByteArray& data, GraphicError* error)
{
    QCborParserError parseError;
    const QCborValue root = QCborValue::fromCbor(data, &parseError);
    // Bytes after the root mean the data is not one well-formed value.
    const bool wellFormed = parseError.error == QCborError::NoError && parseError.offset == data.size();
    if (!wellFormed || !root.isArray()) {
        if (error)
            *error = errorForGraphicCode(GraphicErrorPasteboardDataNotGraphics);
        return std::nullopt;
    }
    return graphicsWithPropertiesPasted(root.toArray().toVariantList());
}

GraphicList SKTGraphic::graphicsWithPropertiesPasted(const QVariantList& properties)
{
    GraphicList graphics;
    for (const QVariant& entry : properties) {
        if (!GraphicProperties::isDictionary(entry))
            continue;
        const GraphicPropertyDictionary dictionary = entry.toMap();
        const QVariant className = dictionary.value(QStringLiteral("className"));
        if (!GraphicProperties::isText(className))
            continue;
        std::shared_ptr<SKTGraphic> graphic = GraphicKinds::make(className.toString());
        if (graphic && graphic->initWithProperties(dictionary))
            graphics.append(std::move(graphic));
    }
    return graphics;
}
