#include "model/GraphicPropertyDictionary.h"

#include "model/DataBlock.h"
#include "platform/Format.h"

#include <QDateTime>

#include <algorithm>
#include <cmath>
#include <limits>

namespace GraphicProperties {

bool isText(const QVariant& value)
{
    return value.typeId() == QMetaType::QString;
}

bool isNumber(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Float:
    case QMetaType::Double:
        return true;
    default:
        return false;
    }
}

bool isDataBlock(const QVariant& value)
{
    return value.typeId() == QMetaType::QByteArray;
}

bool isDictionary(const QVariant& value)
{
    return value.typeId() == QMetaType::QVariantMap;
}

bool isPropertyListValue(const QVariant& value)
{
    if (isText(value) || isNumber(value) || isDataBlock(value) || value.typeId() == QMetaType::QDateTime)
        return true;
    if (value.typeId() == QMetaType::QVariantList) {
        const QVariantList list = value.toList();
        return std::all_of(list.begin(), list.end(), isPropertyListValue);
    }
    if (isDictionary(value)) {
        const QVariantMap map = value.toMap();
        return std::all_of(map.begin(), map.end(), isPropertyListValue);
    }
    return false;
}

int integerValue(const QVariant& value)
{
    if (isText(value))
        return Format::intValue(value.toString());
    if (!isNumber(value))
        return 0;
    const double number = value.toDouble();
    if (std::isnan(number))
        return 0;
    // Out-of-range numbers saturate instead of overflowing.
    return int(std::clamp(std::trunc(number), double(std::numeric_limits<int>::min()),
                          double(std::numeric_limits<int>::max())));
}

float floatValue(const QVariant& value)
{
    if (isText(value))
        return Format::floatValue(value.toString());
    return isNumber(value) ? float(value.toDouble()) : 0.0f;
}

QString integerText(int value)
{
    return Format::integer(value);
}

QString realText(double value)
{
    return Format::decimal(value);
}

QString flagText(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

QString text(const QString& value)
{
    return value.isNull() ? QStringLiteral("") : value;
}

QByteArray archivedColor(const QColor& color)
{
    return archivedValue(color);
}

QColor unarchivedColor(const QVariant& value)
{
    return unarchivedValue(value, QColor(Qt::transparent));
}

bool isClearColor(const QColor& color)
{
    return color == QColor(Qt::transparent);
}

namespace {

QString quoted(const QString& value)
{
    const bool plain = !value.isEmpty() && std::all_of(value.begin(), value.end(), [](QChar c) {
        return c.isLetterOrNumber() || c == u'_' || c == u'.';
    });
    if (plain)
        return value;
    QString escaped = value;
    escaped.replace(u'\\', QStringLiteral("\\\\"))
        .replace(u'"', QStringLiteral("\\\""))
        .replace(u'\n', QStringLiteral("\\n"));
    return u'"' + escaped + u'"';
}

QString describe(const QVariant& value, int depth)
{
    const QString indent(depth * 4, u' ');
    const QString inner((depth + 1) * 4, u' ');
    if (isDictionary(value)) {
        const QVariantMap map = value.toMap();
        QString out = QStringLiteral("{\n");
        for (auto it = map.begin(); it != map.end(); ++it)
            out += inner + quoted(it.key()) + QStringLiteral(" = ") + describe(it.value(), depth + 1) +
                   QStringLiteral(";\n");
        return out + indent + u'}';
    }
    if (value.typeId() == QMetaType::QVariantList) {
        const QVariantList list = value.toList();
        QStringList items;
        for (const QVariant& item : list)
            items << inner + describe(item, depth + 1);
        return QStringLiteral("(\n") + items.join(QStringLiteral(",\n")) + u'\n' + indent + u')';
    }
    if (isDataBlock(value))
        return u'<' + QString::fromLatin1(value.toByteArray().toHex(' ')) + u'>';
    if (value.typeId() == QMetaType::Bool)
        return flagText(value.toBool());
    if (isNumber(value))
        return Format::shortest(value.toDouble());
    if (value.typeId() == QMetaType::QDateTime)
        return quoted(value.toDateTime().toString(Qt::ISODate));
    return quoted(value.toString());
}

} // namespace

QString description(const GraphicPropertyDictionary& dictionary)
{
    return describe(dictionary, 0);
}

} // namespace GraphicProperties
