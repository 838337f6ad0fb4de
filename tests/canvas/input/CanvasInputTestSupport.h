#pragma once

#include "../view/CanvasTestSupport.h"

#include "model/SKTText.h"
#include "platform/Format.h"

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

    IndexSet selected() const { return view->selectionIndexes(); }
    // The page as it stands becomes the start: no undo steps.
    void forgetUndo() { document.undoManager().removeAllActions(); }
    QUndoStack& undoStack() { return *document.undoManager().stack(); }
    // Ends the undo group the current event loop pass has open, as the platform does after each event.
    static void endOfEvent() { flushRepaints(); }
};
