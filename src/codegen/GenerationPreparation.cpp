#include "codegen/GenerationPreparation.h"

#include "model/SKTGraphic.h"
#include "model/records/RecordBoxModel.h"

namespace {

// The units are read and written through pointers typed on the class that declares them: called through a
// derived record, whose box model is a second base, the object pointer would not be the record's.
template <class Box> void settleUnits(Box& box)
{
    struct Unit {
        QString (Box::*get)() const;
        void (Box::*set)(QString);
    };
    const Unit units[] = {
        {&Box::topPaddingType, &Box::setTopPaddingType},
        {&Box::bottomPaddingType, &Box::setBottomPaddingType},
        {&Box::leftPaddingType, &Box::setLeftPaddingType},
        {&Box::rightPaddingType, &Box::setRightPaddingType},
        {&Box::topMarginType, &Box::setTopMarginType},
        {&Box::bottomMarginType, &Box::setBottomMarginType},
        {&Box::leftMarginType, &Box::setLeftMarginType},
        {&Box::rightMarginType, &Box::setRightMarginType},
    };
    for (const Unit& unit : units) {
        const QString value = (box.*unit.get)();
        if (value.isEmpty() || value == QLatin1String("(null)"))
            (box.*unit.set)(QStringLiteral("%"));
    }
}

} // namespace

namespace GenerationPreparation {

QString verifyLink(const QString& link)
{
    QString cleaned = link.trimmed();
    cleaned.replace(QLatin1Char(' '), QLatin1String("%20"));
    const qsizetype lineEnd = cleaned.indexOf(QLatin1Char('\n'));
    return lineEnd < 0 ? cleaned : cleaned.left(lineEnd);
}

void settleMarginTypes(SKTGraphic& graphic)
{
    settleUnits(graphic);
}

void settleMarginTypes(RecordBoxModel& record)
{
    settleUnits(record);
}

} // namespace GenerationPreparation
