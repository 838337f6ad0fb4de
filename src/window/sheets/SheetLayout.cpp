#include "window/sheets/SheetLayout.h"

#include <QDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>

namespace SheetLayout {

QFormLayout* begin(QDialog& sheet)
{
    sheet.setWindowModality(Qt::WindowModal);
    return new QFormLayout(&sheet);
}

void addButtons(QFormLayout& form, QPushButton& cancel, QPushButton& save)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(&cancel);
    row->addWidget(&save);
    save.setDefault(true);
    form.addRow(row);
}

} // namespace SheetLayout
