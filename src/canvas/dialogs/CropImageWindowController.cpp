#include "canvas/dialogs/CropImageWindowController.h"

#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr QSize kViewSize(480, 360);

// Tones of grey, or of brown for sepia, by each pixel's luminance; transparency stays.
QImage withEffect(const QImage& picture, CropImageWindowController::Effect effect)
{
    if (effect == CropImageWindowController::NoEffect || picture.isNull())
        return picture;
    QImage result = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            const QRgb p = line[x];
            const int grey = qGray(p);
            if (effect == CropImageWindowController::BlackAndWhite) {
                line[x] = qRgba(grey, grey, grey, qAlpha(p));
            } else {
                line[x] = qRgba(std::min(255, grey + 40), std::min(255, grey + 20), std::max(0, grey - 20),
                                qAlpha(p));
            }
        }
    }
    return result;
}

} // namespace

// The picture fitted into the view, the area outside the crop rectangle dimmed. Dragging from outside the
// rectangle draws a new one; dragging inside moves it. A dropped picture file becomes the input.
class CropImageView : public QWidget {
public:
    explicit CropImageView(CropImageWindowController& controller)
        : QWidget(&controller)
        , m_controller(controller)
    {
        setObjectName(QStringLiteral("cropImageView"));
        setFixedSize(kViewSize);
        setAcceptDrops(true);
        setCursor(Qt::CrossCursor);
    }

    // Where the picture is drawn, in the view.
    QRectF pictureArea() const
    {
        const QSizeF size = m_controller.inputImage().size();
        if (size.isEmpty())
            return {};
        const QSizeF fitted = size.scaled(QSizeF(this->size()), Qt::KeepAspectRatio);
        return QRectF(QPointF((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted);
    }

    QRectF viewRect(const QRect& pictureRect) const
    {
        const QRectF area = pictureArea();
        const double scale = area.width() / std::max(1, m_controller.inputImage().width());
        return QRectF(area.x() + pictureRect.x() * scale, area.y() + pictureRect.y() * scale,
                      pictureRect.width() * scale, pictureRect.height() * scale);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(0x30, 0x30, 0x30));
        const QRectF area = pictureArea();
        if (area.isEmpty())
            return;
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(area, m_controller.inputImage());
        const QRectF crop = viewRect(m_controller.cropRect());
        QPainterPath outside;
        outside.addRect(area);
        outside.addRect(crop);
        painter.fillPath(outside, QColor(0, 0, 0, 140));
        painter.setPen(QPen(Qt::white, 1, Qt::DashLine));
        painter.drawRect(crop.adjusted(0, 0, -1, -1));
    }

    void mousePressEvent(QMouseEvent* event) override
    {
        m_anchor = m_controller.pictureOffset(event->position());
        // Over the whole picture there is nothing to move: a drag draws the first crop rectangle.
        const QRect crop = m_controller.cropRect();
        m_moving = crop != m_controller.inputImage().rect() && crop.contains(m_anchor);
        m_startRect = m_controller.cropRect();
    }

    void mouseMoveEvent(QMouseEvent* event) override
    {
        if (!(event->buttons() & Qt::LeftButton))
            return;
        const QPoint at = m_controller.pictureOffset(event->position());
        if (m_moving) {
            const QSize picture = m_controller.inputImage().size();
            QRect moved = m_startRect.translated(at - m_anchor);
            moved.moveLeft(std::clamp(moved.left(), 0, picture.width() - moved.width()));
            moved.moveTop(std::clamp(moved.top(), 0, picture.height() - moved.height()));
            m_controller.setCropRect(moved);
        } else {
            m_controller.setCropRect(QRect(std::min(m_anchor.x(), at.x()), std::min(m_anchor.y(), at.y()),
                                           std::abs(at.x() - m_anchor.x()), std::abs(at.y() - m_anchor.y())));
        }
    }

    void dragEnterEvent(QDragEnterEvent* event) override
    {
        if (!droppedPicture(*event->mimeData()).isNull())
            event->acceptProposedAction();
    }

    void dropEvent(QDropEvent* event) override
    {
        const QImage picture = droppedPicture(*event->mimeData());
        if (picture.isNull())
            return;
        m_controller.setInputImage(picture);
        event->acceptProposedAction();
    }

private:
    static QImage droppedPicture(const QMimeData& data)
    {
        if (data.hasImage())
            return qvariant_cast<QImage>(data.imageData());
        for (const QUrl& url : data.urls()) {
            if (!url.isLocalFile())
                continue;
            QImageReader reader(url.toLocalFile());
            reader.setAutoTransform(true);
            const QImage picture = reader.read();
            if (!picture.isNull())
                return picture;
        }
        return {};
    }

    CropImageWindowController& m_controller;
    QPoint m_anchor;
    QRect m_startRect;
    bool m_moving = false;
};

CropImageWindowController::CropImageWindowController(QWidget* parent)
    : QDialog(parent)
    , m_cropView(new CropImageView(*this))
    , m_informationalTextLabel(new QLabel(this))
    , m_xField(new QSpinBox(this))
    , m_yField(new QSpinBox(this))
    , m_widthField(new QSpinBox(this))
    , m_heightField(new QSpinBox(this))
    , m_effectPopUpButton(new QComboBox(this))
    , m_setButton(new QPushButton(tr("Set"), this))
    , m_cancelButton(new QPushButton(tr("Cancel"), this))
{
    setObjectName(QStringLiteral("CropImageWindowController"));
    setWindowTitle(tr("Crop Image"));
    setWindowModality(Qt::WindowModal);
    m_informationalTextLabel->setObjectName(QStringLiteral("informationalTextLabel"));
    m_informationalTextLabel->setAlignment(Qt::AlignCenter);
    m_effectPopUpButton->setObjectName(QStringLiteral("effectPopUpButton"));
    m_effectPopUpButton->addItems({tr("None"), tr("Black & White"), tr("Sepia")});
    m_setButton->setObjectName(QStringLiteral("setButton"));
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    m_setButton->setDefault(true);

    const struct {
        QSpinBox* field;
        const char* name;
    } fields[] = {{m_xField, "cropXField"},
                  {m_yField, "cropYField"},
                  {m_widthField, "cropWidthField"},
                  {m_heightField, "cropHeightField"}};
    for (const auto& [field, name] : fields) {
        field->setObjectName(QLatin1String(name));
        field->setKeyboardTracking(false);
        connect(field, &QSpinBox::valueChanged, this, [this] {
            setCropRect(
                QRect(m_xField->value(), m_yField->value(), m_widthField->value(), m_heightField->value()));
        });
    }
    connect(m_setButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_informationalTextLabel);
    layout->addWidget(m_cropView, 0, Qt::AlignCenter);
    auto* numbers = new QHBoxLayout;
    numbers->addWidget(new QLabel(tr("X:"), this));
    numbers->addWidget(m_xField);
    numbers->addWidget(new QLabel(tr("Y:"), this));
    numbers->addWidget(m_yField);
    numbers->addWidget(new QLabel(tr("Width:"), this));
    numbers->addWidget(m_widthField);
    numbers->addWidget(new QLabel(tr("Height:"), this));
    numbers->addWidget(m_heightField);
    layout->addLayout(numbers);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(new QLabel(tr("Effect:"), this));
    buttons->addWidget(m_effectPopUpButton);
    buttons->addStretch();
    buttons->addWidget(m_cancelButton);
    buttons->addWidget(m_setButton);
    layout->addLayout(buttons);
}

void CropImageWindowController::setInputImage(const QImage& picture)
{
    m_input = picture;
    m_effectPopUpButton->setCurrentIndex(NoEffect);
    m_cropRect = QRect();
    setCropRect(picture.rect());
}

void CropImageWindowController::setInformationalText(const QString& text)
{
    m_informationalTextLabel->setText(text);
}

void CropImageWindowController::setCropRect(const QRect& rect)
{
    QRect inside = rect.normalized().intersected(m_input.rect());
    if (inside.width() < 1 || inside.height() < 1) {
        if (!m_cropRect.isEmpty()) {
            showCropRect();
            return;
        }
        inside = m_input.rect();
    }
    if (inside == m_cropRect)
        return;
    m_cropRect = inside;
    showCropRect();
    m_cropView->update();
    Q_EMIT cropRectChanged(m_cropRect);
}

void CropImageWindowController::showCropRect()
{
    const QSize size = m_input.size();
    const struct {
        QSpinBox* field;
        int maximum;
        int value;
    } shown[] = {{m_xField, std::max(0, size.width() - 1), m_cropRect.x()},
                 {m_yField, std::max(0, size.height() - 1), m_cropRect.y()},
                 {m_widthField, size.width(), m_cropRect.width()},
                 {m_heightField, size.height(), m_cropRect.height()}};
    for (const auto& [field, maximum, value] : shown) {
        const QSignalBlocker quiet(field);
        field->setRange(field == m_widthField || field == m_heightField ? std::min(1, maximum) : 0, maximum);
        field->setValue(value);
    }
}

QImage CropImageWindowController::outputImage() const
{
    return withEffect(m_input.copy(m_cropRect), Effect(m_effectPopUpButton->currentIndex()));
}

QPoint CropImageWindowController::pictureOffset(const QPointF& viewPoint) const
{
    const QRectF area = m_cropView->pictureArea();
    if (area.isEmpty())
        return {};
    const double scale = m_input.width() / area.width();
    const int x = int((viewPoint.x() - area.x()) * scale);
    const int y = int((viewPoint.y() - area.y()) * scale);
    return QPoint(std::clamp(x, 0, m_input.width()), std::clamp(y, 0, m_input.height()));
}
