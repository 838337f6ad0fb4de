#pragma once

#include <QList>
#include <QString>

#include <optional>

// A measurement unit the canvas rulers can show. Marks are drawn every step of the unit; the step-up
// cycle gives the factors for coarser marks when the ruler is zoomed out, the step-down cycle those for
// finer marks when zoomed in.
struct RulerUnit {
    QString name;
    QString abbreviation;
    double pointsPerUnit = 1.0;
    QList<double> stepUpCycle;
    QList<double> stepDownCycle;
};

// The units known to every ruler of the process, looked up by name. It starts with the standard units
// "Inches", "Centimeters", "Points" and "Picas"; products may register their own. Main thread only.
namespace RulerUnits {

// Adds the unit, or replaces the unit of the same name.
void registerUnit(const RulerUnit& unit);
std::optional<RulerUnit> unitNamed(const QString& name);
// Back to the standard units only (tests run many products in one process).
void reset();

} // namespace RulerUnits
