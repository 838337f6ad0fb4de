#include "PageAssemblyTestSupport.h"

#include "document/DocumentAlerts.h"
#include "model/ArchivedImage.h"
#include "model/SKTLine.h"

#include <QCoreApplication>
#include <QFileInfo>

// A page saved as a page document and opened in a fresh document comes back as it was, except where
// the stored form of a page keeps less than the object holds; each such difference is named here.

namespace {

using namespace PageObjects;

using KeySet = QSet<QString>;

// Every reopened object takes the page file's name as its template name; the next save writes it
// without the extension, as the first save wrote the page's own name.
const QString kTemplateName = QStringLiteral("templateName");

// What each kind loses on the way, by the key of its property dictionary.
const KeySet kTextDeviations = {kTemplateName};
const KeySet kLineDeviations = {kTemplateName};
// Image dictionaries always say white for the background: a picture has none of its own. The picture
// comes back from its unscaled file in that file's pixel format, so its archive differs while its
// pixels, compared on their own, are the same.
const KeySet kImageDeviations = {kTemplateName, QStringLiteral("backgroundHexColorString"),
                                 QStringLiteral("contents")};
// A snippet without text formatting stores only its place and its code: it comes back as a grey box of
// code, in the default font, dashed, slightly transparent, with pixel units and no line spacing.
const KeySet kPlainSnippetDeviations = {
    kTemplateName,
    QStringLiteral("backgroundHexColorString"),
    QStringLiteral("fillColor"),
    QStringLiteral("borderColor"),
    QStringLiteral("borderStyle"),
    QStringLiteral("fontColor"),
    QStringLiteral("textHexColorString"),
    QStringLiteral("fontFamily"),
    QStringLiteral("fontSize"),
    QStringLiteral("opacity"),
    QStringLiteral("lineSpacing"),
    QStringLiteral("topPaddingType"),
    QStringLiteral("bottomPaddingType"),
    QStringLiteral("leftPaddingType"),
    QStringLiteral("rightPaddingType"),
    QStringLiteral("topMarginType"),
    QStringLiteral("bottomMarginType"),
    QStringLiteral("leftMarginType"),
    QStringLiteral("rightMarginType"),
};

// Positions and sizes are stored in whole pixels, cut toward zero.
const QString kBounds = QStringLiteral("bounds");

KeySet kindDeviations(const SKTGraphic& graphic)
{
    if (graphic.className() == u"SKTImage")
        return kImageDeviations;
    if (graphic.className() == u"SKTLine")
        return kLineDeviations;
    if (graphic.textType() == u"HTMLSnippet" && !graphic.snippetFormatFlag())
        return kPlainSnippetDeviations;
    return kTextDeviations;
}

KeySet differingKeys(const GraphicPropertyDictionary& original, const GraphicPropertyDictionary& reopened)
{
    KeySet keys;
    for (const QString& key : original.keys() + reopened.keys()) {
        if (original.value(key) != reopened.value(key))
            keys.insert(key);
    }
    return keys;
}

QImage pictureOf(const GraphicPropertyDictionary& properties)
{
    return GraphicProperties::unarchivedImage(properties.value(QStringLiteral("contents")))
        .convertToFormat(QImage::Format_ARGB32);
}

class PageRoundTripTest : public ReopenedPageTest {
protected:
    void buildPage()
    {
        auto box = textBox(QStringLiteral("First line with a < sign\nsecond line"), QRectF(20, 30, 240, 60));
        box->setLink(QStringLiteral("page2.html"));
        box->setLinkOption(QStringLiteral("_blank"));
        box->setBorderStyle(QStringLiteral("solid"));
        box->setBorderWidth(2);
        box->setBorderHexColorString(QStringLiteral("FF0000"));
        box->setBorderColor(Qt::red);
        for (auto pad : {&SKTGraphic::setTopPadding, &SKTGraphic::setBottomPadding,
                         &SKTGraphic::setLeftPadding, &SKTGraphic::setRightPadding})
            (box.get()->*pad)(6);
        add(box);

        auto picture = image(QStringLiteral("image1"), QRectF(300, 30, 80, 60));
        picture->setLink(QStringLiteral("http://example.com/fruit"));
        picture->setLinkOption(QStringLiteral("_blank"));
        picture->setAltText(QStringLiteral("A basket of fruit"));
        picture->setBorderColor(Qt::black);
        // The picture as an imported one holds it: the source picture and the drawn one.
        picture->setInputImage(picture->_contents());
        add(picture);
        // The text box and the picture are one group.
        box->setGroupNumber(-98);
        picture->setGroupNumber(-98);

        auto arrow = line(QPointF(20, 120), QPointF(380, 120));
        arrow->setDrawEndArrow(true);
        arrow->setBorderWidth(3);
        arrow->setBorderColor(Qt::black);
        add(arrow);

        auto snippet = textBox(QStringLiteral("<b>bold</b>\n<i>italic</i>"), QRectF(20, 150, 200, 50),
                               QStringLiteral("HTMLSnippet"));
        add(snippet);

        // In front of everything by its own layer index, and placed between whole pixels.
        auto layered = textBox(QStringLiteral("On top"), QRectF(400.75, 30.5, 100.9, 30.2));
        layered->setManualLayerIndex(50);
        layered->setBorderColor(Qt::black);
        document.insertGraphics({layered}, {0});
        extraDeviations.insert(layered.get(), {kBounds});

        document.setPageOfficialName(QStringLiteral("Fruit and more"));
        document.setPublishExt(QStringLiteral("php"));
        document.setDocSpecificFixedCanvasFlag(1);
        document.setDocSpecificPageWidth(800);
        document.setDocSpecificPageHeight(600);
        document.setMetaKeywords(QStringLiteral("fruit, baskets"));
        document.setMetaDescription(QStringLiteral("Fruit in baskets"));
        document.setCustomHeaderCode(QStringLiteral("<script>var shop = 1;</script>\n<meta name=\"shop\">"));
    }

    KeySet expectedDeviations(const SKTGraphic& graphic) const
    {
        return kindDeviations(graphic) + extraDeviations.value(&graphic);
    }

    QHash<const SKTGraphic*, KeySet> extraDeviations;
};

TEST_F(PageRoundTripTest, ASavedPageOpensAsItWasAndSavesTheSameText)
{
    buildPage();
    ASSERT_TRUE(document.saveThisPage(location, 0));
    const QString saved = pageTextIn(location, QStringLiteral("home.html"));
    ASSERT_FALSE(saved.isEmpty());

    SKTDocument opened;
    opened.setFileLocation(location);
    ASSERT_TRUE(opened.refreshDocument());
    QCoreApplication::processEvents();

    // The same objects in the same order.
    ASSERT_EQ(opened.graphics().size(), document.graphics().size());
    for (int i = 0; i < document.graphics().size(); ++i) {
        SKTGraphic& original = *document.graphics().at(i);
        SKTGraphic& reopened = *opened.graphics().at(i);
        SCOPED_TRACE(QStringLiteral("graphic %1, %2").arg(i).arg(original.className()).toStdString());
        ASSERT_EQ(reopened.className(), original.className());
        const GraphicPropertyDictionary before = original.properties();
        const GraphicPropertyDictionary after = reopened.properties();
        EXPECT_EQ(differingKeys(before, after), expectedDeviations(original));
        EXPECT_EQ(reopened.templateName(), QStringLiteral("home.html"));
        if (original.className() == u"SKTImage") {
            EXPECT_EQ(pictureOf(after), pictureOf(before));
        }
    }
    EXPECT_EQ(opened.graphics().at(0)->manualLayerIndex(), 50);
    EXPECT_EQ(opened.graphics().at(0)->bounds(), QRectF(400, 30, 100, 30));
    EXPECT_EQ(opened.graphics().at(1)->textString(), QStringLiteral("First line with a < sign\nsecond line"));
    EXPECT_EQ(opened.graphics().at(1)->link(), QStringLiteral("page2.html"));
    EXPECT_EQ(opened.graphics().at(1)->linkOption(), QStringLiteral("_blank"));
    EXPECT_EQ(opened.graphics().at(2)->altText(), QStringLiteral("A basket of fruit"));
    EXPECT_EQ(opened.graphics().at(2)->groupNumber(), -98);
    EXPECT_TRUE(opened.graphics().at(3)->drawEndArrow());
    EXPECT_EQ(opened.graphics().at(4)->textString(), QStringLiteral("<b>bold</b>\n<i>italic</i>"));

    // The same page settings.
    EXPECT_EQ(opened.pageOfficialName(), QStringLiteral("Fruit and more"));
    EXPECT_EQ(opened.publishExt(), QStringLiteral("php"));
    EXPECT_EQ(opened.docSpecificFixedCanvasFlag(), 1);
    EXPECT_EQ(opened.canvasSize(), QSizeF(800, 600));
    EXPECT_EQ(opened.metaKeywords(), document.metaKeywords());
    EXPECT_EQ(opened.metaDescription(), document.metaDescription());
    EXPECT_EQ(opened.customHeaderCode(), document.customHeaderCode());
    EXPECT_EQ(opened.encodingType(), QStringLiteral("UTF-8"));
    EXPECT_EQ(opened.pageColorHexString(), QStringLiteral("FFFFFF"));

    // Opening is no step to undo.
    EXPECT_FALSE(opened.undoManager().canUndo());
    EXPECT_FALSE(opened.isDocumentEdited());
    EXPECT_TRUE(alerts.records().isEmpty());

    // Saved again, the reopened page writes the text it was read from.
    EXPECT_EQ(opened.generateSourceCode(opened.pageName(), 0), saved);
    const QString copy = pathInHome(QStringLiteral("documents/copy.velk"));
    ASSERT_TRUE(opened.saveThisPage(copy, 0));
    EXPECT_EQ(pageTextIn(copy, QStringLiteral("home.html")), saved);
}

TEST_F(PageRoundTripTest, AFontThisMachineLacksKeepsItsNameThroughOpeningAndSaving)
{
    GraphicPropertyDictionary properties = placed(QRectF(10, 10, 200, 40));
    properties.insert(QStringLiteral("textString"), QStringLiteral("Styled"));
    properties.insert(QStringLiteral("textType"), QStringLiteral("Text"));
    properties.insert(QStringLiteral("fontFamily"), QStringLiteral("Missing Display Face"));
    properties.insert(QStringLiteral("fontSize"), QStringLiteral("20"));
    auto box = std::make_shared<SKTText>();
    box->initWithProperties(properties);
    add(box);
    ASSERT_TRUE(document.saveThisPage(location, 0));
    const QString saved = pageTextIn(location, QStringLiteral("home.html"));
    ASSERT_TRUE(saved.contains(QStringLiteral("font-family:\"Missing Display Face\"")));

    SKTDocument opened;
    opened.setFileLocation(location);
    const DocumentResult result = opened.refreshDocument();
    ASSERT_TRUE(result);
    EXPECT_EQ(result.missingFonts, QStringList{"Missing Display Face"});
    EXPECT_TRUE(alerts.records().isEmpty());
    DocumentAlerts::showOpenResult(result);
    ASSERT_EQ(alerts.records().size(), 1);
    EXPECT_EQ(alerts.records().first().message, QStringLiteral("Font Not Supported"));
    EXPECT_EQ(alerts.records().first().informative,
              QStringLiteral(
                  "Font Missing Display Face is not installed on this Mac, it will be replaced with font "
                  "Helvetica Neue"));
    ASSERT_EQ(opened.graphics().size(), 1);
    EXPECT_EQ(opened.generateSourceCode(opened.pageName(), 0), saved);
}

} // namespace
