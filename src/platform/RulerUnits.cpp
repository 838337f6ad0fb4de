#include "platform/RulerUnits.h"

#include <algorithm>

namespace RulerUnits {
namespace {

QList<RulerUnit> standardUnits()
{
    return {
        {"Inches", "in", 72.0, {2.0}, {0.5, 0.25}},
        {"Centimeters", "cm", 28.35, {2.0}, {0.5, 0.2}},
        {"Points", "pt", 1.0, {10.0}, {0.5}},
        {"Picas", "pc", 12.0, {10.0}, {0.5}},
    };
}

QList<RulerUnit>& units()
{
    static QList<RulerUnit> theUnits = standardUnits();
    return theUnits;
}

} // namespace

void registerUnit(const RulerUnit& unit)
{
    auto& list = units();
    const auto existing =
        std::find_if(list.begin(), list.end(), [&](const RulerUnit& u) { return u.name == unit.name; });
    if (existing != list.end())
        *existing = unit;
    else
        list.append(unit);
}

std::optional<RulerUnit> unitNamed(const QString& name)
{
    for (const auto& unit : units()) {
        if (unit.name == name)
            return unit;
    }
    return std::nullopt;
}

void reset()
{
    units() = standardUnits();
}

} // namespace RulerUnits
