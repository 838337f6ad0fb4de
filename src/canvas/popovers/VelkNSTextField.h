#pragma once

#include <QLineEdit>

// A text field that takes a dropped file as its name only: a page document of the product becomes the
// name of the page it is published as ("about.velkpage" gives "about.html"), so a page of the site can be
// linked by dragging its document onto the field.
class VelkNSTextField : public QLineEdit {
    Q_OBJECT

public:
    explicit VelkNSTextField(QWidget* parent = nullptr);

    // What a dropped file at the path leaves in the field.
    static QString textForDroppedFile(const QString& path);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};
