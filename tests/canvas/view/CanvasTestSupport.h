#pragma once

#include "canvas/view/SKTGraphicView.h"
#include "document/core/GraphicSelection.h"
#include "document/core/SKTDocument.h"
#include "model/SKTGraphic.h"
#include "model/drawing/DrawingView.h"
#include "profile/DataCentre.h"
#include "support/VelkTest.h"

#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainterPath>
#include <QRegion>
#include <QStringList>
#include <QTest>

#include <memory>

// A graphic that fills its bounds with its fill colour and writes its name into a log shared by the page
// each time it is asked to draw.
class LoggedShape : public SKTGraphic {
public:
    LoggedShape(QString name, QStringList& log)
        : m_name(std::move(name))
        , m_log(log)
    {}

    QString name() const { return m_name; }
    // A plain widget as editor when `editable`.
    QWidget* newEditingViewWithSuperviewBounds(const QRectF&) override
    {
        if (!editable)
            return nullptr;
        auto* editor = new QWidget;
        editor->setObjectName(QStringLiteral("editor"));
        editor->setGeometry(bounds().toRect());
        editor->setFocusPolicy(Qt::StrongFocus);
        return editor;
    }
    void finalizeEditingView(QWidget* editingView) override { finalizedEditor = editingView; }
    void drawContentsInView(DrawingView& view, bool beingCreatedOrEdited) override
    {
        m_log.append(m_name);
        lastDrawnBeingEdited = beingCreatedOrEdited;
        if (settlingDraws > 0) {
            --settlingDraws;
            setAltText(QStringLiteral("settled %1").arg(settlingDraws));
        }
        QPainterPath area;
        area.addRect(bounds().adjusted(-reach, -reach, reach, reach));
        view.fillPath(area, fillColor());
    }

    // Draws this far beyond the bounds on every side (canvas points).
    double reach = 0;
    bool editable = false;
    // This many draws change a property of the shape, as a graphic settling its layout does.
    int settlingDraws = 0;
    bool lastDrawnBeingEdited = false;
    QWidget* finalizedEditor = nullptr;

private:
    QString m_name;
    QStringList& m_log;
};

// Every paint region the canvas receives, in its pixels.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QWidget& widget) { widget.installEventFilter(this); }

    QRegion painted;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

// A page document of logged shapes on a shown canvas, bound to the document and a window selection. Each
// test runs with the product profile at its start values and a page of 400 x 300 points.
class CanvasTest : public VelkTest {
protected:
    void SetUp() override
    {
        VelkTest::SetUp();
        DataCentre::resetProfile();
        view = std::make_unique<SKTGraphicView>();
        view->setCanvasSize(QSizeF(400, 300));
        view->bindGraphics(&document);
        view->bindSelectionIndexes(&selection);
        recorder = std::make_unique<PaintRecorder>(*view);
    }
    void TearDown() override
    {
        recorder.reset();
        view.reset();
        DataCentre::resetProfile();
        VelkTest::TearDown();
    }

    // A shape named `name` filled with `color`, appended behind the others.
    std::shared_ptr<LoggedShape> addShape(const QString& name, const QRectF& bounds,
                                          const QColor& color = Qt::blue)
    {
        auto shape = std::make_shared<LoggedShape>(name, drawLog);
        shape->setBounds(bounds);
        shape->setFillColor(color);
        shape->setSelectable(true);
        document.insertGraphics({shape}, {int(document.graphics().size())});
        return shape;
    }

    void showCanvas()
    {
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
        flushRepaints();
    }

    // Paints what is waiting to be painted, then starts the draw log and the paint regions afresh.
    void settle()
    {
        flushRepaints();
        drawLog.clear();
        recorder->painted = QRegion();
    }

    static void flushRepaints()
    {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }

    // The canvas drawn into a see-through picture, as the page's pictures are made.
    QImage grabbed() const
    {
        QImage picture(view->size(), QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::transparent);
        view->render(&picture);
        return picture;
    }

    // ---- The left mouse button on the canvas, at canvas points. The events go straight to the canvas, as
    // the window hands them on, so quick presses at one place are not taken for double clicks.
    void mouse(QEvent::Type type, const QPointF& point, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        const QPointF local = view->canvasTransform().map(point);
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, local, view->mapToGlobal(local), button, held, modifiers);
        QCoreApplication::sendEvent(view.get(), &event);
    }
    void press(const QPointF& point, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        mouse(QEvent::MouseButtonPress, point, modifiers);
    }
    void dragTo(const QPointF& point, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        mouse(QEvent::MouseMove, point, modifiers);
    }
    void release(const QPointF& point, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        mouse(QEvent::MouseButtonRelease, point, modifiers);
    }
    void drag(const QPointF& from, const QPointF& to, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        press(from, modifiers);
        dragTo(to, modifiers);
        release(to, modifiers);
    }
    // Two clicks in quick succession, as the platform reports them.
    void doubleClick(const QPointF& point)
    {
        press(point);
        release(point);
        mouse(QEvent::MouseButtonDblClick, point);
        release(point);
    }
    QPoint pixel(const QPointF& point) const { return view->canvasTransform().map(point).toPoint(); }

    // The area a graphic's repaint covers, in the canvas's pixels.
    QRect pixelArea(SKTGraphic& graphic) const
    {
        return view->canvasTransform().mapRect(graphic.drawingBounds()).toAlignedRect();
    }

    SKTDocument document;
    GraphicSelection selection{document};
    std::unique_ptr<SKTGraphicView> view;
    QStringList drawLog;
    std::unique_ptr<PaintRecorder> recorder;
};
