#include "WebsiteTestSupport.h"

#include "model/SKTText.h"

// The label maker starts each new label page with the address block its mail-merge fills in.

namespace {

using LabelPlaceholderTest = WebsiteTest;

const QString kAddress =
    QStringLiteral("[TITLE] [FIRST_NAME] [LAST_NAME]\n[JOB_TITLE]\n[COMPANY_NAME]\n[STREET]\n[CITY] [STATE] [ZIPCODE]");

TEST_F(LabelPlaceholderTest, ANewLabelPageStartsWithTheAddressBlockAndOtherProductsWithNothing)
{
    ProductProfile& profile = DataCentre::mutableProfile();
    profile.printSheetDesign = true;
    profile.canvasWidth = 1000;
    profile.canvasHeight = 800;
    page(QStringLiteral("index"), QStringLiteral("Home"));
    SKTWindowController& window = openWebsite();

    profile.productDisplayName = QStringLiteral("Tazmir Greeting Card Designer");
    window.directlyAddBlankPage();
    EXPECT_TRUE(window.document()->graphics().isEmpty());

    profile.productDisplayName = QStringLiteral("Tazmir Label Maker");
    window.directlyAddBlankPage();
    ASSERT_EQ(window.document()->graphics().size(), 1);
    const auto block = std::dynamic_pointer_cast<SKTText>(window.document()->graphics().first());
    ASSERT_TRUE(block);
    EXPECT_EQ(block->textString(), kAddress);
    EXPECT_EQ(block->bounds(), QRectF(10, 10, 750, 480));
    EXPECT_EQ(block->fontSize(), 36);

    // A page that already holds something gets no second block.
    window.addPlaceHolder();
    EXPECT_EQ(window.document()->graphics().size(), 1);
}

} // namespace
