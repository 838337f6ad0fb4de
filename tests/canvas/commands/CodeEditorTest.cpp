#include "../view/CanvasTestSupport.h"

#include "canvas/dialogs/CodeEditorWindowController.h"
#include "model/SKTText.h"
#include "model/text/TextStorage.h"
#include "platform/Format.h"

#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>

// The code editor of HTML snippet boxes, opened from the canvas's context menu, and the snippet
// formatting switch.

namespace {

class CodeEditorTest : public CanvasTest {
protected:
    std::shared_ptr<SKTText> addText(const QString& text, const QString& textType, const QRectF& frame)
    {
        auto box = std::make_shared<SKTText>();
        box->initWithProperties({{QStringLiteral("bounds"), Format::rect(frame)},
                                 {QStringLiteral("textString"), text},
                                 {QStringLiteral("textType"), textType}});
        document.insertGraphics({box}, {0});
        return box;
    }
    std::shared_ptr<SKTText> addSnippet(const QString& code, const QRectF& frame = QRectF(10, 10, 100, 50))
    {
        return addText(code, QStringLiteral("HTMLSnippet"), frame);
    }
    // Right-clicks the only selected box and chooses the item; false when the menu does not offer it.
    bool choose(const std::shared_ptr<SKTGraphic>& box, const char* action)
    {
        selection.setSelectedGraphics({box});
        QMenu* menu = view->menuForEvent(box->bounds().center());
        QAction* item = menu->findChild<QAction*>(QLatin1String(action));
        if (!item || !item->isVisible() || !item->isEnabled())
            return false;
        item->trigger();
        return true;
    }
    CodeEditorWindowController& editor()
    {
        CodeEditorWindowController* window = view->codeEditorWindowController();
        EXPECT_NE(window, nullptr);
        return *window;
    }
    QPlainTextEdit& textView()
    {
        return *editor().findChild<QPlainTextEdit*>(QStringLiteral("codeEditorTextView"));
    }
    void save() { editor().findChild<QPushButton*>(QStringLiteral("saveButton"))->click(); }
};

TEST_F(CodeEditorTest, OpensTheSnippetsWholeTextAndSavesItBack)
{
    const QString code = QStringLiteral("<div class=\"a\">\n  <p>'x'</p>\n</div>");
    const auto snippet = addSnippet(code);
    ASSERT_TRUE(choose(snippet, "showCodeEditor"));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor()));
    EXPECT_EQ(editor().windowTitle(), QStringLiteral("Code Editor"));
    EXPECT_FALSE(editor().isModal());
    EXPECT_EQ(textView().toPlainText(), code);
    EXPECT_EQ(textView().font().pointSize(), 13);

    textView().selectAll();
    QTest::keyClicks(&textView(), QStringLiteral("<a href=\"x\">it's</a>"));
    save();
    EXPECT_FALSE(editor().isVisible());
    EXPECT_EQ(snippet->contents().string(), QStringLiteral("<a href=\"x\">it's</a>"));

    ASSERT_TRUE(choose(snippet, "showCodeEditor"));
    EXPECT_EQ(textView().toPlainText(), QStringLiteral("<a href=\"x\">it's</a>"));
}

TEST_F(CodeEditorTest, ClosingWithoutSavingKeepsTheText)
{
    const auto snippet = addSnippet(QStringLiteral("<b>kept</b>"));
    ASSERT_TRUE(choose(snippet, "showCodeEditor"));
    textView().setPlainText(QStringLiteral("dropped"));
    editor().close();
    EXPECT_EQ(snippet->contents().string(), QStringLiteral("<b>kept</b>"));
}

TEST_F(CodeEditorTest, TheSliderSetsTheFontSize)
{
    const auto snippet = addSnippet(QStringLiteral("x"));
    ASSERT_TRUE(choose(snippet, "showCodeEditor"));
    const QString family = textView().font().family();
    editor().findChild<QSlider*>(QStringLiteral("fontSizeSlider"))->setValue(20);
    EXPECT_EQ(textView().font().pointSize(), 20);
    EXPECT_EQ(textView().font().family(), family);
}

TEST_F(CodeEditorTest, StaysWithItsBoxAndLeavesABoxThatLeftThePageAlone)
{
    const auto first = addSnippet(QStringLiteral("first"), QRectF(10, 10, 100, 50));
    const auto second = addSnippet(QStringLiteral("second"), QRectF(10, 100, 100, 50));
    ASSERT_TRUE(choose(first, "showCodeEditor"));
    // The menu opens on the other box meanwhile.
    selection.setSelectedGraphics({second});
    view->menuForEvent(second->bounds().center());
    textView().setPlainText(QStringLiteral("edited"));
    save();
    EXPECT_EQ(first->contents().string(), QStringLiteral("edited"));
    EXPECT_EQ(second->contents().string(), QStringLiteral("second"));

    ASSERT_TRUE(choose(first, "showCodeEditor"));
    document.removeGraphicsAtIndexes({int(document.graphics().indexOf(first))});
    textView().setPlainText(QStringLiteral("lost"));
    save();
    EXPECT_EQ(first->contents().string(), QStringLiteral("edited"));
    EXPECT_EQ(second->contents().string(), QStringLiteral("second"));
}

TEST_F(CodeEditorTest, PlainTextBoxesOpenOnlyWhereTheProductEditsAllAsCode)
{
    const auto plain = addText(QStringLiteral("Hello"), QStringLiteral("Text"), QRectF(10, 10, 100, 50));
    EXPECT_FALSE(choose(plain, "showCodeEditor"));
    DataCentre::mutableProfile().codeEditorForAllTextBoxes = true;
    ASSERT_TRUE(choose(plain, "showCodeEditor"));
    textView().setPlainText(QStringLiteral("Bye"));
    save();
    EXPECT_EQ(plain->contents().string(), QStringLiteral("Bye"));
}

TEST_F(CodeEditorTest, SnippetFormattingChangesOnlySnippetBoxes)
{
    DataCentre::mutableProfile().snippetFormattingEnabled = true;
    const auto snippet = addSnippet(QStringLiteral("<p>x</p>"));
    const auto plain = addText(QStringLiteral("Hello"), QStringLiteral("Text"), QRectF(10, 100, 100, 50));
    selection.setSelectedGraphics({snippet, plain});
    QMenu* menu = view->menuForEvent(QPointF(20, 20));
    QAction* apply = menu->findChild<QAction*>(QStringLiteral("applyHTMLSnippetFormattingOption"));
    QAction* remove = menu->findChild<QAction*>(QStringLiteral("removeHTMLSnippetFormattingOption"));
    EXPECT_TRUE(apply->isVisible());
    EXPECT_FALSE(remove->isVisible());
    apply->trigger();
    EXPECT_TRUE(snippet->snippetFormatFlag());
    EXPECT_FALSE(plain->snippetFormatFlag());

    view->menuForEvent(QPointF(20, 20));
    EXPECT_FALSE(apply->isVisible());
    EXPECT_TRUE(remove->isVisible());
    remove->trigger();
    EXPECT_FALSE(snippet->snippetFormatFlag());
}

} // namespace
