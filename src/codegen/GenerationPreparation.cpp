#include "codegen/GenerationPreparation.h"

namespace GenerationPreparation {

QString verifyLink(const QString& link)
{
    QString cleaned = link.trimmed();
    cleaned.replace(QLatin1Char(' '), QLatin1String("%20"));
    const qsizetype lineEnd = cleaned.indexOf(QLatin1Char('\n'));
    return lineEnd < 0 ? cleaned : cleaned.left(lineEnd);
}

} // namespace GenerationPreparation
