#include "WindowTestSupport.h"

#include "canvas/view/SKTGraphicView.h"
#include "model/SKTGraphic.h"

// The form fields of the menu bar reach the window's canvas, and option buttons follow their labels when
// the labels move.

namespace {

class FormFieldsInWindowTest : public WindowTest {};

} // namespace

TEST_F(FormFieldsInWindowTest, MenuFieldsGoOnTheCanvasAndButtonsFollowTheirMovedLabels)
{
    // The document's own window, which the page's graphics reach through their document.
    SKTWindowController::installAsWindowMaker();
    SKTDocument& page = newDocument();
    page.makeWindowControllers();
    auto* made = dynamic_cast<SKTWindowController*>(page.windowController());
    ASSERT_NE(made, nullptr);
    SKTWindowController& window = *made;
    for (const char* action : {"addTextField", "addEmailTextField", "addParagraph", "addCheckboxes",
                               "addBotCheckerTextField", "addSubmitButton", "addMultipleChoice"})
        ASSERT_TRUE(QMetaObject::invokeMethod(&window, action)) << action;
    // 2 + 2 + 2 + 9 + 3 + 1, then the multiple choice in front.
    ASSERT_EQ(page.graphics().size(), 28);

    std::shared_ptr<SKTGraphic> label;
    std::shared_ptr<SKTGraphic> button;
    for (const std::shared_ptr<SKTGraphic>& g : page.graphics()) {
        if (g->textString() == u"Multiple Choice Option 2")
            (g->formType() == u"radio" ? button : label) = g;
    }
    ASSERT_TRUE(label && button);
    SKTGraphic::translateGraphics({label}, 40, 25);
    EXPECT_EQ(button->bounds().topLeft(), label->bounds().topLeft() + QPointF(-30, 8));
}
