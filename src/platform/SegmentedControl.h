#pragma once

#include <QStringList>
#include <QWidget>

class QButtonGroup;

// A row of labelled segments of which one is selected (or none, -1). Choosing a segment selects it and
// sends activated; setting the selection in code sends nothing.
class SegmentedControl : public QWidget {
    Q_OBJECT

public:
    explicit SegmentedControl(const QStringList& labels, QWidget* parent = nullptr);

    int segmentCount() const;
    // The label of the segment; null beyond the segments.
    QString segmentLabel(int segment) const;
    // The segment whose label it is, -1 for none.
    int segmentWithLabel(const QString& label) const;
    void setSegmentEnabled(int segment, bool enabled);
    bool isSegmentEnabled(int segment) const;
    int selectedSegment() const;
    void setSelectedSegment(int segment);

Q_SIGNALS:
    void activated(int segment);

private:
    QButtonGroup* m_group;
};
