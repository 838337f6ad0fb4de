#include "DocumentTestSupport.h"

#include "document/core/PageCanvasState.h"
#include "platform/RulerUnits.h"
#include "profile/print/PrintSheetCatalogue.h"

namespace {

const QString kThirtyPerLetter = QStringLiteral("Label - 30 Per Letter Sheet");
const QString kSixPerLetter = QStringLiteral("Label - 6 Per Letter Sheet");

class PageCanvasStateTest : public DocumentTest {
protected:
    void SetUp() override
    {
        DocumentTest::SetUp();
        DataCentre::loadPrintLabels();
        ProductProfile& profile = DataCentre::mutableProfile();
        profile.printPointsPerInch = 144.0f;
        profile.selectedPrintSheet = kSixPerLetter;
        DataCentre::resetPrintCanvas(DataCentre::grabLabelHelper(kSixPerLetter));
    }
    void TearDown() override
    {
        DataCentre::printSheetCatalogue().clear();
        RulerUnits::reset();
        DocumentTest::TearDown();
    }
};

TEST_F(PageCanvasStateTest, ADocumentStartsOnTheLaunchCanvas)
{
    const SKTDocument document;
    const PageCanvasState& canvas = document.canvasState();
    EXPECT_EQ(static_cast<const PrintCanvas&>(canvas), DataCentre::printCanvasOf(DataCentre::profile()));
    EXPECT_EQ(canvas.selectedPrintSheet, kSixPerLetter);
    EXPECT_EQ(canvas.canvasRotation, 0);
    EXPECT_TRUE(canvas.mailCanvasType.isNull());
    EXPECT_EQ(document.canvasSize(), QSizeF(canvas.canvasWidth, canvas.canvasHeight));
}

TEST_F(PageCanvasStateTest, AGrabbedSheetIsSelectedOnlyWhenFound)
{
    const ProductProfile launch = DataCentre::profile();
    PageCanvasState canvas = PageCanvasState::ofLaunchProfile();
    const auto sheet = canvas.grabLabelHelper(kThirtyPerLetter);
    ASSERT_TRUE(sheet);
    EXPECT_EQ(sheet->printDescription(), kThirtyPerLetter);
    EXPECT_EQ(canvas.selectedPrintSheet, kThirtyPerLetter);
    EXPECT_EQ(RulerUnits::unitNamed("Inches")->pointsPerUnit, 600.0);

    EXPECT_FALSE(canvas.grabLabelHelper(QStringLiteral("label - 30 per letter sheet")));
    EXPECT_EQ(canvas.selectedPrintSheet, kThirtyPerLetter);
    EXPECT_EQ(DataCentre::profile().selectedPrintSheet, launch.selectedPrintSheet);
}

TEST_F(PageCanvasStateTest, ThePageTakesTheSheetTurnedOrNotAndTheProfileStays)
{
    const PrintCanvas launch = DataCentre::printCanvasOf(DataCentre::profile());
    const auto sheet = DataCentre::grabLabelHelper(kThirtyPerLetter);
    const struct {
        int rotation;
        QSize canvas;
    } cases[] = {{0, {1575, 600}}, {90, {600, 1575}}, {180, {1575, 600}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rotation);
        PageCanvasState canvas = PageCanvasState::ofLaunchProfile();
        canvas.canvasRotation = c.rotation;
        canvas.resetPrintCanvas(sheet);
        EXPECT_EQ(static_cast<const PrintCanvas&>(canvas),
                  DataCentre::printCanvasOfSheet(*sheet, c.rotation, 144.0f));
        EXPECT_EQ(QSize(canvas.canvasWidth, canvas.canvasHeight), c.canvas);
        canvas.resetPrintCanvas(nullptr);
        EXPECT_EQ(QSize(canvas.canvasWidth, canvas.canvasHeight), c.canvas);
    }
    EXPECT_EQ(DataCentre::printCanvasOf(DataCentre::profile()), launch);
}

} // namespace
