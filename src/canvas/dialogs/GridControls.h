#pragma once

#include <QGridLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

#include <limits>

// The controls the table and gallery grid windows share, each named after its outlet.
namespace GridControls {

template <class Widget> Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// A field of whole numbers, as a plain number formatter reads them.
inline QLineEdit* numberField(const char* name)
{
    auto* field = named(new QLineEdit, name);
    field->setValidator(new QIntValidator(field));
    field->setMaximumWidth(70);
    return field;
}

// Only the arrows of the spin box show: the count beside it is the field. No count below 1, none above.
inline QSpinBox* stepper(const char* name)
{
    auto* box = named(new QSpinBox, name);
    box->setMinimum(1);
    box->setMaximum(std::numeric_limits<int>::max());
    box->setFixedWidth(22);
    return box;
}

// The rows both windows begin with: the column and row counts with their steppers, then the spacing field
// with its slider spanning the given number of columns.
inline void addCountAndSpacingRows(QGridLayout& grid, QWidget* columns, QWidget* columnStepper, QWidget* rows,
                                   QWidget* rowStepper, QWidget* spacing, QWidget* spacingSlider, int sliderSpan)
{
    grid.addWidget(new QLabel(QObject::tr("Columns:")), 0, 0);
    grid.addWidget(columns, 0, 1);
    grid.addWidget(columnStepper, 0, 2);
    grid.addWidget(new QLabel(QObject::tr("Rows:")), 1, 0);
    grid.addWidget(rows, 1, 1);
    grid.addWidget(rowStepper, 1, 2);
    grid.addWidget(new QLabel(QObject::tr("Spacing:")), 2, 0);
    grid.addWidget(spacing, 2, 1);
    grid.addWidget(spacingSlider, 2, 2, 1, sliderSpan);
}

} // namespace GridControls
