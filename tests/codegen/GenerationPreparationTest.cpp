#include "codegen/GenerationPreparation.h"
#include "model/SKTText.h"
#include "model/records/myTextView.h"

#include <gtest/gtest.h>

TEST(GenerationPreparationTest, LinksAreTrimmedBlanksEncodedAndCutAtTheirFirstLineEnd)
{
    const struct {
        const char* link;
        const char* cleaned;
    } cases[] = {
        {" a b\nc", "a%20b"},
        {"  page two.html \n", "page%20two.html"},
        {"first\nsecond", "first"},
        {"   ", ""},
        {"", ""},
        {"http://example.com/a%20b", "http://example.com/a%20b"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GenerationPreparation::verifyLink(QString::fromLatin1(c.link)),
                  QString::fromLatin1(c.cleaned))
            << c.link;
}

TEST(GenerationPreparationTest, MissingUnitsBecomePercentOthersStay)
{
    myTextView record;
    record.setLeftMarginType(QStringLiteral("(null)"));
    record.setRightMarginType(QStringLiteral("pixel"));
    record.setTopPaddingType(QStringLiteral(""));
    EXPECT_EQ(&GenerationPreparation::populateTextViewMarginType(record), &record);
    EXPECT_EQ(record.leftMarginType(), QStringLiteral("%"));
    EXPECT_EQ(record.rightMarginType(), QStringLiteral("pixel"));
    EXPECT_EQ(record.topPaddingType(), QStringLiteral("%"));
    EXPECT_EQ(record.bottomMarginType(), QStringLiteral("%"));

    SKTText box;
    box.setBottomPaddingType(QStringLiteral("pixel"));
    GenerationPreparation::populateTextViewMarginType(box);
    EXPECT_EQ(box.bottomPaddingType(), QStringLiteral("pixel"));
    EXPECT_EQ(box.leftMarginType(), QStringLiteral("%"));
}
