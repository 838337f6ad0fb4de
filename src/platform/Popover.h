#pragma once

#include <QPointer>
#include <QRect>
#include <QWidget>

// A transient panel shown beside a rectangle of another widget: it holds one content widget at a time and
// closes when the user clicks outside it. Showing new content replaces (and deletes) the old.
class Popover : public QWidget {
    Q_OBJECT

public:
    explicit Popover(QWidget* parent);

    // Takes the content over, sizes itself to it and shows left of the anchor rectangle (in the anchor's
    // coordinates), vertically centred on it, kept on the anchor's screen.
    void showContent(QWidget* content, QWidget& anchor, const QRect& anchorRect);
    QWidget* content() const { return m_content; }

private:
    QPointer<QWidget> m_content;
};
