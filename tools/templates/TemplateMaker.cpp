// Writes the bundled templates into the resource folder: for every product the blank pages its profile
// names, the designed templates of designs.json and the ready-made websites. Every page is made with the
// application's own document code, as a user would make it: objects on a canvas, saved as a page document.
//
// Usage: velk-templates <designs.json> <resource folder>

#include "PageRecipes.h"
#include "Pictures.h"

#include "canvas/factories/TextBoxArguments.h"
#include "canvas/view/SKTGraphicView.h"
#include "document/core/PageCanvasState.h"
#include "document/core/SKTDocument.h"
#include "model/GraphicPropertyDictionary.h"
#include "model/SKTImage.h"
#include "model/SKTLine.h"
#include "platform/Bundle.h"
#include "platform/Format.h"
#include "profile/DataCentre.h"
#include "profile/LaunchInitialisation.h"
#include "profile/ProductSelection.h"
#include "profile/configurations/Configurations.h"
#include "profile/services/HexColor.h"
#include "window/SKTWindowController.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTemporaryDir>

#include <cstdio>

namespace {

const QString kFormExtension = QStringLiteral("quarnel");
const QSizeF kFallbackPageSize(1000, 800);
// The chooser shows previews 200 points long; the "@2x" preview is twice that.
constexpr int kScreenshotSize = 200;

QString hex(const QColor& colour)
{
    return colour.alpha() == 0 ? QString(DataCentre::kClearColorString) : DataCentre::asHexString(colour);
}

void fail(const QString& message)
{
    std::fprintf(stderr, "velk-templates: %s\n", qPrintable(message));
    std::exit(1);
}

// Boxes and ovals of a page are text boxes without text: filled, rounded and bordered like any text box.
TextBoxArguments shape(const Piece& piece)
{
    TextBoxArguments box;
    box.frame = piece.frame;
    box.fillColor = hex(piece.fill);
    box.cornerRadius = piece.kind == Piece::Oval
                           ? int(std::min(piece.frame.width(), piece.frame.height()) / 2)
                           : piece.radius;
    if (piece.border.alpha() > 0) {
        box.borderStyle = QStringLiteral("solid");
        box.borderWidth = 1;
        box.borderColor = hex(piece.border);
    }
    return box;
}

std::shared_ptr<SKTGraphic> line(const Piece& piece)
{
    const QPointF begin = piece.frame.topLeft();
    const QPointF end = piece.frame.bottomRight();
    auto made = std::make_shared<SKTLine>();
    GraphicPropertyDictionary properties{
        {QStringLiteral("bounds"), Format::rect(SKTLine::boundsWithBeginPoint(begin, end))},
        {QStringLiteral("beginPoint"), Format::point(begin)},
        {QStringLiteral("endPoint"), Format::point(end)}};
    made->initWithProperties(properties);
    made->setBeginPoint(begin);
    made->setEndPoint(end);
    made->setBorderWidth(2);
    made->setBorderColor(piece.color);
    made->setBorderHexColorString(hex(piece.color));
    return made;
}

std::shared_ptr<SKTGraphic> picture(const Piece& piece, int number)
{
    GraphicPropertyDictionary properties{{QStringLiteral("bounds"), Format::rect(piece.frame)},
                                         {QStringLiteral("imageName"), QStringLiteral("image%1").arg(number)},
                                         {QStringLiteral("imageType"), QStringLiteral("JPG")},
                                         {QStringLiteral("slideShowNumber"), QStringLiteral("-99")},
                                         {QStringLiteral("opacity"), QStringLiteral("1.0")}};
    auto made = std::make_shared<SKTImage>();
    made->initWithProperties(properties);
    const QImage drawn = Pictures::draw(piece.picture, piece.frame.size().toSize(), piece.palette);
    made->setInputImage(drawn);
    made->set_contents(drawn);
    return made;
}

// Writes one page document; the page's screenshots come from its window's canvas.
void writePage(const QString& target, const PageDesign& design, const QString& title, const QString& workRoot)
{
    static int pageCount = 0;
    SKTDocument document;
    document.canvasState() = PageCanvasState::ofLaunchProfile();
    document.canvasState().screenshotSize = kScreenshotSize;
    document.makeWindowControllers();
    auto* window = dynamic_cast<SKTWindowController*>(document.windowController());
    SKTGraphicView* view = window ? window->findChild<SKTGraphicView*>() : nullptr;
    if (!view)
        fail(QStringLiteral("no canvas for %1").arg(target));
    const QString extension = QFileInfo(target).suffix();
    document.setPageFileType(extension);
    document.setPageFileExtension(extension == kFormExtension ? QStringLiteral("php")
                                                              : QStringLiteral("html"));
    document.setPageOfficialName(title);
    const QString saveFolder = QDir(workRoot).filePath(QStringLiteral("page%1").arg(++pageCount));
    QDir().mkpath(saveFolder);
    document.setTempSavePathLocal(saveFolder);
    document.setDocSpecificFixedCanvasFlag(1);
    document.setDocSpecificPageWidth(int(design.size.width()));
    document.setDocSpecificPageHeight(int(design.size.height()));
    document.setPageColor(design.background);
    document.setPageColorHexString(DataCentre::asHexString(design.background));
    window->refreshPageBackgroundColor();

    int pictures = 0;
    for (const Piece& piece : design.pieces) {
        switch (piece.kind) {
        case Piece::Text: {
            TextBoxArguments text;
            text.text = piece.text;
            text.frame = piece.frame;
            text.textColor = hex(piece.color);
            text.font = QFont(piece.font);
            text.font.setPointSize(piece.size);
            text.alignment = piece.align;
            view->addTextBox(text);
            break;
        }
        case Piece::Box:
        case Piece::Oval:
            view->addTextBox(shape(piece));
            break;
        case Piece::Line:
            document.insertGraphics({line(piece)}, {0});
            break;
        case Piece::Picture:
            document.insertGraphics({picture(piece, ++pictures)}, {0});
            break;
        }
    }
    QDir().mkpath(QFileInfo(target).path());
    QFile::remove(target);
    const DocumentResult result = document.saveThisPage(target, 0);
    if (!result.ok())
        fail(QStringLiteral("%1 could not be saved: %2").arg(target, document.lastSaveError()));
    std::printf("%s\n", qPrintable(target));
}

QList<QColor> paletteOf(const QJsonObject& source, const QString& name)
{
    QList<QColor> colours;
    for (const QJsonValue& value : source.value(QStringLiteral("palettes")).toObject().value(name).toArray())
        colours << QColor(value.toString());
    if (colours.isEmpty())
        fail(QStringLiteral("no palette %1").arg(name));
    return colours;
}

// Runs as the product: its profile, with the working folders of this run.
void launchAs(const QString& displayName, const ProductProfile& base)
{
    Bundle::main().setInfoValue(QStringLiteral("CFBundleDisplayName"), displayName);
    DataCentre::runAppSpecificSetups();
    ProductProfile& profile = DataCentre::mutableProfile();
    profile.workingFolderPath = base.workingFolderPath;
    profile.tempSaveFolder = base.tempSaveFolder;
    profile.receivedPagesFolderName = base.receivedPagesFolderName;
    profile.zoomFactors = base.zoomFactors;
    // The viewer never saves; its sample is made all the same.
    profile.neverEdited = false;
    // Template previews always show the page itself, whatever the product shows for its own pages.
    profile.pageTileScreenshots = false;
    profile.hideTotalRefreshWebsite = false;
}

QSizeF productPageSize()
{
    const PageCanvasState canvas = PageCanvasState::ofLaunchProfile();
    if (canvas.defaultPageWidth > 0 && canvas.defaultPageHeight > 0)
        return QSizeF(canvas.defaultPageWidth, canvas.defaultPageHeight);
    return kFallbackPageSize;
}

// The pages a product's profile names: starter pages, getting-started, sample and base template, and the
// blank page of its "blank" category.
QStringList namedPages(const ProductProfile& profile)
{
    QStringList pages = profile.starterPages;
    pages << profile.gettingStartedFile << profile.samplePage << profile.baseTemplateFile
          << QStringLiteral("blank/Blank.") + profile.documentExtension;
    pages.removeAll(QString());
    pages.removeDuplicates();
    return pages;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc != 3)
        fail(QStringLiteral("usage: velk-templates <designs.json> <resource folder>"));
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly))
        fail(QStringLiteral("cannot read %1").arg(file.fileName()));
    const QJsonObject source = QJsonDocument::fromJson(file.readAll()).object();
    const QString resources = QDir(QString::fromLocal8Bit(argv[2])).absolutePath();

    QTemporaryDir work;
    qputenv("TMPDIR", work.path().toLocal8Bit());
    Bundle::main().load(resources);
    DataCentre::initializeData();
    SKTWindowController::installAsWindowMaker();
    const ProductProfile base = DataCentre::profile();

    QSet<QString> written;
    QStringList products = Configurations::productChain();
    products << QString(); // the plain page designer of any other name
    for (const QString& product : products) {
        launchAs(product, base);
        const ProductProfile& profile = DataCentre::profile();
        const QDir folder(QDir(resources).filePath(profile.templateFolder));
        for (const QString& page : namedPages(profile)) {
            const QString target = QDir::cleanPath(folder.filePath(page));
            if (written.contains(target))
                continue;
            written.insert(target);
            writePage(target, PageRecipes::make({}, {}, productPageSize()),
                      QFileInfo(page).completeBaseName(), work.path());
        }
        for (const QJsonValue& value : source.value(QStringLiteral("designs")).toArray()) {
            const QJsonObject design = value.toObject();
            if (design.value(QStringLiteral("product")).toString() != product)
                continue;
            const QString target =
                QDir::cleanPath(folder.filePath(design.value(QStringLiteral("file")).toString()));
            writePage(target,
                      PageRecipes::make(design,
                                        paletteOf(source, design.value(QStringLiteral("palette")).toString()),
                                        productPageSize()),
                      design.value(QStringLiteral("title")).toString(), work.path());
        }
    }

    // The ready-made websites are website designer pages.
    launchAs(QStringLiteral("HTML Velk Pro"), base);
    const QDir sites(QDir(resources).filePath(QStringLiteral("templates/websiteLevel")));
    for (const QJsonValue& value : source.value(QStringLiteral("themes")).toArray()) {
        const QJsonObject theme = value.toObject();
        QDir site(sites.filePath(theme.value(QStringLiteral("folder")).toString()));
        site.removeRecursively();
        QDir().mkpath(site.path());
        const QList<QColor> palette = paletteOf(source, theme.value(QStringLiteral("palette")).toString());
        for (const QJsonValue& pageValue : theme.value(QStringLiteral("pages")).toArray()) {
            QJsonObject page = pageValue.toObject();
            for (const QString& shared :
                 {QStringLiteral("title"), QStringLiteral("picture"), QStringLiteral("items")}) {
                if (!page.contains(shared))
                    page.insert(shared, theme.value(shared));
            }
            page.insert(QStringLiteral("recipe"), QStringLiteral("web"));
            writePage(site.filePath(page.value(QStringLiteral("file")).toString()),
                      PageRecipes::make(page, palette, kFallbackPageSize),
                      page.value(QStringLiteral("subtitle")).toString(), work.path());
        }
        QFile settings(site.filePath(QStringLiteral("site.velks")));
        if (!settings.open(QIODevice::WriteOnly))
            fail(QStringLiteral("cannot write %1").arg(settings.fileName()));
        settings.write(QStringLiteral("##WEBSITE_TITLE_START##%1##WEBSITE_TITLE_END##\n"
                                      "##WEBSITE_DESCRIPTION_START##%2##WEBSITE_DESCRIPTION_END##\n")
                           .arg(theme.value(QStringLiteral("title")).toString(),
                                theme.value(QStringLiteral("description")).toString())
                           .toLatin1());
    }
    return 0;
}
