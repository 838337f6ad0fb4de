#include "platform/UserDefaults.h"
#include "support/VelkTest.h"

namespace {

class UserDefaultsTest : public VelkTest {
protected:
    UserDefaults& defaults = UserDefaults::standard();
};

TEST_F(UserDefaultsTest, MissingKeysAnswerNothingZeroOrNo)
{
    EXPECT_FALSE(defaults.objectForKey("missing").isValid());
    EXPECT_TRUE(defaults.stringForKey("missing").isNull());
    EXPECT_EQ(defaults.integerForKey("missing"), 0);
    EXPECT_EQ(defaults.doubleForKey("missing"), 0.0);
    EXPECT_FALSE(defaults.boolForKey("missing"));
    EXPECT_TRUE(defaults.arrayForKey("missing").isEmpty());
    EXPECT_TRUE(defaults.dictionaryForKey("missing").isEmpty());
}

TEST_F(UserDefaultsTest, TypedValuesSurviveTheFile)
{
    defaults.setInteger(2000, "SorrelMaxImageSize");
    defaults.setObject(QStringLiteral("PNG"), "SorrelImageType");
    defaults.setBool(true, "SorrelSetRetinaFlag");
    defaults.setDouble(0.75, "ratio");
    defaults.setObject(QStringList{"only"}, "oneEntry");
    defaults.setObject(QVariantList{}, "empty");
    defaults.setObject(QVariantMap{{"host", "ftp.example.com"}, {"port", 21}}, "account");
    defaults.synchronize();

    // A second store over the same file sees what the first one wrote.
    const QString file = defaults.storageFile();
    defaults.setStorageFile(pathInHome("elsewhere.ini"));
    defaults.setStorageFile(file);

    EXPECT_EQ(defaults.integerForKey("SorrelMaxImageSize"), 2000);
    EXPECT_EQ(defaults.stringForKey("SorrelImageType"), "PNG");
    EXPECT_TRUE(defaults.boolForKey("SorrelSetRetinaFlag"));
    EXPECT_EQ(defaults.integerForKey("SorrelSetRetinaFlag"), 1);
    EXPECT_DOUBLE_EQ(defaults.doubleForKey("ratio"), 0.75);
    EXPECT_EQ(defaults.stringArrayForKey("oneEntry"), QStringList{"only"});
    EXPECT_TRUE(defaults.objectForKey("empty").isValid());
    EXPECT_TRUE(defaults.arrayForKey("empty").isEmpty());
    EXPECT_EQ(defaults.dictionaryForKey("account").value("port").toInt(), 21);
}

TEST_F(UserDefaultsTest, TextIsReadByItsLeadingNumber)
{
    defaults.setObject(QStringLiteral("12.5"), "text");
    EXPECT_EQ(defaults.integerForKey("text"), 12);
    EXPECT_DOUBLE_EQ(defaults.doubleForKey("text"), 12.5);
    EXPECT_TRUE(defaults.boolForKey("text"));
    defaults.setObject(QStringLiteral("abc"), "text");
    EXPECT_EQ(defaults.integerForKey("text"), 0);
    EXPECT_FALSE(defaults.boolForKey("text"));
    defaults.setObject(QVariantList{"a"}, "list");
    EXPECT_TRUE(defaults.stringForKey("list").isNull());
}

TEST_F(UserDefaultsTest, RegisteredDefaultsAnswerUntilAValueIsStored)
{
    defaults.registerDefaults({{"SorrelImageType", "JPEG"}});
    EXPECT_EQ(defaults.stringForKey("SorrelImageType"), "JPEG");
    defaults.setObject(QStringLiteral("PNG"), "SorrelImageType");
    EXPECT_EQ(defaults.stringForKey("SorrelImageType"), "PNG");
    defaults.removeObject("SorrelImageType");
    EXPECT_EQ(defaults.stringForKey("SorrelImageType"), "JPEG");
}

} // namespace
