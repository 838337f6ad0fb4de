#include "profile/LaunchInitialisation.h"

#include "platform/UserDefaults.h"
#include "profile/DataCentre.h"
#include "profile/Palettes.h"
#include "profile/ProductSelection.h"
#include "profile/services/DefaultShapes.h"
#include "profile/services/WebFonts.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>

namespace DataCentre {

namespace {

const QString kMaxImageSizeKey = QStringLiteral("SorrelMaxImageSize");
const QString kImageTypeKey = QStringLiteral("SorrelImageType");
const QString kSetRetinaFlagKey = QStringLiteral("SorrelSetRetinaFlag");
const QString kRetinaFlagKey = QStringLiteral("SorrelRetinaFlag");
const QString kReceivedPagesFolderName = QStringLiteral("0000Received_Pages");
const QString kTempSaveFolderName = QStringLiteral("tempSave000000");

void settleImageDefaults(ProductProfile& p)
{
    UserDefaults& defaults = UserDefaults::standard();
    if (!defaults.objectForKey(kMaxImageSizeKey).isValid())
        defaults.setInteger(2000, kMaxImageSizeKey);
    if (!defaults.objectForKey(kImageTypeKey).isValid())
        defaults.setObject(QStringLiteral("PNG"), kImageTypeKey);
    p.imageTypeSetting = defaults.stringForKey(kImageTypeKey);
    // Until the user saves the page preferences, every launch turns double-resolution images on again.
    if (defaults.boolForKey(kSetRetinaFlagKey)) {
        p.retinaFlagSetting = int(defaults.integerForKey(kRetinaFlagKey));
    } else {
        p.retinaFlagSetting = 1;
        defaults.setInteger(1, kRetinaFlagKey);
    }
}

} // namespace

void buildDefaultTextStyles(ProductProfile& p)
{
    p.defaultTextViewPresets.clear();
    // Only indices every list holds are built; a short list of names borrows the built-in names.
    const QStringList builtInNames = Palettes::standardTextStyles().names;
    const qsizetype count = std::min(
        {p.textCategoryFonts.size(), p.textCategoryForegroundColors.size(), p.textCategoryFillColors.size()});
    for (qsizetype i = 0; i < count; ++i) {
        const QString name = i < p.textCategoryNames.size() ? p.textCategoryNames[i]
                             : i < builtInNames.size()      ? builtInNames[i]
                                                            : QString();
        // The family is kept even when the machine lacks it; drawing substitutes another.
        const QFont font(p.textCategoryFonts[i], 30);
        p.defaultTextViewPresets.append(createDefaultTextView(p.textCategoryFillColors[i],
                                                              p.textCategoryForegroundColors[i], font, name));
    }
}

namespace {

void buildDefaultShapes(ProductProfile& p)
{
    p.defaultShapePresets.clear();
    for (const char* color : {"8B0000", "FF8C00", "FFFFFF", "555555", "4682B4", "228B22"})
        p.defaultShapePresets.append(createBatchOfShapes(QString::fromLatin1(color)));
}

void createFolder(const QString& path)
{
    if (QFileInfo::exists(path))
        return;
    if (!QDir().mkpath(path))
        qWarning().noquote() << "Could not create the working folder" << path;
}

// The platform names the temporary directory only when it exists. An empty name would make the working
// folders relative to wherever the program was started, so an unusable TMPDIR is kept as named and
// creating the folders under it fails and is logged.
QString temporaryDirectory()
{
    const QString resolved = QDir::tempPath();
    if (!resolved.isEmpty())
        return resolved;
    const QString named = QDir::cleanPath(qEnvironmentVariable("TMPDIR"));
    return QDir::isAbsolutePath(named) ? named : QStringLiteral("/tmp");
}

QStringList zoomSteps()
{
    QStringList steps;
    for (int percent = 5; percent <= 90; percent += 5)
        steps << QString::number(percent) + u'%';
    for (int percent : {100, 125, 150, 200, 300, 400, 500, 600})
        steps << QString::number(percent) + u'%';
    return steps;
}

} // namespace

QString distributionChannelOfBuild()
{
    return QStringLiteral(VELK_DISTRIBUTION_CHANNEL);
}

QString workingFolderFor(const QString& channel, const QString& temporaryDirectory,
                         const QString& bundleIdentifier)
{
    if (channel == QLatin1String("AdHoc"))
        return QDir(temporaryDirectory).filePath(bundleIdentifier);
    return temporaryDirectory;
}

void initializeData()
{
    ProductProfile& p = mutableProfile();
    loadCustomFont();
    // The print scale comes before the product's configuration, whose launch sheet sizes the label grid
    // with it.
    p.printLineScale = 2.0f;
    p.printPointsPerInch = 144.0f;
    runAppSpecificSetups();

    settleImageDefaults(p);
    buildDefaultTextStyles(p);
    buildDefaultShapes(p);

    p.distributionChannel = distributionChannelOfBuild();
    p.workingFolderPath = workingFolderFor(p.distributionChannel, temporaryDirectory(), p.bundleIdentifier);
    p.receivedPagesFolderName = kReceivedPagesFolderName;
    p.tempSaveFolder =
        QDir(p.workingFolderPath).filePath(kReceivedPagesFolderName + u'/' + kTempSaveFolderName);
    // Created with their parents, so the received-pages folder exists from the first launch on.
    createFolder(p.workingFolderPath);
    createFolder(p.tempSaveFolder);

    p.zoomFactors = zoomSteps();
}

} // namespace DataCentre
