#include "CanvasInputTestSupport.h"

#include "canvas/factories/TextBoxArguments.h"
#include "model/SKTTable.h"
#include "platform/UserDefaults.h"

#include <QThread>

// Where new objects go: the insertion point of menu-made objects, the section cell a new text box joins,
// and the outlined shapes and zoom bubbles of the object library.

namespace {

class NewObjectPlacementTest : public CanvasInputTest {
protected:
    std::shared_ptr<SKTText> front() const
    {
        return std::dynamic_pointer_cast<SKTText>(document.graphics().first());
    }

    static TextBoxArguments boxAt(const QRectF& frame)
    {
        TextBoxArguments a;
        a.text = QStringLiteral("new");
        a.frame = frame;
        a.font = QFont(QStringLiteral("Helvetica Neue"));
        a.font.setPointSizeF(12);
        return a;
    }
};

TEST_F(NewObjectPlacementTest, MenuObjectsGoNearTheTopLeftOfTheViewOrBelowTheLowestObject)
{
    EXPECT_EQ(view->calculateOriginPoint(), QPointF(100, 30)) << "a canvas in no enclosing view";

    // The canvas scrolled inside its enclosing view, at scale 2: the view shows the page from (12.5, 812.5).
    QWidget enclosing;
    view->setParent(&enclosing);
    view->setCanvasScale(2);
    view->move(-25, -1625);
    EXPECT_EQ(view->calculateOriginPoint(), QPointF(112, 842));

    UserDefaults::standard().setBool(true, QStringLiteral("InsertNewAtEndFlag"));
    EXPECT_EQ(view->calculateOriginPoint(), QPointF(112, 80)) << "an empty page ends at 50";
    addText(QStringLiteral("low"), QRectF(40.9, 300.6, 200, 99.7));
    addText(QStringLiteral("high"), QRectF(40, 10, 200, 50));
    EXPECT_EQ(view->calculateOriginPoint(), QPointF(112, 429));
    view->setParent(nullptr);
}

TEST_F(NewObjectPlacementTest, OnAResponsivePageANewTextBoxJoinsTheCellUnderItsCorner)
{
    ProductProfile& profile = DataCentre::mutableProfile();
    profile.responsiveDesign = true;
    profile.sectionWidth = 1200;
    profile.sectionHeight = 300;
    view->addSection({QStringLiteral("6"), QStringLiteral("6")}, 2, QPointF(0, 100));
    const auto section = std::dynamic_pointer_cast<SKTTable>(document.graphics().last());
    const QRect secondCell = section->grabSelectedCellRect(0, 1);

    view->addTextBox(boxAt(QRectF(secondCell.x() + 5, secondCell.y() + 5, 80, 40)));
    EXPECT_EQ(front()->sectionNumber(), section->sectionNumber());
    EXPECT_EQ(front()->sectionColumnSpot(), 1);
    EXPECT_EQ(front()->bounds(), QRectF(secondCell.x() + 5, secondCell.y() + 5, 80, 40)) << "not moved";

    // Under no cell the box goes in as it is, outside every section.
    view->addTextBox(boxAt(QRectF(10, 700, 80, 40)));
    ASSERT_EQ(document.graphics().size(), 3);
    ASSERT_TRUE(front());
    EXPECT_EQ(front()->textString(), QStringLiteral("new"));
    EXPECT_EQ(front()->sectionNumber(), 0);
    EXPECT_EQ(front()->bounds(), QRectF(10, 700, 80, 40));
}

TEST_F(NewObjectPlacementTest, ATextBoxAskedForByABackgroundJobIsAddedOnTheCanvasThread)
{
    QThread* job = QThread::create([this] { view->addTextBox(boxAt(QRectF(10, 10, 80, 40))); });
    job->start();
    ASSERT_TRUE(job->wait(5000));
    delete job;
    EXPECT_TRUE(document.graphics().isEmpty()) << "nothing is inserted off the canvas's thread";
    QCoreApplication::processEvents();
    ASSERT_EQ(document.graphics().size(), 1);
    EXPECT_EQ(front()->thread(), view->thread());
}

TEST_F(NewObjectPlacementTest, ShapesAndZoomBubblesAreOutlinedHundredPointBoxesOfNoSection)
{
    DataCentre::mutableProfile().responsiveDesign = true;
    view->addSection({QStringLiteral("12")}, 1, QPointF(0, 0));
    const struct {
        const char* code;
        const char* shape;
        int cornerRadius;
        const char* colour;
        int zoomFlag;
    } cases[] = {
        {"velk_zoom_bubble", "rectangle", 0, "EE0000", 1},
        {"velk_zoom_bubble_circle", "circle", 1000, "EE0000", 1},
        {"velk_zoom_bubble_star4b", "star4b", 1000, "EE0000", 1},
        {"velk_shape_octagon", "octagon", 1000, "555555", 0},
        {"velk_shape_polygon12", "polygon12", 1000, "555555", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        view->concludeDragOperation({QString::fromLatin1(c.code)}, QPointF(40, 60));
        const std::shared_ptr<SKTText> bubble = front();
        ASSERT_TRUE(bubble);
        EXPECT_EQ(bubble->bounds(), QRectF(40, 60, 100, 100));
        EXPECT_EQ(bubble->bubbleShape(), QString::fromLatin1(c.shape));
        EXPECT_EQ(bubble->zoomBubbleFlag(), c.zoomFlag);
        EXPECT_EQ(bubble->cornerRadius(), c.cornerRadius);
        EXPECT_EQ(bubble->textHexColorString(), QString::fromLatin1(c.colour));
        EXPECT_EQ(bubble->borderHexColorString(), QString::fromLatin1(c.colour));
        EXPECT_EQ(bubble->borderStyle(), QStringLiteral("solid"));
        EXPECT_EQ(bubble->borderWidth(), 2);
        EXPECT_EQ(bubble->backgroundHexColorString(), QStringLiteral("CLEAR0"));
        EXPECT_EQ(bubble->fontSize(), 10);
        EXPECT_EQ(bubble->textString(), QString());
        EXPECT_EQ(bubble->groupNumber(), kNoNumber);
        EXPECT_EQ(bubble->sectionNumber(), kNoNumber) << "bubbles join no section";
    }
    const qsizetype count = document.graphics().size();
    view->concludeDragOperation({QStringLiteral("velk_shape_hexagon")}, QPointF(40, 60));
    EXPECT_EQ(document.graphics().size(), count) << "no such outline";
}

} // namespace
