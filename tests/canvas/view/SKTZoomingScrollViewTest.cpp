#include "CanvasTestSupport.h"

#include "canvas/view/CanvasRuler.h"
#include "canvas/view/SKTZoomingScrollView.h"
#include "platform/UserDefaults.h"

#include <QScrollBar>

namespace {

class SKTZoomingScrollViewTest : public CanvasTest {
protected:
    void SetUp() override
    {
        CanvasTest::SetUp();
        scrollView = std::make_unique<SKTZoomingScrollView>();
        scrollView->resize(300, 200);
        scrollView->setGraphicView(view.release());
        scrollView->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(scrollView.get()));
    }
    void TearDown() override
    {
        recorder.reset();
        scrollView.reset();
        CanvasTest::TearDown();
    }

    SKTGraphicView& canvas() const { return *scrollView->graphicView(); }
    CanvasRuler& horizontal() const
    {
        return *scrollView->findChild<CanvasRuler*>(QStringLiteral("horizontalRuler"));
    }
    CanvasRuler& vertical() const
    {
        return *scrollView->findChild<CanvasRuler*>(QStringLiteral("verticalRuler"));
    }

    std::unique_ptr<SKTZoomingScrollView> scrollView;
};

TEST_F(SKTZoomingScrollViewTest, TheFactorIsTheCanvasScaleAndSizesTheDocumentsHandles)
{
    const float productScale = DataCentre::profile().canvasScale;
    scrollView->setFactor(0.5);
    EXPECT_EQ(canvas().canvasScale(), 0.5);
    EXPECT_EQ(document.handleScale(), 0.5f);
    EXPECT_EQ(DataCentre::profile().canvasScale, productScale) << "the product's scale stays as launched";
    EXPECT_EQ(canvas().size(), QSize(200, 150));
    EXPECT_EQ(horizontal().echoPositions(), QList<double>());
}

TEST_F(SKTZoomingScrollViewTest, TheRulersEchoTheMovingRectangleWhereverTheCanvasStands)
{
    scrollView->setFactor(2);
    scrollView->horizontalScrollBar()->setValue(30);
    scrollView->verticalScrollBar()->setValue(10);

    canvas().beginEchoingMoveToRulers(QRectF(100, 50, 40, 20));
    EXPECT_EQ(horizontal().echoPositions(), QList<double>({200 - 30, 240 - 30, 280 - 30}));
    EXPECT_EQ(vertical().echoPositions(), QList<double>({100 - 10, 120 - 10, 140 - 10}));

    canvas().continueEchoingMoveToRulers(QRectF(110, 50, 40, 20));
    EXPECT_EQ(horizontal().echoPositions().first(), 220 - 30);
    EXPECT_EQ(canvas().rulerEchoedBounds(), QRectF(110, 50, 40, 20));

    canvas().stopEchoingMoveToRulers();
    EXPECT_TRUE(horizontal().echoPositions().isEmpty());
    EXPECT_TRUE(vertical().echoPositions().isEmpty());
    EXPECT_TRUE(canvas().rulerEchoedBounds().isNull());
}

TEST_F(SKTZoomingScrollViewTest, TheRulersLieAlongTheTopAndLeftOfTheVisiblePage)
{
    const QRect port = scrollView->viewport()->geometry();
    EXPECT_EQ(horizontal().geometry(),
              QRect(port.x(), port.y() - CanvasRuler::kThickness, port.width(), CanvasRuler::kThickness));
    EXPECT_EQ(vertical().geometry(),
              QRect(port.x() - CanvasRuler::kThickness, port.y(), CanvasRuler::kThickness, port.height()));
}

using CanvasRulerTest = VelkTest;

TEST_F(CanvasRulerTest, ShowsTheUsersUnitElseTheProductsElsePoints)
{
    const struct {
        const char* userChoice;
        const char* product;
        const char* shown;
    } cases[] = {
        {"", "", "Points"},
        {"", "Inches", "Inches"},
        {"Centimeters", "Inches", "Centimeters"},
        {"", "Furlongs", "Points"},
    };
    for (const auto& c : cases) {
        DataCentre::resetProfile();
        DataCentre::mutableProfile().rulerUnits = QString::fromLatin1(c.product);
        UserDefaults::standard().setObject(c.userChoice[0] ? QVariant(QString::fromLatin1(c.userChoice))
                                                           : QVariant(),
                                           QStringLiteral("RulerUnits"));
        const CanvasRuler ruler(Qt::Horizontal);
        EXPECT_EQ(ruler.measurementUnits(), QString::fromLatin1(c.shown)) << c.userChoice << "/" << c.product;
    }
    DataCentre::resetProfile();
}

} // namespace
