#include "profile/services/FileServices.h"

#include "platform/Bundle.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStringDecoder>
#include <QTime>

#include <cmath>
#include <sys/stat.h>

namespace DataCentre {

namespace {

// The size the file system reports for the entry itself, without following a link; 0 when unreadable.
qint64 entrySize(const QString& path)
{
    struct stat status {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return 0;
    return qint64(status.st_size);
}

struct ByteUnit {
    const char* name;
    int decimals;
};

constexpr ByteUnit kByteUnits[] = {{"KB", 0}, {"MB", 1}, {"GB", 2}, {"TB", 2}, {"PB", 2}, {"EB", 2}};

QString withoutTrailingZeros(QString number, const QLocale& locale)
{
    if (!number.contains(locale.decimalPoint()))
        return number;
    while (number.endsWith(locale.zeroDigit()))
        number.chop(locale.zeroDigit().size());
    if (number.endsWith(locale.decimalPoint()))
        number.chop(locale.decimalPoint().size());
    return number;
}

const QString kSubmitImages[] = {QStringLiteral("submit.png"), QStringLiteral("submit@2x.png")};

} // namespace

qint64 grabFileSize(const QString& path)
{
    return QFileInfo::exists(path) ? entrySize(path) : 0;
}

QString grabFileSizeStr(const QString& path)
{
    return byteCountString(grabFileSize(path));
}

QString byteCountString(qint64 bytes)
{
    const QLocale locale;
    if (bytes == 0)
        return QStringLiteral("Zero KB");
    if (bytes == 1)
        return QStringLiteral("1 byte");
    if (qAbs(bytes) < 1000)
        return locale.toString(bytes) + QStringLiteral(" bytes");
    double value = double(bytes);
    for (const ByteUnit& unit : kByteUnits) {
        value /= 1000.0;
        const double scale = std::pow(10.0, unit.decimals);
        const double rounded = std::round(value * scale) / scale;
        // 999,999 bytes round up to 1,000 KB, which reads as 1 MB.
        if (std::abs(rounded) < 1000.0 || &unit == &std::end(kByteUnits)[-1])
            return withoutTrailingZeros(locale.toString(rounded, 'f', unit.decimals), locale) + u' ' +
                   QLatin1String(unit.name);
    }
    return {};
}

quint64 sizeOfFolder(const QString& folderPath)
{
    const QDir folder(folderPath);
    if (!folder.exists())
        return 0;
    quint64 total = 0;
    const QStringList entries = folder.entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted);
    for (const QString& entry : entries)
        total += quint64(entrySize(folder.filePath(entry)));
    return total;
}

bool shouldUploadThisImage(const QString& imagePath)
{
    const QString name = QFileInfo(imagePath).fileName();
    // The submit button images are drawn by the page itself and never uploaded. Nothing is removed here:
    // a bare file name would resolve against whatever the working directory happens to be.
    if (std::find(std::begin(kSubmitImages), std::end(kSubmitImages), name) != std::end(kSubmitImages))
        return false;
    if (name.contains(QStringLiteral("@2x")))
        return true;
    if (name.contains(QStringLiteral("o.")))
        return !isThere2xImage(imagePath);
    return true;
}

bool isThere2xImage(const QString& imagePath)
{
    const QFileInfo image(imagePath);
    QString twin = image.fileName();
    twin.remove(u'o').replace(u'.', QStringLiteral("@2x."));
    return QFileInfo::exists(image.dir().filePath(twin));
}

QString readBundleFile(const QString& name, const QString& extension)
{
    const QString path = Bundle::main().pathForResource(name, extension);
    if (path.isNull())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(file.readAll());
    if (decoder.hasError())
        return {};
    return text.isNull() ? QStringLiteral("") : text;
}

void printCurrentTime()
{
    qInfo().noquote() << QTime::currentTime().toString(QStringLiteral("HH:mm:ss"));
}

namespace detail {

QVariant valueForKeyPath(const QVariantMap& map, const QString& keyPath)
{
    QVariant value = map;
    for (const QString& key : keyPath.split(u'.'))
        value = value.toMap().value(key);
    return value;
}

int compareValues(const QVariant& a, const QVariant& b)
{
    if (!a.isValid() || !b.isValid())
        return int(a.isValid()) - int(b.isValid());
    const QPartialOrdering order = QVariant::compare(a, b);
    if (order == QPartialOrdering::Less)
        return -1;
    if (order == QPartialOrdering::Greater)
        return 1;
    if (order == QPartialOrdering::Equivalent || a.metaType() == b.metaType())
        return 0;
    return a.metaType().id() < b.metaType().id() ? -1 : 1;
}

} // namespace detail

} // namespace DataCentre
