#include "platform/SegmentedControl.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QToolButton>

SegmentedControl::SegmentedControl(const QStringList& labels, QWidget* parent)
    : QWidget(parent)
    , m_group(new QButtonGroup(this))
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    for (int i = 0; i < labels.size(); ++i) {
        auto* segment = new QToolButton(this);
        segment->setText(labels.at(i));
        segment->setCheckable(true);
        m_group->addButton(segment, i);
        row->addWidget(segment);
    }
    connect(m_group, &QButtonGroup::idClicked, this, &SegmentedControl::activated);
}

int SegmentedControl::segmentCount() const
{
    return int(m_group->buttons().size());
}

QString SegmentedControl::segmentLabel(int segment) const
{
    const QAbstractButton* button = m_group->button(segment);
    return button ? button->text() : QString();
}

int SegmentedControl::segmentWithLabel(const QString& label) const
{
    for (QAbstractButton* button : m_group->buttons()) {
        if (button->text() == label)
            return m_group->id(button);
    }
    return -1;
}

void SegmentedControl::setSegmentEnabled(int segment, bool enabled)
{
    if (QAbstractButton* button = m_group->button(segment))
        button->setEnabled(enabled);
}

bool SegmentedControl::isSegmentEnabled(int segment) const
{
    const QAbstractButton* button = m_group->button(segment);
    return button && button->isEnabled();
}

int SegmentedControl::selectedSegment() const
{
    return m_group->checkedId();
}

void SegmentedControl::setSelectedSegment(int segment)
{
    if (QAbstractButton* button = m_group->button(segment)) {
        button->setChecked(true);
        return;
    }
    // No segment: the group must let go of its checked button first.
    if (QAbstractButton* checked = m_group->checkedButton()) {
        m_group->setExclusive(false);
        checked->setChecked(false);
        m_group->setExclusive(true);
    }
}
