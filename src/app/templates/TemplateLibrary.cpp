#include "app/templates/TemplateLibrary.h"

#include "platform/Bundle.h"
#include "platform/transfer/UploadFTPS.h"
#include "profile/DataCentre.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace TemplateLibrary {

namespace {

const QString kFormDocumentExtension = QStringLiteral("quarnel");
constexpr int kThumbnailLength = 200;
constexpr int kColumns = 3;
// The preparation gives up after this many rounds without a single template.
constexpr int kPreparationAttempts = 3;

// Document types whose page file is an HTML file.
const QStringList& htmlDocumentTypes()
{
    static const QStringList types = {"velkpage", "yux",         "vintrosk",      "qz",
                                      "kyv",      "plimsymails", "zintle",        "rirudad",
                                      "pellory",  "sprandle",    "dovrinprofile", "profile"};
    return types;
}

QString pageExtensionOf(const QString& documentType)
{
    if (documentType == kFormDocumentExtension)
        return QStringLiteral("php");
    return htmlDocumentTypes().contains(documentType) ? QStringLiteral("html") : QString();
}

QStringList templateDocumentsIn(const QString& folder)
{
    QStringList names;
    for (const QString& name : QDir(folder).entryList(QDir::Files, QDir::Name)) {
        if (isTemplateDocumentName(name))
            names << name;
    }
    return names;
}

QString withoutExtension(const QString& path)
{
    const QFileInfo info(path);
    return QDir(info.path()).filePath(info.completeBaseName());
}

} // namespace

QString bundleTemplateFolder()
{
    return QDir(Bundle::main().resourcesPath()).filePath(DataCentre::profile().templateFolder);
}

QString workingTemplateFolder()
{
    const ProductProfile& profile = DataCentre::profile();
    return QDir(profile.workingFolderPath).filePath(profile.templateFolder);
}

QString bundleTemplatePath(const QString& categoryFolder, const QString& fileName)
{
    return QDir(QDir(bundleTemplateFolder()).filePath(categoryFolder)).filePath(fileName);
}

QString receivedPagesFolder()
{
    const ProductProfile& profile = DataCentre::profile();
    return QDir(profile.workingFolderPath).filePath(profile.receivedPagesFolderName);
}

bool copyEntry(const QString& from, const QString& to)
{
    const QFileInfo source(from);
    if (!source.isDir() || source.isSymLink())
        return QFile::copy(from, to);
    if (!QDir().mkpath(to))
        return false;
    bool copied = true;
    for (const QFileInfo& entry :
         QDir(from).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
        copied = copyEntry(entry.filePath(), QDir(to).filePath(entry.fileName())) && copied;
    return copied;
}

bool isTemplateDocumentName(const QString& fileName)
{
    const QString suffix = QFileInfo(fileName).suffix();
    return !suffix.isEmpty() &&
           (suffix == DataCentre::profile().documentExtension || suffix == kFormDocumentExtension);
}

void refreshFileList(const QList<TemplateCategory>& categories)
{
    const QString working = workingTemplateFolder();
    // The working root itself is never replaced: a product without a template folder of its own copies
    // only its category folders.
    if (DataCentre::profile().templateFolder.isEmpty()) {
        for (const TemplateCategory& category : categories) {
            if (category.categoryFolderName == TemplateCategories::kAllFolder)
                continue;
            const QString target = QDir(working).filePath(category.categoryFolderName);
            QDir(target).removeRecursively();
            copyEntry(QDir(bundleTemplateFolder()).filePath(category.categoryFolderName), target);
        }
    } else {
        QDir(working).removeRecursively();
        copyEntry(bundleTemplateFolder(), working);
    }
    UploadFTPS transfer;
    for (const TemplateCategory& category : categories) {
        if (category.categoryFolderName == TemplateCategories::kAllFolder)
            continue;
        const QString folder = QDir(working).filePath(category.categoryFolderName);
        for (const QString& name :
             templateDocumentsIn(QDir(bundleTemplateFolder()).filePath(category.categoryFolderName))) {
            const QString source = QDir(folder).filePath(name);
            if (DataCentre::profile().responsiveDesign) {
                QDir(withoutExtension(source)).removeRecursively();
                transfer.unzipDocument(source, withoutExtension(source));
            } else {
                migratePage(source, withoutExtension(source));
            }
        }
    }
}

QString migratePage(const QString& documentPath, const QString& folderPath)
{
    QDir folder(folderPath);
    folder.removeRecursively();
    UploadFTPS transfer;
    if (!transfer.unzipDocument(documentPath, folderPath))
        return {};
    const QString extension = pageExtensionOf(QFileInfo(documentPath).suffix());
    QString page;
    for (const QFileInfo& entry : QDir(folderPath).entryInfoList(QDir::Files, QDir::Name)) {
        if (entry.suffix() == extension || (extension.isEmpty() && entry.suffix().isEmpty())) {
            page = withoutExtension(entry.filePath());
            break;
        }
    }
    if (page.isEmpty())
        page = QDir(folderPath).filePath(QFileInfo(documentPath).completeBaseName());
    const QString retina = page + QStringLiteral("@2x.png");
    return QFileInfo::exists(retina) ? retina : page + QStringLiteral(".png");
}

QList<TemplateThumbnail> populateTemplateIcons(const QList<TemplateCategory>& categories)
{
    QList<TemplateThumbnail> thumbnails;
    for (const TemplateCategory& category : categories) {
        if (category.categoryFolderName == TemplateCategories::kAllFolder)
            continue;
        const QString folder = QDir(workingTemplateFolder()).filePath(category.categoryFolderName);
        const QStringList names = templateDocumentsIn(folder);
        qsizetype made = 0;
        for (const QFileInfo& entry :
             QDir(folder).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
            const QStringList pages =
                QDir(entry.filePath())
                    .entryList({QStringLiteral("*.html"), QStringLiteral("*.php")}, QDir::Files);
            // Folders of several pages or none are no template; nor is one without a document to name it.
            if (pages.size() != 1 || made >= names.size())
                continue;
            const QString page = withoutExtension(QDir(entry.filePath()).filePath(pages.first()));
            QImage image(page + QStringLiteral("@2x.png"));
            if (image.isNull())
                image = QImage(page + QStringLiteral(".png"));
            thumbnails.append({names.at(made++), category.categoryFolderName, image});
        }
    }
    return thumbnails;
}

QList<TemplateThumbnail> prepareTemplates(const QList<TemplateCategory>& categories, bool copyFirst)
{
    if (copyFirst)
        refreshFileList(categories);
    QList<TemplateThumbnail> thumbnails = populateTemplateIcons(categories);
    for (int attempt = 1; thumbnails.isEmpty() && attempt < kPreparationAttempts; ++attempt) {
        refreshFileList(categories);
        thumbnails = populateTemplateIcons(categories);
    }
    return thumbnails;
}

QSize thumbnailSize(const QSize& imageSize)
{
    const int width = imageSize.width();
    const int height = imageSize.height();
    if (width <= 0 || height <= 0)
        return {kThumbnailLength, kThumbnailLength};
    if (width >= height)
        return {kThumbnailLength, height * kThumbnailLength / width};
    return {width * kThumbnailLength / height, kThumbnailLength};
}

QPoint thumbnailOrigin(int index, const QSize& first)
{
    const int row = index / kColumns;
    const int column = index % kColumns;
    return {30 + column * (first.width() + 25), 30 + row * (first.height() + 65)};
}

QSize gridSize(int count, const QSize& first)
{
    const int rows = (count + kColumns - 1) / kColumns;
    return {kColumns * first.width() + 90, (first.height() + 70) * rows};
}

} // namespace TemplateLibrary
