#include "HtmlParsing.h"
#include "PageAssemblyTestSupport.h"

#include "document/core/DocumentAlerts.h"
#include "model/ArchivedImage.h"
#include "model/SKTGalleryGrid.h"
#include "model/SKTLine.h"
#include "model/SKTSlideshow.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <functional>

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

// A value the user typed, where it goes on the page and where the reopened page gives it back.
struct TypedText {
    const char* what;
    QString typed;
    // Values kept on one line of the page (title, meta contents, alternative text) have blanks for line
    // breaks.
    QString readBack;
    void (*put)(SKTDocument& page, const QString& text);
    QString (*read)(const SKTDocument& page);
};

// The first graphic of the kind that the test accepts; a plain graphic, after a failure, when there is none.
std::shared_ptr<SKTGraphic> firstOfKind(const SKTDocument& page, const QString& className,
                                        const std::function<bool(const SKTGraphic&)>& accepted = {})
{
    for (const std::shared_ptr<SKTGraphic>& graphic : page.graphics()) {
        if (graphic->className() == className && (!accepted || accepted(*graphic)))
            return graphic;
    }
    ADD_FAILURE() << "no " << className.toStdString();
    return std::make_shared<SKTGraphic>();
}

const QString kQuotedTitle = QStringLiteral("A \"quoted\" </title> title");

const TypedText kTypedTexts[] = {
    {"alternative text", QStringLiteral("Fish & Chips"), QStringLiteral("Fish & Chips"),
     [](SKTDocument& page, const QString& text) {
         auto picture = image(QStringLiteral("image1"), QRectF(300, 30, 80, 60));
         picture->setAltText(text);
         page.insertGraphics({picture}, {0});
     },
     [](const SKTDocument& page) { return firstOfKind(page, QStringLiteral("SKTImage"))->altText(); }},
    {"text body", QStringLiteral("5 &lt; 6 & \u00A3 <b>&amp;</b>"),
     QStringLiteral("5 &lt; 6 & \u00A3 <b>&amp;</b>"),
     [](SKTDocument& page, const QString& text) {
         page.insertGraphics({textBox(text, QRectF(20, 30, 240, 60))}, {0});
     },
     [](const SKTDocument& page) { return firstOfKind(page, QStringLiteral("SKTText"))->textString(); }},
    {"title", kQuotedTitle, kQuotedTitle,
     [](SKTDocument& page, const QString& text) { page.setPageOfficialName(text); },
     [](const SKTDocument& page) { return page.pageOfficialName(); }},
    {"keywords", QStringLiteral("fish,\nchips & \"peas\"\r\n<b>"),
     QStringLiteral("fish, chips & \"peas\" <b>"),
     [](SKTDocument& page, const QString& text) { page.setMetaKeywords(text); },
     [](const SKTDocument& page) { return page.metaKeywords(); }},
    {"description", QStringLiteral("Say \"hi\" &amp; <bye>"), QStringLiteral("Say \"hi\" &amp; <bye>"),
     [](SKTDocument& page, const QString& text) { page.setMetaDescription(text); },
     [](const SKTDocument& page) { return page.metaDescription(); }},
};

TEST_F(PageRoundTripTest, TypedTextSurvivesEverySaveAndOpen)
{
    for (const TypedText& typed : kTypedTexts)
        typed.put(document, typed.typed);
    ASSERT_TRUE(document.saveThisPage(location, 0));
    const QString firstSaved = pageTextIn(location, QStringLiteral("home.html"));

    // Each cycle opens the page the last one saved and saves it again. The page it opened into goes
    // afterwards, so the next cycle opens under the same page name.
    QString saved = location;
    for (int cycle = 1; cycle <= 3; ++cycle) {
        SCOPED_TRACE(cycle);
        SKTDocument opened;
        opened.setFileLocation(saved);
        ASSERT_TRUE(opened.refreshDocument());
        for (const TypedText& typed : kTypedTexts)
            EXPECT_EQ(typed.read(opened), typed.readBack) << typed.what;
        saved = pathInHome(QStringLiteral("documents/cycle%1/home.velk").arg(cycle));
        ASSERT_TRUE(opened.saveThisPage(saved, 0));
        EXPECT_EQ(pageTextIn(saved, QStringLiteral("home.html")).toUtf8(), firstSaved.toUtf8());
        QDir(opened.tempSavePathLocal()).removeRecursively();
    }

    const QByteArray html = firstSaved.toUtf8();
    EXPECT_EQ(htmlErrors(html), QStringList());
    EXPECT_EQ(htmlTexts(html, "//title"), QStringList{kQuotedTitle});
    EXPECT_EQ(htmlTexts(html, "//meta[@name='keywords']/@content"), QStringList{kTypedTexts[3].readBack});
    EXPECT_EQ(htmlTexts(html, "//img/@alt"), QStringList{QStringLiteral("Fish & Chips")});
    EXPECT_EQ(htmlTexts(html, "//div[@class='text0']"), QStringList{kTypedTexts[1].typed});
    EXPECT_TRUE(alerts.records().isEmpty());
}

// The first line where two page texts differ, as both have it; empty when they are the same.
QString firstDifference(const QString& a, const QString& b)
{
    const QStringList left = a.split(u'\n');
    const QStringList right = b.split(u'\n');
    for (qsizetype i = 0; i < std::max(left.size(), right.size()); ++i) {
        if (left.value(i) != right.value(i))
            return QStringLiteral("line %1:\n%2\n%3").arg(i + 1).arg(left.value(i), right.value(i));
    }
    return {};
}

// A picture record for a slideshow or a gallery, the way their factories make them.
std::shared_ptr<TransformView> pictureRecord(const QString& name, const QColor& color)
{
    auto record = TransformView::initWithFrame(QRectF(0, 0, 80, 60));
    record->setImageName(name);
    record->setImageType(QStringLiteral("PNG"));
    QImage picture(80, 60, QImage::Format_ARGB32);
    picture.fill(color);
    record->setImage(picture);
    record->setOriginalWidth(80);
    record->setOriginalHeight(60);
    record->setSelectable(1);
    record->setAlpha(1.0f);
    record->setSlideShowNumber(-99);
    record->setGalleryNumber(-99);
    record->setTableNumber(-99);
    return record;
}

TEST_F(PageRoundTripTest, ARichPageOpensAsItWasAndSavesTheSameText)
{
    // Text that is not ASCII makes the page a UTF-16 one.
    auto styled =
        textBox(QStringLiteral("Gr\u00FC\u00DFe \u00A9 5 \u20AC\nzweite Zeile"), QRectF(20, 30, 240, 80));
    styled->setIndentFlag(2);
    styled->setHoverColorString(QStringLiteral("AA0000"));
    styled->setHoverTextColorString(QStringLiteral("00BB00"));
    styled->setOpacity(0.5);
    styled->setShadowFlag(1);
    styled->setShadowRadius(4);
    styled->setShadowHorizontalOffset(2);
    styled->setShadowVerticalOffset(3);
    styled->setRotationAngle(15);
    add(styled);

    auto snippet = textBox(QStringLiteral("<b>bold</b> & more"), QRectF(20, 150, 200, 50),
                           QStringLiteral("HTMLSnippet"));
    snippet->setSnippetFormatFlag(true);
    add(snippet);

    auto enlarged = image(QStringLiteral("image1"), QRectF(300, 30, 80, 60));
    enlarged->setImageEnlargeFlag(1);
    enlarged->setRetinaFlag(true);
    QImage mask(80, 60, QImage::Format_ARGB32);
    mask.fill(Qt::black);
    enlarged->setMaskImage(mask);
    enlarged->setAltText(QStringLiteral("Caption"));
    add(enlarged);

    auto slideshow = std::make_shared<SKTSlideshow>();
    slideshow->setBounds(QRectF(20, 250, 160, 120));
    slideshow->setSlideShowAutomaticFlag(1);
    // Outside every group and section, as the slideshow factory makes them.
    slideshow->setGroupNumber(-99);
    slideshow->setSectionNumber(-99);
    slideshow->setSectionRowSpot(-99);
    slideshow->setSectionColumnSpot(-99);
    TransformViewList slides;
    for (int i = 0; i < 2; ++i) {
        auto slide = pictureRecord(QStringLiteral("image%1").arg(2 + i), i == 0 ? Qt::red : Qt::green);
        slide->setLink(QStringLiteral("page%1.html").arg(i + 2));
        slide->setLinkOption(QStringLiteral("_blank"));
        slide->setAltText(QStringLiteral("Slide %1").arg(i + 1));
        slides.append(slide);
    }
    slideshow->setImageArray(slides);
    add(slideshow);

    QImage background(8, 8, QImage::Format_ARGB32);
    background.fill(Qt::cyan);
    document.setBackgroundImage(background);
    document.setBackgroundImageType(QStringLiteral("PNG"));
    document.setBackgroundImageFlag(2);

    ASSERT_TRUE(document.saveThisPage(location, 0));
    const QString saved = pageTextIn(location, QStringLiteral("home.html"));
    ASSERT_FALSE(saved.isEmpty());
    EXPECT_FALSE(PageText::isAscii(saved));

    SKTDocument opened;
    opened.setFileLocation(location);
    ASSERT_TRUE(opened.refreshDocument());
    EXPECT_TRUE(alerts.records().isEmpty());
    ASSERT_EQ(opened.graphics().size(), document.graphics().size());

    const auto reopenedText = firstOfKind(opened, QStringLiteral("SKTText"),
                                          [](const SKTGraphic& g) { return g.textType() == u"Text"; });
    EXPECT_EQ(reopenedText->textString(),
              QStringLiteral("    Gr\u00FC\u00DFe \u00A9 5 \u20AC\n    zweite Zeile"));
    EXPECT_EQ(reopenedText->indentFlag(), 2);
    EXPECT_EQ(reopenedText->hoverColorString(), QStringLiteral("AA0000"));
    EXPECT_EQ(reopenedText->hoverTextColorString(), QStringLiteral("00BB00"));
    EXPECT_DOUBLE_EQ(reopenedText->opacity(), 0.5);
    EXPECT_EQ(reopenedText->shadowFlag(), 1);
    EXPECT_EQ(reopenedText->shadowRadius(), 4.0f);
    EXPECT_EQ(reopenedText->shadowHorizontalOffset(), 2.0f);
    EXPECT_EQ(reopenedText->shadowVerticalOffset(), 3.0f);
    EXPECT_EQ(reopenedText->rotationAngle(), 15.0f);

    int snippets = 0;
    for (const auto& graphic : opened.graphics()) {
        if (graphic->textType() != u"HTMLSnippet")
            continue;
        ++snippets;
        EXPECT_TRUE(graphic->snippetFormatFlag());
        EXPECT_EQ(graphic->textString(), QStringLiteral("<b>bold</b> & more"));
    }
    EXPECT_EQ(snippets, 1);

    const auto reopenedImage = std::dynamic_pointer_cast<SKTImage>(firstOfKind(
        opened, QStringLiteral("SKTImage"), [](const SKTGraphic& g) { return g.imageName() == u"image1"; }));
    ASSERT_TRUE(reopenedImage);
    EXPECT_EQ(reopenedImage->imageEnlargeFlag(), 1);
    EXPECT_TRUE(reopenedImage->retinaFlag());
    EXPECT_FALSE(reopenedImage->maskImage().isNull());
    EXPECT_EQ(reopenedImage->altText(), QStringLiteral("Caption"));

    const auto reopenedShow =
        std::dynamic_pointer_cast<SKTSlideshow>(firstOfKind(opened, QStringLiteral("SKTSlideshow")));
    ASSERT_TRUE(reopenedShow);
    EXPECT_EQ(reopenedShow->slideShowAutomaticFlag(), 1);
    ASSERT_EQ(reopenedShow->imageArray().size(), 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(reopenedShow->imageArray().at(i)->link(), QStringLiteral("page%1.html").arg(i + 2));
        EXPECT_EQ(reopenedShow->imageArray().at(i)->linkOption(), QStringLiteral("_blank"));
        EXPECT_EQ(reopenedShow->imageArray().at(i)->altText(), QStringLiteral("Slide %1").arg(i + 1));
    }

    EXPECT_EQ(opened.backgroundImageFlag(), 2);
    EXPECT_FALSE(opened.backgroundImage().isNull());

    // Saved again, the reopened page writes the text it was read from.
    const QString copy = pathInHome(QStringLiteral("documents/copy.velk"));
    ASSERT_TRUE(opened.saveThisPage(copy, 0));
    const QString difference = firstDifference(pageTextIn(copy, QStringLiteral("home.html")), saved);
    EXPECT_TRUE(difference.isEmpty()) << difference.toStdString();
}

TEST_F(PageRoundTripTest, AGalleryComesBackWithItsPictures)
{
    auto gallery = std::make_shared<SKTGalleryGrid>();
    gallery->setBounds(QRectF(300, 250, 200, 100));
    gallery->setNumOfRows(1);
    gallery->setNumOfColumns(2);
    gallery->setGroupNumber(-99);
    gallery->setSectionNumber(-99);
    gallery->setSectionRowSpot(-99);
    gallery->setSectionColumnSpot(-99);
    TransformViewList pictures;
    for (int i = 0; i < 2; ++i) {
        auto picture = pictureRecord(QStringLiteral("image%1").arg(4 + i), i == 0 ? Qt::blue : Qt::yellow);
        picture->setRowSpot(0);
        picture->setColumnSpot(i);
        pictures.append(picture);
    }
    gallery->setImageArray(pictures);
    add(gallery);

    ASSERT_TRUE(document.saveThisPage(location, 0));

    SKTDocument opened;
    opened.setFileLocation(location);
    ASSERT_TRUE(opened.refreshDocument());
    const auto reopened =
        std::dynamic_pointer_cast<SKTGalleryGrid>(firstOfKind(opened, QStringLiteral("SKTGalleryGrid")));
    ASSERT_TRUE(reopened);
    EXPECT_EQ(reopened->numOfColumns(), 2);
    ASSERT_EQ(reopened->imageArray().size(), 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(reopened->imageArray().at(i)->imageName(), QStringLiteral("image%1").arg(4 + i));
        EXPECT_EQ(reopened->imageArray().at(i)->columnSpot(), i);
        EXPECT_EQ(reopened->imageArray().at(i)->image().pixelColor(5, 5),
                  i == 0 ? QColor(Qt::blue) : QColor(Qt::yellow));
    }
    // Page records become graphics as their conversion says: a gallery's pictures are pictures of their own
    // as well, so the page opens with them twice.
    EXPECT_EQ(opened.graphics().size(), 3);
}

} // namespace
