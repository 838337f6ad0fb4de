#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;

// The caption popover's content: the caption of one gallery picture, its link and Save. The canvas fills
// the fields and connects Save each time it opens the popover.
class GalleryGridCaptionViewController : public QWidget {
    Q_OBJECT

public:
    explicit GalleryGridCaptionViewController(QWidget* parent = nullptr);

    QPushButton* saveButton() const { return m_saveButton; }
    QLineEdit* captionTextField() const { return m_captionTextField; }
    QLineEdit* linkTextField() const { return m_linkTextField; }

private:
    QPushButton* m_saveButton;
    QLineEdit* m_captionTextField;
    QLineEdit* m_linkTextField;
};
