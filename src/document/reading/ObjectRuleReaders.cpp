#include "document/reading/ObjectRuleReaders.h"

#include "document/format/PageFileFormat.h"
#include "document/files/PageFolderFiles.h"
#include "document/reading/RuleReading.h"
#include "document/core/SKTDocument.h"
#include "model/NoNumber.h"
#include "model/drawing/Reflection.h"
#include "model/records/GalleryGridView.h"
#include "model/records/LineView.h"
#include "model/records/OuterSlideShow.h"
#include "model/records/TableGridView.h"
#include "model/records/TransformView.h"
#include "model/records/myTextView.h"
#include "profile/services/HexColor.h"

#include <QDebug>
#include <QFileInfo>
#include <QImageReader>
#include <QtConcurrent/QtConcurrentRun>

namespace {

namespace P = PageFile::Property;

QRectF requiredFrame(const PageObjectRule& rule)
{
    return QRectF(rule.requiredInt(P::left), rule.requiredInt(P::top), rule.requiredInt(P::width),
                  rule.requiredInt(P::height));
}

int positionFlag(const PageObjectRule& rule)
{
    return RuleReading::scrollFlagOf(rule.string(P::position, QStringLiteral("absolute")));
}

// The border colour of an image or line: the stored "border-color", or the older spelling "bordercolor".
QString borderColorOf(const PageObjectRule& rule)
{
    const QString older = rule.string(QStringLiteral("bordercolor"), QStringLiteral("000000"));
    return rule.string(P::borderColor, older);
}

// The page folder beside the page file: the file's path without its extension.
QString pageFolderOf(const QString& pagePath)
{
    const QFileInfo info(pagePath);
    return info.suffix().isEmpty() ? pagePath : pagePath.chopped(info.suffix().size() + 1);
}

} // namespace

namespace ObjectRuleReaders {

std::shared_ptr<OuterSlideShow> readSlideshow(const PageObjectRule& rule, int countSoFar)
{
    auto record = OuterSlideShow::initWithFrame(requiredFrame(rule));
    record->setTag(rule.requiredInt(P::zIndex));
    record->setMoveLock(RecordFlag(rule.truncated(P::fixed, 0)));
    record->setSlideShowNumber(rule.integer(P::slideShowNumber, countSoFar));
    record->setScrollFlag(positionFlag(rule));
    record->setGroupNumber(rule.truncated(P::groupNumber, kNoNumber));
    record->setTemplateName(rule.string(P::templateName, QStringLiteral("")));
    record->setSlideShowAutomaticFlag(rule.truncated(P::autoStart, kNoNumber));
    record->setManualLayerIndex(rule.integer(P::manualLayerIndex, 0));
    record->setTextType(QStringLiteral("Slideshow"));
    return record;
}

std::shared_ptr<GalleryGridView> readGalleryGrid(const PageObjectRule& rule, int countSoFar)
{
    auto record = std::make_shared<GalleryGridView>(requiredFrame(rule));
    record->setTag(rule.requiredInt(P::zIndex));
    record->setMoveLock(rule.truncated(P::fixed, 0));
    record->setGalleryNumber(rule.truncated(P::galleryNumber, countSoFar));
    record->setScrollFlag(positionFlag(rule));
    record->setGroupNumber(rule.truncated(P::groupNumber, kNoNumber));
    record->setNumOfRows(rule.truncated(P::numOfRows, kNoNumber));
    record->setNumOfColumns(rule.truncated(P::numOfColumns, kNoNumber));
    record->setShadowFlag(rule.truncated(P::shadowFlag, kNoNumber));
    record->setPadding(rule.truncated(P::padding, 0));
    record->setBackdropLightingFlag(rule.integer(P::backdrop, 0));
    record->setTemplateName(rule.string(P::templateName, QStringLiteral("")));
    record->setManualLayerIndex(rule.integer(P::manualLayerIndex, 0));
    return record;
}

std::shared_ptr<TableGridView> readTableGrid(const PageObjectRule& rule, int countSoFar)
{
    auto record = std::make_shared<TableGridView>(requiredFrame(rule));
    TableGridView& r = *record;
    r.setTag(rule.requiredInt(P::zIndex));
    r.setMoveLock(rule.truncated(P::fixed, 0));
    r.setTableNumber(rule.truncated(P::tableNumber, countSoFar));
    r.setSectionIDString(rule.string(P::sectionID, QStringLiteral("")));
    r.setInitialLaunchStateFlag(rule.integer(P::initialLaunchState, 0));
    r.setGridType(rule.string(P::gridType, QStringLiteral("table")));
    r.setScrollFlag(positionFlag(rule));
    r.setGroupNumber(rule.truncated(P::groupNumber, kNoNumber));
    r.setManualLayerIndex(rule.integer(P::manualLayerIndex, 0));
    r.setNumOfRows(rule.truncated(P::numOfRows, kNoNumber));
    r.setNumOfColumns(rule.truncated(P::numOfColumns, kNoNumber));
    r.setShadowFlag(rule.truncated(P::shadowFlag, kNoNumber));
    r.setPadding(rule.truncated(P::padding, 0));
    r.setTemplateName(rule.string(P::templateName, QStringLiteral("")));
    // The section paddings stand first; the box-model values that follow take their place.
    r.setTopPadding(rule.integer(P::sectionTopPadding, 0));
    r.setBottomPadding(rule.integer(P::sectionBottomPadding, 0));
    r.setRightPadding(rule.integer(P::sectionRightPadding, 0));
    r.setLeftPadding(rule.integer(P::sectionLeftPadding, 0));
    RuleReading::readBoxModel(rule, r, QStringLiteral("%"));
    RuleReading::readBoxLevels(rule, r);
    return record;
}

std::shared_ptr<LineView> readLine(const PageObjectRule& rule)
{
    auto record = std::make_shared<LineView>();
    record->setBeginPoint(QPointF(rule.requiredInt(P::lineOriginX), rule.requiredInt(P::lineOriginY)));
    record->setEndPoint(QPointF(rule.requiredInt(P::lineEndX), rule.requiredInt(P::lineEndY)));
    record->setTag(rule.requiredInt(P::zIndex));
    record->setMoveLock(rule.truncated(P::fixed, 0));
    record->setScrollFlag(positionFlag(rule));
    record->setGroupNumber(rule.truncated(P::groupNumber, kNoNumber));
    record->setManualLayerIndex(rule.integer(P::manualLayerIndex, 0));
    record->setBorderWidth(rule.integer(P::borderWidth, 0));
    record->setBorderHexColorString(rule.string(P::borderColor, QStringLiteral("000000")));
    record->setBorderStyle(rule.string(P::borderStyle, QStringLiteral("none")));
    record->setAlphaValue(double(rule.real(P::lineAlpha, 1.0f)));
    record->setTemplateName(rule.string(P::templateName, QStringLiteral("")));
    record->setDrawBeginArrow(rule.integer(P::drawBeginArrow, 0) != 0);
    record->setDrawEndArrow(rule.integer(P::drawEndArrow, 0) != 0);
    return record;
}

std::shared_ptr<TransformView> readImage(const PageObjectRule& rule, const QString& pagePath)
{
    const int scrollFlag = RuleReading::scrollFlagOf(rule.requiredString(P::position));
    const int left = rule.requiredInt(P::left);
    const int top = rule.requiredInt(P::top);
    const int tag = rule.requiredInt(P::zIndex);
    int borderWidth = rule.integer(P::borderWidth, 0);
    const int width = rule.requiredInt(P::width);
    int height = rule.requiredInt(P::height);
    // A bordered image stores its height before the border was added.
    const int originalHeight = rule.integer(P::originalHeight, 0);
    if (borderWidth > 0 && originalHeight > 0)
        height = originalHeight;
    // Kept from 0 to 1, so that the height below never divides by zero.
    const float reflection = float(Drawing::clampedReflection(rule.real(P::reflectionFraction, 0.0f)));
    const QString borderStyle = rule.string(P::borderStyle, QStringLiteral("none"));
    if (!RuleReading::isDrawnBorderStyle(borderStyle))
        borderWidth = 0;
    const QString imageName = rule.requiredString(P::imageName);
    const QString imageType = rule.requiredString(P::imageType);
    // The name and type become file names in the page folder: anything else could lead outside it.
    if (!PageFolderFiles::isPlainImageName(imageName) || !PageFolderFiles::isKnownImageType(imageType)) {
        qWarning().noquote() << QStringLiteral("The image %1 is left out: \"%2\" of type \"%3\" is not a "
                                               "picture file name of the page folder")
                                    .arg(rule.selector(), imageName, imageType);
        return nullptr;
    }

    // The stored height includes the reflection drawn below the picture.
    const double frameHeight = double(int(double(height) / (double(reflection) + 1.0)));
    auto record = TransformView::initWithFrame(QRectF(left, top, width, frameHeight));
    TransformView& r = *record;
    r.setTag(tag);
    r.setScrollFlag(scrollFlag);
    r.setOriginalWidth(width);
    r.setOriginalHeight(height);
    r.setAlpha(rule.real(P::imageAlpha, 1.0f));
    r.setReflection(reflection);
    r.setRetinaFlag(rule.integer(P::retina, 0) == 1 ? 1 : 0);
    r.setMoveLock(RecordFlag(rule.truncated(P::fixed, 0)));
    r.setSlideShowNumber(rule.integer(P::slideShowNumber, kNoNumber));
    if (RuleReading::realOfAny(rule, RuleReading::shadowRadiusNames(), 0.0f) > 0)
        r.setShadowFlag(1);
    r.setBorderStyle(borderStyle);
    r.setBorder(borderWidth);
    r.setBorderWidth(borderWidth);
    r.setBorderHexColorString(borderColorOf(rule));
    r.setImageName(imageName);
    r.setImageType(imageType);
    // Decoding is most of reading a page of photographs: it runs on the pool while the page is read on.
    r.setPendingImage(PendingImage(QtConcurrent::run([pagePath, imageName, imageType] {
        return SKTDocument::retrieveImageFile(pagePath, imageName, imageType);
    })));
    r.setManualLayerIndex(rule.integer(P::manualLayerIndex, 0));
    r.setBubbleFlag(rule.integer(P::bubbleFlag, 0));
    r.setBubbleShape(rule.string(P::bubbleShape, QStringLiteral("")));
    if (rule.integer(P::imageMaskFlag, 0) == 1) {
        const QString maskPath =
            PageFolderFiles::fileInside(pageFolderOf(pagePath), imageName + QStringLiteral("_mask.png"));
        if (!maskPath.isEmpty())
            r.setMaskImage(QImageReader(maskPath).read());
    }
    r.setShadowRadius(rule.real(P::shadowBlurRadius, 0.0f));
    r.setShadowHorizontalOffset(rule.real(P::shadowDistanceX, 0.0f));
    r.setShadowVerticalOffset(rule.real(P::shadowDistanceY, 0.0f));
    r.setRotationAngle(rule.real(P::rotationAngle, 0.0f));
    RuleReading::readResponsivePlace(rule, r);
    r.setTableNumber(rule.integer(P::tableNumber, kNoNumber));
    RuleReading::readBoxModel(rule, r, QStringLiteral("%"));
    r.setGroupNumber(rule.truncated(P::groupNumber, kNoNumber));
    r.setTemplateName(rule.string(P::templateName, QStringLiteral("")));
    r.setImageEnlargeFlag(rule.truncated(P::enlarge, kNoNumber));
    r.setGalleryNumber(rule.truncated(P::galleryNumber, kNoNumber));
    r.setRowSpot(rule.truncated(P::galleryRowSpot, kNoNumber));
    r.setColumnSpot(rule.truncated(P::galleryColumnSpot, kNoNumber));
    r.setBackdropLightingFlag(rule.truncated(P::backdrop, 0));
    r.setImageLastModDate(QDateTime());
    return record;
}

std::shared_ptr<myTextView> readSnippet(SKTDocument& document, const PageObjectRule& rule,
                                        const QString& pageName)
{
    const QRectF frame = requiredFrame(rule);
    const int nlines = rule.requiredInt(P::nlines);
    const int tag = rule.requiredInt(P::zIndex);
    const RecordFlag moveLock = RecordFlag(rule.truncated(P::fixed, 0));
    const int manualLayerIndex = rule.integer(P::manualLayerIndex, 0);
    const int formatting = rule.integer(P::snippetFormattingFlag, 0);
    const int containsLink = rule.integer(P::containsLinkFlag, 0);
    if (formatting == 1) {
        std::shared_ptr<myTextView> record = document.generateATextView(rule, pageName);
        record->setTextType(QStringLiteral("HTMLSnippet"));
        record->setSnippetFormatFlag(1);
        record->setContainsLinkFlag(containsLink);
        return record;
    }

    // Code shown as code: grey, dashed and slightly transparent.
    auto record = myTextView::initWithFrame(frame);
    myTextView& r = *record;
    MTextView& view = *r.textView();
    const QColor grey = DataCentre::colorWithHexString(QStringLiteral("DCDCDC"));
    r.setSnippetFormatFlag(RecordFlag(formatting));
    r.setTableNumber(kNoNumber);
    r.setManualLayerIndex(manualLayerIndex);
    r.setMoveLock(moveLock);
    r.setTag(tag);
    r.setTextType(QStringLiteral("HTMLSnippet"));
    r.setBackgroundColor(grey);
    view.setBackgroundColor(grey);
    r.setColorString(QStringLiteral("DCDCDC"));
    r.setBackgroundHexColorString(QStringLiteral("DCDCDC"));
    r.setTextColorString(QStringLiteral("4F4C4C"));
    QFont font;
    font.setFamilies({RuleReading::defaultFontFamily()});
    font.setPixelSize(14);
    view.setFont(font);
    r.setFamilyName(RuleReading::defaultFontFamily());
    r.setAlphaValue(0.9);
    r.setNlines(nlines);
    r.setBorderColor(QColor(Qt::darkGray));
    r.setCornerRadius(0);
    view.setBorderLine(QStringLiteral("dashed"));
    r.setGroupNumber(rule.truncated(P::groupNumber, kNoNumber));
    r.setTemplateName(rule.string(P::templateName, QStringLiteral("")));
    // The snippet's place in a section, and no form option: a plain record's zeros would put it into
    // section 0 and make it option 0.
    r.setSectionNumber(rule.integer(P::sectionNumber, kNoNumber));
    r.setSectionRowSpot(rule.integer(P::sectionRowSpot, kNoNumber));
    r.setSectionColumnSpot(rule.integer(P::sectionColumnSpot, kNoNumber));
    r.setFormOptionTag(kNoNumber);
    return record;
}

std::shared_ptr<TableGridView> readOldTable(const PageObjectRule& rule)
{
    auto record = std::make_shared<TableGridView>(requiredFrame(rule));
    record->setTag(rule.requiredInt(P::zIndex));
    record->setMoveLock(PageObjectRules::truncatedOf(rule.requiredString(P::fixed)) == 1 ? 1 : 0);
    record->setNumOfRows(rule.requiredInt(P::numOfRows));
    record->setNumOfColumns(rule.requiredInt(P::numOfColumns));
    record->setTableNumber(rule.requiredInt(P::tableNumber));
    return record;
}

std::shared_ptr<myTextView> readOldTableCell(const PageObjectRule& rule)
{
    auto record = std::make_shared<myTextView>();
    myTextView& r = *record;
    MTextView& view = *r.textView();
    r.setPartOfTableFlag(1);
    if (const std::optional<QString> background = rule.value(P::backgroundColor)) {
        view.setBackgroundColor(DataCentre::colorWithHexString(*background));
        r.setColorString(*background);
    } else {
        view.setBackgroundColor(Qt::transparent);
    }
    QFont font;
    font.setFamilies({rule.requiredString(P::fontFamily)});
    const int size = rule.requiredInt(P::fontSize);
    if (size > 0)
        font.setPixelSize(size);
    view.setFont(font);
    const QString color = rule.requiredString(P::color);
    view.setTextColor(DataCentre::colorWithHexString(color));
    r.setTextColorString(color);
    view.setBorderLine(rule.requiredString(P::borderStyle));
    r.setTableNumber(rule.requiredInt(P::tableNumber));
    // The old cells name their row the column and their column the row.
    r.setRowSpot(rule.requiredInt(QStringLiteral("columnNumber")));
    r.setColumnSpot(rule.requiredInt(QStringLiteral("rowNumber")));
    r.setTextType(QStringLiteral("Text"));
    return record;
}

} // namespace ObjectRuleReaders
