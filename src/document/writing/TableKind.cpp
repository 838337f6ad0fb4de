#include "codegen/ElementCodeParts.h"
#include "codegen/PageCodeContext.h"
#include "codegen/RuleWriter.h"
#include "codegen/TableGridCode.h"
#include "codegen/widgets/WidgetCode.h"
#include "document/core/SKTDocument.h"
#include "document/format/PageFileFormat.h"
#include "document/writing/PageAssembly.h"
#include "document/writing/PageKinds.h"
#include "model/GraphicKinds.h"
#include "model/NoNumber.h"
#include "model/RecordConversion.h"
#include "model/SKTTable.h"
#include "model/records/MTextView.h"
#include "profile/DataCentre.h"

#include <QTextDocument>

namespace Property = PageFile::Property;

namespace {

// Sections are arranged with the responsive page; each web component has a generator of its own.
const QStringList kSectionTypes = {QStringLiteral("section"), QStringLiteral("sectionTemplate")};

QString tableGridRule(PageAssembly& page, SKTTable& table, int number)
{
    const QRectF b = table.bounds();
    const QString templateName = page.settleTemplateNameOrMain(table);
    RuleWriter rule(PageFile::Rule::tableGrid + QString::number(number));
    rule.text(Property::position, PageAssembly::positionOf(table.scrollFlag()))
        .pixels(Property::left, int(b.x()))
        .pixels(Property::top, int(b.y()))
        .integer(Property::zIndex, page.layerOf(table))
        .pixels(Property::width, int(b.width()))
        .pixels(Property::height, int(b.height()))
        .integer(Property::fixed, table.moveLock())
        .integer(Property::numOfRows, table.numOfRows())
        .integer(Property::numOfColumns, table.numOfColumns())
        .integer(Property::groupNumber, table.groupNumber())
        .integer(Property::padding, table.padding())
        .integer(Property::shadowFlag, table.shadowFlag())
        .integer(Property::backdrop, table.backdropLightingFlag())
        .freeText(Property::templateName, templateName)
        .integer(Property::tableNumber, number)
        .integer(Property::manualLayerIndex, table.manualLayerIndex())
        .freeText(Property::gridType, table.gridType())
        .integer(Property::sectionNumber, table.sectionNumber())
        .integer(Property::sectionRowSpot, table.sectionRowSpot())
        .integer(Property::sectionColumnSpot, table.sectionColumnSpot())
        .integer(Property::sectionTopPadding, table.topPadding())
        .integer(Property::sectionBottomPadding, table.bottomPadding())
        .integer(Property::sectionLeftPadding, table.leftPadding())
        .integer(Property::sectionRightPadding, table.rightPadding())
        .freeText(Property::sectionID, table.sectionIDString())
        .integer(Property::initialLaunchState, table.initialLaunchStateFlag());
    const int values[] = {table.topPadding(),   table.bottomPadding(), table.leftPadding(),
                          table.rightPadding(), table.topMargin(),     table.bottomMargin(),
                          table.leftMargin(),   table.rightMargin()};
    const QString units[] = {table.topPaddingType(),   table.bottomPaddingType(), table.leftPaddingType(),
                             table.rightPaddingType(), table.topMarginType(),     table.bottomMarginType(),
                             table.leftMarginType(),   table.rightMarginType()};
    const QString levels[] = {table.topPaddingLevelString(),  table.bottomPaddingLevelString(),
                              table.leftPaddingLevelString(), table.rightPaddingLevelString(),
                              table.topMarginLevelString(),   table.bottomMarginLevelString(),
                              table.leftMarginLevelString(),  table.rightMarginLevelString()};
    for (int i = 0; i < 8; ++i)
        rule.integer(Property::boxValues[i], values[i]);
    for (int i = 0; i < 8; ++i)
        rule.freeText(Property::boxUnits[i], units[i]);
    for (int i = 0; i < 8; ++i)
        rule.freeText(Property::boxLevels[i], levels[i]);
    return QLatin1Char('\n') + rule.closed() + QLatin1Char('\n');
}

// The text box a cell is written as: the cell converted the way a loaded text box is, at the cell's place
// and with the cell's own text.
std::shared_ptr<SKTGraphic> textBoxOfCell(myTextView& cell)
{
    cell.setFrame(QRectF(cell.originX(), cell.originY(), cell.width(), cell.height()));
    if (cell.textView() && cell.textStorage())
        cell.textView()->setString(cell.textStorage()->toPlainText());
    std::shared_ptr<SKTGraphic> box = GraphicKinds::make(QStringLiteral("SKTText"));
    box->initWithProperties(RecordConversion::textProperties(cell, cell.templateName()));
    return box;
}

// The cells, last first, join the list of the pass that writes them.
void handOnCells(PageAssembly& page, const SKTTable& table, GraphicList& list)
{
    const myTextViewList cells = table.cellHelperArray();
    for (auto it = cells.crbegin(); it != cells.crend(); ++it) {
        if (!*it)
            continue;
        const std::shared_ptr<SKTGraphic> box = textBoxOfCell(**it);
        page.lists.tableCellOfBox.insert(box.get(), *it);
        list.append(box);
    }
}

// A web component stands on the responsive page only inside a section cell, where the arrangement places
// it by the table's own frame.
void writeWebComponent(PageAssembly& page, const SKTTable& table, WidgetCode::Generator generate)
{
    const PageCodeContext context = page.codeContext();
    const QRect cell = SKTTable::grabOverLappingSectionCell(context.graphics, table.bounds().topLeft());
    if (!cell.isNull()) {
        if (std::optional<CodeWidgetHelper> record = generate(WidgetTable::of(table, context))) {
            const QRectF b = table.bounds();
            record->setRect(b.x(), b.y(), b.width(), b.height());
            page.lists.sourceCodeArray.append(*record);
        }
    }
    handOnCells(page, table, page.lists.textViewArray);
}

} // namespace

void SKTDocument::populateTableNumbers()
{
    const GraphicList all = tables();
    for (qsizetype i = 0; i < all.size(); ++i) {
        auto* table = qobject_cast<SKTTable*>(all.at(i).get());
        if (!table)
            continue;
        const int number = int(all.size() - 1 - i);
        if (table->tableBackgroundImage())
            table->tableBackgroundImage()->setTableNumber(number);
        for (const std::shared_ptr<myTextView>& cell : table->cellHelperArray()) {
            if (cell)
                cell->setTableNumber(number);
        }
    }
    if (!DataCentre::profile().tableImages)
        return;
    for (qsizetype i = 0; i < all.size(); ++i) {
        auto* table = qobject_cast<SKTTable*>(all.at(i).get());
        if (!table)
            continue;
        for (const std::shared_ptr<TransformView>& picture : table->imageArray()) {
            if (picture)
                picture->setTableNumber(int(all.size() - 1 - i));
        }
    }
}

CodeWidgetHelper SKTDocument::generateTableCode(SKTTable& table, bool responsiveOutput)
{
    return TableGridCode::generateTableCode(table, responsiveOutput, pageCodeContext());
}

namespace PageKinds {

void writeTables(PageAssembly& page)
{
    const ProductProfile& profile = DataCentre::profile();
    const GraphicList& tables = page.lists.tableArray;
    // The cells are written where the tables place them, drawn or not; a web component asks for the
    // section cell it lies in, so every section is laid out before any table is written.
    for (const std::shared_ptr<SKTGraphic>& graphic : tables) {
        if (auto* table = qobject_cast<SKTTable*>(graphic.get()))
            table->layOutCells();
    }
    int number = 0;
    for (auto it = tables.crbegin(); it != tables.crend(); ++it, ++number) {
        auto* table = qobject_cast<SKTTable*>(it->get());
        if (!table)
            continue;
        // The background picture is written with the page's images.
        if (table->tableBackgroundImage() && table->selectable())
            page.lists.imageViewArray.append(PageImage(table->tableBackgroundImage()));
        ElementCodeParts::markWebFontUsed(table->fontFamily());
        page.pieces.tableCss += tableGridRule(page, *table, number);

        const myTextViewList cells = table->cellHelperArray();
        for (qsizetype i = 0; i < cells.size(); ++i) {
            if (cells.at(i))
                cells.at(i)->setTag(int(i));
        }
        if (profile.tableImages) {
            const TransformViewList pictures = table->imageArray();
            for (qsizetype i = 0; i < pictures.size(); ++i) {
                pictures.at(i)->setTag(int(i));
                page.lists.imageViewArray.append(PageImage(pictures.at(i)));
            }
        }

        if (page.responsiveOutput()) {
            if (kSectionTypes.contains(table->gridType()))
                continue;
            if (const WidgetCode::Generator generate = WidgetCode::generatorForGridType(table->gridType())) {
                writeWebComponent(page, *table, generate);
                continue;
            }
            handOnCells(page, *table, page.lists.textViewArray);
            page.lists.sourceCodeArray.append(page.document.generateTableCode(*table, page.publish));
        } else {
            handOnCells(page, *table,
                        profile.responsiveDesign ? page.lists.htmlSnippetArray : page.lists.textViewArray);
        }
    }
}

} // namespace PageKinds
