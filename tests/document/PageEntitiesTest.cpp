#include "document/format/PageEntities.h"

#include <gtest/gtest.h>

namespace {

TEST(PageEntitiesTest, StoredTextReadsBackAsTyped)
{
    const struct {
        QString stored;
        QString decoded;
        QString typographicOnly; // where typed markup characters were written as they are
    } cases[] = {
        {QStringLiteral("&lt;b&gt; &quot;x&quot;"), QStringLiteral("<b> \"x\""),
         QStringLiteral("&lt;b&gt; &quot;x&quot;")},
        {QStringLiteral("&amp;lt; &amp;euro; &amp;amp;"), QStringLiteral("&lt; &euro; &amp;"),
         QStringLiteral("&amp;lt; &amp;euro; &amp;amp;")},
        {QStringLiteral("&copy;&reg;&pound;&cent;&yen;&euro;&iquest;"),
         QStringLiteral("\u00A9\u00AE\u00A3\u00A2\u00A5\u20AC\u00BF"),
         QStringLiteral("\u00A9\u00AE\u00A3\u00A2\u00A5\u20AC\u00BF")},
        {QStringLiteral("a & b; &nbsp; &#39;"), QStringLiteral("a & b; &nbsp; &#39;"),
         QStringLiteral("a & b; &nbsp; &#39;")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PageEntities::decoded(c.stored), c.decoded) << c.stored.toStdString();
        EXPECT_EQ(PageEntities::decoded(c.stored, false), c.typographicOnly) << c.stored.toStdString();
    }
}

TEST(PageEntitiesTest, TypographicCharactersBecomeEntitiesOrTheirPlainForms)
{
    EXPECT_EQ(PageEntities::withEntities(QStringLiteral("\u00A9 \u2018a\u2019 \u201Cb\u201D \u2014 \u20AC")),
              QStringLiteral("&copy; 'a' \"b\" - &euro;"));
    EXPECT_EQ(PageEntities::decoded(PageEntities::withEntities(QStringLiteral("\u00A3 \u00BF"))),
              QStringLiteral("\u00A3 \u00BF"));
}

} // namespace
