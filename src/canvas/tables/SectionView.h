#pragma once

#include <QWidget>

class QPushButton;

// One column tile of the section grid window: a gold block with a black frame and its column's number
// button, carrying the column's Bootstrap counts for the four screen classes. Its width stands for half
// the column's width.
class SectionView : public QWidget {
    Q_OBJECT

public:
    explicit SectionView(const QRect& frame, QWidget* parent = nullptr);

    QPushButton* button() const { return m_button; }
    void setButton(QPushButton* button) { m_button = button; }
    int xsGridColumns() const { return m_xsGridColumns; }
    void setXsGridColumns(int columns) { m_xsGridColumns = columns; }
    int smallGridColumns() const { return m_smallGridColumns; }
    void setSmallGridColumns(int columns) { m_smallGridColumns = columns; }
    int mediumGridColumns() const { return m_mediumGridColumns; }
    void setMediumGridColumns(int columns) { m_mediumGridColumns = columns; }
    int largeGridColumns() const { return m_largeGridColumns; }
    void setLargeGridColumns(int columns) { m_largeGridColumns = columns; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPushButton* m_button = nullptr;
    int m_xsGridColumns = 0;
    int m_smallGridColumns = 0;
    int m_mediumGridColumns = 0;
    int m_largeGridColumns = 0;
};
