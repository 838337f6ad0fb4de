#include "window/pages/ProjectFolder.h"

#include "window/pages/PageNames.h"

#include "document/files/PagePackaging.h"
#include "document/format/PageMarkers.h"
#include "document/format/PageText.h"
#include "document/reading/ProfileDataMigration.h"
#include "platform/Format.h"
#include "profile/DataCentre.h"

#include <QCollator>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cmath>

namespace {

const QString kViewportPrefix = QStringLiteral("<meta name='viewport' content='width=");
const QString kFileTimeFormat = QStringLiteral("MMM dd yyyy h:mm AP");
const QString kRetina = QStringLiteral("@2x");
constexpr int kMinimumListWidth = 50;
constexpr int kPathKeyLength = 8;

QString sourceExtensionOf(const QString& documentName)
{
    const QString extension = QFileInfo(documentName).suffix();
    if (extension == ProjectFolder::kFormDocumentExtension)
        return QStringLiteral("php");
    if (extension == DataCentre::profile().documentExtension)
        return QStringLiteral("html");
    return {};
}

// The thumbnail path without its extension and without "@2x": the stem of the page's files.
QString pageStem(const QString& thumbnailPath)
{
    const QFileInfo thumbnail(thumbnailPath);
    return QDir(thumbnail.path()).filePath(thumbnail.completeBaseName().remove(kRetina));
}

} // namespace

namespace ProjectFolder {

QString folderNameWithoutBlanks(const QString& projectPath)
{
    if (projectPath.isEmpty())
        return {};
    return QFileInfo(QDir::cleanPath(projectPath)).fileName().remove(u' ');
}

QString workingFolderFor(const QString& projectPath)
{
    const QString name = folderNameWithoutBlanks(projectPath);
    const ProductProfile& profile = DataCentre::profile();
    if (name.isEmpty() || profile.workingFolderPath.isEmpty())
        return {};
    const QByteArray full = QDir::cleanPath(QFileInfo(projectPath).absoluteFilePath()).toUtf8();
    const QString key = QString::fromLatin1(
        QCryptographicHash::hash(full, QCryptographicHash::Sha1).toHex().left(kPathKeyLength));
    return QDir(QDir(profile.workingFolderPath).filePath(profile.receivedPagesFolderName))
        .filePath(name + u'-' + key);
}

bool resetFolder(const QString& path)
{
    if (path.isEmpty())
        return false;
    QDir(path).removeRecursively();
    return QDir().mkpath(path);
}

bool isPageDocumentName(const QString& fileName)
{
    const QString extension = QFileInfo(fileName).suffix();
    return !extension.isEmpty() &&
           (extension == DataCentre::profile().documentExtension || extension == kFormDocumentExtension);
}

QStringList listPageDocuments(const QString& projectPath, const QString& sortBy)
{
    if (projectPath.isEmpty())
        return {};
    QFileInfoList files;
    for (const QFileInfo& entry :
         QDir(projectPath).entryInfoList(QDir::Files | QDir::Hidden, QDir::Unsorted)) {
        if (isPageDocumentName(entry.fileName()))
            files.append(entry);
    }
    if (sortBy == u"fileName") {
        QCollator collator;
        std::stable_sort(files.begin(), files.end(), [&](const QFileInfo& a, const QFileInfo& b) {
            return collator.compare(a.fileName(), b.fileName()) < 0;
        });
    } else if (sortBy == u"modDate") {
        std::stable_sort(files.begin(), files.end(), [](const QFileInfo& a, const QFileInfo& b) {
            return a.lastModified() > b.lastModified();
        });
    }
    QStringList names;
    for (const QFileInfo& file : std::as_const(files))
        names.append(file.fileName());
    return names;
}

QString grabPathOfFirstFile(const QString& projectPath)
{
    const QStringList names = listPageDocuments(projectPath);
    return names.isEmpty() ? QString() : QDir(projectPath).filePath(names.first());
}

QString migratePage(const QString& documentPath, const QString& workingFolder)
{
    // A folder of its own for this document alone: two documents of one base name never unpack into each
    // other's files.
    if (workingFolder.isEmpty())
        return {};
    QTemporaryDir unpacking(QDir(workingFolder).filePath(QStringLiteral(".unpack-XXXXXX")));
    if (!unpacking.isValid())
        return {};
    return DataCentre::migrateWebsitePage(documentPath, unpacking.path());
}

QString grabPageWidth(const QString& text)
{
    QString width;
    QTextStream lines(const_cast<QString*>(&text), QIODevice::ReadOnly);
    QString line;
    while (lines.readLineInto(&line)) {
        const qsizetype at = line.indexOf(kViewportPrefix);
        if (at < 0)
            continue;
        const QString rest = line.mid(at + kViewportPrefix.size());
        width = QString::number(Format::intValue(rest.left(std::max<qsizetype>(rest.size() - 2, 0))));
    }
    return width;
}

PageTileRecord readPage(const QString& projectPath, const QString& workingFolder, const QString& documentName)
{
    const ProductProfile& profile = DataCentre::profile();
    const QString documentPath = QDir(projectPath).filePath(documentName);
    const QFileInfo document(documentPath);
    PageTileRecord record;
    record.documentName = documentName;
    record.modified = document.lastModified();
    record.fileTime = QLocale::c().toString(record.modified, kFileTimeFormat);
    record.imagePath = migratePage(documentPath, workingFolder);

    QString sourceExtension = sourceExtensionOf(documentName);
    const QString stem = pageStem(record.imagePath);
    if (profile.responsiveDesign)
        sourceExtension = QFileInfo::exists(stem + QStringLiteral(".html")) ? QStringLiteral("html")
                                                                            : QStringLiteral("php");
    const QString base = document.completeBaseName();
    record.pageLocalFileName = base + u'.' + sourceExtension;
    QString publishExtension = sourceExtension;
    if (!record.imagePath.isEmpty()) {
        const QString sourcePath = stem + u'.' + sourceExtension;
        record.pageLocalFileName = QFileInfo(sourcePath).fileName();
        const QString text = PageText::read(sourcePath);
        if (!text.isNull()) {
            if (DataCentre::oldDovrinprofileFlag(text)) {
                const DataCentre::ProfileDataMigration migration =
                    DataCentre::migrateOldProfileData(sourcePath);
                record.pageTitle = migration.pageTitle;
                record.oldDovrinprofileFlag = migration.oldProfile;
            } else {
                record.pageTitle = DataCentre::grabPageTitle(text);
            }
            record.pageWidth = grabPageWidth(text);
            // The migration leaves the trailer's markers as they were.
            const DataCentre::PageMarkerFlags markers = DataCentre::grabMarkerFlags(text);
            record.useBaseTemplateFlag = markers.useBaseTemplate ? 1 : 0;
            record.inheritMetadataFlag = markers.inheritMetadata ? 1 : 0;
            record.inheritCustomHeaderCodeFlag = markers.inheritCustomHeaderCode ? 1 : 0;
            if (!markers.publishExt.isEmpty())
                publishExtension = markers.publishExt;
        }
    }
    record.pagePublishFileName = base + u'.' + publishExtension;
    return record;
}

QList<PageTileRecord> scan(const QString& projectPath, const QString& workingFolder, const QString& sortBy)
{
    QList<PageTileRecord> records;
    const QStringList names = listPageDocuments(projectPath, sortBy);
    for (const QString& name : names) {
        records.append(readPage(projectPath, workingFolder, name));
        records.last().pageNumber = int(records.size() - 1);
    }
    return records;
}

QString orderIndexText(const QStringList& documentNames)
{
    QString text;
    for (qsizetype i = 0; i < documentNames.size(); ++i)
        text += documentNames[i] + u',' + QString::number(i) + u'\n';
    return text;
}

bool writeOrderIndex(const QString& projectPath, const QStringList& documentNames)
{
    const QString text = orderIndexText(documentNames);
    const bool ascii = std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; });
    QByteArray bytes;
    if (ascii) {
        bytes = text.toLatin1();
    } else {
        QStringEncoder encoder(QStringConverter::Utf16, QStringConverter::Flag::WriteBom);
        bytes = encoder.encode(text);
    }
    QSaveFile file(QDir(projectPath).filePath(kOrderIndexFile));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

std::optional<QHash<QString, int>> readOrderIndex(const QString& projectPath)
{
    QFile file(QDir(projectPath).filePath(kOrderIndexFile));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    const std::optional<QStringConverter::Encoding> marked = QStringConverter::encodingForData(bytes);
    QStringDecoder decoder(marked.value_or(QStringConverter::Utf8), QStringConverter::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    QHash<QString, int> numbers;
    for (const QString& line : text.trimmed().split(u'\n')) {
        const QString entry = line.trimmed();
        const qsizetype comma = entry.lastIndexOf(u',');
        if (comma < 0)
            continue;
        numbers.insert(entry.left(comma), Format::intValue(entry.mid(comma + 1)));
    }
    return numbers;
}

PageOrder pageOrder(const QStringList& documentNames, const std::optional<QHash<QString, int>>& numbers,
                    const QString& baseTemplateDocumentName)
{
    PageOrder order;
    for (qsizetype i = 0; i < documentNames.size(); ++i) {
        order.positions.append(i);
        order.pageNumbers.append(numbers ? numbers->value(documentNames[i], 0) : int(i));
    }
    std::stable_sort(order.positions.begin(), order.positions.end(),
                     [&](qsizetype a, qsizetype b) { return order.pageNumbers[a] < order.pageNumbers[b]; });
    const auto base = std::find_if(order.positions.begin(), order.positions.end(),
                                   [&](qsizetype i) { return documentNames[i] == baseTemplateDocumentName; });
    if (base != order.positions.end())
        std::rotate(order.positions.begin(), base, base + 1);
    return order;
}

bool isAcceptablePageName(const QString& fileName)
{
    return PageNames::isSafeStem(fileName);
}

namespace {

// Case folded, with diacritics stripped.
QString searchForm(const QString& text)
{
    QString plain;
    for (const QChar c : text.normalized(QString::NormalizationForm_KD)) {
        if (c.category() != QChar::Mark_NonSpacing)
            plain.append(c);
    }
    return plain.toCaseFolded();
}

} // namespace

bool passesFilter(const QString& pageTitle, const QString& pageName, const QString& searchText)
{
    return searchText.isEmpty() || searchForm(pageTitle + u' ' + pageName).contains(searchForm(searchText));
}

int columnCount(int userColumns, int productColumns)
{
    if (userColumns > 0)
        return userColumns;
    return productColumns > 0 ? productColumns : 1;
}

QList<TileSlot> layoutTiles(int count, int columns, int listWidth)
{
    QList<TileSlot> slots;
    if (count <= 0)
        return slots;
    columns = std::max(columns, 1);
    const int rows = (count + columns - 1) / columns;
    const int width = std::max(listWidth, kMinimumListWidth) / columns;
    for (int position = 0; position < count; ++position) {
        TileSlot slot;
        slot.position = position;
        slot.column = position / rows;
        slot.row = position % rows;
        slot.x = slot.column * width;
        slot.width = width;
        slots.append(slot);
    }
    return slots;
}

QString summaryText(int count, const QString& projectPath)
{
    const QString folder =
        projectPath.isEmpty() ? QString() : QFileInfo(QDir::cleanPath(projectPath)).fileName();
    return (count == 1 ? QStringLiteral("%1 Document\n%2") : QStringLiteral("%1 Documents\n%2"))
        .arg(count)
        .arg(folder);
}

QString generateDefaultPageName(const QString& projectPath, int pageCount, const QString& prefix,
                                const QString& noun, const QString& documentExtension)
{
    const QDir folder(projectPath);
    const auto named = [&](int number) { return prefix + noun + QString::number(number); };
    const auto holds = [&](const QString& name, const QString& extension) {
        return QFileInfo::exists(folder.filePath(name + u'.' + extension));
    };
    QString candidate = named(pageCount + 1);
    for (int number = pageCount; holds(candidate, documentExtension); ++number)
        candidate = named(number);
    for (int number = pageCount;
         holds(candidate, QString(kFormDocumentExtension)) || holds(candidate, documentExtension); ++number)
        candidate = named(number);
    return candidate;
}

QString freeFileName(const QString& folder, const QString& fileName)
{
    const QDir dir(folder);
    const QFileInfo file(fileName);
    QString name = fileName;
    for (int counter = 0; QFileInfo::exists(dir.filePath(name)); ++counter)
        name = file.completeBaseName() + QString::number(counter) + u'.' + file.suffix();
    return name;
}

bool isFirstFileNewer(const QString& a, const QString& b)
{
    const QFileInfo first(a);
    const QFileInfo second(b);
    if (!first.exists() || !second.exists())
        return false;
    return second.lastModified() <= first.lastModified();
}

} // namespace ProjectFolder
