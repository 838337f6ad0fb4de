// Opens arbitrary bytes as a page document, the way the application opens one: unpacking, finding the
// page file, reading it and making the graphics. It may open or fail with its alert; it may not write
// outside its folders, run out of memory or stop.
#include "FuzzProcess.h"

#include "document/core/SKTDocument.h"

#include <QFile>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzProcess::start();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QDir work(FuzzProcess::workFolder());
    const QString location = work.filePath(QStringLiteral("home.velk"));
    QFile file(location);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.close();
    {
        SKTDocument document;
        document.setFileLocation(location);
        document.refreshDocument();
    }
    // Every open makes a folder of received pages; without clearing them the disk fills.
    QDir(work.filePath(DataCentre::profile().receivedPagesFolderName)).removeRecursively();
    QDir().mkpath(work.filePath(DataCentre::profile().receivedPagesFolderName));
    return 0;
}
