#pragma once

#include "../view/CanvasTestSupport.h"

#include "canvas/drop/DragCodePasteboard.h"
#include "model/SKTText.h"
#include "platform/Format.h"

#include <QMimeData>

// The canvas shown, active and at scale 1, so canvas points are the widget's pixels.
class CanvasInputTest : public CanvasTest {
protected:
    void SetUp() override
    {
        CanvasTest::SetUp();
        view->setCanvasScale(1.0);
        showCanvas();
        view->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
    }

    // A selectable text box of a groupable kind, appended behind the others.
    std::shared_ptr<SKTText> addText(const QString& text, const QRectF& bounds, int groupNumber = kNoNumber)
    {
        auto box = std::make_shared<SKTText>();
        box->initWithProperties({{QStringLiteral("textString"), text},
                                 {QStringLiteral("bounds"), Format::rect(bounds)},
                                 {QStringLiteral("textType"), QStringLiteral("Text")},
                                 {QStringLiteral("fontFamily"), QStringLiteral("Lato")},
                                 {QStringLiteral("fontSize"), QStringLiteral("18")},
                                 {QStringLiteral("groupNumber"), QString::number(groupNumber)}});
        box->setSelectable(true);
        box->setGroupNumber(groupNumber);
        document.insertGraphics({box}, {int(document.graphics().size())});
        return box;
    }

    // Delivers a drop of an object-library code at the canvas point, as the platform does; answers whether
    // it was taken.
    bool drop(const QString& code, const QPointF& at)
    {
        const std::unique_ptr<QMimeData> data(newDragCodeMimeData(code));
        const QPoint pixel = view->canvasTransform().map(at).toPoint();
        QDragEnterEvent enter(pixel, Qt::CopyAction, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(view.get(), &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent event(QPointF(pixel), Qt::CopyAction, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(view.get(), &event);
        return event.isAccepted();
    }

    IndexSet selected() const { return view->selectionIndexes(); }
    // The page as it stands becomes the start: no undo steps.
    void forgetUndo() { document.undoManager().removeAllActions(); }
    QUndoStack& undoStack() { return *document.undoManager().stack(); }
    // Ends the undo group the current event loop pass has open, as the platform does after each event.
    static void endOfEvent() { flushRepaints(); }
};
