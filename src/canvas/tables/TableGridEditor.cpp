#include "canvas/tables/TableGridEditor.h"

#include "canvas/tables/TableGridWindowController.h"
#include "canvas/tables/TableStructure.h"
#include "canvas/view/SKTGraphicView.h"
#include "model/SKTTable.h"
#include "profile/DataCentre.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>

namespace {

QString decimal(int value)
{
    return QString::number(value);
}

int integerOf(const QLineEdit& field)
{
    return field.text().trimmed().toInt();
}

// The table takes the size of its cells, so a typed size holds instead of being shared out again among the
// other columns or rows by the resize rule.
void fitToCells(SKTTable& table)
{
    const QRectF bounds = table.bounds();
    table.setBounds(QRectF(bounds.topLeft(), QSizeF(table.tableTotalCellWidth(), table.tableTotalCellHeight())));
}

void fillPopUp(QComboBox& popUp, const QString& format, int count)
{
    popUp.clear();
    for (int number = 1; number <= count; ++number)
        popUp.addItem(format.arg(number));
}

// Lines up the objects of the section concerned: the table itself when it is a section, else the topmost
// section it overlaps.
void reAlignSectionOf(SKTGraphicView& canvas, const std::shared_ptr<SKTTable>& table)
{
    const std::shared_ptr<SKTGraphic> section = table->gridType() == QLatin1String("section")
                                                    ? table
                                                    : canvas.grabOverLappingSection(table->bounds());
    if (section)
        canvas.reAlignSectionObjects(*section);
}

} // namespace

TableGridEditor::TableGridEditor(SKTGraphicView& canvas)
    : QObject(&canvas)
    , m_canvas(canvas)
{}

TableGridEditor::~TableGridEditor()
{
    delete m_window;
}

void TableGridEditor::makeWindow()
{
    m_window = new TableGridWindowController(m_canvas.window());
    m_window->setWindowTitle(tr("Configure Table Grid"));
    TableGridWindowController& w = *m_window;
    connect(w.saveButton(), &QPushButton::clicked, this, &TableGridEditor::saveTableSettings);
    connect(w.spacingSlider(), &QSlider::valueChanged, this, &TableGridEditor::adjustTableSpacing);
    connect(w.columnStepper(), &QSpinBox::valueChanged, this, &TableGridEditor::updateTableNumOfColumns);
    connect(w.rowStepper(), &QSpinBox::valueChanged, this, &TableGridEditor::updateTableNumOfRows);
    connect(w.columnWidthPopUpButton(), &QComboBox::activated, this, &TableGridEditor::adjustTableColumnWidth);
    connect(w.rowHeightPopUpButton(), &QComboBox::activated, this, &TableGridEditor::adjustTableRowHeight);
    connect(w.fixedWidthCheckmark(), &QCheckBox::clicked, this, &TableGridEditor::updateFixedWidth);
    connect(w.fixedHeightCheckmark(), &QCheckBox::clicked, this, &TableGridEditor::updateFixedHeight);
    // Sizes apply as they are typed; an emptied field changes nothing.
    connect(w.widthTextField(), &QLineEdit::textEdited, this, [this](const QString& text) {
        if (!text.isEmpty())
            updateColumnWidth();
    });
    connect(w.heightTextField(), &QLineEdit::textEdited, this, [this](const QString& text) {
        if (!text.isEmpty())
            updateRowHeight();
    });
    connect(w.widthTextField(), &QLineEdit::returnPressed, this, &TableGridEditor::updateColumnWidth);
    connect(w.heightTextField(), &QLineEdit::returnPressed, this, &TableGridEditor::updateRowHeight);
    for (QCheckBox* box : {w.sameWidthForAllColumnsCheckmark(), w.sameHeightForAllRowsCheckmark()})
        connect(box, &QCheckBox::clicked, this, &TableGridEditor::adjustSameWidthAndHeightForTableSettings);
}

void TableGridEditor::configureTableGrid(const std::shared_ptr<SKTTable>& table)
{
    if (!table)
        return;
    m_table = table;
    if (!m_window)
        makeWindow();
    TableGridWindowController& w = *m_window;
    const SKTTable& t = *table;

    w.numOfColumnsTextField()->setText(decimal(t.numOfColumns()));
    w.numOfRowsTextField()->setText(decimal(t.numOfRows()));
    w.spacingTextField()->setText(decimal(t.padding()));
    {
        // Filling the controls is no action of the user's.
        const QSignalBlocker slider(w.spacingSlider());
        const QSignalBlocker columns(w.columnStepper());
        const QSignalBlocker rows(w.rowStepper());
        w.spacingSlider()->setRange(0, 40);
        w.spacingSlider()->setTickInterval(4);
        w.spacingSlider()->setTickPosition(QSlider::TicksBelow);
        w.spacingSlider()->setValue(t.padding());
        w.columnStepper()->setValue(t.numOfColumns());
        w.rowStepper()->setValue(t.numOfRows());
    }
    fillPopUp(*w.columnWidthPopUpButton(), tr("Column %1"), t.numOfColumns());
    fillPopUp(*w.rowHeightPopUpButton(), tr("Row %1"), t.numOfRows());
    w.fixedWidthCheckmark()->setText(tr("Fixed"));
    w.fixedHeightCheckmark()->setText(tr("Fixed"));
    const std::shared_ptr<myTextView> first = t.grabSelectedTableCellHelper(0, 0);
    w.widthTextField()->setText(decimal(first ? first->width() : 0));
    w.heightTextField()->setText(decimal(first ? first->height() : 0));
    w.fixedWidthCheckmark()->setChecked(first && first->fixedWidthFlag() != 0);
    w.fixedHeightCheckmark()->setChecked(first && first->fixedHeightFlag() != 0);
    w.sameWidthForAllColumnsCheckmark()->setChecked(t.sameWidthForAllColumnsFlag() != 0);
    w.sameHeightForAllRowsCheckmark()->setChecked(t.sameHeightForAllRowsFlag() != 0);
    adjustSameWidthAndHeightForTableSettings();
    w.adjustSize();
    w.show();
    w.raise();
    w.activateWindow();
}

void TableGridEditor::adjustSameWidthAndHeightForTableSettings()
{
    TableGridWindowController& w = *m_window;
    const bool sameWidth = w.sameWidthForAllColumnsCheckmark()->isChecked();
    const bool sameHeight = w.sameHeightForAllRowsCheckmark()->isChecked();
    for (QWidget* control : {static_cast<QWidget*>(w.columnWidthPopUpButton()),
                             static_cast<QWidget*>(w.fixedWidthCheckmark()), static_cast<QWidget*>(w.widthTextField())})
        control->setEnabled(!sameWidth);
    for (QWidget* control : {static_cast<QWidget*>(w.rowHeightPopUpButton()),
                             static_cast<QWidget*>(w.fixedHeightCheckmark()), static_cast<QWidget*>(w.heightTextField())})
        control->setEnabled(!sameHeight);
}

void TableGridEditor::adjustTableColumnWidth()
{
    const std::shared_ptr<myTextView> cell =
        m_table->grabSelectedTableCellHelper(0, m_window->columnWidthPopUpButton()->currentIndex());
    m_window->widthTextField()->setText(decimal(cell ? cell->width() : 0));
    m_window->fixedWidthCheckmark()->setChecked(cell && cell->fixedWidthFlag() != 0);
}

void TableGridEditor::adjustTableRowHeight()
{
    const std::shared_ptr<myTextView> cell =
        m_table->grabSelectedTableCellHelper(m_window->rowHeightPopUpButton()->currentIndex(), 0);
    m_window->heightTextField()->setText(decimal(cell ? cell->height() : 0));
    m_window->fixedHeightCheckmark()->setChecked(cell && cell->fixedHeightFlag() != 0);
}

void TableGridEditor::updateColumnWidth()
{
    const int column = m_window->columnWidthPopUpButton()->currentIndex();
    const int width = integerOf(*m_window->widthTextField());
    for (int row = 0; row < m_table->numOfRows(); ++row) {
        if (const std::shared_ptr<myTextView> cell = m_table->grabSelectedTableCellHelper(row, column))
            cell->setWidth(width);
    }
    fitToCells(*m_table);
}

void TableGridEditor::updateRowHeight()
{
    const int row = m_window->rowHeightPopUpButton()->currentIndex();
    const int height = integerOf(*m_window->heightTextField());
    for (int column = 0; column < m_table->numOfColumns(); ++column) {
        if (const std::shared_ptr<myTextView> cell = m_table->grabSelectedTableCellHelper(row, column))
            cell->setHeight(height);
    }
    fitToCells(*m_table);
}

void TableGridEditor::updateFixedWidth()
{
    const int column = m_window->columnWidthPopUpButton()->currentIndex();
    const int fixed = m_window->fixedWidthCheckmark()->isChecked() ? 1 : 0;
    for (int row = 0; row < m_table->numOfRows(); ++row) {
        if (const std::shared_ptr<myTextView> cell = m_table->grabSelectedTableCellHelper(row, column))
            cell->setFixedWidthFlag(fixed);
    }
}

void TableGridEditor::updateFixedHeight()
{
    const int row = m_window->rowHeightPopUpButton()->currentIndex();
    const int fixed = m_window->fixedHeightCheckmark()->isChecked() ? 1 : 0;
    for (int column = 0; column < m_table->numOfColumns(); ++column) {
        if (const std::shared_ptr<myTextView> cell = m_table->grabSelectedTableCellHelper(row, column))
            cell->setFixedHeightFlag(fixed);
    }
}

void TableGridEditor::updateTableNumOfColumns()
{
    m_window->numOfColumnsTextField()->setText(decimal(m_window->columnStepper()->value()));
}

void TableGridEditor::updateTableNumOfRows()
{
    m_window->numOfRowsTextField()->setText(decimal(m_window->rowStepper()->value()));
}

void TableGridEditor::adjustTableSpacing()
{
    m_window->spacingTextField()->setText(decimal(m_window->spacingSlider()->value()));
}

void TableGridEditor::updateTableSameWidth()
{
    SKTTable& t = *m_table;
    if (!t.cellHelperArray().isEmpty() && t.numOfColumns() > 0) {
        const int width = int((t.bounds().width() - (t.numOfColumns() + 1) * (t.borderWidth() + t.padding())) /
                              t.numOfColumns());
        for (const std::shared_ptr<myTextView>& cell : t.cellHelperArray())
            cell->setWidth(width);
    }
    t.refreshLayout();
}

void TableGridEditor::updateTableSameHeight()
{
    SKTTable& t = *m_table;
    if (!t.cellHelperArray().isEmpty() && t.numOfRows() > 0) {
        const int height =
            int((t.bounds().height() - (t.numOfRows() + 1) * (t.borderWidth() + t.padding())) / t.numOfRows());
        for (const std::shared_ptr<myTextView>& cell : t.cellHelperArray())
            cell->setHeight(height);
    }
    t.refreshLayout();
}

void TableGridEditor::saveTableSettings()
{
    if (!m_table)
        return;
    TableGridWindowController& w = *m_window;
    SKTTable& t = *m_table;
    t.setSameHeightForAllRowsFlag(w.sameHeightForAllRowsCheckmark()->isChecked() ? 1 : 0);
    t.setSameWidthForAllColumnsFlag(w.sameWidthForAllColumnsCheckmark()->isChecked() ? 1 : 0);
    if (t.sameHeightForAllRowsFlag())
        updateTableSameHeight();
    if (t.sameWidthForAllColumnsFlag())
        updateTableSameWidth();
    // The per-column and per-row sizes exist only in products that offer them.
    if (DataCentre::profile().sameWidthTableColumns) {
        if (!t.sameWidthForAllColumnsFlag() && !w.widthTextField()->text().isEmpty())
            updateColumnWidth();
        if (!t.sameHeightForAllRowsFlag() && !w.heightTextField()->text().isEmpty())
            updateRowHeight();
    }
    if (!w.spacingTextField()->text().trimmed().isEmpty())
        t.setPadding(integerOf(*w.spacingTextField()));
    // A table keeps at least one row and one column: with none it would have no cell to stand on.
    t.setNumOfColumns(std::max(1, integerOf(*w.numOfColumnsTextField())));
    t.setNumOfRows(std::max(1, integerOf(*w.numOfRowsTextField())));
    TableStructure::refreshTable(t);
    w.hide();
    if (DataCentre::profile().responsiveDesign)
        reAlignSectionOf(m_canvas, m_table);
}
