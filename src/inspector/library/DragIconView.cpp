#include "inspector/library/DragIconView.h"

#include "canvas/drop/DragCodePasteboard.h"
#include "profile/services/LibraryImages.h"
#include "platform/NotificationCenter.h"
#include "platform/StringsTable.h"
#include "profile/DataCentre.h"
#include "profile/services/HexColor.h"
#include "profile/services/ShapeOutlines.h"

#include <QDrag>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int kShapeImageSide = 100;
constexpr QRect kIconFrame{10, 10, 30, 30};
constexpr int kLabelLeft = 50;
constexpr int kLabelTop = 10;
// The drag image sits this far above and left of the pointer.
constexpr QPoint kDragImageOffset{16, 16};

constexpr QLatin1StringView kShapeOutlineColour{"000000"};
constexpr QLatin1StringView kBubbleOutlineColour{"EE0000"};
constexpr QLatin1StringView kHighlightColour{"F5F5F5"};
constexpr QLatin1StringView kZoomBubblePicture{"flower_square"};
constexpr QLatin1StringView kTitleTable{"Localizable"};

// Sizes in pixels: the layout's points are pixels of the screen.
QString labelString(const QString& title, const QString& description)
{
    return QStringLiteral("<span style=\"font-family:'Helvetica Neue'; font-size:12px; font-weight:bold; "
                          "color:#000000\">%1</span> <span style=\"font-family:'Helvetica Neue'; "
                          "font-size:10px; color:#555555\">%2</span>")
        .arg(title.toHtmlEscaped(), description.toHtmlEscaped());
}

} // namespace

DragIconView::DragIconView(const ObjectCatalogueItem& item, QWidget* parent)
    : QWidget(parent)
    , m_item(item)
    , m_objectTitle(StringsTable::localizedString(item.objectTitle, {}, QString(kTitleTable)))
    , m_iconLabelString(labelString(m_objectTitle, item.objectDescription))
    , m_iconImage(item.createOwnImageFlag ? createShapeImage() : libraryBundleImage(item.imageName))
    , m_iconImageView(new QLabel(this))
    , m_iconLabel(new QLabel(this))
{
    setObjectName(item.dragAndDropCodeName);
    m_iconImageView->setObjectName(QStringLiteral("iconImageView"));
    m_iconImageView->setScaledContents(true);
    if (!m_iconImage.isNull())
        m_iconImageView->setPixmap(QPixmap::fromImage(m_iconImage));
    m_iconLabel->setObjectName(QStringLiteral("iconLabel"));
    m_iconLabel->setTextFormat(Qt::RichText);
    m_iconLabel->setWordWrap(true);
    m_iconLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_iconLabel->setTextInteractionFlags(Qt::NoTextInteraction);
    m_iconLabel->setText(m_iconLabelString);
    // Presses and drags on the icon or the text belong to the item.
    m_iconImageView->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_iconLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void DragIconView::setHighlightFlag(bool flag)
{
    m_highlightFlag = flag;
    update();
}

void DragIconView::setupSubViews()
{
    m_iconImageView->setGeometry(kIconFrame);
    m_iconLabel->setGeometry(kLabelLeft, kLabelTop, width() - kIconFrame.width() - 30, height());
}

QImage DragIconView::createShapeImage() const
{
    QImage image(kShapeImageSide, kShapeImageSide, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // The outline already comes flipped for a square whose y grows downward, as the image's does, so it
    // is drawn as it is: stars and triangles point up.
    const QPainterPath outline = DataCentre::grabShapeBezierPath(m_item.imageName);
    painter.fillPath(outline, Qt::white);
    const QColor stroke = DataCentre::colorWithHexString(m_item.shapeFlag ? QString(kShapeOutlineColour)
                                                                          : QString(kBubbleOutlineColour));
    painter.strokePath(outline, QPen(stroke, 2));
    if (m_item.zoomBubbleImageFlag) {
        painter.setClipPath(outline);
        painter.drawImage(QRect(0, 0, kShapeImageSide, kShapeImageSide),
                          libraryBundleImage(QString(kZoomBubblePicture)));
    }
    return image;
}

void DragIconView::paintEvent(QPaintEvent* event)
{
    if (!m_highlightFlag)
        return;
    QPainter painter(this);
    painter.fillRect(rect(), DataCentre::colorWithHexString(QString(kHighlightColour)));
}

void DragIconView::mousePressEvent(QMouseEvent* event)
{
    NotificationCenter::defaultCenter().post(QString(kClearDragAndDropIcons), this);
    setHighlightFlag(true);
}

void DragIconView::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton) || !DataCentre::profile().dragInspector)
        return;
    auto* drag = new QDrag(this);
    drag->setMimeData(newDragCodeMimeData(m_item.dragAndDropCodeName));
    if (!m_iconImage.isNull()) {
        drag->setPixmap(QPixmap::fromImage(m_iconImage)
                            .scaled(kIconFrame.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
        drag->setHotSpot(kDragImageOffset);
    }
    drag->exec(Qt::CopyAction);
}
