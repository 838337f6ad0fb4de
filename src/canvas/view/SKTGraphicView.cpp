#include "canvas/view/SKTGraphicView.h"

#include "canvas/view/CanvasContextMenu.h"

#include "canvas/InternalInconsistencyError.h"
#include "canvas/input/CanvasGesture.h"
#include "canvas/media/SlideShowWindow.h"
#include "document/core/GraphicSelection.h"
#include "model/SKTGrid.h"
#include "model/geometry/Handles.h"
#include "profile/DataCentre.h"

#include <cmath>

namespace {

const QString kDrawingBoundsKey = QStringLiteral("drawingBounds");
const QString kDrawingContentsKey = QStringLiteral("drawingContents");
const QString kAnyGridPropertyKey = QStringLiteral("any");

QSet<const SKTGraphic*> identities(const GraphicList& graphics)
{
    QSet<const SKTGraphic*> set;
    for (const std::shared_ptr<SKTGraphic>& graphic : graphics)
        set.insert(graphic.get());
    return set;
}

} // namespace

SKTGraphicView::SKTGraphicView(QWidget* parent)
    : QWidget(parent)
    , m_canvasScale(Handles::canvasScale())
{
    const ProductProfile& profile = DataCentre::profile();
    m_canvasSize = QSizeF(profile.canvasWidth, profile.canvasHeight);
    setObjectName(QStringLiteral("graphicView"));
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
    resizeToCanvas();
    m_menu = CanvasContextMenu::build(*this, this);
}

SKTGraphicView::~SKTGraphicView()
{
    endGesture();
    stopEditing();
    delete m_slideShowWindow;
    setGrid(nullptr);
    unbindGraphics();
    unbindSelectionIndexes();
}

// ---- Bindings

void SKTGraphicView::bindGraphics(SKTDocument* document)
{
    unbindGraphics();
    if (!document)
        return;
    m_document = document;
    // The document's handles are sized for the canvas that shows it.
    document->setHandleScale(float(m_canvasScale));
    m_documentConnections = {
        connect(document, &SKTDocument::graphicsInserted, this, &SKTGraphicView::graphicsInserted),
        connect(document, &SKTDocument::graphicsRemoved, this,
                [this](const IndexSet&, const GraphicList& removed) { graphicsRemoved(removed); }),
        connect(document, &SKTDocument::graphicsMoved, this,
                [this](const IndexSet&, const IndexSet& to) { graphicsMoved(to); }),
    };
    startObservingGraphics(document->graphics());
    update();
}

void SKTGraphicView::unbindGraphics()
{
    // Every observed graphic is one of the bound graphics, also when the document went first.
    for (const Observation& observation : std::as_const(m_observations))
        disconnect(observation.connection);
    m_observations.clear();
    m_drawingCache.clear();
    for (const QMetaObject::Connection& connection : std::as_const(m_documentConnections))
        disconnect(connection);
    m_documentConnections.clear();
    m_document = nullptr;
    update();
}

void SKTGraphicView::bindSelectionIndexes(GraphicSelection* selection)
{
    unbindSelectionIndexes();
    if (!selection)
        return;
    m_selection = selection;
    m_selectionConnection =
        connect(selection, &GraphicSelection::selectionChanged, this, &SKTGraphicView::selectionChanged);
    m_selectionOnScreen = identities(selection->selectedGraphics());
    update();
}

void SKTGraphicView::unbindSelectionIndexes()
{
    disconnect(m_selectionConnection);
    m_selection = nullptr;
    m_selectionOnScreen.clear();
    update();
}

void SKTGraphicView::setGrid(SKTGrid* grid)
{
    if (grid == m_grid)
        return;
    disconnect(m_gridConnection);
    m_grid = grid;
    if (grid) {
        m_gridConnection = connect(grid, &SKTGrid::valueChanged, this, [this](const QString& key) {
            if (key == kAnyGridPropertyKey)
                update();
        });
    }
    update();
}

// ---- The bound page

GraphicList SKTGraphicView::graphics() const
{
    return m_document ? m_document->graphics() : GraphicList();
}

SKTDocument& SKTGraphicView::mutableGraphics() const
{
    if (!m_document)
        throw InternalInconsistencyError("An SKTGraphicView's 'graphics' property is not bound to anything.");
    return *m_document;
}

IndexSet SKTGraphicView::selectionIndexes() const
{
    return m_selection ? m_selection->selectionIndexes() : IndexSet();
}

GraphicList SKTGraphicView::selectedGraphics() const
{
    return m_selection ? m_selection->selectedGraphics() : GraphicList();
}

void SKTGraphicView::changeSelectionIndexes(const IndexSet& indexes)
{
    if (!m_selection) {
        throw InternalInconsistencyError(
            "An SKTGraphicView's 'selectionIndexes' property is not bound to anything.");
    }
    m_selection->changeSelectionIndexes(indexes);
    Q_EMIT graphicTouched();
}

// ---- Observation

void SKTGraphicView::startObservingGraphics(const GraphicList& graphics)
{
    for (const std::shared_ptr<SKTGraphic>& graphic : graphics) {
        SKTGraphic* observed = graphic.get();
        Observation& observation = m_observations[observed];
        disconnect(observation.connection);
        observation.graphic = graphic;
        observation.drawingBounds = observed->drawingBounds();
        observation.connection =
            connect(observed, &SKTGraphic::valueChanged, this,
                    [this, observed](const QString& key) { graphicChanged(observed, key); });
    }
}

void SKTGraphicView::stopObservingGraphics(const GraphicList& graphics)
{
    for (const std::shared_ptr<SKTGraphic>& graphic : graphics)
        disconnect(m_observations.take(graphic.get()).connection);
}

void SKTGraphicView::graphicChanged(SKTGraphic* graphic, const QString& key)
{
    const auto it = m_observations.constFind(graphic);
    if (it == m_observations.constEnd())
        return;
    // Whatever changed may show, also where the graphic does not say so.
    m_drawingCache.forget(graphic);
    if (key == kDrawingBoundsKey)
        setNeedsDisplayInRect(it->drawingBounds);
    else if (key != kDrawingContentsKey)
        return;
    const std::shared_ptr<SKTGraphic> changed = it->graphic;
    setNeedsDisplayInRect(refreshedDrawingBounds(*changed));
    noteTouchedByUndo(changed);
}

QRectF SKTGraphicView::refreshedDrawingBounds(SKTGraphic& graphic)
{
    const QRectF bounds = graphic.drawingBounds();
    const auto it = m_observations.find(&graphic);
    if (it != m_observations.end())
        it->drawingBounds = bounds;
    return bounds;
}

void SKTGraphicView::graphicsInserted(const IndexSet& indexes)
{
    GraphicList inserted;
    for (int index : indexes)
        inserted.append(m_document->graphics().at(index));
    startObservingGraphics(inserted);
    for (const std::shared_ptr<SKTGraphic>& graphic : std::as_const(inserted)) {
        setNeedsDisplayInRect(m_observations.value(graphic.get()).drawingBounds);
        noteTouchedByUndo(graphic);
    }
}

void SKTGraphicView::graphicsRemoved(const GraphicList& removed)
{
    stopObservingGraphics(removed);
    for (const std::shared_ptr<SKTGraphic>& graphic : removed) {
        m_drawingCache.forget(graphic.get());
        setNeedsDisplayInRect(graphic->drawingBounds());
        m_selectionOnScreen.remove(graphic.get());
        if (graphic == m_editingGraphic)
            stopEditing();
    }
}

void SKTGraphicView::graphicsMoved(const IndexSet& to)
{
    // A new place in the z-order changes what covers what within the graphics' own areas.
    for (int index : to) {
        const std::shared_ptr<SKTGraphic>& graphic = m_document->graphics().at(index);
        setNeedsDisplayInRect(refreshedDrawingBounds(*graphic));
        noteTouchedByUndo(graphic);
    }
}

void SKTGraphicView::selectionChanged()
{
    const QSet<const SKTGraphic*> selected = identities(m_selection->selectedGraphics());
    setNeedsDisplayInGraphicBounds((m_selectionOnScreen - selected) + (selected - m_selectionOnScreen));
    m_selectionOnScreen = selected;
}

void SKTGraphicView::setNeedsDisplayInGraphicBounds(const QSet<const SKTGraphic*>& graphics)
{
    for (const SKTGraphic* graphic : graphics) {
        // Graphics that have left the page repainted their area as they left.
        if (const std::shared_ptr<SKTGraphic> observed = m_observations.value(graphic).graphic)
            setNeedsDisplayInRect(refreshedDrawingBounds(*observed));
    }
}

// ---- Undo and redo

void SKTGraphicView::noteTouchedByUndo(const std::shared_ptr<SKTGraphic>& graphic)
{
    if (m_undoTouchedGraphics && !m_undoTouchedGraphics->contains(graphic))
        m_undoTouchedGraphics->append(graphic);
}

void SKTGraphicView::undo()
{
    reselectAfter(&DocumentUndoManager::undo);
}

void SKTGraphicView::redo()
{
    reselectAfter(&DocumentUndoManager::redo);
}

void SKTGraphicView::reselectAfter(void (DocumentUndoManager::*perform)())
{
    SKTDocument& document = mutableGraphics();
    m_undoTouchedGraphics.emplace();
    try {
        (document.undoManager().*perform)();
    } catch (...) {
        m_undoTouchedGraphics.reset();
        throw;
    }
    const QSet<const SKTGraphic*> touched = identities(*m_undoTouchedGraphics);
    m_undoTouchedGraphics.reset();
    IndexSet indexes;
    for (qsizetype i = 0; i < document.graphics().size(); ++i) {
        if (touched.contains(document.graphics().at(i).get()))
            indexes.insert(int(i));
    }
    if (!indexes.empty())
        changeSelectionIndexes(indexes);
}

// ---- Size, scale and repainting

void SKTGraphicView::setCanvasSize(const QSizeF& size)
{
    m_canvasSize = size;
    resizeToCanvas();
}

void SKTGraphicView::setCanvasScale(double scale)
{
    if (scale <= 0)
        return;
    // The handles of the document's graphics keep their screen size at the scale it is shown at.
    if (m_document)
        m_document->setHandleScale(float(scale));
    if (scale == m_canvasScale)
        return;
    m_canvasScale = scale;
    // The handles, and with them the drawing bounds, have a new size in canvas points.
    for (const std::shared_ptr<SKTGraphic>& graphic : graphics())
        refreshedDrawingBounds(*graphic);
    resizeToCanvas();
    update();
}

void SKTGraphicView::resizeToCanvas()
{
    resize(int(std::ceil(m_canvasSize.width() * m_canvasScale)),
           int(std::ceil(m_canvasSize.height() * m_canvasScale)));
}

void SKTGraphicView::setNeedsDisplayInRect(const QRectF& rect)
{
    if (rect.isEmpty())
        return;
    // One pixel more on every side for the smoothing of edges that fall between pixels.
    update(canvasTransform().mapRect(rect).toAlignedRect().adjusted(-1, -1, 1, 1));
}

// ---- Gesture display

void SKTGraphicView::setHidingHandles(bool hiding)
{
    if (hiding == m_hidingHandles)
        return;
    m_hidingHandles = hiding;
    setNeedsDisplayInGraphicBounds(m_selectionOnScreen);
}

void SKTGraphicView::setMarqueeSelectionBounds(const QRectF& bounds)
{
    setNeedsDisplayInRect(m_marqueeSelectionBounds);
    m_marqueeSelectionBounds = bounds;
    setNeedsDisplayInRect(m_marqueeSelectionBounds);
}

void SKTGraphicView::beginEchoingMoveToRulers(const QRectF& rect)
{
    echoToRulers(rect);
}

void SKTGraphicView::continueEchoingMoveToRulers(const QRectF& rect)
{
    echoToRulers(rect);
}

void SKTGraphicView::stopEchoingMoveToRulers()
{
    echoToRulers(QRectF());
}

void SKTGraphicView::echoToRulers(const QRectF& rect)
{
    m_rulerEchoedBounds = rect;
    Q_EMIT rulerEchoChanged(rect);
}
