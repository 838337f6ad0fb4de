// Reads arbitrary bytes as a stored page file into element records, the way opening reads a page:
// decoding, markers, rules and body. A page that cannot be read may say so; nothing else may happen.
#include "FuzzProcess.h"

#include "document/format/PageObjectRules.h"
#include "document/format/PageText.h"
#include "document/core/SKTDocument.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzProcess::start();
    QDir().mkpath(QDir(FuzzProcess::workFolder()).filePath(QStringLiteral("site/home")));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = PageText::decoded(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (text.isNull())
        return 0;
    const QString path = QDir(FuzzProcess::workFolder()).filePath(QStringLiteral("site/home.html"));
    SKTDocument document;
    document.setPagePath(path);
    try {
        document.presentObjects(text, QStringLiteral("home"), {}, QStringLiteral("home"), path);
    } catch (const PageReadError&) {
    }
    return 0;
}
