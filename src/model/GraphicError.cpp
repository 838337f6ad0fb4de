#include "model/GraphicError.h"

#include "platform/StringsTable.h"

namespace {

const QString kErrorTable = QStringLiteral("SKTError");

QString entryOr(const QString& key, const QString& fallback)
{
    const QString text = StringsTable::entry(kErrorTable, key);
    return text.isEmpty() ? fallback : text;
}

} // namespace

GraphicError errorForGraphicCode(int code)
{
    GraphicError error;
    error.domain = kGraphicErrorDomain;
    error.code = code;
    error.localizedDescription = entryOr(
        QStringLiteral("description%1").arg(code),
        QStringLiteral("The designer could not complete the operation because an unknown error occurred."));
    error.localizedFailureReason =
        entryOr(QStringLiteral("failureReason%1").arg(code), QStringLiteral("An unknown error occurred."));
    return error;
}
