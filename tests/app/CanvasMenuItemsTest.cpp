#include "AppTestSupport.h"

#include "app/menus/ResponderChain.h"
#include "canvas/view/SKTGraphicView.h"
#include "document/core/GraphicSelection.h"
#include "document/core/SKTDocument.h"
#include "model/SKTText.h"
#include "platform/Format.h"

// The application menu's canvas commands: the canvas takes them along the responder chain and validates
// their items by their action names.

namespace {

class CanvasMenuItemsTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        view.bindGraphics(&document);
        view.bindSelectionIndexes(&selection);
        for (int i = 0; i < 2; ++i) {
            auto box = std::make_shared<SKTText>();
            box->initWithProperties(
                {{QStringLiteral("bounds"), Format::rect(QRectF(10 + 100 * i, 10, 50, 20))}});
            box->setSelectable(true);
            document.insertGraphics({box}, {0});
        }
    }
    QAction* validated(const char* action)
    {
        QAction* item = nullptr;
        for (QMenu* m : menu.menus()) {
            for (QAction* candidate : m->actions()) {
                if (MainMenu::actionName(candidate) == QLatin1String(action))
                    item = candidate;
            }
        }
        EXPECT_NE(item, nullptr) << action;
        if (item)
            ResponderChain::validateItem({&view}, item);
        return item;
    }

    MainMenu menu{QStringLiteral("HTML Velk Pro")};
    SKTDocument document;
    GraphicSelection selection{document};
    SKTGraphicView view;
};

TEST_F(CanvasMenuItemsTest, AlignmentItemsFollowTheCanvasSelection)
{
    EXPECT_FALSE(validated("alignTopEdges")->isEnabled());
    EXPECT_FALSE(validated("bringToFront")->isVisible());
    view.selectAll();
    EXPECT_TRUE(validated("alignTopEdges")->isEnabled());
    EXPECT_TRUE(validated("bringToFront")->isVisible());
    EXPECT_FALSE(validated("bringForward")->isEnabled());
    EXPECT_EQ(validated("showOrHideRulers")->text(), QStringLiteral("Show Ruler"));

    ResponderChain::sendAction({&view}, QStringLiteral("alignTopEdges"));
    EXPECT_EQ(document.undoManager().undoActionName(), QStringLiteral("Align Top Edges"));
}

TEST_F(CanvasMenuItemsTest, TheAddNewMenuSendsTheSnippetsAndTheSlideshowToTheCanvas)
{
    const struct {
        const char* action;
        const char* className;
        QSizeF size;
    } cases[] = {
        {"addNewHTMLSnippet", "SKTText", {250, 100}},
        {"addYouTubeHTMLSnippet", "SKTText", {640, 480}},
        {"addPaypalSnippet", "SKTText", {700, 200}},
        {"addSlideshow", "SKTSlideshow", {500, 300}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.action);
        QAction* item = validated(c.action);
        ASSERT_TRUE(item);
        EXPECT_TRUE(item->isEnabled());
        ASSERT_TRUE(ResponderChain::sendAction({&view}, QString::fromLatin1(c.action)));
        const std::shared_ptr<SKTGraphic> added = document.graphics().first();
        EXPECT_EQ(added->className(), QLatin1String(c.className));
        EXPECT_EQ(added->bounds().size(), c.size);
    }
    EXPECT_EQ(alerts.messages(), QStringList{QStringLiteral("Looking for more Buy Button styles?")});
}

TEST_F(CanvasMenuItemsTest, TheEditMenuCopiesPastesAndDuplicatesOnTheCanvas)
{
    EXPECT_FALSE(validated("copy")->isVisible()) << "nothing to copy";
    EXPECT_FALSE(validated("duplicate")->isVisible());
    view.selectAll();
    for (const char* action : {"cut", "copy", "paste", "duplicate"}) {
        QAction* item = validated(action);
        EXPECT_TRUE(item->isVisible() && item->isEnabled()) << action;
    }
    ResponderChain::sendAction({&view}, QStringLiteral("copy"));
    ResponderChain::sendAction({&view}, QStringLiteral("paste"));
    EXPECT_EQ(document.graphics().size(), 4);
    EXPECT_EQ(view.selectionIndexes(), IndexSet({0, 1}));
    ResponderChain::sendAction({&view}, QStringLiteral("duplicate"));
    EXPECT_EQ(document.graphics().size(), 6);
    ResponderChain::sendAction({&view}, QStringLiteral("cut"));
    EXPECT_EQ(document.graphics().size(), 4);
}

} // namespace
