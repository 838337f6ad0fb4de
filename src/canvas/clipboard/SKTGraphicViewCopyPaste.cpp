#include "canvas/view/SKTGraphicView.h"

#include "canvas/clipboard/GraphicsPasteboard.h"
#include "canvas/factories/ImageFactory.h"
#include "canvas/media/ImportedImageSize.h"
#include "document/core/GraphicClasses.h"
#include "model/GraphicError.h"
#include "model/NoNumber.h"
#include "model/SKTTable.h"
#include "model/records/myTextView.h"
#include "platform/Alert.h"
#include "platform/Pasteboard.h"
#include "profile/DataCentre.h"

#include <QFileInfo>
#include <QImageReader>
#include <QMimeData>

#include <algorithm>

namespace {

using TableList = QList<std::shared_ptr<SKTTable>>;

const char* const kCutUndoKey = "Cut";
const char* const kPasteUndoKey = "Paste";
const QString kSlideshowAlertMessage = QStringLiteral("Slideshows do not support copy");
const QString kOneSlideshowText = QStringLiteral("Sorry slideshows can not be copied.");
const QString kSlideshowsAmongOthersText =
    QStringLiteral("Sorry slideshows can not be copied, please de-select slideshows and try copying the "
                   "other objects again");
const QString kSectionGridType = QStringLiteral("section");
const QString kNone = QStringLiteral("none");
const QString kWhite = QStringLiteral("FFFFFF");
const QString kPNG = QStringLiteral("PNG");
const QString kJPG = QStringLiteral("JPG");
// Where a paste puts an image file or a picture from another program, and where the picture's section fit
// is looked up from the part of the page in view.
const QPointF kPastedImagePoint{50, 50};
const QPointF kPictureInsertionOffset{100, 100};
// The gap between sections re-created by one paste.
constexpr int kSectionGap = 50;

// The tables and sections of the last copy, and the clipboard contents that copy made: they are re-created
// only while the clipboard still holds those contents.
TableList& copiedTables()
{
    static TableList tables;
    return tables;
}
qint64 s_copiedTablesChangeCount = -1;

bool isSection(const SKTGraphic& graphic)
{
    return graphic.gridType() == kSectionGridType;
}

// The file types pictures are read from, as written in lower or upper case.
const QStringList& imageFileTypes()
{
    static const QStringList types = [] {
        QStringList list;
        for (const QByteArray& format : QImageReader::supportedImageFormats())
            list << QString::fromLatin1(format).toLower() << QString::fromLatin1(format).toUpper();
        return list;
    }();
    return types;
}

template <typename List> List sortedByKey(List list, int (SKTGraphic::*key)() const, bool ascending)
{
    std::stable_sort(list.begin(), list.end(), [&](const auto& a, const auto& b) {
        return ascending ? ((*a).*key)() < ((*b).*key)() : ((*a).*key)() > ((*b).*key)();
    });
    return list;
}

} // namespace

// ---- Process-wide copy state

TableList SKTGraphicView::copiedTablesArray()
{
    return copiedTables();
}

void SKTGraphicView::entireArrayTablesCheck(const GraphicList& graphics)
{
    for (const std::shared_ptr<SKTGraphic>& graphic : graphics) {
        if (auto table = std::dynamic_pointer_cast<SKTTable>(graphic))
            copiedTables() << table;
    }
}

GraphicList SKTGraphicView::removeTablesFromArray(const GraphicList& graphics)
{
    GraphicList kept;
    std::copy_if(graphics.cbegin(), graphics.cend(), std::back_inserter(kept),
                 [](const auto& graphic) { return !std::dynamic_pointer_cast<SKTTable>(graphic); });
    return kept;
}

int SKTGraphicView::checkForInterimSectionTranslateY(int sectionNumber)
{
    for (const std::shared_ptr<SKTTable>& table : std::as_const(copiedTables())) {
        if (table->sectionNumber() == sectionNumber)
            return table->interimTranslatedY();
    }
    return 0;
}

// ---- Copy and cut

bool SKTGraphicView::copySelection()
{
    const GraphicList selection = selectedGraphics();
    // A refused copy leaves the clipboard and the copied tables as they were, so pastes go on as before.
    const bool slideshow = std::any_of(selection.cbegin(), selection.cend(), [](const auto& graphic) {
        return GraphicClasses::isKindOfClass(*graphic, GraphicClasses::slideshow);
    });
    if (slideshow) {
        Alert alert(kSlideshowAlertMessage,
                    selection.size() == 1 ? kOneSlideshowText : kSlideshowsAmongOthersText);
        alert.style = Alert::Warning;
        alert.runModal(window());
        return false;
    }
    copiedTables().clear();
    entireArrayTablesCheck(selection);
    const qint64 changeCount =
        Pasteboard::setContents(GraphicsPasteboard::newMimeDataWithGraphics(selection));
    s_copiedTablesChangeCount = changeCount;
    m_pasteboardChangeCount = changeCount;
    m_pasteCascadeNumber = 1;
    m_pasteCascadeDelta = QPointF(10, 10);
    ImageFactory::setCopySourcePagePath(getCurrentDocPath());
    return true;
}

void SKTGraphicView::copy()
{
    copySelection();
}

void SKTGraphicView::cut()
{
    // What could not be copied stays on the page.
    if (!copySelection())
        return;
    DocumentUndoManager& undoManager = mutableGraphics().undoManager();
    undoManager.beginUndoGrouping();
    delete_();
    nameUndoStep(kCutUndoKey);
    undoManager.endUndoGrouping();
}

void SKTGraphicView::duplicate()
{
    const GraphicList selection = selectedGraphics();
    if (selection.isEmpty())
        return;
    if (const auto table = std::dynamic_pointer_cast<SKTTable>(selection.first()))
        duplicateTable(table, 0);
    else if (copySelection())
        paste();
    Q_EMIT refreshLayerListing();
}

// ---- Paste

void SKTGraphicView::paste()
{
    SKTDocument& document = mutableGraphics();
    DocumentUndoManager& undoManager = document.undoManager();
    undoManager.beginUndoGrouping();

    // Sections and tables of the last copy, while the clipboard still holds it: sections are re-created one
    // below the other from the last touch point down, tables later with the other graphics.
    TableList sections;
    TableList tables;
    if (Pasteboard::changeCount() == s_copiedTablesChangeCount) {
        for (const std::shared_ptr<SKTTable>& table : std::as_const(copiedTables())) {
            table->setOriginY(int(table->bounds().y()));
            (isSection(*table) ? sections : tables) << table;
        }
    }
    sections = sortedByKey(sections, &SKTGraphic::originY, true);
    tables = sortedByKey(tables, &SKTGraphic::originY, true);
    int sectionY = int(m_lastTouchPoint.y());
    for (const std::shared_ptr<SKTTable>& section : std::as_const(sections)) {
        duplicateTable(section, sectionY);
        sectionY += int(section->bounds().height()) + kSectionGap;
    }
    const bool sectionsRecreated = !sections.isEmpty();

    const QMimeData* data = Pasteboard::contents();
    const GraphicsPasteboard::Contents contents =
        data ? GraphicsPasteboard::contentsOf(*data) : GraphicsPasteboard::Contents::Other;
    if (contents == GraphicsPasteboard::Contents::FileNames) {
        const QStringList names = GraphicsPasteboard::fileNames(*data);
        if (names.size() == 1 && makeNewImageFromContentsOfFile(names.first(), kPastedImagePoint))
            nameUndoStep(kPasteUndoKey);
    } else if (contents == GraphicsPasteboard::Contents::Other) {
        if (data && makeNewImageFromPasteboard(*data, kPastedImagePoint))
            nameUndoStep(kPasteUndoKey);
    } else {
        GraphicError error;
        const std::optional<GraphicList> read =
            SKTGraphic::graphicsWithPasteboardData(GraphicsPasteboard::graphicsData(*data), &error);
        if (!read) {
            Alert(error.localizedDescription, error.localizedFailureReason).runModal(window());
        } else {
            GraphicList pasted = removeTablesFromArray(*read);
            for (const std::shared_ptr<SKTTable>& table : std::as_const(tables))
                pasted << table;
            pasteGraphics(pasted, sectionsRecreated);
        }
    }
    undoManager.endUndoGrouping();
    Q_EMIT refreshLayerListing();
}

void SKTGraphicView::pasteGraphics(GraphicList pasted, bool sectionsRecreated)
{
    SKTDocument& document = mutableGraphics();
    const ProductProfile& profile = DataCentre::profile();
    for (const std::shared_ptr<SKTGraphic>& graphic : std::as_const(pasted))
        graphic->setOriginY(int(graphic->bounds().y()));
    pasted = sortedByKey(pasted, &SKTGraphic::originY, false);

    // Contents this canvas has not written or pasted before start a new cascade, not offset at first.
    const qint64 changeCount = Pasteboard::changeCount();
    if (changeCount != m_pasteboardChangeCount) {
        m_pasteboardChangeCount = changeCount;
        m_pasteCascadeNumber = 0;
        m_pasteCascadeDelta = QPointF(10, 10);
    }
    if (pasted.isEmpty())
        return;
    const std::shared_ptr<SKTGraphic> firstColumn =
        sortedByKey(pasted, &SKTGraphic::sectionColumnSpot, true).first();
    // The copied tables themselves stay where they are: their copies take the offset once made.
    QPointF cascade;
    if (profile.preventOverlap) {
        m_pasteCascadeDelta = QPointF(0, 0);
        m_pasteCascadeNumber = 0;
    } else if (m_pasteCascadeNumber > 0) {
        cascade = m_pasteCascadeDelta * double(m_pasteCascadeNumber);
        SKTGraphic::translateGraphics(removeTablesFromArray(pasted), cascade.x(), cascade.y());
    }
    ++m_pasteCascadeNumber;

    // Pasting in place: the objects go into the section grid under the last touch point, their tops keeping
    // their distances and each at the left edge of the column it had relative to the first column.
    const bool inPlace = profile.pasteInPlace;
    std::shared_ptr<myTextView> cell;
    std::shared_ptr<SKTTable> section;
    if (inPlace) {
        grabOverLappingSectionCell(m_lastTouchPoint);
        cell = grabOverLappingSectionCellView(m_lastTouchPoint);
        section = std::dynamic_pointer_cast<SKTTable>(
            grabOverLappingSection(QRectF(m_lastTouchPoint, QSizeF(1, 1))));
    }
    int runningY = int(m_lastTouchPoint.y());
    int previousY = 0;
    int xOffset = 0;
    const auto place = [&](SKTGraphic& graphic) {
        if (!inPlace)
            return;
        QRectF frame = graphic.bounds();
        if (sectionsRecreated)
            frame.moveTop(frame.y() - checkForInterimSectionTranslateY(graphic.sectionNumber()));
        else
            frame.moveTo(int(frame.x()) - xOffset, previousY);
        graphic.setBounds(frame);
    };
    const auto sectionAtOrigin = [this](const SKTGraphic& graphic) {
        return grabOverLappingSection(QRectF(graphic.bounds().topLeft(), QSizeF(1, 1)));
    };

    int inserted = 0;
    for (qsizetype i = pasted.size() - 1; i >= 0; --i) {
        const std::shared_ptr<SKTGraphic>& graphic = pasted.at(i);
        if (inPlace) {
            const QRectF bounds = graphic->bounds();
            int nextY = runningY + int(bounds.height());
            if (i > 0)
                nextY += int(pasted.at(i - 1)->bounds().y() - (bounds.y() + bounds.height()));
            const int column = (cell ? cell->columnSpot() : 0) + graphic->sectionColumnSpot() -
                               firstColumn->sectionColumnSpot();
            const QRect columnCell = section ? section->grabSelectedCellRect(0, column) : QRect();
            xOffset = int(bounds.x() - columnCell.x());
            previousY = runningY;
            runningY = nextY;
        }
        if (GraphicClasses::isKindOfClass(*graphic, GraphicClasses::image)) {
            graphic->setSlideShowNumber(kNoNumber);
            const QString keptOriginal = graphic->imageName() + QStringLiteral("o.") + graphic->imageType();
            graphic->setImageName(getNextImageName());
            graphic->setTemplateName(QString());
            makeCopyOfOriginalImage(graphic->imageName() + QStringLiteral("o.") + graphic->imageType(),
                                    keptOriginal);
            document.insertGraphics({graphic}, {0});
            place(*graphic);
            applySection(graphic, graphic->bounds().topLeft());
        } else if (GraphicClasses::isKindOfClass(*graphic, GraphicClasses::text)) {
            document.insertGraphics({graphic}, {0});
            place(*graphic);
            applySection(graphic, graphic->bounds().topLeft());
            if (const std::shared_ptr<SKTGraphic> under = sectionAtOrigin(*graphic))
                reAlignSectionObjects(*under);
        } else if (GraphicClasses::isKindOfClass(*graphic, GraphicClasses::line)) {
            document.insertGraphics({graphic}, {0});
        } else if (const auto table = std::dynamic_pointer_cast<SKTTable>(graphic)) {
            const std::shared_ptr<SKTTable> copy = duplicateTable(table, 0);
            if (!copy)
                continue;
            SKTGraphic::translateGraphics({copy}, cascade.x(), cascade.y());
            place(*copy);
            applySection(copy, copy->bounds().topLeft());
            if (const std::shared_ptr<SKTGraphic> under = sectionAtOrigin(*copy))
                reAlignSectionObjects(*under);
        } else {
            // Rectangles, circles and gallery grids are not pasted.
            continue;
        }
        ++inserted;
    }
    IndexSet selection;
    for (int index = 0; index < inserted; ++index)
        selection.insert(index);
    changeSelectionIndexes(selection);
    nameUndoStep(kPasteUndoKey);
}

// ---- Images from files and from other programs

bool SKTGraphicView::makeNewImageFromContentsOfFile(const QString& path, const QPointF& point)
{
    const QString extension = QFileInfo(path).suffix();
    if (!imageFileTypes().contains(extension))
        return false;
    m_workingState.tempImagePath = path;
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QImage image = reader.read();
    if (image.isNull()) {
        qWarning("The picture %s could not be read: %s", qPrintable(path), qPrintable(reader.errorString()));
        return false;
    }
    const QString type = extension == QLatin1String("png") || extension == QLatin1String("PNG") ? kPNG : kJPG;
    const QSizeF pixelSize = image.size();
    addImageIntoArray(image, type, point, true, QString(), pixelSize, kNoNumber, pixelSize, 0, kNone, kWhite,
                      0, 0, 0, QString(), QRectF(point, importedImageSize(pixelSize)));
    return true;
}

bool SKTGraphicView::makeNewImageFromPasteboard(const QMimeData& pasteboard, const QPointF& point)
{
    if (!GraphicsPasteboard::offersImage(pasteboard))
        return false;
    const QImage image = GraphicsPasteboard::image(pasteboard);
    if (image.isNull())
        return false;
    const QPointF visible = visiblePageOrigin() + kPictureInsertionOffset;
    const QPointF insertion(int(visible.x()), int(visible.y()));
    const QSizeF size = image.deviceIndependentSize();
    addImageIntoArray(image, kPNG, insertion, false, QString(), size, kNoNumber, size, 0, kNone, kWhite, 0, 0,
                      0, QString(), QRectF(point, importedImageSize(size)));
    return true;
}
