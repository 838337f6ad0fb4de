#include "codegen/CodeText.h"

#include <gtest/gtest.h>

namespace {

TEST(CodeTextTest, RuleTextLosesWhatWouldEndItsPropertyItsLineOrTheStyleElement)
{
    const struct {
        QString typed;
        QString written;
    } cases[] = {
        {QStringLiteral("plain name-1_2 (copy), été"), QStringLiteral("plain name-1_2 (copy), été")},
        {QStringLiteral("a;b:c{d}e=f"), QStringLiteral("abcdef")},
        {QStringLiteral("\"Lato\"</style><script>\\"), QStringLiteral("Lato/stylescript")},
        {QStringLiteral("1\n2\r3\v4\f5") + QChar(0x85) + QStringLiteral("6") + QChar(0x2028) +
             QStringLiteral("7") + QChar(0x2029) + QStringLiteral("8"),
         QStringLiteral("12345678")},
        {QStringLiteral(";:{}="), QStringLiteral("")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CodeText::safeRuleText(c.typed), c.written) << c.typed.toStdString();
}

TEST(CodeTextTest, InlineStylesCannotEndTheirSingleQuotedAttribute)
{
    EXPECT_EQ(CodeText::singleQuotedAttribute(QStringLiteral("font-family:Bob's Hand;color:#000;")),
              QStringLiteral("font-family:Bob&#39;s Hand;color:#000;"));
    EXPECT_EQ(CodeText::singleQuotedAttribute(QStringLiteral("a&b")), QStringLiteral("a&amp;b"));
}

TEST(CodeTextTest, TypedTextCanOpenNoTagEntityOrAttribute)
{
    const QString typed = QStringLiteral("5 &lt; 6 & <b>\"x\"</b>\r\nnext\nline\u2028end");
    EXPECT_EQ(CodeText::escapedText(typed),
              QStringLiteral("5 &amp;lt; 6 &amp; &lt;b&gt;\"x\"&lt;/b&gt;\r\nnext\nline\u2028end"));
    EXPECT_EQ(CodeText::escapedLine(typed),
              QStringLiteral("5 &amp;lt; 6 &amp; &lt;b&gt;&quot;x&quot;&lt;/b&gt; next line end"));
    EXPECT_EQ(CodeText::bodyMarkup(QStringLiteral("a & b\n<c>"), 0, true),
              QStringLiteral("a &amp; b<br>&lt;c&gt;"));
    EXPECT_EQ(CodeText::bodyMarkup(QStringLiteral("a & b\n<c>"), 0, false), QStringLiteral("a & b<br><c>"));
}

TEST(CodeTextTest, TargetsIdsColoursAndPathsStayInTheirPlace)
{
    const struct {
        QString given;
        QString target;
        QString id;
        QString color;
    } cases[] = {
        {QStringLiteral("_blank"), QStringLiteral("_blank"), QStringLiteral("_blank"), QStringLiteral("-")},
        {QStringLiteral("_top"), QStringLiteral("_top"), QStringLiteral("_top"), QStringLiteral("-")},
        {QStringLiteral("frame-2_a"), QStringLiteral("frame-2_a"), QStringLiteral("frame-2_a"),
         QStringLiteral("-")},
        {QStringLiteral("_other"), QStringLiteral("_self"), QStringLiteral("_other"), QStringLiteral("-")},
        {QStringLiteral("x onclick=alert(1)"), QStringLiteral("_self"), QStringLiteral("xonclickalert1"),
         QStringLiteral("-")},
        {QStringLiteral(""), QStringLiteral("_self"), QStringLiteral(""), QStringLiteral("-")},
        {QStringLiteral("A0b1C2"), QStringLiteral("A0b1C2"), QStringLiteral("A0b1C2"),
         QStringLiteral("A0b1C2")},
        {QStringLiteral("CLEAR0"), QStringLiteral("CLEAR0"), QStringLiteral("CLEAR0"),
         QStringLiteral("CLEAR0")},
        {QStringLiteral("FF00GG"), QStringLiteral("FF00GG"), QStringLiteral("FF00GG"), QStringLiteral("-")},
        {QStringLiteral("FF0000;}body{"), QStringLiteral("_self"), QStringLiteral("FF0000body"),
         QStringLiteral("-")},
        {QStringLiteral("\u00E9t\u00E9"), QStringLiteral("_self"), QStringLiteral("t"), QStringLiteral("-")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CodeText::safeWindowTarget(c.given), c.target) << c.given.toStdString();
        EXPECT_EQ(CodeText::safeIdentifier(c.given), c.id) << c.given.toStdString();
        EXPECT_EQ(CodeText::safeColor(c.given, QStringLiteral("-")), c.color) << c.given.toStdString();
    }
    EXPECT_EQ(CodeText::safeUrlPath(QStringLiteral("my page/image1@2x.PNG")),
              QStringLiteral("my%20page/image1@2x.PNG"));
    EXPECT_EQ(CodeText::safeUrlPath(QStringLiteral("a'b\")c)<d>/\u00E9.png")),
              QStringLiteral("a%27b%22%29c%29%3Cd%3E/%C3%A9.png"));
}

} // namespace
