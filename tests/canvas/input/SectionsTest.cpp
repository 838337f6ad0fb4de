#include "CanvasInputTestSupport.h"

#include "model/SKTTable.h"
#include "support/ScriptedAlerts.h"

#include <QTextDocument>

// Sections and section templates dropped from the object library, and the question the delete command
// asks about the objects of selected sections.

namespace {

const QString kSectionBorder = QStringLiteral("228B22");

class SectionsTest : public CanvasInputTest {
protected:
    void SetUp() override
    {
        CanvasInputTest::SetUp();
        ProductProfile& profile = DataCentre::mutableProfile();
        profile.responsiveDesign = true;
        profile.sectionWidth = 1170;
        profile.sectionHeight = 300;
    }

    static std::shared_ptr<SKTTable> asTable(const std::shared_ptr<SKTGraphic>& graphic)
    {
        return std::dynamic_pointer_cast<SKTTable>(graphic);
    }
    std::shared_ptr<SKTTable> back() const { return asTable(document.graphics().last()); }
    std::shared_ptr<SKTTable> front() const { return asTable(document.graphics().first()); }

    // A library section of one column at the height, numbered by the page.
    std::shared_ptr<SKTTable> addSection(double y)
    {
        view->addSection({QStringLiteral("12")}, 1, QPointF(0, y));
        return back();
    }

    // A text box placed in the section's first cell, behind the others.
    std::shared_ptr<SKTText> addMember(const std::shared_ptr<SKTTable>& section, double dy)
    {
        const QRectF s = section->bounds();
        auto box = addText(QStringLiteral("member"), QRectF(100, s.y() + dy, 100, 20));
        view->applySection(box, QPointF(s.x() + 100, s.y() + 40));
        return box;
    }

    void selectGraphics(const GraphicList& graphics) { selection.setSelectedGraphics(graphics); }
};

TEST_F(SectionsTest, LibrarySectionsSpanTheirColumnsOnTheTwelveColumnGrid)
{
    const struct {
        const char* code;
        QList<int> widths;
        QList<int> spans;
    } cases[] = {
        {"velk_section3", {388, 388, 388}, {4, 4, 4}},
        {"velk_section2_10", {194, 970}, {2, 10}},
        {"velk_section12", QList<int>(12, 97), QList<int>(12, 1)},
    };
    int number = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        ++number;
        const double y = 400 + 1000 * (number - 1);
        ASSERT_TRUE(drop(QString::fromLatin1(c.code), QPointF(250, y)));
        const std::shared_ptr<SKTTable> section = back();
        ASSERT_TRUE(section);
        EXPECT_EQ(section->gridType(), QStringLiteral("section"));
        EXPECT_EQ(section->bounds(), QRectF(0, y, 1170, 300)) << "at x 0 whatever the drop's x";
        EXPECT_EQ(section->sectionNumber(), number);
        EXPECT_EQ(section->numOfColumns(), c.widths.size());
        EXPECT_EQ(section->numOfRows(), 1);
        EXPECT_EQ(section->borderHexColorString(), kSectionBorder);
        const myTextViewList cells = section->cellHelperArray();
        ASSERT_EQ(cells.size(), c.widths.size());
        for (int column = 0; column < cells.size(); ++column) {
            const myTextView& cell = *cells.at(column);
            EXPECT_EQ(cell.columnSpot(), column);
            EXPECT_EQ(cell.width(), c.widths.at(column));
            EXPECT_EQ(cell.xsGridColumns(), 12);
            EXPECT_EQ(cell.smallGridColumns(), c.spans.at(column));
            EXPECT_EQ(cell.mediumGridColumns(), c.spans.at(column));
            EXPECT_EQ(cell.largeGridColumns(), c.spans.at(column));
            EXPECT_EQ(cell.sectionNumber(), number);
            EXPECT_EQ(cell.textColorString(), QStringLiteral("4f4c4c"));
            EXPECT_EQ(cell.colorString(), QStringLiteral("CLEAR0"));
            EXPECT_EQ(cell.familyName(), QStringLiteral("Helvetica Neue"));
            EXPECT_EQ(cell.fontSize(), 15);
            EXPECT_EQ(cell.textView()->font().family(), QStringLiteral("Actor"));
            EXPECT_EQ(cell.textView()->borderLine(), QStringLiteral("solid"));
            EXPECT_EQ(cell.linkType(), QStringLiteral("shape"));
            EXPECT_EQ(cell.formOptionTag(), kNoNumber);
        }
    }
    const std::shared_ptr<SKTTable> last = back();
    EXPECT_EQ(last->topPadding(), 30);
    EXPECT_EQ(last->topPaddingType(), QStringLiteral("pixel"));
    EXPECT_EQ(last->leftPadding(), 5);
    EXPECT_EQ(last->leftPaddingType(), QStringLiteral("%"));
    EXPECT_EQ(last->topPaddingLevelString(), QStringLiteral("Medium"));
    EXPECT_EQ(last->leftPaddingLevelString(), QStringLiteral("Small"));
    EXPECT_EQ(last->topMarginLevelString(), QStringLiteral("None"));
}

TEST_F(SectionsTest, ANewSectionGoesBehindAndPushesTheSectionsItLandsOnAsOneUndoStep)
{
    const std::shared_ptr<SKTTable> lower = addSection(300);
    const std::shared_ptr<SKTText> member = addMember(lower, 50);
    const std::shared_ptr<SKTText> outside = addText(QStringLiteral("outside"), QRectF(1200, 0, 50, 50));
    selectGraphics({outside});
    forgetUndo();

    ASSERT_TRUE(drop(QStringLiteral("velk_section1"), QPointF(40, 200)));
    ASSERT_EQ(document.graphics().size(), 4);
    const std::shared_ptr<SKTTable> added = back();
    EXPECT_EQ(added->bounds(), QRectF(0, 200, 1170, 300));
    EXPECT_EQ(added->sectionNumber(), 2);
    EXPECT_EQ(lower->bounds().y(), 500) << "moved to start at the new section's bottom";
    EXPECT_EQ(member->bounds().y(), 550);
    EXPECT_EQ(outside->bounds().y(), 0);
    EXPECT_EQ(view->selectedGraphics(), GraphicList{outside});

    endOfEvent();
    EXPECT_EQ(undoStack().count(), 1);
    view->undo();
    EXPECT_EQ(document.graphics().size(), 3);
    EXPECT_EQ(lower->bounds().y(), 300);
    EXPECT_EQ(member->bounds().y(), 350);
}

TEST_F(SectionsTest, ASpanListShorterThanTheCountMakesOnlyItsColumnsAndAWordSpansNothing)
{
    view->addSection({QStringLiteral("6"), QStringLiteral("wide")}, 4, QPointF(0, 0));
    const std::shared_ptr<SKTTable> section = back();
    ASSERT_EQ(section->cellHelperArray().size(), 2);
    EXPECT_EQ(section->numOfColumns(), 2);
    EXPECT_EQ(section->grabSelectedTableCellHelper(0, 0)->width(), 582);
    const myTextView& word = *section->grabSelectedTableCellHelper(0, 1);
    EXPECT_EQ(word.width(), 0);
    EXPECT_EQ(word.largeGridColumns(), 0);
    EXPECT_EQ(word.xsGridColumns(), 12);
}

TEST_F(SectionsTest, ASectionTemplateHasFourLabelledItemsAtAFixedSizeInFrontAndNoSection)
{
    const std::shared_ptr<SKTTable> section = addSection(0);
    const std::shared_ptr<SKTText> box = addText(QStringLiteral("box"), QRectF(10, 700, 50, 50));
    view->concludeDragOperation({QStringLiteral("velk_webstore_section")}, QPointF(333, 120.6));
    const std::shared_ptr<SKTTable> shelf = front();
    ASSERT_TRUE(shelf);
    EXPECT_EQ(shelf->gridType(), QStringLiteral("sectionTemplate"));
    EXPECT_EQ(shelf->bounds(), QRectF(0, 120, 1170, 300));
    EXPECT_EQ(shelf->sectionNumber(), kNoNumber);
    ASSERT_EQ(shelf->cellHelperArray().size(), 4);
    for (int item = 0; item < 4; ++item) {
        const myTextView& cell = *shelf->grabSelectedTableCellHelper(0, item);
        EXPECT_EQ(cell.textStorage()->toPlainText(), QStringLiteral("Item %1").arg(item));
        EXPECT_EQ(cell.borderWidth(), 5);
        EXPECT_EQ(QList<int>({cell.xsGridColumns(), cell.smallGridColumns(), cell.mediumGridColumns(),
                              cell.largeGridColumns()}),
                  QList<int>({12, 6, 4, 3}));
        EXPECT_EQ(cell.width(), 0);
    }
    EXPECT_TRUE(view->findObjectsInSection(*shelf).isEmpty())
        << "a template holds none of the page's objects";
    EXPECT_EQ(section->bounds().y(), 0) << "a template pushes no section";
    EXPECT_EQ(box->bounds().y(), 700);
}

// ---- Deleting sections

TEST_F(SectionsTest, DeletingASectionWithObjectsAsksAndDeleteAllTakesThemInOneStep)
{
    ScriptedAlerts alerts;
    const std::shared_ptr<SKTTable> section = addSection(0);
    const GraphicList members = {addMember(section, 40), addMember(section, 80), addMember(section, 120)};
    const std::shared_ptr<SKTText> other = addText(QStringLiteral("other"), QRectF(0, 400, 50, 50));
    selectGraphics({section});
    forgetUndo();

    alerts.answer(QStringLiteral("Delete All"));
    view->delete_();
    ASSERT_EQ(alerts.records().size(), 1);
    const ScriptedAlerts::Record& asked = alerts.records().first();
    EXPECT_EQ(asked.message, QStringLiteral("Delete"));
    EXPECT_EQ(asked.informative,
              QStringLiteral("Deleting sections will also delete all objects contained within the section."));
    EXPECT_EQ(asked.buttons, (QStringList{QStringLiteral("Delete All"), QStringLiteral("Skip Sections")}));
    EXPECT_EQ(document.graphics(), GraphicList{other});

    endOfEvent();
    EXPECT_EQ(undoStack().count(), 1);
    view->undo();
    EXPECT_EQ(document.graphics().size(), 5);
    for (const std::shared_ptr<SKTGraphic>& member : members)
        EXPECT_TRUE(document.graphics().contains(member));
}

TEST_F(SectionsTest, SkippingASectionKeepsItAndAnEmptySectionIsDeletedWithoutAQuestion)
{
    ScriptedAlerts alerts;
    const std::shared_ptr<SKTTable> full = addSection(0);
    const std::shared_ptr<SKTText> member = addMember(full, 40);
    const std::shared_ptr<SKTTable> empty = addSection(400);

    selectGraphics({full});
    alerts.answer(QStringLiteral("Skip Sections"));
    view->delete_();
    EXPECT_EQ(alerts.records().size(), 1);
    EXPECT_EQ(document.graphics().size(), 3) << "nothing left to delete";

    alerts.clear();
    selectGraphics({empty});
    view->delete_();
    EXPECT_TRUE(alerts.records().isEmpty());
    EXPECT_FALSE(document.graphics().contains(empty));
}

TEST_F(SectionsTest, EachSelectedSectionWithObjectsIsAskedAboutInSelectionOrder)
{
    ScriptedAlerts alerts;
    const std::shared_ptr<SKTTable> first = addSection(0);
    const std::shared_ptr<SKTText> firstMember = addMember(first, 40);
    const std::shared_ptr<SKTTable> second = addSection(400);
    const std::shared_ptr<SKTText> secondMember = addMember(second, 40);
    selectGraphics({first, second});
    alerts.answer(QStringLiteral("Skip Sections"));
    alerts.answer(QStringLiteral("Delete All"));
    view->delete_();
    EXPECT_EQ(alerts.records().size(), 2);
    EXPECT_EQ(document.graphics(), (GraphicList{first, firstMember}));
}

TEST_F(SectionsTest, OutsideTheResponsiveDesignerDeletingASectionNeverAsks)
{
    ScriptedAlerts alerts;
    const std::shared_ptr<SKTTable> section = addSection(0);
    const std::shared_ptr<SKTText> member = addMember(section, 40);
    DataCentre::mutableProfile().responsiveDesign = false;
    selectGraphics({section});
    view->delete_();
    EXPECT_TRUE(alerts.records().isEmpty());
    EXPECT_EQ(document.graphics(), GraphicList{member});
}

TEST_F(SectionsTest, ALayerRowAddsItsGraphicToTheSelection)
{
    const std::shared_ptr<SKTText> a = addText(QStringLiteral("a"), QRectF(0, 0, 10, 10));
    const std::shared_ptr<SKTText> b = addText(QStringLiteral("b"), QRectF(20, 0, 10, 10));
    const std::shared_ptr<SKTText> c = addText(QStringLiteral("c"), QRectF(40, 0, 10, 10));
    selectGraphics({a});
    view->manuallySelectObject(2);
    EXPECT_EQ(view->selectedGraphics(), (GraphicList{a, c}));
    view->manuallySelectObject(7);
    EXPECT_EQ(view->selectedGraphics(), (GraphicList{a, c}));
}

} // namespace
