#pragma once

#include <QSplitter>

// The main split view of the document window: a splitter framed by a thin black line.
class CustomSplitView : public QSplitter {
    Q_OBJECT

public:
    using QSplitter::QSplitter;

protected:
    void paintEvent(QPaintEvent* event) override;
};
