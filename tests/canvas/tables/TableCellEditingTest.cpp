#include "../view/CanvasTestSupport.h"

#include "canvas/TextEditingView.h"
#include "document/core/DocumentWindow.h"
#include "model/SKTTable.h"
#include "model/records/MTextView.h"
#include "platform/Format.h"

#include <QPointer>
#include <QTextDocument>

namespace {

// Counts the pixels of the area that are not white, where the canvas drew glyphs.
int inkIn(const QImage& picture, const QRect& area)
{
    int ink = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = picture.pixel(x, y);
            if (qAlpha(pixel) > 0 && qGray(pixel) < 160)
                ++ink;
        }
    }
    return ink;
}

// The document's window as far as the table asks it: where the mouse went down last.
class TouchWindow : public DocumentWindow {
public:
    void hideAllDocPanels() override {}
    void deSelectAllObjects() override {}
    QBrush getDocumentColor() const override { return QBrush(Qt::white); }
    QImage renderCanvas(const QRectF&) override { return {}; }
    QImage findCurrentlySelectedVelkButtonImage(const QString&) override { return {}; }
    QString grabNextImageName() const override { return {}; }
    QPointF grabLastTouchPoint() const override { return m_lastTouchPoint; }
    void setLastTouchPoint(const QPointF& point) { m_lastTouchPoint = point; }

private:
    QPointF m_lastTouchPoint;
};

// A shown canvas holding one table of 2 x 2 empty cells 120 x 50, with the window's last touch point
// standing in for the mouse-down that starts editing.
class TableCellEditingTest : public CanvasTest {
protected:
    void SetUp() override
    {
        CanvasTest::SetUp();
        TextEditingViewFactory::install();
        SKTDocument::setWindowControllerFactory([this](SKTDocument&) {
            auto made = std::make_unique<TouchWindow>();
            window = made.get();
            return made;
        });
        document.makeWindowControllers();
        SKTDocument::setWindowControllerFactory({});
        ASSERT_TRUE(window);
        myTextViewList cells;
        for (int i = 0; i < 4; ++i) {
            auto cell = myTextView::initWithFrame(QRectF(0, 0, 120, 50));
            cell->setRowSpot(i / 2);
            cell->setColumnSpot(i % 2);
            cell->setWidth(120);
            cell->setHeight(50);
            cell->setTextStorage(std::make_shared<QTextDocument>());
            cell->setBackgroundHexColorString(QStringLiteral("FFFFFF"));
            cell->setBorderHexColorString(QStringLiteral("000000"));
            cell->setTextColorString(QStringLiteral("000000"));
            cell->setFamilyName(QStringLiteral("DejaVu Sans"));
            cell->setFontSize(18);
            cells << cell;
        }
        table = std::make_shared<SKTTable>();
        table->initWithProperties({{QStringLiteral("bounds"), Format::rect(QRectF(20, 20, 255, 115))},
                                   {QStringLiteral("numOfColumns"), QStringLiteral("2")},
                                   {QStringLiteral("numOfRows"), QStringLiteral("2")},
                                   {QStringLiteral("padding"), QStringLiteral("5")},
                                   {QStringLiteral("cellArray"), QVariant::fromValue(cells)}});
        table->setSelectable(true);
        document.insertGraphics({table}, {0});
        showCanvas();
        view->activateWindow();
    }
    TouchWindow* window = nullptr;
    std::shared_ptr<SKTTable> table;
};

} // namespace

TEST_F(TableCellEditingTest, TypingIntoTheEditorWritesTheTouchedCellWhichIsDrawnOnceEditingStops)
{
    table->drawBoxModel();
    const QRect cellArea = table->grabSelectedCellRect(1, 0);
    window->setLastTouchPoint(cellArea.center());
    const auto cell = table->grabSelectedTableCellHelper(1, 0);

    view->startEditingGraphic(table);
    QPointer<QWidget> editor = view->editingView();
    ASSERT_TRUE(editor);
    EXPECT_TRUE(qobject_cast<TextEditingView*>(editor.data()));
    // The editor stands on the cell's hit area, as wide as the cell, and is as high as its text.
    EXPECT_EQ(editor->geometry().topLeft(), cellArea.topLeft());
    EXPECT_EQ(editor->width(), cellArea.width());
    QTest::keyClicks(editor, QStringLiteral("Plums"));
    EXPECT_EQ(cell->textStorage()->toPlainText(), QStringLiteral("Plums"));
    EXPECT_EQ(table->grabSelectedTableCellHelper(0, 0)->textStorage()->toPlainText(), QString());

    // While the editor shows the text, the table leaves the cell's glyphs to it.
    editor->hide();
    settle();
    const QRect drawnCell(cellArea.x() + 6, cellArea.y() + 6, 100, 40);
    EXPECT_EQ(inkIn(grabbed(), drawnCell), 0);
    editor->show();

    view->stopEditing();
    settle();
    EXPECT_GT(inkIn(grabbed(), drawnCell), 20) << "the cell draws its new text";
    EXPECT_EQ(cell->textStorage()->toPlainText(), QStringLiteral("Plums"));
    EXPECT_GT(cell->textHeight(), 0);
}

TEST_F(TableCellEditingTest, ASectionIsNotEditedInPlace)
{
    table->setGridType(QStringLiteral("section"));
    table->drawBoxModel();
    window->setLastTouchPoint(table->grabSelectedCellRect(0, 0).center());
    view->startEditingGraphic(table);
    EXPECT_FALSE(view->editingView());
}
