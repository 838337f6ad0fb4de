#include "canvas/popovers/HyperLinkViewController.h"

#include "canvas/popovers/VelkNSTextField.h"
#include "platform/SegmentedControl.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

template <class Widget> Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

HyperLinkViewController::HyperLinkViewController(QWidget* parent)
    : QWidget(parent)
    , m_linkTextbox(named(new VelkNSTextField(this), "linkTextbox"))
    , m_saveLinkButton(named(new QPushButton(tr("Save"), this), "saveLinkButton"))
    , m_linkOptionSegmentedControl(
          named(new SegmentedControl({tr("Same Window"), tr("New Window"), tr("Parent Frame")}, this),
                "linkOptionSegmentedControl"))
    , m_linkOptionTextLabel(named(new QLabel(tr("Open in:"), this), "linkOptionTextLabel"))
    , m_linkTypeSegmentedControl(
          named(new SegmentedControl({tr("Text"), tr("Shape")}, this), "linkTypeSegmentedControl"))
    , m_applyLinkTextLabel(named(new QLabel(tr("Apply link to:"), this), "applyLinkTextLabel"))
    , m_selectPagePopButton(named(new QComboBox(this), "selectPagePopButton"))
    , m_onClickShowTextField(named(new QLineEdit(this), "onClickShowTextField"))
    , m_onClickHideTextField(named(new QLineEdit(this), "onClickHideTextField"))
{
    setObjectName(QStringLiteral("HyperLinkViewController"));
    m_linkTextbox->setPlaceholderText(QStringLiteral("http://"));
    m_saveLinkButton->setDefault(true);
    m_linkOptionSegmentedControl->setSelectedSegment(0);
    m_onClickShowTextField->setPlaceholderText(tr("element ids, separated by commas"));
    m_onClickHideTextField->setPlaceholderText(tr("element ids, separated by commas"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(tr("Link:"), this), 0, 0);
    grid->addWidget(m_linkTextbox, 0, 1);
    grid->addWidget(m_saveLinkButton, 0, 2);
    grid->addWidget(m_selectPagePopButton, 1, 1, 1, 2);
    grid->addWidget(m_linkOptionTextLabel, 2, 0);
    grid->addWidget(m_linkOptionSegmentedControl, 2, 1, 1, 2, Qt::AlignLeft);
    grid->addWidget(m_applyLinkTextLabel, 3, 0);
    grid->addWidget(m_linkTypeSegmentedControl, 3, 1, 1, 2, Qt::AlignLeft);
    auto* showLabel = new QLabel(tr("On click show:"), this);
    auto* hideLabel = new QLabel(tr("On click hide:"), this);
    grid->addWidget(showLabel, 4, 0);
    grid->addWidget(m_onClickShowTextField, 4, 1, 1, 2);
    grid->addWidget(hideLabel, 5, 0);
    grid->addWidget(m_onClickHideTextField, 5, 1, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(6, 1);
    m_onClickRow = {showLabel, m_onClickShowTextField, hideLabel, m_onClickHideTextField};
}

void HyperLinkViewController::setOnClickFieldsVisible(bool visible)
{
    for (QWidget* widget : m_onClickRow)
        widget->setVisible(visible);
}
