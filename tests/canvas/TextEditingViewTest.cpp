#include "canvas/TextEditingView.h"
#include "model/SKTText.h"
#include "model/drawing/DrawingView.h"
#include "model/text/SharedTextLayout.h"
#include "model/text/TextStorage.h"
#include "platform/Format.h"
#include "profile/DataCentre.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QPainter>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

#include <memory>

namespace {

class TextEditingViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_saved = DataCentre::profile();
        DataCentre::resetProfile();
        TextEditingViewFactory::install();
        text = std::make_shared<SKTText>();
        text->initWithProperties({{QStringLiteral("textString"), QStringLiteral("Hello")},
                                  {QStringLiteral("bounds"), Format::rect(QRectF(40, 100, 200, 60))},
                                  {QStringLiteral("fontFamily"), QStringLiteral("DejaVu Sans")},
                                  {QStringLiteral("fontSize"), QStringLiteral("20")},
                                  {QStringLiteral("fontColor"), QStringLiteral("FF0000")},
                                  {QStringLiteral("opacity"), QStringLiteral("1.0")},
                                  {QStringLiteral("lineSpacing"), QStringLiteral("1.25")}});
        text->setSelectable(true);
    }
    void TearDown() override
    {
        TextEditorFactory::setCurrent(nullptr);
        DataCentre::mutableProfile() = m_saved;
    }

    // The editor the canvas shows, as its own widget.
    std::unique_ptr<TextEditingView> openEditor()
    {
        QWidget* editor = text->newEditingViewWithSuperviewBounds(QRectF(0, 0, 800, 400));
        auto* view = qobject_cast<TextEditingView*>(editor);
        EXPECT_TRUE(view);
        return std::unique_ptr<TextEditingView>(view);
    }

    std::shared_ptr<SKTText> text;

private:
    ProductProfile m_saved;
};

TEST_F(TextEditingViewTest, TheEditorEditsTheTextsOwnDocumentWithEverythingSelected)
{
    auto editor = openEditor();
    ASSERT_TRUE(editor);
    EXPECT_EQ(editor->document(), &text->contents().document());
    EXPECT_EQ(editor->textCursor().selectedText(), QStringLiteral("Hello"));
    EXPECT_FALSE(editor->acceptRichText());
    EXPECT_TRUE(editor->isUndoRedoEnabled());
    EXPECT_EQ(editor->x(), int(text->contentRect().x()));
    EXPECT_EQ(editor->width(), int(text->contentRect().width()));
    EXPECT_EQ(editor->lineWrapColumnOrWidth(), int(text->contentRect().width()));
}

TEST_F(TextEditingViewTest, TypedTextGoesIntoTheGraphicInItsStyleAndCanBeUndone)
{
    auto editor = openEditor();
    ASSERT_TRUE(editor);
    editor->show();
    QTest::keyClicks(editor.get(), QStringLiteral("Bye <now>"));
    EXPECT_EQ(text->textString(), QStringLiteral("Bye <now>"));
    const auto font = TextStorage::fontOfFirstCharacter(text->contents().document());
    ASSERT_TRUE(font);
    EXPECT_EQ(font->family(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(TextStorage::fontSize(*font), 20.0);
    EXPECT_EQ(text->properties().value(QStringLiteral("fontSize")), QStringLiteral("20.000000"));

    editor->undo();
    EXPECT_EQ(text->textString(), QStringLiteral("Hello"));
}

TEST_F(TextEditingViewTest, PastedTextArrivesAsPlainText)
{
    auto editor = openEditor();
    ASSERT_TRUE(editor);
    auto* data = new QMimeData;
    data->setHtml(QStringLiteral("<b style='font-size:40px'>Bold</b>"));
    data->setText(QStringLiteral("Bold"));
    QApplication::clipboard()->setMimeData(data);
    editor->paste();
    EXPECT_EQ(text->textString(), QStringLiteral("Bold"));
    const auto font = TextStorage::fontOfFirstCharacter(text->contents().document());
    EXPECT_EQ(TextStorage::fontSize(*font), 20.0);
    EXPECT_FALSE(font->bold());
}

TEST_F(TextEditingViewTest, TheEditorGrowsWithItsTextUpToTheCanvasBottom)
{
    auto editor = openEditor();
    ASSERT_TRUE(editor);
    const int oneLine = editor->height();
    EXPECT_GT(oneLine, 0);
    QTextCursor(&text->contents().document()).insertText(QStringLiteral("a\nb\nc\n"));
    EXPECT_GT(editor->height(), oneLine);
    QTextCursor(&text->contents().document()).insertText(QString(QStringLiteral("line\n")).repeated(40));
    EXPECT_EQ(editor->height(), 300) << "canvas height less the top of the box";
}

TEST_F(TextEditingViewTest, DrawingWhileEditingLeavesTheEditorsLayoutAlone)
{
    auto editor = openEditor();
    ASSERT_TRUE(editor);
    QTextDocument& document = text->contents().document();
    const double widthBefore = document.textWidth();
    QImage image(300, 200, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        DrawingView view(painter);
        text->drawContentsInView(view, false);
    }
    EXPECT_EQ(document.textWidth(), widthBefore);
    EXPECT_GT(text->naturalSize().height(), 0);
    EXPECT_EQ(document.textWidth(), widthBefore);
    EXPECT_EQ(editor->document(), &document);
}

TEST_F(TextEditingViewTest, FinishingLetsGoOfTheDocument)
{
    auto editor = openEditor();
    ASSERT_TRUE(editor);
    text->finalizeEditingView(editor.get());
    EXPECT_NE(editor->document(), &text->contents().document());
    editor->insertPlainText(QStringLiteral("elsewhere"));
    EXPECT_EQ(text->textString(), QStringLiteral("Hello"));
    editor.reset();
    EXPECT_EQ(text->textString(), QStringLiteral("Hello")) << "the document outlives the editor";
}

TEST_F(TextEditingViewTest, FormFieldsGetNoEditor)
{
    text->setFormType(QStringLiteral("checkbox"));
    EXPECT_EQ(text->newEditingViewWithSuperviewBounds(QRectF(0, 0, 800, 400)), nullptr);
}

} // namespace
