#include "DocumentTestSupport.h"
#include "PageAssemblyTestSupport.h"

#include "platform/RulerUnits.h"
#include "profile/print/PrintSheetCatalogue.h"

// Several page documents open at once in one process: each keeps the canvas its page chose, and none of
// them changes the product profile.

namespace {

const QString kLaunchSheet = QStringLiteral("Label - 6 Per Letter Sheet");
const QString kLabelSheet = QStringLiteral("Label - 30 Per Letter Sheet");

class OpenDocumentsTest : public DocumentTest {
protected:
    // A label product that starts its pages on the six-label sheet; a page without a sheet of its own keeps
    // the canvas it has.
    void SetUp() override
    {
        DocumentTest::SetUp();
        DataCentre::loadPrintLabels();
        ProductProfile& profile = DataCentre::mutableProfile();
        profile.documentExtension = QStringLiteral("velk");
        profile.workingFolderPath = pathInHome(QStringLiteral("work/x")).chopped(2);
        profile.receivedPagesFolderName = QStringLiteral("0000Received_Pages");
        QDir().mkpath(QDir(profile.workingFolderPath).filePath(profile.receivedPagesFolderName));
        profile.printSheetDesign = true;
        profile.printPointsPerInch = 144.0f;
        profile.selectedPrintSheet = kLaunchSheet;
        DataCentre::resetPrintCanvas(DataCentre::grabLabelHelper(kLaunchSheet));
        profile.defaultLabelTemplate = std::make_shared<LabelTemplateHelper>();
        profile.defaultLabelTemplate->setTemplateDescription(QStringLiteral(""));
    }
    void TearDown() override
    {
        DataCentre::printSheetCatalogue().clear();
        RulerUnits::reset();
        DocumentTest::TearDown();
    }

    // A page of one text box saved as a page document of that name.
    QString save(SKTDocument& document, const QString& name)
    {
        document.setTempSavePathLocal(pathInHome(QStringLiteral("pages/") + name));
        QDir().mkpath(document.tempSavePathLocal());
        document.setPageFileExtension(QStringLiteral("html"));
        document.insertGraphics({PageObjects::textBox(name, QRectF(10, 10, 200, 40))}, {0});
        const QString location = pathInHome(QStringLiteral("documents/") + name + QStringLiteral(".velk"));
        QDir().mkpath(QFileInfo(location).absolutePath());
        EXPECT_TRUE(document.saveThisPage(location, 0));
        return location;
    }
};

TEST_F(OpenDocumentsTest, EachDocumentGetsBackItsOwnRotationSheetAndCanvas)
{
    const PrintCanvas launchCanvas = DataCentre::printCanvasOf(DataCentre::profile());

    SKTDocument label;
    label.canvasState().canvasRotation = 90;
    label.canvasState().resetPrintCanvas(label.canvasState().grabLabelHelper(kLabelSheet));
    auto avery = std::make_shared<LabelTemplateHelper>();
    avery->setBrand(QStringLiteral("Avery"));
    avery->setTemplateNumber(QStringLiteral("5160"));
    avery->setTemplateDescription(kLabelSheet);
    label.setLabelTemplateHelper(avery);
    const QString labelFile = save(label, QStringLiteral("label"));

    SKTDocument web;
    web.canvasState().selectedPrintSheet = QStringLiteral("");
    web.canvasState().mailCanvasType = QStringLiteral("Flex");
    const QString webFile = save(web, QStringLiteral("web"));

    // Both open side by side, the second after the first.
    SKTDocument openedLabel;
    openedLabel.setFileLocation(labelFile);
    ASSERT_TRUE(openedLabel.refreshDocument());
    SKTDocument openedWeb;
    openedWeb.setFileLocation(webFile);
    ASSERT_TRUE(openedWeb.refreshDocument());

    const PageCanvasState& labelCanvas = openedLabel.canvasState();
    EXPECT_EQ(labelCanvas.canvasRotation, 90);
    EXPECT_EQ(labelCanvas.selectedPrintSheet, kLabelSheet);
    EXPECT_EQ(static_cast<const PrintCanvas&>(labelCanvas),
              DataCentre::printCanvasOfSheet(*DataCentre::grabLabelHelper(kLabelSheet), 90, 144.0f));
    EXPECT_EQ(openedLabel.canvasSize(), QSizeF(600, 1575));
    ASSERT_TRUE(openedLabel.labelTemplateHelper());
    EXPECT_EQ(openedLabel.labelTemplateHelper()->brand(), QStringLiteral("Avery"));
    EXPECT_EQ(openedLabel.graphics().first()->textString(), QStringLiteral("label"));

    const PageCanvasState& webCanvas = openedWeb.canvasState();
    EXPECT_EQ(webCanvas.canvasRotation, 0);
    EXPECT_EQ(webCanvas.selectedPrintSheet, QStringLiteral(""));
    EXPECT_EQ(webCanvas.mailCanvasType, QStringLiteral("Flex"));
    EXPECT_EQ(static_cast<const PrintCanvas&>(webCanvas), launchCanvas);
    EXPECT_EQ(openedWeb.graphics().first()->textString(), QStringLiteral("web"));

    // The product is as launch left it.
    EXPECT_EQ(DataCentre::printCanvasOf(DataCentre::profile()), launchCanvas);
    EXPECT_EQ(DataCentre::profile().selectedPrintSheet, kLaunchSheet);
    EXPECT_TRUE(alerts.records().isEmpty());
}

} // namespace
