#pragma once

#include <QIntValidator>
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

} // namespace GridControls
