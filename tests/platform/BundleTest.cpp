#include "platform/Bundle.h"
#include "support/VelkTest.h"

#include <QFile>

namespace {

class BundleTest : public VelkTest {
protected:
    void SetUp() override
    {
        VelkTest::SetUp();
        QFile info(pathInHome("bundle/Info.json"));
        ASSERT_TRUE(info.open(QIODevice::WriteOnly));
        info.write(R"({"CFBundleDisplayName": "Folder Size Ombrel", "CFBundleVersion": "3.1",
                      "CFBundleIdentifier": "com.example.velk"})");
        info.close();
        QFile icon(pathInHome("bundle/templates/icon.png"));
        ASSERT_TRUE(icon.open(QIODevice::WriteOnly));
        bundle.load(homePath() + "/bundle");
    }
    void TearDown() override
    {
        qunsetenv("VELK_PRODUCT");
        bundle.load(Bundle::defaultResourcesPath());
        VelkTest::TearDown();
    }
    Bundle& bundle = Bundle::main();
};

TEST_F(BundleTest, ReadsTheInformationDictionary)
{
    EXPECT_EQ(bundle.infoValue("CFBundleDisplayName"), "Folder Size Ombrel");
    EXPECT_EQ(bundle.infoValue("CFBundleVersion"), "3.1");
    EXPECT_EQ(bundle.infoValue("CFBundleIdentifier"), "com.example.velk");
    EXPECT_TRUE(bundle.infoValue("CFBundleName").isNull());
}

TEST_F(BundleTest, TheCommandLineOverridesTheEnvironmentWhichOverridesTheFile)
{
    qputenv("VELK_PRODUCT", "Quarnel Pro");
    bundle.applyOverrides({"velk"});
    EXPECT_EQ(bundle.infoValue("CFBundleDisplayName"), "Quarnel Pro");
    bundle.applyOverrides({"velk", "--product", "Quarnel Pro 2"});
    EXPECT_EQ(bundle.infoValue("CFBundleDisplayName"), "Quarnel Pro 2");
    bundle.applyOverrides({"velk", "--product=HTML Velk Pro"});
    EXPECT_EQ(bundle.infoValue("CFBundleDisplayName"), "HTML Velk Pro");
}

TEST_F(BundleTest, FindsResourcesByNameAndType)
{
    EXPECT_EQ(bundle.pathForResource("Info", "json"), homePath() + "/bundle/Info.json");
    EXPECT_EQ(bundle.pathForResource("icon", "png", "templates"), homePath() + "/bundle/templates/icon.png");
    EXPECT_TRUE(bundle.pathForResource("icon", "png").isNull());
    EXPECT_TRUE(bundle.pathForResource("../bundle/Info", "json").isNull());
}

TEST(BundleResources, TheShippedBundleIsTheFolderCatalogue)
{
    Bundle bundleCopy = Bundle::main();
    EXPECT_EQ(bundleCopy.infoValue("CFBundleDisplayName"), "Folder Size Ombrel");
}

} // namespace
