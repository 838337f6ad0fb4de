#include "WindowTestSupport.h"

#include "canvas/view/CanvasRuler.h"
#include "platform/RulerUnits.h"
#include "platform/SegmentedControl.h"
#include "platform/UserDefaults.h"
#include "profile/print/PrintSheetCatalogue.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QScrollBar>

namespace {

class CanvasSizingTest : public WindowTest {
protected:
    QSizeF canvas(const SKTWindowController& window) const { return window.graphicView()->canvasSize(); }
};

TEST_F(CanvasSizingTest, ChoosingAZoomStepScalesTheCanvasAndShowsLessOfThePage)
{
    SKTWindowController& window = openWindow();
    QComboBox* popUp = child<QComboBox>(window, "factorPopUpButton");
    ASSERT_EQ(popUp->count(), 26);
    EXPECT_EQ(popUp->currentText(), QStringLiteral("100%"));
    // The pop-up opens the horizontal scroller's row; the scroller follows it.
    const SKTZoomingScrollView& scrollView = *window.zoomingScrollView();
    const QScrollBar& scroller = *scrollView.horizontalScrollBar();
    ASSERT_TRUE(scroller.isVisible());
    const QRect popUpFrame(popUp->mapTo(&scrollView, QPoint()), popUp->size());
    const QRect scrollerFrame(scroller.mapTo(&scrollView, QPoint()), scroller.size());
    EXPECT_LE(popUpFrame.right(), scrollerFrame.left());
    EXPECT_LT(popUpFrame.left(), scrollerFrame.left());
    EXPECT_GT(scrollerFrame.width(), popUpFrame.width());

    const int step = popUp->findText(QStringLiteral("125%"));
    Q_EMIT popUp->activated(step);
    EXPECT_EQ(window.zoomFactor(), 1.25);
    EXPECT_EQ(window.graphicView()->canvasScale(), 1.25);
    EXPECT_EQ(window.document()->handleScale(), 1.25f);
    EXPECT_EQ(DataCentre::profile().canvasScale, 1.0f) << "the product's scale stays as launched";
    const QSize port = scrollView.viewport()->size();
    EXPECT_EQ(scrollView.clipBoundsSize(), QSizeF(port) / 1.25);
    EXPECT_EQ(window.graphicView()->width(), 1250);
}

TEST_F(CanvasSizingTest, TheZoomKeysStepWithinTheTwentySixSteps)
{
    SKTWindowController& window = openWindow();
    SKTZoomingScrollView& scrollView = *window.zoomingScrollView();
    QComboBox& popUp = *scrollView.factorPopUpButton();
    const struct {
        const char* from;
        Qt::Key key;
        const char* to;
        bool handled;
    } cases[] = {
        {"100%", Qt::Key_Equal, "125%", true},  {"100%", Qt::Key_Minus, "90%", true},
        {"600%", Qt::Key_Equal, "600%", false}, {"5%", Qt::Key_Minus, "5%", false},
        {"100%", Qt::Key_A, "100%", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.from) + " " + c.to);
        const QString from = QString::fromLatin1(c.from);
        scrollView.updateScale(from, popUp.itemData(popUp.findText(from)).toDouble());
        const double before = window.zoomFactor();
        QKeyEvent press(QEvent::KeyPress, c.key, Qt::NoModifier);
        EXPECT_EQ(scrollView.performKeyEquivalent(&press), c.handled);
        EXPECT_EQ(popUp.currentText(), QString::fromLatin1(c.to));
        if (!c.handled) {
            EXPECT_EQ(window.zoomFactor(), before);
        }
    }
    scrollView.updateScale(QStringLiteral("100%"), 1.0);
    QTest::keyClick(&scrollView, Qt::Key_Equal);
    EXPECT_EQ(window.zoomFactor(), 1.25);
}

TEST_F(CanvasSizingTest, TheCanvasSizeControlChoosesAPresetWithoutChangingThePage)
{
    SKTWindowController& window = openWindow();
    SegmentedControl* control = window.canvasSizeToolbarItem();
    const struct {
        int segment;
        QSizeF size;
    } cases[] = {{0, {450, 5000}}, {1, {1250, 10000}}, {2, {2500, 50000}}};
    for (const auto& c : cases) {
        control->setSelectedSegment(c.segment);
        window.setCanvasSize();
        EXPECT_EQ(canvas(window), c.size) << c.segment;
    }
    EXPECT_EQ(window.document()->canvasSize(), QSizeF(kCanvasWidth, kCanvasHeight));
    EXPECT_EQ(DataCentre::profile().canvasWidth, kCanvasWidth);
}

TEST_F(CanvasSizingTest, MailPresetsSetTheWidthAndTheTypeThePageRecords)
{
    SKTWindowController& window = openWindow();
    SegmentedControl mail({"Standard", "Extra Wide", "Flex"});
    const struct {
        int segment;
        int width;
        const char* type;
    } cases[] = {{0, 700, "Standard"}, {1, 900, "Extra Wide"}, {2, 900, "Flex"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        mail.setSelectedSegment(c.segment);
        window.setMailCanvasSize(mail);
        const PageCanvasState& state = window.document()->canvasState();
        EXPECT_EQ(state.canvasWidth, c.width);
        EXPECT_EQ(state.mailCanvasType, QString::fromLatin1(c.type));
        EXPECT_EQ(canvas(window), QSizeF(c.width, kCanvasHeight));
        // As a reloaded page does.
        window.setConfirmedCanvasSize(10, 10);
        window.adjustCanvasSizeType();
        EXPECT_EQ(canvas(window), QSizeF(c.width, kCanvasHeight));
    }
    mail.setSelectedSegment(-1);
    window.setMailCanvasSize(mail);
    EXPECT_EQ(window.document()->canvasState().mailCanvasType, QStringLiteral("Flex"));
}

TEST_F(CanvasSizingTest, AFixedSizeCountsOnlyWhenItIsWhole)
{
    SKTWindowController& window = openWindow();
    SKTDocument& document = *window.document();
    const struct {
        int flag, width, height;
        QSizeF shown;
    } cases[] = {
        {1, 640, 480, {640, 480}},
        {1, 0, 480, {kCanvasWidth, kCanvasHeight}},
        {1, 640, 0, {kCanvasWidth, kCanvasHeight}},
        {0, 640, 480, {kCanvasWidth, kCanvasHeight}},
    };
    for (const auto& c : cases) {
        document.setDocSpecificFixedCanvasFlag(c.flag);
        document.setDocSpecificPageWidth(c.width);
        document.setDocSpecificPageHeight(c.height);
        window.resetCanvasSize();
        EXPECT_EQ(canvas(window), c.shown) << c.flag << " " << c.width << " " << c.height;
    }
}

TEST_F(CanvasSizingTest, TheCanvasFollowsTheDocumentsCanvasSize)
{
    SKTWindowController& window = openWindow();
    EXPECT_EQ(canvas(window), QSizeF(kCanvasWidth, kCanvasHeight));
    window.document()->canvasState().canvasWidth = 300;
    window.document()->setPrintInfo(std::nullopt);
    EXPECT_EQ(canvas(window), QSizeF(300, kCanvasHeight));
}

TEST_F(CanvasSizingTest, TheRulerUnitIsTheNextWindowsToo)
{
    SKTWindowController& window = openWindow();
    window.updateRulers_centimeters();
    EXPECT_EQ(window.zoomingScrollView()->horizontalRuler()->measurementUnits(),
              QStringLiteral("Centimeters"));
    EXPECT_EQ(window.zoomingScrollView()->verticalRuler()->measurementUnits(), QStringLiteral("Centimeters"));
    EXPECT_EQ(UserDefaults::standard().stringForKey(QStringLiteral("RulerUnits")),
              QStringLiteral("Centimeters"));

    SKTWindowController& next = openWindow();
    EXPECT_EQ(next.zoomingScrollView()->verticalRuler()->measurementUnits(), QStringLiteral("Centimeters"));
    next.updateRulers_inches();
    EXPECT_EQ(next.zoomingScrollView()->horizontalRuler()->measurementUnits(), QStringLiteral("Inches"));
    next.updateRulers_points();
    EXPECT_EQ(UserDefaults::standard().stringForKey(QStringLiteral("RulerUnits")), QStringLiteral("Points"));
}

TEST_F(CanvasSizingTest, AColumnChoiceIsStoredAndRebuildsThePageIconsUnfiltered)
{
    SKTWindowController& window = openWindow();
    window.searchField()->setText(QStringLiteral("about"));
    QSignalSpy rebuilt(&window, &SKTWindowController::pageIconsPlaced);
    window.view2Column();
    EXPECT_EQ(UserDefaults::standard().integerForKey(QStringLiteral("numOfColumnListings")), 2);
    ASSERT_EQ(rebuilt.count(), 1);
    EXPECT_EQ(rebuilt.first().first().toString(), QString());
    window.view3Column();
    EXPECT_EQ(UserDefaults::standard().integerForKey(QStringLiteral("numOfColumnListings")), 3);
}

class PrintCanvasTest : public CanvasSizingTest {
protected:
    void SetUp() override
    {
        CanvasSizingTest::SetUp();
        DataCentre::loadPrintLabels();
        DataCentre::mutableProfile().printPointsPerInch = 144.0f;
    }
    void TearDown() override
    {
        DataCentre::printSheetCatalogue().clear();
        RulerUnits::reset();
        CanvasSizingTest::TearDown();
    }

    static QSizeF sheetCanvas(const std::shared_ptr<const LabelHelper>& sheet, int rotation)
    {
        const PrintCanvas c = DataCentre::printCanvasOfSheet(*sheet, rotation, 144.0f);
        return QSizeF(c.canvasWidth, c.canvasHeight);
    }
};

TEST_F(PrintCanvasTest, TurningThePageTurnsTheCanvasOfItsSheet)
{
    const QString description = QStringLiteral("Label - 6 Per Letter Sheet");
    const auto sheet = DataCentre::grabLabelHelper(description);
    ASSERT_TRUE(sheet);
    SKTWindowController& window = openWindow();
    window.document()->canvasState().selectedPrintSheet = description;

    window.rotateCanvas90Right();
    EXPECT_EQ(window.document()->canvasState().canvasRotation, 90);
    EXPECT_EQ(canvas(window), sheetCanvas(sheet, 90));
    EXPECT_NE(sheetCanvas(sheet, 90), sheetCanvas(sheet, 0));
    window.rotateCanvas0();
    EXPECT_EQ(window.document()->canvasState().canvasRotation, 0);
    EXPECT_EQ(canvas(window), sheetCanvas(sheet, 0));
    EXPECT_EQ(DataCentre::profile().canvasWidth, kCanvasWidth);
}

TEST_F(PrintCanvasTest, WithAPaperChoiceTheControlsChooseTheSheet)
{
    DataCentre::mutableProfile().paperSizeChoice = true;
    SKTWindowController& window = openWindow();
    const struct {
        int paperSegment, cardsSegment, cards;
        const char* paper;
    } cases[] = {{0, 0, 10, "na-letter"}, {1, 1, 8, "A4"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.paper);
        const auto sheet = DataCentre::grabLabelHelperBasedOnSelection(c.cards, QString::fromLatin1(c.paper));
        ASSERT_TRUE(sheet);
        window.paperSizeSegmentedControl()->setSelectedSegment(c.paperSegment);
        window.numOfCardsPerSheetSegmentedControl()->setSelectedSegment(c.cardsSegment);
        window.adjustPageSize();
        EXPECT_EQ(canvas(window), sheetCanvas(sheet, 0));
    }
}

} // namespace
