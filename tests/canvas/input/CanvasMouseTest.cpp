#include "CanvasInputTestSupport.h"

#include "canvas/TextEditingView.h"
#include "canvas/view/CanvasRuler.h"
#include "canvas/view/SKTZoomingScrollView.h"
#include "document/core/DocumentWindow.h"
#include "document/core/PageCanvasState.h"
#include "document/format/PageText.h"
#include "model/SKTGrid.h"
#include "model/geometry/Handles.h"
#include "platform/transfer/ZipArchive.h"

#include <QDir>
#include <QMenu>
#include <QScrollBar>

namespace {

class CanvasMouseTest : public CanvasInputTest {
protected:
    void SetUp() override
    {
        CanvasInputTest::SetUp();
        a = addShape(QStringLiteral("a"), QRectF(20, 20, 60, 40));
        b = addShape(QStringLiteral("b"), QRectF(120, 20, 60, 40));
        c = addShape(QStringLiteral("c"), QRectF(20, 120, 60, 40));
        forgetUndo();
    }

    std::shared_ptr<LoggedShape> a, b, c;
};

TEST_F(CanvasMouseTest, TheMoveStartsOnlyOnceTheMouseLeftThePressPointByTwoPoints)
{
    struct Case {
        QPointF by;
        bool moves;
    };
    const Case cases[] = {{{0, 0}, false}, {{1, 1}, false}, {{1.9, -1.9}, false},
                          {{2, 0}, true},  {{0, -2}, true}, {{-5, 7}, true}};
    for (const Case& test : cases) {
        SCOPED_TRACE(testing::Message() << test.by.x() << ", " << test.by.y());
        a->setBounds(QRectF(20, 20, 60, 40));
        b->setBounds(QRectF(120, 20, 60, 40));
        view->changeSelectionIndexes({0, 1});
        endOfEvent();
        const int steps = undoStack().count();
        const QPointF pressPoint(30, 30);

        drag(pressPoint, pressPoint + test.by);
        endOfEvent();

        EXPECT_EQ(a->bounds().topLeft(), QPointF(20, 20) + (test.moves ? test.by : QPointF()));
        EXPECT_EQ(b->bounds().topLeft(), QPointF(120, 20) + (test.moves ? test.by : QPointF()));
        EXPECT_EQ(selected(), IndexSet({0, 1})) << "the other selected graphic stays selected";
        EXPECT_EQ(view->lastTouchPoint(), pressPoint + (test.moves ? test.by : QPointF()));
        EXPECT_FALSE(view->isHidingHandles());
        EXPECT_EQ(undoStack().count(), steps + (test.moves ? 1 : 0));
        if (test.moves) {
            EXPECT_EQ(undoStack().undoText(), QStringLiteral("Move"));
        }
    }
}

TEST_F(CanvasMouseTest, OneDragOfManyEventsIsOneMoveStepThatUndoesWhole)
{
    press(QPointF(30, 30));
    for (int x = 32; x <= 60; x += 4) {
        dragTo(QPointF(x, 30));
        endOfEvent();
        EXPECT_TRUE(view->isHidingHandles()) << "a started move hides the handles";
    }
    release(QPointF(60, 30));
    endOfEvent();
    EXPECT_EQ(a->bounds().topLeft(), QPointF(50, 20));
    ASSERT_EQ(undoStack().count(), 1);
    EXPECT_EQ(undoStack().undoText(), QStringLiteral("Move"));
    view->undo();
    EXPECT_EQ(a->bounds().topLeft(), QPointF(20, 20));
}

TEST_F(CanvasMouseTest, AtAProductScaleOfAFractionWholePixelsMoveByWholePoints)
{
    // The page file keeps whole points by cutting fractions, so 159.99999 would be stored as 159.
    DataCentre::mutableProfile().canvasScale = 0.4f;
    view->setCanvasScale(Handles::canvasZoomFactor());
    view->changeSelectionIndexes({0});
    endOfEvent();
    // Mouse events come at whole pixels: from the shape's centre (50, 40), clear of its handles, 8 and 6
    // pixels are 20 and 15 points.
    const auto at = [this](QEvent::Type type, QPoint pixel) {
        mouse(type, QPointF(pixel) / view->canvasScale());
    };
    at(QEvent::MouseButtonPress, QPoint(20, 16));
    at(QEvent::MouseMove, QPoint(24, 19));
    at(QEvent::MouseMove, QPoint(28, 22));
    at(QEvent::MouseButtonRelease, QPoint(28, 22));
    endOfEvent();
    EXPECT_EQ(a->bounds().topLeft(), QPointF(40, 35));
}

TEST_F(CanvasMouseTest, AConstrainingGridPutsTheSelectionsOriginOnItsLatticeWhereverItWasGrabbed)
{
    SKTGrid grid;
    grid.setSpacing(10);
    grid.setConstraining(true);
    view->setGrid(&grid);
    const QPointF grabs[] = {{20, 35}, {40, 50}, {66, 60}, {170, 45}};
    const QPointF moves[] = {{3, 3}, {26, -11}, {-8, 44}};
    for (const QPointF& grab : grabs) {
        for (const QPointF& by : moves) {
            SCOPED_TRACE(testing::Message()
                         << "grab " << grab.x() << "," << grab.y() << " by " << by.x() << "," << by.y());
            a->setBounds(QRectF(13, 27, 60, 40));
            b->setBounds(QRectF(120, 30, 60, 40));
            view->changeSelectionIndexes({0, 1});
            drag(grab, grab + by);
            const QPointF origin = SKTGraphic::boundsOfGraphics({a, b}).topLeft();
            EXPECT_EQ(std::fmod(origin.x(), 10.0), 0.0) << origin.x();
            EXPECT_EQ(std::fmod(origin.y(), 10.0), 0.0) << origin.y();
            EXPECT_EQ(b->bounds().topLeft() - a->bounds().topLeft(), QPointF(107, 3)) << "they move as one";
        }
    }
    view->setGrid(nullptr);
}

TEST_F(CanvasMouseTest, DraggingOneMemberOfAGroupMovesTheGroupButSelectsOnlyTheMember)
{
    auto first = addText(QStringLiteral("first"), QRectF(200, 150, 50, 30), 5);
    auto second = addText(QStringLiteral("second"), QRectF(300, 150, 50, 30), 5);
    auto other = addText(QStringLiteral("other"), QRectF(200, 250, 50, 30), 6);
    auto loose = addText(QStringLiteral("loose"), QRectF(300, 250, 50, 30));

    drag(QPointF(210, 160), QPointF(220, 170));

    EXPECT_EQ(first->bounds().topLeft(), QPointF(210, 160));
    EXPECT_EQ(second->bounds().topLeft(), QPointF(310, 160));
    EXPECT_EQ(other->bounds().topLeft(), QPointF(200, 250));
    EXPECT_EQ(loose->bounds().topLeft(), QPointF(300, 250));
    EXPECT_EQ(selected(), IndexSet({3}));
}

TEST_F(CanvasMouseTest, ShiftClickTogglesAndOnlyAStillSelectedGraphicIsDragged)
{
    view->changeSelectionIndexes({0});

    drag(QPointF(130, 30), QPointF(140, 40), Qt::ShiftModifier);
    EXPECT_EQ(selected(), IndexSet({0, 1}));
    EXPECT_EQ(a->bounds().topLeft(), QPointF(30, 30)) << "an added graphic drags the whole selection";
    EXPECT_EQ(b->bounds().topLeft(), QPointF(130, 30));

    drag(QPointF(40, 40), QPointF(60, 60), Qt::ShiftModifier);
    EXPECT_EQ(selected(), IndexSet({1}));
    EXPECT_EQ(a->bounds().topLeft(), QPointF(30, 30)) << "a deselected graphic is not dragged";
    EXPECT_EQ(b->bounds().topLeft(), QPointF(130, 30));
}

TEST_F(CanvasMouseTest, AClickOnAnotherGraphicSelectsItAloneAndAClickOnNothingClearsTheSelection)
{
    view->changeSelectionIndexes({0, 1});
    EXPECT_FALSE(view->acceptsFirstMouse()) << "a click into the inactive window only activates it";
    press(QPointF(30, 130));
    release(QPointF(30, 130));
    EXPECT_EQ(selected(), IndexSet({2}));
    press(QPointF(300, 250));
    release(QPointF(300, 250));
    EXPECT_TRUE(selected().empty());
    EXPECT_TRUE(view->marqueeSelectionBounds().isNull());
    EXPECT_TRUE(view->acceptsFirstMouse());
}

TEST_F(CanvasMouseTest, TheFrontmostGraphicIsHitAndOnlySelectedGraphicsOfferHandles)
{
    auto behind = addShape(QStringLiteral("behind"), QRectF(20, 20, 60, 40));
    int index = -1;
    bool isSelected = true;
    int handle = -1;
    EXPECT_EQ(view->graphicUnderPoint(QPointF(30, 30), &index, &isSelected, &handle), a);
    EXPECT_EQ(index, 0);
    EXPECT_FALSE(isSelected);
    EXPECT_EQ(handle, 0);
    EXPECT_FALSE(view->graphicUnderPoint(QPointF(300, 250), &index)) << "nothing there";
    EXPECT_EQ(index, 0) << "the out arguments are left alone without a result";

    // Just outside the bottom right corner, on its handle.
    const QPointF corner = a->bounds().bottomRight() + QPointF(1, 1);
    EXPECT_FALSE(view->graphicUnderPoint(corner)) << "an unselected graphic has no handles";
    view->changeSelectionIndexes({0});
    EXPECT_EQ(view->graphicUnderPoint(corner, &index, &isSelected, &handle), a);
    EXPECT_TRUE(isSelected);
    EXPECT_EQ(handle, 8);
    Q_UNUSED(behind);
}

TEST_F(CanvasMouseTest, AMarqueeSelectsWhatItTouchesWhicheverWayItIsDrawnButNeverFormOptions)
{
    auto radio = addShape(QStringLiteral("radio"), QRectF(100, 80, 10, 10));
    radio->setFormType(QStringLiteral("radio"));
    auto checkbox = addShape(QStringLiteral("checkbox"), QRectF(120, 80, 10, 10));
    checkbox->setFormType(QStringLiteral("checkbox"));
    auto locked = addShape(QStringLiteral("unselectable"), QRectF(140, 80, 10, 10));
    locked->setSelectable(false);
    const QRectF marquee(70, 5, 90, 85);
    const QPair<QPointF, QPointF> ways[] = {{marquee.topLeft(), marquee.bottomRight()},
                                            {marquee.bottomRight(), marquee.topLeft()},
                                            {marquee.topRight(), marquee.bottomLeft()},
                                            {marquee.bottomLeft(), marquee.topRight()}};
    for (const auto& [from, to] : ways) {
        view->changeSelectionIndexes({2});
        press(from);
        dragTo(to);
        EXPECT_EQ(view->marqueeSelectionBounds(), marquee);
        release(to);
        EXPECT_EQ(selected(), IndexSet({0, 1}));
        EXPECT_TRUE(view->marqueeSelectionBounds().isNull());
    }

    view->changeSelectionIndexes({0});
    drag(QPointF(105, 85), QPointF(105, 85));
    EXPECT_TRUE(selected().empty()) << "a click on an option is a click on empty space";
}

TEST_F(CanvasMouseTest, AShiftMarqueeTogglesWhatItTouchesAgainstTheSelectionAtThePress)
{
    view->changeSelectionIndexes({0, 2});
    drag(QPointF(100, 100), QPointF(10, 10), Qt::ShiftModifier);
    EXPECT_EQ(selected(), IndexSet({2}));
    drag(QPointF(100, 100), QPointF(150, 10), Qt::ShiftModifier);
    EXPECT_EQ(selected(), IndexSet({1, 2}));
}

TEST_F(CanvasMouseTest, AResizeByAHandleIsOneResizeStepEvenWithoutMovement)
{
    view->changeSelectionIndexes({0});
    endOfEvent();
    const QPointF handle = a->bounds().bottomRight() + QPointF(1, 1);
    press(handle);
    release(handle);
    endOfEvent();
    EXPECT_EQ(a->bounds(), QRectF(20, 20, 61, 41)) << "the release point is where the handle went";
    ASSERT_EQ(undoStack().count(), 1);
    EXPECT_EQ(undoStack().undoText(), QStringLiteral("Resize"));
    EXPECT_EQ(selected(), IndexSet({0}));

    SKTGrid grid;
    grid.setSpacing(10);
    grid.setConstraining(true);
    view->setGrid(&grid);
    press(QPointF(82, 62));
    dragTo(QPointF(120, 100));
    endOfEvent();
    dragTo(QPointF(133, 116));
    release(QPointF(133, 116));
    endOfEvent();
    EXPECT_EQ(a->bounds(), QRectF(20, 20, 110, 100)) << "the handle snaps to the grid";
    ASSERT_EQ(undoStack().count(), 2);
    EXPECT_EQ(undoStack().undoText(), QStringLiteral("Resize"));
    view->setGrid(nullptr);
}

TEST_F(CanvasMouseTest, ADragMoveGrowsThePasteCascadeStepByTheDistanceDragged)
{
    view->setPasteCascadeDelta(QPointF(10, 10));
    drag(QPointF(30, 30), QPointF(60, 70));
    EXPECT_EQ(view->pasteCascadeDelta(), QPointF(40, 50));
    EXPECT_EQ(view->lastTouchPoint(), QPointF(60, 70));
}

TEST_F(CanvasMouseTest, AContextClickSetsTheTouchPointBeforeTheMenuOpens)
{
    QMenu menu;
    menu.addAction(QStringLiteral("command"));
    QPointF seenByMenu;
    QObject::connect(&menu, &QMenu::aboutToShow, [&] { seenByMenu = view->lastTouchPoint(); });
    view->setMenu(&menu);
    QContextMenuEvent click(QContextMenuEvent::Mouse, pixel(QPointF(150, 110)),
                            view->mapToGlobal(pixel({150, 110})));
    QCoreApplication::sendEvent(view.get(), &click);
    EXPECT_EQ(view->lastTouchPoint(), QPointF(150, 110));
    EXPECT_EQ(seenByMenu, QPointF(150, 110));
    menu.close();
}

TEST_F(CanvasMouseTest, TheRulersEchoTheMovingSelectionUntilTheRelease)
{
    SKTZoomingScrollView scrollView;
    scrollView.resize(300, 200);
    scrollView.setGraphicView(view.get());
    scrollView.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&scrollView));
    scrollView.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&scrollView));
    view->setCanvasScale(1.0);

    press(QPointF(30, 30));
    dragTo(QPointF(50, 40));
    EXPECT_EQ(view->rulerEchoedBounds(), QRectF(40, 30, 60, 40));
    EXPECT_EQ(scrollView.horizontalRuler()->echoPositions().size(), 3);
    release(QPointF(50, 40));
    EXPECT_TRUE(view->rulerEchoedBounds().isNull());
    EXPECT_TRUE(scrollView.horizontalRuler()->echoPositions().isEmpty());

    scrollView.horizontalRuler()->hide();
    scrollView.verticalRuler()->hide();
    press(QPointF(50, 40));
    dragTo(QPointF(60, 40));
    EXPECT_TRUE(view->rulerEchoedBounds().isNull()) << "hidden rulers echo nothing";
    release(QPointF(60, 40));

    // A drag beyond the visible part scrolls the canvas along.
    view->changeSelectionIndexes({});
    press(QPointF(100, 100));
    dragTo(QPointF(390, 290));
    EXPECT_GT(scrollView.verticalScrollBar()->value(), 0);
    release(QPointF(390, 290));
    scrollView.takeWidget();
}

// The page's window as far as saving asks it: the canvas pictures and touch point come from the canvas.
class CanvasWindow : public DocumentWindow {
public:
    explicit CanvasWindow(SKTGraphicView& view)
        : m_view(view)
    {}

    void hideAllDocPanels() override {}
    void deSelectAllObjects() override {}
    QBrush getDocumentColor() const override { return m_view.pageColor(); }
    QImage renderCanvas(const QRectF& rect) override { return m_view.grab(rect.toRect()).toImage(); }
    QImage findCurrentlySelectedVelkButtonImage(const QString&) override { return {}; }
    QString grabNextImageName() const override { return QStringLiteral("image1"); }
    QPointF grabLastTouchPoint() const override { return m_view.lastTouchPoint(); }

private:
    SKTGraphicView& m_view;
};

class CanvasTextEditingTest : public CanvasInputTest {
protected:
    void SetUp() override
    {
        CanvasInputTest::SetUp();
        TextEditingViewFactory::install();
        ProductProfile& profile = DataCentre::mutableProfile();
        profile.productDisplayName = QStringLiteral("HTML Velk Pro");
        profile.documentExtension = QStringLiteral("velk");
        profile.screenshotSize = 100;
        profile.workingFolderPath = pathInHome(QStringLiteral("work/x")).chopped(2);
        profile.tempSaveFolder = QDir(profile.workingFolderPath).filePath(QStringLiteral("tempSave000000"));
        document.canvasState() = PageCanvasState::ofLaunchProfile();
        document.setTempSavePathLocal(pathInHome(QStringLiteral("work/page/x")).chopped(2));
        document.setPageFileExtension(QStringLiteral("html"));
        SKTDocument::setWindowControllerFactory(
            [this](SKTDocument&) { return std::make_unique<CanvasWindow>(*view); });
        document.makeWindowControllers();
    }
    void TearDown() override
    {
        SKTDocument::setWindowControllerFactory({});
        TextEditorFactory::setCurrent(nullptr);
        CanvasInputTest::TearDown();
    }

    // The page file inside the saved page document.
    QString savedPage()
    {
        const QString location = pathInHome(QStringLiteral("documents/home.velk"));
        if (!document.saveThisPage(location, 0))
            return {};
        QTemporaryDir unpacked;
        ZipArchive zip;
        if (!zip.openZip(location) || zip.unzip(unpacked.path()) < 0)
            return {};
        return PageText::read(QDir(unpacked.path()).filePath(QStringLiteral("home.html")));
    }
};

TEST_F(CanvasTextEditingTest, ADoubleClickEditsATextBoxInPlaceAndAClickElsewhereKeepsTheText)
{
    auto text = addText(QStringLiteral("Hello"), QRectF(40, 40, 200, 60));
    auto picture = addShape(QStringLiteral("picture"), QRectF(40, 150, 80, 80));
    view->changeSelectionIndexes({1});

    doubleClick(QPointF(60, 60));
    ASSERT_EQ(view->editingGraphic(), text);
    EXPECT_EQ(selected(), IndexSet({0})) << "the first click of the two selected it, the second did not";
    auto* editor = qobject_cast<TextEditingView*>(view->editingView());
    ASSERT_TRUE(editor);
    EXPECT_TRUE(editor->hasFocus());

    editor->moveCursor(QTextCursor::End);
    QTest::keyClicks(editor, QStringLiteral(" world"));
    press(QPointF(300, 250));
    release(QPointF(300, 250));

    EXPECT_FALSE(view->editingGraphic());
    EXPECT_TRUE(view->hasFocus());
    EXPECT_EQ(text->textString(), QStringLiteral("Hello world"));
    EXPECT_TRUE(savedPage().contains(QStringLiteral("Hello world")));

    doubleClick(QPointF(60, 160));
    EXPECT_FALSE(view->editingGraphic()) << "a graphic without an editor is not edited";
    EXPECT_EQ(selected(), IndexSet({1}));
    Q_UNUSED(picture);
}

} // namespace
