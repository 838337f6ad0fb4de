#include "canvas/view/SKTZoomingScrollView.h"

#include "canvas/view/CanvasRuler.h"
#include "canvas/view/SKTGraphicView.h"
#include "model/geometry/Handles.h"
#include "platform/StringsTable.h"
#include "profile/DataCentre.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

namespace {

const QString kZoomStringsTable = QStringLiteral("SKTZoomingScrollView");

// The factor of a zoom title: its number without "%" over 100, worked out in single precision.
double factorOfTitle(QString title)
{
    title.remove(u'%');
    return float(title.toInt()) / 100.0f;
}

} // namespace

SKTZoomingScrollView::SKTZoomingScrollView(QWidget* parent)
    : QScrollArea(parent)
    , m_horizontalRuler(new CanvasRuler(Qt::Horizontal, this))
    , m_verticalRuler(new CanvasRuler(Qt::Vertical, this))
    , m_factor(Handles::canvasZoomFactor())
{
    setObjectName(QStringLiteral("zoomingScrollView"));
    m_horizontalRuler->setObjectName(QStringLiteral("horizontalRuler"));
    m_verticalRuler->setObjectName(QStringLiteral("verticalRuler"));
    setViewportMargins(CanvasRuler::kThickness, CanvasRuler::kThickness, 0, 0);
    // The zoom pop-up sits at the start of the horizontal scroller, so that scroller is always there.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    validateFactorPopUpButton();
    placeRulers();
}

void SKTZoomingScrollView::setGraphicView(SKTGraphicView* view)
{
    m_graphicView = view;
    setWidget(view);
    view->setCanvasScale(m_factor);
    // The canvas moves inside the viewport when it scrolls and resizes when it zooms.
    view->installEventFilter(this);
    connect(view, &SKTGraphicView::rulerEchoChanged, this, [this](const QRectF& bounds) {
        m_horizontalRuler->echoRect(bounds);
        m_verticalRuler->echoRect(bounds);
    });
    updateRulers();
}

void SKTZoomingScrollView::setFactor(double factor)
{
    if (factor <= 0)
        return;
    const bool changed = factor != m_factor;
    m_factor = factor;
    if (m_graphicView)
        m_graphicView->setCanvasScale(factor);
    updateRulers();
    selectFactorInPopUp();
    if (changed)
        Q_EMIT factorChanged(factor);
}

QSizeF SKTZoomingScrollView::clipBoundsSize() const
{
    return QSizeF(viewport()->size()) / m_factor;
}

void SKTZoomingScrollView::validateFactorPopUpButton()
{
    if (m_factorPopUpButton)
        return;
    m_factorPopUpButton = new QComboBox(this);
    m_factorPopUpButton->setObjectName(QStringLiteral("factorPopUpButton"));
    m_factorPopUpButton->setFocusPolicy(Qt::NoFocus);
    QFont small = m_factorPopUpButton->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    m_factorPopUpButton->setFont(small);
    for (const QString& title : DataCentre::profile().zoomFactors) {
        m_factorPopUpButton->addItem(StringsTable::localizedString(title, title, kZoomStringsTable),
                                     factorOfTitle(title));
    }
    // Sized to fit its titles: the scroller takes the rest of the row.
    m_factorPopUpButton->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_factorPopUpButton->setFixedWidth(m_factorPopUpButton->sizeHint().width());
    connect(m_factorPopUpButton, &QComboBox::activated, this,
            [this](int index) { setFactor(m_factorPopUpButton->itemData(index).toDouble()); });
    addScrollBarWidget(m_factorPopUpButton, Qt::AlignLeft);
    selectFactorInPopUp();
}

void SKTZoomingScrollView::selectFactorInPopUp()
{
    if (m_factorPopUpButton)
        m_factorPopUpButton->setCurrentIndex(m_factorPopUpButton->findData(m_factor));
}

void SKTZoomingScrollView::updateScale(const QString& title, double factor)
{
    setFactor(factor);
    m_factorPopUpButton->setCurrentIndex(m_factorPopUpButton->findText(title));
}

bool SKTZoomingScrollView::performKeyEquivalent(QKeyEvent* event)
{
    const int selected = m_factorPopUpButton->currentIndex();
    const int last = m_factorPopUpButton->count() - 1;
    int step;
    switch (event->key()) {
    // The equals key, shifted or not, and the minus key.
    case Qt::Key_Equal:
    case Qt::Key_Plus:
        if (selected >= last)
            return false;
        step = selected + 1;
        break;
    case Qt::Key_Minus:
    case Qt::Key_Underscore:
        if (selected < 1)
            return false;
        step = selected - 1;
        break;
    default:
        return false;
    }
    updateScale(m_factorPopUpButton->itemText(step), m_factorPopUpButton->itemData(step).toDouble());
    return true;
}

void SKTZoomingScrollView::keyPressEvent(QKeyEvent* event)
{
    if (performKeyEquivalent(event))
        event->accept();
    else
        QScrollArea::keyPressEvent(event);
}

void SKTZoomingScrollView::mousePressEvent(QMouseEvent* event)
{
    // Presses on the page that the canvas left alone come here too.
    if (m_graphicView && m_graphicView->geometry().contains(event->position().toPoint())) {
        QScrollArea::mousePressEvent(event);
        return;
    }
    event->accept();
    Q_EMIT clickedOutsideCanvas();
}

void SKTZoomingScrollView::resizeEvent(QResizeEvent* event)
{
    QScrollArea::resizeEvent(event);
    placeRulers();
}

bool SKTZoomingScrollView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_graphicView && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        updateRulers();
    return QScrollArea::eventFilter(watched, event);
}

void SKTZoomingScrollView::setRulersVisible(bool visible)
{
    const int thickness = visible ? CanvasRuler::kThickness : 0;
    setViewportMargins(thickness, thickness, 0, 0);
    m_horizontalRuler->setVisible(visible);
    m_verticalRuler->setVisible(visible);
    placeRulers();
}

void SKTZoomingScrollView::placeRulers()
{
    const QRect port = viewport()->geometry();
    const int thickness = CanvasRuler::kThickness;
    m_horizontalRuler->setGeometry(port.x(), port.y() - thickness, port.width(), thickness);
    m_verticalRuler->setGeometry(port.x() - thickness, port.y(), thickness, port.height());
}

void SKTZoomingScrollView::updateRulers()
{
    const QPoint origin = m_graphicView ? m_graphicView->pos() : QPoint();
    m_horizontalRuler->setOriginOffset(origin.x());
    m_verticalRuler->setOriginOffset(origin.y());
    m_horizontalRuler->setScale(m_factor);
    m_verticalRuler->setScale(m_factor);
}
