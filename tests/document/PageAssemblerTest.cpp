#include "HtmlParsing.h"
#include "PageAssemblyTestSupport.h"

#include "document/format/PageFileFormat.h"
#include "document/format/PageObjectRules.h"
#include "document/writing/PageAssembly.h"
#include "model/SKTSlideshow.h"
#include "profile/services/WebFonts.h"

namespace {

using namespace PageObjects;

class PageAssemblerTest : public PageDocumentTest {
protected:
    // A page with one of each kind the assembler writes: a styled text box, an image, a line, a plain
    // and a formatted snippet.
    void buildStyledPage()
    {
        styled = textBox(QStringLiteral("Hello from Velk\nsecond line"), QRectF(10.7, 20, 200, 50));
        styled->setBackgroundHexColorString(QStringLiteral("FFEEDD"));
        styled->setTextHexColorString(QStringLiteral("112233"));
        styled->setBorderStyle(QStringLiteral("solid"));
        styled->setBorderWidth(2);
        styled->setBorderHexColorString(QStringLiteral("445566"));
        styled->setCornerRadius(6);
        styled->setHoverColorString(QStringLiteral("AA0000"));
        styled->setHoverTextColorString(QStringLiteral("00BB00"));
        styled->setGroupNumber(3);
        styled->setMoveLock(1);
        styled->setTemplateName(QStringLiteral("main.html"));
        picture = image(QStringLiteral("image1"), QRectF(300, 40, 120, 80));
        picture->setAltText(QStringLiteral("A \"blue\" sky"));
        rule = line(QPointF(30, 300), QPointF(230, 310));
        rule->setBorderWidth(3);
        rule->setBorderHexColorString(QStringLiteral("CLEAR0"));
        rule->setDrawEndArrow(true);
        plainSnippet = textBox(QStringLiteral("<b>Bold</b>\n<i>and more</i>"), QRectF(10, 400, 300, 60),
                               QStringLiteral("HTMLSnippet"));
        formattedSnippet = textBox(QStringLiteral("<span>Styled</span>"), QRectF(10, 500, 300, 40),
                                   QStringLiteral("HTMLSnippet"));
        formattedSnippet->setSnippetFormatFlag(true);
        formattedSnippet->setBackgroundHexColorString(QStringLiteral("CLEAR0"));
        for (const auto& graphic : GraphicList{styled, picture, rule, plainSnippet, formattedSnippet})
            add(graphic);
    }

    int layerOf(const std::shared_ptr<SKTGraphic>& graphic) const
    {
        return int(document.graphics().size() - document.graphics().indexOf(graphic));
    }

    std::shared_ptr<SKTText> styled;
    std::shared_ptr<SKTImage> picture;
    std::shared_ptr<SKTLine> rule;
    std::shared_ptr<SKTText> plainSnippet;
    std::shared_ptr<SKTText> formattedSnippet;
};

TEST_F(PageAssemblerTest, AnEmptyPageIsACompletePage)
{
    const QString page = storedPage();
    EXPECT_TRUE(
        page.startsWith(QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\" "
                                       "\"http://www.w3.org/TR/html4/loose.dtd\">\n<html><head>\n"
                                       "<title>Welcome</title>\n")));
    for (const char* expected : {
             "<meta name='Generator' content='HTML Velk Pro for Mac 1.0'>",
             "<meta name=\"keywords\" content=\"\">\n<meta name=\"description\" content=\"\">",
             "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\"/> \n",
             "bootstrap.min.css",
             "<!--Custom Header Code:0-->\n\n",
             "<style type=text/css>\n",
             ".tab {text-indent:40px;}\n",
             "table, td, th{border:0px solid black; padding:0px;text-align:left;vertical-align:top;}\n",
             "body{background-color:#FFFFFF;}",
             "</style></head>\n\n<body bgcolor=#FFFFFF leftmargin=0 topmargin=0>\n<div id=content>\n",
             "</div></body></html>\n\n\n\n\n<!--PUBLISHEXTSTART==html==PUBLISHEXTEND-->\n"
             "<!--BACKGROUNDIMAGESTART==1.00==BACKGROUNDIMAGEEND-->\n<!--PAGETITLESTART==Welcome=="
             "PAGETITLEEND-->\n"
             "<!--FIXEDCANVASSTART==0==FIXEDCANVASEND-->\n\n<!--CANVAS_SIZE_TYPE====CANVAS_SIZE_TYPE_END-->",
         })
        EXPECT_TRUE(page.contains(QString::fromUtf8(expected))) << expected;
    EXPECT_TRUE(page.endsWith(QStringLiteral("<!--CANVAS_SIZE_TYPE====CANVAS_SIZE_TYPE_END-->")));
    EXPECT_FALSE(page.contains(QStringLiteral("(null)")));
}

TEST_F(PageAssemblerTest, EveryRuleLineReadsBackToTheValuesWritten)
{
    buildStyledPage();
    const QString page = storedPage();
    const struct {
        const char* selector;
        const char* key;
        QString value;
        PageObjectRule::Scope scope = PageObjectRule::Scope::OwnRule;
    } cases[] = {
        {".text0{", "position", "absolute"},
        {".text0{", "left", "10"},
        {".text0{", "top", "20"},
        {".text0{", "z-index", QString::number(layerOf(styled))},
        {".text0{", "font-size", "18"},
        {".text0{", "color", "112233"},
        {".text0{", "background-color", "FFEEDD"},
        {".text0{", "width", "200"},
        {".text0{", "height", "50"},
        {".text0{", "font-family", "Lato"},
        {".text0{", "border-style", "solid"},
        {".text0{", "border-width", "2"},
        {".text0{", "border-color", "445566"},
        {".text0{", "border-radius", "6"},
        {".text0{", "fixed", "1"},
        {".text0{", "textAlpha", "1.000000"},
        {".text0{", "groupNumber", "3"},
        {".text0{", "templateName", "main"},
        {".text0{", "shapeBackgroundColor", "FFEEDD"},
        {".text0{", "nlines", "2"},
        {".text0{", "sectionNumber", "-99"},
        {".text0{", "topPaddingTypeStr", "%"},
        {".text0{", "rightMarginTypeStr", "%"},
        {".text0{", "verticalAlignment", "0"},
        {".text0{", "hoverColor", "AA0000", PageObjectRule::Scope::WholeLine},
        {".text0{", "hoverTextColor", "00BB00", PageObjectRule::Scope::WholeLine},
        {".text0{", "formType", "", PageObjectRule::Scope::WholeLine},
        {".text0{", "formOptionTag", QString::number(styled->formOptionTag()),
         PageObjectRule::Scope::WholeLine},
        {".image1{", "imagename", "image1"},
        {".image1{", "imagetype", "PNG"},
        {".image1{", "left", "300"},
        {".image1{", "top", "40"},
        {".image1{", "width", "120"},
        {".image1{", "height", "80"},
        {".image1{", "z-index", QString::number(layerOf(picture))},
        {".image1{", "slideShowNumber", "-99"},
        {".image1{", "galleryNumber", "-99"},
        {".image1{", "templateName", "home"},
        {".image1{", "imageAlpha", "1.000000"},
        {".image1{", "rightMarginTypeStr", "%"},
        {".line0{", "lineOriginX", "30"},
        {".line0{", "lineOriginY", "300"},
        {".line0{", "lineEndX", "230"},
        {".line0{", "lineEndY", "310"},
        {".line0{", "z-index", QString::number(layerOf(rule))},
        {".line0{", "border-width", "3"},
        {".line0{", "border-color", "000000"},
        {".line0{", "drawEndArrow", "1"},
        {".line0{", "drawBeginArrow", "0"},
        {".snippet1{", "nlines", "2"},
        {".snippet1{", "width", "300"},
        {".snippet1{", "z-index", QString::number(layerOf(plainSnippet))},
        {".snippet1{", "snippetFormattingFlag", "0"},
        {".snippet0{", "snippetFormattingFlag", "1"},
        {".snippet0{", "top", "500"},
        {".snippet0{", "shapeBackgroundColor", "CLEAR0"},
        {".snippet0{", "containsLinkFlag", "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(
            QStringLiteral("%1 %2").arg(QLatin1String(c.selector), QLatin1String(c.key)).toStdString());
        const QString line = lineStartingWith(page, QLatin1String(c.selector));
        ASSERT_FALSE(line.isEmpty());
        EXPECT_EQ(PageObjectRule(line).value(QLatin1String(c.key), c.scope), c.value);
    }
    // A transparent box has no background of its own; a CLEAR0 border is written and kept black.
    EXPECT_FALSE(PageObjectRule(lineStartingWith(page, QStringLiteral(".snippet0{")))
                     .hasProperty(QStringLiteral("background-color")));
    EXPECT_EQ(rule->borderHexColorString(), QStringLiteral("000000"));
    EXPECT_EQ(styled->templateName(), QStringLiteral("main"));
}

TEST_F(PageAssemblerTest, FreeTextThatWouldBreakARuleIsWrittenSafely)
{
    auto box = textBox(QStringLiteral("Text"), QRectF(0, 0, 100, 30));
    box->setTemplateName(QStringLiteral("a;b:c{d}e=f\"g<h"));
    box->setBubbleShape(QStringLiteral("x;manualLayerIndex:7"));
    box->setFontFamily(QStringLiteral("Lato;padding:99"));
    box->refreshStyle();
    add(box);
    auto bar = line(QPointF(0, 0), QPointF(50, 0));
    bar->setTemplateName(QStringLiteral("left=1;top:2"));
    add(bar);
    const QString page = storedPage();
    const PageObjectRule text(lineStartingWith(page, QStringLiteral(".text0{")));
    EXPECT_EQ(text.value(QStringLiteral("templateName")), QStringLiteral("abcdefgh"));
    EXPECT_EQ(text.value(QStringLiteral("manualLayerIndex")), QStringLiteral("0"));
    EXPECT_EQ(text.value(QStringLiteral("bubbleShape")), QStringLiteral("xmanualLayerIndex7"));
    EXPECT_EQ(text.value(QStringLiteral("font-family")), QStringLiteral("Latopadding99"));
    EXPECT_EQ(text.value(QStringLiteral("padding")), QStringLiteral("3"));
    const PageObjectRule lineRule(lineStartingWith(page, QStringLiteral(".line0{")));
    EXPECT_EQ(lineRule.value(QStringLiteral("templateName")), QStringLiteral("left1top2"));
    EXPECT_EQ(lineRule.value(QStringLiteral("lineOriginX")), QStringLiteral("0"));
    EXPECT_EQ(lineRule.value(QStringLiteral("manualLayerIndex")), QStringLiteral("0"));
}

TEST_F(PageAssemblerTest, FreeTextOfResponsiveSnippetsIsWrittenSafely)
{
    DataCentre::mutableProfile().responsiveDesign = true;
    auto snippet = textBox(QStringLiteral("<b>Hi</b>"), QRectF(0, 0, 100, 30), QStringLiteral("HTMLSnippet"));
    snippet->setTemplateName(QStringLiteral("a</style>;manualLayerIndex:7"));
    snippet->setBubbleShape(QStringLiteral("round}{xsColumnGrid=5\nnext"));
    snippet->setFontFamily(QStringLiteral("Lato\";padding:99"));
    snippet->refreshStyle();
    add(snippet);
    const QString page = storedPage();
    EXPECT_FALSE(page.contains(QStringLiteral("</style>;")));
    const PageObjectRule rule(lineStartingWith(page, QStringLiteral(".snippet0{")));
    const struct {
        const char* key;
        QString value;
    } cases[] = {
        {"templateName", QStringLiteral("a/stylemanualLayerIndex7")},
        {"manualLayerIndex", QStringLiteral("0")},
        {"font-family", QStringLiteral("Latopadding99")},
        {"padding", QStringLiteral("3")},
        {"bubbleShape", QStringLiteral("roundxsColumnGrid5next")},
        {"xsColumnGrid", QString::number(snippet->xsGridColumns())},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rule.value(QLatin1String(c.key)), c.value) << c.key;
    // The rule's last property is on its line: nothing cut the line short.
    EXPECT_TRUE(rule.hasProperty(QStringLiteral("line-multiple")));
    // The element keeps the name its user gave it.
    EXPECT_EQ(snippet->templateName(), QStringLiteral("a</style>;manualLayerIndex:7"));
}

TEST_F(PageAssemblerTest, ObjectsStackByTheirPlaceUnlessGivenALayer)
{
    auto front = textBox(QStringLiteral("front"), QRectF(0, 0, 50, 20));
    auto back = textBox(QStringLiteral("back"), QRectF(0, 40, 50, 20));
    auto layered = textBox(QStringLiteral("layered"), QRectF(0, 80, 50, 20));
    layered->setManualLayerIndex(5);
    for (const auto& box : {front, back, layered})
        add(box);
    const QString page = storedPage();
    // Text boxes are numbered from the last of the list.
    EXPECT_EQ(
        PageObjectRule(lineStartingWith(page, QStringLiteral(".text2{"))).value(QStringLiteral("z-index")),
        QStringLiteral("3"));
    EXPECT_EQ(
        PageObjectRule(lineStartingWith(page, QStringLiteral(".text1{"))).value(QStringLiteral("z-index")),
        QStringLiteral("2"));
    EXPECT_EQ(
        PageObjectRule(lineStartingWith(page, QStringLiteral(".text0{"))).value(QStringLiteral("z-index")),
        QStringLiteral("5"));
    EXPECT_TRUE(page.contains(QStringLiteral("<div class=text2>front</div>")));
}

TEST_F(PageAssemblerTest, TheTextRuleTellsTheBoxsOwnShadow)
{
    auto plain = textBox(QStringLiteral("plain"), QRectF(0, 0, 50, 20));
    // Values without the flag are no shown shadow: the rule tells none.
    plain->setShadowRadius(4);
    plain->setShadowVerticalOffset(3);
    auto shadowed = textBox(QStringLiteral("shadowed"), QRectF(0, 40, 50, 20));
    shadowed->setShadowFlag(1);
    shadowed->setShadowRadius(4);
    shadowed->setShadowHorizontalOffset(2);
    shadowed->setShadowVerticalOffset(3);
    auto faint = textBox(QStringLiteral("faint"), QRectF(0, 80, 50, 20));
    faint->setShadowFlag(1);
    for (const auto& box : {plain, shadowed, faint})
        add(box);
    const QString page = storedPage();
    const struct {
        const char* selector;
        const char* shadow;
    } cases[] = {
        {".text2{", ";fixed:0;shadowOpacity:0.000000;shadowRadius:0.000000;shadowOffSetY:0;"},
        {".text1{", ";fixed:0;box-shadow: 2px 3px 4.000000px #000000;shadowOpacity:1.000000;"
                    "shadowRadius:4.000000;shadowOffSetY:3;"},
        // A shown shadow keeps a radius a reader takes it from.
        {".text0{", ";fixed:0;box-shadow: 0px 0px 1.000000px #000000;shadowOpacity:1.000000;"
                    "shadowRadius:1.000000;shadowOffSetY:0;"},
    };
    for (const auto& c : cases) {
        const QString rule = lineStartingWith(page, QString::fromLatin1(c.selector));
        EXPECT_TRUE(rule.contains(QLatin1String(c.shadow))) << rule.toStdString();
    }
}

TEST_F(PageAssemblerTest, ImagesAreWrittenInTheOrderOfTheirNumbers)
{
    for (const char* name : {"image2", "image10", "image1"})
        add(image(QString::fromLatin1(name), QRectF(0, 0, 20, 20)));
    const QString page = storedPage();
    const qsizetype first = page.indexOf(QStringLiteral(".image1{"));
    const qsizetype second = page.indexOf(QStringLiteral(".image2{"));
    const qsizetype tenth = page.indexOf(QStringLiteral(".image10{"));
    EXPECT_TRUE(first >= 0 && first < second && second < tenth);
    EXPECT_TRUE(page.contains(QStringLiteral("<div class=image10><img src=\"home/image10@2x.PNG\" "
                                             "class=\"img-responsive\" alt=\"\"></div>")));
}

TEST_F(PageAssemblerTest, ResponsiveSlidesAreCroppedToTheirOwnSlideshow)
{
    DataCentre::mutableProfile().responsiveDesign = true;
    document.setPageName(QStringLiteral("home"));
    const int heights[] = {30, 60, 45};
    for (int i = 0; i < 3; ++i) {
        auto slideshow = std::make_shared<SKTSlideshow>();
        slideshow->setBounds(QRectF(0, 100 * i, 200, heights[i]));
        auto slide = TransformView::initWithFrame(QRectF(0, 0, 100, 75));
        slide->setImageName(QStringLiteral("image%1").arg(i + 1));
        slide->setImageType(QStringLiteral("PNG"));
        QImage picture(100, 75, QImage::Format_ARGB32);
        picture.fill(Qt::green);
        slide->setImage(picture);
        slide->setSelectable(1);
        slideshow->setImageArray({slide});
        add(slideshow);
    }
    ASSERT_TRUE(document.savePageFile(0));
    for (int i = 0; i < 3; ++i) {
        const QImage band(QDir(workFolder).filePath(QStringLiteral("home/image%1@2x.PNG").arg(i + 1)));
        EXPECT_EQ(band.size(), QSize(200, heights[i])) << "slide " << i + 1;
    }
}

TEST_F(PageAssemblerTest, TextBodiesStayTextAndLinksStayInTheirAttribute)
{
    auto box = textBox(QStringLiteral("a < b > c\nnext"), QRectF(0, 0, 100, 40));
    box->setLink(QStringLiteral(" http://example.org/a b\"c "));
    box->setLinkOption(QString());
    add(box);
    const QString page = storedPage();
    EXPECT_TRUE(
        page.contains(QStringLiteral("<div class=text0><a href=http://example.org/a%20b%22c target=_self>"
                                     "a &lt; b &gt; c<br>next</a></div>\n")));
    EXPECT_EQ(box->linkOption(), QStringLiteral("_self"));
}

TEST_F(PageAssemblerTest, TargetsColoursAndFileNamesFromADamagedPageLandSafely)
{
    auto box = textBox(QStringLiteral("Go"), QRectF(0, 0, 100, 40));
    box->setLink(QStringLiteral("page2.html"));
    box->setLinkOption(QStringLiteral("_blank onclick=alert(1)"));
    box->setTextHexColorString(QStringLiteral("red;}</style><script>"));
    box->setHoverColorString(QStringLiteral("00FF00\"}"));
    box->setBackgroundHexColorString(QStringLiteral("xyz"));
    add(box);
    auto picture = image(QStringLiteral("image1"), QRectF(0, 100, 50, 50));
    picture->setLink(QStringLiteral("http://example.org"));
    picture->setLinkOption(QStringLiteral("x\"y"));
    picture->setBorderHexColorString(QStringLiteral("blue"));
    add(picture);

    const QString page = storedPage(QStringLiteral("my page"));
    EXPECT_TRUE(
        page.contains(QStringLiteral("<div class=text0><a href=page2.html target=_self>Go</a></div>")));
    EXPECT_TRUE(page.contains(QStringLiteral("<a href=http://example.org target=_self><img "
                                             "src=\"my%20page/image1@2x.PNG\"")));
    const QString rule = lineStartingWith(page, QStringLiteral(".text0{"));
    EXPECT_TRUE(rule.contains(QStringLiteral(";color:#000000;"))) << rule.toStdString();
    EXPECT_TRUE(rule.contains(QStringLiteral("shapeBackgroundColor:CLEAR0;")));
    EXPECT_FALSE(rule.contains(QStringLiteral("background-color")));
    EXPECT_FALSE(rule.contains(QStringLiteral("hover")));
    EXPECT_TRUE(
        lineStartingWith(page, QStringLiteral(".image1{")).contains(QStringLiteral("border-color:#000000;")));
    for (const char* hostile : {"red;", "xyz", "00FF00", "onclick", "x\"y", "blue"})
        EXPECT_FALSE(page.contains(QLatin1String(hostile))) << hostile;
    EXPECT_EQ(htmlErrors(page.toUtf8()), QStringList());
}

TEST_F(PageAssemblerTest, ProfileValuesFollowAsKeyedBlocksAndTypographicCharactersBecomeEntities)
{
    DataCentre::mutableProfile().profileFieldKeys = {QStringLiteral("Pet Name"), QStringLiteral("Owner")};
    document.profileDictionary().insert(QStringLiteral("Pet Name"),
                                        QStringLiteral("Rex \u00A9 \u201Cthe\u201D"));
    add(textBox(QStringLiteral("10 \u20AC \u2014 \u00A3"), QRectF(0, 0, 100, 20)));
    const QString page = storedPage();
    EXPECT_TRUE(page.endsWith(QStringLiteral("==CANVAS_SIZE_TYPE_END-->\n\n<!====Pet NameSTARTSTRING--Rex "
                                             "&copy; \"the\"--Pet NameENDSTRING====>")));
    EXPECT_TRUE(page.contains(QStringLiteral("<div class=text0>10 &euro; - &pound;</div>")));
}

TEST_F(PageAssemblerTest, ProductsMayTitlePagesFromTheProfileAndKeepThemOffTheBaseTemplate)
{
    document.profileDictionary().insert(QStringLiteral("Owner First Name"), QStringLiteral("Anna"));
    document.profileDictionary().insert(QStringLiteral("Pet Chart Number"), QStringLiteral("C42"));
    document.setUseBaseTemplateFlag(1);
    EXPECT_TRUE(storedPage().contains(QString(PageFile::Trailer::useBaseTemplate)));
    EXPECT_EQ(document.pageOfficialName(), QStringLiteral("Welcome"));

    ProductProfile& profile = DataCentre::mutableProfile();
    profile.pageTitleProfileKeys = {"Owner First Name", "Owner Last Name", "Pet Chart Number"};
    profile.pagesWithoutBaseTemplate = true;
    const QString page = storedPage();
    EXPECT_EQ(document.pageOfficialName(), QStringLiteral("Anna  C42"));
    EXPECT_TRUE(page.contains(PageFile::Trailer::pageTitle.written(QStringLiteral("Anna  C42"))));
    EXPECT_EQ(document.useBaseTemplateFlag(), 0);
    EXPECT_FALSE(page.contains(QString(PageFile::Trailer::useBaseTemplate)));
}

// The files a page refers to are the save's and the publisher's to write: generating only answers the text.
TEST_F(PageAssemblerTest, GeneratingTwiceGivesTheSameTextAndWritesNoFile)
{
    DataCentre::mutableProfile().separateStyleSheet = true;
    buildStyledPage();
    document.setPageName(QStringLiteral("home"));
    document.setBackgroundImageFlag(1);
    document.setBackgroundImageType(QStringLiteral("PNG"));
    QImage background(8, 8, QImage::Format_ARGB32);
    background.fill(Qt::magenta);
    document.setBackgroundImage(background);
    document.setOpenWebsiteFolderTempPath(workFolder);
    writeBytes(QDir(workFolder).filePath(QStringLiteral("home/unused.png")), "no image uses it");
    const QMap<QString, QByteArray> before = filesWithBytesBelow(homePath());

    const QString first = document.generateSourceCode(QStringLiteral("home"), 0);
    EXPECT_TRUE(first.contains(QStringLiteral("<div class=text0>")));
    EXPECT_EQ(document.generateSourceCode(QStringLiteral("home"), 0), first);
    EXPECT_EQ(filesWithBytesBelow(homePath()), before);
}

TEST_F(PageAssemblerTest, WebFontsInUseAreRequestedOnce)
{
    add(textBox(QStringLiteral("one"), QRectF(0, 0, 100, 20)));
    add(textBox(QStringLiteral("two"), QRectF(0, 40, 100, 20)));
    const QString page = storedPage();
    EXPECT_EQ(page.count(QStringLiteral("css?family=Lato:300|&amp;subset=latin,latin-ext")), 1);
    auto plain = std::make_shared<SKTDocument>();
    EXPECT_FALSE(
        plain->generateSourceCode(QStringLiteral("empty"), 0).contains(QStringLiteral("css?family=")));
}

TEST_F(PageAssemblerTest, TheStoredPageParsesAsHtmlWithoutErrors)
{
    buildStyledPage();
    const QStringList errors = htmlErrors(storedPage().toUtf8());
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
    // The parser does report broken markup.
    EXPECT_FALSE(htmlErrors("<html><body><div class=a>x</span><p <</body></html>").isEmpty());
}

} // namespace
