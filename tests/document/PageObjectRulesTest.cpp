#include "document/format/PageObjectRules.h"
#include "document/format/PageFileFormat.h"

#include <gtest/gtest.h>

namespace {

using Scope = PageObjectRule::Scope;

// A text rule as stored: own rule, then the hover keys, link, visited (form-field) and hover CSS rules.
const QString kTextRule = QStringLiteral(
    ".text3{position:fixed;left:10px;top:20px;z-index:7;font-size:14px;color:#FF0000;width:200px;"
    "font-family:\"Helvetica Neue\";fixed:1;groupNumber:-98.000000;}"
    ".text3{hoverColor:00FF00;hoverTextColor:0000FF;}"
    ".text3 a:link {text-decoration: none; color: #FF0000;font-weight:normal;}"
    ".text3 a:visited {text-decoration: none; color: #FF0000;font-weight:normal;formType:text;formTag:4;"
    "formOptionTag:-11;formRequiredFlag:1;}"
    ".text3:hover{background-color:#00FF00;color:#0000FF;}");

TEST(PageObjectRuleTest, RewritesAndSplitsTheLine)
{
    const QString line = QStringLiteral(".image2{position:absolute;left:10px;border-color:#00FF00;"
                                        "filter:alpha(opacity=50.000000);font-family:\"Expxo\";}");
    EXPECT_EQ(PageObjectRule::cleanedText(line),
              QStringLiteral(".image2:position:absolute:left:10:border-color:00FF00:"
                             "filter:alpha(opacity:50.000000):font-family:Exo:"));
    const QStringList expected = {".image2",      "position", "absolute", "left",          "10",
                                  "border-color", "00FF00",   "filter",   "alpha(opacity", "50.000000)",
                                  "font-family",  "Exo",      ""};
    EXPECT_EQ(PageObjectRule::tokenised(line), expected);
    const PageObjectRule rule(line);
    EXPECT_EQ(rule.tokens(), expected);
    EXPECT_EQ(rule.text(), PageObjectRule::cleanedText(line));
    EXPECT_EQ(rule.selector(), QStringLiteral(".image2"));
    // Blanks stay in their tokens.
    EXPECT_EQ(PageObjectRule::tokenised(QStringLiteral(".a{b: c;}")), (QStringList{".a", "b", " c", ""}));
}

TEST(PageObjectRuleTest, DropsPxBeforeTheMarksThatCouldJoinOne)
{
    // "px" goes first, taken left to right; a "#", a quote or a "}" between "p" and "x" goes later and
    // leaves "px" in the text. A "}" separates no tokens; the first one ends the own rule at the tokens
    // finished before it.
    const PageObjectRule rule(QStringLiteral(".a{ppxx:p#x;b=p\"x}c:p}x"));
    EXPECT_EQ(rule.text(), QStringLiteral(".a:px:px:b:pxc:px"));
    EXPECT_EQ(rule.tokens(), (QStringList{".a", "px", "px", "b", "pxc", "px"}));
    EXPECT_TRUE(rule.isInOwnRule(3));
    EXPECT_FALSE(rule.isInOwnRule(4));
    EXPECT_EQ(rule.string(QStringLiteral("px"), QString()), QStringLiteral("px"));
    EXPECT_FALSE(rule.hasProperty(QStringLiteral("b")));
}

TEST(PageObjectRuleTest, ReadsValuesOnlyAfterPropertyNames)
{
    const PageObjectRule rule(kTextRule);
    // "fixed" first stands as the position's value; the move lock is the property of that name.
    EXPECT_EQ(rule.string(QStringLiteral("position"), QString()), QStringLiteral("fixed"));
    EXPECT_EQ(rule.truncated(QStringLiteral("fixed"), 0), 1);
    EXPECT_EQ(rule.truncated(QStringLiteral("groupNumber"), -99), -98);
    EXPECT_EQ(rule.requiredInt(QStringLiteral("left")), 10);
    EXPECT_EQ(rule.requiredFloat(QStringLiteral("z-index")), 7.0f);
    EXPECT_EQ(rule.string(QStringLiteral("font-family"), QString()), QStringLiteral("Helvetica Neue"));
    EXPECT_EQ(rule.string(QStringLiteral("color"), QString()), QStringLiteral("FF0000"));
    // A value is never a name: "absolute" or "10" are not properties.
    EXPECT_FALSE(rule.hasProperty(QStringLiteral("10")));
    EXPECT_FALSE(rule.isNameAt(0));
}

TEST(PageObjectRuleTest, MissingKeysGiveTheirDefaultsNeverTheSelector)
{
    const PageObjectRule rule(
        QStringLiteral(".text0{position:absolute;left:1px;top:2px;z-index:3;background-color:#123456;}"));
    // "color" stands only inside "background-color"; "width" nowhere.
    EXPECT_EQ(rule.string(QStringLiteral("color"), QStringLiteral("000000")), QStringLiteral("000000"));
    EXPECT_EQ(rule.integer(QStringLiteral("color"), 5), 5);
    EXPECT_EQ(rule.real(QStringLiteral("width"), 1.5f), 1.5f);
    EXPECT_EQ(rule.truncated(QStringLiteral("templateName"), -99), -99);
    EXPECT_FALSE(rule.value(QStringLiteral("color")).has_value());
    EXPECT_EQ(rule.string(QStringLiteral("background-color"), QString()), QStringLiteral("123456"));
}

TEST(PageObjectRuleTest, RequiredKeysThatAreMissingFailTheReading)
{
    const PageObjectRule rule(QStringLiteral(".line0{position:absolute;lineOriginX:5;}"));
    EXPECT_EQ(rule.requiredInt(QStringLiteral("lineOriginX")), 5);
    EXPECT_THROW(rule.requiredInt(QStringLiteral("lineOriginY")), PageReadError);
    EXPECT_THROW(rule.requiredString(QStringLiteral("absolute")), PageReadError);
    // Garbage without any property at all.
    const PageObjectRule garbage(QStringLiteral(".text9{position:"));
    EXPECT_THROW(garbage.requiredInt(QStringLiteral("left")), PageReadError);
    EXPECT_EQ(garbage.string(QStringLiteral("position"), QStringLiteral("x")), QString());
}

TEST(PageObjectRuleTest, CompanionRulesAreSeenOnlyWhenAskedFor)
{
    const PageObjectRule rule(kTextRule);
    // The hover rule's background is not the element's.
    EXPECT_FALSE(rule.hasProperty(QStringLiteral("background-color")));
    EXPECT_TRUE(rule.hasProperty(QStringLiteral("background-color"), Scope::WholeLine));
    EXPECT_EQ(rule.string(QStringLiteral("hoverColor"), QString(), Scope::WholeLine),
              QStringLiteral("00FF00"));
    EXPECT_EQ(rule.string(QStringLiteral("hoverTextColor"), QString(), Scope::WholeLine),
              QStringLiteral("0000FF"));
    EXPECT_EQ(rule.string(QStringLiteral("formType"), QString(), Scope::WholeLine), QStringLiteral("text"));
    EXPECT_EQ(rule.integer(QStringLiteral("formTag"), -99, Scope::WholeLine), 4);
    EXPECT_EQ(rule.integer(QStringLiteral("formOptionTag"), -99, Scope::WholeLine), -11);
    EXPECT_EQ(rule.integer(QStringLiteral("formTag"), -99), -99);
    // The link rule's " color" keeps its blank and is another name.
    EXPECT_EQ(rule.string(QStringLiteral(" color"), QString(), Scope::WholeLine), QStringLiteral(" FF0000"));
    const qsizetype hover = rule.nameIndex(QStringLiteral("hoverColor"), Scope::WholeLine);
    EXPECT_FALSE(rule.isInOwnRule(hover));
    EXPECT_TRUE(rule.isInOwnRule(rule.nameIndex(QStringLiteral("left"))));
}

TEST(PageObjectRuleTest, NumbersAreReadFromTheStartOfTheValue)
{
    struct Case {
        const char* value;
        int integer;
        float real;
        int truncated;
    };
    const Case cases[] = {
        {"12", 12, 12.0f, 12},
        {"-99", -99, -99.0f, -99},
        {"1.000000", 1, 1.0f, 1},
        {"-1.700000", -1, -1.7f, -1},
        {" 5", 5, 5.0f, 5},
        {"abc", 0, 0.0f, 0},
        {"", 0, 0.0f, 0},
        {"100%", 100, 100.0f, 100},
        {"3e9", 3, 16777216.0f, 16777216},
        {"-2147483648", -16777216, -16777216.0f, -16777216},
        {"nan", 0, 0.0f, 0},
        {"1e400", 1, 16777216.0f, 16777216},
    };
    for (const Case& c : cases) {
        const QString value = QString::fromLatin1(c.value);
        EXPECT_EQ(PageObjectRules::intOf(value), c.integer) << c.value;
        EXPECT_FLOAT_EQ(PageObjectRules::floatOf(value), c.real) << c.value;
        EXPECT_EQ(PageObjectRules::truncatedOf(value), c.truncated) << c.value;
    }
}

TEST(PageObjectRuleTest, RecognisesRuleLinesOfAKind)
{
    struct Case {
        const char* line;
        bool text;
        bool image;
    };
    const Case cases[] = {
        {".text0{position:absolute;left:1px;}", true, false},
        {"   .text0{position:absolute;}", true, false},
        {".text0{left:1px;}", false, false},
        {".image1{left:1px;}", false, true},
        {"  .image1{position:absolute;}", false, true},
        {"x.text0{position:absolute;}", false, false},
        {"@media(-webkit-min-device-pixel-ratio: 2) {.image1{position:absolute;}", false, false},
    };
    for (const Case& c : cases) {
        const QString line = QString::fromLatin1(c.line);
        EXPECT_EQ(PageObjectRules::isRuleLine(line, PageFile::Rule::text, true), c.text) << c.line;
        EXPECT_EQ(PageObjectRules::isRuleLine(line, PageFile::Rule::image, false), c.image) << c.line;
    }
}

} // namespace
