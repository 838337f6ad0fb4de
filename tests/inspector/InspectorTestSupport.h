#pragma once

#include "window/WindowTestSupport.h"

#include "document/core/GraphicSelection.h"
#include "inspector/bindings/InspectorBindings.h"
#include "inspector/panel/InspectorPanel.h"
#include "model/SKTRectangle.h"

#include <QLineEdit>

// Document windows with their inspectors, on a product with the tabbed sidebar, and rectangles to select.
class InspectorTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        DataCentre::mutableProfile().dragInspector = true;
        InspectorPanel::installInDocumentWindows();
    }
    void TearDown() override
    {
        WindowTest::TearDown();
        SKTWindowController::setInspectorMaker({});
    }

    // A window whose inspector is bound to its selection.
    SKTWindowController& openBoundWindow()
    {
        SKTWindowController& window = openWindow();
        panel(window).restoreBinding();
        return window;
    }
    // A window that its document owns, as the application makes them: what its graphics ask of their
    // document reaches it.
    SKTWindowController& openDocumentWindow()
    {
        SKTWindowController::installAsWindowMaker();
        SKTDocument& document = newDocument();
        document.makeWindowControllers();
        auto* window = static_cast<SKTWindowController*>(document.windowController());
        window->resize(1400, 900);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        return *window;
    }
    static InspectorPanel& panel(const SKTWindowController& window) { return *InspectorPanel::of(window); }

    // A graphic of the kind appended behind the page's other objects.
    template <class Kind = SKTRectangle>
    static std::shared_ptr<Kind> addGraphic(SKTWindowController& window, const QRectF& bounds)
    {
        auto graphic = std::make_shared<Kind>();
        graphic->setBounds(bounds);
        SKTDocument& document = *window.document();
        document.insertGraphics({graphic}, {int(document.graphics().size())});
        document.undoManager().checkpoint();
        return graphic;
    }
    static std::shared_ptr<SKTGraphic> addRectangle(SKTWindowController& window, const QRectF& bounds)
    {
        return addGraphic(window, bounds);
    }
    static void select(SKTWindowController& window, const IndexSet& indexes)
    {
        window.graphicsController()->changeSelectionIndexes(indexes);
    }

    // Types the text into the field as a user does and ends the edit with Return.
    static void typeInto(QLineEdit& field, const QString& text)
    {
        field.setFocus();
        field.selectAll();
        QTest::keyClicks(&field, text);
        QTest::keyClick(&field, Qt::Key_Return);
    }
};
