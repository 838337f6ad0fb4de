#include "CanvasTestSupport.h"

#include "canvas/InternalInconsistencyError.h"
#include "canvas/TextEditingView.h"
#include "model/SKTText.h"
#include "model/text/TextStorage.h"
#include "platform/Format.h"

#include <QPointer>

namespace {

class SKTGraphicViewEditingTest : public CanvasTest {
protected:
    void SetUp() override
    {
        CanvasTest::SetUp();
        shape = addShape(QStringLiteral("shape"), QRectF(40, 40, 120, 60));
        shape->editable = true;
        showCanvas();
        view->activateWindow();
    }

    std::shared_ptr<LoggedShape> shape;
};

TEST_F(SKTGraphicViewEditingTest, TheEditorStandsOnTheCanvasWithTheFocusUntilEditingStops)
{
    view->startEditingGraphic(shape);
    QPointer<QWidget> editor = view->editingView();
    ASSERT_TRUE(editor);
    EXPECT_EQ(view->editingGraphic(), shape);
    EXPECT_EQ(editor->parentWidget(), view.get());
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(view->window()->focusWidget(), editor.data());

    view->stopEditing();
    EXPECT_FALSE(view->editingGraphic());
    EXPECT_FALSE(view->editingView());
    EXPECT_EQ(shape->finalizedEditor, editor.data());
    EXPECT_EQ(view->window()->focusWidget(), view.get());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(editor) << "the editor goes once editing stopped";
}

TEST_F(SKTGraphicViewEditingTest, EditingStartsOnlyOnceAndOnlyForGraphicsWithAnEditor)
{
    shape->editable = false;
    view->startEditingGraphic(shape);
    EXPECT_FALSE(view->editingGraphic());

    shape->editable = true;
    view->startEditingGraphic(shape);
    try {
        view->startEditingGraphic(shape);
        ADD_FAILURE() << "a second start while editing";
    } catch (const InternalInconsistencyError& error) {
        EXPECT_STREQ(error.what(), "-[SKTGraphicView startEditingGraphic:] is being mis-invoked.");
    }
    EXPECT_EQ(view->editingGraphic(), shape);
}

TEST_F(SKTGraphicViewEditingTest, AnEditorThatGrowsRepaintsTheAreaItCovers)
{
    view->startEditingGraphic(shape);
    settle();
    view->editingView()->resize(120, 150);
    flushRepaints();
    EXPECT_TRUE((QRegion(QRect(40, 40, 120, 150)) - recorder->painted).isEmpty());
}

TEST_F(SKTGraphicViewEditingTest, RemovingTheEditedTextEndsTheEditing)
{
    TextEditingViewFactory::install();
    auto text = std::make_shared<SKTText>();
    text->initWithProperties({{QStringLiteral("textString"), QStringLiteral("Hello")},
                              {QStringLiteral("bounds"), Format::rect(QRectF(40, 150, 200, 60))}});
    text->setSelectable(true);
    document.insertGraphics({text}, {0});
    view->startEditingGraphic(text);
    auto* editor = qobject_cast<TextEditingView*>(view->editingView());
    ASSERT_TRUE(editor);
    ASSERT_EQ(editor->document(), &text->contents().document());

    document.removeGraphicsAtIndexes({0});

    EXPECT_FALSE(view->editingGraphic());
    EXPECT_NE(editor->document(), &text->contents().document()) << "the editor let go of the text";
    TextEditorFactory::setCurrent(nullptr);
}

TEST_F(SKTGraphicViewEditingTest, RemovingAnotherGraphicKeepsTheEditing)
{
    addShape(QStringLiteral("other"), QRectF(200, 200, 10, 10));
    view->startEditingGraphic(shape);
    document.removeGraphicsAtIndexes({1});
    EXPECT_EQ(view->editingGraphic(), shape);
}

} // namespace
