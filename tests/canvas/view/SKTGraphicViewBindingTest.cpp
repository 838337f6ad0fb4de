#include "CanvasTestSupport.h"

#include "canvas/InternalInconsistencyError.h"
#include "model/SKTGrid.h"

#include <QSignalSpy>

#include <functional>

namespace {

using SKTGraphicViewBindingTest = CanvasTest;

TEST_F(SKTGraphicViewBindingTest, AnUnboundCanvasReadsNothingAndRefusesToWrite)
{
    addShape(QStringLiteral("shape"), QRectF(10, 10, 50, 50));
    selection.changeSelectionIndexes({0});
    view->unbindGraphics();
    view->unbindSelectionIndexes();

    EXPECT_TRUE(view->graphics().isEmpty());
    EXPECT_TRUE(view->selectionIndexes().empty());
    EXPECT_TRUE(view->selectedGraphics().isEmpty());
    grabbed();
    EXPECT_TRUE(drawLog.isEmpty()) << "background and grid only";

    const struct {
        const char* message;
        std::function<void()> call;
    } cases[] = {
        {"An SKTGraphicView's 'graphics' property is not bound to anything.",
         [this] { view->mutableGraphics(); }},
        {"An SKTGraphicView's 'graphics' property is not bound to anything.", [this] { view->undo(); }},
        {"An SKTGraphicView's 'selectionIndexes' property is not bound to anything.",
         [this] { view->changeSelectionIndexes({0}); }},
    };
    for (const auto& c : cases) {
        try {
            c.call();
            ADD_FAILURE() << "no error: " << c.message;
        } catch (const InternalInconsistencyError& error) {
            EXPECT_STREQ(error.what(), c.message);
        }
    }
}

TEST_F(SKTGraphicViewBindingTest, TheCanvasAnswersTheBoundGraphicsAndSelection)
{
    const auto first = addShape(QStringLiteral("first"), QRectF(10, 10, 50, 50));
    const auto second = addShape(QStringLiteral("second"), QRectF(100, 10, 50, 50));
    QSignalSpy touched(view.get(), &SKTGraphicView::graphicTouched);

    view->changeSelectionIndexes({1});

    EXPECT_EQ(&view->mutableGraphics(), &document);
    EXPECT_EQ(view->graphics(), document.graphics());
    EXPECT_EQ(selection.selectedGraphics(), GraphicList({second}));
    EXPECT_EQ(view->selectionIndexes(), IndexSet({1}));
    EXPECT_EQ(view->selectedGraphics(), GraphicList({second}));
    EXPECT_EQ(touched.count(), 1);

    selection.changeSelectionIndexes({0});
    EXPECT_EQ(view->selectedGraphics(), GraphicList({first})) << "read from the selection at every use";
    EXPECT_EQ(touched.count(), 1) << "only the canvas's own changes touch";
}

TEST_F(SKTGraphicViewBindingTest, BindingAnotherDocumentLetsGoOfTheFirstDocumentsGraphics)
{
    const auto old = addShape(QStringLiteral("old"), QRectF(10, 10, 50, 50));
    SKTDocument other;
    const auto fresh = std::make_shared<LoggedShape>(QStringLiteral("fresh"), drawLog);
    fresh->setBounds(QRectF(200, 10, 50, 50));
    other.insertGraphics({fresh}, {0});
    showCanvas();

    view->bindGraphics(&other);
    settle();
    old->setFillColor(Qt::red);
    document.insertGraphics({std::make_shared<LoggedShape>(QStringLiteral("late"), drawLog)}, {0});
    flushRepaints();
    EXPECT_TRUE(recorder->painted.isEmpty()) << "the first document is no longer followed";

    fresh->setFillColor(Qt::red);
    flushRepaints();
    EXPECT_EQ(drawLog, QStringList(QStringLiteral("fresh")));
    EXPECT_EQ(view->graphics(), GraphicList({fresh}));
}

TEST_F(SKTGraphicViewBindingTest, BindingAndUnbindingRepaintTheWholeCanvas)
{
    SKTGrid grid;
    showCanvas();
    const std::function<void()> changes[] = {
        [this] { view->unbindGraphics(); },         [this] { view->bindGraphics(&document); },
        [this] { view->unbindSelectionIndexes(); }, [this] { view->bindSelectionIndexes(&selection); },
        [this, &grid] { view->setGrid(&grid); },
    };
    for (const auto& change : changes) {
        settle();
        change();
        flushRepaints();
        EXPECT_TRUE((QRegion(view->rect()) - recorder->painted).isEmpty());
    }
}

TEST_F(SKTGraphicViewBindingTest, NothingReachesACanvasThatIsGone)
{
    SKTGrid grid;
    const auto shape = addShape(QStringLiteral("shape"), QRectF(10, 10, 50, 50));
    view->setGrid(&grid);
    showCanvas();
    recorder.reset();
    view.reset();

    shape->setBounds(QRectF(20, 20, 30, 30));
    selection.changeSelectionIndexes({0});
    grid.setColor(Qt::red);
    addShape(QStringLiteral("another"), QRectF(0, 0, 5, 5));
    document.removeGraphicsAtIndexes({0, 1});
    flushRepaints();
    SUCCEED();
}

TEST_F(SKTGraphicViewBindingTest, ACanvasOutlivingItsDocumentShowsAnEmptyPage)
{
    auto shortLived = std::make_unique<SKTDocument>();
    const auto shape = std::make_shared<LoggedShape>(QStringLiteral("shape"), drawLog);
    shortLived->insertGraphics({shape}, {0});
    view->unbindSelectionIndexes();
    view->bindGraphics(shortLived.get());
    shortLived.reset();

    EXPECT_TRUE(view->graphics().isEmpty());
    grabbed();
    EXPECT_TRUE(drawLog.isEmpty());
    shape->setFillColor(Qt::red);
    view->unbindGraphics();
}

} // namespace
