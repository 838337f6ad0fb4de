#include "DocumentTestSupport.h"
#include "PageFileTestSupport.h"
#include "PageLoaderTestSupport.h"

#include "document/core/DocumentAlerts.h"
#include "model/records/LineView.h"
#include "model/records/OuterSlideShow.h"
#include "model/records/TransformView.h"
#include "model/records/myTextView.h"
#include "profile/services/HexColor.h"

#include <QFile>

namespace {

// A window that remembers what the loader asked of it.
class LoaderWindow : public PlainDocumentWindow {
public:
    void setConfirmedCanvasSize(int width, int height) override { confirmedSize = QSize(width, height); }
    void adjustCanvasSizeType() override { calls << QStringLiteral("adjustCanvasSizeType"); }
    void setCurrentTemplateSelectionValue() override
    {
        calls << QStringLiteral("setCurrentTemplateSelectionValue");
    }
    QString openWebsiteFolderTempPath() const override { return website; }

    QSize confirmedSize;
    QString website;
};

QString textRule(int number, int left, int top, int z, const QList<std::pair<QString, QString>>& extra = {})
{
    auto properties = textBoxProperties(left, top, z);
    properties << QList<std::pair<QString, QString>>{{"width", "100px"}, {"height", "30px"}} << extra;
    return ruleLine(QStringLiteral(".text%1").arg(number), properties);
}

QString imageRule(const QString& name, int z, const QList<std::pair<QString, QString>>& extra = {})
{
    QList<std::pair<QString, QString>> properties = {
        {"position", "absolute"}, {"left", "5px"},      {"top", "6px"},    {"z-index", QString::number(z)},
        {"imagename", name},      {"imagetype", "png"}, {"width", "40px"}, {"height", "30px"}};
    return ruleLine(u'.' + name, properties << extra);
}

template <class Record> std::shared_ptr<Record> recordAt(const ElementRecordList& records, int index)
{
    return std::dynamic_pointer_cast<Record>(records.value(index));
}

class PageLoaderTest : public DocumentTest {
protected:
    void SetUp() override
    {
        DocumentTest::SetUp();
        SKTDocument::setWindowControllerFactory([this](SKTDocument&) {
            auto made = std::make_unique<LoaderWindow>();
            window = made.get();
            return made;
        });
        document.makeWindowControllers();
        document.canvasState().canvasWidth = 1000;
        document.canvasState().canvasHeight = 700;
    }

    ElementRecordList load(const StoredPage& page, const QString& name = QStringLiteral("home"))
    {
        const QString path = page.write(pathInHome(QStringLiteral("work")), name);
        document.setPagePath(path);
        return document.presentObjects(PageText::read(path), name, {}, name, path);
    }

    SKTDocument document;
    LoaderWindow* window = nullptr;
};

TEST_F(PageLoaderTest, ReadsThePageSettingsOfHeadAndTrailer)
{
    StoredPage page;
    page.customHeaderCode = QStringLiteral("  <script>var a = 1;</script>\n<meta name=\"x\">");
    page.pageColor = QStringLiteral("336699");
    page.rules << QStringLiteral(
                      "#content{position:relative;width:900px;margin-left:auto;margin-right:auto;}")
               << QStringLiteral("<meta name='viewport' content='width=980'>");
    page.trailer << QString() << QStringLiteral("<!--PUBLISHEXTSTART==php==PUBLISHEXTEND-->")
                 << QStringLiteral("<!--PAGETITLESTART==Fruit==PAGETITLEEND-->")
                 << QStringLiteral("<!--FIXEDCANVASSTART==1==FIXEDCANVASEND-->")
                 << QStringLiteral("<!--DOCSPECIFIC_WIDTH==800==DOCSPECIFIC_WIDTH_END-->")
                 << QStringLiteral("<!--DOCSPECIFIC_HEIGHT==600==DOCSPECIFIC_HEIGHT_END-->")
                 << QStringLiteral("<!--CANVAS_SIZE_TYPE==Standard==CANVAS_SIZE_TYPE_END-->");
    EXPECT_TRUE(load(page).isEmpty());

    EXPECT_EQ(document.customHeaderCode(), QStringLiteral("<script>var a = 1;</script>\n<meta name=\"x\">"));
    EXPECT_EQ(document.metaKeywords(), QStringLiteral("apples, pears"));
    EXPECT_EQ(document.metaDescription(), QStringLiteral("A page about fruit"));
    EXPECT_EQ(document.encodingType(), QStringLiteral("Win-1251"));
    EXPECT_EQ(document.webPageWidth(), 980);
    EXPECT_EQ(document.centreFlag(), 1);
    EXPECT_EQ(document.pageColorHexString(), QStringLiteral("336699"));
    EXPECT_EQ(document.pageColor(), DataCentre::colorWithHexString("336699"));
    EXPECT_EQ(document.docSpecificFixedCanvasFlag(), 1);
    EXPECT_EQ(document.docSpecificPageWidth(), 800);
    EXPECT_EQ(document.docSpecificPageHeight(), 600);
    EXPECT_EQ(window->confirmedSize, QSize(800, 600));
    EXPECT_EQ(document.canvasState().mailCanvasType, QStringLiteral("Standard"));
    EXPECT_FALSE(document.usingBootStrapFlag());
    EXPECT_EQ(document.documentChangedCounter(), 0);
}

TEST_F(PageLoaderTest, AnUnfixedCanvasTakesTheProductsSizeAndMailProductsTheirWidth)
{
    DataCentre::mutableProfile().mailCanvasPresets = true;
    StoredPage page;
    page.trailer << QStringLiteral("<!--FIXEDCANVASSTART==0==FIXEDCANVASEND-->")
                 << QStringLiteral("<!--CANVAS_SIZE_TYPE==Flex==CANVAS_SIZE_TYPE_END-->");
    load(page);
    EXPECT_EQ(window->confirmedSize, QSize(1000, 700));
    EXPECT_EQ(document.docSpecificFixedCanvasFlag(), 0);
    EXPECT_EQ(document.canvasState().canvasWidth, 900);
    EXPECT_TRUE(window->calls.contains(QStringLiteral("adjustCanvasSizeType")));
    page.trailer = QStringList{QStringLiteral("<!--CANVAS_SIZE_TYPE==Standard==CANVAS_SIZE_TYPE_END-->")};
    load(page);
    EXPECT_EQ(document.canvasState().canvasWidth, 700);
}

TEST_F(PageLoaderTest, ObjectsComeBackWithTextsLinksAndImagesHighestFirst)
{
    StoredPage page;
    page.bootstrap = true;
    page.rules << textRule(0, 10, 20, 3) << textRule(1, 10, 80, 7, {{"indentFlag", "1"}})
               << imageRule(QStringLiteral("image2"), 5)
               << ruleLine(".line0", {{"position", "absolute"},
                                      {"lineOriginX", "1"},
                                      {"lineOriginY", "2"},
                                      {"lineEndX", "3"},
                                      {"lineEndY", "4"},
                                      {"z-index", "1"}})
               << ruleLine(".snippet0", {{"position", "absolute"},
                                         {"left", "1px"},
                                         {"top", "1px"},
                                         {"z-index", "6"},
                                         {"width", "10px"},
                                         {"height", "10px"},
                                         {"nlines", "2"}})
               << ruleLine(".slideshow0", {{"position", "absolute"},
                                           {"left", "1px"},
                                           {"top", "1px"},
                                           {"z-index", "2"},
                                           {"width", "10px"},
                                           {"height", "10px"}});
    page.body
        << QStringLiteral("<div class=text0><a href=page2.html target=_blank>a &lt; b<br>second</a></div>")
        << QStringLiteral("<div class=text1>  indented</div>")
        << QStringLiteral(
               "<div class=image2><a href=http://example.com target=_top><img src=\"home/image2@2x.png\""
               " class=\"img-responsive\" alt=\"A pear\"></a></div>")
        << QStringLiteral("<div class=snippet0>") << QStringLiteral("<b>bold</b>")
        << QStringLiteral("<i>it</i>") << QStringLiteral("</div>");
    const ElementRecordList records = load(page);

    QList<int> tags;
    for (const auto& record : records)
        tags << record->tag();
    EXPECT_EQ(tags, (QList<int>{7, 6, 5, 3, 2, 1}));
    EXPECT_TRUE(document.usingBootStrapFlag());

    auto first = recordAt<myTextView>(records, 3);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->textView()->string(), QStringLiteral("a < b\nsecond"));
    EXPECT_EQ(first->link(), QStringLiteral("page2.html"));
    EXPECT_EQ(first->linkOption(), QStringLiteral("_blank"));
    auto indented = recordAt<myTextView>(records, 0);
    EXPECT_EQ(indented->textView()->string(), QStringLiteral("    indented"));
    auto snippet = recordAt<myTextView>(records, 1);
    EXPECT_EQ(snippet->textView()->string(), QStringLiteral("<b>bold</b>\n<i>it</i>"));
    auto image = recordAt<TransformView>(records, 2);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->link(), QStringLiteral("http://example.com"));
    EXPECT_EQ(image->linkOption(), QStringLiteral("_self"));
    EXPECT_EQ(image->altText(), QStringLiteral("A pear"));
    EXPECT_TRUE(recordAt<OuterSlideShow>(records, 4));
    EXPECT_TRUE(recordAt<LineView>(records, 5));
    EXPECT_EQ(document.pageRecords().textViewArray.size(), 2);
}

TEST_F(PageLoaderTest, ImageMarkupIsMatchedByTheWholeName)
{
    StoredPage page;
    page.bootstrap = true;
    page.rules << imageRule(QStringLiteral("image1"), 2) << imageRule(QStringLiteral("image10"), 1);
    page.body
        << QStringLiteral("<div class=image10><a href=ten.html target=_blank><img alt=\"ten\"></a></div>")
        << QStringLiteral("<div class=image1><img src=\"x\" alt=\"one\"></div>")
        << QStringLiteral("<a class=image1 href=\"#popup_image1\" data-rel=\"popup\" title=\"big one\">");
    const ElementRecordList records = load(page);
    auto one = recordAt<TransformView>(records, 0);
    auto ten = recordAt<TransformView>(records, 1);
    EXPECT_EQ(one->imageName(), QStringLiteral("image1"));
    EXPECT_EQ(one->link(), QString());
    EXPECT_EQ(one->altText(), QStringLiteral("big one"));
    EXPECT_EQ(ten->link(), QStringLiteral("ten.html"));
    EXPECT_EQ(ten->linkOption(), QStringLiteral("_blank"));
    EXPECT_EQ(ten->altText(), QStringLiteral("ten"));
}

TEST_F(PageLoaderTest, AllLineBreakFormsCountAsOne)
{
    StoredPage page;
    page.customHeaderCode = QStringLiteral("<meta name=\"a\">\n<meta name=\"b\">");
    page.rules << ruleLine(".snippet0", {{"position", "absolute"},
                                         {"left", "1px"},
                                         {"top", "1px"},
                                         {"z-index", "6"},
                                         {"width", "10px"},
                                         {"height", "10px"},
                                         {"nlines", "2"}});
    page.body << QStringLiteral("<div class=snippet0>") << QStringLiteral("one") << QStringLiteral("two")
              << QStringLiteral("</div>");
    for (const QString& lineEnd : {QStringLiteral("\r\n"), QStringLiteral("\r"), QString(QChar(0x2028))}) {
        QString text = page.text();
        text.replace(u'\n', lineEnd);
        const QString path = pathInHome(QStringLiteral("work/crlf.html"));
        PageText::write(path, text);
        const ElementRecordList records = document.presentObjects(text, "crlf", {}, "crlf", path);
        ASSERT_EQ(records.size(), 1);
        EXPECT_EQ(recordAt<myTextView>(records, 0)->textView()->string(), QStringLiteral("one\ntwo"));
        EXPECT_EQ(document.customHeaderCode(), QStringLiteral("<meta name=\"a\">\n<meta name=\"b\">"));
    }
}

TEST_F(PageLoaderTest, BaseTemplateObjectsStayOnTheBaseTemplate)
{
    StoredPage page;
    page.rules << textRule(0, 1, 1, 2, {{"templateName", "basetemplate"}}) << textRule(1, 1, 1, 1);
    EXPECT_EQ(load(page).size(), 1);
    EXPECT_EQ(load(page, QStringLiteral("basetemplate")).size(), 2);
    // A copy of the base template owns all its objects.
    page.trailer << QStringLiteral("<!--BASE TEMPLATE DUPLICATED-->");
    const ElementRecordList records = load(page);
    ASSERT_EQ(records.size(), 2);
    EXPECT_EQ(recordAt<myTextView>(records, 0)->templateName(), QStringLiteral("home"));
    EXPECT_EQ(recordAt<myTextView>(records, 0)->moveLock(), 1);
}

TEST_F(PageLoaderTest, HeaderCodeEqualToTheBaseTemplatesIsNotThePagesOwn)
{
    StoredPage page;
    page.customHeaderCode = QStringLiteral("<script>shared</script>");
    load(page, QStringLiteral("basetemplate"));
    EXPECT_EQ(document.baseTemplateCustomHeaderCode(), QStringLiteral("<script>shared</script>"));
    load(page);
    EXPECT_EQ(document.customHeaderCode(), QString());
}

TEST_F(PageLoaderTest, ImagesSharingANameAreRenamedAndTheirFilesCopied)
{
    StoredPage page;
    page.rules << imageRule(QStringLiteral("image4"), 2) << imageRule(QStringLiteral("image4"), 1);
    writePicture(pathInHome("work/home/image4.png"), QSize(3, 3), Qt::red, "PNG");
    const ElementRecordList records = load(page);
    ASSERT_EQ(records.size(), 2);
    EXPECT_EQ(recordAt<TransformView>(records, 0)->imageName(), QStringLiteral("image5"));
    EXPECT_EQ(recordAt<TransformView>(records, 1)->imageName(), QStringLiteral("image4"));
    EXPECT_EQ(document.documentChangedCounter(), 1);
    EXPECT_TRUE(QFile::exists(pathInHome("work/home/image5.png")));
}

TEST_F(PageLoaderTest, EachMissingFontIsReportedOnce)
{
    StoredPage page;
    page.rules << textRule(0, 1, 1, 2, {{"font-family", "\"Gone Font\""}})
               << textRule(1, 1, 1, 1, {{"font-family", "\"Gone Font\""}})
               << textRule(2, 1, 1, 3, {{"font-family", "\"Other Gone\""}}) << textRule(3, 1, 1, 4);
    load(page);
    EXPECT_TRUE(alerts.records().isEmpty());
    DocumentResult opened;
    opened.missingFonts = document.replacedFontFamilies();
    DocumentAlerts::showOpenResult(opened);
    QStringList informative;
    for (const auto& record : alerts.records()) {
        EXPECT_EQ(record.message, QStringLiteral("Font Not Supported"));
        EXPECT_EQ(record.buttons, QStringList{"OK"});
        informative << record.informative;
    }
    EXPECT_EQ(
        informative,
        (QStringList{
            "Font Gone Font is not installed on this Mac, it will be replaced with font Helvetica Neue",
            "Font Other Gone is not installed on this Mac, it will be replaced with font Helvetica Neue"}));
}

TEST_F(PageLoaderTest, PageColourRules)
{
    StoredPage page;
    document.setPageColor(Qt::green);
    page.pageColor = QStringLiteral("CLEAR0");
    load(page);
    EXPECT_EQ(document.pageColorHexString(), QStringLiteral("CLEAR0"));
    EXPECT_EQ(document.pageColor(), QColor(Qt::green));

    // A background picture keeps the page colour and is read from the page folder, a JPEG before a PNG.
    writePicture(pathInHome("work/home/background.PNG"), QSize(5, 5), Qt::red, "PNG");
    writePicture(pathInHome("work/home/background.JPG"), QSize(7, 7), Qt::blue, "JPG");
    page.pageColor = QStringLiteral("FF0000");
    page.rules << QStringLiteral("body{background-image:url('home/background.JPG');");
    load(page);
    EXPECT_EQ(document.backgroundImageFlag(), 2);
    EXPECT_EQ(document.backgroundImageType(), QStringLiteral("JPG"));
    EXPECT_EQ(document.backgroundImage().size(), QSize(7, 7));
    EXPECT_EQ(document.pageColor(), QColor(Qt::green));
    EXPECT_EQ(document.pageColorHexString(), QStringLiteral("FF0000"));
}

TEST_F(PageLoaderTest, PagesUnderTheBaseTemplatesSettingsKeepTheirOwn)
{
    const QString website = pathInHome(QStringLiteral("work"));
    QDir().mkpath(website);
    PageText::write(website + QStringLiteral("/basetemplate.html"), QStringLiteral("<html></html>"));
    document.setOpenWebsiteFolderTempPath(website);
    document.setUseBaseTemplateFlag(1);
    document.setPageColorHexString(QStringLiteral("ABCDEF"));
    document.setWebPageWidth(123);
    StoredPage page;
    page.pageColor = QStringLiteral("FF0000");
    page.rules << QStringLiteral("<meta name='viewport' content='width=980'>")
               << QStringLiteral(
                      "#content{position:relative;width:900px;margin-left:auto;margin-right:auto;}");
    load(page);
    EXPECT_EQ(document.pageColorHexString(), QStringLiteral("ABCDEF"));
    EXPECT_EQ(document.webPageWidth(), 123);
    EXPECT_EQ(document.centreFlag(), 0);
}

TEST_F(PageLoaderTest, InheritedMetadataIsNotReadFromThePage)
{
    document.setMetaKeywords(QStringLiteral("from the base"));
    document.setInheritMetaKeywordsFlag(1);
    load(StoredPage());
    EXPECT_EQ(document.metaKeywords(), QStringLiteral("from the base"));
    EXPECT_EQ(document.metaDescription(), QStringLiteral("A page about fruit"));
}

TEST_F(PageLoaderTest, BrokenMarkupIsReadAsFarAsItGoes)
{
    StoredPage page;
    page.rules << textRule(0, 1, 1, 2) << textRule(1, 1, 1, 1);
    page.body << QStringLiteral("<div class=text0><a href=page2.html target=_blank")
              << QStringLiteral("<div class=text1>ok</div>");
    page.pageColor = QStringLiteral("AB");
    const ElementRecordList records = load(page);
    ASSERT_EQ(records.size(), 2);
    EXPECT_EQ(recordAt<myTextView>(records, 0)->link(), QStringLiteral("page2.html"));
    EXPECT_EQ(recordAt<myTextView>(records, 0)->linkOption(), QStringLiteral("_blank"));
    EXPECT_EQ(recordAt<myTextView>(records, 0)->textView()->string(), QString());
    EXPECT_EQ(recordAt<myTextView>(records, 1)->textView()->string(), QStringLiteral("ok"));
    EXPECT_EQ(document.pageColorHexString(), QStringLiteral("AB lef"));
}

TEST_F(PageLoaderTest, AHeaderBlockLongerThanThePageFailsTheLoad)
{
    StoredPage page;
    page.customHeaderCode = QStringLiteral("x");
    QString text = page.text();
    text.replace(QStringLiteral("<!--Custom Header Code:1-->"),
                 QStringLiteral("<!--Custom Header Code:900-->"));
    EXPECT_THROW(document.presentObjects(text, "broken", {}, "broken", pathInHome("work/broken.html")),
                 PageReadError);
}

TEST_F(PageLoaderTest, AMissingRequiredPropertyFailsTheLoad)
{
    StoredPage page;
    page.rules << QStringLiteral(".text0{position:absolute;top:1px;z-index:2;}");
    EXPECT_THROW(load(page), PageReadError);
    // Lines that are not rules of a kind are passed over.
    page.rules = QStringList{QStringLiteral(".textual{color:red;}"), QStringLiteral("garbage {{{ ;;; ==="),
                             QStringLiteral(".tab {text-indent:40px;}")};
    EXPECT_TRUE(load(page).isEmpty());
}

TEST_F(PageLoaderTest, APageWithoutAStyleEndHasNoObjects)
{
    const QString text =
        QStringLiteral("<html><head><style>\n") + textRule(0, 1, 1, 1) + QStringLiteral("\n</style>");
    const ElementRecordList records = document.presentObjects(text, "x", {}, "x", pathInHome("work/x.html"));
    EXPECT_EQ(records.size(), 1);
    const QString bodyOnly = QStringLiteral("just text");
    EXPECT_TRUE(document.presentObjects(bodyOnly, "x", {}, "x", pathInHome("work/x.html")).isEmpty());
    EXPECT_EQ(document.encodingType(), QStringLiteral("UTF-8"));
}

class FormPageLoaderTest : public PageLoaderTest {
protected:
    void SetUp() override
    {
        PageLoaderTest::SetUp();
        document.setPageFileType(QStringLiteral("quarnel"));
        document.setPageFileExtension(QStringLiteral("php"));
    }
};

TEST_F(FormPageLoaderTest, ReadsTheFormSettingsAndGivesDefaults)
{
    StoredPage page;
    page.rules << QStringLiteral("<?")
               << QStringLiteral("//====SMTP_EMAIL_SERVER_START==smtp.example.com==SMTP_EMAIL_SERVER_END")
               << QStringLiteral("//FORMRESPONSEIPSTART==1==FORMRESPONSEIPEND")
               << QStringLiteral("//FORMDISPLAYOPTIONSTART==2==FORMDISPLAYOPTIONEND")
               << QStringLiteral("//FORMRESPONSEEMAILSTART==me@example.com==FORMRESPONSEEMAILEND")
               << QStringLiteral("//FORMREDIRECTURLhttp://example.com/thanksFORMREDIRECTURLEND")
               << QStringLiteral("//FORMMISSINGMSGPlease fill everythingFORMMISSINGMSGEND")
               << QStringLiteral("?>");
    load(page, QStringLiteral("contact"));
    EXPECT_EQ(document.formEmailServer(), QStringLiteral("smtp.example.com"));
    EXPECT_EQ(document.grabIPFlag(), 1);
    EXPECT_EQ(document.formOrderLayoutOption(), 2);
    EXPECT_EQ(document.siteFeedbackEmail(), QStringLiteral("me@example.com"));
    EXPECT_EQ(document.siteCCFeedbackEmail(), QString(""));
    EXPECT_EQ(document.formRedirectURL(), QStringLiteral("http://example.com/thanks"));
    EXPECT_EQ(document.formRequiredResponse(), QStringLiteral("Please fill everything"));
    EXPECT_EQ(document.formSubmitButtonValue(), QStringLiteral("Submit"));
    EXPECT_EQ(document.formSentResponse(), QStringLiteral("Thank you for submitting this form."));
    EXPECT_EQ(document.formEmailVerificationMsg(),
              QStringLiteral("Email address entered is invalid, please check and submit again."));
    EXPECT_EQ(document.formBotCheckerResponse(),
              QStringLiteral("Bot checker answer incorrect, please try again."));
}

TEST_F(FormPageLoaderTest, OptionLabelsNameTheirOptions)
{
    StoredPage page;
    page.rules << ruleLine(".text0",
                           textBoxProperties(50, 10, 2) << std::pair<QString, QString>{"width", "90px"},
                           ".text0 a:visited {formType:textLabel;formTag:4;formOptionTag:1;}")
               << ruleLine(".text1", textBoxProperties(30, 10, 1),
                           ".text1 a:visited {formType:radio;formTag:4;formOptionTag:1;}")
               << ruleLine(".text2", textBoxProperties(30, 60, 3),
                           ".text2 a:visited {formType:textLabel;formTag:-1;formOptionTag:-22;}");
    page.body << QStringLiteral("<div class=text0>Red</div>")
              << QStringLiteral("<div class=text2>What is it?</div>");
    const ElementRecordList records = load(page, QStringLiteral("contact"));
    ASSERT_EQ(records.size(), 3);
    auto label = recordAt<myTextView>(records, 1);
    auto radio = recordAt<myTextView>(records, 2);
    EXPECT_EQ(radio->formType(), QStringLiteral("radio"));
    EXPECT_EQ(radio->textView()->string(), QStringLiteral("Red"));
    EXPECT_EQ(label->optionTextView(), radio);
    EXPECT_EQ(recordAt<myTextView>(records, 0)->textView()->string(), QStringLiteral("1+2="));
}

TEST_F(PageLoaderTest, LabelProductsReadTheirSheet)
{
    ProductProfile& profile = DataCentre::mutableProfile();
    profile.printSheetDesign = true;
    auto fallback = std::make_shared<LabelTemplateHelper>();
    fallback->setTemplateDescription(QStringLiteral(""));
    profile.defaultLabelTemplate = fallback;
    load(StoredPage());
    EXPECT_EQ(document.labelTemplateHelper(), fallback);
    EXPECT_EQ(document.canvasState().selectedPrintSheet, QString(""));

    StoredPage page;
    page.trailer
        << QStringLiteral("//====LABEL_BRAND_START==Avery==LABEL_BRAND_END")
        << QStringLiteral("//====LABEL_TEMPLATENUMBER_START==5160==LABEL_TEMPLATENUMBER_END")
        << QStringLiteral(
               "//====LABEL_TEMPLATEDESCRIPTION_START==No Such Sheet==LABEL_TEMPLATEDESCRIPTION_END");
    load(page);
    ASSERT_TRUE(document.labelTemplateHelper());
    EXPECT_EQ(document.labelTemplateHelper()->brand(), QStringLiteral("Avery"));
    EXPECT_EQ(document.labelTemplateHelper()->templateNumber(), QStringLiteral("5160"));
    EXPECT_EQ(document.canvasState().selectedPrintSheet, QStringLiteral("No Such Sheet"));
    EXPECT_TRUE(window->calls.contains(QStringLiteral("setCurrentTemplateSelectionValue")));
}

} // namespace
