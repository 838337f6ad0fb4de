#include "canvas/factories/MultiplyViewController.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QPushButton>

namespace {

QComboBox* addPopUp(QFormLayout& form, const char* label, const char* name)
{
    auto* popUp = new QComboBox;
    popUp->setObjectName(QString::fromLatin1(name));
    form.addRow(QCoreApplication::translate("MultiplyViewController", label), popUp);
    return popUp;
}

} // namespace

MultiplyViewController::MultiplyViewController(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("MultiplyViewController"));
    auto* form = new QFormLayout(this);
    m_popupButton = addPopUp(*form, "Branches", "popupButton");
    m_sizePopUpButton = addPopUp(*form, "Size", "sizePopUpButton");
    m_distancePopUpButton = addPopUp(*form, "Distance", "distancePopUpButton");
    m_lineTypePopUpButton = addPopUp(*form, "Line", "lineTypePopUpButton");
    m_degreePopUpButton = addPopUp(*form, "Degrees", "degreePopUpButton");
    m_addButton = new QPushButton(QCoreApplication::translate("MultiplyViewController", "Add"));
    m_addButton->setObjectName(QStringLiteral("addButton"));
    m_addButton->setDefault(true);
    form->addRow(m_addButton);
}
