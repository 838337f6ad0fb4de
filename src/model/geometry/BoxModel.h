#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The CSS box of a graphic: padding and margin levels and the units they stand for.
namespace BoxModel {

inline const QString kPixelUnit = QStringLiteral("pixel");
inline const QString kPercentUnit = QStringLiteral("%");

// The level names the inspector offers, smallest first: "None" ... "XXL".
const QStringList& levelNames();
// What a level gives: points for the top and bottom sides, percent of the width for the left and right
// sides; none for a name that is not a level.
std::optional<int> levelValue(const QString& level, bool topOrBottomSide);

} // namespace BoxModel
