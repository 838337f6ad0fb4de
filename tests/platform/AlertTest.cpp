#include "platform/Alert.h"
#include "platform/FilePanel.h"
#include "support/VelkTest.h"

namespace {

class AlertTest : public VelkTest {};

TEST_F(AlertTest, ScriptedAnswersAreGivenInOrderAndTextsRecorded)
{
    alerts.answer("No");
    alerts.answerIndex(2);
    const Alert question("This file has changed", "Do you want to save the changes?",
                         {"Yes", "No", "Cancel"});
    EXPECT_EQ(question.runModal(), Alert::SecondButton);
    EXPECT_EQ(question.runModal(), Alert::ThirdButton);
    EXPECT_EQ(question.runModal(), Alert::FirstButton); // nothing scripted left: the default button

    ASSERT_EQ(alerts.records().size(), 3);
    EXPECT_EQ(alerts.records()[0].message, "This file has changed");
    EXPECT_EQ(alerts.records()[0].informative, "Do you want to save the changes?");
    EXPECT_EQ(alerts.records()[0].buttons, (QStringList{"Yes", "No", "Cancel"}));
    EXPECT_EQ(alerts.records()[1].answer, "Cancel");
}

TEST_F(AlertTest, AnAlertWithoutButtonsHasOneOkButton)
{
    Alert::show("Upload failed", "The server refused the connection.");
    ASSERT_EQ(alerts.records().size(), 1);
    EXPECT_EQ(alerts.records()[0].buttons, QStringList{"OK"});
    EXPECT_EQ(alerts.records()[0].answer, "OK");
}

TEST_F(AlertTest, FilePanelsAreAnsweredByTheScript)
{
    panels.choose({"/tmp/a.velkpage", "/tmp/b.velkpage"});
    FilePanelRequest request;
    request.allowedFileTypes = {"velkpage"};
    EXPECT_EQ(FilePanel::runOpen(request), QStringList{"/tmp/a.velkpage"}); // single choice keeps the first
    EXPECT_EQ(panels.lastAllowedTypes(), QStringList{"velkpage"});

    panels.cancel();
    EXPECT_TRUE(FilePanel::runSave(request).isNull());
    EXPECT_TRUE(FilePanel::runOpen(request).isEmpty()); // nothing scripted: cancelled
    EXPECT_EQ(panels.requestCount(), 3);
}

} // namespace
