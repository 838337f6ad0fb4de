#pragma once

#include "model/GraphicPropertyDictionary.h"
#include "model/records/RecordBoxModel.h"
#include "profile/services/HexColor.h"

#include <QList>

#include <functional>
#include <type_traits>

// The keys of the dictionary that one kind of element record converts into, as a table: each row makes
// the value of its key from the record, writing a field's default back into the record first where the
// row says so.
template <class Record> struct RecordKey {
    QString key;
    std::function<QVariant(Record&)> value;
};

template <class Record> using RecordKeyTable = QList<RecordKey<Record>>;

template <class Record>
void writeRecordKeys(Record& record, GraphicPropertyDictionary& dictionary,
                     const RecordKeyTable<Record>& table)
{
    for (const RecordKey<Record>& row : table)
        dictionary.insert(row.key, row.value(record));
}

// A record's dictionary: the kind's "className", the template name under "templateName" and the table's keys.
template <class Record>
GraphicPropertyDictionary recordProperties(Record& record, const RecordKeyTable<Record>& table,
                                           const QString& className, const QString& templateName)
{
    GraphicPropertyDictionary dictionary;
    dictionary.insert(QStringLiteral("className"), className);
    dictionary.insert(QStringLiteral("templateName"), GraphicProperties::text(templateName));
    writeRecordKeys(record, dictionary, table);
    return dictionary;
}

namespace RecordKeys {

template <class R> RecordKey<R> custom(const char* key, std::function<QVariant(R&)> value)
{
    return {QString::fromLatin1(key), std::move(value)};
}

template <class R> RecordKey<R> fixed(const char* key, const QVariant& value)
{
    return {QString::fromLatin1(key), [value](R&) { return value; }};
}

// "%d" of an integer or flag field; a layer index is written the same way.
template <class R, class C, class T> RecordKey<R> integer(const char* key, T (C::*get)() const)
{
    return {QString::fromLatin1(key),
            [get](R& r) { return QVariant(GraphicProperties::integerText(int((r.*get)()))); }};
}

// "%f" of a floating-point field, widened to double first.
template <class R, class C, class T> RecordKey<R> real(const char* key, T (C::*get)() const)
{
    return {QString::fromLatin1(key),
            [get](R& r) { return QVariant(GraphicProperties::realText(double((r.*get)()))); }};
}

// "1" when the field is not 0.
template <class R, class C, class T> RecordKey<R> flagWhenSet(const char* key, T (C::*get)() const)
{
    return {QString::fromLatin1(key),
            [get](R& r) { return QVariant(GraphicProperties::flagText((r.*get)() != 0)); }};
}

// "1" only when the field is exactly 1.
template <class R, class C, class T> RecordKey<R> flagWhenOne(const char* key, T (C::*get)() const)
{
    return {QString::fromLatin1(key),
            [get](R& r) { return QVariant(GraphicProperties::flagText((r.*get)() == 1)); }};
}

// A text field copied as it is. A field that is none gives the empty string: one missing text must not
// cost the page its other objects.
template <class R, class C> RecordKey<R> string(const char* key, QString (C::*get)() const)
{
    return {QString::fromLatin1(key), [get](R& r) { return QVariant(GraphicProperties::text((r.*get)())); }};
}

// The archived colour of a colour-string field; none or a malformed string is black.
template <class R, class C> RecordKey<R> archivedHexColor(const char* key, QString (C::*get)() const)
{
    return {QString::fromLatin1(key), [get](R& r) {
                return QVariant(GraphicProperties::archivedColor(DataCentre::colorWithHexString((r.*get)())));
            }};
}

enum class DefaultWhen { None, NoneOrEmpty };

// A text field whose default is first stored into the record when the field is none (or empty too), so
// the record leaves the conversion with it.
template <class R, class C>
RecordKey<R> defaulted(const char* key, QString (C::*get)() const, void (C::*set)(QString),
                       const char* fallback, DefaultWhen when = DefaultWhen::None)
{
    return {QString::fromLatin1(key), [get, set, fallback, when](R& r) {
                const QString value = (r.*get)();
                if (value.isNull() || (when == DefaultWhen::NoneOrEmpty && value.isEmpty()))
                    (r.*set)(QString::fromLatin1(fallback));
                return QVariant((r.*get)());
            }};
}

// The padding and margin values of a record, their units with an optional default, and their levels when
// the record has them ("None" by default).
template <class R> void addBoxModelKeys(RecordKeyTable<R>& table, const char* unitDefault = nullptr)
{
    using B = RecordBoxModel;
    struct Side {
        const char *value, *unit;
        int (B::*getValue)() const;
        QString (B::*getUnit)() const;
        void (B::*setUnit)(QString);
    };
    static const Side sides[] = {
        {"topPadding", "topPaddingType", &B::topPadding, &B::topPaddingType, &B::setTopPaddingType},
        {"bottomPadding", "bottomPaddingType", &B::bottomPadding, &B::bottomPaddingType,
         &B::setBottomPaddingType},
        {"leftPadding", "leftPaddingType", &B::leftPadding, &B::leftPaddingType, &B::setLeftPaddingType},
        {"rightPadding", "rightPaddingType", &B::rightPadding, &B::rightPaddingType, &B::setRightPaddingType},
        {"topMargin", "topMarginType", &B::topMargin, &B::topMarginType, &B::setTopMarginType},
        {"bottomMargin", "bottomMarginType", &B::bottomMargin, &B::bottomMarginType, &B::setBottomMarginType},
        {"leftMargin", "leftMarginType", &B::leftMargin, &B::leftMarginType, &B::setLeftMarginType},
        {"rightMargin", "rightMarginType", &B::rightMargin, &B::rightMarginType, &B::setRightMarginType},
    };
    for (const Side& side : sides) {
        table << integer<R>(side.value, side.getValue)
              << (unitDefault ? defaulted<R>(side.unit, side.getUnit, side.setUnit, unitDefault,
                                             DefaultWhen::NoneOrEmpty)
                              : string<R>(side.unit, side.getUnit));
    }
    if constexpr (std::is_base_of_v<RecordBoxLevels, R>) {
        using L = RecordBoxLevels;
        struct Level {
            const char* key;
            QString (L::*get)() const;
            void (L::*set)(QString);
        };
        static const Level levels[] = {
            {"topPaddingLevelString", &L::topPaddingLevelString, &L::setTopPaddingLevelString},
            {"bottomPaddingLevelString", &L::bottomPaddingLevelString, &L::setBottomPaddingLevelString},
            {"leftPaddingLevelString", &L::leftPaddingLevelString, &L::setLeftPaddingLevelString},
            {"rightPaddingLevelString", &L::rightPaddingLevelString, &L::setRightPaddingLevelString},
            {"topMarginLevelString", &L::topMarginLevelString, &L::setTopMarginLevelString},
            {"bottomMarginLevelString", &L::bottomMarginLevelString, &L::setBottomMarginLevelString},
            {"leftMarginLevelString", &L::leftMarginLevelString, &L::setLeftMarginLevelString},
            {"rightMarginLevelString", &L::rightMarginLevelString, &L::setRightMarginLevelString},
        };
        for (const Level& level : levels)
            table << defaulted<R>(level.key, level.get, level.set, "None", DefaultWhen::NoneOrEmpty);
    }
}

} // namespace RecordKeys
