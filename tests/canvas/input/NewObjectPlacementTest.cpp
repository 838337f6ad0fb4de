#include "CanvasInputTestSupport.h"

#include "canvas/factories/TextBoxArguments.h"
#include "model/SKTTable.h"
#include "platform/UserDefaults.h"
#include "profile/ShapeSelectionView.h"

#include <QMenu>
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

TEST_F(NewObjectPlacementTest, PalettePresetsBecomeBoxesAndShapesAtTheInsertionPoint)
{
    ProductProfile& profile = DataCentre::mutableProfile();
    profile.responsiveDesign = true;
    profile.defaultFontSize = 17;
    const struct {
        QColor fill;
        const char* background;
    } fills[] = {{Qt::white, "CLEAR0"}, {QColor(0x12, 0x34, 0xAB), "1234AB"}};
    for (const auto& f : fills) {
        auto preset = std::make_shared<ShapeSelectionView>(QRectF(0, 0, 400, 42));
        preset->setFillColor(f.fill);
        preset->setTextColor(QColor(0xEE, 0, 0));
        preset->setFont(QFont(QStringLiteral("Georgia"), 30));
        preset->setTextString(QStringLiteral("Preset text"));
        profile.defaultTextViewPresets = {preset};
        view->addNewSelectedTextView(0);
        SCOPED_TRACE(f.background);
        EXPECT_EQ(front()->bounds(), QRectF(100, 30, 600, 126));
        EXPECT_EQ(front()->textString(), QStringLiteral("New text box"));
        EXPECT_EQ(front()->backgroundHexColorString(), QString::fromLatin1(f.background));
        EXPECT_EQ(front()->textHexColorString(), QStringLiteral("EE0000"));
        EXPECT_EQ(front()->fontFamily(), QStringLiteral("Georgia"));
        EXPECT_EQ(front()->fontSize(), 17);
    }

    auto shapePreset = std::make_shared<ShapeSelectionView>(QRectF(0, 0, 70, 52.5));
    shapePreset->setFillColor(QColor(0x00, 0x80, 0x00));
    shapePreset->setCornerRadius(20);
    profile.defaultShapePresets = {shapePreset};
    view->addSection({QStringLiteral("12")}, 1, QPointF(0, 0));
    const qsizetype before = document.graphics().size();
    view->addNewShape(0);
    view->addNewShape(5);
    ASSERT_EQ(document.graphics().size(), before + 1) << "a tag outside the presets adds nothing";
    EXPECT_EQ(front()->bounds(), QRectF(100, 30, 140, 105));
    EXPECT_EQ(front()->textString(), QStringLiteral(" "));
    EXPECT_EQ(front()->cornerRadius(), 20);
    EXPECT_EQ(front()->backgroundHexColorString(), QStringLiteral("008000"));
    EXPECT_EQ(front()->fontFamily(), QStringLiteral("Helvetica Neue"));
    EXPECT_EQ(front()->sectionNumber(), kNoNumber) << "a shape joins no section";
}

TEST_F(NewObjectPlacementTest, AnElementRecordBecomesATextGraphicInTheSectionCellUnderIt)
{
    ProductProfile& profile = DataCentre::mutableProfile();
    profile.responsiveDesign = true;
    profile.sectionWidth = 1200;
    profile.sectionHeight = 300;
    view->addSection({QStringLiteral("12")}, 1, QPointF(0, 100));
    const auto section = std::dynamic_pointer_cast<SKTTable>(document.graphics().last());
    section->layOutCells();
    const QRect cell = section->grabSelectedCellRect(0, 0);

    const struct {
        QRectF frame;
        Qt::Alignment alignment;
        const char* colour;
        int fontAlignment;
        int sectionNumber;
    } cases[] = {
        {QRectF(cell.x() + 10, cell.y() + 10, 300, 40), Qt::AlignJustify, "", 0, section->sectionNumber()},
        {QRectF(10, 900, 300, 40), Qt::AlignHCenter, "FFFFFF", 1, kNoNumber},
    };
    for (const auto& c : cases) {
        myTextView element(c.frame);
        element.textView()->setAlignment(c.alignment);
        element.textView()->setString(QStringLiteral("Name"));
        element.textView()->setFont(QFont(QStringLiteral("Actor"), 14));
        element.textView()->setBorderLine(QStringLiteral("solid"));
        element.setColorString(QString::fromLatin1(c.colour));
        element.setTextColorString(QStringLiteral("4f4c4c"));
        element.setFormType(QString());
        element.setFormOptionTag(kNoNumber);
        element.setAlphaValue(1.0);
        view->convertTextViewToSKTGraphic(element);
        const std::shared_ptr<SKTText> text = front();
        ASSERT_TRUE(text);
        SCOPED_TRACE(c.colour);
        EXPECT_EQ(text->bounds(), c.frame);
        EXPECT_EQ(text->textString(), QStringLiteral("Name"));
        EXPECT_EQ(text->fontAlignment(), c.fontAlignment);
        EXPECT_EQ(text->link(), QString());
        EXPECT_EQ(text->fontFamily(), QStringLiteral("Helvetica Neue")) << "a record without a family name";
        EXPECT_EQ(text->formType(), QString());
        EXPECT_EQ(text->backgroundHexColorString(), QString::fromLatin1(c.colour));
        EXPECT_EQ(text->fillColor().alpha(), *c.colour ? 255 : 0);
        EXPECT_EQ(text->borderStyle(), QStringLiteral("solid"));
        EXPECT_EQ(text->sectionNumber(), c.sectionNumber);
    }
}

TEST_F(NewObjectPlacementTest, TheSnippetSizeCommandRewritesOnlyStandaloneWidthAndHeightValues)
{
    TextBoxArguments a = boxAt(QRectF(10, 10, 320.7, 200));
    a.textType = QStringLiteral("HTMLSnippet");
    const struct {
        const char* markup;
        const char* rewritten;
    } cases[] = {
        {"<iframe width=\"560\" height=\"315\">text</iframe>", "<iframe width=320 height=200>text</iframe>"},
        {"<div style=\"max-width=90\"><img width=560 height=315 src=a.png></div>",
         "<div style=\"max-width=90\"><img width=320 height=200 src=a.png></div>"},
        {"<img width=560 src=a.png>", "<img width=560 src=a.png>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.markup);
        a.text = QString::fromLatin1(c.markup);
        view->addTextBox(a);
        selection.setSelectedGraphics({front()});
        QMenu* menu = view->menuForEvent(QPointF(20, 20));
        QAction* item = menu->findChild<QAction*>(QStringLiteral("autoAdjustSnippetSize"));
        ASSERT_TRUE(item && item->isVisible());
        item->trigger();
        EXPECT_EQ(front()->textString(), QString::fromLatin1(c.rewritten));
    }
    DataCentre::mutableProfile().responsiveDesign = true;
    EXPECT_FALSE(view->showAutoAdjustSnippetSize()) << "not offered on responsive pages";
}

} // namespace
