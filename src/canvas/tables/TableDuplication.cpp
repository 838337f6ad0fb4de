#include "canvas/view/SKTGraphicView.h"

#include "canvas/factories/TableProperties.h"
#include "document/files/PageFolderFiles.h"
#include "model/NoNumber.h"
#include "model/SKTTable.h"
#include "platform/Format.h"
#include "profile/DataCentre.h"

#include <QFile>
#include <QFileInfo>
#include <QTextDocument>

// A copy of a table, section or grid component that shares nothing with its source: new cell records, new
// picture records under new names with copies of their kept originals, and a new section number.

namespace {

QString pageFolder(const QString& pagePath)
{
    const QFileInfo info(pagePath);
    return info.suffix().isEmpty() ? pagePath : pagePath.chopped(info.suffix().size() + 1);
}

// The kept original of a picture: its unscaled file beside the page picture.
QString keptOriginalName(const TransformView& picture)
{
    return picture.imageName() + QStringLiteral("o.") + picture.imageType();
}

// Copies the kept original of `from` to that of `to` in the page folder, replacing what is there; a
// missing original leaves the copy without one.
void copyKeptOriginal(const QString& folder, const TransformView& from, const TransformView& to)
{
    const QString source = PageFolderFiles::fileInside(folder, keptOriginalName(from));
    const QString target = PageFolderFiles::fileInside(folder, keptOriginalName(to));
    if (source.isEmpty() || target.isEmpty() || !QFileInfo(source).isFile())
        return;
    QFile::remove(target);
    QFile::copy(source, target);
}

// A new cell with the text (without its formatting), spot and style of the source cell, in the section.
std::shared_ptr<myTextView> copyOfCell(const myTextView& c, int sectionNumber)
{
    auto n = SKTGraphicView::createNewTableCell();
    n->textStorage()->setPlainText(c.textStorage() ? c.textStorage()->toPlainText() : QString());
    n->setRowSpot(c.rowSpot());
    n->setColumnSpot(c.columnSpot());
    if (c.textView() && n->textView()) {
        n->textView()->setFont(c.textView()->font());
        n->textView()->setAlignment(c.textView()->alignment());
        n->textView()->setBorderLine(c.textView()->borderLine());
    }
    n->setAlphaValue(c.alphaValue());
    n->setShadowFlag(c.shadowFlag());
    n->setTextColorString(c.textColorString());
    n->setTextHexColorString(c.textHexColorString());
    n->setColorString(c.colorString());
    n->setBackgroundHexColorString(c.backgroundHexColorString());
    n->setHoverColorString(c.hoverColorString());
    n->setHoverTextColorString(c.hoverTextColorString());
    n->setLink(c.link());
    n->setLinkOption(c.linkOption());
    n->setLinkType(c.linkType());
    n->setCornerRadius(c.cornerRadius());
    n->setTextAlignment(c.textAlignment());
    n->setBorderHexColorString(c.borderHexColorString());
    n->setBorderWidth(c.borderWidth());
    n->setWidth(c.width());
    n->setHeight(c.height());
    n->setFamilyName(c.familyName());
    n->setFontSize(c.fontSize());
    n->setLineSpacing(c.lineSpacing());
    n->setXsGridColumns(c.xsGridColumns());
    n->setSmallGridColumns(c.smallGridColumns());
    n->setMediumGridColumns(c.mediumGridColumns());
    n->setLargeGridColumns(c.largeGridColumns());
    n->setFixedWidthFlag(c.fixedWidthFlag());
    n->setFixedHeightFlag(c.fixedHeightFlag());
    n->setSectionNumber(sectionNumber);
    return n;
}

// A new picture record of the source's picture, in no group, gallery or slideshow.
std::shared_ptr<TransformView> copyOfPicture(const TransformView& e, const QString& name)
{
    auto t = std::make_shared<TransformView>();
    t->setImage(e.image());
    t->setSlideShowNumber(kNoNumber);
    t->setGroupNumber(kNoNumber);
    t->setGalleryNumber(kNoNumber);
    t->setImageType(e.imageType());
    t->setImageName(name);
    t->setTemplateName(QString());
    return t;
}

} // namespace

std::shared_ptr<SKTTable> SKTGraphicView::duplicateTable(const std::shared_ptr<SKTTable>& table, int y)
{
    if (!table || !m_document)
        return nullptr;
    SKTDocument& document = mutableGraphics();
    const QString folder = pageFolder(document.pagePath());
    const int sectionNumber = findNextSectionNumber();

    myTextViewList cells;
    for (const std::shared_ptr<myTextView>& cell : table->cellHelperArray()) {
        if (cell)
            cells << copyOfCell(*cell, sectionNumber);
    }

    TransformViewList pictures;
    for (const std::shared_ptr<TransformView>& picture : table->imageArray()) {
        if (!picture)
            continue;
        auto copy = copyOfPicture(*picture, document.getNextImageName(pictures));
        copy->setRowSpot(picture->rowSpot());
        copy->setColumnSpot(picture->columnSpot());
        copy->setOriginalWidth(picture->image().width());
        copy->setOriginalHeight(picture->image().height());
        // A picture that links somewhere still does in the copy.
        copy->setLink(picture->link());
        copy->setLinkOption(picture->linkOption());
        copyKeptOriginal(folder, *picture, *copy);
        pictures << copy;
    }

    TransformViewList background;
    if (const std::shared_ptr<TransformView> source = table->tableBackgroundImage()) {
        auto copy = copyOfPicture(*source, document.getNextImageName(pictures));
        copy->setRowSpot(kNoNumber);
        copy->setColumnSpot(kNoNumber);
        copy->setForceNonRetinaFlag(source->forceNonRetinaFlag());
        copyKeptOriginal(folder, *source, *copy);
        background << copy;
    }

    QRectF bounds = table->bounds();
    int offset = 0;
    if (DataCentre::profile().pasteInPlace && table->gridType() == QLatin1String("section")) {
        offset = int(bounds.y() - y);
        bounds.moveTop(y);
    }

    // The copy keeps the look of its source (colours, margins, group); its border is dashed to tell it apart.
    GraphicPropertyDictionary properties = table->properties();
    const QList<std::pair<QString, QVariant>> own = {
        {QStringLiteral("bounds"), Format::rect(bounds)},
        {QStringLiteral("numOfColumns"), Format::integer(table->numOfColumns())},
        {QStringLiteral("numOfRows"), Format::integer(table->numOfRows())},
        {QStringLiteral("padding"), Format::integer(table->padding())},
        {QStringLiteral("cellArray"), QVariant::fromValue(cells)},
        {QStringLiteral("imageArray"), QVariant::fromValue(pictures)},
        {QStringLiteral("tableBackgroundArray"), QVariant::fromValue(background)},
        {QStringLiteral("borderStyle"), QStringLiteral("dashed")},
        {QStringLiteral("gridType"), table->gridType()},
        {QStringLiteral("topPadding"), Format::integer(int(table->topPadding()))},
        {QStringLiteral("bottomPadding"), Format::integer(int(table->bottomPadding()))},
        {QStringLiteral("rightPadding"), Format::integer(int(table->rightPadding()))},
        {QStringLiteral("leftPadding"), Format::integer(int(table->leftPadding()))},
        {QStringLiteral("sectionNumber"), Format::integer(sectionNumber)},
    };
    for (const auto& [key, value] : own)
        properties.insert(key, value);
    const std::shared_ptr<SKTTable> copy = TableProperties::newTable(properties);
    copy->setGroupNumber(table->groupNumber());
    // A new table takes its border from its first cell; the copy's stays dashed.
    copy->setBorderStyle(QStringLiteral("dashed"));
    document.insertGraphics({copy}, {0});
    table->setInterimTranslatedY(offset);
    return copy;
}
