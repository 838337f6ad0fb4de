#pragma once

#include "profile/ProductProfile.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace Configurations {

// The product configurations are kept as tables that read like their documentation: one column per
// product, one row per profile field, in the order the fields are assigned. A cell is a plain value,
// a list or image built when the configuration is applied, a step that does more than assign one
// field, or empty (the product leaves the field at its start value).
struct ProfileCell {
    enum Kind { Unset, Integer, Real, Text, List, Image, Step };
    using ListBuilder = QStringList (*)(const ProductProfile&);
    using StepFunction = void (*)(ProductProfile&);

    Kind kind = Unset;
    long long integer = 0;
    double real = 0.0;
    const char* text = nullptr;
    ListBuilder list = nullptr;
    StepFunction step = nullptr;

    ProfileCell() = default;
    ProfileCell(int value)
        : kind(Integer)
        , integer(value)
    {}
    ProfileCell(double value)
        : kind(Real)
        , real(value)
    {}
    ProfileCell(const char* value)
        : kind(Text)
        , text(value)
    {}
    ProfileCell(ListBuilder builder)
        : kind(List)
        , list(builder)
    {}

    static ProfileCell image(const char* resourceName);
    static ProfileCell run(StepFunction function);
};

// An empty cell.
inline const ProfileCell none;

struct ConfigurationRow {
    QString field;                  // a profile field name, or a free label for rows of steps
    std::vector<ProfileCell> cells; // one per column
};

struct ConfigurationTable {
    QStringList displayNames; // the columns
    std::vector<ConfigurationRow> rows;

    // Applies the column of the display name; false when the table has no such column.
    bool apply(const QString& displayName, ProductProfile& profile) const;
};

// Assigns one cell to the named field. False, with nothing assigned, when the field does not exist or the
// cell's kind does not fit the field's type; empty cells assign nothing and succeed.
bool assignProfileField(ProductProfile& profile, const QString& field, const ProfileCell& cell);

// The product icon: a drawing of the bundle's "icons" folder rendered at logo size, else an image of the
// bundle's resources, searched among the common image types.
QImage productImageNamed(const QString& resourceName);

} // namespace Configurations
