#include "CanvasInputTestSupport.h"

#include "canvas/drop/DragCodePasteboard.h"
#include "canvas/factories/TextBoxArguments.h"
#include "model/GraphicPropertyDictionary.h"

#include <QMimeData>

// Items of the object library dropped on the canvas, and the text-box factory they go through.

namespace {

class CanvasDropTest : public CanvasInputTest {
protected:
    void TearDown() override
    {
        DataCentre::resetProfile();
        CanvasInputTest::TearDown();
    }

    std::shared_ptr<SKTGraphic> front() const { return document.graphics().first(); }
};

TEST_F(CanvasDropTest, LibraryTextItemsBecomeTextBoxesInFrontAtTheDropPoint)
{
    addText(QStringLiteral("behind"), QRectF(0, 0, 50, 50));
    view->changeSelectionIndexes({0});
    const struct {
        const char* code;
        const char* text;
        QRectF bounds;
        const char* fontFamily;
        int fontSize;
        const char* background;
    } cases[] = {
        {"velk_textbox", "New text box", {40, 60, 300, 150}, "Helvetica Neue", 20, "CLEAR0"},
        {"velk_textbox_title",
         "Placeholder text for title.  Double click me to edit.",
         {40, 60, 1000, 200},
         "Helvetica Neue",
         80,
         "CLEAR0"},
        {"velk_numbertag_7", "7", {40, 60, 40, 50}, "Arial Black", 30, "4F94CD"},
        {"velk_rectangle_rounded", " ", {40, 60, 100, 80}, "Helvetica Neue", 20, "CLEAR0"},
        {"velk_textbox_section_title",
         "Placeholder text for title.  Double click me to edit.",
         {0, 60, double(DataCentre::profile().canvasWidth), 80},
         "Helvetica Neue",
         60,
         "555555"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        const qsizetype before = document.graphics().size();
        ASSERT_TRUE(drop(QString::fromLatin1(c.code), QPointF(40, 60)));
        ASSERT_EQ(document.graphics().size(), before + 1);
        EXPECT_EQ(front()->className(), QStringLiteral("SKTText"));
        EXPECT_EQ(front()->textString(), QString::fromUtf8(c.text));
        EXPECT_EQ(front()->bounds(), c.bounds);
        EXPECT_EQ(front()->fontFamily(), QString::fromLatin1(c.fontFamily));
        EXPECT_EQ(front()->fontSize(), c.fontSize);
        EXPECT_EQ(front()->backgroundHexColorString(), QString::fromLatin1(c.background));
        EXPECT_EQ(front()->groupNumber(), kNoNumber);
    }
    // The selection stays on what was selected, now further back.
    EXPECT_EQ(view->selectedGraphics().first()->textString(), QStringLiteral("behind"));
}

TEST_F(CanvasDropTest, ZoomScaledItemsLookTheSameSizeOnScreenAndKeepAVisibleBorder)
{
    view->setCanvasScale(0.5);
    ASSERT_TRUE(drop(QStringLiteral("velk_circle_markup_red_dashed"), QPointF(100, 100)));
    EXPECT_EQ(front()->bounds(), QRectF(100, 100, 200, 200));
    EXPECT_EQ(front()->cornerRadius(), 200);
    EXPECT_EQ(front()->borderStyle(), QStringLiteral("dashed"));
    EXPECT_EQ(front()->borderWidth(), 4);
    view->setCanvasScale(4);
    ASSERT_TRUE(drop(QStringLiteral("velk_square_markup_blue_dashed"), QPointF(100, 100)));
    EXPECT_EQ(front()->bounds(), QRectF(100, 100, 25, 25));
    EXPECT_EQ(front()->borderWidth(), 1);
}

TEST_F(CanvasDropTest, WithATextBoxLatticeTheDropPointSnapsToIt)
{
    ProductProfile& profile = DataCentre::mutableProfile();
    profile.customTextBoxHeight = true;
    profile.textBoxDefaultHeight = 40;
    ASSERT_TRUE(drop(QStringLiteral("velk_textbox"), QPointF(97, 61)));
    EXPECT_EQ(front()->bounds().topLeft(), QPointF(80, 80));
}

TEST_F(CanvasDropTest, TheDropEndsAfterAnEndingCodeAndGoesOnAfterAStamp)
{
    view->concludeDragOperation({"velk_markup_datestamp", "no_such_code", "velk_textbox", "velk_square"},
                                QPointF(10.7, 10.2));
    ASSERT_EQ(document.graphics().size(), 2);
    EXPECT_EQ(front()->textString(), QStringLiteral("New text box"));
    EXPECT_EQ(front()->bounds().topLeft(), QPointF(10, 10));
    EXPECT_EQ(document.graphics().at(1)->bounds().size(), QSizeF(270, 50));
    view->concludeDragOperation({}, QPointF(10, 10));
    EXPECT_EQ(document.graphics().size(), 2);
}

TEST_F(CanvasDropTest, OnAResponsivePageOnlySectionsLandOutsideASection)
{
    DataCentre::mutableProfile().responsiveDesign = true;
    QMimeData box;
    box.setData(QString(kDragCodeMimeType), "velk_textbox");
    EXPECT_EQ(view->dragOperationForDraggingInfo(box, QPointF(10, 10)), Qt::IgnoreAction);
    QMimeData section;
    section.setData(QString(kDragCodeMimeType), "velk_section2");
    EXPECT_EQ(view->dragOperationForDraggingInfo(section, QPointF(10, 10)), Qt::CopyAction);
    QMimeData bare;
    bare.setData(QString(kDragCodeMimeType), "velk_section");
    EXPECT_EQ(view->dragOperationForDraggingInfo(bare, QPointF(10, 10)), Qt::IgnoreAction);
    QMimeData text;
    text.setText(QStringLiteral("velk_textbox"));
    DataCentre::mutableProfile().responsiveDesign = false;
    EXPECT_EQ(view->dragOperationForDraggingInfo(text, QPointF(10, 10)), Qt::IgnoreAction);
    EXPECT_EQ(view->dragOperationForDraggingInfo(box, QPointF(10, 10)), Qt::CopyAction);
}

TEST_F(CanvasDropTest, TheFactoryWritesTheBoxModelOfTheProductAndOneUndoStep)
{
    forgetUndo();
    TextBoxArguments plain;
    plain.text = QStringLiteral("plain");
    plain.frame = QRectF(5, 5, 100, 40);
    plain.alignment = QStringLiteral("justify");
    plain.button = true;
    view->addTextBox(plain);
    EXPECT_EQ(undoStack().count(), 1);
    EXPECT_EQ(front()->topPadding(), 0);
    EXPECT_EQ(front()->topPaddingType(), QStringLiteral("%"));
    EXPECT_EQ(front()->verticalAlignment(), 0);
    EXPECT_FALSE(front()->snippetFormatFlag());
    EXPECT_EQ(front()->fillColor().alpha(), 0);

    DataCentre::mutableProfile().responsiveDesign = true;
    TextBoxArguments button = plain;
    button.textType = QStringLiteral("HTMLSnippet");
    button.fillColor = QStringLiteral("33A1C9");
    view->addTextBox(button);
    EXPECT_EQ(front()->topPadding(), 0);
    EXPECT_EQ(front()->leftPadding(), 10);
    EXPECT_EQ(front()->leftPaddingType(), QStringLiteral("pixel"));
    EXPECT_EQ(front()->rightMargin(), 10);
    EXPECT_EQ(front()->verticalAlignment(), 1);
    EXPECT_TRUE(front()->snippetFormatFlag());
    EXPECT_EQ(front()->fillColor(), QColor(0x33, 0xA1, 0xC9));
    EXPECT_EQ(document.graphics().at(1)->textString(), QStringLiteral("plain"));

    button.button = false;
    view->addTextBox(button);
    EXPECT_EQ(front()->topPadding(), 10);
    EXPECT_EQ(front()->rightMargin(), 0);
}

} // namespace
