#include "DocumentTestSupport.h"

#include "platform/Alert.h"

#include <optional>

namespace {

class DocumentCloseTest : public DocumentTest {
protected:
    void SetUp() override
    {
        DocumentTest::SetUp();
        document.setSaveOperation([this](SKTDocument&) {
            ++saves;
            return saveSucceeds;
        });
    }
    void edit()
    {
        document.insertGraphics({graphicAt(QRectF(0, 0, 5, 5))}, {0});
        document.undoManager().checkpoint();
    }

    SKTDocument document;
    int saves = 0;
    bool saveSucceeds = true;
};

TEST_F(DocumentCloseTest, AnUneditedDocumentClosesWithoutAsking)
{
    bool heard = false;
    EXPECT_TRUE(document.canCloseDocumentWithDelegate(
        [&](SKTDocument& doc, bool shouldClose) { heard = shouldClose && &doc == &document; }));
    EXPECT_TRUE(heard);
    EXPECT_TRUE(alerts.records().isEmpty());
    EXPECT_EQ(saves, 0);
}

TEST_F(DocumentCloseTest, AnEditedDocumentAsksTheQuestionAndFollowsTheAnswer)
{
    const struct {
        const char* answer;
        bool saveSucceeds;
        bool closes;
        int saves;
    } cases[] = {
        {"Cancel", true, false, 0},
        {"No", true, true, 0},
        {"Yes", true, true, 1},
        {"Yes", false, false, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        SKTDocument doc;
        int saved = 0;
        doc.setSaveOperation([&](SKTDocument&) {
            ++saved;
            return c.saveSucceeds;
        });
        doc.insertGraphics({graphicAt(QRectF())}, {0});
        alerts.clear();
        alerts.answer(QString::fromLatin1(c.answer));
        std::optional<bool> heard;
        EXPECT_EQ(
            doc.canCloseDocumentWithDelegate([&](SKTDocument&, bool shouldClose) { heard = shouldClose; }),
            c.closes);
        EXPECT_EQ(heard, c.closes);
        EXPECT_EQ(saved, c.saves);
        ASSERT_EQ(alerts.records().size(), 1);
        const auto& alert = alerts.records().first();
        EXPECT_EQ(alert.message, QStringLiteral("This file has changed"));
        EXPECT_EQ(alert.informative, QStringLiteral("Do you want to save the changes?"));
        EXPECT_EQ(alert.buttons, QStringList({"Yes", "No", "Cancel"}));
    }
}

TEST_F(DocumentCloseTest, ASavedDocumentIsNoLongerEdited)
{
    edit();
    document.setSaveOperation([](SKTDocument& doc) {
        doc.setDocumentEdited(false);
        return true;
    });
    alerts.answer(QStringLiteral("Yes"));
    EXPECT_TRUE(document.canCloseDocumentWithDelegate());
    EXPECT_FALSE(document.isDocumentEdited());
    EXPECT_TRUE(document.canCloseDocumentWithDelegate());
    EXPECT_EQ(alerts.records().size(), 1);
}

TEST_F(DocumentCloseTest, ProductsWhosePagesAreNeverEditedNeverAsk)
{
    DataCentre::mutableProfile().neverEdited = true;
    edit();
    document.setDocumentEdited(true);
    EXPECT_FALSE(document.isDocumentEdited());
    EXPECT_FALSE(document.isDraft());
    EXPECT_TRUE(document.canCloseDocumentWithDelegate());
    EXPECT_TRUE(alerts.records().isEmpty());
}

TEST_F(DocumentCloseTest, ClosingHidesTheDocumentsPanelsFirst)
{
    PlainDocumentWindow* window = nullptr;
    usePlainWindows(window);
    document.makeWindowControllers();
    ASSERT_NE(window, nullptr);
    edit();
    alerts.answer(QStringLiteral("Cancel"));
    EXPECT_FALSE(document.canCloseDocumentWithDelegate());
    EXPECT_EQ(window->calls, QStringList({"hideAllDocPanels"}));
}

TEST_F(DocumentCloseTest, ADocumentGetsOneWindow)
{
    int made = 0;
    SKTDocument::setWindowControllerFactory([&](SKTDocument&) {
        ++made;
        return std::make_unique<PlainDocumentWindow>();
    });
    document.makeWindowControllers();
    DocumentWindow* window = document.windowController();
    document.makeWindowControllers();
    EXPECT_EQ(made, 1);
    EXPECT_EQ(document.windowController(), window);
    EXPECT_EQ(document.grabNextImageName(), QStringLiteral("image7"));
    EXPECT_TRUE(SKTDocument::canConcurrentlyReadDocumentsOfType(QStringLiteral("quarnel")));
}

TEST_F(DocumentCloseTest, FileNamesComeFromTheLocationTheTemplateOrUntitled)
{
    EXPECT_EQ(document.createFileName(), QStringLiteral("untitled"));
    document.setMainTemplateName(QStringLiteral("Business"));
    EXPECT_EQ(document.createFileName(), QStringLiteral("Business"));
    document.setFileLocation(QStringLiteral("/home/me/pages/my.page.dovrinprofile"));
    EXPECT_EQ(document.createFileName(), QStringLiteral("my.page"));
}

} // namespace
