#include "CanvasInputTestSupport.h"

#include "canvas/factories/MultiplyViewController.h"
#include "model/SKTLine.h"

#include <QComboBox>
#include <QPushButton>

// Lines made from the menu, the arrow switches of selected lines, the branch generator and the
// personalisation tags.

namespace {

class LinesBranchesAndTagsTest : public CanvasInputTest {
protected:
    GraphicList ofKind(const QString& className) const
    {
        GraphicList found;
        for (const std::shared_ptr<SKTGraphic>& graphic : document.graphics()) {
            if (graphic->className() == className)
                found.append(graphic);
        }
        return found;
    }

    // Lines and boxes in the order they were made (the page lists the newest first).
    GraphicList madeInOrder(const QString& className) const
    {
        GraphicList found = ofKind(className);
        std::reverse(found.begin(), found.end());
        return found;
    }

    std::shared_ptr<SKTText> sourceBox()
    {
        auto box = addText(QStringLiteral("Node"), QRectF(100, 100, 100, 40));
        box->setCornerRadius(10);
        box->setFillColor(QColor(QStringLiteral("#336699")));
        box->setFontColor(QColor(QStringLiteral("#FFFFFF")));
        return box;
    }

    // Opens the branch popover on the selection, sets its pop-ups by title and presses its add button.
    void generateBranches(const QString& count = QStringLiteral("5"), const QString& degrees = QStringLiteral("360"),
                          const QString& size = QStringLiteral("0.7"), const QString& distance = QStringLiteral("300"))
    {
        view->multiplyNewShapes();
        MultiplyViewController* controller = view->multiplyViewController();
        ASSERT_TRUE(controller);
        ASSERT_TRUE(view->velkPopOver() && view->velkPopOver()->isVisible());
        const std::pair<const char*, QString> choices[] = {
            {"popupButton", count}, {"degreePopUpButton", degrees}, {"sizePopUpButton", size},
            {"distancePopUpButton", distance}};
        for (const auto& [name, title] : choices) {
            auto* popUp = controller->findChild<QComboBox*>(QString::fromLatin1(name));
            ASSERT_TRUE(popUp) << name;
            const int index = popUp->findText(title);
            ASSERT_GE(index, 0) << name << " " << title.toStdString();
            popUp->setCurrentIndex(index);
        }
        QTest::mouseClick(controller->findChild<QPushButton*>(QStringLiteral("addButton")), Qt::LeftButton);
    }

    QList<QPointF> lineEnds() const
    {
        QList<QPointF> ends;
        for (const std::shared_ptr<SKTGraphic>& line : madeInOrder(QStringLiteral("SKTLine")))
            ends.append(line->endPoint());
        return ends;
    }
};

TEST_F(LinesBranchesAndTagsTest, AMenuLineIsADiagonalFromTheInsertionPointWithAnArrowAtItsBegin)
{
    const std::pair<void (SKTGraphicView::*)(), const char*> commands[] = {
        {&SKTGraphicView::addLine, "solid"},
        {&SKTGraphicView::addLineDashed, "dashed"},
        {&SKTGraphicView::addLineDotted, "dotted"}};
    for (const auto& [command, style] : commands) {
        forgetUndo();
        (view.get()->*command)();
        const auto line = std::dynamic_pointer_cast<SKTLine>(document.graphics().first());
        ASSERT_TRUE(line) << style;
        EXPECT_EQ(line->beginPoint(), QPointF(100, 30));
        EXPECT_EQ(line->endPoint(), QPointF(300, 230));
        EXPECT_EQ(line->borderStyle(), QString::fromLatin1(style));
        EXPECT_EQ(line->borderWidth(), 10);
        EXPECT_EQ(line->borderHexColorString(), QStringLiteral("555555"));
        EXPECT_TRUE(line->drawBeginArrow());
        EXPECT_FALSE(line->drawEndArrow());
        EXPECT_EQ(line->groupNumber(), kNoNumber);
        EXPECT_TRUE(selected().empty()) << "the selection stays as it was";
        document.undoManager().undo();
        EXPECT_FALSE(document.graphics().contains(line)) << "one undo step";
    }
}

TEST_F(LinesBranchesAndTagsTest, ArrowSwitchesActOnTheSelectedLinesOnly)
{
    view->addTrueLine(QPointF(0, 0), QPointF(50, 50), QStringLiteral("555555"), QStringLiteral("solid"), 2,
                      QStringLiteral("0"), QStringLiteral("0"), -99);
    view->addTrueLine(QPointF(0, 100), QPointF(50, 150), QStringLiteral("555555"), QStringLiteral("solid"), 2,
                      QStringLiteral("1"), QStringLiteral("1"), -99);
    addText(QStringLiteral("box"), QRectF(200, 0, 80, 40));
    const GraphicList lines = ofKind(QStringLiteral("SKTLine"));

    view->changeSelectionIndexes({0, 1, 2});
    EXPECT_FALSE(view->arrowOptionsShown()) << "not every selected graphic is a line";
    EXPECT_TRUE(view->showDrawStartArrow());
    EXPECT_TRUE(view->showHideStartArrow());
    view->drawStartArrow();
    EXPECT_TRUE(lines[0]->drawBeginArrow() && lines[1]->drawBeginArrow());
    EXPECT_FALSE(view->showDrawStartArrow());
    EXPECT_FALSE(document.graphics().last()->drawBeginArrow()) << "the text box is left alone";

    view->changeSelectionIndexes({0, 1});
    EXPECT_TRUE(view->arrowOptionsShown());
    view->hideEndArrow();
    EXPECT_FALSE(lines[0]->drawEndArrow() || lines[1]->drawEndArrow());
    EXPECT_FALSE(view->showHideEndArrow());
    EXPECT_TRUE(view->showDrawEndArrow());

    view->changeSelectionIndexes({});
    EXPECT_FALSE(view->arrowOptionsShown());
}

TEST_F(LinesBranchesAndTagsTest, BranchesRingTheSourceBoxWithAHubLinesAndScaledCopies)
{
    DataCentre::mutableProfile().allowAddBranch = true;
    const auto source = sourceBox();
    view->changeSelectionIndexes({0});
    forgetUndo();
    generateBranches();

    EXPECT_EQ(document.graphics().first(), source) << "the source lies in front of all it made";
    const GraphicList boxes = madeInOrder(QStringLiteral("SKTText"));
    ASSERT_EQ(boxes.size(), 7); // the hub, five branches and the source
    const std::shared_ptr<SKTGraphic>& hub = boxes[0];
    EXPECT_EQ(hub->bounds(), QRectF(50, 80, 200, 80));
    EXPECT_DOUBLE_EQ(hub->opacity(), 0.5);
    EXPECT_EQ(hub->cornerRadius(), 20);
    EXPECT_EQ(hub->fillColor(), source->fillColor());
    EXPECT_EQ(lineEnds(), (QList<QPointF>{{450, 120}, {242, 405}, {-92, 296}, {-92, -56}, {242, -165}}));
    for (const std::shared_ptr<SKTGraphic>& line : ofKind(QStringLiteral("SKTLine"))) {
        EXPECT_EQ(line->beginPoint(), QPointF(150, 120));
        EXPECT_EQ(line->borderStyle(), QStringLiteral("dashed"));
        EXPECT_EQ(line->borderWidth(), 10);
        EXPECT_FALSE(line->drawBeginArrow() || line->drawEndArrow());
    }
    const std::shared_ptr<SKTGraphic>& first = boxes[1];
    EXPECT_EQ(first->bounds(), QRectF(416, 107, 69, 27)) << "0.7 in single precision truncates to 69 x 27";
    EXPECT_EQ(first->cornerRadius(), 6);
    EXPECT_FALSE(view->velkPopOver()->isVisible()) << "the add button closes the popover";

    document.undoManager().undo();
    EXPECT_EQ(document.graphics(), GraphicList{source}) << "one undo step";
}

TEST_F(LinesBranchesAndTagsTest, BranchCountAngleAndSizeShapeTheRing)
{
    DataCentre::mutableProfile().allowAddBranch = true;
    struct Case {
        QString count, degrees, size;
        int lineIndex;
        QPointF end;
        QRectF firstBranch;
    };
    const Case cases[] = {
        {QStringLiteral("7"), QStringLiteral("360"), QStringLiteral("0.7"), 6, {326, -122}, {416, 107, 69, 27}},
        {QStringLiteral("3"), QStringLiteral("-90"), QStringLiteral("0.7"), 1, {409, -30}, {416, 107, 69, 27}},
        {QStringLiteral("5"), QStringLiteral("360"), QStringLiteral("0.5"), 0, {450, 120}, {425, 110, 50, 20}},
        {QStringLiteral("25"), QStringLiteral("360"), QStringLiteral("0.7"), 0, {750, 120}, {716, 107, 69, 27}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.count + QLatin1Char('/') + c.degrees + QLatin1Char('/') + c.size).toStdString());
        IndexSet all;
        for (int i = 0; i < document.graphics().size(); ++i)
            all.insert(i);
        document.removeGraphicsAtIndexes(all);
        sourceBox();
        view->changeSelectionIndexes({0});
        generateBranches(c.count, c.degrees, c.size);
        ASSERT_EQ(lineEnds().size(), c.count.toInt());
        EXPECT_EQ(lineEnds()[c.lineIndex], c.end);
        EXPECT_EQ(madeInOrder(QStringLiteral("SKTText"))[1]->bounds(), c.firstBranch);
    }
}

TEST_F(LinesBranchesAndTagsTest, BranchesNeedASelectedTextBox)
{
    DataCentre::mutableProfile().allowAddBranch = true;
    view->multiplyNewShapes();
    ASSERT_EQ(alerts.records().size(), 1);
    EXPECT_EQ(alerts.records()[0].message, QStringLiteral("Nothing Selected"));
    EXPECT_EQ(alerts.records()[0].informative, QStringLiteral("Please select a text box or shape to generate branch"));
    EXPECT_FALSE(view->multiplyViewController());

    // The source leaves the page while the popover is open: the add button then makes nothing and never
    // brings the box back.
    const auto source = sourceBox();
    view->changeSelectionIndexes({0});
    view->multiplyNewShapes();
    document.removeGraphicsAtIndexes({0});
    QTest::mouseClick(view->multiplyViewController()->addButton(), Qt::LeftButton);
    EXPECT_TRUE(document.graphics().isEmpty());
}

TEST_F(LinesBranchesAndTagsTest, TagsAndTheAddressBlockSitNearTheTopLeftOfTheViewEachInItsOwnGroup)
{
    DataCentre::mutableProfile().defaultFontSize = 15;
    view->addPerson_FirstName();
    const auto firstName = std::dynamic_pointer_cast<SKTText>(document.graphics().first());
    ASSERT_TRUE(firstName);
    EXPECT_EQ(firstName->textString(), QStringLiteral("[FIRST_NAME]"));
    EXPECT_EQ(firstName->bounds(), QRectF(155, 110, 150, 45));
    EXPECT_EQ(firstName->fontFamily(), QStringLiteral("Helvetica Neue"));
    EXPECT_EQ(firstName->fontSize(), 15);

    view->addPerson_Address_Zipcode();
    const auto zipcode = std::dynamic_pointer_cast<SKTText>(document.graphics().first());
    EXPECT_EQ(zipcode->textString(), QStringLiteral("[ZIPCODE]"));
    EXPECT_NE(zipcode->groupNumber(), firstName->groupNumber()) << "two tags do not move together";
    EXPECT_NE(zipcode->groupNumber(), kNoNumber);

    view->addPerson_FullAddress();
    const auto address = std::dynamic_pointer_cast<SKTText>(document.graphics().first());
    EXPECT_EQ(address->bounds(), QRectF(10, 10, 300, 105));
    EXPECT_EQ(address->textString(), QStringLiteral("[TITLE] [FIRST_NAME] [LAST_NAME]\n[JOB_TITLE]\n"
                                                    "[COMPANY_NAME]\n[STREET]\n[CITY] [STATE] [ZIPCODE]"));
}

} // namespace

namespace {

TEST_F(LinesBranchesAndTagsTest, LibraryLinesAreZoomScaledAndTheSectionRuleSpansThePage)
{
    view->setCanvasScale(2.0);
    ASSERT_TRUE(drop(QStringLiteral("velk_line_dashed_red_start_arrow"), QPointF(40, 50)));
    const auto line = std::dynamic_pointer_cast<SKTLine>(document.graphics().first());
    ASSERT_TRUE(line);
    EXPECT_EQ(line->beginPoint(), QPointF(40, 50));
    EXPECT_EQ(line->endPoint(), QPointF(140, 50)) << "200 at zoom 2";
    EXPECT_EQ(line->borderWidth(), 5);
    EXPECT_EQ(line->borderHexColorString(), QStringLiteral("9E0018"));
    EXPECT_EQ(line->borderStyle(), QStringLiteral("dashed"));
    EXPECT_TRUE(line->drawBeginArrow());
    EXPECT_FALSE(line->drawEndArrow());

    ASSERT_TRUE(drop(QStringLiteral("velk_line_solid_section"), QPointF(40, 70)));
    const auto rule = document.graphics().first();
    EXPECT_EQ(rule->beginPoint(), QPointF(0, 70));
    EXPECT_EQ(rule->endPoint(), QPointF(3000, 70));
    EXPECT_EQ(rule->borderWidth(), 2);
}

TEST_F(LinesBranchesAndTagsTest, TheLibraryAddressBlockIsSizedToTheCanvas)
{
    ProductProfile& profile = DataCentre::mutableProfile();
    profile.canvasWidth = 1000;
    profile.canvasHeight = 800;
    ASSERT_TRUE(drop(QStringLiteral("velk_personaltag_fulladdress"), QPointF(20, 30)));
    const auto block = std::dynamic_pointer_cast<SKTText>(document.graphics().first());
    ASSERT_TRUE(block);
    EXPECT_EQ(block->bounds(), QRectF(20, 30, 750, 480));
    EXPECT_EQ(block->fontSize(), 36);
    EXPECT_TRUE(block->textString().startsWith(QStringLiteral("[TITLE] [FIRST_NAME] [LAST_NAME]\n")));
}

} // namespace

namespace {

TEST_F(LinesBranchesAndTagsTest, ABadgeIsAPictureAndALinkedTextInOneGroup)
{
    view->addVelkLink_drag(QPointF(40.8, 20.2));
    const GraphicList images = ofKind(QStringLiteral("SKTImage"));
    const GraphicList texts = ofKind(QStringLiteral("SKTText"));
    ASSERT_EQ(images.size(), 1);
    ASSERT_EQ(texts.size(), 1);
    EXPECT_EQ(images[0]->bounds(), QRectF(40, 20, 50, 50));
    EXPECT_EQ(texts[0]->bounds(), QRectF(95, 30, 200, 40));
    EXPECT_EQ(texts[0]->textString(), QStringLiteral("Made with HTML Velk Pro"));
    EXPECT_EQ(texts[0]->fontFamily(), QStringLiteral("Actor"));
    EXPECT_NE(texts[0]->groupNumber(), kNoNumber);
    EXPECT_EQ(images[0]->groupNumber(), texts[0]->groupNumber());
    EXPECT_FALSE(texts[0]->link().isEmpty());
    EXPECT_EQ(images[0]->link(), texts[0]->link());
    EXPECT_EQ(document.graphics().first(), images[0]) << "the picture is made last, in front";
    ASSERT_TRUE(drop(QStringLiteral("velk_link"), QPointF(300, 200)));
    EXPECT_EQ(document.graphics().first()->bounds(), QRectF(300, 200, 50, 50)) << "the library item";

    view->addVelkLink4();
    const auto wide = std::dynamic_pointer_cast<SKTText>(ofKind(QStringLiteral("SKTText")).first());
    EXPECT_EQ(wide->textString(), QStringLiteral("Proudly web designed with Velk"));
    EXPECT_EQ(wide->bounds(), QRectF(155, 40, 220, 40)) << "at the insertion point (100, 30)";
}

TEST_F(LinesBranchesAndTagsTest, BadgePicturesKeepToTheProductsWidthLimit)
{
    const std::pair<int, QSizeF> limits[] = {{0, {50, 50}}, {40, {40, 40}}, {39, {39, 38}}};
    for (const auto& [limit, size] : limits) {
        DataCentre::mutableProfile().maxImportedImageWidth = limit;
        view->addVelkLink_drag(QPointF(10, 10));
        EXPECT_EQ(ofKind(QStringLiteral("SKTImage")).first()->bounds().size(), size) << limit;
    }
}

TEST_F(LinesBranchesAndTagsTest, TheProfileCardIsABackgroundATextAndAPictureInOneGroup)
{
    ASSERT_TRUE(drop(QStringLiteral("velk_individual"), QPointF(30, 40)));
    ASSERT_EQ(document.graphics().size(), 3);
    const GraphicList made = madeInOrder(QStringLiteral("SKTText"));
    ASSERT_EQ(made.size(), 2);
    const auto background = std::dynamic_pointer_cast<SKTText>(made[0]);
    EXPECT_EQ(background->bounds(), QRectF(30, 40, 300, 200));
    EXPECT_EQ(background->cornerRadius(), 10);
    EXPECT_EQ(background->fillColor(), QColor(QStringLiteral("#FDF5E6")));
    EXPECT_EQ(made[1]->bounds(), QRectF(130, 40, 200, 200));
    const std::shared_ptr<SKTGraphic> picture = document.graphics().first();
    EXPECT_EQ(picture->className(), QStringLiteral("SKTImage"));
    EXPECT_EQ(picture->bounds(), QRectF(30, 40, 100, 100));
    EXPECT_EQ(picture->groupNumber(), background->groupNumber());
    EXPECT_EQ(made[1]->groupNumber(), background->groupNumber());
}

} // namespace
