#include "model/SKTGrid.h"

#include "model/drawing/DrawingView.h"
#include "platform/UserDefaults.h"
#include "profile/DataCentre.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QTimer>

#include <cmath>

namespace {

const QString kGridSpacingKey = QStringLiteral("gridSpacing");
const QString kDrawGridFlagKey = QStringLiteral("drawGridFlag");
const QString kSnapGridFlagKey = QStringLiteral("snapGridFlag");
constexpr double kDefaultSpacing = 9.0;
constexpr int kTemporaryDisplayMs = 1000;

// The keys that change with each property.
const QHash<QString, QStringList>& dependentKeys()
{
    static const QHash<QString, QStringList> keys{
        {QStringLiteral("color"), {QStringLiteral("any")}},
        {QStringLiteral("spacing"),
         {QStringLiteral("any"), QStringLiteral("usable"), QStringLiteral("canSetColor")}},
        {QStringLiteral("alwaysShown"),
         {QStringLiteral("any"), QStringLiteral("canSetColor"), QStringLiteral("canSetSpacing")}},
        {QStringLiteral("constraining"), {QStringLiteral("any"), QStringLiteral("canSetSpacing")}},
    };
    return keys;
}

} // namespace

SKTGrid::SKTGrid(QObject* parent)
    : QObject(parent)
    , m_color(QColor::fromRgbF(2.0f / 3, 2.0f / 3, 2.0f / 3))
{
    const UserDefaults& defaults = UserDefaults::standard();
    const float storedSpacing = defaults.floatForKey(kGridSpacingKey);
    m_spacing = storedSpacing > 0 ? storedSpacing : kDefaultSpacing;
    m_alwaysShown = defaults.boolForKey(kDrawGridFlagKey);
    m_constraining = defaults.boolForKey(kSnapGridFlagKey);

    // New objects line up on the product's fixed text-box height, whatever the user chose.
    const ProductProfile& profile = DataCentre::profile();
    if (profile.customTextBoxHeight) {
        m_alwaysShown = true;
        m_constraining = true;
        m_spacing = profile.textBoxDefaultHeight;
    }
}

SKTGrid::~SKTGrid()
{
    dropHidingTimer();
}

void SKTGrid::changed(const char* key)
{
    const QString name = QString::fromLatin1(key);
    Q_EMIT valueChanged(name);
    for (const QString& dependent : dependentKeys().value(name))
        Q_EMIT valueChanged(dependent);
}

void SKTGrid::dropHidingTimer()
{
    delete m_hidingTimer;
    m_hidingTimer = nullptr;
}

void SKTGrid::setColor(const QColor& color)
{
    if (color == m_color)
        return;
    m_color = color;
    changed("color");
}

void SKTGrid::setSpacing(double spacing)
{
    UserDefaults::standard().setObject(float(spacing), kGridSpacingKey);
    if (spacing == m_spacing)
        return;
    m_spacing = spacing;
    changed("spacing");
    if (spacing <= 0 || m_alwaysShown)
        return;
    // Show the new lattice for a second; a further change within that second extends the display.
    if (!m_hidingTimer) {
        m_hidingTimer = new QTimer(this);
        m_hidingTimer->setSingleShot(true);
        QTimer* timer = m_hidingTimer;
        connect(timer, &QTimer::timeout, this, [this, timer] { stopShowingGridForTimer(timer); });
    }
    m_hidingTimer->start(kTemporaryDisplayMs);
}

void SKTGrid::setAlwaysShown(bool alwaysShown)
{
    UserDefaults::standard().setBool(alwaysShown, kDrawGridFlagKey);
    if (alwaysShown == m_alwaysShown)
        return;
    m_alwaysShown = alwaysShown;
    dropHidingTimer();
    changed("alwaysShown");
}

void SKTGrid::setConstraining(bool constraining)
{
    UserDefaults::standard().setBool(constraining, kSnapGridFlagKey);
    if (constraining == m_constraining)
        return;
    m_constraining = constraining;
    changed("constraining");
}

void SKTGrid::stopShowingGridForTimer(QTimer*)
{
    // The timer may be the one firing right now; let it finish before it goes.
    if (m_hidingTimer)
        m_hidingTimer->deleteLater();
    m_hidingTimer = nullptr;
    changed("any");
}

double SKTGrid::snapped(double value) const
{
    // Halves round up: with spacing 10, 15 becomes 20 and -15 becomes -10.
    return std::floor(value / m_spacing + 0.5) * m_spacing;
}

QPointF SKTGrid::constrainedPoint(const QPointF& point) const
{
    if (!isUsable() || !m_constraining)
        return point;
    return {snapped(point.x()), snapped(point.y())};
}

QRectF SKTGrid::alignedRect(const QRectF& rect) const
{
    const double left = snapped(rect.x());
    const double top = snapped(rect.y());
    const double right = snapped(rect.x() + rect.width());
    const double bottom = snapped(rect.y() + rect.height());
    return {left, top, right - left, bottom - top};
}

void SKTGrid::drawRect(const QRectF& rect, DrawingView& view) const
{
    if (!isUsable() || !(m_alwaysShown || m_hidingTimer))
        return;
    // Lines lie on multiples of the spacing, so the lattice stays put when only part of the view is redrawn.
    const double s = m_spacing;
    QPainterPath lattice;
    for (double i = std::ceil(rect.left() / s); i <= std::floor(rect.right() / s); ++i) {
        lattice.moveTo(i * s, rect.top());
        lattice.lineTo(i * s, rect.bottom());
    }
    for (double j = std::ceil(rect.top() / s); j <= std::floor(rect.bottom() / s); ++j) {
        lattice.moveTo(rect.left(), j * s);
        lattice.lineTo(rect.right(), j * s);
    }
    // Width 0: the thinnest line the device draws.
    view.strokePath(lattice, QPen(m_color, 0));
}
