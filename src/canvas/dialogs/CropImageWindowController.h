#pragma once

#include <QDialog>
#include <QImage>
#include <QRect>

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class CropImageView;

// The crop sheet of an image: the picture with a crop rectangle the user draws, moves or types in, an
// effect for the result, and room to drop another picture file in place of the input. "Set" ends it with
// code 1 and the cropped picture as the output; "Cancel" with code 0.
class CropImageWindowController : public QDialog {
    Q_OBJECT

public:
    enum Effect { NoEffect, BlackAndWhite, Sepia };

    explicit CropImageWindowController(QWidget* parent = nullptr);

    // The picture to crop; the crop rectangle becomes the whole picture and the effect none.
    void setInputImage(const QImage& picture);
    QImage inputImage() const { return m_input; }
    void setInformationalText(const QString& text);
    // In the input picture's pixels, always inside it and at least one pixel wide and high.
    QRect cropRect() const { return m_cropRect; }
    void setCropRect(const QRect& rect);
    // The part of the input inside the crop rectangle, with the effect applied.
    QImage outputImage() const;

    // Pixels in the input picture of the point on the crop view, kept inside the picture.
    QPoint pictureOffset(const QPointF& viewPoint) const;

Q_SIGNALS:
    void cropRectChanged(const QRect& rect);

private:
    void showCropRect();

    QImage m_input;
    QRect m_cropRect;
    CropImageView* m_cropView;
    QLabel* m_informationalTextLabel;
    QSpinBox* m_xField;
    QSpinBox* m_yField;
    QSpinBox* m_widthField;
    QSpinBox* m_heightField;
    QComboBox* m_effectPopUpButton;
    QPushButton* m_setButton;
    QPushButton* m_cancelButton;
};
