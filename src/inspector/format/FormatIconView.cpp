#include "inspector/format/FormatIconView.h"

#include "inspector/format/FormatIcons.h"
#include "platform/NotificationCenter.h"
#include "profile/services/HexColor.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

constexpr QLatin1StringView kHighlightColour{"F5F5F5"};
constexpr QLatin1StringView kSeparatorColour{"E2E2E2"};

} // namespace

FormatIconView::FormatIconView(QWidget* parent)
    : QWidget(parent)
    , m_iconImageView(new QLabel(this))
    , m_iconLabel(new QLabel(this))
{
    m_iconImageView->setObjectName(QStringLiteral("iconImageView"));
    m_iconImageView->setScaledContents(true);
    m_iconLabel->setObjectName(QStringLiteral("iconLabel"));
    m_iconLabel->setTextFormat(Qt::RichText);
    m_iconLabel->setWordWrap(true);
    m_iconLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_iconLabel->setTextInteractionFlags(Qt::NoTextInteraction);
    // The label's background clicks reach the row; the row passes them on to its list.
    m_iconLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_iconImageView->setAttribute(Qt::WA_TransparentForMouseEvents);
}

QString FormatIconView::labelString(const QString& title, const QString& description, const QString& colour)
{
    // The layout's points are pixels of the screen, so fonts are sized in pixels.
    return QStringLiteral("<span style=\"font-family:'Helvetica Neue'; font-size:12px; font-weight:bold; "
                          "color:#000000\">%1</span> <span style=\"font-family:'Helvetica Neue'; "
                          "font-size:10px; color:#%2\">%3</span>")
        .arg(title.toHtmlEscaped(), colour, description.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>")));
}

void FormatIconView::setupSubViews()
{
    const QImage icon = formatBundleImage(m_imageName);
    if (!icon.isNull())
        m_iconImageView->setPixmap(QPixmap::fromImage(icon));
    m_iconImageView->setGeometry(kIconFrame);
    m_iconLabel->setText(m_iconLabelString);
    const int width = this->width() - kIconFrame.width() - 30;
    m_iconLabel->setGeometry(kLabelLeft, kIconFrame.y(), width,
                             std::max(kLabelHeight, m_iconLabel->heightForWidth(width)));
}

int FormatIconView::labelOverflow() const
{
    const int width = this->width() - kIconFrame.width() - 30;
    return std::max(0, m_iconLabel->heightForWidth(width) - kLabelRoom);
}

void FormatIconView::applyHitTesting()
{
    // A highlighting row is one target: its icon and text never take a click from it.
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->setAttribute(Qt::WA_TransparentForMouseEvents, m_supportsHightlightFlag ||
                                                                  child == m_iconLabel ||
                                                                  child == m_iconImageView);
}

void FormatIconView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_highlightFlag && m_supportsHightlightFlag)
        painter.fillRect(rect(), DataCentre::colorWithHexString(QString(kHighlightColour)));
    painter.setPen(DataCentre::colorWithHexString(QString(kSeparatorColour)));
    painter.drawLine(0, height() - 1, width(), height() - 1);
}

void FormatIconView::mousePressEvent(QMouseEvent* event)
{
    if (!m_supportsHightlightFlag) {
        QWidget::mousePressEvent(event);
        return;
    }
    NotificationCenter::defaultCenter().post(QString(kClearLayerListingIcons), this);
    setHighlightFlag(true);
    Q_EMIT clicked(this);
}
